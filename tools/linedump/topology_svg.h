// An SVG drawing of a line data set: the polylines, the knots, and for every linked
// end an arrow around its knot to the next end counter-clockwise.
#pragma once

#include "line_data_set_io.h"

#include <ostream>

namespace linedump {

void writeSvg(std::ostream& out, const strandel::LineDataSet& dataSet);

} // namespace linedump
