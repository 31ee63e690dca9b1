#include <emscripten.h>

#include <string>
#include <vector>

#include "ui/framework/web/web_dom.h"

// What assistive technology needs of the page beyond its elements: the names a Windows program
// gives its controls from its resources (a field by its label, a list by its name) and the groups
// its controls form.

// clang-format off
EM_JS(void, jsLabelElement, (int index, int label), {
    const element = document.getElementById('vantry-e' + index);
    if (element) element.setAttribute('aria-labelledby', 'vantry-e' + label);
});

// A named list that nothing is chosen from is a named region, which the keyboard can reach and
// scroll; one that a line is chosen from is a list box already.
EM_JS(void, jsNameElement, (int index, const char* name), {
    const element = document.getElementById('vantry-e' + index);
    if (!element) return;
    element.setAttribute('aria-label', UTF8ToString(name));
    if (element.classList.contains('vantry-list') && !element.classList.contains('vantry-choosable'))
        element.setAttribute('role', 'region');
    // A named text (the methods folder, an editor's problems) is said again when it changes.
    if (element.classList.contains('vantry-static')) element.setAttribute('role', 'status');
});

// The members go into one element of the group's own, placed where they are together, so that
// they keep their places on the dialog.
EM_JS(void, jsGroupElements, (const char* name, const int* members, int count), {
    const elements = [];
    for (let i = 0; i < count; ++i) {
        const element = document.getElementById('vantry-e' + HEAP32[(members >> 2) + i]);
        if (element) elements.push(element);
    }
    if (elements.length === 0) return;
    const px = value => parseFloat(value) || 0;
    const left = Math.min(...elements.map(e => px(e.style.left)));
    const top = Math.min(...elements.map(e => px(e.style.top)));
    const right = Math.max(...elements.map(e => px(e.style.left) + px(e.style.width)));
    const bottom = Math.max(...elements.map(e => px(e.style.top) + px(e.style.height)));
    const group = document.createElement('div');
    group.className = 'vantry-group';
    group.setAttribute('role', 'group');
    group.setAttribute('aria-label', UTF8ToString(name));
    Object.assign(group.style, {left: left + 'px', top: top + 'px', width: (right - left) + 'px', height: (bottom - top) + 'px'});
    elements[0].before(group);
    for (const element of elements) {
        element.style.left = (px(element.style.left) - left) + 'px';
        element.style.top = (px(element.style.top) - top) + 'px';
        group.appendChild(element);
    }
});
// clang-format on

namespace vantry::framework::web {

void LabelElement(int index, int label) { jsLabelElement(index, label); }
void NameElement(int index, const std::string& name) { jsNameElement(index, name.c_str()); }
void GroupElements(const std::string& name, const std::vector<int>& members) {
    jsGroupElements(name.c_str(), members.data(), static_cast<int>(members.size()));
}

}  // namespace vantry::framework::web
