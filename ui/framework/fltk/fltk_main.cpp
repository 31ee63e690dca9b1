#include <cstdio>
#include <cstdlib>

#include "../backend.h"

// The Linux program: the dialog in a window of its own. It takes no command line.
int main() {
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') {
        std::fputs("vantry: there is no display to open the window on (DISPLAY is not set)\n", stderr);
        return 1;
    }
    return vantry::framework::RunApplication();
}
