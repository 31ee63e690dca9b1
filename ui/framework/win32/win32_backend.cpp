#include "win32_backend.h"

#include <windows.h>

#include <map>
#include <memory>

static_assert(Msg::SetIcon == WM_SETICON && Msg::IconEraseBackground == WM_ICONERASEBKGND);
static_assert(Msg::EditGetSelection == EM_GETSEL && Msg::EditSetSelection == EM_SETSEL);
static_assert(Msg::EditScrollCaret == EM_SCROLLCARET);
static_assert(Msg::ButtonGetCheck == BM_GETCHECK && Msg::ButtonSetCheck == BM_SETCHECK);
static_assert(Msg::ListAddString == LB_ADDSTRING && Msg::ListResetContent == LB_RESETCONTENT);
static_assert(Msg::ListGetText == LB_GETTEXT && Msg::ListGetTextLength == LB_GETTEXTLEN);
static_assert(Msg::ListGetCount == LB_GETCOUNT && Msg::ListInitStorage == LB_INITSTORAGE);
static_assert(kListError == LB_ERR && kListErrorSpace == LB_ERRSPACE);
static_assert(kIconSmall == ICON_SMALL && kIconBig == ICON_BIG && kIdOk == IDOK && kIdCancel == IDCANCEL);
static_assert(CtlColor::Edit == CTLCOLOR_EDIT && CtlColor::Static == CTLCOLOR_STATIC);
static_assert(Metric::IconWidth == SM_CXICON && Metric::IconHeight == SM_CYICON);
static_assert(Style::EsNumber == ES_NUMBER && Style::BsAutoCheckBox == BS_AUTOCHECKBOX);

// One window, the dialog or a control, as the framework sees it: a pass-through to USER32.
class Win32Window : public WindowPeer {
public:
    explicit Win32Window(HWND hwnd) : hwnd_(hwnd) {}

    WindowPeer* child(int id) override;
    void setText(std::string_view text) override { SetWindowTextA(hwnd_, std::string(text).c_str()); }
    int getText(char* buffer, int maxCount) const override {
        if (maxCount <= 0) return 0;
        buffer[0] = '\0';
        return GetWindowTextA(hwnd_, buffer, maxCount);
    }
    void setFocus() override { SetFocus(hwnd_); }
    LResult send(MessageId message, WParam wParam, LParam lParam) override {
        return SendMessageA(hwnd_, message, wParam, lParam);
    }
    void invalidate(bool erase) override { InvalidateRect(hwnd_, nullptr, erase ? TRUE : FALSE); }
    void update() override { UpdateWindow(hwnd_); }
    bool isIconic() const override { return IsIconic(hwnd_) != FALSE; }
    Rect clientRect() const override {
        RECT r{};
        GetClientRect(hwnd_, &r);
        return Rect{r.left, r.top, r.right, r.bottom};
    }

    HWND hwnd() const { return hwnd_; }

private:
    HWND hwnd_;
};

// The running dialog: its window, the wrappers of its controls and the paint in progress.
class Win32Dialog : public Win32Window {
public:
    Win32Dialog(HWND hwnd, DialogEvents& dialogEvents) : Win32Window(hwnd), events(dialogEvents) {}

    Win32Window* wrap(HWND hwnd) {
        if (hwnd == nullptr) return nullptr;
        if (hwnd == this->hwnd()) return this;
        std::unique_ptr<Win32Window>& window = windows_[hwnd];
        if (!window) window = std::make_unique<Win32Window>(hwnd);
        return window.get();
    }

    DialogEvents& events;
    PAINTSTRUCT paint{};
    bool painted = false;  // the handler validated the window itself (BeginPaint / EndPaint)
    bool ended = false;

private:
    std::map<HWND, std::unique_ptr<Win32Window>> windows_;
};

WindowPeer* Win32Window::child(int id) {
    Win32Dialog* dialog = TheWin32Backend().current;
    return dialog ? dialog->wrap(GetDlgItem(hwnd_, id)) : nullptr;
}

