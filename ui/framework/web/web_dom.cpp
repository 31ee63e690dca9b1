#include "ui/framework/web/web_dom.h"

#include <emscripten.h>

#include <vector>

#include "ui/framework/emulated/dialog_manager.h"

// Each control is the element with id "vantry-e<index>"; a check box is a label holding its input.
// The first dialog's frame is "vantry-dialog", a dialog above it "vantry-dialog-<level>".

// clang-format off
// The numbers the page and the program share, by name: whatever the program's enums say.
EM_JS(void, jsDefineConstants, (int dialogIndex, int stride, int edit, int pushButton, int checkBox, int staticText,
                                int listBox, int framedAsDefault, int flat, int tabStop, int centredVertically,
                                int digitsOnly, int closesDialog, int multiLine, int selectsOne,
                                int tab, int backTab, int enter, int escape,
                                int click, int keyEvent, int close, int boxAnswered, int listSelected, int editChanged,
                                int fileDropped), {
    const levelOf = index => index < 0 ? dialogIndex - index : Math.floor(index / stride);
    const frame = level => document.getElementById(level === 0 ? 'vantry-dialog' : 'vantry-dialog-' + level);
    Module.vantry = {
        dialogIndex,
        stride,
        kind: {edit, pushButton, checkBox, staticText, listBox},
        flag: {framedAsDefault, flat, tabStop, centredVertically, digitsOnly, closesDialog, multiLine, selectsOne},
        key: {tab, backTab, enter, escape},
        event: {click, key: keyEvent, close, boxAnswered, listSelected, editChanged, fileDropped},
        levelOf,
        frame,
        // The frame of the dialog on top: the one that takes input.
        topFrame: () => { const all = document.querySelectorAll('.vantry-frame'); return all[all.length - 1] || null; },
        element: index => index < 0 ? frame(levelOf(index)) : document.getElementById('vantry-e' + index),
        client: index => { const f = frame(levelOf(index)); return f && f.querySelector('.vantry-client'); },
    };
});

EM_JS(double, jsMeasureTextWidth, (int pixelSize, const char* family, const char* text), {
    const canvas = Module.vantryMeasure || (Module.vantryMeasure = document.createElement('canvas'));
    const context = canvas.getContext('2d');
    context.font = pixelSize + 'px ' + UTF8ToString(family);
    return context.measureText(UTF8ToString(text)).width;
});

EM_JS(int, jsFontHeight, (int pixelSize, const char* family), {
    const context = (Module.vantryMeasure || (Module.vantryMeasure = document.createElement('canvas'))).getContext('2d');
    context.font = pixelSize + 'px ' + UTF8ToString(family);
    const metrics = context.measureText('Hg');
    const ascent = metrics.fontBoundingBoxAscent || pixelSize * 0.891;
    const descent = metrics.fontBoundingBoxDescent || pixelSize * 0.216;
    return Math.ceil(ascent) + Math.ceil(descent);
});

