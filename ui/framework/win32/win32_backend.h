#pragma once

#include <memory>
#include <vector>

#include "ui/framework/backend.h"

// The real thing: dialogs from the executable's resources on USER32 / GDI32, every operation
// passed straight through (win32_backend.cpp). This header stays free of <windows.h>, whose
// macros would rename the framework's methods (SendMessage, MessageBox) in any file that
// includes both.

namespace vantry::framework {

class Win32Dialog;

class Win32Backend : public Backend {
public:
    Win32Backend();
    ~Win32Backend() override;

    std::intptr_t runModal(const DialogTemplate& dialogTemplate, DialogEvents& events) override;
    void endModal(WindowPeer& dialog, std::intptr_t result) override;
    int messageBox(WindowPeer* owner, std::string_view text, std::string_view caption, unsigned type) override;
    std::optional<std::string> chooseFileToOpen(WindowPeer* owner, std::string_view title,
                                                std::string_view pattern) override;
    void removeControlsFrom(WindowPeer& dialog, std::size_t first) override;
    void addControlsFrom(WindowPeer& dialog, std::size_t first) override;
    void waitWhile(const std::function<bool()>& running) override;

    // GDI and the executable's resources, passed straight through. The icons live in the
    // executable, put there from the same resource module by the generated resource script.
    IconHandle loadIcon(const ResourceModule& module, int id) override;
    BrushHandle createSolidBrush(Colour colour) override;
    void deleteBrush(BrushHandle brush) override;
    int systemMetric(int index) override;
    void setBackgroundColour(DcHandle dc, Colour colour) override;
    DcHandle beginPaint(WindowPeer& window) override;
    void endPaint(WindowPeer& window, DcHandle dc) override;
    void defaultPaint(WindowPeer&) override {}  // the dialog procedure answers FALSE instead
    void drawIcon(DcHandle dc, int x, int y, IconHandle icon) override;

    // The dialog on top, from its WM_INITDIALOG to its run's end; the one below it again after.
    Win32Dialog* current() const { return dialogs_.empty() ? nullptr : dialogs_.back().get(); }
    Win32Dialog* dialogOf(void* hwnd) const;  // the running dialog of that window handle, or nullptr
    void adopt(std::unique_ptr<Win32Dialog> dialog);

private:
    std::vector<std::unique_ptr<Win32Dialog>> dialogs_;  // the running dialogs, each above the one before
};

// The program's one backend: the Windows program's (win32_main.cpp) or the tests' (win32_automation.cpp).
Win32Backend& TheWin32Backend();

}  // namespace vantry::framework
