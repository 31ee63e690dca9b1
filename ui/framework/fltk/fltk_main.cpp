#include <cstdio>
#include <cstdlib>

#include "ui/framework/fltk/fltk_backend.h"

// The program's one backend.
vantry::framework::FltkBackend& vantry::framework::TheFltkBackend() {
    static FltkBackend backend;
    return backend;
}

// The Linux program: the dialog in a window of its own. It takes no command line.
int main() {
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') {
        std::fputs("vantry: there is no display to open the window on (DISPLAY is not set)\n", stderr);
        return 1;
    }
    return vantry::framework::RunApplication();
}
