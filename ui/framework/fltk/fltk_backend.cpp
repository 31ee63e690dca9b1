#include "fltk_backend.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Browser.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Window.H>
#include <FL/fl_ask.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>

#include "../../icon/app_icon.h"

namespace {

constexpr Fl_Font kDialogFont = FL_FREE_FONT;

Fl_Color toFl(Colour colour) {
    return fl_rgb_color(static_cast<uchar>(colour & 0xFF), static_cast<uchar>((colour >> 8) & 0xFF),
                        static_cast<uchar>((colour >> 16) & 0xFF));
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// An edit control. With ES_NUMBER it refuses typed characters that are not digits, as Windows
// does; pasted text goes in unfiltered, as on Windows.
class EditField : public Fl_Input {
public:
    EditField(int x, int y, int w, int h, bool numbersOnly) : Fl_Input(x, y, w, h), numbersOnly_(numbersOnly) {}

    int handle(int event) override {
        if (event == FL_KEYBOARD && numbersOnly_ && (Fl::event_state() & (FL_CTRL | FL_ALT | FL_META)) == 0) {
            const char* typed = Fl::event_text();
            for (int i = 0; i < Fl::event_length(); ++i) {
                const unsigned char c = static_cast<unsigned char>(typed[i]);
                if (c >= 0x20 && c != 0x7F && !isDigit(static_cast<char>(c))) return 1;  // refused
            }
        }
        return Fl_Input::handle(event);
    }

private:
    bool numbersOnly_;
};

// A check box drawn as Windows draws one: a 13-pixel square, a small gap, then the label, so
// that the template's widths hold their texts.
class CheckBox : public Fl_Button {
public:
    static constexpr int kSquare = 13;
    static constexpr int kGap = 4;

    CheckBox(int x, int y, int w, int h) : Fl_Button(x, y, w, h) { type(FL_TOGGLE_BUTTON); }

    void draw() override {
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
};

// A push button. BS_DEFPUSHBUTTON buttons are drawn with the dark frame of a default button;
// the one the dialog manager makes the default also answers the Enter key.
class PushButton : public Fl_Button {
public:
    PushButton(int x, int y, int w, int h, bool drawnAsDefault)
        : Fl_Button(x, y, w, h), drawnAsDefault_(drawnAsDefault) {}

    bool answersEnter = false;

    int handle(int event) override {
        if (event == FL_SHORTCUT && answersEnter && (Fl::event_key() == FL_Enter || Fl::event_key() == FL_KP_Enter)) {
            do_callback();
            return 1;
        }
        return Fl_Button::handle(event);
    }

    void draw() override {
        Fl_Button::draw();
        if (drawnAsDefault_ && box() != FL_NO_BOX) {
            fl_color(FL_BLACK);
            fl_rect(x(), y(), w(), h());
        }
    }

private:
    bool drawnAsDefault_;
};

}  // namespace

// ---- Peers

class FltkControl;

class DialogWindow : public Fl_Window {
public:
    DialogWindow(int w, int h, const char* caption, FltkDialog& owner) : Fl_Window(w, h, caption), owner_(owner) {}
    void draw() override;

private:
    FltkDialog& owner_;
};

class FltkDialog : public WindowPeer {
public:
    FltkDialog(const DialogTemplate& dialogTemplate, DialogEvents& events, DialogBaseUnits base);
    ~FltkDialog() override;

    WindowPeer* child(int id) override;
    void setText(std::string_view text) override { window->copy_label(std::string(text).c_str()); }
    int getText(char* buffer, int maxCount) const override;
    void setFocus() override { window->take_focus(); }
    LResult send(MessageId message, WParam wParam, LParam lParam) override;
    void invalidate(bool erase) override;
    void update() override;
    bool isIconic() const override { return iconic; }
    Rect clientRect() const override { return Rect{0, 0, window->w(), window->h()}; }

    FltkControl* control(int id);
    FltkControl* controlOf(Fl_Widget* widget);
    void deliverPaint();
    void applyColours();

    DialogEvents& events;
    std::unique_ptr<DialogWindow> window;
    std::vector<std::unique_ptr<FltkControl>> controls;
    bool paintPending = false;
    bool iconic = false;
    bool ended = false;
    bool inPaint = false;
    std::intptr_t result = 0;
};

class FltkControl : public WindowPeer {
public:
    FltkControl(FltkDialog& dialog, const ControlTemplate& layout, Fl_Widget* widget)
        : layout(layout), widget(widget), dialog_(dialog) {}

    WindowPeer* child(int) override { return nullptr; }
    void setText(std::string_view text) override;
    int getText(char* buffer, int maxCount) const override;
    void setFocus() override;
    LResult send(MessageId message, WParam wParam, LParam lParam) override;
    void invalidate(bool) override { widget->redraw(); }
    void update() override;
    bool isIconic() const override { return false; }
    Rect clientRect() const override { return Rect{0, 0, widget->w(), widget->h()}; }

    Fl_Input* input() const { return layout.kind == ControlKind::Edit ? static_cast<Fl_Input*>(widget) : nullptr; }
    Fl_Browser* list() const {
        return layout.kind == ControlKind::ListBox ? static_cast<Fl_Browser*>(widget) : nullptr;
    }
    Fl_Button* button() const {
        const bool isButton = layout.kind == ControlKind::PushButton || layout.kind == ControlKind::CheckBox;
        return isButton ? static_cast<Fl_Button*>(widget) : nullptr;
    }

    const ControlTemplate& layout;
    Fl_Widget* widget;

private:
    FltkDialog& dialog_;
};

namespace {

int copyText(const char* text, char* buffer, int maxCount) {
    if (maxCount <= 0) return 0;
    const int length = text ? static_cast<int>(std::strlen(text)) : 0;
    const int count = std::min(length, maxCount - 1);
    if (count > 0) std::memcpy(buffer, text, static_cast<std::size_t>(count));
    buffer[count] = '\0';
    return count;
}

void onControlCallback(Fl_Widget*, void* data) {
    auto* control = static_cast<FltkControl*>(data);
    TheFltkBackend().dialog()->events.command(control->layout.id);
}

// The close box and Esc: the dialog manager's IDCANCEL.
void onWindowCallback(Fl_Widget*, void* data) { static_cast<FltkDialog*>(data)->events.command(kIdCancel); }

void onPaintTimer(void* data) { static_cast<FltkDialog*>(data)->deliverPaint(); }

// Windows' dialog manager makes the last BS_DEFPUSHBUTTON in template order the default button.
int defaultButtonId(const DialogTemplate& dialogTemplate) {
    int id = 0;
    for (const ControlTemplate& control : dialogTemplate.controls)
        if (control.kind == ControlKind::PushButton && (control.style & 0xF) == Style::BsDefPushButton)
            id = control.id;
    return id;
}

Fl_Widget* makeWidget(const ControlTemplate& c, DialogBaseUnits base, int fontSize, bool isDefault) {
    const int x = DialogUnitsToPixelsX(c.x, base);
    const int y = DialogUnitsToPixelsY(c.y, base);
    const int w = DialogUnitsToPixelsX(c.width, base);
    const int h = DialogUnitsToPixelsY(c.height, base);
    Fl_Widget* widget = nullptr;
    switch (c.kind) {
        case ControlKind::Edit: {
            auto* edit = new EditField(x, y, w, h, (c.style & Style::EsNumber) != 0);
            edit->textfont(kDialogFont);
            edit->textsize(fontSize);
            widget = edit;
            break;
        }
        case ControlKind::PushButton: {
            const bool flat = (c.style & Style::BsFlat) != 0;
            auto* button = new PushButton(x, y, w, h, !flat && (c.style & 0xF) == Style::BsDefPushButton);
            button->answersEnter = isDefault;
            if (flat) button->box(FL_FLAT_BOX);
            button->align(FL_ALIGN_CENTER | FL_ALIGN_INSIDE | FL_ALIGN_WRAP | FL_ALIGN_CLIP);
            widget = button;
            break;
        }
        case ControlKind::CheckBox: {
            auto* box = new CheckBox(x, y, w, h);
            box->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
            widget = box;
            break;
        }
        case ControlKind::Static: {
            auto* label = new Fl_Box(x, y, w, h);
            const bool centred = (c.style & Style::SsCenterImage) != 0;
            label->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_WRAP | FL_ALIGN_CLIP |
                         (centred ? 0 : FL_ALIGN_TOP));
            widget = label;
            break;
        }
        case ControlKind::ListBox: {
            auto* list = new Fl_Browser(x, y, w, h);
            list->type(FL_NORMAL_BROWSER);  // LBS_NOSEL: nothing can be selected
            // Lines are shown exactly as they are: FLTK's format codes are keyed to a character no
            // listing holds. (Not 0, which makes FLTK read past the end of an empty line.)
            list->format_char('\x01');
            list->has_scrollbar(Fl_Browser_::BOTH);
            list->textfont(kDialogFont);
            list->textsize(fontSize);
            list->box(FL_DOWN_BOX);
            widget = list;
            break;
        }
    }
    if (c.kind != ControlKind::ListBox && c.kind != ControlKind::Edit) widget->copy_label(std::string(c.text).c_str());
    widget->labelfont(kDialogFont);
    widget->labelsize(fontSize);
    // Only WS_TABSTOP controls take part in Tab navigation.
    if ((c.style & Style::TabStop) == 0) widget->clear_visible_focus();
    return widget;
}

const Fl_RGB_Image& appIconImage() {
    static const std::vector<std::uint8_t> pixels = AppIconRgba(32);
    static const Fl_RGB_Image image(pixels.data(), 32, 32, 4);
    return image;
}

struct FltkDc {
    Colour background = 0;
};

}  // namespace

void DialogWindow::draw() {
    // An expose or an invalidate paints the dialog, which rewrites its fields, before it is drawn.
    if (owner_.paintPending || (damage() & (FL_DAMAGE_ALL | FL_DAMAGE_EXPOSE)) != 0) owner_.deliverPaint();
    Fl_Window::draw();
}

FltkDialog::FltkDialog(const DialogTemplate& t, DialogEvents& dialogEvents, DialogBaseUnits base)
    : events(dialogEvents) {
    const int fontSize = FontPixelHeight(t.fontPointSize);
    window = std::make_unique<DialogWindow>(DialogUnitsToPixelsX(t.width, base),
                                            DialogUnitsToPixelsY(t.height, base),
                                            std::string(t.caption).c_str(), *this);
    window->copy_label(std::string(t.caption).c_str());
    window->labelfont(kDialogFont);
    const int defaultId = defaultButtonId(t);
    for (const ControlTemplate& c : t.controls) {
        Fl_Widget* widget = makeWidget(c, base, fontSize, c.id == defaultId);
        auto control = std::make_unique<FltkControl>(*this, c, widget);
        if (c.kind == ControlKind::PushButton || c.kind == ControlKind::CheckBox)
            widget->callback(onControlCallback, control.get());
        controls.push_back(std::move(control));
    }
    window->end();
    window->callback(onWindowCallback, this);
    window->icon(&appIconImage());
}

FltkDialog::~FltkDialog() {
    Fl::remove_timeout(onPaintTimer, this);
    if (window) window->hide();
}

WindowPeer* FltkDialog::child(int id) { return control(id); }

FltkControl* FltkDialog::control(int id) {
    for (auto& c : controls)
        if (c->layout.id == id) return c.get();
    return nullptr;
}

FltkControl* FltkDialog::controlOf(Fl_Widget* widget) {
    for (auto& c : controls)
        if (c->widget == widget) return c.get();
    return nullptr;
}

int FltkDialog::getText(char* buffer, int maxCount) const { return copyText(window->label(), buffer, maxCount); }

LResult FltkDialog::send(MessageId message, WParam wParam, LParam lParam) {
    if (message == Msg::SetIcon) return 0;  // the window carries the icon from its creation
    (void)wParam;
    (void)lParam;
    return message == Msg::IconEraseBackground ? 1 : 0;
}

void FltkDialog::invalidate(bool) {
    paintPending = true;
    window->redraw();
    // Also delivered when nothing is drawn, as for a minimised window.
    Fl::remove_timeout(onPaintTimer, this);
    Fl::add_timeout(0.0, onPaintTimer, this);
}

void FltkDialog::update() {
    if (paintPending) deliverPaint();
    Fl::flush();
}

void FltkDialog::deliverPaint() {
    if (inPaint || ended) return;
    paintPending = false;
    Fl::remove_timeout(onPaintTimer, this);
    inPaint = true;
    events.paint();
    inPaint = false;
}

// Asks the dialog for each control's colours, as Windows does with WM_CTLCOLOR* before painting it.
void FltkDialog::applyColours() {
    FltkBackend& backend = TheFltkBackend();
    FltkDc dc;
    window->color(toFl(backend.brushColour(events.ctlColor(&dc, nullptr, CtlColor::Dialog))));
    for (auto& c : controls) {
        unsigned kind = CtlColor::Static;
        if (c->layout.kind == ControlKind::Edit) kind = CtlColor::Edit;
        if (c->layout.kind == ControlKind::ListBox) kind = CtlColor::ListBox;
        if (c->layout.kind == ControlKind::PushButton) {
            if ((c->layout.style & Style::BsFlat) == 0) continue;  // push buttons keep their face
            kind = CtlColor::Button;
        }
        const Colour brush = backend.brushColour(events.ctlColor(&dc, c.get(), kind));
        if (brush != BrushTable::kNoBrush) c->widget->color(toFl(brush));
    }
}

void FltkControl::setText(std::string_view text) {
    const std::string value(text);
    if (Fl_Input* edit = input()) {
        edit->value(value.c_str());
        edit->position(0, 0);
    } else {
        widget->copy_label(value.c_str());
    }
    widget->redraw();
}

int FltkControl::getText(char* buffer, int maxCount) const {
    if (Fl_Input* edit = input()) return copyText(edit->value(), buffer, maxCount);
    return copyText(widget->label(), buffer, maxCount);
}

void FltkControl::setFocus() {
    if (!widget->take_focus()) Fl::focus(widget);
}

LResult FltkControl::send(MessageId message, WParam wParam, LParam lParam) {
    switch (message) {
        case Msg::ButtonSetCheck:
            if (Fl_Button* b = button()) b->value(wParam == static_cast<WParam>(kCheckSet) ? 1 : 0);
            return 0;
        case Msg::ButtonGetCheck:
            return button() && button()->value() ? kCheckSet : kCheckCleared;
        case Msg::EditSetSelection: {
            Fl_Input* edit = input();
            if (!edit) return 0;
            const int length = edit->size();
            int start = static_cast<int>(static_cast<std::intptr_t>(wParam));
            int end = static_cast<int>(lParam);
            if (start == -1) {
                edit->position(edit->position(), edit->position());
                return 0;
            }
            if (end == -1) end = length;
            start = std::clamp(start, 0, length);
            end = std::clamp(end, 0, length);
            edit->position(std::max(start, end), std::min(start, end));  // the caret at the end
            return 0;
        }
        case Msg::EditGetSelection: {
            Fl_Input* edit = input();
            if (!edit) return 0;
            const int start = std::min(edit->position(), edit->mark());
            const int end = std::max(edit->position(), edit->mark());
            return static_cast<LResult>(start | (end << 16));
        }
        case Msg::EditScrollCaret:
            if (Fl_Input* edit = input()) edit->position(edit->position(), edit->mark());  // scrolls into view
            return 1;
        case Msg::ListInitStorage:
            return list() ? static_cast<LResult>(static_cast<WParam>(list()->size()) + wParam) : kListError;
        case Msg::ListResetContent:
            if (list()) list()->clear();
            return 0;
        case Msg::ListAddString:
            if (!list()) return kListError;
            list()->add(reinterpret_cast<const char*>(lParam));
            return list()->size() - 1;
        case Msg::ListGetText:
        case Msg::ListGetTextLength: {
            Fl_Browser* l = list();
            if (!l || wParam >= static_cast<WParam>(l->size())) return kListError;
            const char* item = l->text(static_cast<int>(wParam) + 1);
            const std::size_t length = item ? std::strlen(item) : 0;
            if (message == Msg::ListGetText) {
                char* out = reinterpret_cast<char*>(lParam);
                if (length > 0) std::memcpy(out, item, length);
                out[length] = '\0';
            }
            return static_cast<LResult>(length);
        }
        case Msg::ListGetCount:
            return list() ? list()->size() : kListError;
        default:
            return 0;
    }
}

void FltkControl::update() {
    widget->redraw();  // like a Windows list box, the view stays where it is as lines are added
    Fl::flush();
}

// ---- Backend

std::intptr_t FltkBackend::runModal(const DialogTemplate& t, DialogEvents& events) {
    if (!Fl::first_window() && !fl_display) fl_open_display();
    static std::string fontFace;  // FLTK keeps the pointer, not a copy
    fontFace = t.fontFace;
    Fl::set_font(kDialogFont, fontFace.c_str());
    fl_font(kDialogFont, FontPixelHeight(t.fontPointSize));
    baseUnits_ = {AverageCharWidth(static_cast<int>(
                      fl_width("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") + 0.5)),
                  fl_height()};
    Fl::visible_focus(1);

    FltkDialog dialog(t, events, baseUnits_);
    dialog_ = &dialog;
    if (events.initDialog(dialog)) {
        for (auto& c : dialog.controls) {
            if ((c->layout.style & Style::TabStop) == 0) continue;
            Fl::focus(c->widget);
            c->send(Msg::EditSetSelection, 0, -1);
            break;
        }
    }
    dialog.applyColours();
    dialog.paintPending = true;
    dialog.window->show();

    // Wait, boundedly, until the window is mapped and painted before a script acts on it.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!dialog.ended && !dialog.window->visible() && std::chrono::steady_clock::now() < deadline) Fl::wait(0.05);
    // The first exposures arrive shortly after mapping; each would paint (and rewrite the fields).
    for (int i = 0; i < 4 && !dialog.ended; ++i) Fl::wait(0.05);
    pump();
    if (script && !dialog.ended) {
        const std::function<void()> once = std::move(script);
        script = nullptr;
        once();
        if (!dialog.ended) closeBox();
    }
    while (!dialog.ended && dialog.window->shown()) Fl::wait();
    events.destroyed();
    dialog.window->hide();
    Fl::check();
    dialog_ = nullptr;
    return dialog.result;
}

void FltkBackend::endModal(WindowPeer& window, std::intptr_t result) {
    auto& dialog = static_cast<FltkDialog&>(window);
    dialog.ended = true;
    dialog.result = result;
    dialog.window->hide();
}

IconHandle FltkBackend::loadIcon(int resourceId) {
    return resourceId == kAppIconResource ? const_cast<Fl_RGB_Image*>(&appIconImage()) : nullptr;
}

BrushHandle FltkBackend::createSolidBrush(Colour colour) { return brushes_.create(colour); }

void FltkBackend::deleteBrush(BrushHandle brush) { brushes_.remove(brush); }

Colour FltkBackend::brushColour(BrushHandle brush) const { return brushes_.colour(brush); }

int FltkBackend::systemMetric(int index) {
    return index == Metric::IconWidth || index == Metric::IconHeight ? 32 : 0;
}

DcHandle FltkBackend::beginPaint(WindowPeer&) {
    static FltkDc paintDc;
    return &paintDc;
}

void FltkBackend::endPaint(WindowPeer&, DcHandle) {}

void FltkBackend::defaultPaint(WindowPeer&) {}  // FLTK draws the window and its controls itself

void FltkBackend::setBackgroundColour(DcHandle dc, Colour colour) { static_cast<FltkDc*>(dc)->background = colour; }

void FltkBackend::drawIcon(DcHandle, int x, int y, IconHandle icon) {
    drawnIcons.push_back({x, y});
    if (dialog_ && dialog_->window->visible() && icon) {
        dialog_->window->make_current();
        static_cast<Fl_RGB_Image*>(icon)->draw(x, y);
    }
}

void FltkBackend::messageBox(WindowPeer*, std::string_view text, std::string_view caption) {
    messageBoxes.push_back(std::string(caption) + ": " + std::string(text));
    const std::string title(caption);
    fl_message_title(title.c_str());
    if (dismissMessageBoxes) {
        Fl::add_timeout(0.2, [](void*) {
            if (Fl_Window* box = Fl::modal()) box->hide();
        });
    }
    fl_alert("%s", std::string(text).c_str());
}

// ---- Test hooks

void FltkBackend::pump() {
    for (int i = 0; i < 5; ++i) Fl::check();
    if (dialog_ && dialog_->paintPending) dialog_->deliverPaint();
    Fl::flush();
}

Fl_Widget* FltkBackend::widget(int id) {
    FltkControl* control = dialog_ ? dialog_->control(id) : nullptr;
    return control ? control->widget : nullptr;
}

Fl_Window* FltkBackend::window() { return dialog_ ? dialog_->window.get() : nullptr; }

void FltkBackend::type(int id, std::string_view keys) {
    Fl_Widget* target = widget(id);
    if (!target || dialog_->ended) return;
    if (Fl::focus() != target) target->take_focus();
    for (char key : keys) {
        char text[2] = {key, '\0'};
        Fl::e_keysym = static_cast<unsigned char>(key);
        Fl::e_text = text;
        Fl::e_length = 1;
        Fl::e_state = 0;
        Fl::handle(FL_KEYBOARD, dialog_->window.get());
    }
    Fl::e_text = const_cast<char*>("");
    Fl::e_length = 0;
}

void FltkBackend::key(int keysym) {
    if (!dialog_ || dialog_->ended) return;
    Fl::e_keysym = keysym;
    Fl::e_text = const_cast<char*>("");
    Fl::e_length = 0;
    Fl::e_state = 0;
    Fl::handle(FL_KEYBOARD, dialog_->window.get());
}

void FltkBackend::paste(int id, std::string_view text) {
    if (FltkControl* control = dialog_ && !dialog_->ended ? dialog_->control(id) : nullptr) control->setText(text);
}

void FltkBackend::click(int id) {
    Fl_Widget* target = widget(id);
    if (!target || dialog_->ended) return;
    Fl_Window* window = dialog_->window.get();
    Fl::e_x = target->x() + target->w() / 2;
    Fl::e_y = target->y() + target->h() / 2;
    Fl::e_x_root = window->x() + Fl::e_x;
    Fl::e_y_root = window->y() + Fl::e_y;
    Fl::e_keysym = FL_Button + FL_LEFT_MOUSE;
    Fl::e_state = FL_BUTTON1;
    Fl::e_is_click = 1;
    Fl::handle(FL_PUSH, window);
    Fl::e_state = 0;
    if (!dialog_->ended) Fl::handle(FL_RELEASE, window);
}

void FltkBackend::closeBox() {
    if (dialog_ && !dialog_->ended) dialog_->window->do_callback();
}

void FltkBackend::minimise(bool minimised) {
    if (!dialog_) return;
    Fl_Window* window = dialog_->window.get();
    dialog_->iconic = minimised;
    if (minimised) {
        window->iconize();
        Fl::check();
        // Without a window manager nobody answers the request: take the window off the screen.
        if (window->visible()) XUnmapWindow(fl_display, fl_xid(window));
    } else {
        window->show();
    }
    Fl::check();
    dialog_->invalidate(true);
}

int FltkBackend::focusedId() {
    if (!dialog_) return 0;
    FltkControl* control = dialog_->controlOf(Fl::focus());
    return control ? control->layout.id : 0;
}

FltkBackend::Colours FltkBackend::ctlColours(int id, unsigned kind) {
    FltkDc dc;
    WindowPeer* control = dialog_ ? dialog_->child(id) : nullptr;
    BrushHandle brush = dialog_ ? dialog_->events.ctlColor(&dc, control, kind) : nullptr;
    return {dc.background, brushColour(brush)};
}

bool FltkBackend::capture(std::vector<unsigned char>& rgb, int& width, int& height) {
    if (!dialog_ || !dialog_->window->visible()) return false;
    Fl_Window* window = dialog_->window.get();
    Fl::flush();
    window->make_current();
    width = window->w();
    height = window->h();
    rgb.assign(static_cast<std::size_t>(width * height * 3), 0);
    return fl_read_image(rgb.data(), 0, 0, width, height) != nullptr;
}

FltkBackend& TheFltkBackend() {
    static FltkBackend backend;
    return backend;
}

Backend& CurrentBackend() { return TheFltkBackend(); }
