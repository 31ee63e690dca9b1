#pragma once

#include <memory>
#include <optional>
#include <string>

#include "ui/framework/emulated/emulated_gdi.h"
#include "ui/framework/headless/headless_peers.h"

// An in-memory dialog for fast, deterministic tests. It reproduces the Windows behaviours the
// dialog relies on (edit text and selection, ES_NUMBER, the focus, auto check boxes, the list's
// answers, queued paints, the minimised state, the modal run ended by OK or Cancel) and records
// what the dialog did to its controls. It never shows anything, so it is never shipped: only
// the tests link it, with its automation (headless_automation.cpp), which also supplies the
// program's one backend.

namespace vantry::framework {

struct HeadlessMessageBox {
    std::string caption;
    std::string text;
};

class HeadlessBackend : public EmulatedGdiBackend {
public:
    std::intptr_t runModal(const DialogTemplate& dialogTemplate, DialogEvents& events) override;
    void endModal(WindowPeer& dialog, std::intptr_t result) override;
    void defaultPaint(WindowPeer&) override {}
    void messageBox(WindowPeer* owner, std::string_view text, std::string_view caption) override;
    // Nobody is at an in-memory dialog's keyboard: there is only the time to let pass.
    void waitWhile(const std::function<bool()>& running) override;

    HeadlessDialog* dialog() { return dialog_.get(); }
    // The dialog until its run has ended, else nullptr.
    HeadlessDialog* runningDialog() { return dialog_ && !dialog_->ended ? dialog_.get() : nullptr; }
    const std::optional<HeadlessMessageBox>& openMessageBox() const { return openMessageBox_; }
    void closeMessageBox() { openMessageBox_.reset(); }

    // The lists of the next dialog answer LB_INITSTORAGE with LB_ERRSPACE.
    bool refuseListStorageOnNextRun = false;

protected:
    // The modal loop of a shown and painted dialog. Nobody is at an in-memory dialog's keyboard,
    // so by itself it has nothing to deliver; the automation runs its script here.
    virtual void runMessageLoop(HeadlessDialog&) {}
    // A message box's own loop, for as long as the box is up.
    virtual void runMessageBoxLoop() {}

private:
    std::unique_ptr<HeadlessDialog> dialog_;
    std::optional<HeadlessMessageBox> openMessageBox_;
};

HeadlessBackend& TheHeadlessBackend();

}  // namespace vantry::framework
