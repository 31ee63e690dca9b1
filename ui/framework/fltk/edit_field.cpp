#include "ui/framework/fltk/edit_field.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <string>

#include "ui/framework/emulated/edit_rules.h"
#include "ui/framework/fltk/refusal_hint.h"

namespace vantry::framework {

// The hint of the window the field is in, made the first time: the window's last child, so that
// it is drawn over the controls, and owned by the window.
RefusalHint* RefusalHintIn(Fl_Window* window, bool make) {
    if (window == nullptr) return nullptr;
    for (int i = window->children() - 1; i >= 0; --i)
        if (auto* hint = dynamic_cast<RefusalHint*>(window->child(i))) return hint;
    if (!make) return nullptr;
    auto* hint = new RefusalHint();
    window->add(hint);
    return hint;
}

int EditField::handle(int event) {
    const bool typed = event == FL_KEYBOARD && (Fl::event_state() & (FL_CTRL | FL_ALT | FL_META)) == 0 &&
                       Fl::event_length() > 0;
    if (!typed && event != FL_PASTE) return Fl_Input::handle(event);
    const std::string text = WithAsciiDigits(
        std::string(Fl::event_text(), static_cast<std::size_t>(Fl::event_length())));
    if (typed) {
        for (const char c : text) {
            if (!AcceptsTypedCharacter(style_, static_cast<unsigned char>(c))) {
                RefusalHintIn(window(), true)->showBelow(*this);
                return 1;  // refused
            }
        }
        RefusalHint* hint = RefusalHintIn(window(), false);
        if (hint && static_cast<unsigned char>(text[0]) >= 0x20) hint->dismiss();  // a character went in
    }
    if (text == std::string(Fl::event_text(), static_cast<std::size_t>(Fl::event_length())))
        return Fl_Input::handle(event);
    return enter(text.c_str(), static_cast<int>(text.size()));
}

int EditField::enter(const char* text, int length) {
    if (readonly()) return 0;
    replace(position(), mark(), text, length);  // held to maximum_size(), as FLTK's own typing is
    return 1;
}

}  // namespace vantry::framework
