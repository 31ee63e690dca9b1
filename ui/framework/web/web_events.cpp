#include <emscripten.h>

#include <string>

#include "ui/framework/emulated/edit_rules.h"
#include "ui/framework/web/web_backend.h"
#include "ui/framework/web/web_dom.h"
#include "ui/framework/web/web_peers.h"
#include "ui/framework/window_types.h"

// What the page hands to the dialog: clicks, keys, the close box, a box's answer, a chosen line,
// typing in a text area, a dropped file; and the paint it was asked for.
//
// While the program waits in a dialog's loop, an event goes to the queue that loop takes from, so
// that whatever it starts (a dialog above, a question) can wait in its turn, as in Windows' modal
// loops. While it waits for anything else (a file, the site's storage, the method reader, the
// report's tab), the dialog takes no input, as a disabled window takes none: only a box's answer
// is kept for its loop. Otherwise (the tests drive the page) an event is handled at once, by a
// call that nothing may wait in.

// clang-format off
EM_JS(void, jsInstallEvents, (int mostDropped), {
    if (Module.vantryDeliver) return;
    Module.vantryQueue = [];
    Module.vantryWaiting = null;
    Module.vantryBusy = 0;  // how many waits other than the loop's the program is in
    Module.vantryDeliver = (kind, index, argument) => {
        if (!Module.vantryWaiting) {
            if (Module.vantryBusy === 0) return Module._vantry_web_event(kind, index, argument);
            if (kind === Module.vantry.event.boxAnswered) Module.vantryQueue.push([kind, index, argument]);
            return 1;
        }
        Module.vantryQueue.push([kind, index, argument]);
        const wake = Module.vantryWaiting;
        Module.vantryWaiting = null;
        wake();
        return 1;
    };
    // A file of the person's, its first `most` bytes, into the memory file system under `folder`:
    // its path there. Its name keeps no folder of its own.
    Module.vantryStoreFile = async (file, folder, most) => {
        const bytes = new Uint8Array(await file.slice(0, most).arrayBuffer());
        let name = file.name || 'file';
        for (const separator of ['/', String.fromCharCode(92)]) name = name.split(separator).join('_');
        if (name.split('.').join("") === "") name = 'file';  // not "." or ".."
        FS.mkdirTree(folder);
        const path = folder + '/' + name;
        FS.writeFile(path, bytes);
        return path;
    };
    // A file dropped on a dialog goes to that dialog; dropped anywhere on the page, it must not
    // replace the page.
    document.addEventListener('dragover', event => {
        if (event.dataTransfer && [...event.dataTransfer.types].includes('Files')) event.preventDefault();
    });
    document.addEventListener('drop', async event => {
        if (!event.dataTransfer || event.dataTransfer.files.length === 0) return;
        event.preventDefault();
        const frame = event.target.closest && event.target.closest('.vantry-frame');
        if (!frame || frame.inert || frame.closest('[inert]')) return;
        const level = frame.id === 'vantry-dialog' ? 0 : Number(frame.id.slice('vantry-dialog-'.length));
        Module.vantryDropped = await Module.vantryStoreFile(event.dataTransfer.files[0], '/dropped', mostDropped);
        Module.vantryDeliver(Module.vantry.event.fileDropped, Module.vantry.dialogIndex - level, 0);
    });
});

EM_JS(void, jsDroppedPath, (char* path, int capacity), {
    stringToUTF8(Module.vantryDropped || "", path, capacity);
});
// clang-format on

namespace vantry::framework {

namespace web {
void InstallEvents() { jsInstallEvents(1 << 20); }
}  // namespace web

int WebBackend::handlePageEvent(web::PageEvent kind, int index, int argument) {
    if (kind == web::PageEvent::BoxAnswered) {  // the box over whichever dialog is on top
        messageBoxAnswered(argument);
        return 1;
    }
    WebDialog* dialog = runningDialog();
    if (dialog == nullptr) return 0;
    // An event of a dialog that has gone (queued before it ended) is not the one beneath's.
    if (web::LevelOf(index) != dialog->level) return 0;
    WebControl* control = dialog->controlAt(index);
    switch (kind) {
        case web::PageEvent::Click:  // BN_CLICKED
            if (control && dialog->acceptsInput()) dialog->events.command(control->layout.id);
            return 1;
        case web::PageEvent::Key: return dialog->pressKey(index, static_cast<DialogKey>(argument)) ? 1 : 0;
        case web::PageEvent::Close:  // WM_CLOSE, which the dialog manager answers as IDCANCEL
            if (dialog->acceptsInput()) dialog->events.command(kIdCancel);
            return 1;
        case web::PageEvent::BoxAnswered: break;
        case web::PageEvent::ListSelected:
            if (control && dialog->acceptsInput())
                control->send(Msg::ListSetSelection, static_cast<WParam>(argument), 0);
            return 1;
        case web::PageEvent::EditChanged:
            if (control && dialog->acceptsInput()) dialog->events.editChanged(control->layout.id);
            return 1;
        case web::PageEvent::FileDropped:
            if (dialog->acceptsInput()) {
                char path[1024] = {};
                jsDroppedPath(path, static_cast<int>(sizeof path));
                if (path[0] != '\0') dialog->events.fileDropped(path);
            }
            return 1;
    }
    return 0;
}

}  // namespace vantry::framework

using namespace vantry::framework;

extern "C" {

// An event the page's script hands over when the program is not waiting for one.
EMSCRIPTEN_KEEPALIVE int vantry_web_event(int kind, int index, int argument) {
    WebBackend::CallFromThePage call(TheWebBackend());
    return TheWebBackend().handlePageEvent(static_cast<web::PageEvent>(kind), index, argument);
}

// A character about to go into the element `index`. Returns 1 when the edit refuses it.
EMSCRIPTEN_KEEPALIVE int vantry_web_character(int index, int codePoint) {
    WebBackend::CallFromThePage call(TheWebBackend());
    WebDialog* dialog = TheWebBackend().runningDialog();
    return dialog && dialog->refusesCharacter(index, static_cast<char32_t>(codePoint)) ? 1 : 0;
}

// A typed character as an edit takes it: a digit of any script is its ASCII digit.
EMSCRIPTEN_KEEPALIVE int vantry_web_ascii(int codePoint) {
    return static_cast<int>(AsciiForTyped(static_cast<char32_t>(codePoint)));
}

EMSCRIPTEN_KEEPALIVE void vantry_web_paint() {
    WebBackend::CallFromThePage call(TheWebBackend());
    if (WebDialog* dialog = TheWebBackend().runningDialog()) dialog->paintIfPending();
}

}  // extern "C"
