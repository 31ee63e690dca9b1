#include "headless_peers.h"

#include "../emulated/dialog_manager.h"
#include "../emulated/text_copy.h"

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

LResult HeadlessControl::send(MessageId message, WParam wParam, LParam lParam) {
    switch (message) {
        case Msg::ButtonSetCheck:
            check = static_cast<int>(wParam);
            return 0;
        case Msg::ButtonGetCheck:
            return check;
        case Msg::EditSetSelection:
            selection = SetSelection(selection, wParam, lParam, static_cast<int>(text.size()));
            return 0;
        case Msg::EditGetSelection:
            return PackedSelection(selection);
        case Msg::EditScrollCaret:
            ++caretScrolls;
            return 1;
        case Msg::ListInitStorage:
            storageRequests.emplace_back(wParam, lParam);
            [[fallthrough]];
        default:
            return layout.kind == ControlKind::ListBox ? list.handle(message, wParam, lParam) : 0;
    }
}

void HeadlessControl::typeCharacter(char key) {
    if (!AcceptsTypedCharacter(layout.style, static_cast<unsigned char>(key))) return;
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
    for (const ControlTemplate& control : dialogTemplate.controls)
        controls.push_back(std::make_unique<HeadlessControl>(*this, control));
}

int HeadlessDialog::getText(char* buffer, int maxCount) const { return CopyText(caption, buffer, maxCount); }

LResult HeadlessDialog::send(MessageId message, WParam wParam, LParam lParam) {
    if (message == Msg::SetIcon) {
        IconHandle& slot = wParam == kIconBig ? bigIcon : smallIcon;
        IconHandle previous = slot;
        slot = reinterpret_cast<IconHandle>(lParam);
        return reinterpret_cast<LResult>(previous);
    }
    if (message == Msg::IconEraseBackground) {
        ++iconErasures;
        return 1;
    }
    return 0;
}

// A minimised dialog keeps a small client area; odd sizes let the icon's centring be checked.
Rect HeadlessDialog::clientRect() const { return iconic ? Rect{0, 0, 36, 21} : Rect{0, 0, 540, 458}; }

void HeadlessDialog::deliverPendingPaints() {
    // A paint that invalidates again is delivered again, a bounded number of times.
    for (int round = 0; round < 8 && paintPending && !ended; ++round) {
        paintPending = false;
        ++paints;
        events.paint();
    }
}

void HeadlessDialog::pressKey(Key key) {
    switch (key) {
        case Key::Tab:
            if (const ControlTemplate* next = NextTabStop(layout, focusedId)) {
                HeadlessControl* target = control(next->id);
                target->setFocus();
                // Tabbing into an edit selects its whole text.
                if (next->kind == ControlKind::Edit) target->send(Msg::EditSetSelection, 0, static_cast<LParam>(-1));
            }
            return;
        case Key::Enter:
            events.command(DefaultButtonId(layout) != 0 ? DefaultButtonId(layout) : kIdOk);
            return;
        case Key::Escape:
            events.command(kIdCancel);
            return;
    }
}

}  // namespace vantry::framework
