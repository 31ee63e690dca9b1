#pragma once

#include "ui/framework/emulated/emulated_gdi.h"

// The dialog in a browser page, compiled to WebAssembly. A page has no modal loop: the dialog is
// run by the page's own events, and the program's start-up waits for the dialog's end without
// using the processor (Emscripten's Asyncify suspends it until the page resumes it).

namespace vantry::framework {

class WebDialog;

class WebBackend : public EmulatedGdiBackend {
public:
    std::intptr_t runModal(const DialogTemplate& dialogTemplate, DialogEvents& events) override;
    void endModal(WindowPeer& dialog, std::intptr_t result) override;
    void defaultPaint(WindowPeer&) override {}  // the page draws the elements itself
    // A box drawn over the dialog, which takes no input until its OK; the page cannot wait, so
    // this returns at once and the box stays until it is answered.
    // A question cannot be asked this way, since its answer is needed at once: it answers No.
    int messageBox(WindowPeer* owner, std::string_view text, std::string_view caption, unsigned type) override;
    // The page runs one dialog, built once: none runs above it, none changes its controls, and
    // there is no file chooser to wait for.
    bool runsNestedDialogs() const override { return false; }
    std::optional<std::string> chooseFileToOpen(WindowPeer*, std::string_view, std::string_view) override {
        return std::nullopt;
    }
    void removeControlsFrom(WindowPeer&, std::size_t) override {}
    void addControlsFrom(WindowPeer&, std::size_t) override {}
    // The page's events are delivered while the program sleeps; the dialog refuses their input.
    void waitWhile(const std::function<bool()>& running) override;

    WebDialog* runningDialog();  // the current dialog until its run has ended, else nullptr
    void messageBoxAnswered();

protected:
    // What the modal run does once the dialog is shown: here, wait for the page's events to end it.
    virtual void runMessageLoop(WebDialog& dialog);
    void showIcon(int x, int y, const EmulatedIcon& icon) override;

private:
    WebDialog* dialog_ = nullptr;
};

// The program's one backend: the page's program (web_main.cpp) or the tests' (web_automation.cpp).
WebBackend& TheWebBackend();

}  // namespace vantry::framework
