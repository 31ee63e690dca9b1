#include "ui/framework/automation.h"
#include "ui/framework/headless/headless_backend.h"
#include "ui/framework/posted_actions.h"
#include "ui/framework/recording_backend.h"

// Drives the in-memory dialog as a person would drive the real one. The tests' program runs this
// backend: the in-memory one, whose modal loop runs the script it is given.

namespace vantry::framework {

namespace {

class AutomatedHeadlessBackend : public IconRecordingBackend<HeadlessBackend> {
public:
    NextDialogScript whenShown;  // runs once, in the next modal loop
    PostedActions posted;        // run by whichever loop looks next, a message box's too

protected:
    void runMessageLoop(HeadlessDialog&) override {
        if (const std::function<void()> once = whenShown.take()) once();
    }

    void runMessageBoxLoop() override { posted.runAll(); }
};

AutomatedHeadlessBackend theBackend;

DialogKey dialogKey(Key key) {
    switch (key) {
        case Key::Tab: return DialogKey::Tab;
        case Key::BackTab: return DialogKey::BackTab;
        case Key::Enter: return DialogKey::Enter;
        case Key::Escape: break;
    }
    return DialogKey::Escape;
}

class HeadlessAutomation : public Automation {
public:
    void runWhenShown(std::function<void()> script) override { backend_.whenShown.set(std::move(script)); }
    void post(std::function<void()> action) override { backend_.posted.post(std::move(action)); }

    void pump() override {
        if (HeadlessDialog* dialog = backend_.runningDialog()) dialog->deliverPendingPaints();
        backend_.posted.runAll();
        if (HeadlessDialog* dialog = backend_.runningDialog()) dialog->deliverPendingPaints();
    }

    void idle(std::chrono::milliseconds) override { pump(); }  // nothing else ever comes

    void postKey(Key key) override {
        if (HeadlessDialog* dialog = backend_.runningDialog()) dialog->pressKey(dialogKey(key));
    }

    void type(int id, std::string_view characters) override {
        HeadlessControl* control = controlOf(id);
        if (control == nullptr) return;
        control->setFocus();
        for (char c : characters) control->typeCharacter(c);
    }

    void click(int id) override {
        if (HeadlessControl* control = controlOf(id)) control->click();
    }

    void clickCloseBox() override {
        // WM_CLOSE reaches the dialog manager, which answers it as IDCANCEL.
        if (HeadlessDialog* dialog = backend_.runningDialog()) dialog->events.command(kIdCancel);
    }

    void setMinimised(bool minimised) override {
        if (HeadlessDialog* dialog = backend_.runningDialog()) {
            dialog->iconic = minimised;
            dialog->invalidate(true);
        }
    }

    bool dialogRunning() override { return backend_.runningDialog() != nullptr; }

    ControlState readControl(int id) override {
        HeadlessDialog* dialog = backend_.dialog();
        if (dialog == nullptr) return {};
        if (id == 0) return {true, dialog->caption, false, dialog->focusedId == 0, dialog->clientRect()};
        HeadlessControl* control = dialog->control(id);
        if (control == nullptr) return {};
        const ControlTemplate& t = control->layout;
        constexpr int kScale = HeadlessDialog::kPixelsPerUnit;
        return {true, control->text, control->check == kCheckSet, dialog->focusedId == id,
                Rect{t.x * kScale, t.y * kScale, (t.x + t.width) * kScale, (t.y + t.height) * kScale}};
    }

    int focusedControl() override { return backend_.dialog() ? backend_.dialog()->focusedId : 0; }

    ControlColours colours(int id, unsigned kind) override {
        HeadlessDialog* dialog = backend_.dialog();
        if (dialog == nullptr) return {};
        return backend_.askColours(dialog->events, dialog->control(id), kind);
    }

    std::optional<Point> lastIconDrawn() override { return backend_.lastIconDrawn(); }
    // An in-memory box has its OK and is always above the dialog that owns it.
    std::optional<MessageBoxState> messageBox() override {
        const std::optional<HeadlessMessageBox>& box = backend_.openMessageBox();
        if (!box) return std::nullopt;
        const bool question = (box->type & BoxType::ButtonsMask) == BoxType::YesNo;
        return MessageBoxState{box->caption, box->text, !question, true, question};
    }
    void answerMessageBox() override { backend_.closeMessageBox(kIdOk); }
    void answerQuestion(bool yes) override { backend_.closeMessageBox(yes ? kIdYes : kIdNo); }

    void selectItem(int id, int index) override {
        if (HeadlessControl* control = controlOf(id)) {
            control->setFocus();
            control->list.select(index);
        }
    }

    std::optional<FileChooserState> fileChooser() override {
        const std::optional<HeadlessFileChooser>& chooser = backend_.openFileChooser();
        if (!chooser || chooser->answered) return std::nullopt;
        return FileChooserState{chooser->title};
    }
    void answerFileChooser(const std::optional<std::string>& file) override { backend_.answerFileChooser(file); }

private:
    HeadlessControl* controlOf(int id) {
        HeadlessDialog* dialog = backend_.runningDialog();
        return dialog ? dialog->control(id) : nullptr;
    }

    AutomatedHeadlessBackend& backend_ = theBackend;
};

}  // namespace

HeadlessBackend& TheHeadlessBackend() { return theBackend; }

Automation& CurrentAutomation() {
    static HeadlessAutomation automation;
    return automation;
}

}  // namespace vantry::framework
