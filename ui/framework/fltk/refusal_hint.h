#pragma once

#include <FL/Fl.H>
#include <FL/Fl_Widget.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <algorithm>

#include "ui/framework/emulated/edit_rules.h"

// The balloon an ES_NUMBER field shows when it refuses a character. Internal to the FLTK
// backend: its edit field and its automation include this.

namespace vantry::framework {

// A balloon under the field that refused a character: Windows' own wording, in the dialog's
// window above every control, until its time is up or the field takes a character.
class RefusalHint : public Fl_Widget {
public:
    static constexpr int kHintPadding = 6;

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

    void draw() override {
        fl_draw_box(FL_BORDER_BOX, x(), y(), w(), h(), fl_rgb_color(255, 255, 225));
        fl_color(FL_BLACK);
        fl_font(FL_HELVETICA_BOLD, 13);
        fl_draw(kRefusedTitle, x() + kHintPadding, y() + kHintPadding + 13);
        fl_font(FL_HELVETICA, 13);
        fl_draw(kRefusedText, x() + kHintPadding, y() + kHintPadding + 30);
    }

private:
    friend class FltkInspection;  // the tests' look inside (fltk_inspection.h)

    static void onTimeUp(void* self) { static_cast<RefusalHint*>(self)->dismiss(); }

    Fl_Widget* field_ = nullptr;
};

// The hint of `window`, made (when `make`) the first time it is asked for.
RefusalHint* RefusalHintIn(Fl_Window* window, bool make);

}  // namespace vantry::framework
