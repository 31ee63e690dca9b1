#include "ui/framework/headless/headless_backend.h"

#include <chrono>
#include <thread>

#include "ui/framework/emulated/modal_run.h"

namespace vantry::framework {

std::intptr_t HeadlessBackend::runModal(const DialogTemplate& dialogTemplate, DialogEvents& events) {
    dialog_ = std::make_unique<HeadlessDialog>(dialogTemplate, events);
    for (auto& control : dialog_->controls)
        control->refuseStorage = refuseListStorageOnNextRun && control->layout.kind == ControlKind::ListBox;
    refuseListStorageOnNextRun = false;
    HeadlessDialog& dialog = *dialog_;
    return RunModalDialog(
        dialog, events,
        [&] {
            dialog.invalidate(true);  // shown
            dialog.deliverPendingPaints();
        },
        [&] {
            if (!dialog.ended) runMessageLoop(dialog);
            if (!dialog.ended) events.command(kIdCancel);  // nobody is left to close it: the close box does
        });
}

void HeadlessBackend::endModal(WindowPeer& dialog, std::intptr_t result) {
    auto& headless = static_cast<HeadlessDialog&>(dialog);
    headless.ended = true;
    headless.result = result;
}

void HeadlessBackend::waitWhile(const std::function<bool()>& running) {
    while (running()) std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

void HeadlessBackend::messageBox(WindowPeer*, std::string_view text, std::string_view caption) {
    openMessageBox_ = HeadlessMessageBox{std::string(caption), std::string(text)};
    runMessageBoxLoop();
    openMessageBox_.reset();  // nobody can answer it later than its loop
}

// The backend the framework's calls go to: whichever HeadlessBackend the program (or its
// automation) provides.
Backend& CurrentBackend() { return TheHeadlessBackend(); }

}  // namespace vantry::framework
