#include "phosphorus/tamb_arithmetic.h"

#include "shell/assessment_record.h"
#include "util/number_text.h"

#include <cmath>
#include <gtest/gtest.h>

namespace verdalis::phosphorus {
namespace {

TEST(TotalPFactor, ThresholdItselfTakesTheLowerBranch)
{
    // 10 % clay gives K = 0.58 - 0.784 + 1.579 = 1.375.
    EXPECT_NEAR(totalPFactor(50, 10, 50), 1.375 * 0.002 * 50, 1e-12);
    EXPECT_NEAR(totalPFactor(50, 10, 50), 0.1375, 1e-12);
    EXPECT_NEAR(totalPFactor(100, 10, 50), 1.375 * 0.1 + 50 * 0.002, 1e-12);
    EXPECT_NEAR(totalPFactor(100, 10, 50), 0.2375, 1e-12);
    EXPECT_NEAR(totalPFactor(20, 0, 50), 1.579 * 0.002 * 20, 1e-12);
}

TEST(ComponentIndex, FourPoundsIsAHundredAndHalvesGoToTheEvenNeighbour)
{
    struct Case {
        double pounds;
        float index;
    };
    for (const Case& c : {Case{0, 0}, Case{4, 100}, Case{0.5, 12}, Case{0.54, 14}, Case{0.02, 0},
                          Case{0.06, 2}, Case{0.1, 2}, Case{10.02, 250}}) {
        EXPECT_EQ(componentIndex(c.pounds), c.index) << c.pounds;
    }
    // 0.54f as the record holds it lies a little above 0.54: still 14.
    EXPECT_EQ(componentIndex(0.54f), 14);
    EXPECT_THROW(componentIndex(std::nan("")), ConversionError);
    EXPECT_THROW(componentIndex(INFINITY), ConversionError);
}

TEST(BufferWidthClass, TotalWidthFallsToTheClassBelow)
{
    struct Case {
        int width;
        int widthClass;
    };
    for (const Case& c : {Case{0, 0}, Case{4, 0}, Case{5, 5}, Case{9, 5}, Case{14, 10}, Case{29, 25}, Case{30, 30},
                          Case{49, 30}, Case{50, 50}, Case{74, 50}, Case{75, 75}, Case{99, 75}, Case{100, 100},
                          Case{250, 100}, Case{-1, -1}, Case{-30, -30}}) {
        EXPECT_EQ(bufferWidthClass(c.width), c.widthClass) << c.width;
    }
    EXPECT_TRUE(isListedBufferClass(0));
    EXPECT_TRUE(isListedBufferClass(75));
    EXPECT_FALSE(isListedBufferClass(70));
    EXPECT_FALSE(isListedBufferClass(-1));
}

TEST(DrainageIndex, DepthAboveAFootOverSpacingInHundredsOfFeetSquared)
{
    EXPECT_DOUBLE_EQ(drainageIndex(1, 36, 50), 8);
    EXPECT_DOUBLE_EQ(drainageIndex(1.2, 42, 80), 1.2 * 2.5 / 0.64);
    EXPECT_DOUBLE_EQ(drainageIndex(1, 12, 50), 0);
}

TEST(RealPower, NoRealValueIsNothing)
{
    EXPECT_DOUBLE_EQ(*realPower(4, 0.5), 2);
    EXPECT_DOUBLE_EQ(*realPower(-8, 1), -8);
    EXPECT_FALSE(realPower(-1, 0.5));
    EXPECT_FALSE(realPower(0, -0.5));
}

TEST(UserAdjustment, EnteredPoundsScaleTheTableValue)
{
    constexpr float notEntered = shell::nutrientNotEntered;
    struct Case {
        float entered;
        double table;
        double factor;
        bool noUsableValue;
    };
    for (const Case& c : {Case{60, 60, 1, false}, Case{120, 60, 2, false}, Case{66, 60, 1.1, false},
                          // The list holds 7.9 in single precision; the table's 7.9 is the same value.
                          Case{7.9f, 7.9, 1, false}, Case{notEntered, 60, 1, false}, Case{notEntered, 0, 1, false},
                          Case{5, 0, 5, false}, Case{0, 0, 1, false}, Case{-3, 0, 0, true}, Case{0, 12, 0, false}}) {
        const UserAdjustment adjustment = userAdjustment(c.entered, c.table);
        EXPECT_NEAR(adjustment.factor, c.factor, 1e-6) << c.entered << " of " << c.table;
        EXPECT_EQ(adjustment.noUsableValue, c.noUsableValue) << c.entered << " of " << c.table;
        EXPECT_TRUE(std::isfinite(adjustment.factor) && adjustment.factor >= 0);
    }
}

TEST(RatingWord, ClassesAndTheSubsoilOverride)
{
    struct Case {
        float total;
        bool subsoilOverride;
        std::string_view word;
    };
    for (const Case& c : {Case{0, false, "Low"}, Case{25, false, "Low"}, Case{26, false, "Medium"},
                          Case{50, false, "Medium"}, Case{51, false, "High"}, Case{100, false, "High"},
                          Case{101, false, "Very High"}, Case{20, true, "HIGH"}, Case{100, true, "HIGH"},
                          Case{101, true, "Very High"}, Case{120, true, "Very High"}}) {
        EXPECT_EQ(ratingWord(c.total, c.subsoilOverride), c.word) << c.total << " " << c.subsoilOverride;
    }
}

} // namespace
} // namespace verdalis::phosphorus
