// The log of data problems: one line per problem, each starting with the data set's
// header name. Coordinates carry 5 decimals when the data set's coordinate bound is
// at most 100000, else 1.
#pragma once

#include "data_set_layout.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace strandel {

class RunLog {
public:
    // A log that cannot be opened (or is not named) writes nothing.
    explicit RunLog(const char* fileName);
    ~RunLog();
    RunLog(const RunLog&) = delete;
    RunLog& operator=(const RunLog&) = delete;

    bool isOpen() const { return file_ != nullptr; }

    // The data set whose problems follow.
    void startDataSet(std::string_view headerName, const DataSetLayout& layout, float coordinateBound);

    void removedSecondPoint(int32_t id, float x, float y);
    void removedPenultimatePoint(int32_t id, float x, float y);
    void tooManyLinesToNode(int32_t link, float x, float y);
    void duplicateExitAngle(int32_t firstId, int32_t secondId, float x, float y);
    void noExitForPolyline(int32_t id, float x, float y);

private:
    void writeLine(int32_t number, std::string_view event, float x, float y, std::string_view tail);
    std::string coordinate(float value) const;

    std::FILE* file_ = nullptr;
    std::string headerName_;
    const DataSetLayout* layout_ = nullptr;
    int decimals_ = 5;
};

} // namespace strandel
