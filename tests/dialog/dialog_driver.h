#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/framework/automation.h"
#include "ui/framework/framework.h"

// Acts on a dialog as a person does, through the automation of whichever backend the test
// program links: the same suite drives the in-memory dialog, the FLTK window, the Win32 one and
// the web page.
class DialogDriver {
public:
    using Automation = vantry::framework::Automation;
    using Key = vantry::framework::Key;

    // Runs dialog.DoModal(); `script` runs inside the modal run once the dialog has been shown
    // and painted. A run the script leaves open is ended by the close box. Returns DoModal's value.
    std::intptr_t run(vantry::framework::CDialog& dialog, const std::function<void()>& script);

    void type(int id, std::string_view keys);   // keystrokes into the control, then pumped
    void paste(int id, std::string_view text);  // the whole text replaced at once (WM_SETTEXT)
    void click(int id);                         // any message box it opens is read and answered
    void pressKey(Key key);                     // to the focused control, then pumped
    void clickCloseBox();                       // then pumped
    void pump();
    void minimise(bool minimised);
    int focusedId();
    vantry::framework::ControlState control(int id);
    vantry::framework::ControlColours colours(int id, unsigned kind);
    std::optional<vantry::framework::Point> lastIconDrawn();

    // How the question boxes a click or a key opens are answered: Yes, unless a test says No.
    void answerQuestionsWith(bool yes) { questionAnswer_ = yes; }

    // Every message box shown since the driver was made, as "caption: text", each answered OK.
    const std::vector<std::string>& messageBoxes() const { return messageBoxes_; }

    Automation& automation() { return automation_; }

    // Reads and answers the message box that the next loop to look finds up; a click or a key does
    // this itself. A box that comes after another modal window (a file chooser) is looked for
    // again until `deadline`.
    void answerMessageBoxes(std::chrono::steady_clock::time_point deadline = {});

private:
    void answerMessageBoxes(std::chrono::steady_clock::time_point deadline, std::size_t answeredBefore);
    // A wait of the automation that ran out is a failure, said in its own words.
    void checkWaits();

    Automation& automation_ = vantry::framework::CurrentAutomation();
    vantry::framework::CDialog* dialog_ = nullptr;
    std::vector<std::string> messageBoxes_;
    bool questionAnswer_ = true;
};
