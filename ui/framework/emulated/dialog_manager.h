#pragma once

#include "../backend.h"
#include "../dialog_template.h"

// The parts of Windows' dialog manager that a backend without it reproduces: which button
// answers Enter, the order Tab moves the focus in, and what Tab, Enter and Esc do.

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

// The keys the dialog manager answers itself (IsDialogMessage).
enum class DialogKey { Tab, BackTab, Enter, Escape };

// What the dialog manager does with `key` while the control `focusedId` has the focus (0: none):
// Tab and Shift+Tab move the focus to the next or previous tab stop, selecting an edit's whole
// text; Enter presses the default button (IDOK when there is none); Esc is IDCANCEL.
void HandleDialogKey(WindowPeer& dialog, const DialogTemplate& layout, DialogEvents& events, DialogKey key,
                     int focusedId);

}  // namespace vantry::framework
