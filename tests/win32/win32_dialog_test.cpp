// What only the real Win32 dialog can show: its pixels.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/viewer.h"
#include "tests/common/png_reader.h"
#include "tests/common/screenshot_checks.h"
#include "tests/dialog/dialog_fixture.h"
#include "tests/dialog/test_method_files.h"
#include "ui/icon/png_writer.h"

namespace {

namespace Id = vantry::app::ControlId;
using vantry::framework::Rect;

// The client area's pixels as red, green, blue bytes, row by row, copied from the screen.
bool capture(HWND window, std::vector<unsigned char>& rgb, int& width, int& height) {
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    width = client.right;
    height = client.bottom;
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
    const bool copied = BitBlt(memory, 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY) != FALSE;
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

TEST_F(DialogTest, Win32ScreenshotAfterACalculation) {
    const std::string path = std::string(VANTRY_SCREENSHOT_DIR) + "/win32-dialog.png";
    std::filesystem::remove(path);  // the picture looked at is this run's
    Rect list, field;
    run([&] {
        driver_.paste(Id::DsToPay, "7");
        calculate();
        std::vector<unsigned char> rgb;
        int width = 0, height = 0;
        HWND window = FindWindowA("#32770", "Quorvath Payout Calculator");
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(capture(window, rgb, width, height));
        ASSERT_TRUE(vantry::app::WritePng(path, rgb, width, height));
        list = driver_.control(Id::ResultList).bounds;
        field = driver_.control(Id::RiderCount).bounds;
    });
    DecodedPng shot;
    std::string error;
    ASSERT_TRUE(ReadPng(path, shot, error)) << error;
    ExpectTheDialogAsAPersonSeesIt(shot, list, field);
}

// The pictures the README shows a producer: the dialog with ten methods of their own, one of them
// chosen and calculated, and the methods window. Each is looked at for the text it must show.
TEST_F(DialogTest, Win32ScreenshotsWithTenMethodsAndTheMethodsWindow) {
    namespace Mid = vantry::app::MethodsControlId;
    const std::string dialogPath = std::string(VANTRY_SCREENSHOT_DIR) + "/win32-dialog-10-methods.png";
    const std::string windowPath = std::string(VANTRY_SCREENSHOT_DIR) + "/win32-methods-window.png";
    std::filesystem::remove(dialogPath);
    std::filesystem::remove(windowPath);
    InstallTestMethods(10);
    const auto shoot = [](const char* caption, const std::string& path) {
        std::vector<unsigned char> rgb;
        int width = 0, height = 0;
        HWND window = FindWindowA("#32770", caption);
        ASSERT_NE(window, nullptr) << caption;
        ASSERT_TRUE(capture(window, rgb, width, height));
        ASSERT_TRUE(vantry::app::WritePng(path, rgb, width, height));
    };
    std::vector<Rect> labels;
    Rect methodList;
    run([&] {
        driver_.click(Id::OwnMethodFirst + 2);
        calculate();
        shoot("Quorvath Payout Calculator", dialogPath);
        for (int i = 0; i < 10; ++i) {
            const Rect box = driver_.control(Id::OwnMethodFirst + i).bounds;
            labels.push_back(Rect{box.left + box.height() + 4, box.top, box.right, box.bottom});  // right of the square
        }
        driver_.automation().runWhenShown([&] {
            driver_.automation().selectItem(Mid::MethodList, 5);  // shown selected, and left out below
            driver_.pump();
            shoot("Payout Methods", windowPath);
            methodList = driver_.control(Mid::MethodList).bounds;
        });
        driver_.click(Id::PayoutMethods);
        driver_.pump();
    });
    ExpectOwnMethodsAndTheMethodsWindowShown(dialogPath, labels, windowPath, methodList, 5);
}

// A person at the computer while the editor has the report: the window over the dialog closes,
// and they click and type in the dialog. Looked at from inside the program's wait for the editor.
struct WhileTheEditorRuns {
    HWND dialog = nullptr;
    bool looked = false;
    bool repainted = false;  // the dialog and its list have nothing left to repaint
    bool captured = false;
    std::string screenshot;
};
WhileTheEditorRuns* whileTheEditorRuns = nullptr;

void postClick(HWND control) {
    RECT r{};
    GetClientRect(control, &r);
    const LPARAM middle = MAKELPARAM(r.right / 2, r.bottom / 2);
    PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, middle);
    PostMessageW(control, WM_LBUTTONUP, 0, middle);
}

void CALLBACK lookWhileTheEditorRuns(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    WhileTheEditorRuns& state = *whileTheEditorRuns;
    state.looked = true;
    state.repainted = !GetUpdateRect(state.dialog, nullptr, FALSE) &&
                      !GetUpdateRect(GetDlgItem(state.dialog, Id::ResultList), nullptr, FALSE);
    std::vector<unsigned char> rgb;
    int width = 0, height = 0;
    state.captured = capture(state.dialog, rgb, width, height) &&
                     vantry::app::WritePng(state.screenshot, rgb, width, height);
    postClick(GetDlgItem(state.dialog, Id::Exit));
    postClick(GetDlgItem(state.dialog, Id::Brn4dMethod));
    PostMessageW(GetDlgItem(state.dialog, Id::RiderCount), WM_CHAR, '9', 1);
    PostMessageW(GetDlgItem(state.dialog, Id::RiderCount), WM_KEYDOWN, VK_ESCAPE, 1);
}

TEST_F(DialogTest, Win32DialogStaysPaintedAndTakesNoInputWhileTheEditorRuns) {
    // The real hand-off, to the stand-in notepad.exe beside this program, open for three seconds.
    dialog_.setViewerRunner(vantry::app::CVantryDlg::openInEditor);
    SetEnvironmentVariableA("VANTRY_FAKE_VIEWER_SECONDS", "3");
    WhileTheEditorRuns state;
    state.screenshot = std::string(VANTRY_SCREENSHOT_DIR) + "/win32-dialog-while-editing.png";
    std::filesystem::remove(state.screenshot);  // the picture looked at is this run's
    whileTheEditorRuns = &state;
    Rect list, field;
    std::vector<std::string> listed;
    const std::intptr_t ended = run([&] {
        calculate();
        listed = listLines();
        list = driver_.control(Id::ResultList).bounds;
        field = driver_.control(Id::RiderCount).bounds;
        state.dialog = FindWindowA("#32770", "Quorvath Payout Calculator");
        ASSERT_NE(state.dialog, nullptr);
        // Runs from the first message loop to look: the one that waits for the editor.
        driver_.automation().post([&] {
            HWND cover = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP | WS_VISIBLE | SS_BLACKRECT, 0, 0,
                                         2000, 2000, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
            UpdateWindow(cover);
            DestroyWindow(cover);  // uncovers the dialog, which must paint itself again
            SetTimer(nullptr, 0, 500, lookWhileTheEditorRuns);
        });
        driver_.automation().click(Id::EditPrintPayout);  // returns once the editor has ended
        driver_.pump();
        EXPECT_TRUE(state.looked) << "nothing was handled while the editor ran";
        EXPECT_TRUE(state.repainted) << "the uncovered dialog was not painted while the editor ran";
        EXPECT_EQ(text(Id::RiderCount), "40");
        EXPECT_EQ(methodChecks(), (std::vector<bool>{false, false, true}));
        EXPECT_EQ(listLines(), listed);
        EXPECT_TRUE(IsWindowEnabled(state.dialog)) << "the dialog takes input again once the editor has ended";
    });
    whileTheEditorRuns = nullptr;
    SetEnvironmentVariableA("VANTRY_FAKE_VIEWER_SECONDS", nullptr);
    EXPECT_EQ(ended, vantry::framework::kIdCancel) << "Exit, clicked while the editor ran, ended the dialog";
    ASSERT_TRUE(state.captured);
    DecodedPng shot;
    std::string error;
    ASSERT_TRUE(ReadPng(state.screenshot, shot, error)) << error;
    ExpectTheDialogAsAPersonSeesIt(shot, list, field);
}

// Notepad that ends with a failure: the report is written, and the producer is told where it is.
TEST_F(DialogTest, Win32AnEditorThatFailsIsToldWithTheReportsPath) {
    vantry::framework::Automation& automation = driver_.automation();
    std::optional<vantry::framework::MessageBoxState> seen;
    // The box comes once the editor has ended: what is posted then runs in the box's loop.
    dialog_.setViewerRunner([&](const vantry::platform::ViewerCommand& command) {
        const std::string told = vantry::app::CVantryDlg::openInEditor(command);
        automation.post([&] {
            if ((seen = automation.messageBox())) automation.answerMessageBox();
        });
        return told;
    });
    SetEnvironmentVariableA("VANTRY_FAKE_VIEWER_STATUS", "3");
    run([&] {
        calculate();
        automation.click(Id::EditPrintPayout);
        driver_.pump();
    });
    SetEnvironmentVariableA("VANTRY_FAKE_VIEWER_STATUS", nullptr);
    ASSERT_TRUE(seen.has_value());
    EXPECT_EQ(seen->text, "The report was written, but could not be opened.\n" + (folder_ / "report.txt").string() +
                              ": notepad failed (exit status 3)");
    EXPECT_NE(readReport().find("\n    2 = $90.00   (40.00%)\n"), std::string::npos);
}

}  // namespace
