#include "headless_backend.h"

#include "../emulated/dialog_manager.h"

namespace vantry::framework {

std::intptr_t HeadlessBackend::runModal(const DialogTemplate& dialogTemplate, DialogEvents& events) {
    dialog_ = std::make_unique<HeadlessDialog>(dialogTemplate, events);
    for (auto& control : dialog_->controls)
        control->list.refuseStorage(refuseListStorageOnNextRun && control->layout.kind == ControlKind::ListBox);
    refuseListStorageOnNextRun = false;
    if (events.initDialog(*dialog_)) FocusFirstTabStop(*dialog_, dialogTemplate);
    dialog_->paintPending = true;  // shown
    dialog_->deliverPendingPaints();
    if (whenShown && !dialog_->ended) {
        const std::function<void()> once = std::move(whenShown);
        whenShown = nullptr;
        once();
    }
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

void HeadlessBackend::runPosted() {
    // Bounded, as an action may post another.
    for (int i = 0; i < 100 && !posted.empty(); ++i) {
        const std::function<void()> action = std::move(posted.front());
        posted.pop_front();
        action();
    }
}

void HeadlessBackend::messageBox(WindowPeer*, std::string_view text, std::string_view caption) {
    ++messageBoxesShown;
    openMessageBox = MessageBoxState{std::string(caption), std::string(text), true, true};
    // The box's own loop: it runs what is posted, and nobody can answer it later than that.
    runPosted();
    openMessageBox.reset();
}

HeadlessBackend& TheHeadlessBackend() {
    static HeadlessBackend backend;
    return backend;
}

Backend& CurrentBackend() { return TheHeadlessBackend(); }

}  // namespace vantry::framework
