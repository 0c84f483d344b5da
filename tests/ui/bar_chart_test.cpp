// The bar chart's data: the axis scale a renderer draws on and the band a
// value falls in.
#include "ui/bar_chart.h"

#include <gtest/gtest.h>

namespace verdalis::ui {
namespace {

// Rating bands as the phosphorus rating draws them.
BarChartData ratingChart(std::vector<double> values)
{
    BarChartData chart;
    for (double value : values) {
        chart.bars.push_back({"P", value, colors::navy});
    }
    chart.bands = {{"Low", 25}, {"Medium", 50}, {"High", 100}, {"Very High"}};
    return chart;
}

TEST(BarChartData, ScaleCoversTheHighestBarAndEveryClosedBand)
{
    EXPECT_DOUBLE_EQ(chartScaleTop(ratingChart({10})), 110);
    EXPECT_DOUBLE_EQ(chartScaleTop(ratingChart({180, 20})), 198);
    EXPECT_DOUBLE_EQ(chartScaleTop({"", "", {{"a", 0}, {"b", -5}}, {}}), 1);
    EXPECT_DOUBLE_EQ(chartScaleTop({"", "", {{"a", std::numeric_limits<double>::quiet_NaN()}, {"b", 40}}, {}}), 44);
}

TEST(BarChartData, ValueFallsInTheFirstBandReachingIt)
{
    const BarChartData chart = ratingChart({});
    const std::pair<double, const char*> cases[] = {
        {0, "Low"}, {25, "Low"}, {25.01, "Medium"}, {50, "Medium"}, {100, "High"}, {100.5, "Very High"}, {1e9, "Very High"}};
    for (const auto& [value, band] : cases) {
        ASSERT_NE(bandOf(chart, value), nullptr);
        EXPECT_EQ(bandOf(chart, value)->label, band) << value;
    }
    EXPECT_EQ(bandOf(BarChartData{}, 10), nullptr);
}

TEST(BarChartControl, AnnouncesNewDataOnly)
{
    BarChart chart("Chart");
    int announced = 0;
    chart.addListener([&](Control&, Property property) { announced += property == Property::ChartData; });
    chart.setData(ratingChart({30}));
    chart.setData(ratingChart({30}));
    chart.clear();
    EXPECT_EQ(announced, 2);
    EXPECT_TRUE(chart.data().empty());
}

} // namespace
} // namespace verdalis::ui
