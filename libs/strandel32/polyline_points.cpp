#include "polyline_points.h"

#include <cstring>

namespace strandel {

PolylinePoints PolylinePoints::fetch(DataSetRun& run, int64_t record, uint8_t*& recordAt, int32_t count)
{
    const PolylineLayout& layout = run.layout.polyline;
    if (count < 1) {
        return {nullptr, 0};
    }
    if (run.isTypeA()) {
        const int32_t continuation = layout.continuationRecords(count);
        if (record + continuation > run.polylines.highestHeld()) {
            recordAt = run.polylines.get(record, 1 + int64_t{continuation});
        }
        return {recordAt != nullptr ? recordAt + layout.pointsOffset : nullptr, count};
    }
    const int64_t first = layout.firstPointRecord.load(recordAt);
    return {run.points.get(first, count), count};
}

void PolylinePoints::remove(int32_t index)
{
    std::memmove(address(index), address(index + 1), static_cast<size_t>(count_ - index - 1) * kPointSize);
    --count_;
}

void markPointsChanged(DataSetRun& run)
{
    (run.isTypeA() ? run.polylines : run.points).markChanged();
}

} // namespace strandel
