#include "ui/framework/win32/win32_backend.h"

#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <uxtheme.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/framework/backend.h"
#include "ui/framework/win32/win32_windows.h"

namespace vantry::framework {

static_assert(Msg::SetIcon == WM_SETICON && Msg::IconEraseBackground == WM_ICONERASEBKGND);
static_assert(Msg::EditGetSelection == EM_GETSEL && Msg::EditSetSelection == EM_SETSEL);
static_assert(Msg::EditScrollCaret == EM_SCROLLCARET && Msg::EditLimitText == EM_LIMITTEXT);
static_assert(Style::EsAutoHScroll == ES_AUTOHSCROLL);
static_assert(Style::EsMultiLine == ES_MULTILINE && Style::EsAutoVScroll == ES_AUTOVSCROLL &&
              Style::EsWantReturn == ES_WANTRETURN);
static_assert(Msg::ButtonGetCheck == BM_GETCHECK && Msg::ButtonSetCheck == BM_SETCHECK);
static_assert(Msg::ListAddString == LB_ADDSTRING && Msg::ListResetContent == LB_RESETCONTENT);
static_assert(Msg::ListGetText == LB_GETTEXT && Msg::ListGetTextLength == LB_GETTEXTLEN);
static_assert(Msg::ListGetCount == LB_GETCOUNT && Msg::ListInitStorage == LB_INITSTORAGE);
static_assert(kListError == LB_ERR && kListErrorSpace == LB_ERRSPACE);
static_assert(kIconSmall == ICON_SMALL && kIconBig == ICON_BIG && kIdOk == IDOK && kIdCancel == IDCANCEL);
static_assert(CtlColor::Edit == CTLCOLOR_EDIT && CtlColor::Static == CTLCOLOR_STATIC);
static_assert(Metric::IconWidth == SM_CXICON && Metric::IconHeight == SM_CYICON);
static_assert(Style::EsNumber == ES_NUMBER && Style::BsAutoCheckBox == BS_AUTOCHECKBOX);
static_assert(Style::BsTypeMask == BS_TYPEMASK && Style::BsDefPushButton == BS_DEFPUSHBUTTON);
static_assert(Msg::ListSetSelection == LB_SETCURSEL && Msg::ListGetSelection == LB_GETCURSEL);
static_assert(BoxType::YesNo == MB_YESNO && BoxType::IconError == MB_ICONERROR &&
              BoxType::IconQuestion == MB_ICONQUESTION);
static_assert(kIdYes == IDYES && kIdNo == IDNO);

WindowPeer* Win32Window::child(int id) {
    Win32Dialog* dialog = TheWin32Backend().dialogOf(hwnd_);
    return dialog ? dialog->wrap(GetDlgItem(hwnd_, id)) : nullptr;
}

namespace {

INT_PTR onControlColour(Win32Dialog& dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowPeer* control = dialog.wrap(reinterpret_cast<HWND>(lParam));
    const unsigned kind = message - WM_CTLCOLORMSGBOX;
    return reinterpret_cast<INT_PTR>(
        dialog.events.ctlColor(reinterpret_cast<HDC>(wParam), control == &dialog ? nullptr : control, kind));
}

// Visual styles draw every push button raised and ignore BS_FLAT: a flat button (one that reads
// as text on the dialog) is drawn without them, as the classic controls drew it.
void keepFlatButtonsFlat(HWND dialog) {
    for (HWND control = GetWindow(dialog, GW_CHILD); control != nullptr; control = GetWindow(control, GW_HWNDNEXT)) {
        const LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
        if ((style & BS_FLAT) != 0 && (style & BS_TYPEMASK) <= BS_DEFPUSHBUTTON) SetWindowTheme(control, L"", L"");
    }
}

// What a modal run hands its dialog's WM_INITDIALOG.
struct DialogStart {
    DialogEvents& events;
    const DialogTemplate& layout;
};

INT_PTR CALLBACK dialogProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Win32Backend& backend = TheWin32Backend();
    if (message == WM_INITDIALOG) {
        keepFlatButtonsFlat(hwnd);
        auto* start = reinterpret_cast<DialogStart*>(lParam);
        backend.adopt(std::make_unique<Win32Dialog>(hwnd, start->events, start->layout));
        return start->events.initDialog(*backend.current()) ? TRUE : FALSE;
    }
    Win32Dialog* dialog = backend.dialogOf(hwnd);
    if (dialog == nullptr) return FALSE;
    switch (message) {
        case WM_PAINT:
            dialog->painted = false;
            dialog->events.paint();
            return dialog->painted ? TRUE : FALSE;  // FALSE: the dialog manager paints as usual
        case WM_QUERYDRAGICON: return reinterpret_cast<INT_PTR>(dialog->events.queryDragIcon());
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC: return onControlColour(*dialog, message, wParam, lParam);
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) dialog->events.command(LOWORD(wParam));
            return TRUE;
        case WM_DESTROY: dialog->events.destroyed(); return FALSE;
        default: return FALSE;
    }
}

}  // namespace

