#include <windows.h>

#include "win32_backend.h"

// The Windows program: the framework's start-up runs the one application object.

namespace vantry::framework {

namespace {
Win32Backend theBackend;  // the program's one
}  // namespace

Win32Backend& TheWin32Backend() { return theBackend; }
Backend& CurrentBackend() { return theBackend; }

}  // namespace vantry::framework

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return vantry::framework::RunApplication(); }
