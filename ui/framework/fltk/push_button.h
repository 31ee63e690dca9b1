#pragma once

#include <FL/Fl_Button.H>

namespace vantry::framework {

// A Windows push button. A BS_DEFPUSHBUTTON button is drawn with the dark frame of a default
// button. Enter is the dialog manager's, which presses the default button.
class PushButton : public Fl_Button {
public:
    PushButton(int x, int y, int w, int h, bool framedAsDefault)
        : Fl_Button(x, y, w, h), framedAsDefault_(framedAsDefault) {}

    void draw() override;

private:
    bool framedAsDefault_;
};

}  // namespace vantry::framework
