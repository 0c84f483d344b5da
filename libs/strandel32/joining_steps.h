// The steps of joining one data set, in the order they run.
#pragma once

#include "data_set_run.h"
#include "knot_search.h"

#include <vector>

namespace strandel {

// Cleans every polyline's ends (redundant second and second-to-last points), deletes
// degenerate polylines and makes one extent record and two end records for each
// polyline that survives. False: the polyline file ended before its last polyline.
bool cleanPolylines(DataSetRun& run);

// The end records in x-sorted order: the in-memory copy the knot search works on.
struct SortedEnds {
    std::vector<EndPosition> positions;
    std::vector<int32_t> extentReferences;  // + extent: first point, - extent: last point
};

// Copies the end records into sorted, ordered by x ascending as the heapsort leaves
// them. False: the ends cannot be read.
bool sortEndsByX(RecordFile& ends, SortedEnds& sorted);

// Gathers the ends into knots, snaps them, orders them by exit angle, links them
// counter-clockwise and writes the knot file. False: the run must end.
bool buildKnots(DataSetRun& run, const SortedEnds& sorted);

// Stores knots, links and snapped ends into the polylines. False: the point file
// cannot be opened.
bool writeBackPolylines(DataSetRun& run);

} // namespace strandel
