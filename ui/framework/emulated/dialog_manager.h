#pragma once

#include "../backend.h"
#include "../dialog_template.h"

// The parts of Windows' dialog manager that a backend without it reproduces: which button
// answers Enter, and the order Tab moves the focus in.

namespace vantry::framework {

// The button the dialog manager makes the default: the last BS_DEFPUSHBUTTON in template order.
// 0 when there is none.
int DefaultButtonId(const DialogTemplate& dialog);

// The first WS_TABSTOP control in template order, or nullptr.
const ControlTemplate* FirstTabStop(const DialogTemplate& dialog);

// What the dialog manager does when WM_INITDIALOG answers TRUE: the first tab stop takes the
// focus, an edit's text selected whole, so that typing replaces it.
void FocusFirstTabStop(WindowPeer& dialog, const DialogTemplate& layout);

// The WS_TABSTOP control after (or, backwards, before) the control `id` in template order,
// wrapping round; the first tab stop when `id` is not one.
const ControlTemplate* NextTabStop(const DialogTemplate& dialog, int id, bool backwards = false);

// Whether clicking the control toggles its own check mark (BS_AUTOCHECKBOX).
bool IsAutoCheckBox(const ControlTemplate& control);

}  // namespace vantry::framework
