#include <emscripten.h>

#include <string>

#include "ui/framework/web/web_dom.h"
#include "ui/framework/window_types.h"

// The message box of the page: drawn over the dialog on top, which takes no input until it is
// answered: OK, or Yes or No for a question (Esc is No, as a Yes/No box has no Cancel).

// clang-format off
// An alert dialog over the dialog, named by its caption and described by its text. It keeps the
// keyboard until its OK: wherever the focus goes meanwhile (a click on the page's margin, Tab),
// it comes back to OK; then it goes back where it was before the box. A box that comes while
// another is up goes over it, and the one below waits, out of the keyboard's way, until the one
// above is answered; the box on top is always "vantry-message-box".
EM_JS(void, jsShowMessageBox, (const char* text, const char* caption, int question, int ok, int yes, int no), {
    const frame = Module.vantry.topFrame();
    const before = document.activeElement;
    const boxes = Module.vantryBoxes || (Module.vantryBoxes = []);
    const serial = Module.vantryBoxSerial = (Module.vantryBoxSerial || 0) + 1;
    if (boxes.length) boxes[boxes.length - 1].id = 'vantry-message-box-' + boxes[boxes.length - 1].vantrySerial;
    const overlay = document.createElement('div');
    overlay.className = 'vantry-overlay vantry-message';
    overlay.id = 'vantry-message-box';
    overlay.vantrySerial = serial;
    overlay.innerHTML = '<div class="vantry-box" role="alertdialog" aria-modal="true" aria-labelledby="vantry-box-title-' + serial +
        '" aria-describedby="vantry-box-text-' + serial + '"><div class="vantry-box-title" id="vantry-box-title-' + serial + '"></div>' +
        '<div class="vantry-box-text" id="vantry-box-text-' + serial + '"></div><div class="vantry-box-buttons">' +
        (question ? '<button data-answer="' + yes + '">Yes</button> <button data-answer="' + no + '">No</button>'
                  : '<button data-answer="' + ok + '">OK</button>') + '</div></div>';
    overlay.querySelector('.vantry-box-title').textContent = UTF8ToString(caption);
    overlay.querySelector('.vantry-box-text').textContent = UTF8ToString(text);
    const buttons = [...overlay.querySelectorAll('button')];
    const first = buttons[0];
    const onTop = () => overlay.isConnected && boxes[boxes.length - 1] === overlay;
    const keepFocus = () => { if (onTop() && !overlay.contains(document.activeElement)) first.focus({preventScroll: true}); };
    const onFocusIn = () => keepFocus();
    const onFocusOut = () => setTimeout(keepFocus, 0);  // a click on nothing focusable moves no focus in
    const onKey = event => {
        if (!onTop()) return;
        if (event.repeat) {  // a key held since before the box: it must not answer a box never seen
            event.preventDefault();
            event.stopPropagation();
            return;
        }
        const focused = buttons.includes(document.activeElement) ? document.activeElement : first;
        if (event.key === 'Enter' || event.key === ' ') {
            event.preventDefault();
            event.stopPropagation();
            answer(Number(focused.dataset.answer));
        } else if (event.key === 'Escape') {
            event.preventDefault();
            event.stopPropagation();
            answer(question ? no : ok);
        } else if (event.key === 'Tab') {
            event.preventDefault();  // the focus stays on the box's buttons
            const next = (buttons.indexOf(focused) + (event.shiftKey ? buttons.length - 1 : 1)) % buttons.length;
            buttons[next].focus({preventScroll: true});
        }
    };
    overlay.vantryRemove = () => {
        document.removeEventListener('focusin', onFocusIn, true);
        document.removeEventListener('keydown', onKey, true);
        overlay.remove();
        const at = boxes.indexOf(overlay);
        if (at >= 0) boxes.splice(at, 1);
        if (boxes.length) boxes[boxes.length - 1].id = 'vantry-message-box';
    };
    const answer = id => {
        if (!onTop()) return;  // the box above it is answered first
        overlay.vantryRemove();
        const next = boxes[boxes.length - 1];
        if (next) next.querySelector('button').focus({preventScroll: true});
        else if (before && before.isConnected && typeof before.focus === 'function') before.focus({preventScroll: true});
        Module.vantryDeliver(Module.vantry.event.boxAnswered, Module.vantry.dialogIndex, id);
    };
    for (const button of buttons) {
        button.addEventListener('click', () => answer(Number(button.dataset.answer)));
        button.addEventListener('focusout', onFocusOut);
    }
    document.addEventListener('focusin', onFocusIn, true);
    document.addEventListener('keydown', onKey, true);
    boxes.push(overlay);
    frame.appendChild(overlay);
    first.focus({preventScroll: true});
});

EM_JS(void, jsHideMessageBox, (), {
    for (const overlay of [...(Module.vantryBoxes || [])]) overlay.vantryRemove();
});

// clang-format on

namespace vantry::framework::web {

void ShowMessageBox(const std::string& text, const std::string& caption, bool question) {
    jsShowMessageBox(text.c_str(), caption.c_str(), question ? 1 : 0, kIdOk, kIdYes, kIdNo);
}
void HideMessageBox() { jsHideMessageBox(); }

}  // namespace vantry::framework::web
