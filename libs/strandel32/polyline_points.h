// The points of one polyline, contiguous in memory: inside the polyline records
// (type A, over continuation records) or in the point file (type B).
#pragma once

#include "data_set_run.h"

#include <cstdint>

namespace strandel {

class PolylinePoints {
public:
    // Fetches the points of the polyline whose first record is number record (got
    // already, at *recordAt). For type A the records may be fetched again as one
    // block; *recordAt then points to the new copy. Null points: the read failed.
    static PolylinePoints fetch(DataSetRun& run, int64_t record, uint8_t*& recordAt, int32_t count);

    bool isValid() const { return points_ != nullptr; }
    int32_t count() const { return count_; }
    Point at(int32_t index) const { return loadPoint(address(index)); }
    void set(int32_t index, Point point) { storePoint(address(index), point); }
    // Removes point index, moving the later points down.
    void remove(int32_t index);

private:
    PolylinePoints(uint8_t* points, int32_t count) : points_(points), count_(count) {}
    uint8_t* address(int32_t index) const { return points_ + static_cast<int64_t>(index) * kPointSize; }

    uint8_t* points_;
    int32_t count_;
};

// Marks the file that holds a type's points as changed.
void markPointsChanged(DataSetRun& run);

} // namespace strandel
