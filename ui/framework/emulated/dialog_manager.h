#pragma once

#include <vector>

#include "ui/framework/backend.h"
#include "ui/framework/dialog_template.h"

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

// How Tab and Enter treat the controls. Windows' dialog manager moves Tab among the WS_TABSTOP
// controls only, and answers Enter with the default button wherever the focus is. A web page must
// let every control be reached and used from the keyboard alone.
struct KeyboardRules {
    // After the tab stops, Tab reaches the check boxes, the push buttons (not a flat one, which
    // reads as text) and the list boxes, each kind in template order.
    bool tabToEveryControl = false;
    // Enter on a focused push button presses that button, as Space does.
    bool enterPressesFocusedButton = false;
};
inline constexpr KeyboardRules kWindowsKeyboard{};
inline constexpr KeyboardRules kPageKeyboard{true, true};

// The controls Tab moves among, in the order it moves.
std::vector<const ControlTemplate*> TabCycle(const DialogTemplate& dialog, const KeyboardRules& rules);

// The control after (or, backwards, before) the control `id` in the Tab cycle, wrapping round;
// the first of the cycle when `id` is not in it.
const ControlTemplate* NextTabStop(const DialogTemplate& dialog, int id, bool backwards = false,
                                   const KeyboardRules& rules = kWindowsKeyboard);

// The keys the dialog manager answers itself (IsDialogMessage).
enum class DialogKey { Tab, BackTab, Enter, Escape };

// What the dialog manager does with `key` while the control `focusedId` has the focus (0: none):
// Tab and Shift+Tab move the focus to the next or previous control of the Tab cycle, selecting an
// edit's whole text; Enter presses the default button (IDOK when there is none), or under the
// page's rules a focused push button; Esc is IDCANCEL.
void HandleDialogKey(WindowPeer& dialog, const DialogTemplate& layout, DialogEvents& events, DialogKey key,
                     int focusedId, const KeyboardRules& rules = kWindowsKeyboard);

}  // namespace vantry::framework
