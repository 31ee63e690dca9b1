// What only the real Win32 dialog can show: its pixels, and the modal run ended every way.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_template.h"
#include "framework/win32/win32_backend.h"
#include "png_writer.h"
#include "vantry_dlg.h"

namespace {

namespace Id = ControlId;

TEST(Win32Dialog, ScreenshotAfterACalculation) {
    Win32Backend& backend = TheWin32Backend();
    CVantryDlg dialog;
    bool captured = false;
    backend.script = [&] {
        backend.paste(Id::DsToPay, "7");
        backend.click(Id::CalculatePayout);
        backend.pump();
        std::vector<unsigned char> rgb;
        int width = 0, height = 0;
        captured = backend.capture(rgb, width, height) &&
                   WritePng(std::string(VANTRY_SCREENSHOT_DIR) + "/win32-dialog.png", rgb, width, height);
    };
    dialog.DoModal();
    EXPECT_TRUE(captured);
}

TEST(Win32Dialog, EnterPressesTheLastDefaultButton) {
    Win32Backend& backend = TheWin32Backend();
    CVantryDlg dialog;
    std::vector<std::string> commands;
    dialog.SetViewerRunner([&](const std::string& command) { commands.push_back(command); });
    backend.script = [&] {
        backend.type(Id::Places, "");
        backend.pressKey(0x0D);  // VK_RETURN
    };
    dialog.DoModal();
    EXPECT_EQ(commands, std::vector<std::string>{"notepad report.txt"});
}

}  // namespace
