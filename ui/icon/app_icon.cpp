#include "ui/icon/app_icon.h"

#include "ui/icon/icon_art.h"

// The application icon: a barrel with a gold dollar sign. This text is its source; the Windows
// icon resource, the Linux window and desktop icons are all made from it.

namespace vantry::app {

namespace {

constexpr const char* kIcon32[32] = {
    "................................", "................................", ".......kkkkkkkkkkkkkkkkkk.......",
    ".......kooooooooooooooook.......", "......kmmrmmmmmmmmmmmmrmmk......", "......kmmrmmmmmmmmmmmmrmmk......",
    "......kmmrmmmmmmmmmmmmrmmk......", "......kkkkkkkkkkkkkkkkkkkk......", ".....kkkkkkkkkkkkkkkkkkkkkk.....",
    ".....kmmmrmmmmmmmmmmmmrmmmk.....", ".....kmmmrmmmmmmymmmmmrmmmk.....", ".....kmmmrmmmmmyyymmmmrmmmk.....",
    ".....kmmmrmmmmyyyyymmmrmmmk.....", ".....kmmmrmmmyymymyymmrmmmk.....", ".....kmmmrmmmyymymmmmmrmmmk.....",
    ".....kmmmrmmmmyyyymmmmrmmmk.....", ".....kmmmrmmmmmyyyymmmrmmmk.....", ".....kmmmrmmmmmmymyymmrmmmk.....",
    ".....kmmmrmmmyymymyymmrmmmk.....", ".....kmmmrmmmmyyyyymmmrmmmk.....", ".....kmmmrmmmmmyyymmmmrmmmk.....",
    ".....kmmmrmmmmmmymmmmmrmmmk.....", ".....kmmmrmmmmmmmmmmmmrmmmk.....", ".....kkkkkkkkkkkkkkkkkkkkkk.....",
    "......kkkkkkkkkkkkkkkkkkkk......", "......kmmrmmmmmmmmmmmmrmmk......", "......kmmrmmmmmmmmmmmmrmmk......",
    "......kmmrmmmmmmmmmmmmrmmk......", ".......kmrmmmmmmmmmmmmrmk.......", ".......kkkkkkkkkkkkkkkkkk.......",
    "................................", "................................",
};

constexpr const char* kIcon16[16] = {
    "................", "...kkkkkkkkkk...", "...kooooooook...", "...kmmmmmmmmk...",
    "...kkkkkykkkk...", "..kmmmmyyymmmk..", "..kmmmmymmmmmk..", "..kmmmmmymmmmk..",
    "..kmmmmmmymmmk..", "..kmmmmyyymmmk..", "..kmmmmmymmmmk..", "...kkkkkkkkkk...",
    "...kmmmmmmmmk...", "...kmmmmmmmmk...", "...kkkkkkkkkk...", "................",
};

constexpr auto kPixels32 = IconArtPixels(kIcon32);
constexpr auto kPixels16 = IconArtPixels(kIcon16);

}  // namespace

extern const framework::IconImage kAppIconImages[kAppIconImageCount] = {
    {32, kPixels32},
    {16, kPixels16},
};

}  // namespace vantry::app
