#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "../backend.h"
#include "edit_rules.h"
#include "list_box_storage.h"

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

    const ControlTemplate& layout;
    ListBoxStorage list;  // a list box's lines
    int textLimit = kDefaultEditTextLimit;  // an edit's: the most characters a person may enter
};

template <class Control>
class EmulatedDialog : public WindowPeer {
public:
    EmulatedDialog(const DialogTemplate& dialogLayout, DialogEvents& dialogEvents)
        : layout(dialogLayout), events(dialogEvents) {}

    WindowPeer* child(int id) override { return control(id); }

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

    bool paintPending() const { return paintPending_; }

    const DialogTemplate& layout;
    DialogEvents& events;
    std::vector<std::unique_ptr<Control>> controls;  // in template order
    bool ended = false;                              // EndDialog was called
    std::intptr_t result = 0;                        // what it was called with

private:
    bool paintPending_ = false;
    bool painting_ = false;
};

}  // namespace vantry::framework
