// First pass over the polylines, in record order.
#include "joining_steps.h"
#include "messages.h"
#include "polyline_points.h"

#include <cstdio>
#include <cstdlib>

namespace strandel {

namespace {

enum class Cleaned { Done, PointsUnreadable };

void deletePolyline(DataSetRun& run, uint8_t* record, int32_t id)
{
    run.layout.polyline.id.store(record, -id);
    run.polylines.markChanged();
    const IntField valid = run.layout.header.validPolylines;
    // A corrupt count at the bottom of its range wraps rather than overflows.
    run.header.set(valid, static_cast<int32_t>(int64_t{run.header.get(valid)} - 1));
}

// Type A follows the chain of first records; a chain that does not move forward
// (corrupt data) is followed record by record instead, so the pass always ends.
int64_t nextPolylineRecord(const DataSetRun& run, const uint8_t* record, int64_t current)
{
    if (run.isTypeA()) {
        const int64_t next = run.layout.polyline.nextPolyline.load(record);
        if (next > current) {
            return next;
        }
    }
    return current + 1;
}

bool samePoint(Point a, Point b)
{
    return a.x == b.x && a.y == b.y;
}

void removeRedundantPoints(DataSetRun& run, int32_t id, PolylinePoints& points)
{
    while (points.count() >= 3 && samePoint(points.at(0), points.at(1))) {
        points.remove(1);
        run.log.removedSecondPoint(id, points.at(0).x, points.at(0).y);
    }
    while (points.count() >= 3 && samePoint(points.at(points.count() - 1), points.at(points.count() - 2))) {
        points.remove(points.count() - 2);
        const Point last = points.at(points.count() - 1);
        run.log.removedPenultimatePoint(id, last.x, last.y);
    }
}

void createExtentAndEnds(DataSetRun& run, const uint8_t* record, int32_t id, const PolylinePoints& points)
{
    namespace ext = extent_record;
    const int32_t extent = run.extentCount + 1;
    uint8_t* extentAt = run.extents.create(extent);
    if (extentAt == nullptr) {
        showRecordFailure(message::kFailedPolyline);
        return;
    }
    const int32_t last = points.count() - 1;
    storeInt32(extentAt + ext::kPolylineId, id);
    storeInt32(extentAt + ext::kAttribute, run.layout.polyline.attribute.load(record));
    storePoint(extentAt + ext::kFirstPoint, points.at(0));
    storePoint(extentAt + ext::kSecondPoint, points.at(1));
    storePoint(extentAt + ext::kPenultimatePoint, points.at(last - 1));
    storePoint(extentAt + ext::kLastPoint, points.at(last));
    run.extents.markChanged();
    run.extentCount = extent;

    const struct {
        int32_t reference;
        Point point;
    } ends[] = {{extent, points.at(0)}, {-extent, points.at(last)}};
    int64_t endRecord = 2 * int64_t{extent} - 1;
    for (const auto& end : ends) {
        uint8_t* endAt = run.ends.create(endRecord++);
        if (endAt == nullptr) {
            showRecordFailure(message::kFailedEndRecord);
            continue;
        }
        storeInt32(endAt + end_record::kExtentReference, end.reference);
        storePoint(endAt + end_record::kX, end.point);
        endAt[end_record::kUsed] = 0;  // not yet at a knot
        run.ends.markChanged();
    }
}

Cleaned cleanPolyline(DataSetRun& run, int64_t recordNumber, uint8_t* record, int32_t id)
{
    const PolylineLayout& layout = run.layout.polyline;
    const int32_t count = layout.pointCount.load(record);
    if (count < 2) {
        deletePolyline(run, record, id);
        return Cleaned::Done;
    }
    PolylinePoints points = PolylinePoints::fetch(run, recordNumber, record, count);
    if (!points.isValid()) {
        showRecordFailure(message::kFailedPolyline);
        return Cleaned::PointsUnreadable;
    }
    removeRedundantPoints(run, id, points);
    if (points.count() != count) {
        layout.pointCount.store(record, points.count());
        run.polylines.markChanged();
        markPointsChanged(run);
    }
    constexpr int32_t kFewestPointsOfARing = 4;
    if (points.count() < kFewestPointsOfARing &&
        !(squaredDistance(points.at(points.count() - 1), points.at(0)) > run.toleranceSquared)) {
        deletePolyline(run, record, id);
        return Cleaned::Done;
    }
    createExtentAndEnds(run, record, id, points);
    return Cleaned::Done;
}

} // namespace

bool cleanPolylines(DataSetRun& run)
{
    const PolylineLayout& layout = run.layout.polyline;
    const int64_t lastPolyline = run.header.get(run.layout.header.lastPolyline);
    for (int64_t current = 1; current <= lastPolyline;) {
        if (current > run.polylines.recordCount()) {
            std::fputs(message::kUnexpectedEndOfFile.data(), stdout);
            return false;
        }
        uint8_t* record = run.polylines.get(current);
        if (record == nullptr) {
            showRecordFailure(message::kFailedPolyline);
            ++current;
            continue;
        }
        const int32_t id = layout.id.load(record);
        if (std::llabs(id) != current) {
            ++current;  // a continuation or stray record
            continue;
        }
        const int64_t recordNumber = current;
        current = nextPolylineRecord(run, record, current);
        if (id < 0) {
            continue;  // deleted already
        }
        // A polyline's points that cannot be read end the pass for type B.
        if (cleanPolyline(run, recordNumber, record, id) == Cleaned::PointsUnreadable && !run.isTypeA()) {
            break;
        }
    }
    run.polylines.close();
    run.points.close();
    return true;
}

} // namespace strandel