EM_JS(void, jsCreateDialog, (int level, const char* caption, int width, int height, int fontPixelSize,
                             const char* family), {
    const host = document.getElementById('vantry-host') || document.body;
    const frame = document.createElement('div');
    frame.className = 'vantry-frame';
    frame.id = level === 0 ? 'vantry-dialog' : 'vantry-dialog-' + level;
    frame.style.setProperty('--vantry-font', fontPixelSize + 'px');
    frame.style.setProperty('--vantry-font-family', UTF8ToString(family));
    frame.innerHTML = '<div class="vantry-title"><canvas width="32" height="32"></canvas>' +
        '<span class="vantry-caption"></span><button class="vantry-close" title="Close" aria-label="Close">\u2715</button>' +
        '</div><div class="vantry-client"></div><div class="vantry-sr vantry-announce" aria-live="polite"></div>';
    if (level === 0) frame.querySelector('.vantry-announce').id = 'vantry-announce';
    frame.querySelector('.vantry-caption').textContent = UTF8ToString(caption);
    const client = frame.querySelector('.vantry-client');
    client.style.width = width + 'px';
    client.style.height = height + 'px';
    frame.querySelector('.vantry-close').addEventListener('click',
        () => Module.vantryDeliver(Module.vantry.event.close, Module.vantry.dialogIndex - level, 0));
    Module.vantryListenToInput(frame);
    // A dialog above another: the owner beneath takes no input (inert: no click, no focus, not
    // read out) until it ends, as Windows disables a modal dialog's owner.
    let layer = null;
    if (level === 0) {
        host.replaceChildren();
        host.appendChild(frame);
    } else {
        const caption = frame.querySelector('.vantry-caption');
        caption.id = frame.id + '-caption';
        frame.setAttribute('role', 'dialog');
        frame.setAttribute('aria-modal', 'true');
        frame.setAttribute('aria-labelledby', caption.id);
        layer = document.createElement('div');
        layer.className = 'vantry-modal';
        layer.id = 'vantry-modal-' + level;
        layer.vantryFocusBefore = document.activeElement;
        for (const below of host.children) below.inert = true;
        layer.appendChild(frame);
        host.appendChild(layer);
    }
    // Below the dialog's own width (a phone, or a page zoomed in) the controls are laid out anew,
    // touch-sized and in reading order, rather than the dialog scaled down: the phone rules of
    // the style. The list then takes the rest of the screen, at least a little over half of it;
    // A touch screen too short for the dialog (a phone on its side) gets the same layout.
    const naturalWidth = width + 2;  // the client area and the frame's border
    const coarse = window.matchMedia('(pointer: coarse)');
    // Text larger than the dialog's font (a browser's minimum font size, or its text zoom) would be
    // cut in the template's boxes: it gets the reflowed layout too.
    const textOverflows = () => [...client.querySelectorAll('.vantry-static, .vantry-button, .vantry-check')]
        .some(e => e.scrollWidth > e.clientWidth + 1 || e.scrollHeight > e.clientHeight + 1);
    // (The screen's height, not the page's: a phone's keyboard opening must not change the layout.)
    const fit = () => {
        const clientHeight = parseFloat(client.style.height) || height;
        let phone = document.documentElement.clientWidth < naturalWidth + 8 || (coarse.matches && screen.height < clientHeight + 40);
        if (!phone) {
            frame.classList.remove('vantry-phone');
            phone = textOverflows();
        }
        frame.classList.toggle('vantry-phone', phone);
        if (layer) layer.classList.toggle('vantry-phone-layer', phone);
        else host.style.width = phone ? "" : naturalWidth + 'px';
        const list = frame.querySelector('.vantry-list');
        if (!phone || !list) return;
        // (In a dialog above another, a part of the screen: its buttons come after the list.)
        const top = list.getBoundingClientRect().top + window.scrollY;
        const rest = layer ? Math.ceil(innerHeight * 0.4)
                           : Math.max(Math.ceil(innerHeight * 0.55), Math.floor(innerHeight - top - 12));
        frame.style.setProperty('--vantry-list-height', rest + 'px');
    };
    Module.vantryFits = Module.vantryFits || [];
    Module.vantryFits[level] = fit;
    window.addEventListener('resize', fit);
});