// The program's manifest asks for the common controls of version 6 (themed, and an ES_NUMBER
// field that says in a balloon why it refused a character); their window classes are registered
// once comctl32 is loaded and initialised.
Win32Backend::Win32Backend() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
}
Win32Backend::~Win32Backend() = default;

void Win32Backend::adopt(std::unique_ptr<Win32Dialog> dialog) { dialogs_.push_back(std::move(dialog)); }

Win32Dialog* Win32Backend::dialogOf(void* hwnd) const {
    for (const auto& dialog : dialogs_)
        if (dialog->hwnd() == hwnd) return dialog.get();
    return nullptr;
}

IconHandle Win32Backend::loadIcon(const ResourceModule&, int id) {
    return LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id));
}

BrushHandle Win32Backend::createSolidBrush(Colour colour) { return CreateSolidBrush(colour); }
void Win32Backend::deleteBrush(BrushHandle brush) { DeleteObject(static_cast<HBRUSH>(brush)); }
int Win32Backend::systemMetric(int index) { return GetSystemMetrics(index); }
void Win32Backend::setBackgroundColour(DcHandle dc, Colour colour) { SetBkColor(static_cast<HDC>(dc), colour); }

// A dialog run from a running one is owned by it, which Windows disables meanwhile.
std::intptr_t Win32Backend::runModal(const DialogTemplate& dialogTemplate, DialogEvents& events) {
    const std::size_t below = dialogs_.size();
    HWND owner = current() ? current()->hwnd() : nullptr;
    DialogStart start{events, dialogTemplate};
    const INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(dialogTemplate.resourceId),
                                           owner, dialogProcedure, reinterpret_cast<LPARAM>(&start));
    dialogs_.resize(std::min(dialogs_.size(), below));
    return result;
}

void Win32Backend::endModal(WindowPeer& dialog, std::intptr_t result) {
    auto& win32 = static_cast<Win32Dialog&>(dialog);
    win32.ended = true;
    EndDialog(win32.hwnd(), result);
}

DcHandle Win32Backend::beginPaint(WindowPeer& window) {
    // The dialog being painted, which need not be the one on top.
    HWND hwnd = static_cast<Win32Window&>(window).hwnd();
    Win32Dialog* dialog = dialogOf(hwnd);
    if (dialog == nullptr) return nullptr;
    dialog->painted = true;
    return BeginPaint(hwnd, &dialog->paint);
}

void Win32Backend::endPaint(WindowPeer& window, DcHandle) {
    HWND hwnd = static_cast<Win32Window&>(window).hwnd();
    if (Win32Dialog* dialog = dialogOf(hwnd)) EndPaint(hwnd, &dialog->paint);
}

void Win32Backend::drawIcon(DcHandle dc, int x, int y, IconHandle icon) {
    DrawIcon(static_cast<HDC>(dc), x, y, static_cast<HICON>(icon));
}

int Win32Backend::messageBox(WindowPeer* owner, std::string_view text, std::string_view caption, unsigned type) {
    HWND ownerWindow = owner ? static_cast<Win32Window*>(owner)->hwnd() : nullptr;
    return MessageBoxA(ownerWindow, std::string(text).c_str(), std::string(caption).c_str(), type);
}

// The common dialog, with ANSI names as the program's other names travel.
std::optional<std::string> Win32Backend::chooseFileToOpen(WindowPeer* owner, std::string_view title,
                                                          std::string_view pattern) {
    const std::string patternText(pattern);
    std::string filter = "Method files (" + patternText + ")";
    filter += '\0';
    filter += patternText;
    filter += '\0';
    filter += "All files (*.*)";
    filter += '\0';
    filter += "*.*";
    filter += '\0';
    const std::string titleText(title);
    char file[MAX_PATH * 4] = {};
    OPENFILENAMEA chooser{};
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = owner ? static_cast<Win32Window*>(owner)->hwnd() : nullptr;
    chooser.lpstrFilter = filter.c_str();
    chooser.lpstrFile = file;
    chooser.nMaxFile = sizeof file;
    chooser.lpstrTitle = titleText.c_str();
    chooser.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameA(&chooser)) return std::nullopt;
    return std::string(file);
}

