#pragma once

#include <functional>
#include <string>
#include <vector>

#include "../backend.h"

// The real thing: the dialog from resource 102 on USER32 / GDI32, every operation passed
// straight through. This header stays free of <windows.h>, whose macros would rename the
// framework's methods (SendMessage, MessageBox) in any file that includes both.

class Win32Dialog;

class Win32Backend : public Backend {
public:
    std::intptr_t runModal(const DialogTemplate& dialogTemplate, DialogEvents& events) override;
    void endModal(WindowPeer& dialog, std::intptr_t result) override;
    IconHandle loadIcon(int resourceId) override;
    BrushHandle createSolidBrush(Colour colour) override;
    void deleteBrush(BrushHandle brush) override;
    int systemMetric(int index) override;
    DcHandle beginPaint(WindowPeer& window) override;
    void endPaint(WindowPeer& window, DcHandle dc) override;
    void defaultPaint(WindowPeer& window) override;
    void setBackgroundColour(DcHandle dc, Colour colour) override;
    void drawIcon(DcHandle dc, int x, int y, IconHandle icon) override;
    void messageBox(WindowPeer* owner, std::string_view text, std::string_view caption) override;

    // ---- Test hooks: act as a user on the real controls.
    std::function<void()> script;      // runs once inside the next modal run, once the dialog has painted
    bool dismissMessageBoxes = false;  // close each message box as soon as it shows
    bool running() const;
    void pump();                       // runs the pending messages through the dialog manager
    void type(int id, std::string_view keys);
    void pressKey(unsigned virtualKey);  // Tab, Enter, Esc, as the dialog manager sees them
    void paste(int id, std::string_view text);
    void click(int id);
    void closeBox();
    void minimise(bool minimised);
    int focusedId();
    struct Colours {
        Colour background;
        Colour brush;
    };
    Colours ctlColours(int id, unsigned kind);
    bool capture(std::vector<unsigned char>& rgb, int& width, int& height);
    struct DrawnIcon {
        int x;
        int y;
    };
    std::vector<DrawnIcon> drawnIcons;
    std::vector<std::string> messageBoxes;  // "caption: text"

    // Internal: the dialog procedure's state for the running dialog.
    Win32Dialog* current = nullptr;
};

Win32Backend& TheWin32Backend();
