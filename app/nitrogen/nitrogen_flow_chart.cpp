#include "nitrogen/nitrogen_flow_chart.h"

namespace verdalis::nitrogen {

namespace {

inline constexpr Color appliedColor{70, 110, 170};
inline constexpr Color usedColor{60, 150, 70};
inline constexpr Color lostColor{200, 90, 40};
inline constexpr Color reducedColor{140, 170, 90};
inline constexpr Color totalColor{170, 30, 30};

} // namespace

ui::BarChartData nitrogenFlowChart(const shell::NitrogenResults& n)
{
    ui::BarChartData chart;
    chart.title = "Where the nitrogen goes";
    chart.unit = "lbs";
    chart.bars = {
        {"Applied", n.N_Applied, appliedColor},
        {"Used by crop", n.Utilized_N_Crop, usedColor},
        {"Lost at surface", n.Excess_N_Surface, lostColor},
        {"Lost below surface", n.N_Lost_Before_BMP, lostColor},
        {"Held by cover crop", double(n.N_Lost_Before_BMP) - n.N_Lost_After_Cover_Crops, reducedColor},
        {"Held by BMPs", double(n.N_Lost_After_Cover_Crops) - n.N_Lost_After_BMP, reducedColor},
        {"Total N lost", n.Total_N_Lost, totalColor},
    };
    return chart;
}

} // namespace verdalis::nitrogen
