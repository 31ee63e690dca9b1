#pragma once

#include <FL/Fl_Button.H>

namespace vantry::framework {

// A check box drawn as Windows draws one: a 13-pixel square, a small gap, then the label, so that
// the template's widths hold their texts. A BS_AUTOCHECKBOX turns its own mark over when
// clicked; any other leaves its mark to the dialog.
class CheckBox : public Fl_Button {
public:
    static constexpr int kSquare = 13;
    static constexpr int kGap = 4;

    CheckBox(int x, int y, int w, int h, bool turnsItsOwnMark) : Fl_Button(x, y, w, h) {
        type(turnsItsOwnMark ? FL_TOGGLE_BUTTON : FL_NORMAL_BUTTON);
    }

    void draw() override;
};

}  // namespace vantry::framework
