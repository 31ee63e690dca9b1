#pragma once

#include <memory>
#include <string>
#include <string_view>

class Fl_Box;
class Fl_Button;
class Fl_Window;

// A Windows-style message box: its text, one OK button (or Yes and No for a question), modal,
// centred over the window that owns it and stacked above it. OK, Enter, Esc and the close box all
// answer it; a question's Enter is Yes, its Esc and close box No.

namespace vantry::framework {

class FltkMessageBox {
public:
    FltkMessageBox(Fl_Window* owner, std::string_view text, std::string_view caption, bool question = false);
    ~FltkMessageBox();
    FltkMessageBox(const FltkMessageBox&) = delete;
    FltkMessageBox& operator=(const FltkMessageBox&) = delete;

    // Shows the box and handles events until it is answered; uses no processor while it waits.
    // Returns the button pressed: IDOK, IDYES or IDNO.
    int run();

    // The box showing now, if any: a program shows one at a time.
    static FltkMessageBox* showing() { return showing_; }

private:
    static inline FltkMessageBox* showing_ = nullptr;

    friend class FltkInspection;  // the tests' look inside (fltk_inspection.h)

    std::string text_;   // as given; it shows wrapped to the box
    std::string shown_;  // the text broken into the lines the box shows
    std::string caption_;
    std::unique_ptr<Fl_Window> window_;
    Fl_Box* message_ = nullptr;  // owned by the window
    Fl_Button* ok_ = nullptr;    // owned by the window: OK, or a question's Yes
    Fl_Button* no_ = nullptr;    // a question's No
    bool question_ = false;
    int answer_ = 0;
};

}  // namespace vantry::framework
