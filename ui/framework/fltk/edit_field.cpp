#include "edit_field.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <string>

#include "../emulated/edit_rules.h"

namespace vantry::framework {

namespace {

constexpr int kHintPadding = 6;

// A balloon under the field that refused a character: Windows' own wording, in the dialog's
// window above every control, until its time is up or the field takes a character.
class RefusalHint : public Fl_Widget {
public:
    RefusalHint() : Fl_Widget(0, 0, 1, 1) { hide(); }
    ~RefusalHint() override { Fl::remove_timeout(onTimeUp, this); }

    void showBelow(Fl_Widget& field) {
        Fl_Window* window = field.window();
        if (window == nullptr) return;
        field_ = &field;
        fl_font(FL_HELVETICA_BOLD, 13);
        const int titleWidth = static_cast<int>(fl_width(kRefusedTitle));
        fl_font(FL_HELVETICA, 13);
        const int textWidth = static_cast<int>(fl_width(kRefusedText));
        const int width = std::max(titleWidth, textWidth) + 2 * kHintPadding;
        const int height = 2 * 17 + 2 * kHintPadding;
        const int x = std::clamp(field.x(), 0, std::max(0, window->w() - width));
        const int below = field.y() + field.h() + 2;
        resize(x, below + height <= window->h() ? below : std::max(0, field.y() - height - 2), width, height);
        show();
        window->redraw();
        Fl::remove_timeout(onTimeUp, this);
        Fl::add_timeout(kRefusedHintMilliseconds / 1000.0, onTimeUp, this);
    }

    void dismiss() {
        Fl::remove_timeout(onTimeUp, this);
        if (!visible()) return;
        hide();
        field_ = nullptr;
        if (window()) window()->redraw();
    }

    const Fl_Widget* field() const { return visible() ? field_ : nullptr; }

    void draw() override {
        fl_draw_box(FL_BORDER_BOX, x(), y(), w(), h(), fl_rgb_color(255, 255, 225));
        fl_color(FL_BLACK);
        fl_font(FL_HELVETICA_BOLD, 13);
        fl_draw(kRefusedTitle, x() + kHintPadding, y() + kHintPadding + 13);
        fl_font(FL_HELVETICA, 13);
        fl_draw(kRefusedText, x() + kHintPadding, y() + kHintPadding + 30);
    }

private:
    static void onTimeUp(void* self) { static_cast<RefusalHint*>(self)->dismiss(); }

    Fl_Widget* field_ = nullptr;
};

// The hint of the window the field is in, made the first time: the window's last child, so that
// it is drawn over the controls, and owned by the window.
RefusalHint* hintIn(Fl_Window* window, bool make) {
    if (window == nullptr) return nullptr;
    for (int i = window->children() - 1; i >= 0; --i)
        if (auto* hint = dynamic_cast<RefusalHint*>(window->child(i))) return hint;
    if (!make) return nullptr;
    auto* hint = new RefusalHint();
    window->add(hint);
    return hint;
}

}  // namespace

const Fl_Widget* ShownRefusalHint() {
    for (Fl_Window* window = Fl::first_window(); window != nullptr; window = Fl::next_window(window))
        if (const RefusalHint* hint = hintIn(window, false); hint && hint->field()) return hint->field();
    return nullptr;
}

int EditField::handle(int event) {
    const bool typed = event == FL_KEYBOARD && (Fl::event_state() & (FL_CTRL | FL_ALT | FL_META)) == 0 && Fl::event_length() > 0;
    if (!typed && event != FL_PASTE) return Fl_Input::handle(event);
    const std::string text = WithAsciiDigits(std::string(Fl::event_text(), static_cast<std::size_t>(Fl::event_length())));
    if (typed) {
        for (const char c : text) {
            if (!AcceptsTypedCharacter(style_, static_cast<unsigned char>(c))) {
                hintIn(window(), true)->showBelow(*this);
                return 1;  // refused
            }
        }
        RefusalHint* hint = hintIn(window(), false);
        if (hint && static_cast<unsigned char>(text[0]) >= 0x20) hint->dismiss();  // a character went in
    }
    if (text == std::string(Fl::event_text(), static_cast<std::size_t>(Fl::event_length()))) return Fl_Input::handle(event);
    return enter(text.c_str(), static_cast<int>(text.size()));
}

int EditField::enter(const char* text, int length) {
    if (readonly()) return 0;
    replace(position(), mark(), text, length);  // held to maximum_size(), as FLTK's own typing is
    return 1;
}

}  // namespace vantry::framework
