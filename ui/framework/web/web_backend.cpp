#include "web_backend.h"

#include <emscripten.h>

#include "../emulated/dialog_manager.h"
#include "web_dom.h"
#include "web_peers.h"

// Resolved by endModal; until then the program's start-up is suspended, and the page runs.
EM_ASYNC_JS(void, waitForTheDialogsEnd, (), {
    await new Promise(resolve => { Module.vantryDialogEnded = resolve; });
});

EM_JS(void, resumeAfterTheDialogsEnd, (), {
    if (Module.vantryDialogEnded) {
        const resume = Module.vantryDialogEnded;
        Module.vantryDialogEnded = null;
        resume();
    }
});

namespace vantry::framework {

namespace {

// Windows' 16-point dialog font at 96 dots an inch.
int dialogFontPixels(const DialogTemplate& t) { return FontPixelHeight(t.fontPointSize); }

DialogBaseUnits measureBaseUnits(int pixelSize) {
    const double alphabet = web::MeasureTextWidth(pixelSize, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return {AverageCharWidth(static_cast<int>(alphabet + 0.5)), web::FontHeight(pixelSize)};
}

}  // namespace

WebDialog* WebBackend::runningDialog() { return dialog_ && !dialog_->ended ? dialog_ : nullptr; }

std::intptr_t WebBackend::runModal(const DialogTemplate& t, DialogEvents& events) {
    const int fontPixels = dialogFontPixels(t);
    WebDialog dialog(t, events, measureBaseUnits(fontPixels), fontPixels);
    dialog_ = &dialog;
    if (events.initDialog(dialog)) FocusFirstTabStop(dialog, t);
    web::SetBackground(-1, askColours(events, nullptr, CtlColor::Dialog).brush);
    for (auto& control : dialog.controls) {
        const ControlKind kind = control->layout.kind;
        const unsigned ctlColor = kind == ControlKind::Edit ? CtlColor::Edit
                                  : kind == ControlKind::ListBox ? CtlColor::ListBox
                                  : kind == ControlKind::PushButton ? CtlColor::Button
                                                                    : CtlColor::Static;
        // Raised push buttons keep their face; only the flat one shows the dialog's colour.
        if (kind == ControlKind::PushButton && (control->layout.style & Style::BsFlat) == 0) continue;
        const Colour brush = askColours(events, control.get(), ctlColor).brush;
        if (brush != kNoBrush) web::SetBackground(control->index, brush);
    }
    dialog.invalidate(true);  // shown: the first paint

    if (whenShown) {
        const std::function<void()> script = std::move(whenShown);
        whenShown = nullptr;
        dialog.deliverPaint();
        script();
        if (!dialog.ended) events.command(kIdCancel);  // nobody is left to close it
    } else {
        waitForTheDialogsEnd();
    }
    events.destroyed();
    dialog_ = nullptr;
    openMessageBox_.reset();
    return dialog.result;
}

void WebBackend::endModal(WindowPeer& window, std::intptr_t result) {
    auto& dialog = static_cast<WebDialog&>(window);
    dialog.ended = true;
    dialog.result = result;
    web::HideMessageBox();
    resumeAfterTheDialogsEnd();
}

void WebBackend::messageBox(WindowPeer*, std::string_view text, std::string_view caption) {
    openMessageBox_ = MessageBoxState{std::string(caption), std::string(text), true, true};
    if (dialog_) dialog_->disabled = true;
    web::ShowMessageBox(std::string(text), std::string(caption));
}

void WebBackend::messageBoxAnswered() {
    openMessageBox_.reset();
    if (dialog_) {
        dialog_->disabled = false;
        dialog_->invalidate(true);  // as the owner repaints when the box goes
    }
}

void WebBackend::runPosted() {
    for (int i = 0; i < 100 && !posted.empty(); ++i) {  // bounded: an action may post another
        const std::function<void()> action = std::move(posted.front());
        posted.pop_front();
        action();
    }
}

void WebBackend::showIcon(int x, int y, const EmulatedIcon& icon) { web::ShowIcon(icon.rgba.data(), icon.size, x, y); }

WebBackend& TheWebBackend() {
    static WebBackend backend;
    return backend;
}

Backend& CurrentBackend() { return TheWebBackend(); }

}  // namespace vantry::framework
