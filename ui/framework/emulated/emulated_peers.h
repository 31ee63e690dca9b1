#pragma once

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "ui/framework/backend.h"
#include "ui/framework/emulated/edit_rules.h"
#include "ui/framework/emulated/list_box_storage.h"

// What the windows of every backend that is not Windows have in common: a dialog that owns one
// control for each entry of its template, found by identifier as GetDlgItem finds it, with its
// paint queued as Windows queues WM_PAINT; and controls that have no children of their own and
// are never minimised.

namespace vantry::framework {

class EmulatedControl : public WindowPeer {
public:
    explicit EmulatedControl(const ControlTemplate& controlLayout) : layout(controlLayout) {}

    WindowPeer* child(int) override { return nullptr; }
    bool isIconic() const override { return false; }

    // The messages the dialog sends its controls (EM_*, LB_*, BM_*), answered here once as
    // Windows' controls answer them; a backend supplies only the widget steps below.
    LResult send(MessageId message, WParam wParam, LParam lParam) override;

    const ControlTemplate& layout;
    ListBoxStorage list;                    // a list box's lines
    int textLimit = kDefaultEditTextLimit;  // an edit's: the most characters a person may enter

protected:
    // An edit's selection, in order; where its caret stands; its length; a new selection, the
    // caret at its end; the caret brought into view; the most a person may enter.
    virtual EditSelection editSelection() const { return {}; }
    virtual int editCaret() const { return 0; }
    virtual int editLength() const { return 0; }
    virtual void selectInEdit(EditSelection) {}
    virtual void scrollCaretIntoView() {}
    virtual void limitEditText(int) {}
    virtual void showLineNotes(const char* /*"LINE\tNOTE" lines*/) {}
    // A list box's lines changed in its storage: the widget shows them.
    virtual void listEmptied() {}
    virtual void listLineAdded(const char*) {}
    virtual void listSelectionChanged(int /*index, -1 for none*/) {}
    // A button's check mark.
    virtual void showCheckMark(bool) {}
    virtual bool checkMarkShown() const { return false; }
};

template <class Control>
class EmulatedDialog : public WindowPeer {
public:
    EmulatedDialog(const DialogTemplate& dialogLayout, DialogEvents& dialogEvents)
        : layout(dialogLayout), events(dialogEvents) {}

    WindowPeer* child(int id) override { return control(id); }

    // WM_SETICON (the previous icon of that size back) and WM_ICONERASEBKGND; a backend shows an
    // icon it is given through showIcon.
    LResult send(MessageId message, WParam wParam, LParam lParam) override {
        if (message == Msg::SetIcon) {
            IconHandle& slot = wParam == kIconBig ? bigIcon_ : smallIcon_;
            const IconHandle previous = std::exchange(slot, reinterpret_cast<IconHandle>(lParam));
            showIcon(slot, wParam == kIconBig);
            return reinterpret_cast<LResult>(previous);
        }
        return message == Msg::IconEraseBackground ? 1 : 0;
    }

    // While a modal box it owns is up, or it waits for another program, the dialog takes no
    // input and no focus, as a disabled owner window on Windows.
    bool acceptsInput() const { return !disabled && !ended; }

    Control* control(int id) {
        for (auto& c : controls)
            if (c->layout.id == id) return c.get();
        return nullptr;
    }

    // InvalidateRect: one paint is pending from now, however often the window is invalidated,
    // until the message loop delivers it. Invalidating from inside the paint changes nothing,
    // since the paint is drawing it already. Returns whether the paint has only now become
    // pending, when the backend must ask its loop to deliver it.
    bool queuePaint() {
        if (ended || painting_ || paintPending_) return false;
        paintPending_ = true;
        return true;
    }

    // WM_PAINT: the pending paint, if any, handed to the dialog. Returns whether it was.
    bool deliverPaint() {
        if (ended || painting_ || !paintPending_) return false;
        paintPending_ = false;
        painting_ = true;
        events.paint();
        painting_ = false;
        return true;
    }

    const DialogTemplate& layout;
    DialogEvents& events;
    std::vector<std::unique_ptr<Control>> controls;  // in template order
    bool ended = false;                              // EndDialog was called
    std::intptr_t result = 0;                        // what it was called with
    bool disabled = false;                           // see acceptsInput

protected:
    virtual void showIcon(IconHandle, bool /*big*/) {}

private:
    friend class EmulatedInspection;  // the tests' look inside (emulated_inspection.h)

    IconHandle bigIcon_ = nullptr;
    IconHandle smallIcon_ = nullptr;
    bool paintPending_ = false;
    bool painting_ = false;
};

}  // namespace vantry::framework
