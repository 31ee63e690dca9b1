#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

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
    unsigned type = 0;
    int answer = 0;  // the button pressed; 0 while the box is up
};

// A file chooser is up until the automation answers it: with a file, or with nothing (Cancel).
struct HeadlessFileChooser {
    std::string title;
    std::string pattern;
    std::optional<std::string> answer;
    bool answered = false;
};

class HeadlessBackend : public EmulatedGdiBackend {
public:
    std::intptr_t runModal(const DialogTemplate& dialogTemplate, DialogEvents& events) override;
    void endModal(WindowPeer& dialog, std::intptr_t result) override;
    void defaultPaint(WindowPeer&) override {}
    int messageBox(WindowPeer* owner, std::string_view text, std::string_view caption, unsigned type) override;
    std::optional<std::string> chooseFileToOpen(WindowPeer* owner, std::string_view title,
                                                std::string_view pattern) override;
    void removeControlsFrom(WindowPeer& dialog, std::size_t first) override;
    void addControlsFrom(WindowPeer& dialog, std::size_t first) override;
    // Nobody is at an in-memory dialog's keyboard: there is only the time to let pass.
    void waitWhile(const std::function<bool()>& running) override;

    // The dialog on top: the one a dialog opened above itself while it runs, else the outermost,
    // kept after its run for the tests to read.
    HeadlessDialog* dialog() { return dialogs_.empty() ? nullptr : dialogs_.back().get(); }
    // That dialog until its run has ended, else nullptr.
    HeadlessDialog* runningDialog() {
        HeadlessDialog* top = dialog();
        return top && !top->ended ? top : nullptr;
    }
    const std::optional<HeadlessMessageBox>& openMessageBox() const { return openMessageBox_; }
    void closeMessageBox(int answer) {
        if (openMessageBox_) openMessageBox_->answer = answer;
    }
    const std::optional<HeadlessFileChooser>& openFileChooser() const { return openFileChooser_; }
    void answerFileChooser(std::optional<std::string> file) {
        if (!openFileChooser_) return;
        openFileChooser_->answer = std::move(file);
        openFileChooser_->answered = true;
    }

    // The lists of the next dialog answer LB_INITSTORAGE with LB_ERRSPACE.
    bool refuseListStorageOnNextRun = false;

protected:
    // The modal loop of a shown and painted dialog. Nobody is at an in-memory dialog's keyboard,
    // so by itself it has nothing to deliver; the automation runs its script here.
    virtual void runMessageLoop(HeadlessDialog&) {}
    // A message box's own loop, for as long as the box is up.
    virtual void runMessageBoxLoop() {}

private:
    std::vector<std::unique_ptr<HeadlessDialog>> dialogs_;
    std::optional<HeadlessMessageBox> openMessageBox_;
    std::optional<HeadlessFileChooser> openFileChooser_;
};

HeadlessBackend& TheHeadlessBackend();

}  // namespace vantry::framework
