// Write-back: every surviving polyline takes its knots, links and snapped ends from
// its extent record.
#include "joining_steps.h"
#include "messages.h"
#include "polyline_points.h"

#include <algorithm>
#include <sys/stat.h>

namespace strandel {

namespace {

namespace ext = extent_record;

int64_t polylineBufferRecords(const DataSetRun& run)
{
    return std::min<int64_t>(int64_t{run.header.get(run.layout.header.polylineRecords)} - 1, kPolylineBufferRecords);
}

// The point file is opened whole for the write-back; its record count is its size.
bool openPointsForWriteBack(DataSetRun& run)
{
    struct stat status {};
    if (stat(run.paths.points.c_str(), &status) != 0) {
        showMessage(caption::kConnectPolylines, std::string(message::kCannotOpenFile) + run.paths.points);
        return false;
    }
    return run.points.open(run.paths.points, status.st_size / kPointSize, kPointSize, kExistingFileMode);
}

void storeTopology(DataSetRun& run, uint8_t* record, const uint8_t* extentAt, int32_t id)
{
    const PolylineLayout& layout = run.layout.polyline;
    const int32_t startLink = loadInt32(extentAt + ext::kStartLink);
    const int32_t endLink = loadInt32(extentAt + ext::kEndLink);
    layout.startKnot.store(record, loadInt32(extentAt + ext::kStartKnot));
    layout.endKnot.store(record, loadInt32(extentAt + ext::kEndKnot));
    layout.startLink.store(record, startLink);
    layout.endLink.store(record, endLink);
    run.polylines.markChanged();
    // An end that links to itself is alone at its knot: nothing leaves there.
    if (startLink == id || endLink == -id) {
        const Point shown = loadPoint(extentAt + (startLink != id ? ext::kLastPoint : ext::kFirstPoint));
        run.log.noExitForPolyline(id, shown.x, shown.y);
    }
}

// The inner points first: on a two-point line they are the ends again, and the
// snapped ends must win.
void storeSnappedEnds(PolylinePoints& points, const uint8_t* extentAt)
{
    const int32_t last = points.count() - 1;
    points.set(1, loadPoint(extentAt + ext::kSecondPoint));
    points.set(last - 1, loadPoint(extentAt + ext::kPenultimatePoint));
    points.set(0, loadPoint(extentAt + ext::kFirstPoint));
    points.set(last, loadPoint(extentAt + ext::kLastPoint));
}

void writeBackPolyline(DataSetRun& run, const uint8_t* extentAt)
{
    const int32_t id = loadInt32(extentAt + ext::kPolylineId);
    uint8_t* record = run.polylines.get(id);
    if (record == nullptr) {
        showRecordFailure(message::kFailedPolyline);
        return;
    }
    storeTopology(run, record, extentAt, id);
    const int32_t count = run.layout.polyline.pointCount.load(record);
    PolylinePoints points = PolylinePoints::fetch(run, id, record, count);
    if (!points.isValid() || count < 2) {
        showRecordFailure(message::kFailedPolyline);
        return;
    }
    storeSnappedEnds(points, extentAt);
    markPointsChanged(run);
}

} // namespace

bool writeBackPolylines(DataSetRun& run)
{
    if (!run.polylines.open(run.paths.polylines, polylineBufferRecords(run), run.layout.polyline.recordSize,
                            kExistingFileMode)) {
        return false;
    }
    if (!run.isTypeA() && !openPointsForWriteBack(run)) {
        return false;
    }
    // The extents are read in runs: nothing else asks the extent file for records here.
    constexpr int64_t kExtentsPerRun = 4096;
    for (int64_t first = 1; first <= run.extentCount; first += kExtentsPerRun) {
        const int64_t count = std::min<int64_t>(kExtentsPerRun, run.extentCount - first + 1);
        const uint8_t* extents = run.extents.get(first, count);
        for (int64_t i = 0; i < count; ++i) {
            const uint8_t* extentAt = extents != nullptr ? extents + i * ext::kSize : run.extents.get(first + i);
            if (extentAt == nullptr) {
                showRecordFailure(message::kFailedExtentInWriteBack);
                continue;
            }
            writeBackPolyline(run, extentAt);
        }
    }
    run.polylines.close();
    run.points.close();
    run.extents.close();
    return true;
}

} // namespace strandel
