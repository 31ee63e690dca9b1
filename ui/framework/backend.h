#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "ui/framework/dialog_template.h"
#include "ui/framework/resources.h"
#include "ui/framework/window_types.h"

// What a backend (Win32, FLTK, the web page, or the in-memory one of the tests) supplies to the
// framework. The dialog code never sees this header's implementations; it talks to CWnd /
// CDialog, which forward here.

namespace vantry::framework {

// One window of the backend: the dialog itself or one of its controls.
class WindowPeer {
public:
    virtual ~WindowPeer() = default;

    virtual WindowPeer* child(int id) = 0;  // nullptr when the dialog has no such control
    virtual void setText(std::string_view text) = 0;
    // Copies at most maxCount - 1 characters and always terminates; returns the count copied.
    virtual int getText(char* buffer, int maxCount) const = 0;
    virtual void setFocus() = 0;
    virtual LResult send(MessageId message, WParam wParam, LParam lParam) = 0;
    virtual void invalidate(bool erase) = 0;  // queues a paint of the whole window
    virtual void update() = 0;                // paints at once what is pending
    virtual bool isIconic() const = 0;
    virtual Rect clientRect() const = 0;
};

// The messages a backend delivers to a dialog, answered by CDialog.
class DialogEvents {
public:
    virtual ~DialogEvents() = default;

    virtual bool initDialog(WindowPeer& dialog) = 0;  // the window and its controls exist
    virtual void paint() = 0;
    virtual IconHandle queryDragIcon() = 0;
    virtual BrushHandle ctlColor(DcHandle dc, WindowPeer* control, unsigned kind) = 0;
    virtual void command(int id) = 0;  // BN_CLICKED, or IDOK / IDCANCEL from the dialog manager
    virtual void destroyed() = 0;      // the window is gone; no peer may be used after this
    // EN_CHANGE: a person changed the text of the edit `id`. Only a backend that asks a dialog's
    // own window to edit text (the page) sends it.
    virtual void editChanged(int /*id*/) {}
    // WM_DROPFILES, for one file: a person dropped the file now at `path` on the dialog.
    virtual void fileDropped(const std::string& /*path*/) {}
};

class Backend {
public:
    virtual ~Backend() = default;

    // Creates the dialog from its template and runs it modally; returns the value given to
    // endModal, or -1 when the dialog could not be created.
    virtual std::intptr_t runModal(const DialogTemplate& dialog, DialogEvents& events) = 0;
    virtual void endModal(WindowPeer& dialog, std::intptr_t result) = 0;

    // LoadIconW on the module's icon group; nullptr when it has none of that number.
    virtual IconHandle loadIcon(const ResourceModule& module, int resourceId) = 0;
    virtual BrushHandle createSolidBrush(Colour colour) = 0;
    virtual void deleteBrush(BrushHandle brush) = 0;
    virtual int systemMetric(int index) = 0;

    virtual DcHandle beginPaint(WindowPeer& window) = 0;
    virtual void endPaint(WindowPeer& window, DcHandle dc) = 0;
    virtual void defaultPaint(WindowPeer& window) = 0;  // the framework's own painting
    virtual void setBackgroundColour(DcHandle dc, Colour colour) = 0;
    virtual void drawIcon(DcHandle dc, int x, int y, IconHandle icon) = 0;

    // A modal box owned by `owner`, with one OK button (BoxType::Ok) or Yes and No (BoxType::YesNo),
    // and the sign `type` names; returns the button pressed: IDOK, IDYES or IDNO. A Yes/No box
    // closed any other way answers IDNO.
    virtual int messageBox(WindowPeer* owner, std::string_view text, std::string_view caption, unsigned type) = 0;

    // The platform's own chooser of a file to open, modal over `owner`, offering the files whose
    // names match `pattern` ("*.toml") first: the file chosen, or nothing when it was cancelled.
    virtual std::optional<std::string> chooseFileToOpen(WindowPeer* owner, std::string_view title,
                                                        std::string_view pattern) = 0;

    // A running dialog whose template changed from control `first` on (controls added or taken
    // away at the end, the dialog's size): the controls from `first` on are destroyed, then made
    // again from the template the dialog was run with, now rewritten, and the dialog takes the
    // template's size. The controls before `first` keep everything, their state and the focus.
    virtual void removeControlsFrom(WindowPeer& dialog, std::size_t first) = 0;
    virtual void addControlsFrom(WindowPeer& dialog, std::size_t first) = 0;

    // Waits as a modal loop waits, while `running` answers true (asked at least every 50 ms): the
    // program's windows are painted but take no input, which is dropped, not kept for later. May
    // return early when the program is ending.
    virtual void waitWhile(const std::function<bool()>& running) = 0;
};

// The backend this program was linked with. Each backend's entry point (*_main.cpp) supplies
// it, or, in a test program, the backend's automation (*_automation.cpp).
Backend& CurrentBackend();

// The framework's start-up, called by the backend's entry point: runs InitInstance of the one
// application object and returns the program's exit status.
int RunApplication();

}  // namespace vantry::framework
