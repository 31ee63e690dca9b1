#include <windows.h>

#include <functional>
#include <string>

#include "ui/framework/automation.h"
#include "ui/framework/posted_actions.h"
#include "ui/framework/recording_backend.h"
#include "ui/framework/win32/win32_backend.h"
#include "ui/framework/win32/win32_windows.h"

// Drives the real Win32 dialog with the messages a person's keyboard and mouse would cause, and
// reads the controls back with USER32, as an accessibility tool would.

namespace vantry::framework {

namespace {

// The tests' program runs the real backend, keeping where it last drew its icon and whether the
// dialog it runs has been ended (EndDialog leaves the window up until the modal loop returns).
class AutomatedWin32Backend : public IconRecordingBackend<Win32Backend> {
public:
    HWND dialogWindow() const { return current() ? current()->hwnd() : nullptr; }
    bool dialogRunning() const { return current() && !current()->ended; }
};

AutomatedWin32Backend theBackend;

constexpr UINT kRunPosted = WM_APP + 1;
constexpr int kMessageBoxTextId = 0xFFFF;  // the static text of a Windows message box
constexpr int kChooserNameCombo = 0x47C;   // cmb13: the file name of an Explorer-style chooser
constexpr int kChooserNameEdit = 0x480;    // edt1: the same in an older one

HWND dialogWindow() { return theBackend.dialogWindow(); }

// A showing dialog-class window of this thread that is none of our dialogs and holds the control
// `marker`: a message box (its text) or a file chooser (its name field).
HWND findSystemDialog(int marker, int otherMarker = 0) {
    struct Search {
        int marker, otherMarker;
        HWND found;
    } search{marker, otherMarker, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            char className[16] = {};
            GetClassNameA(window, className, sizeof className);
            if (std::string(className) != "#32770" || !IsWindowVisible(window)) return TRUE;
            if (theBackend.dialogOf(window) != nullptr) return TRUE;
            if (GetDlgItem(window, s->marker) == nullptr &&
                (s->otherMarker == 0 || GetDlgItem(window, s->otherMarker) == nullptr))
                return TRUE;
            s->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND findMessageBox() { return findSystemDialog(kMessageBoxTextId); }
HWND findFileChooser() { return findSystemDialog(kChooserNameCombo, kChooserNameEdit); }

std::string windowText(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// Whether `upper` comes before `lower` in the z order of top-level windows.
bool stackedAbove(HWND upper, HWND lower) {
    for (HWND window = GetWindow(upper, GW_HWNDNEXT); window != nullptr; window = GetWindow(window, GW_HWNDNEXT))
        if (window == lower) return true;
    return false;
}

void setShift(bool down) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = down ? 0x80 : 0;
    keys[VK_LSHIFT] = down ? 0x80 : 0;
    SetKeyboardState(keys);
}

class Win32Automation : public Automation {
public:
    void runWhenShown(std::function<void()> script) override {
        post([this, script = std::move(script)] {
            if (!theBackend.dialogRunning()) {
                tell("no dialog was running when its script was due: it did not run");
                return;
            }
            UpdateWindow(dialogWindow());  // the first paint, before the script acts
            script();
            if (theBackend.dialogRunning()) clickCloseBox();
        });
    }

    // Posted to a window of our own, so that whichever loop runs next (the dialog's, a message
    // box's) dispatches it.
    void post(std::function<void()> action) override {
        posted_.post(std::move(action));
        PostMessageW(messageWindow(), kRunPosted, 0, 0);
    }

    void pump() override {
        HWND dialog = dialogWindow();
        MSG msg;
        constexpr int kMostMessages = 1000;
        int handled = 0;
        for (; theBackend.dialogRunning() && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++handled) {
            if (handled == kMostMessages) {
                char className[64] = {};
                GetClassNameA(msg.hwnd, className, sizeof className);
                tell("pump: messages were still coming after 1000 (the last " + std::to_string(msg.message) + " to a " +
                     className + " window)");
                break;
            }
            if (!IsDialogMessageW(dialog, &msg)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
        }
        if (theBackend.dialogRunning()) UpdateWindow(dialog);
    }

    void idle(std::chrono::milliseconds span) override {
        const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(span.count());
        for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
            HWND box = findMessageBox();
            HWND dialog = box ? box : dialogWindow();
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                if (dialog == nullptr || !IsDialogMessageW(dialog, &msg)) {
                    TranslateMessage(&msg);
                    DispatchMessageW(&msg);
                }
            }
        }
    }

    void postKey(Key key) override {
        if (!theBackend.dialogRunning()) return;
        const bool tab = key == Key::Tab || key == Key::BackTab;
        const WPARAM virtualKey = tab ? VK_TAB : key == Key::Enter ? VK_RETURN : VK_ESCAPE;
        HWND target = GetFocus() ? GetFocus() : dialogWindow();
        // The dialog manager asks whether Shift is down as it takes the Tab: Shift stays down in
        // the thread's key state until the Tab has been handled.
        if (key == Key::BackTab) setShift(true);
        PostMessageW(target, WM_KEYDOWN, virtualKey, 1);
        PostMessageW(target, WM_KEYUP, virtualKey, static_cast<LPARAM>(0xC0000001u));
        if (key == Key::BackTab) post([] { setShift(false); });
    }

    void type(int id, std::string_view characters) override {
        if (!theBackend.dialogRunning()) return;
        HWND control = GetDlgItem(dialogWindow(), id);
        SetFocus(control);
        for (char c : characters) SendMessageA(control, WM_CHAR, static_cast<unsigned char>(c), 1);
    }

    void click(int id) override {
        if (theBackend.dialogRunning()) SendMessageW(GetDlgItem(dialogWindow(), id), BM_CLICK, 0, 0);
    }

    void clickCloseBox() override {
        if (theBackend.dialogRunning()) SendMessageW(dialogWindow(), WM_SYSCOMMAND, SC_CLOSE, 0);
    }

    void setMinimised(bool minimised) override {
        if (!theBackend.dialogRunning()) return;
        HWND dialog = dialogWindow();
        ShowWindow(dialog, minimised ? SW_MINIMIZE : SW_RESTORE);
        InvalidateRect(dialog, nullptr, TRUE);
        // Current Windows (and Wine) no longer paint a minimised window; send the paint that
        // older Windows sent, so that the minimised drawing shows.
        if (minimised && IsIconic(dialog)) SendMessageW(dialog, WM_PAINT, 0, 0);
    }

    bool dialogRunning() override { return theBackend.dialogRunning(); }

    ControlState readControl(int id) override {
        HWND dialog = dialogWindow();
        HWND window = id == 0 ? dialog : GetDlgItem(dialog, id);
        if (dialog == nullptr || window == nullptr) return {};
        RECT r{};
        if (id == 0) {
            GetClientRect(window, &r);
        } else {
            GetWindowRect(window, &r);
            MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
        }
        const bool checked = id != 0 && SendMessageW(window, BM_GETCHECK, 0, 0) == BST_CHECKED;
        return {true, windowText(window), checked, GetFocus() == window, Rect{r.left, r.top, r.right, r.bottom}};
    }

    int focusedControl() override {
        HWND focus = GetFocus();
        return focus && theBackend.dialogRunning() && GetParent(focus) == dialogWindow() ? GetDlgCtrlID(focus) : 0;
    }

    ControlColours colours(int id, unsigned kind) override {
        ControlColours colours{0xFFFFFFFFu, 0xFFFFFFFFu};
        if (!theBackend.dialogRunning()) return colours;
        HWND dialog = dialogWindow();
        HDC dc = CreateCompatibleDC(nullptr);
        HWND control = id == 0 ? dialog : GetDlgItem(dialog, id);
        auto brush = reinterpret_cast<HBRUSH>(SendMessageW(
            dialog, WM_CTLCOLORMSGBOX + kind, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
        colours.background = GetBkColor(dc);
        LOGBRUSH logBrush{};
        if (brush && GetObjectW(brush, sizeof logBrush, &logBrush) == sizeof logBrush) colours.brush = logBrush.lbColor;
        DeleteDC(dc);
        return colours;
    }

    std::optional<Point> lastIconDrawn() override { return theBackend.lastIconDrawn(); }

    std::optional<MessageBoxState> messageBox() override {
        HWND box = findMessageBox();
        if (box == nullptr) return std::nullopt;
        HWND text = GetDlgItem(box, kMessageBoxTextId);
        HWND ok = GetDlgItem(box, IDOK);
        const bool hasOk = ok != nullptr && IsWindowVisible(ok) && windowText(ok) == "OK";
        const bool question = GetDlgItem(box, IDYES) != nullptr && GetDlgItem(box, IDNO) != nullptr;
        return MessageBoxState{windowText(box), text ? windowText(text) : "", hasOk, stackedAbove(box, dialogWindow()),
                               question};
    }

    void answerMessageBox() override {
        if (HWND box = findMessageBox()) SendMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    }

    void answerQuestion(bool yes) override {
        if (HWND box = findMessageBox()) SendMessageW(GetDlgItem(box, yes ? IDYES : IDNO), BM_CLICK, 0, 0);
    }

    // A click in the middle of the item, as the mouse would make it.
    void selectItem(int id, int index) override {
        if (!theBackend.dialogRunning()) return;
        HWND list = GetDlgItem(dialogWindow(), id);
        RECT item{};
        if (SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) == LB_ERR)
            return;
        const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
        SetFocus(list);
        SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(list, WM_LBUTTONUP, 0, at);
    }

    std::optional<FileChooserState> fileChooser() override {
        HWND chooser = findFileChooser();
        if (chooser == nullptr) return std::nullopt;
        return FileChooserState{windowText(chooser)};
    }

    // The name typed into its name field and "Open" pressed, or "Cancel".
    void answerFileChooser(const std::optional<std::string>& file) override {
        HWND chooser = findFileChooser();
        if (chooser == nullptr) return;
        if (file) {
            HWND name = GetDlgItem(chooser, kChooserNameCombo);
            if (name == nullptr) name = GetDlgItem(chooser, kChooserNameEdit);
            SetWindowTextA(name, file->c_str());
        }
        SendMessageW(GetDlgItem(chooser, file ? IDOK : IDCANCEL), BM_CLICK, 0, 0);
    }

private:
    static LRESULT CALLBACK messageProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == kRunPosted) {
            auto* self = reinterpret_cast<Win32Automation*>(GetWindowLongPtrW(window, GWLP_USERDATA));
            if (self) self->posted_.runNext();
            return 0;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    HWND messageWindow() {
        if (window_ == nullptr) {
            WNDCLASSW windowClass{};
            windowClass.lpfnWndProc = messageProcedure;
            windowClass.hInstance = GetModuleHandleW(nullptr);
            windowClass.lpszClassName = L"VantryAutomation";
            RegisterClassW(&windowClass);
            window_ = CreateWindowW(L"VantryAutomation", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
            SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        }
        return window_;
    }

    HWND window_ = nullptr;
    PostedActions posted_;  // one window message per post
};

}  // namespace

Win32Backend& TheWin32Backend() { return theBackend; }

Automation& CurrentAutomation() {
    static Win32Automation automation;
    return automation;
}

}  // namespace vantry::framework
