#include "message_box.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <algorithm>

namespace vantry::framework {

namespace {

constexpr Fl_Font kFont = FL_HELVETICA;
constexpr int kFontSize = 14;
constexpr int kMargin = 16;
constexpr int kButtonWidth = 88;
constexpr int kButtonHeight = 28;
constexpr int kMinTextWidth = 220;
constexpr int kMaxTextWidth = 560;

void onAnswered(Fl_Widget* widget, void*) {
    Fl_Window* box = widget->as_window() ? widget->as_window() : widget->window();
    box->hide();
}

}  // namespace

FltkMessageBox::FltkMessageBox(Fl_Window* owner, std::string_view text, std::string_view caption)
    : text_(text), caption_(caption) {
    // The text's natural size, wrapped when wider than a box should be.
    fl_font(kFont, kFontSize);
    int textWidth = 0;
    int textHeight = 0;
    fl_measure(text_.c_str(), textWidth, textHeight, 0);
    if (textWidth > kMaxTextWidth) {
        textWidth = kMaxTextWidth;
        fl_measure(text_.c_str(), textWidth, textHeight, 0);
    }
    textWidth = std::max(textWidth, kMinTextWidth);
    const int width = textWidth + 2 * kMargin;
    const int height = kMargin + textHeight + kMargin + kButtonHeight + kMargin;

    window_ = std::make_unique<Fl_Window>(width, height);
    window_->copy_label(caption_.c_str());
    message_ = new Fl_Box(kMargin, kMargin, textWidth, textHeight);
    message_->labelfont(kFont);
    message_->labelsize(kFontSize);
    message_->label(text_.c_str());
    message_->align(FL_ALIGN_LEFT | FL_ALIGN_TOP | FL_ALIGN_INSIDE | FL_ALIGN_WRAP);
    ok_ = new Fl_Return_Button((width - kButtonWidth) / 2, height - kMargin - kButtonHeight, kButtonWidth,
                               kButtonHeight, "OK");
    ok_->callback(onAnswered);
    window_->end();
    window_->callback(onAnswered);  // Esc and the close box
    window_->set_modal();
    if (owner != nullptr && owner->shown())
        window_->position(owner->x() + (owner->w() - width) / 2, owner->y() + (owner->h() - height) / 2);
}

FltkMessageBox::~FltkMessageBox() {
    if (window_) window_->hide();
}

void FltkMessageBox::run() {
    window_->show();
    ok_->take_focus();
    while (window_->shown()) Fl::wait();
}

}  // namespace vantry::framework
