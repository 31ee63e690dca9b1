#include "ui/framework/web/web_backend.h"

#include <emscripten.h>

#include <string>

#include "ui/framework/emulated/dialog_colours.h"
#include "ui/framework/emulated/modal_run.h"
#include "ui/framework/web/web_dom.h"
#include "ui/framework/web/web_peers.h"

// Resolved by endModal; until then the program's start-up is suspended, and the page runs.
// clang-format off
EM_ASYNC_JS(void, waitForTheDialogsEnd, (), {
    await new Promise(resolve => { Module.vantryDialogEnded = resolve; });
});
// clang-format on

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

DialogBaseUnits measureBaseUnits(int pixelSize, const std::string& family) {
    return MeasuredBaseUnits(web::MeasureTextWidth(pixelSize, family, std::string(kAverageWidthAlphabet)),
                             web::FontHeight(pixelSize, family));
}

}  // namespace

WebDialog* WebBackend::runningDialog() { return dialog_ && !dialog_->ended ? dialog_ : nullptr; }

std::intptr_t WebBackend::runModal(const DialogTemplate& t, DialogEvents& events) {
    const int fontPixels = dialogFontPixels(t);
    WebDialog dialog(t, events, measureBaseUnits(fontPixels, web::CssFontFamily(t.fontFace)), fontPixels);
    dialog_ = &dialog;
    const std::intptr_t result = RunModalDialog(
        dialog, events,
        [&] {
            ApplyDialogColours(*this, dialog, [](const WebControl* control, Colour brush) {
                web::SetBackground(control ? control->index : web::kDialogIndex, brush);
            });
            dialog.invalidate(true);  // shown: the first paint
        },
        [&] { runMessageLoop(dialog); });
    dialog_ = nullptr;
    return result;
}

void WebBackend::runMessageLoop(WebDialog&) { waitForTheDialogsEnd(); }

void WebBackend::endModal(WindowPeer& window, std::intptr_t result) {
    auto& dialog = static_cast<WebDialog&>(window);
    dialog.ended = true;
    dialog.result = result;
    web::HideMessageBox();
    resumeAfterTheDialogsEnd();
}

void WebBackend::waitWhile(const std::function<bool()>& running) {
    const bool wasDisabled = dialog_ && dialog_->disabled;
    if (dialog_) dialog_->disabled = true;
    while (running()) emscripten_sleep(50);
    if (dialog_) dialog_->disabled = wasDisabled;
}

int WebBackend::messageBox(WindowPeer*, std::string_view text, std::string_view caption, unsigned type) {
    if ((type & BoxType::ButtonsMask) == BoxType::YesNo) return kIdNo;
    if (dialog_) dialog_->disabled = true;
    web::ShowMessageBox(std::string(text), std::string(caption));
    return kIdOk;
}

void WebBackend::messageBoxAnswered() {
    if (dialog_) {
        dialog_->disabled = false;
        dialog_->invalidate(true);  // as the owner repaints when the box goes
    }
}

// A page is never minimised, so the dialog never draws its icon on itself.
void WebBackend::showIcon(int, int, const EmulatedIcon&) {}

// The backend the framework's calls go to: whichever WebBackend the program (or its
// automation) provides.
Backend& CurrentBackend() { return TheWebBackend(); }

}  // namespace vantry::framework
