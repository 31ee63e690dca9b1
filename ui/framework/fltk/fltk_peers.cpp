#include "ui/framework/fltk/fltk_peers.h"

#include <FL/Fl.H>
#include <FL/Fl_Browser.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_RGB_Image.H>

#include <algorithm>
#include <optional>

#include "ui/framework/emulated/dialog_colours.h"
#include "ui/framework/emulated/dialog_manager.h"
#include "ui/framework/emulated/edit_rules.h"
#include "ui/framework/emulated/emulated_gdi.h"
#include "ui/framework/emulated/text_copy.h"

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

// A person's click or arrow key selected a line of a list: the list's storage keeps it.
void onListSelected(Fl_Widget* widget, void* data) {
    static_cast<FltkControl*>(data)->list.select(static_cast<Fl_Browser*>(widget)->value() - 1);
}

// The keys the dialog manager answers, as IsDialogMessage takes them from a dialog's message loop.
std::optional<DialogKey> dialogKeyOf(int key, int state) {
    if (key == FL_Tab) return (state & FL_SHIFT) != 0 ? DialogKey::BackTab : DialogKey::Tab;
    if (key == FL_Enter || key == FL_KP_Enter) return DialogKey::Enter;
    if (key == FL_Escape) return DialogKey::Escape;
    return std::nullopt;
}

// The close box: WM_CLOSE, which the dialog manager answers as IDCANCEL.
void onWindowClosed(Fl_Widget*, void* data) { static_cast<FltkDialog*>(data)->events.command(kIdCancel); }

void onPaintDue(void* data) { static_cast<FltkDialog*>(data)->paintIfPending(); }

}  // namespace

// Tab, Enter and Esc reach the window when the control with the focus has not taken them (an
// edit takes none of them), and go to the dialog manager, as on Windows: FLTK's own navigation
// and shortcuts never see them.
int DialogWindow::handle(int event) {
    if (event == FL_KEYBOARD || event == FL_SHORTCUT) {
        if (const std::optional<DialogKey> key = dialogKeyOf(Fl::event_key(), Fl::event_state())) {
            owner_.pressKey(*key);
            return 1;
        }
    }
    return Fl_Window::handle(event);
}

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
    if (!dialog.acceptsInput()) return;  // SetFocus into a disabled window fails
    if (!widget->take_focus()) Fl::focus(widget);
}

Rect FltkControl::clientRect() const { return Rect{0, 0, widget->w(), widget->h()}; }

void FltkControl::invalidate(bool) { widget->redraw(); }

void FltkControl::update() {
    widget->redraw();  // like a Windows list box, the view stays where it is as lines are added
    Fl::flush();
}

EditSelection FltkControl::editSelection() const {
    const auto* edit = static_cast<const Fl_Input*>(widget);
    return {std::min(edit->position(), edit->mark()), std::max(edit->position(), edit->mark())};
}

int FltkControl::editCaret() const { return static_cast<const Fl_Input*>(widget)->position(); }

int FltkControl::editLength() const { return static_cast<const Fl_Input*>(widget)->size(); }

void FltkControl::selectInEdit(EditSelection wanted) {
    static_cast<Fl_Input*>(widget)->position(wanted.end, wanted.start);
}

void FltkControl::scrollCaretIntoView() {
    auto* edit = static_cast<Fl_Input*>(widget);
    edit->position(edit->position(), edit->mark());  // FLTK scrolls the caret into view as it places it
}

void FltkControl::limitEditText(int characters) {
    static_cast<Fl_Input*>(widget)->maximum_size(characters);  // held to it when typing and pasting, as Windows
}

void FltkControl::listEmptied() { static_cast<Fl_Browser*>(widget)->clear(); }

void FltkControl::listLineAdded(const char* line) { static_cast<Fl_Browser*>(widget)->add(line); }

void FltkControl::listSelectionChanged(int index) {
    auto* browser = static_cast<Fl_Browser*>(widget);
    if (index < 0) browser->deselect();
    else browser->select(index + 1);
}

void FltkControl::showCheckMark(bool set) { static_cast<Fl_Button*>(widget)->value(set ? 1 : 0); }

bool FltkControl::checkMarkShown() const { return static_cast<const Fl_Button*>(widget)->value() != 0; }

// ---- The dialog

FltkDialog::FltkDialog(const DialogTemplate& dialogLayout, DialogEvents& dialogEvents, const DialogFont& dialogFont)
    : EmulatedDialog(dialogLayout, dialogEvents), font(dialogFont) {
    window = std::make_unique<DialogWindow>(DialogUnitsToPixelsX(layout.width, font.base),
                                            DialogUnitsToPixelsY(layout.height, font.base), *this);
    window->copy_label(std::string(layout.caption).c_str());
    window->labelfont(font.face);
    window->end();
    addControlsFrom(0);
    window->callback(onWindowClosed, this);
}

void FltkDialog::addControlsFrom(std::size_t first) {
    window->begin();
    for (std::size_t i = first; i < layout.controls.size(); ++i) {
        const ControlTemplate& c = layout.controls[i];
        Fl_Widget* widget = MakeControlWidget(c, font);
        auto control = std::make_unique<FltkControl>(*this, c, widget);
        if (c.kind == ControlKind::PushButton || c.kind == ControlKind::CheckBox)
            widget->callback(onControlClicked, control.get());
        if (c.kind == ControlKind::ListBox) widget->callback(onListSelected, control.get());
        controls.push_back(std::move(control));
    }
    window->end();
    window->size(DialogUnitsToPixelsX(layout.width, font.base), DialogUnitsToPixelsY(layout.height, font.base));
    window->redraw();
}

// A widget may be running its own callback (the click that asked for this): FLTK deletes it once
// the callback is over.
void FltkDialog::removeControlsFrom(std::size_t first) {
    if (first >= controls.size()) return;
    for (std::size_t i = first; i < controls.size(); ++i) {
        Fl_Widget* widget = controls[i]->widget;
        if (Fl::focus() == widget) window->take_focus();
        window->remove(widget);
        Fl::delete_widget(widget);
    }
    controls.erase(controls.begin() + static_cast<std::ptrdiff_t>(first), controls.end());
    window->redraw();
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
    if (acceptsInput()) window->take_focus();
}

void FltkDialog::showIcon(IconHandle handle, bool big) {
    const EmulatedIcon* image = EmulatedGdiBackend::iconOf(handle);
    if (!big || image == nullptr) return;
    icon = std::make_unique<Fl_RGB_Image>(image->rgba.data(), image->size, image->size, 4);
    window->icon(icon.get());
}

bool FltkDialog::isIconic() const { return window->shown() && !window->visible(); }

void FltkDialog::pressKey(DialogKey key) {
    if (!acceptsInput()) return;  // a disabled owner window hears no keys
    const FltkControl* focused = controlOf(Fl::focus());
    HandleDialogKey(*this, layout, events, key, focused ? focused->layout.id : 0);
}

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
