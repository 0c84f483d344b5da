#include "ui/bar_chart.h"

#include <algorithm>
#include <cmath>

namespace verdalis::ui {

namespace {

// Room above the highest bar for its value text.
inline constexpr double scaleHeadroom = 1.1;

} // namespace

double chartScaleTop(const BarChartData& data)
{
    double top = 0;
    for (const ChartBar& bar : data.bars) {
        if (std::isfinite(bar.value)) {
            top = std::max(top, bar.value);
        }
    }
    for (const ValueBand& band : data.bands) {
        if (std::isfinite(band.upTo)) {
            top = std::max(top, band.upTo);
        }
    }
    return top > 0 ? top * scaleHeadroom : 1.0;
}

const ValueBand* bandOf(const BarChartData& data, double value)
{
    for (const ValueBand& band : data.bands) {
        if (value <= band.upTo) {
            return &band;
        }
    }
    return data.bands.empty() ? nullptr : &data.bands.back();
}

void BarChart::setData(BarChartData data)
{
    assign(data_, std::move(data), Property::ChartData);
}

} // namespace verdalis::ui
