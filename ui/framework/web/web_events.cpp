#include <emscripten.h>

#include "../window_types.h"
#include "web_backend.h"
#include "web_peers.h"

// What the page hands to the dialog: clicks, keys, the close box, the paint it was asked for.

using namespace vantry::framework;

extern "C" {

EMSCRIPTEN_KEEPALIVE void vantry_web_click(int index) {
    WebDialog* dialog = TheWebBackend().runningDialog();
    WebControl* control = dialog && dialog->acceptsInput() ? dialog->controlAt(index) : nullptr;
    if (control) dialog->events.command(control->layout.id);  // BN_CLICKED
}

EMSCRIPTEN_KEEPALIVE int vantry_web_key(int index, int code) {
    WebDialog* dialog = TheWebBackend().runningDialog();
    return dialog ? (dialog->key(index, code) ? 1 : 0) : 0;
}

// The close box: WM_CLOSE, which the dialog manager answers as IDCANCEL.
EMSCRIPTEN_KEEPALIVE void vantry_web_close() {
    WebDialog* dialog = TheWebBackend().runningDialog();
    if (dialog && dialog->acceptsInput()) dialog->events.command(kIdCancel);
}

EMSCRIPTEN_KEEPALIVE void vantry_web_paint() {
    if (WebDialog* dialog = TheWebBackend().runningDialog()) dialog->deliverPaint();
}

EMSCRIPTEN_KEEPALIVE void vantry_web_message_box_answered() { TheWebBackend().messageBoxAnswered(); }

}  // extern "C"
