#pragma once

#include <memory>
#include <string>
#include <string_view>

class Fl_Box;
class Fl_Button;
class Fl_Window;

// A Windows-style message box: its text, one OK button, modal, centred over the window that owns
// it and stacked above it. OK, Enter, Esc and the close box all answer it.

namespace vantry::framework {

class FltkMessageBox {
public:
    FltkMessageBox(Fl_Window* owner, std::string_view text, std::string_view caption);
    ~FltkMessageBox();
    FltkMessageBox(const FltkMessageBox&) = delete;
    FltkMessageBox& operator=(const FltkMessageBox&) = delete;

    // Shows the box and handles events until it is answered; uses no processor while it waits.
    void run();

private:
    friend class FltkInspection;  // the tests' look inside (fltk_inspection.h)

    std::string text_;   // as given; it shows wrapped to the box
    std::string shown_;  // the text broken into the lines the box shows
    std::string caption_;
    std::unique_ptr<Fl_Window> window_;
    Fl_Box* message_ = nullptr;  // owned by the window
    Fl_Button* ok_ = nullptr;    // owned by the window
};

}  // namespace vantry::framework
