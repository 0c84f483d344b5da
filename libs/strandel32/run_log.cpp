#include "run_log.h"

namespace strandel {

namespace {

constexpr float kFineCoordinateBound = 100000.0F;
constexpr int kFineDecimals = 5;
constexpr int kCoarseDecimals = 1;

} // namespace

RunLog::RunLog(const char* fileName)
    : file_(fileName != nullptr ? std::fopen(fileName, "w") : nullptr)
{
}

RunLog::~RunLog()
{
    if (file_ != nullptr) {
        std::fclose(file_);
    }
}

void RunLog::startDataSet(std::string_view headerName, const DataSetLayout& layout, float coordinateBound)
{
    headerName_ = headerName;
    layout_ = &layout;
    decimals_ = coordinateBound <= kFineCoordinateBound ? kFineDecimals : kCoarseDecimals;
}

void RunLog::removedSecondPoint(int32_t id, float x, float y)
{
    writeLine(id, ",  Removed Redundant Second Point.", x, y, "\n");
}

void RunLog::removedPenultimatePoint(int32_t id, float x, float y)
{
    writeLine(id, ",  Removed Redundant Penultimate Point.", x, y, layout_->penultimateLineEnd);
}

void RunLog::tooManyLinesToNode(int32_t link, float x, float y)
{
    writeLine(link, ",  Too Many Lines to Node.", x, y, " \n");
}

void RunLog::duplicateExitAngle(int32_t firstId, int32_t secondId, float x, float y)
{
    writeLine(firstId, layout_->duplicateAngleEvent, x, y, ", " + std::to_string(secondId) + "\n");
}

void RunLog::noExitForPolyline(int32_t id, float x, float y)
{
    writeLine(id, ",  No Exit for Polyline.", x, y, "\n");
}

void RunLog::writeLine(int32_t number, std::string_view event, float x, float y, std::string_view tail)
{
    if (file_ == nullptr) {
        return;
    }
    const std::string line = headerName_ + ", " + std::to_string(number) + std::string(event) + ", " +
                             coordinate(x) + ", " + coordinate(y) + std::string(tail);
    std::fwrite(line.data(), 1, line.size(), file_);
}

std::string RunLog::coordinate(float value) const
{
    // Adding zero turns -0 into 0: only negative values carry a "-".
    const double shown = static_cast<double>(value) + 0.0;
    char text[64];
    const int length = std::snprintf(text, sizeof text, "%.*f", decimals_, shown);
    return length > 0 && static_cast<size_t>(length) < sizeof text ? std::string(text, static_cast<size_t>(length))
                                                                    : std::string("nan");
}

} // namespace strandel
