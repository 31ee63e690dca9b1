// What only the real Win32 dialog can show: its pixels.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "dialog_fixture.h"
#include "png_reader.h"
#include "png_writer.h"
#include "screenshot_checks.h"

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
    Rect list, field;
    run([&] {
        driver.paste(Id::DsToPay, "7");
        calculate();
        std::vector<unsigned char> rgb;
        int width = 0, height = 0;
        HWND window = FindWindowA("#32770", "Quorvath Payout Calculator");
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(capture(window, rgb, width, height));
        ASSERT_TRUE(WritePng(path, rgb, width, height));
        list = driver.control(Id::ResultList).bounds;
        field = driver.control(Id::RiderCount).bounds;
    });
    DecodedPng shot;
    std::string error;
    ASSERT_TRUE(ReadPng(path, shot, error)) << error;
    ExpectTheDialogAsAPersonSeesIt(shot, list, field);
}

}  // namespace
