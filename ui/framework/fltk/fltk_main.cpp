#include <cstdio>
#include <cstdlib>

#include "fltk_backend.h"

namespace vantry::framework {

namespace {
FltkBackend theBackend;  // the program's one
}  // namespace

FltkBackend& TheFltkBackend() { return theBackend; }
Backend& CurrentBackend() { return theBackend; }

}  // namespace vantry::framework

// The Linux program: the dialog in a window of its own. It takes no command line.
int main() {
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') {
        std::fputs("vantry: there is no display to open the window on (DISPLAY is not set)\n", stderr);
        return 1;
    }
    return vantry::framework::RunApplication();
}
