#include "push_button.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

namespace vantry::framework {

int PushButton::handle(int event) {
    const bool enter = Fl::event_key() == FL_Enter || Fl::event_key() == FL_KP_Enter;
    if (event == FL_SHORTCUT && answersEnter && enter) {
        do_callback();
        return 1;
    }
    return Fl_Button::handle(event);
}

void PushButton::draw() {
    Fl_Button::draw();
    if (framedAsDefault_ && box() != FL_NO_BOX) {
        fl_color(FL_BLACK);
        fl_rect(x(), y(), w(), h());
    }
}

}  // namespace vantry::framework
