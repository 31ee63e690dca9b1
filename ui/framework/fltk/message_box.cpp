#include "ui/framework/fltk/message_box.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <utility>
#include <vector>

#include "ui/framework/window_types.h"

namespace vantry::framework {

namespace {

// Laid out as Windows lays out its message box: the error sign at the top left, the text beside
// it, and below both, on a band of its own, the OK button at the right.
constexpr Fl_Font kFont = FL_HELVETICA;
constexpr int kFontSize = 14;
constexpr int kMargin = 16;
constexpr int kIconSize = 32;
constexpr int kIconGap = 12;
constexpr int kButtonWidth = 88;
constexpr int kButtonHeight = 28;
constexpr int kBandPadding = 12;
constexpr int kMinTextWidth = 200;
constexpr int kMaxTextWidth = 480;
const Fl_Color kBandColour = fl_rgb_color(240, 240, 240);

void onAnswered(Fl_Widget* widget, void*) {
    Fl_Window* box = widget->as_window() ? widget->as_window() : widget->window();
    box->hide();
}

// The question sign: a blue disc with a white question mark, as MB_ICONQUESTION shows.
class QuestionSign : public Fl_Widget {
public:
    QuestionSign(int x, int y) : Fl_Widget(x, y, kIconSize, kIconSize) {}

    void draw() override {
        fl_color(fl_rgb_color(40, 90, 200));
        fl_pie(x(), y(), w(), h(), 0, 360);
        fl_color(FL_WHITE);
        fl_font(FL_HELVETICA_BOLD, h() * 2 / 3);
        fl_draw("?", x(), y(), w(), h(), FL_ALIGN_CENTER);
    }
};

// The error sign: a red disc with a white cross, as MB_ICONERROR shows.
class ErrorSign : public Fl_Widget {
public:
    ErrorSign(int x, int y) : Fl_Widget(x, y, kIconSize, kIconSize) {}

    void draw() override {
        fl_color(fl_rgb_color(200, 40, 40));
        fl_pie(x(), y(), w(), h(), 0, 360);
        fl_color(FL_WHITE);
        fl_line_style(FL_SOLID | FL_CAP_ROUND, 3);
        const int inset = w() / 3;
        fl_line(x() + inset, y() + inset, x() + w() - inset, y() + h() - inset);
        fl_line(x() + w() - inset, y() + inset, x() + inset, y() + h() - inset);
        fl_line_style(0);
    }
};

// The text broken into lines no wider than `most` pixels: at spaces where it can, and a word
// wider than a line (a long path) after a separator, or anywhere, so that every character shows
// and no line runs past the box. Lines the text breaks itself are kept.
std::string wrapped(const std::string& text, int most) {
    std::string lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string line;
        const auto fits = [most](const std::string& candidate) { return fl_width(candidate.c_str()) <= most; };
        for (std::size_t at = start; at < end;) {
            std::size_t wordEnd = text.find(' ', at);
            wordEnd = wordEnd == std::string::npos || wordEnd > end ? end : wordEnd;
            std::string word = text.substr(at, wordEnd - at);
            at = wordEnd + 1;
            const std::string joined = line.empty() ? word : line + " " + word;
            if (fits(joined)) {
                line = joined;
                continue;
            }
            if (!line.empty()) lines += line + "\n";
            line.clear();
            while (!fits(word)) {
                std::size_t cut = word.size() - 1;
                while (cut > 1 && !fits(word.substr(0, cut))) --cut;
                const std::size_t separator = word.find_last_of("/\\", cut - 1);
                if (separator != std::string::npos && separator > cut / 2) cut = separator + 1;
                lines += word.substr(0, cut) + "\n";
                word.erase(0, cut);
            }
            line = word;
        }
        lines += line;
        if (end == text.size()) break;
        lines += "\n";
        start = end + 1;
    }
    return lines;
}

}  // namespace

FltkMessageBox::FltkMessageBox(Fl_Window* owner, std::string_view text, std::string_view caption, bool question)
    : text_(text), caption_(caption), question_(question) {
    fl_font(kFont, kFontSize);
    shown_ = wrapped(text_, kMaxTextWidth);
    int textWidth = 0;
    int textHeight = 0;
    fl_measure(shown_.c_str(), textWidth, textHeight, 0);
    textWidth = std::max(textWidth, kMinTextWidth);
    const int textX = kMargin + kIconSize + kIconGap;
    const int contentHeight = std::max(textHeight, kIconSize);
    const int bandTop = kMargin + contentHeight + kMargin;
    const int width = textX + textWidth + kMargin;
    const int height = bandTop + kBandPadding + kButtonHeight + kBandPadding;

    window_ = std::make_unique<Fl_Window>(width, height);
    window_->copy_label(caption_.c_str());
    window_->color(FL_WHITE);
    if (question_) new QuestionSign(kMargin, kMargin);
    else new ErrorSign(kMargin, kMargin);
    // The text stands level with the sign when it is one line, and from the sign's top when longer.
    message_ = new Fl_Box(textX, kMargin + (contentHeight - textHeight) / 2, textWidth, textHeight);
    message_->labelfont(kFont);
    message_->labelsize(kFontSize);
    message_->label(shown_.c_str());
    message_->align(FL_ALIGN_LEFT | FL_ALIGN_TOP | FL_ALIGN_INSIDE);
    auto* band = new Fl_Box(FL_FLAT_BOX, 0, bandTop, width, height - bandTop, nullptr);
    band->color(kBandColour);
    const int buttonY = bandTop + kBandPadding;
    if (question_) {
        no_ = new Fl_Button(width - kMargin - kButtonWidth, buttonY, kButtonWidth, kButtonHeight, "No");
        no_->callback(onAnswered);
        ok_ = new Fl_Return_Button(width - kMargin - 2 * kButtonWidth - kIconGap, buttonY, kButtonWidth, kButtonHeight,
                                   "Yes");
    } else {
        ok_ = new Fl_Return_Button(width - kMargin - kButtonWidth, buttonY, kButtonWidth, kButtonHeight, "OK");
    }
    ok_->callback(
        [](Fl_Widget* widget, void* box) {
            static_cast<FltkMessageBox*>(box)->answer_ = static_cast<FltkMessageBox*>(box)->question_ ? kIdYes : kIdOk;
            onAnswered(widget, nullptr);
        },
        this);
    window_->end();
    window_->callback(onAnswered);  // Esc and the close box
    window_->user_data(this);       // the box a window is, for whoever finds the modal window
    window_->set_modal();
    if (owner != nullptr && owner->shown())
        window_->position(owner->x() + (owner->w() - width) / 2, owner->y() + (owner->h() - height) / 2);
}

FltkMessageBox::~FltkMessageBox() {
    if (window_) window_->hide();
}

int FltkMessageBox::run() {
    FltkMessageBox* const outer = std::exchange(showing_, this);
    window_->show();
    ok_->take_focus();
    while (window_->shown()) Fl::wait();
    showing_ = outer;
    if (answer_ == 0) answer_ = question_ ? kIdNo : kIdOk;  // No, Esc or the close box
    return answer_;
}

}  // namespace vantry::framework
