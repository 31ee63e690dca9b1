#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "../backend.h"
#include "../brush_table.h"
#include "dialog_units.h"

class Fl_Widget;
class Fl_Window;
class FltkDialog;

// The dialog as a native Linux window, built with FLTK from the template data, reproducing the
// Windows behaviours the dialog relies on.
class FltkBackend : public Backend {
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

    Colour brushColour(BrushHandle brush) const;

    // ---- Test hooks: act as a user on the real window.
    std::function<void()> script;  // runs once inside the next modal run, once the window shows
    bool dismissMessageBoxes = false;  // close each message box as soon as it is shown
    FltkDialog* dialog() { return dialog_; }
    void pump();
    void type(int id, std::string_view keys);
    void key(int keysym);  // one key that types no text: Tab, Enter, Escape
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
    Fl_Widget* widget(int id);
    Fl_Window* window();
    DialogBaseUnits baseUnits() const { return baseUnits_; }
    // The window's pixels as red, green, blue bytes, row by row.
    bool capture(std::vector<unsigned char>& rgb, int& width, int& height);

    struct DrawnIcon {
        int x;
        int y;
    };
    std::vector<DrawnIcon> drawnIcons;
    std::vector<std::string> messageBoxes;  // "caption: text"

private:
    FltkDialog* dialog_ = nullptr;
    DialogBaseUnits baseUnits_{};
    BrushTable brushes_;
};

FltkBackend& TheFltkBackend();
