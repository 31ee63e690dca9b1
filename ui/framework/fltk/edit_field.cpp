#include "edit_field.h"

#include <FL/Fl.H>

#include "../emulated/edit_rules.h"

namespace vantry::framework {

int EditField::handle(int event) {
    if (event == FL_KEYBOARD && (Fl::event_state() & (FL_CTRL | FL_ALT | FL_META)) == 0) {
        const char* typed = Fl::event_text();
        for (int i = 0; i < Fl::event_length(); ++i)
            if (!AcceptsTypedCharacter(style_, static_cast<unsigned char>(typed[i]))) return 1;  // refused
    }
    return Fl_Input::handle(event);
}

}  // namespace vantry::framework
