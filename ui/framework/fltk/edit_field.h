#pragma once

#include <FL/Fl_Input.H>

#include <cstdint>

namespace vantry::framework {

// A Windows edit control: with ES_NUMBER it refuses typed characters that are not digits, as
// Windows does, and says so in a hint beside the field, as Windows' balloon does; text set or
// pasted goes in unfiltered, as on Windows. A digit of any script, typed or pasted, goes in as
// its ASCII digit.
class EditField : public Fl_Input {
public:
    EditField(int x, int y, int w, int h, std::uint32_t style) : Fl_Input(x, y, w, h), style_(style) {}

    int handle(int event) override;

private:
    // Puts `text` in for the selection, as a keystroke or a paste would.
    int enter(const char* text, int length);

    std::uint32_t style_;
};

}  // namespace vantry::framework
