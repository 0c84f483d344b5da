// Text and CSV listings of a line data set: header, polylines with their knots and
// links, knots with their ends and exit angles.
#pragma once

#include "line_data_set_io.h"

#include <ostream>

namespace linedump {

enum class Format { Text, Csv };

struct Sections {
    bool header = true;
    bool polylines = true;
    bool knots = true;
};

void writeReport(std::ostream& out, const strandel::LineDataSet& dataSet, Format format, const Sections& sections);

} // namespace linedump
