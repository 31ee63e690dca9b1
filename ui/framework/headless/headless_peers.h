#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "../automation.h"
#include "../backend.h"
#include "../emulated/edit_rules.h"
#include "../emulated/list_box_storage.h"

// The windows of the in-memory backend: the dialog and its controls, keeping the state Windows
// keeps for them and answering the dialog's messages as Windows does. They also count what the
// dialog did to them, for the tests that look at the traffic itself.

namespace vantry::framework {

class HeadlessDialog;

class HeadlessControl : public WindowPeer {
public:
    HeadlessControl(HeadlessDialog& dialog, const ControlTemplate& control);

    WindowPeer* child(int) override { return nullptr; }
    void setText(std::string_view text) override;
    int getText(char* buffer, int maxCount) const override;
    void setFocus() override;
    LResult send(MessageId message, WParam wParam, LParam lParam) override;
    void invalidate(bool) override {}
    void update() override { ++updates; }
    bool isIconic() const override { return false; }
    Rect clientRect() const override { return Rect{0, 0, layout.width, layout.height}; }

    void typeCharacter(char key);  // replaces the selection, as a keystroke does
    void click();                  // an auto check box toggles itself, then the dialog hears BN_CLICKED

    const ControlTemplate& layout;
    std::string text;
    EditSelection selection;
    int check = kCheckCleared;
    ListBoxStorage list;

    int updates = 0;       // UpdateWindow calls
    int caretScrolls = 0;  // EM_SCROLLCARET calls
    std::vector<std::pair<WParam, LParam>> storageRequests;  // LB_INITSTORAGE items and bytes

private:
    HeadlessDialog& dialog_;
};

class HeadlessDialog : public WindowPeer {
public:
    HeadlessDialog(const DialogTemplate& dialogTemplate, DialogEvents& events);

    WindowPeer* child(int id) override { return control(id); }
    void setText(std::string_view text) override { caption = text; }
    int getText(char* buffer, int maxCount) const override;
    void setFocus() override { focusedId = 0; }
    LResult send(MessageId message, WParam wParam, LParam lParam) override;
    void invalidate(bool) override { paintPending = true; }
    void update() override { deliverPendingPaints(); }
    bool isIconic() const override { return iconic; }
    Rect clientRect() const override;

    HeadlessControl* control(int id);
    void deliverPendingPaints();
    // The dialog manager's keyboard: Tab to the next tab stop, Enter to the default button,
    // Escape to IDCANCEL.
    void pressKey(Key key);

    const DialogTemplate& layout;
    DialogEvents& events;
    std::string caption;
    std::vector<std::unique_ptr<HeadlessControl>> controls;
    int focusedId = 0;
    bool paintPending = false;
    bool iconic = false;
    bool ended = false;
    std::intptr_t result = 0;
    int paints = 0;
    int iconErasures = 0;
    IconHandle bigIcon = nullptr;
    IconHandle smallIcon = nullptr;
};

}  // namespace vantry::framework
