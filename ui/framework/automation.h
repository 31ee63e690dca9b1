#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "ui/framework/window_types.h"

// What a person can do to a running dialog, and what they can see of it, offered by each backend
// so that its real windows can be driven from outside the dialog's code: by the tests, and by
// anything else that automates the program. Programs that do not automate never link it.

namespace vantry::framework {

enum class Key { Tab, BackTab, Enter, Escape };  // BackTab: Shift+Tab

struct ControlState {
    bool exists = false;
    std::string text;  // an edit's text, a button's or label's caption
    bool checked = false;
    bool focused = false;
    Rect bounds;  // in pixels, relative to the dialog's client area
};

struct MessageBoxState {
    std::string caption;
    std::string text;
    bool hasOkButton = false;
    bool aboveDialog = false;  // stacked above the dialog that owns it
    bool question = false;     // Yes and No instead of OK
};

struct FileChooserState {
    std::string title;
};

class Automation {
public:
    virtual ~Automation() = default;

    // Runs `script` once from the message loop of the next modal dialog, after the dialog has
    // been shown and has handled its first paint. A dialog the script leaves open is closed by
    // its close box.
    virtual void runWhenShown(std::function<void()> script) = 0;
    // Runs `action` once from whichever message loop next looks for messages, a message box's
    // included.
    virtual void post(std::function<void()> action) = 0;
    // The same, for an action that posts itself again while it waits for something (a window
    // yet to come up): it runs only after the loop has looked for the program's other events, so
    // that the loop can move on meanwhile.
    virtual void postAfterALook(std::function<void()> action) { post(std::move(action)); }
    // Handles everything pending (input, paints, posted actions) until nothing is left or a
    // bounded time has passed; a wait that runs out is told by trouble().
    virtual void pump() = 0;
    // Lets the program run for `span` with nobody at the keyboard: it handles whatever comes, and
    // should otherwise rest.
    virtual void idle(std::chrono::milliseconds span) = 0;

    // Whether Tab reaches every control (a page's keyboard), or only the WS_TABSTOP ones as
    // Windows' dialog manager moves it.
    virtual bool tabReachesEveryControl() const { return false; }
    virtual void postKey(Key key) = 0;                           // to the control with the focus
    virtual void type(int id, std::string_view characters) = 0;  // focuses `id`, a keystroke each
    virtual void click(int id) = 0;
    virtual void clickCloseBox() = 0;
    // Whether the dialog can be minimised (a page cannot), and minimising or restoring it.
    virtual bool canMinimise() const { return true; }
    virtual void setMinimised(bool minimised) = 0;

    virtual bool dialogRunning() = 0;                           // shown and not yet ended (EndDialog)
    virtual ControlState readControl(int id) = 0;               // id 0: the dialog itself
    virtual int focusedControl() = 0;                           // 0 when no control of the dialog has it
    virtual ControlColours colours(int id, unsigned kind) = 0;  // asked as a control of that kind
    virtual std::optional<Point> lastIconDrawn() = 0;           // on the dialog, as a minimised dialog does

    virtual std::optional<MessageBoxState> messageBox() = 0;  // the box showing now, if any
    virtual void answerMessageBox() = 0;                      // presses its OK
    virtual void answerQuestion(bool yes) = 0;                // presses Yes or No

    // Selects item `index` of the list `id` as a person's click on it does.
    virtual void selectItem(int id, int index) = 0;

    // The platform's file chooser showing now, if any, and choosing a file in it (typed into its
    // name field and opened) or, with nothing, cancelling it.
    virtual std::optional<FileChooserState> fileChooser() = 0;
    virtual void answerFileChooser(const std::optional<std::string>& file) = 0;

    // What went wrong in a wait since it was last asked (a dialog that never showed, a pump that
    // ran out of time with events still coming), in a sentence; empty when nothing did. Asking
    // clears it. A driver turns it into a failure: a wait never gives up quietly.
    std::string trouble() { return std::exchange(trouble_, {}); }

protected:
    void tell(std::string what) {
        if (trouble_.empty()) trouble_ = std::move(what);
    }

private:
    std::string trouble_;
};

// The automation of the backend this program was linked with.
Automation& CurrentAutomation();

}  // namespace vantry::framework
