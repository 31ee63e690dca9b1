#include "dialog_driver.h"

using namespace vantry::framework;

std::intptr_t DialogDriver::run(CDialog& dialog, const std::function<void()>& script) {
    dialog_ = &dialog;
    automation_.runWhenShown(script ? script : [] {});
    const std::intptr_t result = dialog.DoModal();
    dialog_ = nullptr;
    return result;
}

void DialogDriver::type(int id, std::string_view keys) {
    automation_.type(id, keys);
    automation_.pump();
}

void DialogDriver::paste(int id, std::string_view text) {
    if (CWnd* control = dialog_ ? dialog_->GetDlgItem(id) : nullptr) control->SetWindowText(text);
}

// A box that a click or a key opens runs its own message loop; what is posted now runs there,
// reads the box and presses its OK.
void DialogDriver::answerMessageBoxes() {
    automation_.post([this] {
        if (const std::optional<MessageBoxState> box = automation_.messageBox()) {
            messageBoxes_.push_back(box->caption + ": " + box->text);
            automation_.answerMessageBox();
        }
    });
}

void DialogDriver::click(int id) {
    answerMessageBoxes();
    automation_.click(id);
}

void DialogDriver::pressKey(Key key) {
    answerMessageBoxes();
    automation_.postKey(key);
    automation_.pump();
}

void DialogDriver::clickCloseBox() { automation_.clickCloseBox(); }

void DialogDriver::pump() { automation_.pump(); }

void DialogDriver::minimise(bool minimised) {
    automation_.setMinimised(minimised);
    automation_.pump();
}

int DialogDriver::focusedId() { return automation_.focusedControl(); }

ControlState DialogDriver::control(int id) { return automation_.readControl(id); }

ControlColours DialogDriver::colours(int id, unsigned kind) { return automation_.colours(id, kind); }

std::optional<Point> DialogDriver::lastIconDrawn() { return automation_.lastIconDrawn(); }
