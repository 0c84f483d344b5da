#include "join_data_set.h"

#include "data_set_files.h"
#include "data_set_run.h"
#include "joining_steps.h"
#include "messages.h"

#include <algorithm>

namespace strandel {

namespace {

// The point files are read forward polyline by polyline through this many records.
constexpr int64_t kFirstPassPointBufferRecords = 32767;

DataSetPaths componentPaths(const std::string& headerPath, const DataSetLayout& layout)
{
    const auto component = [&](std::string_view extension) {
        return resolveFile(withExtension(headerPath, extension));
    };
    return {.header = headerPath,
            .polylines = component(layout.polylineExtension),
            .points = layout.type == LineType::B ? component(kPointExtension) : std::string(),
            .ends = component(kEndExtension),
            .extents = component(kExtentExtension),
            .knots = component(layout.knotExtension)};
}

bool openFirstPassFiles(DataSetRun& run)
{
    const int64_t polylineRecords = run.header.get(run.layout.header.polylineRecords);
    const int64_t polylineCount = run.header.get(run.layout.header.polylineCount);
    if (!run.polylines.open(run.paths.polylines, std::min<int64_t>(polylineRecords - 1, kPolylineBufferRecords),
                            run.layout.polyline.recordSize, kExistingFileMode)) {
        return false;
    }
    if (!run.isTypeA() &&
        !run.points.open(run.paths.points, kFirstPassPointBufferRecords, kPointSize, kExistingFileMode)) {
        return false;
    }
    return run.ends.openEmptied(run.paths.ends, 2 * polylineCount, end_record::kSize) &&
           run.extents.openEmptied(run.paths.extents, polylineCount, extent_record::kSize);
}

bool readHeader(DataSetRun& run)
{
    switch (run.header.read(run.paths.header, run.layout)) {
    case DataSetHeader::ReadResult::Read:
        return true;
    case DataSetHeader::ReadResult::NotFound:
        showMessage(caption::kConnectPolylines, std::string(message::kFileNotFound) + run.name);
        return false;
    case DataSetHeader::ReadResult::Unreadable:
        break;
    }
    showMessage(caption::kConnectPolylines, std::string(message::kUnableToRead) + run.name);
    return false;
}

bool join(DataSetRun& run)
{
    SortedEnds sorted;
    if (!openFirstPassFiles(run) || !cleanPolylines(run) || !sortEndsByX(run.ends, sorted)) {
        return false;
    }
    run.ends.forgetChanges();  // the ends were work, not kept
    run.ends.close();
    if (!run.knots.openEmptied(run.paths.knots, kPolylineBufferRecords, run.layout.knot.recordSize) ||
        !buildKnots(run, sorted)) {
        return false;
    }
    run.knots.close();
    return writeBackPolylines(run);
}

} // namespace

int32_t joinDataSet(const std::string& headerName, float toleranceSquared, RunLog& log, int64_t& knotTotal)
{
    const auto type = lineTypeOfHeader(headerName);
    if (!type) {
        showMessage(caption::kConnectPolylines, std::string(message::kUnknownFileType) + headerName);
        return 0;
    }
    const DataSetLayout& layout = layoutOf(*type);
    const std::string headerPath = resolveFile(toSystemPath(headerName));
    DataSetRun run(layout, headerName, componentPaths(headerPath, layout), log, toleranceSquared);
    if (!readHeader(run)) {
        return 0;
    }
    log.startDataSet(headerName, layout, run.header.coordinateBound());
    if (!join(run)) {
        return 0;
    }
    run.header.set(layout.header.knotCount, run.knotCount);
    run.header.set(layout.header.knotCountPlusOne, run.knotCount + 1);
    knotTotal += run.knotCount;
    if (!run.header.write()) {
        showMessage(caption::kConnectPolylines, std::string(message::kCannotOpenForWriting) + headerName);
        return 0;
    }
    return 1;
}

} // namespace strandel
