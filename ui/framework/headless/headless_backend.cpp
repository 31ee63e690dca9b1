#include "ui/framework/headless/headless_backend.h"

#include <chrono>
#include <thread>

#include "ui/framework/emulated/modal_run.h"

namespace vantry::framework {

std::intptr_t HeadlessBackend::runModal(const DialogTemplate& dialogTemplate, DialogEvents& events) {
    // A dialog run above a running one is gone with its run; an outermost one stays until the next.
    const bool nested = runningDialog() != nullptr;
    if (!nested) dialogs_.clear();
    dialogs_.push_back(std::make_unique<HeadlessDialog>(dialogTemplate, events));
    HeadlessDialog& dialog = *dialogs_.back();
    for (auto& control : dialog.controls)
        control->refuseStorage = refuseListStorageOnNextRun && control->layout.kind == ControlKind::ListBox;
    refuseListStorageOnNextRun = false;
    const std::intptr_t result = RunModalDialog(
        dialog, events,
        [&] {
            dialog.invalidate(true);  // shown
            dialog.deliverPendingPaints();
        },
        [&] {
            if (!dialog.ended) runMessageLoop(dialog);
            if (!dialog.ended) events.command(kIdCancel);  // nobody is left to close it: the close box does
        });
    if (nested) dialogs_.pop_back();
    return result;
}

void HeadlessBackend::endModal(WindowPeer& dialog, std::intptr_t result) {
    auto& headless = static_cast<HeadlessDialog&>(dialog);
    headless.ended = true;
    headless.result = result;
}

void HeadlessBackend::waitWhile(const std::function<bool()>& running) {
    while (running()) std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

// A box nobody answered in its loop is closed by its close box: No for a question, else OK.
int HeadlessBackend::messageBox(WindowPeer*, std::string_view text, std::string_view caption, unsigned type) {
    openMessageBox_ = HeadlessMessageBox{std::string(caption), std::string(text), type, 0};
    runMessageBoxLoop();
    const bool question = (type & BoxType::ButtonsMask) == BoxType::YesNo;
    const int answer = openMessageBox_->answer != 0 ? openMessageBox_->answer : (question ? kIdNo : kIdOk);
    openMessageBox_.reset();  // nobody can answer it later than its loop
    return answer;
}

std::optional<std::string> HeadlessBackend::chooseFileToOpen(WindowPeer*, std::string_view title,
                                                             std::string_view pattern) {
    openFileChooser_ = HeadlessFileChooser{std::string(title), std::string(pattern), std::nullopt, false};
    runMessageBoxLoop();
    std::optional<std::string> answer = std::move(openFileChooser_->answer);
    openFileChooser_.reset();
    return answer;
}

void HeadlessBackend::removeControlsFrom(WindowPeer& dialog, std::size_t first) {
    static_cast<HeadlessDialog&>(dialog).removeControlsFrom(first);
}

void HeadlessBackend::addControlsFrom(WindowPeer& dialog, std::size_t first) {
    static_cast<HeadlessDialog&>(dialog).addControlsFrom(first);
}

// The backend the framework's calls go to: whichever HeadlessBackend the program (or its
// automation) provides.
Backend& CurrentBackend() { return TheHeadlessBackend(); }

}  // namespace vantry::framework
