#include "ui/framework/headless/headless_peers.h"

#include "ui/framework/emulated/control_styles.h"
#include "ui/framework/emulated/text_copy.h"

namespace vantry::framework {

// ---- Controls

HeadlessControl::HeadlessControl(HeadlessDialog& dialog, const ControlTemplate& control)
    : EmulatedControl(control), text(control.text), dialog_(dialog) {}

void HeadlessControl::setText(std::string_view newText) {
    text = newText;
    selection = {};
}

int HeadlessControl::getText(char* buffer, int maxCount) const { return CopyText(text, buffer, maxCount); }

void HeadlessControl::setFocus() { dialog_.focusedId = layout.id; }

// The storage a test can make a list refuse; the rest as every emulated control answers.
LResult HeadlessControl::send(MessageId message, WParam wParam, LParam lParam) {
    if (message == Msg::ListInitStorage) {
        storageRequests.emplace_back(wParam, lParam);
        if (refuseStorage) return kListErrorSpace;
    }
    if (message == Msg::ListAddString && refuseNthAdd > 0 && --refuseNthAdd == 0) return kListErrorSpace;
    return EmulatedControl::send(message, wParam, lParam);
}

void HeadlessControl::typeCharacter(char key) {
    if (!AcceptsTypedCharacter(layout.style, static_cast<unsigned char>(key))) return;
    // A keystroke that would take the text past its limit is refused (the selection it replaces
    // makes room).
    if (static_cast<int>(text.size()) - (selection.end - selection.start) >= textLimit) return;
    const auto start = static_cast<std::size_t>(selection.start);
    text.replace(start, static_cast<std::size_t>(selection.end - selection.start), 1, key);
    selection.start = selection.end = selection.start + 1;
}

void HeadlessControl::click() {
    if (layout.kind != ControlKind::PushButton && layout.kind != ControlKind::CheckBox) return;
    setFocus();
    if (IsAutoCheckBox(layout)) check = check == kCheckSet ? kCheckCleared : kCheckSet;
    dialog_.events.command(layout.id);
}

// ---- The dialog

HeadlessDialog::HeadlessDialog(const DialogTemplate& dialogTemplate, DialogEvents& dialogEvents)
    : EmulatedDialog(dialogTemplate, dialogEvents), caption(dialogTemplate.caption) {
    addControlsFrom(0);
}

void HeadlessDialog::removeControlsFrom(std::size_t first) {
    if (first >= controls.size()) return;
    for (std::size_t i = first; i < controls.size(); ++i)
        if (controls[i]->layout.id == focusedId) focusedId = 0;  // the focus goes with its window
    controls.erase(controls.begin() + static_cast<std::ptrdiff_t>(first), controls.end());
}

void HeadlessDialog::addControlsFrom(std::size_t first) {
    for (std::size_t i = first; i < layout.controls.size(); ++i)
        controls.push_back(std::make_unique<HeadlessControl>(*this, layout.controls[i]));
}

int HeadlessDialog::getText(char* buffer, int maxCount) const { return CopyText(caption, buffer, maxCount); }

// Two pixels a dialog unit. A minimised dialog keeps a small client area; odd sizes let the
// icon's centring be checked.
Rect HeadlessDialog::clientRect() const {
    return iconic ? Rect{0, 0, 36, 21} : Rect{0, 0, layout.width * kPixelsPerUnit, layout.height * kPixelsPerUnit};
}

void HeadlessDialog::deliverPendingPaints() {
    if (deliverPaint()) ++paints;
}

}  // namespace vantry::framework