namespace {

constexpr UINT kRunScript = WM_APP + 1;

INT_PTR CALLBACK dialogProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Win32Backend& backend = TheWin32Backend();
    if (message == WM_INITDIALOG) {
        auto* events = reinterpret_cast<DialogEvents*>(lParam);
        backend.current = new Win32Dialog(hwnd, *events);
        const bool focusFirst = events->initDialog(*backend.current);
        if (backend.script) PostMessageW(hwnd, kRunScript, 0, 0);
        return focusFirst ? TRUE : FALSE;
    }
    Win32Dialog* dialog = backend.current;
    if (dialog == nullptr || dialog->hwnd() != hwnd) return FALSE;
    switch (message) {
        case WM_PAINT:
            dialog->painted = false;
            dialog->events.paint();
            return dialog->painted ? TRUE : FALSE;  // FALSE: the dialog manager paints as usual
        case WM_QUERYDRAGICON:
            return reinterpret_cast<INT_PTR>(dialog->events.queryDragIcon());
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC: {
            WindowPeer* control = dialog->wrap(reinterpret_cast<HWND>(lParam));
            return reinterpret_cast<INT_PTR>(dialog->events.ctlColor(
                reinterpret_cast<HDC>(wParam), control == dialog ? nullptr : control, message - WM_CTLCOLORMSGBOX));
        }
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) dialog->events.command(LOWORD(wParam));
            return TRUE;
        case kRunScript: {
            UpdateWindow(hwnd);  // the first paint, before the script acts
            const std::function<void()> once = std::move(backend.script);
            backend.script = nullptr;
            if (once) once();
            if (!dialog->ended) backend.closeBox();
            return TRUE;
        }
        case WM_DESTROY:
            dialog->events.destroyed();
            return FALSE;
        default:
            return FALSE;
    }
}

// Closes the message box of this thread that is showing, for tests.
void CALLBACK dismissMessageBox(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM) -> BOOL {
            char className[16] = {};
            GetClassNameA(window, className, sizeof className);
            Win32Dialog* dialog = TheWin32Backend().current;
            if (std::string(className) == "#32770" && (!dialog || window != dialog->hwnd())) {
                PostMessageW(window, WM_COMMAND, IDOK, 0);
                return FALSE;
            }
            return TRUE;
        },
        0);
}

}  // namespace

std::intptr_t Win32Backend::runModal(const DialogTemplate& dialogTemplate, DialogEvents& events) {
    drawnIcons.clear();
    const INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(dialogTemplate.resourceId),
                                           nullptr, dialogProcedure, reinterpret_cast<LPARAM>(&events));
    delete current;
    current = nullptr;
    return result;
}

void Win32Backend::endModal(WindowPeer& dialog, std::intptr_t result) {
    auto& window = static_cast<Win32Dialog&>(dialog);
    window.ended = true;
    EndDialog(window.hwnd(), result);
}

IconHandle Win32Backend::loadIcon(int resourceId) {
    return LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId));
}

BrushHandle Win32Backend::createSolidBrush(Colour colour) { return CreateSolidBrush(colour); }

void Win32Backend::deleteBrush(BrushHandle brush) { DeleteObject(static_cast<HBRUSH>(brush)); }

int Win32Backend::systemMetric(int index) { return GetSystemMetrics(index); }

DcHandle Win32Backend::beginPaint(WindowPeer& window) {
    current->painted = true;
    return BeginPaint(static_cast<Win32Window&>(window).hwnd(), &current->paint);
}

void Win32Backend::endPaint(WindowPeer& window, DcHandle) { EndPaint(static_cast<Win32Window&>(window).hwnd(), &current->paint); }

void Win32Backend::defaultPaint(WindowPeer&) {}  // the dialog procedure answers FALSE instead

void Win32Backend::setBackgroundColour(DcHandle dc, Colour colour) { SetBkColor(static_cast<HDC>(dc), colour); }

void Win32Backend::drawIcon(DcHandle dc, int x, int y, IconHandle icon) {
    drawnIcons.push_back({x, y});
    DrawIcon(static_cast<HDC>(dc), x, y, static_cast<HICON>(icon));
}

