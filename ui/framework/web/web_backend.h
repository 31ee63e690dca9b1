#pragma once

#include <vector>

#include "ui/framework/emulated/emulated_gdi.h"
#include "ui/framework/web/web_dom.h"

// The dialog in a browser page, compiled to WebAssembly. A page has no modal loop of its own: the
// program's start-up waits for the page's events without using the processor (Emscripten's
// Asyncify suspends it until the page hands it one), and handles each one where Windows would,
// in the modal loop of the dialog on top. A dialog above it, a question's answer and a chosen
// file are waited for in the same way.

namespace vantry::framework {

class WebDialog;

class WebBackend : public EmulatedGdiBackend {
public:
    std::intptr_t runModal(const DialogTemplate& dialogTemplate, DialogEvents& events) override;
    void endModal(WindowPeer& dialog, std::intptr_t result) override;
    void defaultPaint(WindowPeer&) override {}  // the page draws the elements itself
    // A box drawn over the dialog, which takes no input until it is answered. A box with OK
    // returns at once and stays until its OK; a question waits for its answer.
    int messageBox(WindowPeer* owner, std::string_view text, std::string_view caption, unsigned type) override;
    // The page's file input; the chosen file is copied into the page's memory file system.
    std::optional<std::string> chooseFileToOpen(WindowPeer* owner, std::string_view title,
                                                std::string_view pattern) override;
    void removeControlsFrom(WindowPeer& dialog, std::size_t first) override;
    void addControlsFrom(WindowPeer& dialog, std::size_t first) override;
    // The page's events are delivered while the program sleeps; the dialog refuses their input.
    void waitWhile(const std::function<bool()>& running) override;

    WebDialog* runningDialog();  // the dialog on top until its run has ended, else nullptr

    // An event of the page, handled at once (a call from the page's script: nothing may wait in
    // it) or from the queue the modal loop waits on. Returns 1 when the dialog took it.
    int handlePageEvent(web::PageEvent kind, int index, int argument);
    // Whether the program is in a call from the page's script, where it cannot wait.
    bool inCallFromThePage() const { return callsFromThePage_ > 0; }
    struct CallFromThePage {
        explicit CallFromThePage(WebBackend& backend) : backend_(backend) { ++backend_.callsFromThePage_; }
        ~CallFromThePage() { --backend_.callsFromThePage_; }
        WebBackend& backend_;
    };

protected:
    // What the modal run does once the dialog is shown: here, handle the page's events until the
    // dialog ends.
    virtual void runMessageLoop(WebDialog& dialog);
    void showIcon(int x, int y, const EmulatedIcon& icon) override;
    // Waits for the page's next event and handles it, with any that came with it.
    void handleNextEvents();

private:
    void messageBoxAnswered(int answer);

    std::vector<WebDialog*> dialogs_;  // the first dialog, and each run above it
    int callsFromThePage_ = 0;
    int boxAnswer_ = 0;  // the answer to the question asked, once it is given
    int boxesUp_ = 0;    // the dialog on top takes input again once none is
};

// The program's one backend: the page's program (web_main.cpp) or the tests' (web_automation.cpp).
WebBackend& TheWebBackend();

}  // namespace vantry::framework
