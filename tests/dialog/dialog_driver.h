#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/framework.h"

// What the behaviour suite needs from a backend to act as a user and to look at what cannot be
// read through the framework layer. Each backend's test program supplies MakeDialogDriver(), so
// the very same suite runs in memory, in a real FLTK window and on real Win32 controls.
class DialogDriver {
public:
    virtual ~DialogDriver() = default;

    // Runs dialog.DoModal(); `script` runs inside the modal run once the dialog has been shown
    // and painted. A run the script leaves open is ended by the close box. Returns DoModal's value.
    virtual std::intptr_t run(CDialog& dialog, const std::function<void()>& script) = 0;

    virtual void type(int id, std::string_view keys) = 0;     // keystrokes into the control
    virtual void paste(int id, std::string_view text) = 0;    // the whole text replaced at once
    virtual void click(int id) = 0;
    virtual void pressEscape() = 0;
    virtual void clickCloseBox() = 0;
    virtual void pump() = 0;                                   // lets queued paints happen
    virtual void minimise(bool minimised) = 0;
    virtual int focusedId() = 0;                               // 0 when no control has the focus

    struct Colours {
        Colour background;  // what the handler set on the device context
        Colour brush;       // the colour of the brush it returned
    };
    virtual Colours colours(int id, unsigned kind) = 0;

    struct DrawnIcon {
        int x;
        int y;
    };
    virtual std::vector<DrawnIcon> drawnIcons() = 0;  // icons drawn on the dialog since it opened
    virtual std::vector<std::string> messageBoxes() = 0;  // "caption: text" of each, dismissed at once

    // Failures only an in-memory list can be made to give; false where the backend cannot.
    virtual bool refuseListStorage() = 0;          // the next LB_INITSTORAGE answers LB_ERRSPACE
    virtual bool refuseListLine(int nthFromNow) = 0;  // that LB_ADDSTRING answers LB_ERRSPACE
};

std::unique_ptr<DialogDriver> MakeDialogDriver();
