// The window arithmetic: level choice, clipping, rounding of columns and
// rows, the even width at the east edge, and windows kept inside the level.
#include "window_placement.h"

#include <gtest/gtest.h>

#include <limits>

namespace lumadec2 {
namespace {

// 600 x 400 pixels of 2 map units, upper-left at (1000, 9000): the image
// spans x 1000..2200 and y 8200..9000.
const ImageGeometry kImage{600, 400, 4, Georeference{1000.0, 9000.0, 2.0}};

TEST(WindowPlacement, TheLevelIsTheCoarsestStillAtLeastAsFine)
{
    struct Case {
        double wanted;
        int level;
    };
    for (const Case c : {Case{0.1, 0}, Case{2.0, 0}, Case{2.1, 1}, Case{4.0, 1}, Case{7.9, 2}, Case{16.0, 3},
                         Case{16.5, 4}, Case{1e9, 4}}) {
        EXPECT_EQ(chooseLevel(2.0, 4, c.wanted), c.level) << c.wanted;
    }
    EXPECT_EQ(chooseLevel(2.0, 0, 100.0), 0);
}

TEST(WindowPlacement, TheRectangleIsClippedToTheImage)
{
    const Placement inside = placeWindow(kImage, 2.0, {1100, 8900, 1300, 8700});
    EXPECT_EQ(inside.clipped.west, 1100);
    EXPECT_EQ(inside.clipped.north, 8900);
    EXPECT_EQ(inside.clipped.east, 1300);
    EXPECT_EQ(inside.clipped.south, 8700);
    EXPECT_EQ(inside.window.x, 50);
    EXPECT_EQ(inside.window.y, 50);
    EXPECT_EQ(inside.window.width, 100);
    EXPECT_EQ(inside.window.height, 100);

    const Placement larger = placeWindow(kImage, 2.0, {0, 20000, 5000, 0});
    EXPECT_EQ(larger.clipped.west, 1000);
    EXPECT_EQ(larger.clipped.north, 9000);
    EXPECT_EQ(larger.clipped.east, 2200);
    EXPECT_EQ(larger.clipped.south, 8200);
    EXPECT_EQ(larger.window.x, 0);
    EXPECT_EQ(larger.window.y, 0);
    EXPECT_EQ(larger.window.width, 600);
    EXPECT_EQ(larger.window.height, 400);
}

TEST(WindowPlacement, WindowsFollowTheRoundingRules)
{
    struct Case {
        const char* what;
        double wantedRes;
        MapRect rect;
        int level, x, y, width, height;
    };
    const Case cases[] = {
        // Columns: start rounded half up, end rounded up; rows truncated.
        {"fractional bounds at level 0", 2.0, {1003.0, 8995.0, 1010.2, 8990.5}, 0, 2, 2, 4, 2},
        {"fractional bounds at level 1", 4.0, {1006.0, 8990.0, 1030.0, 8970.0}, 1, 2, 2, 6, 5},
        {"narrower than a pixel", 2.0, {1100.2, 8900.0, 1100.4, 8899.9}, 0, 50, 50, 1, 1},
        {"odd width at the east edge moves east", 2.0, {1002.0, 8900.0, 3000.0, 8800.0}, 0, 2, 50, 598, 50},
        {"even width at the east edge stays", 2.0, {1004.0, 8900.0, 3000.0, 8800.0}, 0, 2, 50, 598, 50},
        {"a window from the west edge keeps its width", 2.0, {900.0, 8900.0, 3000.0, 8800.0}, 0, 0, 50, 600, 50},
        {"east edge at level 2", 8.0, {1020.0, 9000.0, 2200.0, 8200.0}, 2, 4, 0, 146, 100},
        {"whole image at the coarsest level", 1e6, {0, 1e7, 1e7, 0}, 4, 0, 0, 38, 25},
        {"one pixel at the east edge stays in the level", 2.0, {2198.5, 9000.0, 2200.0, 8998.0}, 0, 599, 0, 1, 1},
        {"wholly east of the image", 2.0, {5000, 9000, 6000, 8990}, 0, 599, 0, 1, 5},
        {"wholly south of the image", 2.0, {1100, 100, 1200, 0}, 0, 50, 399, 50, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Placement p = placeWindow(kImage, c.wantedRes, c.rect);
        EXPECT_EQ(p.level, c.level);
        EXPECT_EQ(p.window.x, c.x);
        EXPECT_EQ(p.window.y, c.y);
        EXPECT_EQ(p.window.width, c.width);
        EXPECT_EQ(p.window.height, c.height);
    }
}

TEST(WindowPlacement, NonsenseBoundsStillGiveAWindowInsideTheLevel)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (const MapRect rect : {MapRect{nan, nan, nan, nan}, MapRect{inf, -inf, -inf, inf}, MapRect{2200, 8200, 1000, 9000},
                               MapRect{-1e300, 1e300, 1e300, -1e300}}) {
        const Placement p = placeWindow(kImage, nan, rect);
        EXPECT_GE(p.window.x, 0);
        EXPECT_GE(p.window.y, 0);
        EXPECT_GE(p.window.width, 1);
        EXPECT_GE(p.window.height, 1);
        EXPECT_LE(p.window.x + p.window.width, 600);
        EXPECT_LE(p.window.y + p.window.height, 400);
    }
}

} // namespace
} // namespace lumadec2
