// The steps of joining one data set, in the order they run.
#pragma once

#include "data_set_run.h"

namespace strandel {

// Cleans every polyline's ends (redundant second and second-to-last points), deletes
// degenerate polylines and makes one extent record and two end records for each
// polyline that survives. False: the polyline file ended before its last polyline.
bool cleanPolylines(DataSetRun& run);

// Sorts the end records by x ascending (heapsort). False: the ends cannot be read.
bool sortEndsByX(RecordFile& ends);

// Gathers the ends into knots, snaps them, orders them by exit angle, links them
// counter-clockwise and writes the knot file. False: the run must end.
bool buildKnots(DataSetRun& run);

// Stores knots, links and snapped ends into the polylines. False: the point file
// cannot be opened.
bool writeBackPolylines(DataSetRun& run);

} // namespace strandel