void Win32Backend::messageBox(WindowPeer* owner, std::string_view text, std::string_view caption) {
    messageBoxes.push_back(std::string(caption) + ": " + std::string(text));
    if (dismissMessageBoxes) SetTimer(nullptr, 0, 200, dismissMessageBox);
    HWND ownerWindow = owner ? static_cast<Win32Window*>(owner)->hwnd() : nullptr;
    MessageBoxA(ownerWindow, std::string(text).c_str(), std::string(caption).c_str(), MB_OK | MB_ICONERROR);
}

// ---- Test hooks

bool Win32Backend::running() const { return current && !current->ended; }

void Win32Backend::pump() {
    if (!current) return;
    HWND dialog = current->hwnd();
    MSG msg;
    for (int i = 0; i < 1000 && running() && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
        if (!IsDialogMessageW(dialog, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    if (running()) UpdateWindow(dialog);
}

void Win32Backend::type(int id, std::string_view keys) {
    if (!running()) return;
    HWND control = GetDlgItem(current->hwnd(), id);
    SetFocus(control);
    for (char key : keys) SendMessageA(control, WM_CHAR, static_cast<unsigned char>(key), 1);
}

void Win32Backend::pressKey(unsigned virtualKey) {
    if (!running()) return;
    HWND focus = GetFocus();
    PostMessageW(focus ? focus : current->hwnd(), WM_KEYDOWN, virtualKey, 1);
    PostMessageW(focus ? focus : current->hwnd(), WM_KEYUP, virtualKey, 0xC0000001);
    pump();
}

void Win32Backend::paste(int id, std::string_view text) {
    if (running()) SetDlgItemTextA(current->hwnd(), id, std::string(text).c_str());
}

void Win32Backend::click(int id) {
    if (running()) SendMessageW(GetDlgItem(current->hwnd(), id), BM_CLICK, 0, 0);
}

void Win32Backend::closeBox() {
    if (running()) SendMessageW(current->hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
}

void Win32Backend::minimise(bool minimised) {
    if (!running()) return;
    ShowWindow(current->hwnd(), minimised ? SW_MINIMIZE : SW_RESTORE);
    InvalidateRect(current->hwnd(), nullptr, TRUE);
    // Current Windows (and Wine) no longer paint a minimised window; ask for the paint that
    // older Windows sent, so that the minimised drawing can be seen to work.
    if (minimised && IsIconic(current->hwnd())) SendMessageW(current->hwnd(), WM_PAINT, 0, 0);
}

int Win32Backend::focusedId() {
    HWND focus = GetFocus();
    return focus && running() && GetParent(focus) == current->hwnd() ? GetDlgCtrlID(focus) : 0;
}

Win32Backend::Colours Win32Backend::ctlColours(int id, unsigned kind) {
    Colours colours{0xFFFFFFFFu, 0xFFFFFFFFu};
    if (!running()) return colours;
    HDC dc = CreateCompatibleDC(nullptr);
    HWND control = id == 0 ? current->hwnd() : GetDlgItem(current->hwnd(), id);
    auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(current->hwnd(), WM_CTLCOLORMSGBOX + kind, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
    colours.background = GetBkColor(dc);
    LOGBRUSH logBrush{};
    if (brush && GetObjectW(brush, sizeof logBrush, &logBrush) == sizeof logBrush) colours.brush = logBrush.lbColor;
    DeleteDC(dc);
    return colours;
}

bool Win32Backend::capture(std::vector<unsigned char>& rgb, int& width, int& height) {
    if (!running()) return false;
    HWND window = current->hwnd();
    RECT r{};
    GetWindowRect(window, &r);
    width = r.right - r.left;
    height = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    const bool copied = BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY) != FALSE;
    GdiFlush();
    rgb.resize(static_cast<std::size_t>(width) * height * 3);
    const auto* pixels = static_cast<const unsigned char*>(bits);
    for (std::size_t i = 0; copied && i < static_cast<std::size_t>(width) * height; ++i) {
        rgb[i * 3] = pixels[i * 4 + 2];
        rgb[i * 3 + 1] = pixels[i * 4 + 1];
        rgb[i * 3 + 2] = pixels[i * 4];
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return copied;
}

Win32Backend& TheWin32Backend() {
    static Win32Backend backend;
    return backend;
}

Backend& CurrentBackend() { return TheWin32Backend(); }
