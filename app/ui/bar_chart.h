// A bar chart: labelled bars of one value each, on a value axis that may be
// divided into labelled bands (a rating's Low, Medium, High ... ranges). The
// chart holds data only; a front end draws it, and whatever draws it scales
// the axis with chartScaleTop so that every bar and every closed band fits.
#pragma once

#include "reports/rtf/color.h"
#include "ui/control.h"

#include <limits>
#include <string>
#include <vector>

namespace verdalis::ui {

struct ChartBar {
    std::string label;
    double value = 0;
    Color color = colors::navy;

    friend bool operator==(const ChartBar&, const ChartBar&) = default;
};

// A band of the value axis from the previous band's upper limit (or 0) up
// to and including upTo; the last band may be open (upTo infinite).
struct ValueBand {
    std::string label;
    double upTo = std::numeric_limits<double>::infinity();
    Color color = colors::white;

    friend bool operator==(const ValueBand&, const ValueBand&) = default;
};

struct BarChartData {
    std::string title;
    // Shown after every value ("lbs").
    std::string unit;
    std::vector<ChartBar> bars;
    std::vector<ValueBand> bands;

    bool empty() const { return bars.empty(); }
    friend bool operator==(const BarChartData&, const BarChartData&) = default;
};

// The top of the value axis: the largest bar value or closed band limit,
// with a little headroom, and 1 when nothing is above 0 (so an all-zero
// chart still has an axis). Negative values are drawn as 0.
double chartScaleTop(const BarChartData& data);

// The band a value falls in (the first whose upTo is not below it), or null
// when the chart has no bands.
const ValueBand* bandOf(const BarChartData& data, double value);

class BarChart : public Control {
public:
    explicit BarChart(std::string name) : Control(ControlKind::BarChart, std::move(name)) {}

    const BarChartData& data() const { return data_; }
    void setData(BarChartData data);
    void clear() { setData({}); }

private:
    BarChartData data_;
};

} // namespace verdalis::ui
