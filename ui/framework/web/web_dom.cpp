#include "ui/framework/web/web_dom.h"

#include <emscripten.h>

#include <vector>

#include "ui/framework/emulated/dialog_manager.h"

// Each control is the element with id "vantry-e<index>"; a check box is a label holding its input.

// clang-format off
// The numbers the page and the program share, by name: whatever the program's enums say.
EM_JS(void, jsDefineConstants, (int dialogIndex, int edit, int pushButton, int checkBox, int staticText, int listBox,
                                int framedAsDefault, int flat, int tabStop, int centredVertically, int digitsOnly,
                                int closesDialog,
                                int tab, int backTab, int enter, int escape), {
    Module.vantry = {
        dialogIndex,
        kind: {edit, pushButton, checkBox, staticText, listBox},
        flag: {framedAsDefault, flat, tabStop, centredVertically, digitsOnly, closesDialog},
        key: {tab, backTab, enter, escape},
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

EM_JS(void, jsCreateDialog, (const char* caption, int width, int height, int fontPixelSize, const char* family), {
    const host = document.getElementById('vantry-host') || document.body;
    host.replaceChildren();
    const frame = document.createElement('div');
    frame.className = 'vantry-frame';
    frame.id = 'vantry-dialog';
    frame.style.setProperty('--vantry-font', fontPixelSize + 'px');
    frame.style.setProperty('--vantry-font-family', UTF8ToString(family));
    frame.innerHTML = '<div class="vantry-title"><canvas width="32" height="32"></canvas>' +
        '<span class="vantry-caption"></span><button class="vantry-close" title="Close" aria-label="Close">\u2715</button>' +
        '</div><div class="vantry-client"></div><div class="vantry-sr" id="vantry-announce" aria-live="polite"></div>';
    frame.querySelector('.vantry-caption').textContent = UTF8ToString(caption);
    const client = frame.querySelector('.vantry-client');
    client.style.width = width + 'px';
    client.style.height = height + 'px';
    frame.querySelector('.vantry-close').addEventListener('click', () => Module._vantry_web_close());
    Module.vantryListenToInput(frame);
    host.appendChild(frame);
    // Below the dialog's own width (a phone, or a page zoomed in) the controls are laid out anew,
    // touch-sized and in reading order, rather than the dialog scaled down: the phone rules of
    // the style. The list then takes the rest of the screen, at least a little over half of it.
    // A touch screen too short for the dialog (a phone on its side) gets the same layout.
    const naturalWidth = width + 2;  // the client area and the frame's border
    const coarse = window.matchMedia('(pointer: coarse)');
    // Text larger than the dialog's font (a browser's minimum font size, or its text zoom) would be
    // cut in the template's boxes: it gets the reflowed layout too.
    const textOverflows = () => [...client.querySelectorAll('.vantry-static, .vantry-button, .vantry-check')]
        .some(e => e.scrollWidth > e.clientWidth + 1 || e.scrollHeight > e.clientHeight + 1);
    // (The screen's height, not the page's: a phone's keyboard opening must not change the layout.)
    const fit = () => {
        let phone = document.documentElement.clientWidth < naturalWidth + 8 || (coarse.matches && screen.height < height + 40);
        if (!phone) {
            frame.classList.remove('vantry-phone');
            phone = textOverflows();
        }
        frame.classList.toggle('vantry-phone', phone);
        host.style.width = phone ? "" : naturalWidth + 'px';
        const list = frame.querySelector('.vantry-list');
        if (!phone || !list) return;
        const top = list.getBoundingClientRect().top + window.scrollY;
        const rest = Math.max(Math.ceil(innerHeight * 0.55), Math.floor(innerHeight - top - 12));
        frame.style.setProperty('--vantry-list-height', rest + 'px');
    };
    Module.vantryFit = fit;
    window.addEventListener('resize', fit);
});

// The elements in the order of the Tab cycle, each field after its label and each group where
// its first member comes, then the rest (the notes) in template order: the order the reflowed
// layout shows them in, and the order a screen reader reads them in, on either layout.
EM_JS(void, jsFitToPage, (const int* tabOrder, int count), {
    const client = document.querySelector('#vantry-dialog .vantry-client');
    if (!client) return;
    Module.vantryTabOrder = [...HEAP32.subarray(tabOrder >> 2, (tabOrder >> 2) + count)];
    const sequence = [];
    const place = element => { if (element && element.parentElement === client && !sequence.includes(element)) sequence.push(element); };
    for (const index of Module.vantryTabOrder) {
        const element = document.getElementById('vantry-e' + index);
        if (!element) continue;
        const labelled = element.getAttribute('aria-labelledby');
        if (labelled) {
            const label = document.getElementById(labelled);
            label.classList.add('vantry-pair-label');
            element.classList.add('vantry-pair-field');
            place(label);
        }
        place(element.closest('.vantry-group') || element);
    }
    for (const element of [...client.children]) place(element);
    for (const element of sequence) client.appendChild(element);
    client.querySelectorAll('.vantry-static:not(.vantry-pair-label)').forEach(e => e.classList.add('vantry-note'));
    Module.vantryFit();
});

EM_JS(void, jsCreateElement, (int index, int kind, const char* text, int x, int y, int width, int height, int flags), {
    const client = document.querySelector('#vantry-dialog .vantry-client');
    const label = UTF8ToString(text);
    const {kind: K, flag: F} = Module.vantry;
    let element;
    if (kind === K.edit) {
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
    }
    element.id = 'vantry-e' + index;
    element.dataset.index = index;
    Object.assign(element.style, {left: x + 'px', top: y + 'px', width: width + 'px', height: height + 'px'});
    const focusable = kind === K.checkBox ? element.querySelector('input') : element;
    focusable.dataset.index = index;
    focusable.tabIndex = (flags & F.tabStop) ? 0 : -1;
    if (kind === K.pushButton || kind === K.checkBox) {
        const clicked = kind === K.checkBox ? element.querySelector('input') : element;
        clicked.addEventListener('click', () => Module._vantry_web_click(index));
    }
    client.appendChild(element);
});

EM_JS(void, jsDestroyDialog, (), {
    const host = document.getElementById('vantry-host') || document.body;
    if (Module.vantryFit) window.removeEventListener('resize', Module.vantryFit);
    host.replaceChildren();
});

EM_JS(void, jsSetText, (int index, const char* text), {
    const value = UTF8ToString(text);
    if (index === Module.vantry.dialogIndex) {
        document.querySelector('#vantry-dialog .vantry-caption').textContent = value;
        return;
    }
    const element = document.getElementById('vantry-e' + index);
    if (element.tagName === 'INPUT') element.value = value;
    else if (element.classList.contains('vantry-check')) element.querySelector('span').textContent = value;
    else element.textContent = value;
});

EM_JS(int, jsGetText, (int index, char* buffer, int capacity), {
    let value;
    if (index === Module.vantry.dialogIndex) {
        value = document.querySelector('#vantry-dialog .vantry-caption').textContent;
    } else {
        const element = document.getElementById('vantry-e' + index);
        value = element.tagName === 'INPUT' ? element.value
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
    const element = document.getElementById(index === Module.vantry.dialogIndex ? 'vantry-dialog' : 'vantry-e' + index);
    if (!element) return;
    const frame = document.getElementById('vantry-dialog');
    if (Module.vantryLastTouched && frame && frame.classList.contains('vantry-phone')) return;
    const focusable = element.classList.contains('vantry-check') ? element.querySelector('input') : element;
    focusable.focus({preventScroll: true});
});

EM_JS(void, jsSetSelection, (int index, int start, int end), {
    const element = document.getElementById('vantry-e' + index);
    if (element && element.tagName === 'INPUT') element.setSelectionRange(start, end);
});

EM_JS(void, jsSetTextLimit, (int index, int characters), {
    document.getElementById('vantry-e' + index).maxLength = characters;
});

EM_JS(int, jsSelectionEdge, (int index, int end), {
    const element = document.getElementById('vantry-e' + index);
    if (!element || element.tagName !== 'INPUT') return 0;
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
    list.appendChild(row);
    clearTimeout(Module.vantryAnnouncing);
    Module.vantryAnnouncing = setTimeout(() => {
        const announce = document.getElementById('vantry-announce');
        const name = list.getAttribute('aria-label') || 'List';
        if (announce && list.isConnected) announce.textContent = name + ': ' + list.childElementCount + ' lines';
    }, 0);
});

EM_JS(void, jsSetBackground, (int index, int colour), {
    const ofDialog = index === Module.vantry.dialogIndex;
    const element = ofDialog ? document.querySelector('#vantry-dialog .vantry-client') : document.getElementById('vantry-e' + index);
    const css = 'rgb(' + (colour & 255) + ',' + ((colour >> 8) & 255) + ',' + ((colour >> 16) & 255) + ')';
    element.style.backgroundColor = css;
    if (ofDialog) document.getElementById('vantry-dialog').style.backgroundColor = css;
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

void CreateDialog(const char* caption, int width, int height, int fontPixelSize, const std::string& family) {
    jsDefineConstants(kDialogIndex, static_cast<int>(ElementKind::Edit), static_cast<int>(ElementKind::PushButton),
                      static_cast<int>(ElementKind::CheckBox), static_cast<int>(ElementKind::Static),
                      static_cast<int>(ElementKind::ListBox), kFramedAsDefault, kFlat, kTabStop, kCentredVertically,
                      kDigitsOnly, kClosesDialog, static_cast<int>(DialogKey::Tab),
                      static_cast<int>(DialogKey::BackTab), static_cast<int>(DialogKey::Enter),
                      static_cast<int>(DialogKey::Escape));
    InstallStyle();
    InstallInput();
    jsCreateDialog(caption, width, height, fontPixelSize, family.c_str());
}

void CreateElement(int index, ElementKind kind, const char* text, int x, int y, int width, int height, int flags) {
    jsCreateElement(index, static_cast<int>(kind), text, x, y, width, height, flags);
}

void FitToPage(const std::vector<int>& tabOrder) { jsFitToPage(tabOrder.data(), static_cast<int>(tabOrder.size())); }
void DestroyDialog() { jsDestroyDialog(); }
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
int SelectionStart(int index) { return jsSelectionEdge(index, 0); }
int SelectionEnd(int index) { return jsSelectionEdge(index, 1); }
void ListClear(int index) { jsListClear(index); }
void ListAdd(int index, const std::string& line) { jsListAdd(index, line.c_str()); }
void SetBackground(int index, std::uint32_t rgb) { jsSetBackground(index, static_cast<int>(rgb)); }
void SetIcon(const std::uint8_t* rgba, int size) { jsDrawIcon(rgba, size); }
void SchedulePaint() { jsSchedulePaint(); }
void ShowClosed() { jsShowClosed(); }
void MarkFirstPaint() { jsMarkFirstPaint(); }

}  // namespace vantry::framework::web