// The elements in the order of the Tab cycle, each field after its label and each group where
// its first member comes, then the rest (the notes) in template order: the order the reflowed
// layout shows them in, and the order a screen reader reads them in, on either layout.
EM_JS(void, jsFitToPage, (int level, const int* tabOrder, int count), {
    const client = Module.vantry.client(Module.vantry.dialogIndex - level);
    if (!client) return;
    const order = [...HEAP32.subarray(tabOrder >> 2, (tabOrder >> 2) + count)];
    if (level === 0) Module.vantryTabOrder = order;
    const focused = client.contains(document.activeElement) ? document.activeElement : null;
    const sequence = [];
    const place = element => { if (element && element.parentElement === client && !sequence.includes(element)) sequence.push(element); };
    for (const index of order) {
        const element = document.getElementById('vantry-e' + index);
        if (!element) continue;
        const labelled = element.getAttribute('aria-labelledby');
        if (labelled) {
            // A one-line field shares its row with its label; a list or a text area takes a row
            // of its own under it.
            const label = document.getElementById(labelled);
            if (element.tagName === 'INPUT') {
                label.classList.add('vantry-pair-label');
                element.classList.add('vantry-pair-field');
            }
            place(label);
        }
        place(element.closest('.vantry-group') || element);
    }
    for (const element of [...client.children]) place(element);
    for (const element of sequence) client.appendChild(element);
    if (focused && document.activeElement !== focused) focused.focus({preventScroll: true});  // moving it let it go
    client.querySelectorAll('.vantry-static:not(.vantry-pair-label)').forEach(e => e.classList.add('vantry-note'));
    Module.vantryFits[level]();
});

EM_JS(void, jsCreateElement, (int index, int kind, const char* text, int x, int y, int width, int height, int flags), {
    const client = Module.vantry.client(index);
    const label = UTF8ToString(text);
    const {kind: K, flag: F, event: E} = Module.vantry;
    let element;
    if (kind === K.edit && (flags & F.multiLine)) {
        element = document.createElement('textarea');
        element.className = 'vantry-edit vantry-text';
        element.spellcheck = false;
        element.wrap = 'off';
        element.addEventListener('input', () => Module.vantryDeliver(E.editChanged, index, 0));
    } else if (kind === K.edit) {
        element = document.createElement('input');
        element.type = 'text';
        element.className = 'vantry-edit';
        element.autocomplete = 'off';
        element.spellcheck = false;
        element.inputMode = (flags & F.digitsOnly) ? 'numeric' : 'decimal';  // a phone's number or decimal pad
    } else if (kind === K.pushButton) {
        element = document.createElement('button');
        element.className = 'vantry-button' + ((flags & F.framedAsDefault) ? ' vantry-default' : "") +
            ((flags & F.flat) ? ' vantry-flat' : "") + ((flags & F.closesDialog) ? ' vantry-closer' : "");
        element.textContent = label;
    } else if (kind === K.checkBox) {
        element = document.createElement('label');
        element.className = 'vantry-check';
        element.innerHTML = '<input type="checkbox"><span></span>';
        element.querySelector('span').textContent = label;
    } else if (kind === K.staticText) {
        element = document.createElement('div');
        element.className = 'vantry-static' + ((flags & F.centredVertically) ? ' vantry-middle' : "");
        element.textContent = label;
    } else {
        element = document.createElement('div');
        element.className = 'vantry-list';
        if (flags & F.selectsOne) Module.vantryMakeChoosable(element, index);
    }
    element.id = 'vantry-e' + index;
    element.dataset.index = index;
    Object.assign(element.style, {left: x + 'px', top: y + 'px', width: width + 'px', height: height + 'px'});
    const focusable = kind === K.checkBox ? element.querySelector('input') : element;
    focusable.dataset.index = index;
    focusable.tabIndex = (flags & F.tabStop) ? 0 : -1;
    if (kind === K.pushButton || kind === K.checkBox) {
        const clicked = kind === K.checkBox ? element.querySelector('input') : element;
        clicked.addEventListener('click', () => Module.vantryDeliver(E.click, index, 0));
    }
    client.appendChild(element);
});

