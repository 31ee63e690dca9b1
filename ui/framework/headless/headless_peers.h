#pragma once

#include <string>
#include <utility>
#include <vector>

#include "ui/framework/backend.h"
#include "ui/framework/emulated/dialog_manager.h"
#include "ui/framework/emulated/edit_rules.h"
#include "ui/framework/emulated/emulated_peers.h"

// The windows of the in-memory backend: the dialog and its controls, keeping the state Windows
// keeps for them and answering the dialog's messages as Windows does. They also count what the
// dialog did to them, for the tests that look at the traffic itself.

namespace vantry::framework {

class HeadlessDialog;

class HeadlessControl : public EmulatedControl {
public:
    HeadlessControl(HeadlessDialog& dialog, const ControlTemplate& control);

    void setText(std::string_view text) override;
    int getText(char* buffer, int maxCount) const override;
    void setFocus() override;
    LResult send(MessageId message, WParam wParam, LParam lParam) override;
    void invalidate(bool) override {}
    void update() override { ++updates; }
    Rect clientRect() const override { return Rect{0, 0, layout.width, layout.height}; }

    void typeCharacter(char key);  // replaces the selection, as a keystroke does
    void click();                  // an auto check box toggles itself, then the dialog hears BN_CLICKED

    std::string text;
    EditSelection selection;
    int check = kCheckCleared;

    int updates = 0;                                         // UpdateWindow calls
    int caretScrolls = 0;                                    // EM_SCROLLCARET calls
    std::vector<std::pair<WParam, LParam>> storageRequests;  // LB_INITSTORAGE items and bytes

    // A list box out of memory, on demand: LB_INITSTORAGE answers LB_ERRSPACE, and the n-th
    // LB_ADDSTRING from now (1 is the next) is refused with LB_ERRSPACE.
    bool refuseStorage = false;
    int refuseNthAdd = 0;

protected:
    EditSelection editSelection() const override { return selection; }
    int editCaret() const override { return selection.end; }
    int editLength() const override { return static_cast<int>(text.size()); }
    void selectInEdit(EditSelection wanted) override { selection = wanted; }
    void scrollCaretIntoView() override { ++caretScrolls; }
    void showCheckMark(bool set) override { check = set ? kCheckSet : kCheckCleared; }
    bool checkMarkShown() const override { return check == kCheckSet; }

private:
    HeadlessDialog& dialog_;
};

class HeadlessDialog : public EmulatedDialog<HeadlessControl> {
public:
    HeadlessDialog(const DialogTemplate& dialogTemplate, DialogEvents& events);

    void setText(std::string_view text) override { caption = text; }
    int getText(char* buffer, int maxCount) const override;
    void setFocus() override { focusedId = 0; }
    void invalidate(bool) override { queuePaint(); }
    void update() override { deliverPendingPaints(); }
    bool isIconic() const override { return iconic; }
    Rect clientRect() const override;

    void deliverPendingPaints();
    void removeControlsFrom(std::size_t first);
    void addControlsFrom(std::size_t first);
    void pressKey(DialogKey key) { HandleDialogKey(*this, layout, events, key, focusedId); }

    static constexpr int kPixelsPerUnit = 2;  // the in-memory dialog's own scale

    std::string caption;
    int focusedId = 0;
    bool iconic = false;
    int paints = 0;
    IconHandle bigIcon = nullptr;
    IconHandle smallIcon = nullptr;

protected:
    void showIcon(IconHandle icon, bool big) override { (big ? bigIcon : smallIcon) = icon; }
};

}  // namespace vantry::framework
