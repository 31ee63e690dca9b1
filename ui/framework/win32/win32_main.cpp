#include <windows.h>

#include "ui/framework/win32/win32_backend.h"

// The Windows program: the framework's start-up runs the one application object.

// The program's one backend.
vantry::framework::Win32Backend& vantry::framework::TheWin32Backend() {
    static Win32Backend backend;
    return backend;
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return vantry::framework::RunApplication(); }
