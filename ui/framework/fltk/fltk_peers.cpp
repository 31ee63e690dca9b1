#include "fltk_peers.h"

#include <FL/Fl.H>
#include <FL/Fl_Browser.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_RGB_Image.H>

#include <algorithm>

#include "../emulated/dialog_colours.h"
#include "../emulated/dialog_manager.h"
#include "../emulated/edit_rules.h"
#include "../emulated/emulated_gdi.h"
#include "../emulated/text_copy.h"

namespace vantry::framework {

namespace {

Fl_Color toFl(Colour colour) {
    return fl_rgb_color(static_cast<uchar>(colour & 0xFF), static_cast<uchar>((colour >> 8) & 0xFF),
                        static_cast<uchar>((colour >> 16) & 0xFF));
}

void onControlClicked(Fl_Widget*, void* data) {
    auto* control = static_cast<FltkControl*>(data);
    control->dialog.events.command(control->layout.id);
}

// The close box and Esc: the dialog manager's IDCANCEL.
void onWindowClosed(Fl_Widget*, void* data) { static_cast<FltkDialog*>(data)->events.command(kIdCancel); }

void onPaintDue(void* data) { static_cast<FltkDialog*>(data)->paintIfPending(); }

}  // namespace

void DialogWindow::draw() {
    if ((damage() & FL_DAMAGE_EXPOSE) != 0) owner_.schedulePaint();
    Fl_Window::draw();
}

// ---- Controls

void FltkControl::setText(std::string_view text) {
    const std::string value(text);
    if (auto* edit = layout.kind == ControlKind::Edit ? static_cast<Fl_Input*>(widget) : nullptr) {
        edit->value(value.c_str());
        edit->position(0, 0);
    } else {
        widget->copy_label(value.c_str());
    }
    widget->redraw();
}

int FltkControl::getText(char* buffer, int maxCount) const {
    if (layout.kind == ControlKind::Edit) return CopyText(static_cast<Fl_Input*>(widget)->value(), buffer, maxCount);
    const char* label = widget->label();
    return CopyText(label ? label : "", buffer, maxCount);
}

void FltkControl::setFocus() {
    if (!dialog.acceptsFocus()) return;  // SetFocus into a disabled window fails
    if (!widget->take_focus()) Fl::focus(widget);
}

Rect FltkControl::clientRect() const { return Rect{0, 0, widget->w(), widget->h()}; }

void FltkControl::invalidate(bool) { widget->redraw(); }

void FltkControl::update() {
    widget->redraw();  // like a Windows list box, the view stays where it is as lines are added
    Fl::flush();
}

LResult FltkControl::send(MessageId message, WParam wParam, LParam lParam) {
    switch (layout.kind) {
        case ControlKind::Edit: return editMessage(message, wParam, lParam);
        case ControlKind::ListBox: return listMessage(message, wParam, lParam);
        case ControlKind::CheckBox:
        case ControlKind::PushButton: {
            auto* button = static_cast<Fl_Button*>(widget);
            if (message == Msg::ButtonSetCheck) button->value(wParam == static_cast<WParam>(kCheckSet) ? 1 : 0);
            if (message == Msg::ButtonGetCheck) return button->value() ? kCheckSet : kCheckCleared;
            return 0;
        }
        case ControlKind::Static: break;
    }
    return 0;
}

LResult FltkControl::editMessage(MessageId message, WParam wParam, LParam lParam) {
    auto* edit = static_cast<Fl_Input*>(widget);
    // FLTK keeps the caret in position() and the other end of the selection in mark().
    const EditSelection current{std::min(edit->position(), edit->mark()), std::max(edit->position(), edit->mark())};
    switch (message) {
        case Msg::EditSetSelection: {
            const EditSelection wanted = SetSelection({edit->position(), edit->position()}, wParam, lParam, edit->size());
            edit->position(wanted.end, wanted.start);  // the caret at the end
            return 0;
        }
        case Msg::EditGetSelection: return PackedSelection(current);
        case Msg::EditScrollCaret:
            edit->position(edit->position(), edit->mark());  // scrolls the caret into view
            return 1;
        case Msg::EditLimitText:
            textLimit = EditTextLimit(wParam);
            edit->maximum_size(textLimit);  // FLTK holds typing and pasting to it, as Windows does
            return 0;
        default: return 0;
    }
}

LResult FltkControl::listMessage(MessageId message, WParam wParam, LParam lParam) {
    auto* browser = static_cast<Fl_Browser*>(widget);
    const LResult answer = list.handle(message, wParam, lParam);
    if (message == Msg::ListResetContent) browser->clear();
    if (message == Msg::ListAddString && answer >= 0) browser->add(reinterpret_cast<const char*>(lParam));
    return answer;
}

// ---- The dialog

FltkDialog::FltkDialog(const DialogTemplate& dialogLayout, DialogEvents& dialogEvents, const DialogFont& font)
    : EmulatedDialog(dialogLayout, dialogEvents) {
    window = std::make_unique<DialogWindow>(DialogUnitsToPixelsX(layout.width, font.base),
                                            DialogUnitsToPixelsY(layout.height, font.base), *this);
    window->copy_label(std::string(layout.caption).c_str());
    window->labelfont(font.face);
    const int defaultId = DefaultButtonId(layout);
    for (const ControlTemplate& c : layout.controls) {
        Fl_Widget* widget = MakeControlWidget(c, font, c.id == defaultId);
        auto control = std::make_unique<FltkControl>(*this, c, widget);
        if (c.kind == ControlKind::PushButton || c.kind == ControlKind::CheckBox)
            widget->callback(onControlClicked, control.get());
        controls.push_back(std::move(control));
    }
    window->end();
    window->callback(onWindowClosed, this);
}

FltkDialog::~FltkDialog() {
    Fl::remove_timeout(onPaintDue, this);
    if (window) window->hide();
}

void FltkDialog::setText(std::string_view text) { window->copy_label(std::string(text).c_str()); }

int FltkDialog::getText(char* buffer, int maxCount) const {
    const char* label = window->label();
    return CopyText(label ? label : "", buffer, maxCount);
}

void FltkDialog::setFocus() {
    if (acceptsFocus()) window->take_focus();
}

LResult FltkDialog::send(MessageId message, WParam wParam, LParam lParam) {
    if (message == Msg::SetIcon) {
        // The window manager shows one picture; the big icon is the one it scales best.
        const EmulatedIcon* image = EmulatedGdiBackend::iconOf(reinterpret_cast<IconHandle>(lParam));
        if (wParam == kIconBig && image != nullptr) {
            icon = std::make_unique<Fl_RGB_Image>(image->rgba.data(), image->size, image->size, 4);
            window->icon(icon.get());
        }
        return 0;
    }
    return message == Msg::IconEraseBackground ? 1 : 0;
}

bool FltkDialog::isIconic() const { return window->shown() && !window->visible(); }

FltkControl* FltkDialog::controlOf(const Fl_Widget* widget) {
    for (auto& c : controls)
        if (c->widget == widget) return c.get();
    return nullptr;
}

void FltkDialog::invalidate(bool) {
    window->redraw();
    schedulePaint();
}

void FltkDialog::schedulePaint() {
    if (queuePaint() && !Fl::has_timeout(onPaintDue, this)) Fl::add_timeout(0.0, onPaintDue, this);
}

void FltkDialog::update() {
    paintIfPending();
    Fl::flush();
}

void FltkDialog::paintIfPending() {
    Fl::remove_timeout(onPaintDue, this);
    deliverPaint();
}

void FltkDialog::applyColours(EmulatedGdiBackend& gdi) {
    ApplyDialogColours(gdi, *this, [this](FltkControl* control, Colour brush) {
        (control ? control->widget : window.get())->color(toFl(brush));
    });
}

}  // namespace vantry::framework
