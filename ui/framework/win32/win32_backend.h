#pragma once

#include <optional>

#include "../window_types.h"

// The real thing: dialogs from the executable's resources on USER32 / GDI32, every operation
// passed straight through (win32_backend.cpp). This header stays free of <windows.h>, whose
// macros would rename the framework's methods (SendMessage, MessageBox) in any file that
// includes both; it offers what the backend's automation reads of the running dialog.

namespace vantry::framework::win32 {

void* RunningDialogWindow();  // the HWND of the dialog being run, or nullptr
bool DialogRunning();          // a dialog is being run and has not been ended
std::optional<Point> LastIconDrawn();

}  // namespace vantry::framework::win32
