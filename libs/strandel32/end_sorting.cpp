// Heapsort of the end records by x.
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
// would. The sorted order goes into the in-memory copy of the ends that the knot
// search needs anyway; the end file's sorted contents would not be kept.
#include "joining_steps.h"
#include "messages.h"

#include <algorithm>
#include <vector>

namespace strandel {

namespace {

struct SortKey {
    float x;
    uint32_t record;  // 0-based
};

// keys[0] is unused: the heap is 1-based. The child is chosen without a branch: which
// one is larger is as good as random, and a mispredicted branch on every level costs
// more than the comparison.
size_t largerChild(const std::vector<SortKey>& keys, size_t parent, size_t heapSize)
{
    const size_t child = 2 * parent;
    // Fetch the next two levels' cache lines while this one is compared.
    __builtin_prefetch(&keys[std::min(4 * parent, heapSize)]);
    __builtin_prefetch(&keys[std::min(8 * parent, heapSize)]);
    return child + static_cast<size_t>(child < heapSize && keys[child + 1].x > keys[child].x);
}

void siftDown(std::vector<SortKey>& keys, size_t index, size_t heapSize)
{
    const SortKey key = keys[index];
    while (2 * index <= heapSize) {
        const size_t child = largerChild(keys, index, heapSize);
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

} // namespace

bool sortEndsByX(RecordFile& ends, SortedEnds& sorted)
{
    sorted = {};
    const int64_t count = ends.recordCount();
    if (count < 1) {
        return true;
    }
    const uint8_t* records = ends.get(1, count);
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
    sorted.positions.resize(size);
    sorted.extentReferences.resize(size);
    for (size_t i = 0; i < size; ++i) {
        const uint8_t* end = records + size_t{keys[i + 1].record} * end_record::kSize;
        sorted.positions[i] = {loadFloat(end + end_record::kX), loadFloat(end + end_record::kY)};
        sorted.extentReferences[i] = loadInt32(end + end_record::kExtentReference);
    }
    return true;
}

} // namespace strandel
