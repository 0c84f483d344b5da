// Heapsort of the end records by x, in the end file.
//
// Heapsort is not stable: the order it leaves ends of equal x in decides which end
// of a group becomes the knot's position (the first one in sorted order). The sort is
// therefore kept exactly as it is: a 1-based heap built by sifting down every node
// from count/2 to 1, then record 1 swapped with the heap's last record, the heap
// shrunk by one and record 1 sifted down. Sifting takes the right child only when its
// x is strictly greater, and stops when that child's x is less than the sifted key.
//
// The heap works on compact (x, record) keys rather than on the 16-byte records:
// its decisions depend on x alone, so the keys end in exactly the order the records
// would, and the records are then moved into that order once.
#include "joining_steps.h"
#include "messages.h"

#include <array>
#include <cstring>
#include <vector>

namespace strandel {

namespace {

struct SortKey {
    float x;
    uint32_t record;  // 0-based; the top bit marks a record moved into place
};

constexpr uint32_t kPlaced = 0x80000000U;

// keys[0] is unused: the heap is 1-based.
void siftDown(std::vector<SortKey>& keys, size_t index, size_t heapSize)
{
    const SortKey key = keys[index];
    while (2 * index <= heapSize) {
        size_t child = 2 * index;
        // Fetch the next two levels' cache lines while this one is compared.
        __builtin_prefetch(&keys[std::min(4 * index, heapSize)]);
        __builtin_prefetch(&keys[std::min(8 * index, heapSize)]);
        if (child < heapSize && keys[child + 1].x > keys[child].x) {
            ++child;
        }
        if (keys[child].x < key.x) {
            break;
        }
        keys[index] = keys[child];
        index = child;
    }
    keys[index] = key;
}

void heapsort(std::vector<SortKey>& keys, size_t count)
{
    for (size_t node = count / 2; node >= 1; --node) {
        siftDown(keys, node, count);
    }
    for (size_t last = count; last >= 2; --last) {
        std::swap(keys[1], keys[last]);
        siftDown(keys, 1, last - 1);
    }
}

// Moves every record to its sorted place, one cycle of the permutation at a time.
void moveIntoOrder(uint8_t* records, std::vector<SortKey>& keys, size_t count)
{
    using Record = std::array<uint8_t, end_record::kSize>;
    const auto at = [records](size_t index) { return records + index * end_record::kSize; };
    for (size_t start = 0; start < count; ++start) {
        if ((keys[start + 1].record & kPlaced) != 0) {
            continue;
        }
        Record held;
        std::memcpy(held.data(), at(start), held.size());
        size_t place = start;
        for (;;) {
            const size_t source = keys[place + 1].record;
            keys[place + 1].record |= kPlaced;
            if (source == start) {
                std::memcpy(at(place), held.data(), held.size());
                break;
            }
            std::memcpy(at(place), at(source), end_record::kSize);
            place = source;
        }
    }
}

} // namespace

bool sortEndsByX(RecordFile& ends)
{
    const int64_t count = ends.recordCount();
    if (count < 2) {
        return true;
    }
    uint8_t* records = ends.get(1, count);
    if (records == nullptr) {
        showRecordFailure(message::kFailedSortedEnds);
        return false;
    }
    const auto size = static_cast<size_t>(count);
    std::vector<SortKey> keys(size + 1);
    for (size_t i = 0; i < size; ++i) {
        keys[i + 1] = {loadFloat(records + i * end_record::kSize + end_record::kX), static_cast<uint32_t>(i)};
    }
    heapsort(keys, size);
    moveIntoOrder(records, keys, size);
    ends.markChanged();
    return true;
}

} // namespace strandel
