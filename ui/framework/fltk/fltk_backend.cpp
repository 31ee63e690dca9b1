#include "ui/framework/fltk/fltk_backend.h"

#include <FL/Fl.H>
#include <FL/Fl_Native_File_Chooser.H>
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

    // A dialog opened from a running one is modal above it: the owner takes no input meanwhile.
    FltkDialog* const owner = dialog_;
    const bool ownerWasDisabled = owner && owner->disabled;
    if (owner) owner->disabled = true;
    FltkDialog dialog(t, events, font);
    if (owner) {
        dialog.window->set_modal();
        dialog.window->position(owner->window->x() + (owner->window->w() - dialog.window->w()) / 2,
                                owner->window->y() + (owner->window->h() - dialog.window->h()) / 2);
    }
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
    dialog_ = owner;
    if (owner) {
        owner->disabled = ownerWasDisabled;
        owner->window->show();  // back in front, with the focus, as Windows activates the owner
    }
    return result;
}

void FltkBackend::endModal(WindowPeer& window, std::intptr_t result) {
    auto& dialog = static_cast<FltkDialog&>(window);
    dialog.ended = true;
    dialog.result = result;
    dialog.window->hide();
    if (!Fl::has_idle(keepModalLoopAwake)) Fl::add_idle(keepModalLoopAwake);
}

FltkDialog* FltkBackend::dialogOf(WindowPeer* owner) {
    if (auto* control = dynamic_cast<FltkControl*>(owner)) return &control->dialog;
    if (auto* ownerDialog = dynamic_cast<FltkDialog*>(owner)) return ownerDialog;
    return dialog_;
}

int FltkBackend::messageBox(WindowPeer* owner, std::string_view text, std::string_view caption, unsigned type) {
    FltkDialog* dialog = dialogOf(owner);
    FltkMessageBox box(dialog ? dialog->window.get() : nullptr, text, caption,
                       (type & BoxType::ButtonsMask) == BoxType::YesNo);
    const bool wasDisabled = dialog && dialog->disabled;
    if (dialog) dialog->disabled = true;
    const int answer = box.run();
    if (dialog) dialog->disabled = wasDisabled;
    return answer;
}

// FLTK's native chooser: the desktop's own (GTK's) where FLTK finds it, else FLTK's file chooser.
std::optional<std::string> FltkBackend::chooseFileToOpen(WindowPeer* owner, std::string_view title,
                                                         std::string_view pattern) {
    FltkDialog* dialog = dialogOf(owner);
    const std::string titleText(title);
    // FLTK's filters are "name<TAB>pattern" lines: the pattern first, then every file.
    const std::string filter = "Method files (" + std::string(pattern) + ")\t" + std::string(pattern) +
                               "\nAll files\t*";
    Fl_Native_File_Chooser chooser(Fl_Native_File_Chooser::BROWSE_FILE);
    chooser.title(titleText.c_str());
    chooser.filter(filter.c_str());
    const bool wasDisabled = dialog && dialog->disabled;
    if (dialog) dialog->disabled = true;
    const int shown = chooser.show();
    if (dialog) dialog->disabled = wasDisabled;
    if (shown != 0 || chooser.filename() == nullptr || *chooser.filename() == '\0') return std::nullopt;
    return std::string(chooser.filename());
}

void FltkBackend::removeControlsFrom(WindowPeer& dialog, std::size_t first) {
    static_cast<FltkDialog&>(dialog).removeControlsFrom(first);
}

void FltkBackend::addControlsFrom(WindowPeer& dialog, std::size_t first) {
    auto& fltk = static_cast<FltkDialog&>(dialog);
    fltk.addControlsFrom(first);
    fltk.applyColours(*this);
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
