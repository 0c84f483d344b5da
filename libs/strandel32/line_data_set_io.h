// A whole line data set in memory, for the tools: written from generated polylines,
// read back with the knots and links a joining run left in it. The library itself
// never holds a data set whole; it works through the record files.
#pragma once

#include "data_set_layout.h"

#include <cstdint>
#include <string>
#include <vector>

namespace strandel {

struct LinePoint {
    float x;
    float y;
};

struct LinePolyline {
    int32_t id = 0;  // negative: deleted
    int32_t attribute = 0;
    int32_t startKnot = 0;
    int32_t endKnot = 0;
    int32_t startLink = 0;
    int32_t endLink = 0;
    std::vector<LinePoint> points;
};

struct LineKnot {
    int32_t number = 0;
    LinePoint position{};
    std::vector<int32_t> ends;  // +id: that polyline starts here, -id: it ends here
    std::vector<float> angles;
};

struct LineDataSet {
    LineType type = LineType::B;
    int32_t polylineCount = 0;
    int32_t validPolylines = 0;
    int32_t knotCount = 0;
    float coordinateBound = 0;
    std::vector<LinePolyline> polylines;
    std::vector<LineKnot> knots;
};

// Writes header, polyline and (type B) point files; ids are the record numbers.
// False with a reason when the data set does not fit its type's fields.
bool writeLineDataSet(const std::string& headerPath, const LineDataSet& dataSet, std::string& error);

// Reads header, polylines and, when there is a knot file, the knots.
bool readLineDataSet(const std::string& headerPath, LineDataSet& dataSet, std::string& error);

} // namespace strandel
