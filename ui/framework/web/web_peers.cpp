#include "ui/framework/web/web_peers.h"

#include <algorithm>
#include <vector>

#include "ui/framework/emulated/control_styles.h"
#include "ui/framework/emulated/edit_rules.h"
#include "ui/framework/emulated/emulated_gdi.h"
#include "ui/framework/emulated/text_copy.h"
#include "ui/framework/web/web_dom.h"

namespace vantry::framework {

namespace {

web::ElementKind elementKind(ControlKind kind) {
    switch (kind) {
        case ControlKind::Edit: return web::ElementKind::Edit;
        case ControlKind::PushButton: return web::ElementKind::PushButton;
        case ControlKind::CheckBox: return web::ElementKind::CheckBox;
        case ControlKind::ListBox: return web::ElementKind::ListBox;
        case ControlKind::Static: break;
    }
    return web::ElementKind::Static;
}

int elementFlags(const ControlTemplate& c, bool inTabCycle) {
    int flags = 0;
    if (IsFlatButton(c)) flags |= web::kFlat;
    if (IsFramedAsDefault(c)) flags |= web::kFramedAsDefault;
    if (inTabCycle) flags |= web::kTabStop;
    if (IsCentredVertically(c)) flags |= web::kCentredVertically;
    if (IsDigitsOnly(c)) flags |= web::kDigitsOnly;
    if (c.kind == ControlKind::PushButton && (c.id == kIdOk || c.id == kIdCancel)) flags |= web::kClosesDialog;
    if (IsMultiLine(c)) flags |= web::kMultiLine;
    if (SelectsALine(c)) flags |= web::kSelectsOne;
    return flags;
}

}  // namespace

// ---- Controls

void WebControl::setText(std::string_view text) { web::SetText(index, std::string(text)); }

int WebControl::getText(char* buffer, int maxCount) const { return CopyText(web::GetText(index), buffer, maxCount); }

void WebControl::setFocus() {
    if (dialog.acceptsInput()) web::Focus(index);  // SetFocus into a disabled window fails
}

Rect WebControl::clientRect() const {
    return Rect{0, 0, DialogUnitsToPixelsX(layout.width, dialog.base),
                DialogUnitsToPixelsY(layout.height, dialog.base)};
}

EditSelection WebControl::editSelection() const { return {web::SelectionStart(index), web::SelectionEnd(index)}; }
int WebControl::editCaret() const { return web::SelectionEnd(index); }
int WebControl::editLength() const { return static_cast<int>(web::GetText(index).size()); }
void WebControl::selectInEdit(EditSelection wanted) { web::SetSelection(index, wanted.start, wanted.end); }
void WebControl::limitEditText(int characters) { web::SetTextLimit(index, characters); }
void WebControl::showLineNotes(const char* notes) { web::SetLineNotes(index, notes ? notes : ""); }
void WebControl::listEmptied() { web::ListClear(index); }
void WebControl::listLineAdded(const char* line) { web::ListAdd(index, line); }
void WebControl::listSelectionChanged(int line) { web::ListSelect(index, line); }
void WebControl::showCheckMark(bool set) { web::SetChecked(index, set); }
bool WebControl::checkMarkShown() const { return web::IsChecked(index); }

// ---- The dialog

WebDialog::WebDialog(int dialogLevel, const DialogTemplate& dialogLayout, DialogEvents& dialogEvents,
                     DialogBaseUnits units, int fontPixelSize)
    : EmulatedDialog(dialogLayout, dialogEvents),
      level(dialogLevel),
      base(units),
      width(DialogUnitsToPixelsX(dialogLayout.width, units)),
      height(DialogUnitsToPixelsY(dialogLayout.height, units)) {
    web::CreateDialog(level, std::string(layout.caption).c_str(), width, height, fontPixelSize,
                      web::CssFontFamily(layout.fontFace));
    createElements(0);
    nameElements(0);
    fitToPage();
}

void WebDialog::createElements(std::size_t first) {
    const std::vector<const ControlTemplate*> cycle = TabCycle(layout, kPageKeyboard);
    for (std::size_t i = first; i < layout.controls.size(); ++i) {
        const ControlTemplate& c = layout.controls[i];
        const bool inCycle = std::find(cycle.begin(), cycle.end(), &c) != cycle.end();
        const int index = level * web::kLevelStride + static_cast<int>(i);
        web::CreateElement(index, elementKind(c.kind), std::string(c.text).c_str(), DialogUnitsToPixelsX(c.x, base),
                           DialogUnitsToPixelsY(c.y, base), DialogUnitsToPixelsX(c.width, base),
                           DialogUnitsToPixelsY(c.height, base), elementFlags(c, inCycle));
        controls.push_back(std::make_unique<WebControl>(*this, c, index));
    }
}

// The elements in the order of the Tab cycle, for the reflowed layout and for screen readers.
void WebDialog::fitToPage() {
    std::vector<int> tabOrder;
    for (const ControlTemplate* stop : TabCycle(layout, kPageKeyboard))
        if (const WebControl* c = control(stop->id)) tabOrder.push_back(c->index);
    web::FitToPage(level, tabOrder);
}

void WebDialog::removeControlsFrom(std::size_t first) {
    if (first >= controls.size()) return;
    for (std::size_t i = first; i < controls.size(); ++i) web::RemoveElement(controls[i]->index);
    controls.erase(controls.begin() + static_cast<std::ptrdiff_t>(first), controls.end());
}

void WebDialog::addControlsFrom(std::size_t first) {
    width = DialogUnitsToPixelsX(layout.width, base);
    height = DialogUnitsToPixelsY(layout.height, base);
    web::ResizeDialog(level, width, height);
    createElements(first);
    nameElements(first);
    fitToPage();
}

// What assistive technology reads: each field by the static text that labels it, the named
// controls by their names, and each group of controls under its name.
// Those of the controls from template index `first` on; the groups are the template's own.
void WebDialog::nameElements(std::size_t first) {
    const auto isNew = [&](const WebControl* c) {
        return c != nullptr && c->index - level * web::kLevelStride >= static_cast<int>(first);
    };
    for (const auto& label : controls)
        if (label->layout.labels != 0 && isNew(control(label->layout.labels)))
            web::LabelElement(control(label->layout.labels)->index, label->index);
    for (const ControlName& name : layout.names)
        if (isNew(control(name.id))) web::NameElement(control(name.id)->index, std::string(name.name));
    if (first > 0) return;
    const auto indexOf = [this](int id) { return control(id) ? control(id)->index : dialogIndex(); };
    for (const ControlGroup& group : layout.groups) {
        std::vector<int> members;
        for (int id : group.members)
            if (control(id)) members.push_back(indexOf(id));
        web::GroupElements(std::string(group.name), members);
    }
}

WebDialog::~WebDialog() { web::DestroyDialog(level); }

void WebDialog::setText(std::string_view text) { web::SetText(dialogIndex(), std::string(text)); }

int WebDialog::getText(char* buffer, int maxCount) const {
    return CopyText(web::GetText(dialogIndex()), buffer, maxCount);
}

void WebDialog::setFocus() {
    if (acceptsInput()) web::Focus(dialogIndex());
}

void WebDialog::showIcon(IconHandle handle, bool big) {
    const EmulatedIcon* icon = EmulatedGdiBackend::iconOf(handle);
    if (!big && icon != nullptr) web::SetIcon(icon->rgba.data(), icon->size);
}

WebControl* WebDialog::controlAt(int index) {
    const int at = index - level * web::kLevelStride;
    if (index < 0 || web::LevelOf(index) != level || at >= static_cast<int>(controls.size())) return nullptr;
    return controls[static_cast<std::size_t>(at)].get();
}

void WebDialog::invalidate(bool) {
    if (queuePaint()) web::SchedulePaint();
}

void WebDialog::paintIfPending() {
    if (deliverPaint()) web::MarkFirstPaint();
}

bool WebDialog::pressKey(int index, DialogKey key) {
    if (!acceptsInput()) return true;
    const WebControl* target = controlAt(index);
    // A page's keyboard reaches and uses every control (kPageKeyboard): the one way the web
    // edition's dialog behaves otherwise than the Windows one.
    HandleDialogKey(*this, layout, events, key, target ? target->layout.id : 0, kPageKeyboard);
    return true;
}

bool WebDialog::refusesCharacter(int index, char32_t character) {
    if (!acceptsInput()) return true;
    const WebControl* target = controlAt(index);
    if (target == nullptr || target->layout.kind != ControlKind::Edit) return false;
    // Beyond ASCII, no character is a digit: an ES_NUMBER edit refuses it as it refuses a letter.
    const auto c = character < 0x80 ? static_cast<unsigned char>(character) : static_cast<unsigned char>('x');
    return !AcceptsTypedCharacter(target->layout.style, c);
}

}  // namespace vantry::framework
