#include "ui/framework/fltk/push_button.h"

#include <FL/fl_draw.H>

namespace vantry::framework {

void PushButton::draw() {
    Fl_Button::draw();
    if (framedAsDefault_ && box() != FL_NO_BOX) {
        fl_color(FL_BLACK);
        fl_rect(x(), y(), w(), h());
    }
}

}  // namespace vantry::framework
