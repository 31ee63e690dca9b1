#pragma once

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Window.H>

#include <string>

#include "ui/framework/fltk/fltk_backend.h"
#include "ui/framework/fltk/fltk_peers.h"
#include "ui/framework/fltk/message_box.h"
#include "ui/framework/fltk/refusal_hint.h"

// What the tests look at inside the FLTK backend that the program itself never asks: the dialog
// being run, the message box that is up, the hint a refused key shows. The automation and the
// FLTK tests include this; no file of the program does.

namespace vantry::framework {

class FltkInspection {
public:
    // The dialog of the modal run in progress, ended or not.
    static FltkDialog* dialog(FltkBackend& backend) { return backend.dialog_; }

    // The message box that is up.
    static FltkMessageBox* openMessageBox() {
        FltkMessageBox* box = FltkMessageBox::showing();
        return box && box->window_->shown() ? box : nullptr;
    }
    static bool isQuestion(const FltkMessageBox& box) { return box.question_; }
    static Fl_Button* noButton(FltkMessageBox& box) { return box.no_; }
    static Fl_Window& window(FltkMessageBox& box) { return *box.window_; }
    static const std::string& text(const FltkMessageBox& box) { return box.text_; }
    static Fl_Box& message(FltkMessageBox& box) { return *box.message_; }
    static Fl_Button& okButton(FltkMessageBox& box) { return *box.ok_; }

    // The field the refusal hint points at while it shows, else none.
    static const Fl_Widget* shownRefusalHint() {
        for (Fl_Window* window = Fl::first_window(); window != nullptr; window = Fl::next_window(window))
            if (const RefusalHint* hint = RefusalHintIn(window, false); hint && hint->visible()) return hint->field_;
        return nullptr;
    }
};

}  // namespace vantry::framework