// A list whose lines are chosen (LB_SETCURSEL, a click, the arrow keys): a list box to assistive
// technology, its chosen line selected, and the program told of each choice a person makes.
EM_JS(void, jsInstallChoosableLists, (), {
    if (Module.vantryMakeChoosable) return;
    Module.vantryShowChosen = (list, line) => {
        list.querySelectorAll('[aria-selected="true"]').forEach(row => row.setAttribute('aria-selected', 'false'));
        const row = line >= 0 ? list.children[line] : null;
        if (!row) {
            list.removeAttribute('aria-activedescendant');
            return;
        }
        row.setAttribute('aria-selected', 'true');
        list.setAttribute('aria-activedescendant', row.id);
        row.scrollIntoView({block: 'nearest'});
    };
    Module.vantryMakeChoosable = (list, index) => {
        list.classList.add('vantry-choosable');
        list.setAttribute('role', 'listbox');
        const choose = line => {
            if (line < 0 || line >= list.children.length) return;
            Module.vantryShowChosen(list, line);
            Module.vantryDeliver(Module.vantry.event.listSelected, index, line);
        };
        const chosen = () => [...list.children].findIndex(row => row.getAttribute('aria-selected') === 'true');
        list.addEventListener('click', event => {
            const row = event.target.closest('[role="option"]');
            if (row) choose([...list.children].indexOf(row));
        });
        list.addEventListener('keydown', event => {
            const last = list.children.length - 1;
            const page = Math.max(1, Math.floor(list.clientHeight / ((list.children[0] || list).offsetHeight || 16)) - 1);
            const moves = {ArrowUp: -1, ArrowDown: 1, PageUp: -page, PageDown: page};
            let line = null;
            if (event.key in moves) line = Math.min(last, Math.max(0, chosen() + moves[event.key]));
            else if (event.key === 'Home') line = 0;
            else if (event.key === 'End') line = last;
            if (line === null) return;
            event.preventDefault();
            choose(line);
        });
    };
});

EM_JS(void, jsListSelect, (int index, int line), {
    const list = document.getElementById('vantry-e' + index);
    if (list && Module.vantryShowChosen) Module.vantryShowChosen(list, line);
});

EM_JS(void, jsRemoveElement, (int index), {
    const element = document.getElementById('vantry-e' + index);
    if (!element) return;
    const group = element.parentElement.classList.contains('vantry-group') ? element.parentElement : null;
    element.remove();
    if (group && group.children.length === 0) group.remove();
});

EM_JS(void, jsResizeDialog, (int level, int width, int height), {
    const client = Module.vantry.client(Module.vantry.dialogIndex - level);
    if (!client) return;
    client.style.width = width + 'px';
    client.style.height = height + 'px';
});

// The dialog's frame and any above it; below the level, the frame beneath takes input again, and
// the focus goes back where it was before the dialog above it came.
EM_JS(void, jsDestroyDialog, (int level), {
    const host = document.getElementById('vantry-host') || document.body;
    const fits = Module.vantryFits || [];
    for (let l = fits.length - 1; l >= level; --l) {
        if (fits[l]) window.removeEventListener('resize', fits[l]);
        fits.length = l;
    }
    if (level === 0) {
        host.replaceChildren();
        return;
    }
    let focusBefore = null;
    for (let l = document.querySelectorAll('.vantry-modal').length; l >= level; --l) {
        const layer = document.getElementById('vantry-modal-' + l);
        if (!layer) continue;
        focusBefore = layer.vantryFocusBefore;
        layer.remove();
    }
    const below = Module.vantry.frame(level - 1);
    const owner = level - 1 === 0 ? below : below && below.parentElement;
    if (owner) owner.inert = false;
    if (focusBefore && focusBefore.isConnected) focusBefore.focus({preventScroll: true});
});

EM_JS(void, jsSetText, (int index, const char* text), {
    const value = UTF8ToString(text);
    const element = Module.vantry.element(index);
    if (!element) return;
    if (index < 0) {
        element.querySelector('.vantry-caption').textContent = value;
        return;
    }
    if (element.tagName === 'INPUT' || element.tagName === 'TEXTAREA') element.value = value;
    else if (element.classList.contains('vantry-check')) element.querySelector('span').textContent = value;
    else element.textContent = value;
});

