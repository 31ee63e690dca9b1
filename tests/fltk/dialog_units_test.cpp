#include "ui/framework/emulated/dialog_units.h"

#include <gtest/gtest.h>

namespace {

using namespace vantry::framework;

TEST(DialogUnits, AverageCharacterWidthAsWindowsTakesIt) {
    struct Case {
        int alphabetExtent;
        int width;
    };
    // Half the extent of the 52 letters over 26, rounded: (extent / 26 + 1) / 2.
    const Case cases[] = {{600, 12}, {598, 12}, {597, 11}, {286, 6}, {0, 0}};
    for (const Case& c : cases) EXPECT_EQ(AverageCharWidth(c.alphabetExtent), c.width) << c.alphabetExtent;
}

TEST(DialogUnitsToPixels, RoundAsMulDivRounds) {
    struct Case {
        int units;
        DialogBaseUnits base;
        int x;
        int y;
    };
    const Case cases[] = {
        {50, {12, 24}, 150, 150},  // 3 pixels a unit each way
        {1, {9, 21}, 2, 3},        // 2.25 and 2.625
        {2, {9, 21}, 5, 5},        // 4.5 rounds up; 5.25
        {4, {9, 21}, 9, 11},       // 9; 10.5 rounds up
        {270, {7, 16}, 473, 540},  // 472.5 rounds up
        {0, {12, 24}, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DialogUnitsToPixelsX(c.units, c.base), c.x) << c.units;
        EXPECT_EQ(DialogUnitsToPixelsY(c.units, c.base), c.y) << c.units;
    }
}

TEST(FontPixelHeight, IsThePointSizeAt96DotsAnInch) {
    struct Case {
        int points;
        int pixels;
    };
    const Case cases[] = {{16, 21}, {12, 16}, {9, 12}, {10, 13}, {11, 15}, {8, 11}};
    for (const Case& c : cases) EXPECT_EQ(FontPixelHeight(c.points), c.pixels) << c.points;
}

}  // namespace
