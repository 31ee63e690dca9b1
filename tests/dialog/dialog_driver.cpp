#include "tests/dialog/dialog_driver.h"

#include <gtest/gtest.h>

using namespace vantry::framework;

// A test passes only if its script ran, to its end: a dialog that never came up, or a script
// cut short, would otherwise leave a test with nothing checked, and green.
std::intptr_t DialogDriver::run(CDialog& dialog, const std::function<void()>& script) {
    dialog_ = &dialog;
    bool started = false;
    bool finished = false;
    automation_.runWhenShown([&] {
        started = true;
        if (script) script();
        finished = true;
    });
    const std::intptr_t result = dialog.DoModal();
    dialog_ = nullptr;
    checkWaits();
    EXPECT_TRUE(started) << "the dialog never came up: its script did not run";
    if (!::testing::Test::HasFatalFailure()) {
        EXPECT_TRUE(finished) << "the dialog's script did not run to its end";
    }
    return result;
}

void DialogDriver::checkWaits() {
    if (const std::string trouble = automation_.trouble(); !trouble.empty()) ADD_FAILURE() << trouble;
}

void DialogDriver::type(int id, std::string_view keys) {
    automation_.type(id, keys);
    pump();
}

void DialogDriver::paste(int id, std::string_view text) {
    if (CWnd* control = dialog_ ? dialog_->GetDlgItem(id) : nullptr) control->SetWindowText(text);
}

// A box that a click or a key opens runs its own message loop; what is posted now runs there,
// reads the box and presses its OK. Each look answers one box: one that finds a box answered since
// it was posted (a look posted earlier took it) leaves the next box to the look posted for it. A
// box that is to come later is looked for again, after the loop has looked, until the deadline.
void DialogDriver::answerMessageBoxes(std::chrono::steady_clock::time_point deadline) {
    answerMessageBoxes(deadline, messageBoxes_.size());
}

void DialogDriver::answerMessageBoxes(std::chrono::steady_clock::time_point deadline, std::size_t answeredBefore) {
    const bool waits = deadline != std::chrono::steady_clock::time_point{};
    auto reader = [this, deadline, waits, answeredBefore] {
        if (messageBoxes_.size() != answeredBefore) return;
        const std::optional<MessageBoxState> box = automation_.messageBox();
        if (box) {
            messageBoxes_.push_back(box->caption + ": " + box->text);
            if (box->question) automation_.answerQuestion(questionAnswer_);
            else automation_.answerMessageBox();
        } else if (waits && std::chrono::steady_clock::now() < deadline) {
            answerMessageBoxes(deadline, answeredBefore);
        }
    };
    if (waits) automation_.postAfterALook(std::move(reader));
    else automation_.post(std::move(reader));
}

void DialogDriver::click(int id) {
    answerMessageBoxes();
    automation_.click(id);
    // The click returns once any box it opened has been answered and its loop has ended; a page's
    // box with OK holds no click, and the look posted for it answers it in a pump.
    if (automation_.messageBox()) automation_.pump();
    if (automation_.messageBox())
        ADD_FAILURE() << "a message box is still up after its OK: " << automation_.messageBox()->text;
}

void DialogDriver::pressKey(Key key) {
    answerMessageBoxes();
    automation_.postKey(key);
    pump();
}

void DialogDriver::clickCloseBox() {
    automation_.clickCloseBox();
    pump();  // Windows' dialog manager posts the Cancel that a close box means
}

void DialogDriver::pump() {
    automation_.pump();
    checkWaits();
}

void DialogDriver::minimise(bool minimised) {
    automation_.setMinimised(minimised);
    pump();
}

int DialogDriver::focusedId() { return automation_.focusedControl(); }

ControlState DialogDriver::control(int id) {
    ControlState state = automation_.readControl(id);
    // A control that is not there reads as empty text and no check mark, which a test could take
    // for what it expects.
    if (!state.exists) ADD_FAILURE() << "the dialog has no control " << id;
    return state;
}

ControlColours DialogDriver::colours(int id, unsigned kind) { return automation_.colours(id, kind); }

std::optional<Point> DialogDriver::lastIconDrawn() { return automation_.lastIconDrawn(); }
