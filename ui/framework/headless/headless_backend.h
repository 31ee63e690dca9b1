#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "../backend.h"
#include "../brush_table.h"

// An in-memory dialog for fast, deterministic tests. It reproduces the Windows behaviours the
// dialog relies on (edit text and selection, ES_NUMBER, the focus, auto check boxes, the list's
// answers, queued paints, the minimised state, the modal run ended by OK or Cancel), records
// what the dialog did, and offers hooks to type, click, minimise and make the list fail.

class HeadlessDialog;

class HeadlessControl : public WindowPeer {
public:
    HeadlessControl(HeadlessDialog& dialog, const ControlTemplate& control);

    WindowPeer* child(int) override { return nullptr; }
    void setText(std::string_view text) override;
    int getText(char* buffer, int maxCount) const override;
    void setFocus() override;
    LResult send(MessageId message, WParam wParam, LParam lParam) override;
    void invalidate(bool) override {}
    void update() override { ++updates; }
    bool isIconic() const override { return false; }
    Rect clientRect() const override { return Rect{0, 0, layout.width, layout.height}; }

    void typeKey(char key);  // replaces the selection, as a keystroke does
    void click();            // an auto check box toggles itself, then the dialog hears BN_CLICKED

    const ControlTemplate& layout;
    std::string text;
    int selectionStart = 0;
    int selectionEnd = 0;
    int check = kCheckCleared;
    std::vector<std::string> items;  // the list's lines
    int updates = 0;                 // UpdateWindow calls
    int caretScrolls = 0;            // EM_SCROLLCARET calls
    std::vector<std::pair<WParam, LParam>> storageRequests;  // LB_INITSTORAGE items and bytes
    bool refuseStorage = false;      // LB_INITSTORAGE answers LB_ERRSPACE
    int refuseAddCountdown = 0;      // the n-th LB_ADDSTRING from now answers LB_ERRSPACE

private:
    HeadlessDialog& dialog_;
};

class HeadlessDialog : public WindowPeer {
public:
    HeadlessDialog(const DialogTemplate& dialogTemplate, DialogEvents& events);

    WindowPeer* child(int id) override { return control(id); }
    void setText(std::string_view text) override { caption = text; }
    int getText(char* buffer, int maxCount) const override;
    void setFocus() override { focusedId = 0; }
    LResult send(MessageId message, WParam wParam, LParam lParam) override;
    void invalidate(bool) override { paintPending = true; }
    void update() override;
    bool isIconic() const override { return iconic; }
    Rect clientRect() const override;

    HeadlessControl* control(int id);
    void deliverPendingPaints();

    DialogEvents& events;
    std::string caption;
    std::vector<std::unique_ptr<HeadlessControl>> controls;
    int focusedId = 0;
    bool paintPending = false;
    bool iconic = false;
    bool ended = false;
    std::intptr_t result = 0;
    int paints = 0;
    int iconErasures = 0;
    IconHandle bigIcon = nullptr;
    IconHandle smallIcon = nullptr;
};

struct DrawnIcon {
    int x;
    int y;
    IconHandle icon;
};

class HeadlessBackend : public Backend {
public:
    std::intptr_t runModal(const DialogTemplate& dialogTemplate, DialogEvents& events) override;
    void endModal(WindowPeer& dialog, std::intptr_t result) override;
    IconHandle loadIcon(int resourceId) override;
    BrushHandle createSolidBrush(Colour colour) override;
    void deleteBrush(BrushHandle brush) override;
    int systemMetric(int index) override;
    DcHandle beginPaint(WindowPeer& window) override;
    void endPaint(WindowPeer& window, DcHandle dc) override;
    void defaultPaint(WindowPeer&) override {}
    void setBackgroundColour(DcHandle dc, Colour colour) override;
    void drawIcon(DcHandle dc, int x, int y, IconHandle icon) override;
    void messageBox(WindowPeer* owner, std::string_view text, std::string_view caption) override;

    // ---- Test hooks
    // Runs once inside the next modal run, after the dialog has been shown and painted. A run
    // that the script leaves open is ended as the close box would end it.
    std::function<void()> script;
    bool refuseListStorageOnNextRun = false;  // the lists of the next dialog refuse LB_INITSTORAGE
    HeadlessDialog* dialog() { return dialog_.get(); }
    void pump();                 // delivers the queued paints
    void type(int id, std::string_view keys);
    void setText(int id, std::string_view text);
    void click(int id);
    void cancel();               // Esc or the close box: the dialog manager's IDCANCEL
    void minimise(bool minimised);
    struct Colours {
        Colour background;
        Colour brush;
    };
    Colours ctlColours(int id, unsigned kind);  // asks the dialog as a control about to paint would
    Colour brushColour(BrushHandle brush) const;
    std::size_t liveBrushes() const { return brushes_.size(); }

    std::vector<std::string> messageBoxes;  // "caption: text" of each box shown
    std::vector<DrawnIcon> drawnIcons;
    IconHandle appIcon() const;

private:
    struct Dc {
        Colour background = 0;
    };
    std::unique_ptr<HeadlessDialog> dialog_;
    BrushTable brushes_;
    Dc paintDc_;
};

HeadlessBackend& TheHeadlessBackend();
