// Heapsort of the end records by x, in place in the end file.
//
// Heapsort is not stable: the order it leaves ends of equal x in decides which end
// of a group becomes the knot's position (the first one in sorted order). The sort is
// therefore kept exactly as it is: a 1-based heap built by sifting down every node
// from count/2 to 1, then record 1 swapped with the heap's last record, the heap
// shrunk by one and record 1 sifted down. Sifting takes the right child only when its
// x is strictly greater, and stops when that child's x is less than the sifted key.
#include "joining_steps.h"
#include "messages.h"

#include <array>
#include <cstring>

namespace strandel {

namespace {

using EndBytes = std::array<uint8_t, end_record::kSize>;

class EndHeap {
public:
    explicit EndHeap(uint8_t* records) : records_(records) {}

    float x(int64_t index) const { return loadFloat(at(index) + end_record::kX); }

    void siftDown(int64_t index, int64_t heapSize)
    {
        const EndBytes key = load(index);
        const float keyX = loadFloat(key.data() + end_record::kX);
        while (2 * index <= heapSize) {
            int64_t child = 2 * index;
            if (child < heapSize && x(child + 1) > x(child)) {
                ++child;
            }
            if (x(child) < keyX) {
                break;
            }
            std::memcpy(at(index), at(child), end_record::kSize);
            index = child;
        }
        store(index, key);
    }

    void swap(int64_t a, int64_t b)
    {
        const EndBytes first = load(a);
        std::memcpy(at(a), at(b), end_record::kSize);
        store(b, first);
    }

private:
    uint8_t* at(int64_t index) const { return records_ + (index - 1) * end_record::kSize; }
    EndBytes load(int64_t index) const
    {
        EndBytes bytes;
        std::memcpy(bytes.data(), at(index), bytes.size());
        return bytes;
    }
    void store(int64_t index, const EndBytes& bytes) { std::memcpy(at(index), bytes.data(), bytes.size()); }

    uint8_t* records_;
};

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
    EndHeap heap(records);
    for (int64_t node = count / 2; node >= 1; --node) {
        heap.siftDown(node, count);
    }
    for (int64_t last = count; last >= 2; --last) {
        heap.swap(1, last);
        heap.siftDown(1, last - 1);
    }
    ends.markChanged();
    return true;
}

} // namespace strandel
