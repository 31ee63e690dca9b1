#include <emscripten.h>

#include "ui/framework/web/web_backend.h"
#include "ui/framework/web/web_dom.h"

// The page's program: the framework's start-up runs the one application object. When its dialog
// ends (Exit, Esc, the close box) the page says so and offers to start it again.

// The program's one backend.
vantry::framework::WebBackend& vantry::framework::TheWebBackend() {
    static WebBackend backend;
    return backend;
}

extern "C" EMSCRIPTEN_KEEPALIVE void vantry_web_run() {
    vantry::framework::RunApplication();
    vantry::framework::web::ShowClosed();
}

int main() {
    vantry_web_run();
    return 0;
}
