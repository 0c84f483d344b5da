#include "util/number_format.h"

#include "util/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace verdalis {
namespace {

struct PatternCase {
    const char* pattern;
    double value;
    const char* text;
};

TEST(FormatNumber, PatternsOfReportsLabelsAndRecords)
{
    const PatternCase cases[] = {
        // Pounds: thousands separators, at most two decimals.
        {"###,###,###,##0.##", 1234567.891, "1,234,567.89"},
        {"###,###,###,##0.##", 0, "0"},
        {"###,###,###,##0.##", -5.5, "-5.5"},
        {"###,###,###,##0.##", 999.999, "1,000"},
        {"###,###,###,##0.##", -1234.5, "-1,234.5"},
        {"###,###,###,##0.##", 123456789012.0, "123,456,789,012"},
        {"###,###,###,##0.##", 0.004, "0"},
        // The version number: no digit before the point when it is 0.
        {"#.00", 0, ".00"},
        {"#.00", 1.5, "1.50"},
        {"#.00", 2.5, "2.50"},
        {"#.00", 0.5, ".50"},
        {"#.00", 12.345, "12.35"}, // 12.3450000000000006394884621841 lies above the half
        // Factors and rates.
        {"0.##", 0.125, "0.13"},
        {"0.##", 2, "2"},
        {"0.##", 2.675, "2.67"}, // the double lies below the half: 2.67499999999999982236431605997495353221893310546875
        {"0.##", 1.005, "1"},   // 1.00499999999999989341858963598497211933135986328125
        {"0.##", 0.005, "0.01"}, // 0.005000000000000000104083408558608425664715468883514404296875
        {"0.##", -0.004, "0"},   // rounds to zero: no minus sign
        {"0.##", 12.5, "12.5"},
        {"0.##", 99.995, "100"}, // 99.9950000000000045474735088646411895751953125
        {"0.###", 1.2345, "1.234"}, // 1.2344999999999999307220832633902318775653839111328125
        {"0.###", 0.0005, "0.001"},
        {"0.###", 0.00049, "0"},
        {"0.####", 0.12344999, "0.1234"},
        {"0.#####", 1.0 / 3.0, "0.33333"},
        {"0.#####", 2.000004, "2"},
        {"0.00", 0.1, "0.10"},
        {"0.000", -1000.0, "-1000.000"},
        {"0", 2.5, "3"},
        {"0", -2.5, "-3"},
        {"0", 0.49, "0"},
        {"00", 7, "07"},
        {"#", 0, ""},
        {"#,##0", 1234, "1,234"},
        {"#,##0", 123, "123"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatNumber(c.pattern, c.value), c.text) << c.pattern << " of " << c.value;
    }
}

TEST(FormatNumber, SinglePrecisionValuesShowTheirExactWidenedValue)
{
    EXPECT_EQ(formatNumber("0.##", 1.345f), "1.35"); // 1.34500002861022949
    EXPECT_EQ(formatNumber("0.##", 1.345), "1.34");  // 1.34499999999999997335
    EXPECT_EQ(formatNumber("0.##", 12.5f), "12.5");
    EXPECT_EQ(formatNumber("###,###,###,##0.##", 16777217.0f), "16,777,216");
}

TEST(FormatNumber, HugeAndNonFiniteValues)
{
    EXPECT_EQ(formatNumber("0.##", 1e20), "1E20");
    EXPECT_EQ(formatNumber("0.##", std::numeric_limits<double>::infinity()), "INF");
    EXPECT_EQ(formatNumber("0.##", -std::numeric_limits<double>::infinity()), "-INF");
    EXPECT_EQ(formatNumber("0.##", std::nan("")), "NAN");
    EXPECT_EQ(formatNumber("0.##", std::numeric_limits<double>::denorm_min()), "0");
}

TEST(FormatNumber, RejectsUnsupportedPatterns)
{
    for (const char* pattern : {"0.0.0", "%7s", "0.#,#", "0E+00", "x0"}) {
        EXPECT_THROW(formatNumber(pattern, 1), std::invalid_argument) << pattern;
    }
}

struct GeneralCase {
    double value;
    const char* text;
};

TEST(FormatGeneral, FifteenSignificantDigitsWithoutTrailingZeros)
{
    const GeneralCase cases[] = {
        {0, "0"},
        {-0.0, "0"},
        {42, "42"},
        {-12.5, "-12.5"},
        {0.1, "0.1"},
        {1.0 / 3.0, "0.333333333333333"},
        {2.0 / 3.0, "0.666666666666667"},
        {0.1 + 0.2, "0.3"},
        {123456789012345.0, "123456789012345"},
        {1234567890123456.0, "1.23456789012346E15"},
        {1e15, "1E15"},
        {0.00001, "0.00001"},
        {0.000012345, "0.000012345"},
        {0.000001, "1E-6"},
        {-1.5e-7, "-1.5E-7"},
        {1e100, "1E100"},
        {static_cast<double>(0.3f), "0.300000011920929"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatGeneral(c.value), c.text) << c.text;
    }
}

TEST(ShortestSingleDecimal, GivesTheShortestTextOfTheFloat)
{
    EXPECT_EQ(shortestSingleDecimal(0.3f), "0.3");
    EXPECT_EQ(shortestSingleDecimal(12.25f), "12.25");
    EXPECT_EQ(shortestSingleDecimal(-1000.0f), "-1000");
}

TEST(Align, PadsToTheWidthAndKeepsLongerTexts)
{
    EXPECT_EQ(alignRight("12.5", 7), "   12.5");
    EXPECT_EQ(alignRight("12345678", 7), "12345678");
    EXPECT_EQ(alignRight("", 3), "   ");
    EXPECT_EQ(alignLeft("Crop:", 10), "Crop:     ");
    EXPECT_EQ(alignLeft("Longer than ten", 10), "Longer than ten");
    EXPECT_EQ("Particulate P  = " + alignRight(formatNumber("0.##", 12), 7), "Particulate P  =      12");
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour)
{
    const std::pair<double, int64_t> cases[] = {
        {12.5, 12},  {13.5, 14}, {-2.5, -2}, {-3.5, -4}, {0.5, 0},     {1.5, 2},
        {2.4999, 2}, {2.5001, 3}, {-0.4, 0}, {0, 0},     {100.0, 100}, {4503599627370497.0, 4503599627370497},
        {0.5 / 4 * 100, 12},     {0.54 / 4 * 100, 14},
    };
    for (const auto& [value, rounded] : cases) {
        EXPECT_EQ(roundHalfEven(value), rounded) << value;
    }
}

TEST(RoundHalfEven, RaisesForValuesWithoutAWholeNumber)
{
    EXPECT_THROW(roundHalfEven(std::nan("")), ConversionError);
    EXPECT_THROW(roundHalfEven(std::numeric_limits<double>::infinity()), ConversionError);
    EXPECT_THROW(roundHalfEven(1e19), ConversionError);
}

} // namespace
} // namespace verdalis
