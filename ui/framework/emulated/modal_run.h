#pragma once

#include <cstdint>

#include "ui/framework/backend.h"
#include "ui/framework/emulated/dialog_manager.h"

// The modal run a backend that is not Windows makes of a dialog, as DialogBoxParam makes it:
// WM_INITDIALOG (the first tab stop focused when it answers TRUE), the dialog shown with its
// colours asked and its first paint pending, the backend's own loop until EndDialog, WM_DESTROY.
// A backend supplies how it shows the dialog and how it waits.

namespace vantry::framework {

template <class Dialog, class Show, class Wait>
std::intptr_t RunModalDialog(Dialog& dialog, DialogEvents& events, Show&& show, Wait&& waitForTheEnd) {
    if (events.initDialog(dialog)) FocusFirstTabStop(dialog, dialog.layout);
    show();
    waitForTheEnd();
    events.destroyed();
    return dialog.result;
}

}  // namespace vantry::framework
