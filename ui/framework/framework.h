#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "ui/framework/resources.h"
#include "ui/framework/window_types.h"

// Our thin stand-in for the few MFC classes a dialog program needs, with their Windows meaning.

namespace vantry::framework {

class Backend;
class WindowPeer;
struct DialogTemplate;

class CWnd {
public:
    explicit CWnd(WindowPeer* peer = nullptr) : peer_(peer) {}
    virtual ~CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    void SetWindowText(std::string_view text);
    // At most maxCount - 1 characters, always terminated; returns the number copied.
    int GetWindowText(char* buffer, int maxCount) const;
    void SetFocus();
    LResult SendMessage(MessageId message, WParam wParam = 0, LParam lParam = 0);
    void Invalidate(bool erase = true);  // InvalidateRect(no rectangle, erase)
    void UpdateWindow();
    bool IsIconic() const;
    Rect GetClientRect() const;
    // A message box owned by this window: MB_OK with the error sign unless `type` says otherwise
    // (BoxType::YesNo | BoxType::IconQuestion). Returns IDOK, IDYES or IDNO.
    int MessageBox(std::string_view text, std::string_view caption, unsigned type = BoxType::Ok | BoxType::IconError);

    WindowPeer* peer() const { return peer_; }

protected:
    friend class CDialog;
    WindowPeer* peer_;
};

// A device context handed to painting and colour handlers.
class CDC {
public:
    explicit CDC(DcHandle dc) : dc_(dc) {}
    void SetBkColor(Colour colour);
    void DrawIcon(int x, int y, IconHandle icon);
    DcHandle handle() const { return dc_; }

protected:
    DcHandle dc_;
};

// Begins painting on construction and ends it on destruction.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd& window);
    ~CPaintDC();
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

private:
    CWnd& window_;
};

class CDialog : public CWnd {
public:
    // The dialog of template `templateId` in `module`, as DialogBoxParam finds it in an instance.
    CDialog(const ResourceModule& module, int templateId, CWnd* parent);
    ~CDialog() override;

    // Runs the dialog from a template the program keeps itself, as InitModalIndirect does: one it
    // may rewrite while the dialog runs, around RemoveControlsFrom and AddControlsFrom.
    void InitModalIndirect(const DialogTemplate& dialogTemplate) { indirect_ = &dialogTemplate; }

    // Runs the dialog modally; returns IDOK, IDCANCEL, or -1 when it could not be created.
    std::intptr_t DoModal();
    void EndDialog(std::intptr_t result);

    CWnd* GetDlgItem(int id);  // nullptr when there is no such control

    // Changing a running dialog's controls at the end of its template: RemoveControlsFrom(first)
    // destroys the controls from template index `first` on, before the template is rewritten;
    // AddControlsFrom(first) makes them from the rewritten template and gives the dialog its size.
    void RemoveControlsFrom(std::size_t first);
    void AddControlsFrom(std::size_t first);

protected:
    virtual bool OnInitDialog();  // the base initialisation; TRUE gives the focus to the first tab stop
    virtual void OnPaint();       // the framework's default painting
    virtual IconHandle OnQueryDragIcon();
    virtual BrushHandle OnCtlColor(CDC& dc, CWnd* control, unsigned kind);
    virtual void OnCommand(int id);  // the message map: clicks and the dialog manager's OK / Cancel
    virtual void OnOK();
    virtual void OnCancel();
    virtual void OnDestroy() {}               // the window is going: its controls may not be used after this
    virtual void OnEditChange(int /*id*/) {}  // EN_CHANGE
    virtual void OnDropFile(const std::string& /*path*/) {}  // WM_DROPFILES, one file

private:
    class Events;
    friend class Events;

    const ResourceModule& module_;
    int templateId_;
    const DialogTemplate* indirect_ = nullptr;
    std::unique_ptr<Events> events_;
    // Wrappers of the controls, made on first use and kept as long as the dialog object, so that
    // a kept CWnd* never dangles: when the window goes they hold no window, and a later run's
    // lookup attaches them to its new controls.
    std::map<int, std::unique_ptr<CWnd>> items_;
};

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual bool InitInstance();
    CWnd* m_pMainWnd = nullptr;

    // The one application object; the backend's entry point starts it.
    static CWinApp* current();
};

// The platform's file chooser (GetOpenFileName, FLTK's native chooser), modal over `owner`,
// offering the files that match `pattern` ("*.toml"): the chosen file, or nothing when cancelled.
std::optional<std::string> ChooseFileToOpen(CWnd* owner, std::string_view title, std::string_view pattern);

// LoadIconW on the module's icon group `resourceId`; nullptr when there is none.
IconHandle LoadIconResource(const ResourceModule& module, int resourceId);
BrushHandle CreateSolidBrush(Colour colour);
void DeleteBrush(BrushHandle brush);
int GetSystemMetrics(int index);

// Waits while `running` answers true, as a modal loop waits for another program (the editor):
// the program's windows stay painted and drop the input they are given meanwhile.
void WaitWhile(const std::function<bool()>& running);

}  // namespace vantry::framework
