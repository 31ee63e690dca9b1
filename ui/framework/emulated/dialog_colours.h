#pragma once

#include "ui/framework/emulated/control_styles.h"
#include "ui/framework/emulated/emulated_gdi.h"
#include "ui/framework/emulated/emulated_peers.h"

// The colours of a dialog whose controls a backend draws itself. Windows asks the dialog for each
// control's background (WM_CTLCOLOR*) just before the control paints; a backend that draws
// elsewhere asks once, when the dialog is shown, the same questions in the same words.

namespace vantry::framework {

// The WM_CTLCOLOR* a control of `kind` asks with. A check box is a button drawn as static text.
constexpr unsigned CtlColorKind(ControlKind kind) {
    switch (kind) {
        case ControlKind::Edit: return CtlColor::Edit;
        case ControlKind::ListBox: return CtlColor::ListBox;
        case ControlKind::PushButton: return CtlColor::Button;
        case ControlKind::CheckBox:
        case ControlKind::Static: break;
    }
    return CtlColor::Static;
}

// Hands `paint` the brush colour the dialog gives itself (control nullptr), then each control's
// that gets a brush. A raised push button keeps its own face, as Windows draws one whatever its
// colour message answers; only a flat button shows the colour it is given.
template <class Control, class Paint>
void ApplyDialogColours(EmulatedGdiBackend& gdi, EmulatedDialog<Control>& dialog, Paint paint) {
    paint(static_cast<Control*>(nullptr), gdi.askColours(dialog.events, nullptr, CtlColor::Dialog).brush);
    for (auto& control : dialog.controls) {
        const ControlTemplate& layout = control->layout;
        if (layout.kind == ControlKind::PushButton && !IsFlatButton(layout)) continue;
        const Colour brush = gdi.askColours(dialog.events, control.get(), CtlColorKind(layout.kind)).brush;
        if (brush != EmulatedGdiBackend::kNoBrush) paint(control.get(), brush);
    }
}

}  // namespace vantry::framework
