#pragma once

#include "ui/vantry_dlg.h"

// The dialog's state as the tests read it: the exact stored values behind the fields' display
// formats. Only the tests include this.

namespace vantry::app {

struct VantryDlgInspection {
    static const CalculatorState& state(const CVantryDlg& dialog) { return dialog.state_; }
    static const framework::DialogTemplate& layout(const CVantryDlg& dialog) { return dialog.layout_.dialogTemplate(); }
};

}  // namespace vantry::app
