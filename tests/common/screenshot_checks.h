#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/common/png_reader.h"
#include "ui/framework/window_types.h"

// What a person sees in a picture of the dialog's client area after a calculation: a wheat
// dialog, white fields and list, and the listing's first line as dark text at the top of the
// list. `list` and `field` are where those controls are, in the picture's pixels.
inline void ExpectTheDialogAsAPersonSeesIt(const DecodedPng& shot, const vantry::framework::Rect& list,
                                           const vantry::framework::Rect& field) {
    using Rgb = DecodedPng::Rgb;
    const Rgb wheat{245, 222, 179};
    const Rgb white{255, 255, 255};
    ASSERT_GE(shot.width, list.right);
    ASSERT_GE(shot.height, list.bottom);
    EXPECT_EQ(shot.at(list.left + 1, list.top - 3), wheat) << "the dialog just above the list";
    EXPECT_EQ(shot.at(field.right - 5, (field.top + field.bottom) / 2), white) << "inside a field, right of its text";
    EXPECT_EQ(shot.at(list.right - 120, list.top + 12), white) << "the list, right of its first line";

    int dark = 0;  // pixels of text in the band of the list's first line
    for (int y = list.top + 2; y < list.top + 26; ++y)
        for (int x = list.left + 2; x < list.left + 400; ++x) {
            const Rgb colour = shot.at(x, y);
            if (colour.red + colour.green + colour.blue < 3 * 100) ++dark;
        }
    EXPECT_GE(dark, 100) << "the listing's first line is not in the list";
}

// How many pixels of `area` are dark enough to be text.
inline int DarkPixelsIn(const DecodedPng& shot, const vantry::framework::Rect& area) {
    int dark = 0;
    for (int y = std::max(area.top, 0); y < std::min(area.bottom, shot.height); ++y)
        for (int x = std::max(area.left, 0); x < std::min(area.right, shot.width); ++x) {
            const DecodedPng::Rgb colour = shot.at(x, y);
            if (colour.red + colour.green + colour.blue < 3 * 100) ++dark;
        }
    return dark;
}

// The pictures of the dialog with own methods and of the methods window, as a person reads them:
// each method's name beside its box (`labels`), and text on every line the methods window's list
// shows (`list`), the selected line (light text on a dark band) left out.
inline void ExpectOwnMethodsAndTheMethodsWindowShown(const std::string& dialogPath,
                                                     const std::vector<vantry::framework::Rect>& labels,
                                                     const std::string& windowPath, const vantry::framework::Rect& list,
                                                     int selectedLine) {
    DecodedPng shot;
    std::string error;
    ASSERT_TRUE(ReadPng(dialogPath, shot, error)) << error;
    for (const vantry::framework::Rect& label : labels) EXPECT_GE(DarkPixelsIn(shot, label), 60) << "a method's name";
    ASSERT_TRUE(ReadPng(windowPath, shot, error)) << error;
    constexpr int kLinesShown = 12;
    const int lineHeight = list.height() / kLinesShown;
    for (int line = 0; line < kLinesShown - 1; ++line) {
        if (line == selectedLine) continue;
        const vantry::framework::Rect band{list.left + 4, list.top + 2 + line * lineHeight, list.right - 30,
                                           list.top + 2 + (line + 1) * lineHeight};
        EXPECT_GE(DarkPixelsIn(shot, band), 30) << "line " << line;
    }
}
