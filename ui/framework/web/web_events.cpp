#include <emscripten.h>

#include "ui/framework/emulated/edit_rules.h"
#include "ui/framework/web/web_backend.h"
#include "ui/framework/web/web_peers.h"
#include "ui/framework/window_types.h"

// What the page hands to the dialog: clicks, keys, the close box, the paint it was asked for.

using namespace vantry::framework;

extern "C" {

EMSCRIPTEN_KEEPALIVE void vantry_web_click(int index) {
    WebDialog* dialog = TheWebBackend().runningDialog();
    WebControl* control = dialog && dialog->acceptsInput() ? dialog->controlAt(index) : nullptr;
    if (control) dialog->events.command(control->layout.id);  // BN_CLICKED
}

// A key the dialog manager answers (a DialogKey), pressed on the element `index`. Returns 1 when
// the dialog took it.
EMSCRIPTEN_KEEPALIVE int vantry_web_key(int index, int key) {
    WebDialog* dialog = TheWebBackend().runningDialog();
    return dialog && dialog->pressKey(index, static_cast<DialogKey>(key)) ? 1 : 0;
}

// A character about to go into the element `index`. Returns 1 when the edit refuses it.
EMSCRIPTEN_KEEPALIVE int vantry_web_character(int index, int codePoint) {
    WebDialog* dialog = TheWebBackend().runningDialog();
    return dialog && dialog->refusesCharacter(index, static_cast<char32_t>(codePoint)) ? 1 : 0;
}

// A typed character as an edit takes it: a digit of any script is its ASCII digit.
EMSCRIPTEN_KEEPALIVE int vantry_web_ascii(int codePoint) {
    return static_cast<int>(AsciiForTyped(static_cast<char32_t>(codePoint)));
}

// The close box: WM_CLOSE, which the dialog manager answers as IDCANCEL.
EMSCRIPTEN_KEEPALIVE void vantry_web_close() {
    WebDialog* dialog = TheWebBackend().runningDialog();
    if (dialog && dialog->acceptsInput()) dialog->events.command(kIdCancel);
}

EMSCRIPTEN_KEEPALIVE void vantry_web_paint() {
    if (WebDialog* dialog = TheWebBackend().runningDialog()) dialog->paintIfPending();
}

EMSCRIPTEN_KEEPALIVE void vantry_web_message_box_answered() { TheWebBackend().messageBoxAnswered(); }

}  // extern "C"
