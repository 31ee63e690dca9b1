#pragma once

#include <string_view>

// Dialog units as Windows turns them into pixels: a horizontal unit is a quarter of the dialog
// font's average character width, a vertical unit an eighth of its height, each rounded as
// MulDiv rounds.

namespace vantry::framework {

struct DialogBaseUnits {
    int x;  // average character width in pixels
    int y;  // character height in pixels
};

// The average width as Windows takes it: the extent of the 52 Latin letters, halved and rounded.
inline constexpr std::string_view kAverageWidthAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
inline int AverageCharWidth(int extentOfAlphabet) { return (extentOfAlphabet / 26 + 1) / 2; }

// The base units of a font whose kAverageWidthAlphabet measures `alphabetWidth` pixels (as the
// backend's own text drawing measures it) and whose lines are `lineHeight` pixels apart.
inline DialogBaseUnits MeasuredBaseUnits(double alphabetWidth, int lineHeight) {
    return {AverageCharWidth(static_cast<int>(alphabetWidth + 0.5)), lineHeight};
}

// MulDiv(value, numerator, denominator) for the non-negative values of a layout.
inline int MulDivRounded(int value, int numerator, int denominator) {
    return (value * numerator + denominator / 2) / denominator;
}

inline int DialogUnitsToPixelsX(int units, DialogBaseUnits base) { return MulDivRounded(units, base.x, 4); }
inline int DialogUnitsToPixelsY(int units, DialogBaseUnits base) { return MulDivRounded(units, base.y, 8); }

// The pixel height Windows asks of a font of `points` at 96 dots per inch: MulDiv(points, 96, 72).
inline int FontPixelHeight(int points) { return MulDivRounded(points, 96, 72); }

}  // namespace vantry::framework