void Win32Backend::removeControlsFrom(WindowPeer& window, std::size_t first) {
    auto& dialog = static_cast<Win32Dialog&>(window);
    for (std::size_t i = first; i < dialog.layout.controls.size(); ++i) {
        HWND control = GetDlgItem(dialog.hwnd(), dialog.layout.controls[i].id);
        if (control == nullptr) continue;
        dialog.forget(control);
        DestroyWindow(control);
    }
}

// Made as the dialog manager makes a template's controls: placed in dialog units of the dialog's
// font, given that font, each after the others in the Tab order.
void Win32Backend::addControlsFrom(WindowPeer& window, std::size_t first) {
    auto& dialog = static_cast<Win32Dialog&>(window);
    HWND hwnd = dialog.hwnd();
    const auto font = static_cast<WPARAM>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
    for (std::size_t i = first; i < dialog.layout.controls.size(); ++i) {
        const ControlTemplate& c = dialog.layout.controls[i];
        RECT r{c.x, c.y, c.x + c.width, c.y + c.height};
        MapDialogRect(hwnd, &r);
        HWND control = CreateWindowExA(c.exStyle, WindowClassOf(c.kind), std::string(c.text).c_str(),
                                       WS_CHILD | WS_VISIBLE | c.style, r.left, r.top, r.right - r.left,
                                       r.bottom - r.top, hwnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)),
                                       GetModuleHandleW(nullptr), nullptr);
        if (control == nullptr) continue;
        SendMessageW(control, WM_SETFONT, font, FALSE);
        SetWindowPos(control, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    RECT size{0, 0, dialog.layout.width, dialog.layout.height};
    MapDialogRect(hwnd, &size);
    AdjustWindowRectEx(&size, static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE)));
    SetWindowPos(hwnd, nullptr, 0, 0, size.right - size.left, size.bottom - size.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(hwnd, nullptr, TRUE);
}

namespace {

// Whether a message is a person's input: keys and the mouse, on a window or on its frame.
bool isInput(UINT message) {
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) || (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK) || message == WM_INPUT;
}

// This thread's top-level windows that take input now, each disabled until the wait is over.
class DisabledWindows {
public:
    DisabledWindows() {
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND window, LPARAM list) -> BOOL {
                if (IsWindowEnabled(window)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&windows_));
        active_ = GetActiveWindow();
        focus_ = GetFocus();
        for (HWND window : windows_) EnableWindow(window, FALSE);
    }
    // Windows activates another program's window when the editor closes, since these were
    // disabled: the one that was active comes back to the front, with its focus.
    ~DisabledWindows() {
        for (auto window = windows_.rbegin(); window != windows_.rend(); ++window) EnableWindow(*window, TRUE);
        if (active_ != nullptr && IsWindow(active_)) SetForegroundWindow(active_);
        if (focus_ != nullptr && IsWindow(focus_)) SetFocus(focus_);
    }
    DisabledWindows(const DisabledWindows&) = delete;
    DisabledWindows& operator=(const DisabledWindows&) = delete;

private:
    std::vector<HWND> windows_;
    HWND active_ = nullptr;
    HWND focus_ = nullptr;
};

constexpr DWORD kWaitStepMilliseconds = 50;

}  // namespace

// Waits as a modal window waits: the program's windows take no input until the wait is over, but
// every other message is handled, paints included. A wait that handled none would leave a dialog
// uncovered meanwhile unpainted, and after five seconds Windows would show it as "(Not
// Responding)" and offer to end the program.
void Win32Backend::waitWhile(const std::function<bool()>& running) {
    const DisabledWindows disabled;
    while (running()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, kWaitStepMilliseconds, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {  // the program is ending: what it waits for goes on alone
                PostQuitMessage(static_cast<int>(message.wParam));  // for the loop that owns it
                return;
            }
            if (isInput(message.message)) continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

// The backend the framework's calls go to: whichever Win32Backend the program (or its
// automation) provides.
Backend& CurrentBackend() { return TheWin32Backend(); }

}  // namespace vantry::framework