EM_JS(int, jsGetText, (int index, char* buffer, int capacity), {
    let value = "";
    const element = Module.vantry.element(index);
    if (!element) {
        value = "";
    } else if (index < 0) {
        value = element.querySelector('.vantry-caption').textContent;
    } else {
        value = element.tagName === 'INPUT' || element.tagName === 'TEXTAREA' ? element.value
              : element.classList.contains('vantry-check') ? element.querySelector('span').textContent
              : element.textContent;
    }
    const length = lengthBytesUTF8(value);
    if (capacity > 0) stringToUTF8(value, buffer, capacity);
    return length;
});

EM_JS(void, jsSetChecked, (int index, int checked), {
    const box = document.querySelector('#vantry-e' + index + ' input');
    if (box) box.checked = checked !== 0;
});

EM_JS(int, jsIsChecked, (int index), {
    const box = document.querySelector('#vantry-e' + index + ' input');
    return box && box.checked ? 1 : 0;
});

// On a phone's touch screen, a focus the program moves by itself (the repaint after a tap on
// Calculate or a method box) would open the on-screen keyboard over what the tap was for: there
// the focus stays where the tap left it. A keyboard, and a desktop, move it as Windows does.
EM_JS(void, jsFocus, (int index), {
    const element = Module.vantry.element(index);
    if (!element) return;
    const frame = Module.vantry.frame(Module.vantry.levelOf(index));
    if (Module.vantryLastTouched && frame && frame.classList.contains('vantry-phone')) return;
    const focusable = element.classList.contains('vantry-check') ? element.querySelector('input') : element;
    focusable.focus({preventScroll: true});
});

EM_JS(void, jsSetSelection, (int index, int start, int end), {
    const element = document.getElementById('vantry-e' + index);
    if (element && (element.tagName === 'INPUT' || element.tagName === 'TEXTAREA')) element.setSelectionRange(start, end);
});

EM_JS(void, jsSetTextLimit, (int index, int characters), {
    document.getElementById('vantry-e' + index).maxLength = characters;
});

// Notes beside a text area's lines (its problems, say), drawn over it at the right of each line
// and kept there as it scrolls; what they say is for the eye, the dialog tells it in words too.
EM_JS(void, jsSetLineNotes, (int index, const char* text), {
    const area = document.getElementById('vantry-e' + index);
    if (!area || area.tagName !== 'TEXTAREA') return;
    let layer = area.vantryNotes;
    if (!layer) {
        layer = area.vantryNotes = document.createElement('div');
        layer.className = 'vantry-line-notes';
        layer.setAttribute('aria-hidden', 'true');
        area.after(layer);
        const place = () => {
            Object.assign(layer.style, {left: area.offsetLeft + 'px', top: area.offsetTop + 'px',
                                        width: area.clientWidth + 'px', height: area.clientHeight + 'px'});
            const style = getComputedStyle(area);
            const line = parseFloat(style.lineHeight) || parseFloat(style.fontSize) * 1.25;
            for (const note of layer.children) {
                note.style.height = note.style.lineHeight = line + 'px';
                note.style.top = (parseFloat(style.paddingTop) + (Number(note.dataset.line) - 1) * line - area.scrollTop) + 'px';
            }
        };
        area.vantryPlaceNotes = place;
        area.addEventListener('scroll', place);
        window.addEventListener('resize', place);
    }
    layer.replaceChildren();
    for (const row of UTF8ToString(text).split(String.fromCharCode(10))) {
        const tab = row.indexOf(String.fromCharCode(9));
        if (tab <= 0) continue;
        const note = document.createElement('div');
        note.className = 'vantry-line-note';
        note.dataset.line = row.slice(0, tab);
        note.textContent = row.slice(tab + 1);
        layer.appendChild(note);
    }
    area.vantryPlaceNotes();
});

EM_JS(int, jsSelectionEdge, (int index, int end), {
    const element = document.getElementById('vantry-e' + index);
    if (!element || (element.tagName !== 'INPUT' && element.tagName !== 'TEXTAREA')) return 0;
    return end ? element.selectionEnd : element.selectionStart;
});

EM_JS(void, jsListClear, (int index), {
    document.getElementById('vantry-e' + index).replaceChildren();
});

