#include <emscripten.h>

#include "ui/framework/emulated/edit_rules.h"
#include "ui/framework/web/web_dom.h"

// What the page's keyboard and input methods hand to the dialog: the keys its dialog manager
// answers, and each character an edit takes or refuses. Whatever way text comes in (a key, a
// phone's keyboard, an input method composing it, a paste), a digit of any script goes in as its
// ASCII digit, and an edit that takes only digits keeps only digits, as the desktop's refuses
// each other key; what it refuses it says, in a hint beside the field that a screen reader reads.

// clang-format off
EM_JS(void, jsInstallInput, (const char* refusedTitle, const char* refusedText, int hintMilliseconds), {
    if (Module.vantryListenToInput) return;
    const refuses = (index, character) => Module._vantry_web_character(index, character.codePointAt(0)) !== 0;
    const ascii = text => [...text].map(c => String.fromCodePoint(Module._vantry_web_ascii(c.codePointAt(0)))).join("");
    const hintTitle = UTF8ToString(refusedTitle);
    const hintText = UTF8ToString(refusedText);
    // The hint, under the field that refused a character (in either layout), until a character
    // goes in or its time is up. The field names it as its description while it shows.
    let hintTimer = 0;
    const dismissHint = () => {
        clearTimeout(hintTimer);
        const hint = document.getElementById('vantry-hint');
        if (!hint) return;
        const field = document.querySelector('[aria-describedby="vantry-hint"]');
        if (field) field.removeAttribute('aria-describedby');
        hint.remove();
    };
    const showHint = field => {
        const frame = field.closest('.vantry-frame');
        if (!frame) return;
        let hint = document.getElementById('vantry-hint');
        if (!hint) {
            hint = document.createElement('div');
            hint.id = 'vantry-hint';
            hint.className = 'vantry-hint';
            hint.setAttribute('role', 'alert');
            frame.appendChild(hint);
        }
        hint.innerHTML = '<strong></strong> <span></span>';
        hint.querySelector('strong').textContent = hintTitle;
        hint.querySelector('span').textContent = hintText;
        const at = field.getBoundingClientRect();
        const within = frame.getBoundingClientRect();
        const left = Math.max(0, Math.min(at.left - within.left, within.width - hint.offsetWidth));
        hint.style.left = left + 'px';
        hint.style.top = (at.bottom - within.top + 2) + 'px';
        field.setAttribute('aria-describedby', 'vantry-hint');
        clearTimeout(hintTimer);
        hintTimer = setTimeout(dismissHint, hintMilliseconds);
    };
    Module.vantryDismissHint = dismissHint;
    // A live region of the page's own, outside the dialog, for what is said when the dialog is gone.
    if (!document.getElementById('vantry-page-status')) {
        const status = document.createElement('div');
        status.id = 'vantry-page-status';
        status.className = 'vantry-sr';
        status.setAttribute('role', 'status');
        document.body.appendChild(status);
    }
    // Whether the last thing a person did was a tap on a touch screen (see jsFocus).
    document.addEventListener('pointerdown', event => { Module.vantryLastTouched = event.pointerType === 'touch'; }, true);
    document.addEventListener('keydown', () => { Module.vantryLastTouched = false; }, true);
    // The page's own controls that a host marks with data-vantry-cycle (a notice of a new
    // version, say) come after the dialog's last control in the Tab cycle, and before its first.
    const extras = () => [...document.querySelectorAll('[data-vantry-cycle]')].filter(e => !e.disabled && e.getClientRects().length > 0);
    const focusControl = index => {
        const element = document.getElementById('vantry-e' + index);
        const focusable = element && element.classList.contains('vantry-check') ? element.querySelector('input') : element;
        if (!focusable) return;
        focusable.focus();
        if (focusable.tagName === 'INPUT' && focusable.type === 'text') focusable.select();
    };
    document.addEventListener('keydown', event => {
        const more = extras();
        if (event.key !== 'Tab' || more.length === 0 || !more.includes(event.target)) return;
        const order = Module.vantryTabOrder || [];
        if (!event.shiftKey && event.target === more[more.length - 1] && order.length) {
            event.preventDefault();
            focusControl(order[0]);
        } else if (event.shiftKey && event.target === more[0] && order.length) {
            event.preventDefault();
            focusControl(order[order.length - 1]);
        }
    });
    // The control a key was pressed on; else the dialog whose frame it was pressed in.
    const indexOf = target => {
        const element = target.closest('[data-index]');
        if (element) return Number(element.dataset.index);
        const frame = target.closest('.vantry-frame');
        const level = frame && frame.id !== 'vantry-dialog' ? Number(frame.id.slice('vantry-dialog-'.length)) : 0;
        return Module.vantry.dialogIndex - level;
    };
    // Text put in for the selection as typing would, held to the field's limit as the browser
    // holds typing to it.
    const insert = (field, text) => {
        const room = field.maxLength < 0 ? Infinity
            : field.maxLength - field.value.length + (field.selectionEnd - field.selectionStart);
        const taken = [...text].slice(0, Math.max(room, 0)).join("");
        if (!taken) return;
        field.setRangeText(taken, field.selectionStart, field.selectionEnd, 'end');
        field.dispatchEvent(new Event('input', {bubbles: true}));
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
            const index = indexOf(event.target);
            // From the last control of the cycle Tab goes on to the page's own controls, and from
            // the first Shift+Tab goes back to them.
            const order = Module.vantryTabOrder || [];
            const more = extras();
            if (event.key === 'Tab' && more.length && order.length &&
                index === (event.shiftKey ? order[0] : order[order.length - 1])) {
                event.preventDefault();
                more[event.shiftKey ? more.length - 1 : 0].focus();
                return;
            }
            let dialogKey = null;
            if (event.key === 'Tab') dialogKey = event.shiftKey ? key.backTab : key.tab;
            else if (event.key === 'Enter' && event.target.tagName !== 'TEXTAREA') dialogKey = key.enter;  // ES_WANTRETURN
            else if (event.key === 'Escape') dialogKey = key.escape;
            if (dialogKey !== null) {
                if (Module.vantryDeliver(Module.vantry.event.key, index, dialogKey)) event.preventDefault();
            } else if ([...event.key].length === 1 && !event.ctrlKey && !event.metaKey && !event.altKey) {
                const field = event.target;
                const typed = ascii(event.key);
                if (refuses(index, typed)) {
                    event.preventDefault();
                    if (field.tagName === 'INPUT') showHint(field);
                } else if (field.tagName === 'INPUT' && field.type === 'text') {
                    dismissHint();
                    if (typed !== event.key) {  // a digit of another script: its ASCII digit goes in
                        event.preventDefault();
                        insert(field, typed);
                    }
                }
            }
        });
        // A phone's keyboard types as input, not as keys: of what it inserts at once, the
        // characters the edit takes go in, the others not.
        // A phone's decimal pad may offer only a comma: in a money field it is the decimal point.
        const touch = window.matchMedia('(pointer: coarse)');
        frame.addEventListener('beforeinput', event => {
            const field = event.target;
            if (field.tagName !== 'INPUT' || field.type !== 'text' || event.inputType !== 'insertText' || !event.data) return;
            const converted = ascii(event.data);
            const typed = touch.matches && field.inputMode === 'decimal' ? converted.replaceAll(',', '.') : converted;
            const kept = [...typed].filter(character => !refuses(indexOf(field), character)).join("");
            if (kept.length < [...typed].length) showHint(field);
            else dismissHint();
            if (kept === event.data) return;
            event.preventDefault();
            insert(field, kept);
        });
        // An input method composes its text outside those events, and a paste comes in whole:
        // once it is in, its digits are made ASCII and what the edit refuses comes out again (said
        // in the hint), the caret kept after what is left of the text before it.
        const keepTaken = field => {
            if (field.tagName !== 'INPUT' || field.type !== 'text' || document.getElementById('vantry-message-box')) return;
            const index = indexOf(field);
            const before = field.value.slice(0, field.selectionEnd);
            const keep = text => [...ascii(text)].filter(character => !refuses(index, character)).join("");
            const value = keep(field.value);
            if (value === field.value) return;
            if ([...value].length < [...field.value].length) showHint(field);
            const caret = keep(before).length;
            field.value = value.slice(0, field.maxLength < 0 ? undefined : field.maxLength);
            field.setSelectionRange(caret, caret);
        };
        frame.addEventListener('input', event => { if (!event.isComposing) keepTaken(event.target); });
        frame.addEventListener('compositionend', event => keepTaken(event.target));
    };
});
// clang-format on

namespace vantry::framework::web {

void InstallInput() { jsInstallInput(kRefusedTitle, kRefusedText, kRefusedHintMilliseconds); }

}  // namespace vantry::framework::web
