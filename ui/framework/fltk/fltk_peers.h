#pragma once

#include <FL/Fl_Window.H>

#include <memory>

#include "ui/framework/backend.h"
#include "ui/framework/emulated/dialog_manager.h"
#include "ui/framework/emulated/emulated_peers.h"
#include "ui/framework/fltk/widget_factory.h"

class Fl_RGB_Image;

// The dialog and its controls as FLTK windows and widgets, answering the dialog's messages as
// Windows' own controls do.

namespace vantry::framework {

class EmulatedGdiBackend;
class FltkDialog;

// The dialog's top-level window. An exposure asks the dialog to paint, as WM_PAINT does; the
// paint is delivered from the event loop, never from inside FLTK's drawing.
class DialogWindow : public Fl_Window {
public:
    DialogWindow(int w, int h, FltkDialog& owner) : Fl_Window(w, h), owner_(owner) {}
    int handle(int event) override;
    void draw() override;

private:
    FltkDialog& owner_;
};

class FltkControl : public EmulatedControl {
public:
    FltkControl(FltkDialog& owner, const ControlTemplate& controlLayout, Fl_Widget* controlWidget)
        : EmulatedControl(controlLayout), widget(controlWidget), dialog(owner) {}

    void setText(std::string_view text) override;
    int getText(char* buffer, int maxCount) const override;
    void setFocus() override;
    void invalidate(bool) override;
    void update() override;
    Rect clientRect() const override;

    Fl_Widget* widget;  // owned by the dialog's window; a list box's browser shows `list`
    FltkDialog& dialog;

protected:
    // FLTK keeps an edit's caret in position() and the other end of its selection in mark().
    EditSelection editSelection() const override;
    int editCaret() const override;
    int editLength() const override;
    void selectInEdit(EditSelection wanted) override;
    void scrollCaretIntoView() override;
    void limitEditText(int characters) override;
    void listEmptied() override;
    void listLineAdded(const char* line) override;
    void listSelectionChanged(int index) override;
    void showCheckMark(bool set) override;
    bool checkMarkShown() const override;
};

class FltkDialog : public EmulatedDialog<FltkControl> {
public:
    FltkDialog(const DialogTemplate& layout, DialogEvents& events, const DialogFont& font);
    ~FltkDialog() override;

    void setText(std::string_view text) override;
    int getText(char* buffer, int maxCount) const override;
    void setFocus() override;
    void invalidate(bool erase) override;
    void update() override;
    bool isIconic() const override;
    Rect clientRect() const override { return Rect{0, 0, window->w(), window->h()}; }

    // Tab, Shift+Tab, Enter or Esc, answered by the dialog manager from the control with the focus.
    void pressKey(DialogKey key);
    FltkControl* controlOf(const Fl_Widget* widget);
    // Queues a paint, delivered from the event loop even when nothing is drawn, as for a minimised
    // window.
    void schedulePaint();
    void paintIfPending();
    // Asks the dialog for each control's colours, as Windows does with WM_CTLCOLOR* before painting.
    void applyColours(EmulatedGdiBackend& gdi);
    // The controls from template index `first` on destroyed, or made from the template, which
    // also gives the window its size.
    void removeControlsFrom(std::size_t first);
    void addControlsFrom(std::size_t first);

    std::unique_ptr<DialogWindow> window;
    std::unique_ptr<Fl_RGB_Image> icon;
    DialogFont font;

protected:
    // The window manager shows one picture; the big icon is the one it scales best.
    void showIcon(IconHandle icon, bool big) override;
};

}  // namespace vantry::framework