// A new listing is told once, politely, when its last line is in: how many lines, not each line.
EM_JS(void, jsListAdd, (int index, const char* line), {
    const row = document.createElement('div');
    row.textContent = UTF8ToString(line);
    const list = document.getElementById('vantry-e' + index);
    if (list.classList.contains('vantry-choosable')) {
        row.setAttribute('role', 'option');
        row.setAttribute('aria-selected', 'false');
        row.id = list.id + '-' + list.childElementCount;
    }
    list.appendChild(row);
    clearTimeout(Module.vantryAnnouncing);
    Module.vantryAnnouncing = setTimeout(() => {
        const frame = list.closest('.vantry-frame');
        const announce = frame && frame.querySelector('.vantry-announce');
        const name = list.getAttribute('aria-label') || 'List';
        if (announce && list.isConnected) announce.textContent = name + ': ' + list.childElementCount + ' lines';
    }, 0);
});

EM_JS(void, jsSetBackground, (int index, int colour), {
    const ofDialog = index < 0;
    const element = ofDialog ? Module.vantry.client(index) : document.getElementById('vantry-e' + index);
    if (!element) return;
    const css = 'rgb(' + (colour & 255) + ',' + ((colour >> 8) & 255) + ',' + ((colour >> 16) & 255) + ')';
    element.style.backgroundColor = css;
    if (ofDialog) Module.vantry.element(index).style.backgroundColor = css;
});

// The window's small icon, on the title bar.
EM_JS(void, jsDrawIcon, (const uint8_t* rgba, int size), {
    const pixels = new ImageData(new Uint8ClampedArray(HEAPU8.subarray(rgba, rgba + size * size * 4)), size, size);
    const canvas = document.querySelector('#vantry-dialog .vantry-title canvas');
    if (!canvas) return;
    canvas.width = size;
    canvas.height = size;
    canvas.getContext('2d').putImageData(pixels, 0, 0);
});

EM_JS(void, jsSchedulePaint, (), {
    if (Module.vantryPaintQueued) return;
    Module.vantryPaintQueued = true;
    setTimeout(() => { Module.vantryPaintQueued = false; Module._vantry_web_paint(); }, 0);
});

// The closed page: "Closed" said, and the focus on the button that starts the calculator again.
EM_JS(void, jsShowClosed, (), {
    const host = document.getElementById('vantry-host') || document.body;
    host.style.width = "";
    host.style.height = "";
    host.innerHTML = '<div class="vantry-closed">Closed. <button>Start again</button></div>';
    const again = host.querySelector('button');
    again.addEventListener('click', () => Module.ccall('vantry_web_run', null, [], [], {async: true}));
    again.focus();
    const status = document.getElementById('vantry-page-status');
    if (status) {
        status.textContent = "";
        setTimeout(() => { status.textContent = 'Closed'; }, 50);
    }
});
EM_JS(void, jsMarkFirstPaint, (), {
    if (performance.getEntriesByName("vantry-dialog-painted").length === 0) performance.mark("vantry-dialog-painted");
});
// clang-format on

