#include <emscripten.h>

#include <string>

#include "ui/framework/web/web_dom.h"

// The message box of the page: drawn over the dialog, which takes no input until its OK.

// clang-format off
// An alert dialog over the dialog, named by its caption and described by its text. It keeps the
// keyboard until its OK: wherever the focus goes meanwhile (a click on the page's margin, Tab),
// it comes back to OK; then it goes back where it was before the box.
EM_JS(void, jsShowMessageBox, (const char* text, const char* caption), {
    const frame = document.getElementById('vantry-dialog');
    const before = document.activeElement;
    const overlay = document.createElement('div');
    overlay.className = 'vantry-overlay';
    overlay.id = 'vantry-message-box';
    overlay.innerHTML = '<div class="vantry-box" role="alertdialog" aria-modal="true" aria-labelledby="vantry-box-title" ' +
        'aria-describedby="vantry-box-text"><div class="vantry-box-title" id="vantry-box-title"></div>' +
        '<div class="vantry-box-text" id="vantry-box-text"></div><div class="vantry-box-buttons"><button>OK</button></div></div>';
    overlay.querySelector('.vantry-box-title').textContent = UTF8ToString(caption);
    overlay.querySelector('.vantry-box-text').textContent = UTF8ToString(text);
    const ok = overlay.querySelector('button');
    const keepFocus = () => { if (overlay.isConnected && !overlay.contains(document.activeElement)) ok.focus({preventScroll: true}); };
    const onFocusIn = () => keepFocus();
    const onFocusOut = () => setTimeout(keepFocus, 0);  // a click on nothing focusable moves no focus in
    const onKey = event => {
        if (!overlay.isConnected) return;
        if (event.repeat) {  // a key held since before the box: it must not answer a box never seen
            event.preventDefault();
            event.stopPropagation();
            return;
        }
        if (event.key === 'Enter' || event.key === 'Escape' || event.key === ' ') {
            event.preventDefault();
            event.stopPropagation();
            answer();
        } else if (event.key === 'Tab') {
            event.preventDefault();  // the box's only control keeps the focus
            keepFocus();
        }
    };
    overlay.vantryRemove = () => {
        document.removeEventListener('focusin', onFocusIn, true);
        document.removeEventListener('keydown', onKey, true);
        overlay.remove();
    };
    const answer = () => {
        overlay.vantryRemove();
        if (before && before.isConnected && typeof before.focus === 'function') before.focus({preventScroll: true});
        Module._vantry_web_message_box_answered();
    };
    ok.addEventListener('click', answer);
    ok.addEventListener('focusout', onFocusOut);
    document.addEventListener('focusin', onFocusIn, true);
    document.addEventListener('keydown', onKey, true);
    frame.appendChild(overlay);
    ok.focus({preventScroll: true});
});

EM_JS(void, jsHideMessageBox, (), {
    const overlay = document.getElementById('vantry-message-box');
    if (overlay) overlay.vantryRemove();
});

// clang-format on

namespace vantry::framework::web {

void ShowMessageBox(const std::string& text, const std::string& caption) {
    jsShowMessageBox(text.c_str(), caption.c_str());
}
void HideMessageBox() { jsHideMessageBox(); }

}  // namespace vantry::framework::web
