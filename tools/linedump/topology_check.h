// Checks of a joined data set's topology that need no second implementation of the
// joining: every end lies on the knot it names, each knot lists exactly the ends that
// name it, in ascending exit angle, and each linked end names the next linked end
// of its knot counter-clockwise (the last the first).
#pragma once

#include "line_data_set_io.h"

#include <ostream>

namespace linedump {

// Writes one line per fault (at most a few of each kind) and a summary; true when
// there was none.
bool checkTopology(std::ostream& out, const strandel::LineDataSet& dataSet);

} // namespace linedump
