#pragma once

#include "ui/framework/dialog_template.h"
#include "ui/framework/window_types.h"

// What a control's style bits say, read here once for every backend that draws controls itself.

namespace vantry::framework {

// BS_DEFPUSHBUTTON: the dialog manager's candidate for the default button (a flat one too).
inline bool HasDefaultButtonStyle(const ControlTemplate& c) {
    return c.kind == ControlKind::PushButton && (c.style & Style::BsTypeMask) == Style::BsDefPushButton;
}

// BS_FLAT: a push button with no raised face, that reads as text on the dialog.
inline bool IsFlatButton(const ControlTemplate& c) {
    return c.kind == ControlKind::PushButton && (c.style & Style::BsFlat) != 0;
}

// The dark frame a default push button is drawn with (not a flat one).
inline bool IsFramedAsDefault(const ControlTemplate& c) { return HasDefaultButtonStyle(c) && !IsFlatButton(c); }

// BS_AUTOCHECKBOX: a check box that turns its own mark over when clicked.
inline bool IsAutoCheckBox(const ControlTemplate& c) {
    return c.kind == ControlKind::CheckBox && (c.style & Style::BsTypeMask) == Style::BsAutoCheckBox;
}

// SS_CENTERIMAGE: a static text centred between its top and bottom.
inline bool IsCentredVertically(const ControlTemplate& c) {
    return c.kind == ControlKind::Static && (c.style & Style::SsCenterImage) != 0;
}

// ES_NUMBER: an edit that takes only digits.
inline bool IsDigitsOnly(const ControlTemplate& c) {
    return c.kind == ControlKind::Edit && (c.style & Style::EsNumber) != 0;
}

// ES_MULTILINE: an edit of many lines.
inline bool IsMultiLine(const ControlTemplate& c) {
    return c.kind == ControlKind::Edit && (c.style & Style::EsMultiLine) != 0;
}

// A list box without LBS_NOSEL: one of its lines can be selected.
inline bool SelectsALine(const ControlTemplate& c) {
    return c.kind == ControlKind::ListBox && (c.style & Style::LbsNoSel) == 0;
}

}  // namespace vantry::framework