namespace vantry::framework::web {

double MeasureTextWidth(int pixelSize, const std::string& family, const std::string& text) {
    return jsMeasureTextWidth(pixelSize, family.c_str(), text.c_str());
}
int FontHeight(int pixelSize, const std::string& family) { return jsFontHeight(pixelSize, family.c_str()); }

std::string CssFontFamily(std::string_view face) {
    // Windows' faces that pages seldom have, each with the free face drawn to its metrics, so
    // that text measures as it does on Windows and the layout holds.
    struct Substitute {
        std::string_view face, metricTwin, generic;
    };
    static constexpr Substitute kSubstitutes[] = {
        {"Times New Roman", "Liberation Serif", "serif"},
        {"Arial", "Liberation Sans", "sans-serif"},
        {"Courier New", "Liberation Mono", "monospace"},
    };
    std::string name;
    for (char c : face)
        if (c != '"' && c != '\\' && c != ';' && c != '{' && c != '}') name += c;  // a CSS string, kept one
    for (const Substitute& s : kSubstitutes)
        if (face == s.face) return '"' + name + "\", \"" + std::string(s.metricTwin) + "\", " + std::string(s.generic);
    return '"' + name + "\", sans-serif";
}

void CreateDialog(int level, const char* caption, int width, int height, int fontPixelSize, const std::string& family) {
    const auto event = [](PageEvent e) { return static_cast<int>(e); };
    jsDefineConstants(kDialogIndex, kLevelStride, static_cast<int>(ElementKind::Edit),
                      static_cast<int>(ElementKind::PushButton), static_cast<int>(ElementKind::CheckBox),
                      static_cast<int>(ElementKind::Static), static_cast<int>(ElementKind::ListBox), kFramedAsDefault,
                      kFlat, kTabStop, kCentredVertically, kDigitsOnly, kClosesDialog, kMultiLine, kSelectsOne,
                      static_cast<int>(DialogKey::Tab), static_cast<int>(DialogKey::BackTab),
                      static_cast<int>(DialogKey::Enter), static_cast<int>(DialogKey::Escape), event(PageEvent::Click),
                      event(PageEvent::Key), event(PageEvent::Close), event(PageEvent::BoxAnswered),
                      event(PageEvent::ListSelected), event(PageEvent::EditChanged), event(PageEvent::FileDropped));
    InstallStyle();
    InstallInput();
    InstallEvents();
    jsInstallChoosableLists();
    jsCreateDialog(level, caption, width, height, fontPixelSize, family.c_str());
}

void CreateElement(int index, ElementKind kind, const char* text, int x, int y, int width, int height, int flags) {
    jsCreateElement(index, static_cast<int>(kind), text, x, y, width, height, flags);
}

void FitToPage(int level, const std::vector<int>& tabOrder) {
    jsFitToPage(level, tabOrder.data(), static_cast<int>(tabOrder.size()));
}
void RemoveElement(int index) { jsRemoveElement(index); }
void ResizeDialog(int level, int width, int height) { jsResizeDialog(level, width, height); }
void DestroyDialog(int level) { jsDestroyDialog(level); }
void SetText(int index, const std::string& text) { jsSetText(index, text.c_str()); }

std::string GetText(int index) {
    std::vector<char> buffer(256);
    const int length = jsGetText(index, buffer.data(), static_cast<int>(buffer.size()));
    if (length >= static_cast<int>(buffer.size())) {
        buffer.resize(static_cast<std::size_t>(length) + 1);
        jsGetText(index, buffer.data(), static_cast<int>(buffer.size()));
    }
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}

void SetChecked(int index, bool checked) { jsSetChecked(index, checked ? 1 : 0); }
bool IsChecked(int index) { return jsIsChecked(index) != 0; }
void Focus(int index) { jsFocus(index); }
void SetSelection(int index, int start, int end) { jsSetSelection(index, start, end); }
void SetTextLimit(int index, int characters) { jsSetTextLimit(index, characters); }
void SetLineNotes(int index, const std::string& notes) { jsSetLineNotes(index, notes.c_str()); }
int SelectionStart(int index) { return jsSelectionEdge(index, 0); }
int SelectionEnd(int index) { return jsSelectionEdge(index, 1); }
void ListClear(int index) { jsListClear(index); }
void ListAdd(int index, const std::string& line) { jsListAdd(index, line.c_str()); }
void ListSelect(int index, int line) { jsListSelect(index, line); }
void SetBackground(int index, std::uint32_t rgb) { jsSetBackground(index, static_cast<int>(rgb)); }
void SetIcon(const std::uint8_t* rgba, int size) { jsDrawIcon(rgba, size); }
void SchedulePaint() { jsSchedulePaint(); }
void ShowClosed() { jsShowClosed(); }
void MarkFirstPaint() { jsMarkFirstPaint(); }

}  // namespace vantry::framework::web
