#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>

#include "ui/framework/backend.h"

// The backend's windows as the framework sees them. Internal to the Windows backend: its own
// files and its automation include this, nothing else does.

namespace vantry::framework {

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
    Win32Dialog(HWND hwnd, DialogEvents& dialogEvents, const DialogTemplate& dialogLayout)
        : Win32Window(hwnd), events(dialogEvents), layout(dialogLayout) {}

    void forget(HWND hwnd) { windows_.erase(hwnd); }

    Win32Window* wrap(HWND hwnd) {
        if (hwnd == nullptr) return nullptr;
        if (hwnd == this->hwnd()) return this;
        std::unique_ptr<Win32Window>& window = windows_[hwnd];
        if (!window) window = std::make_unique<Win32Window>(hwnd);
        return window.get();
    }

    DialogEvents& events;
    const DialogTemplate& layout;
    bool ended = false;  // EndDialog was called; the window stays up until the modal loop returns
    PAINTSTRUCT paint{};
    bool painted = false;  // the handler validated the window itself (BeginPaint / EndPaint)

private:
    std::map<HWND, std::unique_ptr<Win32Window>> windows_;
};

}  // namespace vantry::framework
