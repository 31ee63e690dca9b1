#include <emscripten.h>

#include "web_dom.h"

// What the page's keyboard and input methods hand to the dialog: the keys its dialog manager
// answers, and each character an edit takes or refuses. Whatever way text comes in (a key, a
// phone's keyboard, an input method composing it), an edit that takes only digits keeps only
// digits, as the desktop's refuses each other key.

// clang-format off
EM_JS(void, jsInstallInput, (), {
    if (Module.vantryListenToInput) return;
    const refuses = (index, character) => Module._vantry_web_character(index, character.codePointAt(0)) !== 0;
    const indexOf = target => {
        const element = target.closest('[data-index]');
        return element ? Number(element.dataset.index) : Module.vantry.dialogIndex;
    };
    Module.vantryListenToInput = frame => {
        const key = Module.vantry.key;
        // A key held down before this dialog existed (Enter on "Start again", say) repeats into it:
        // its repeats are not this dialog's keys.
        let seenAKey = false;
        frame.addEventListener('keydown', event => {
            if (event.repeat && !seenAKey) {
                event.preventDefault();
                return;
            }
            seenAKey = true;
            // An input method's own keys (Enter that commits a composition, Esc that drops it).
            if (event.isComposing || event.keyCode === 229) return;
            // The title bar's close box is the page's own button: Enter and Space close.
            if (event.target.closest('.vantry-close') || event.target.closest('#vantry-message-box')) return;
            // From the last control of the cycle, Tab goes on to the page's notice of a new version.
            if (event.key === 'Tab' && !event.shiftKey && document.getElementById('vantry-update') &&
                event.target.closest('.vantry-list')) return;
            const index = indexOf(event.target);
            let dialogKey = null;
            if (event.key === 'Tab') dialogKey = event.shiftKey ? key.backTab : key.tab;
            else if (event.key === 'Enter') dialogKey = key.enter;
            else if (event.key === 'Escape') dialogKey = key.escape;
            if (dialogKey !== null) {
                if (Module._vantry_web_key(index, dialogKey)) event.preventDefault();
            } else if (event.key.length === 1 && !event.ctrlKey && !event.metaKey && !event.altKey) {
                if (refuses(index, event.key)) event.preventDefault();
            }
        });
        // A phone's keyboard types as input, not as keys: of what it inserts at once, the
        // characters the edit takes go in, the others not.
        // A phone's decimal pad may offer only a comma: in a money field it is the decimal point.
        const touch = window.matchMedia('(pointer: coarse)');
        frame.addEventListener('beforeinput', event => {
            const field = event.target;
            if (field.tagName !== 'INPUT' || field.type !== 'text' || event.inputType !== 'insertText' || !event.data) return;
            const typed = touch.matches && field.inputMode === 'decimal' ? event.data.replaceAll(',', '.') : event.data;
            // What the field's limit leaves room for, as the browser keeps typing to it.
            const room = field.maxLength < 0 ? Infinity
                : field.maxLength - field.value.length + (field.selectionEnd - field.selectionStart);
            const taken = [...typed].filter(character => !refuses(indexOf(field), character)).slice(0, Math.max(room, 0)).join("");
            if (taken === event.data) return;
            event.preventDefault();
            if (taken) {
                field.setRangeText(taken, field.selectionStart, field.selectionEnd, 'end');
                field.dispatchEvent(new Event('input', {bubbles: true}));
            }
        });
        // An input method composes its text outside those events: once it is done, what the edit
        // refuses comes out again, the caret kept after what is left of the text before it.
        const keepTaken = field => {
            if (field.tagName !== 'INPUT' || field.type !== 'text' || document.getElementById('vantry-message-box')) return;
            const index = indexOf(field);
            const before = field.value.slice(0, field.selectionEnd);
            const keep = text => [...text].filter(character => !refuses(index, character)).join("");
            const value = keep(field.value);
            if (value === field.value) return;
            const caret = keep(before).length;
            field.value = value;
            field.setSelectionRange(caret, caret);
        };
        frame.addEventListener('input', event => { if (!event.isComposing) keepTaken(event.target); });
        frame.addEventListener('compositionend', event => keepTaken(event.target));
    };
});
// clang-format on

namespace vantry::framework::web {

void InstallInput() { jsInstallInput(); }

}  // namespace vantry::framework::web
