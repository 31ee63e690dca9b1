#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <optional>

#include "../emulated/emulated_gdi.h"
#include "headless_peers.h"

// An in-memory dialog for fast, deterministic tests. It reproduces the Windows behaviours the
// dialog relies on (edit text and selection, ES_NUMBER, the focus, auto check boxes, the list's
// answers, queued paints, the minimised state, the modal run ended by OK or Cancel) and records
// what the dialog did to its controls. It never shows anything, so it is never shipped.

namespace vantry::framework {

class HeadlessBackend : public EmulatedGdiBackend {
public:
    std::intptr_t runModal(const DialogTemplate& dialogTemplate, DialogEvents& events) override;
    void endModal(WindowPeer& dialog, std::intptr_t result) override;
    void defaultPaint(WindowPeer&) override {}
    void messageBox(WindowPeer* owner, std::string_view text, std::string_view caption) override;

    HeadlessDialog* dialog() { return dialog_.get(); }
    // The dialog until its run has ended, else nullptr.
    HeadlessDialog* runningDialog() { return dialog_ && !dialog_->ended ? dialog_.get() : nullptr; }

    // Runs once inside the next modal run, after the dialog has been shown and painted.
    std::function<void()> whenShown;
    // Actions waiting for the next message loop; a message box's loop runs them too.
    std::deque<std::function<void()>> posted;
    void runPosted();
    // The lists of the next dialog answer LB_INITSTORAGE with LB_ERRSPACE.
    bool refuseListStorageOnNextRun = false;

    std::optional<MessageBoxState> openMessageBox;
    int messageBoxesShown = 0;

private:
    std::unique_ptr<HeadlessDialog> dialog_;
};

HeadlessBackend& TheHeadlessBackend();

}  // namespace vantry::framework
