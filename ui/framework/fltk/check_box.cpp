#include "ui/framework/fltk/check_box.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

namespace vantry::framework {

void CheckBox::draw() {
    draw_box(FL_FLAT_BOX, color());
    const int top = y() + (h() - kSquare) / 2;
    fl_draw_box(FL_DOWN_BOX, x(), top, kSquare, kSquare, FL_WHITE);
    if (value()) {
        fl_color(FL_BLACK);
        fl_line_style(FL_SOLID, 2);
        fl_line(x() + 3, top + 6, x() + 5, top + 9, x() + 10, top + 3);
        fl_line_style(0);
    }
    draw_label(x() + kSquare + kGap, y(), w() - kSquare - kGap, h());
    if (Fl::focus() == this) draw_focus();
}

}  // namespace vantry::framework
