#include "headless_backend.h"

#include <chrono>
#include <thread>

#include "../emulated/dialog_manager.h"

namespace vantry::framework {

std::intptr_t HeadlessBackend::runModal(const DialogTemplate& dialogTemplate, DialogEvents& events) {
    dialog_ = std::make_unique<HeadlessDialog>(dialogTemplate, events);
    for (auto& control : dialog_->controls)
        control->refuseStorage = refuseListStorageOnNextRun && control->layout.kind == ControlKind::ListBox;
    refuseListStorageOnNextRun = false;
    if (events.initDialog(*dialog_)) FocusFirstTabStop(*dialog_, dialogTemplate);
    dialog_->invalidate(true);  // shown
    dialog_->deliverPendingPaints();
    if (!dialog_->ended) runMessageLoop(*dialog_);
    // Nobody is left to close it: the close box does.
    if (!dialog_->ended) events.command(kIdCancel);
    events.destroyed();
    return dialog_->result;
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

}  // namespace vantry::framework
