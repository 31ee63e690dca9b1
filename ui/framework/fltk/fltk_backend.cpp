#include "ui/framework/fltk/fltk_backend.h"

#include <FL/Fl.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/x.H>

#include "ui/framework/emulated/modal_run.h"
#include "ui/framework/fltk/fltk_peers.h"
#include "ui/framework/fltk/message_box.h"

namespace vantry::framework {

namespace {

// The font the dialog's template names, loaded under FLTK's first free font number.
constexpr Fl_Font kDialogFont = FL_FREE_FONT;

// While an idle callback is installed, Fl::wait() returns instead of sleeping until the next
// event. Installed when the dialog ends, so that the modal loop looks at once even when the end
// came from inside a callback, and removed by the loop when it has looked.
void keepModalLoopAwake(void*) {}

}  // namespace

std::intptr_t FltkBackend::runModal(const DialogTemplate& t, DialogEvents& events) {
    fl_open_display();
    fontFace_ = t.fontFace;
    const DialogFont font = LoadDialogFont(t, kDialogFont, fontFace_);
    Fl::visible_focus(1);

    FltkDialog dialog(t, events, font);
    dialog_ = &dialog;
    const std::intptr_t result = RunModalDialog(
        dialog, events,
        [&] {
            dialog.applyColours(*this);
            dialog.schedulePaint();
            dialog.window->show();
        },
        [&] {
            while (!dialog.ended && dialog.window->shown()) Fl::wait();
            Fl::remove_idle(keepModalLoopAwake);
        });
    dialog.window->hide();
    Fl::check();
    dialog_ = nullptr;
    return result;
}

void FltkBackend::endModal(WindowPeer& window, std::intptr_t result) {
    auto& dialog = static_cast<FltkDialog&>(window);
    dialog.ended = true;
    dialog.result = result;
    dialog.window->hide();
    if (!Fl::has_idle(keepModalLoopAwake)) Fl::add_idle(keepModalLoopAwake);
}

void FltkBackend::messageBox(WindowPeer* owner, std::string_view text, std::string_view caption) {
    FltkDialog* dialog = dialog_;
    if (auto* control = dynamic_cast<FltkControl*>(owner)) dialog = &control->dialog;
    if (auto* ownerDialog = dynamic_cast<FltkDialog*>(owner)) dialog = ownerDialog;

    FltkMessageBox box(dialog ? dialog->window.get() : nullptr, text, caption);
    if (dialog) dialog->disabled = true;
    box.run();
    if (dialog) dialog->disabled = false;
}

namespace {

// While the program waits, a person's input to its windows is dropped, as Windows drops it for
// disabled windows; everything else (exposure, focus, the window manager's messages) is handled,
// so that the windows stay painted. Dropped, not kept: nothing typed or clicked meanwhile is
// done once the wait is over.
int dropInput(int event, Fl_Window* window) {
    switch (event) {
        case FL_PUSH:
        case FL_RELEASE:
        case FL_DRAG:
        case FL_MOUSEWHEEL:
        case FL_KEYDOWN:
        case FL_KEYUP:
        case FL_SHORTCUT:
        case FL_PASTE:
        case FL_DND_ENTER:
        case FL_DND_DRAG:
        case FL_DND_LEAVE:
        case FL_DND_RELEASE:
        case FL_CLOSE: return 1;
        default: return Fl::handle_(event, window);
    }
}

constexpr double kWaitStepSeconds = 0.05;

}  // namespace

void FltkBackend::waitWhile(const std::function<bool()>& running) {
    FltkDialog* dialog = dialog_;
    const bool wasDisabled = dialog && dialog->disabled;
    if (dialog) dialog->disabled = true;
    Fl_Widget* focus = Fl::focus();
    const Fl_Event_Dispatch previous = Fl::event_dispatch();
    Fl::event_dispatch(dropInput);
    while (running()) Fl::wait(kWaitStepSeconds);
    Fl::event_dispatch(previous);
    if (dialog) dialog->disabled = wasDisabled;
    if (focus != nullptr && dialog_ == dialog) focus->take_focus();  // as Windows gives it back
}

void FltkBackend::showIcon(int x, int y, const EmulatedIcon& icon) {
    if (dialog_ == nullptr || !dialog_->window->visible()) return;
    dialog_->window->make_current();
    Fl_RGB_Image image(icon.rgba.data(), icon.size, icon.size, 4);
    image.draw(x, y);
}

// The backend the framework's calls go to: whichever FltkBackend the program (or its
// automation) provides.
Backend& CurrentBackend() { return TheFltkBackend(); }

}  // namespace vantry::framework
