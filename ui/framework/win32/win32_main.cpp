#include <windows.h>

#include "../backend.h"

// The Windows program: the framework's start-up runs the one application object.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return vantry::framework::RunApplication(); }
