// The state of one joining run over a data set: its header, its open record files
// and the counts the steps hand on to each other.
#pragma once

#include "data_set_header.h"
#include "data_set_layout.h"
#include "record_file.h"
#include "run_log.h"

#include <cstdint>
#include <string>
#include <utility>

namespace strandel {

struct DataSetPaths {
    std::string header;
    std::string polylines;
    std::string points;   // type B only
    std::string ends;
    std::string extents;
    std::string knots;
};

struct DataSetRun {
    DataSetRun(const DataSetLayout& layout, std::string name, DataSetPaths paths, RunLog& log, float toleranceSquared)
        : layout(layout), name(std::move(name)), paths(std::move(paths)), log(log), toleranceSquared(toleranceSquared)
    {
    }

    const DataSetLayout& layout;
    std::string name;     // the header name as given: starts log lines and names messages
    DataSetPaths paths;
    DataSetHeader header;
    RunLog& log;
    float toleranceSquared;

    RecordFile polylines;
    RecordFile points;
    RecordFile ends;
    RecordFile extents;
    RecordFile knots;

    int32_t extentCount = 0;
    int32_t knotCount = 0;

    bool isTypeA() const { return layout.type == LineType::A; }
};

struct Point {
    float x;
    float y;
};

inline Point loadPoint(const uint8_t* at)
{
    return {loadFloat(at), loadFloat(at + 4)};
}

inline void storePoint(uint8_t* at, Point point)
{
    storeFloat(at, point.x);
    storeFloat(at + 4, point.y);
}

// Squared distance in extended precision, as every tolerance test computes it.
inline long double squaredDistance(Point a, Point b)
{
    const long double dx = static_cast<long double>(a.x) - b.x;
    const long double dy = static_cast<long double>(a.y) - b.y;
    return dx * dx + dy * dy;
}

} // namespace strandel
