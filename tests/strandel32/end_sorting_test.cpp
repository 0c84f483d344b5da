// The ends come out of the sort in exactly the order a heapsort of the records
// themselves gives, ties included: that order decides the knots.
#include "joining_steps.h"
#include "record_file.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <limits>
#include <random>
#include <unistd.h>

namespace {

using Record = std::array<uint8_t, 16>;

float xOf(const Record& record)
{
    float x;
    std::memcpy(&x, record.data() + 4, sizeof x);
    return x;
}

// The heapsort as described, on whole records: 1-based, build from count/2 down,
// the right child only when strictly greater, stop when the child is less.
void referenceHeapsort(std::vector<Record>& heap)
{
    const auto siftDown = [&](size_t index, size_t size) {
        const Record key = heap[index];
        while (2 * index <= size) {
            size_t child = 2 * index;
            if (child < size && xOf(heap[child + 1]) > xOf(heap[child])) {
                ++child;
            }
            if (xOf(heap[child]) < xOf(key)) {
                break;
            }
            heap[index] = heap[child];
            index = child;
        }
        heap[index] = key;
    };
    const size_t count = heap.size() - 1;
    for (size_t node = count / 2; node >= 1; --node) {
        siftDown(node, count);
    }
    for (size_t last = count; last >= 2; --last) {
        std::swap(heap[1], heap[last]);
        siftDown(1, last - 1);
    }
}

TEST(EndSorting, GivesTheRecordHeapsortsOrderWithTies)
{
    const std::string path =
        (std::filesystem::temp_directory_path() / ("strandel-sort-" + std::to_string(getpid()) + ".end")).string();
    struct Removal {
        const std::string& path;
        ~Removal() { std::filesystem::remove(path); }
    } removal{path};
    // Few distinct x values, so that most records tie with others; signed zeros, which
    // compare equal; NaN, which compares with nothing.
    const std::vector<std::vector<float>> valueSets = {
        {-3, -2, -1, 0, 1, 2, 3},
        {-0.0F, 0.0F, 1, -1},
        {std::numeric_limits<float>::quiet_NaN(), 0, 1, 2},
    };
    std::mt19937 random(5);
    for (const std::vector<float>& values : valueSets)
    for (const size_t count : {size_t{2}, size_t{3}, size_t{17}, size_t{5000}}) {
        SCOPED_TRACE(::testing::Message() << count << " ends over " << values.size() << " values from " << values[0]);
        std::vector<Record> reference(count + 1);
        strandel::RecordFile ends;
        ASSERT_TRUE(ends.openEmptied(path, static_cast<int64_t>(count), 16));
        for (size_t i = 1; i <= count; ++i) {
            const float x = values[random() % values.size()];
            const auto endNumber = static_cast<int32_t>(i);
            Record& record = reference[i];
            std::memcpy(record.data(), &endNumber, 4);
            std::memcpy(record.data() + 4, &x, 4);
            uint8_t* created = ends.create(static_cast<int64_t>(i));
            ASSERT_NE(created, nullptr);
            std::memcpy(created, record.data(), record.size());
        }
        strandel::SortedEnds sorted;
        ASSERT_TRUE(strandel::sortEndsByX(ends, sorted));
        referenceHeapsort(reference);
        ASSERT_EQ(sorted.extentReferences.size(), count);
        for (size_t i = 1; i <= count; ++i) {
            int32_t expected;
            std::memcpy(&expected, reference[i].data(), 4);
            ASSERT_EQ(sorted.extentReferences[i - 1], expected) << "place " << i;
            const float expectedX = xOf(reference[i]);
            ASSERT_EQ(std::memcmp(&sorted.positions[i - 1].x, &expectedX, sizeof expectedX), 0) << "place " << i;
        }
    }
}

} // namespace
