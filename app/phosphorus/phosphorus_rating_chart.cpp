#include "phosphorus/phosphorus_rating_chart.h"

namespace verdalis::phosphorus {

namespace {

inline constexpr Color componentColor{70, 110, 170};
inline constexpr Color totalColor{170, 30, 30};

// The upper limits of the rating words; above High the rating is Very High.
inline constexpr double lowUpTo = 25;
inline constexpr double mediumUpTo = 50;
inline constexpr double highUpTo = 100;

} // namespace

ui::BarChartData phosphorusRatingChart(const shell::PhosphorusResults& p)
{
    if (!p.TotalPRating) {
        return {};
    }
    ui::BarChartData chart;
    chart.title = "Phosphorus rating";
    chart.bars = {
        {"Particulate", *p.ParticulateIndex, componentColor},
        {"Soluble", *p.SolubleIndex, componentColor},
        {"Leachate", *p.LeachateIndex, componentColor},
        {"Source", *p.SourceIndex, componentColor},
        {"Total", *p.TotalPRating, totalColor},
    };
    chart.bands = {
        {"Low", lowUpTo, Color{225, 240, 225}},
        {"Medium", mediumUpTo, Color{250, 245, 215}},
        {"High", highUpTo, Color{250, 225, 205}},
        {"Very High", std::numeric_limits<double>::infinity(), Color{245, 210, 210}},
    };
    return chart;
}

} // namespace verdalis::phosphorus
