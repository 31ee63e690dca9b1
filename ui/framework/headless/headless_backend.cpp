#include "headless_backend.h"

#include <algorithm>
#include <cstring>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int copyText(const std::string& text, char* buffer, int maxCount) {
    if (maxCount <= 0) return 0;
    const int count = std::min(static_cast<int>(text.size()), maxCount - 1);
    std::memcpy(buffer, text.data(), static_cast<std::size_t>(count));
    buffer[count] = '\0';
    return count;
}

char theAppIcon;  // the address stands for the icon of resource 128

}  // namespace

// ---- Controls

HeadlessControl::HeadlessControl(HeadlessDialog& dialog, const ControlTemplate& control)
    : layout(control), text(control.text), dialog_(dialog) {}

void HeadlessControl::setText(std::string_view newText) {
    text = newText;
    selectionStart = selectionEnd = 0;
}

int HeadlessControl::getText(char* buffer, int maxCount) const { return copyText(text, buffer, maxCount); }

void HeadlessControl::setFocus() { dialog_.focusedId = layout.id; }

LResult HeadlessControl::send(MessageId message, WParam wParam, LParam lParam) {
    const int length = static_cast<int>(text.size());
    switch (message) {
        case Msg::ButtonSetCheck:
            check = static_cast<int>(wParam);
            return 0;
        case Msg::ButtonGetCheck:
            return check;
        case Msg::EditSetSelection: {
            // As an edit control reads EM_SETSEL: -1 as the start removes the selection, -1 as
            // the end means the end of the text; positions are kept within the text and ordered.
            int start = static_cast<int>(static_cast<std::intptr_t>(wParam));
            int end = static_cast<int>(lParam);
            if (start == -1) {
                selectionStart = selectionEnd;
                return 0;
            }
            if (end == -1) end = length;
            start = std::clamp(start, 0, length);
            end = std::clamp(end, 0, length);
            selectionStart = std::min(start, end);
            selectionEnd = std::max(start, end);
            return 0;
        }
        case Msg::EditGetSelection:
            return static_cast<LResult>(selectionStart | (selectionEnd << 16));
        case Msg::EditScrollCaret:
            ++caretScrolls;
            return 1;
        case Msg::ListInitStorage:
            storageRequests.emplace_back(wParam, lParam);
            if (refuseStorage) return kListErrorSpace;
            return static_cast<LResult>(items.size() + wParam);
        case Msg::ListResetContent:
            items.clear();
            return 0;
        case Msg::ListAddString:
            if (refuseAddCountdown > 0 && --refuseAddCountdown == 0) return kListErrorSpace;
            items.emplace_back(reinterpret_cast<const char*>(lParam));
            return static_cast<LResult>(items.size() - 1);
        case Msg::ListGetText:
        case Msg::ListGetTextLength: {
            if (wParam >= items.size()) return kListError;
            const std::string& item = items[wParam];
            if (message == Msg::ListGetText)
                std::memcpy(reinterpret_cast<char*>(lParam), item.c_str(), item.size() + 1);
            return static_cast<LResult>(item.size());
        }
        case Msg::ListGetCount:
            return static_cast<LResult>(items.size());
        default:
            return 0;
    }
}

void HeadlessControl::typeKey(char key) {
    if ((layout.style & Style::EsNumber) != 0 && !isDigit(key)) return;  // ES_NUMBER refuses it
    text.replace(static_cast<std::size_t>(selectionStart), static_cast<std::size_t>(selectionEnd - selectionStart),
                 1, key);
    selectionStart = selectionEnd = selectionStart + 1;
}

void HeadlessControl::click() {
    if (layout.kind != ControlKind::PushButton && layout.kind != ControlKind::CheckBox) return;
    setFocus();
    if (layout.kind == ControlKind::CheckBox && (layout.style & 0xF) == Style::BsAutoCheckBox)
        check = check == kCheckSet ? kCheckCleared : kCheckSet;
    dialog_.events.command(layout.id);
}

// ---- The dialog

HeadlessDialog::HeadlessDialog(const DialogTemplate& dialogTemplate, DialogEvents& dialogEvents)
    : events(dialogEvents), caption(dialogTemplate.caption) {
    for (const ControlTemplate& control : dialogTemplate.controls)
        controls.push_back(std::make_unique<HeadlessControl>(*this, control));
}

int HeadlessDialog::getText(char* buffer, int maxCount) const { return copyText(caption, buffer, maxCount); }

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

void HeadlessDialog::update() { deliverPendingPaints(); }

// A minimised dialog keeps a small client area; odd sizes let the icon's centring be checked.
Rect HeadlessDialog::clientRect() const { return iconic ? Rect{0, 0, 36, 21} : Rect{0, 0, 540, 458}; }

HeadlessControl* HeadlessDialog::control(int id) {
    for (auto& control : controls)
        if (control->layout.id == id) return control.get();
    return nullptr;
}

void HeadlessDialog::deliverPendingPaints() {
    // A paint that invalidates again is delivered again, a bounded number of times.
    for (int round = 0; round < 8 && paintPending && !ended; ++round) {
        paintPending = false;
        ++paints;
        events.paint();
    }
}

// ---- The backend

std::intptr_t HeadlessBackend::runModal(const DialogTemplate& dialogTemplate, DialogEvents& events) {
    dialog_ = std::make_unique<HeadlessDialog>(dialogTemplate, events);
    for (auto& control : dialog_->controls)
        control->refuseStorage = refuseListStorageOnNextRun && control->layout.kind == ControlKind::ListBox;
    refuseListStorageOnNextRun = false;
    if (events.initDialog(*dialog_)) {
        // The dialog manager focuses the first tab stop and selects the whole text of an edit.
        for (auto& control : dialog_->controls) {
            if ((control->layout.style & Style::TabStop) == 0) continue;
            control->setFocus();
            control->send(Msg::EditSetSelection, 0, -1);
            break;
        }
    }
    dialog_->paintPending = true;  // shown
    pump();
    if (script && !dialog_->ended) {
        const std::function<void()> once = std::move(script);
        script = nullptr;
        once();
    }
    if (!dialog_->ended) cancel();
    events.destroyed();
    return dialog_->result;
}

void HeadlessBackend::endModal(WindowPeer& dialog, std::intptr_t result) {
    auto& headless = static_cast<HeadlessDialog&>(dialog);
    headless.ended = true;
    headless.result = result;
}

IconHandle HeadlessBackend::loadIcon(int resourceId) {
    return resourceId == kAppIconResource ? &theAppIcon : nullptr;
}

IconHandle HeadlessBackend::appIcon() const { return &theAppIcon; }

BrushHandle HeadlessBackend::createSolidBrush(Colour colour) { return brushes_.create(colour); }

void HeadlessBackend::deleteBrush(BrushHandle brush) { brushes_.remove(brush); }

Colour HeadlessBackend::brushColour(BrushHandle brush) const { return brushes_.colour(brush); }

int HeadlessBackend::systemMetric(int index) {
    return index == Metric::IconWidth || index == Metric::IconHeight ? 32 : 0;
}

DcHandle HeadlessBackend::beginPaint(WindowPeer&) { return &paintDc_; }

void HeadlessBackend::endPaint(WindowPeer&, DcHandle) {}

void HeadlessBackend::setBackgroundColour(DcHandle dc, Colour colour) { static_cast<Dc*>(dc)->background = colour; }

void HeadlessBackend::drawIcon(DcHandle, int x, int y, IconHandle icon) { drawnIcons.push_back({x, y, icon}); }

void HeadlessBackend::messageBox(WindowPeer*, std::string_view text, std::string_view caption) {
    messageBoxes.push_back(std::string(caption) + ": " + std::string(text));
}

void HeadlessBackend::pump() {
    if (dialog_) dialog_->deliverPendingPaints();
}

void HeadlessBackend::type(int id, std::string_view keys) {
    HeadlessControl* control = dialog_ && !dialog_->ended ? dialog_->control(id) : nullptr;
    if (!control) return;
    control->setFocus();
    for (char key : keys) control->typeKey(key);
}

void HeadlessBackend::setText(int id, std::string_view text) {
    if (HeadlessControl* control = dialog_ && !dialog_->ended ? dialog_->control(id) : nullptr)
        control->setText(text);
}

void HeadlessBackend::click(int id) {
    if (HeadlessControl* control = dialog_ && !dialog_->ended ? dialog_->control(id) : nullptr) control->click();
}

void HeadlessBackend::cancel() {
    if (dialog_ && !dialog_->ended) dialog_->events.command(kIdCancel);
}

void HeadlessBackend::minimise(bool minimised) {
    if (!dialog_) return;
    dialog_->iconic = minimised;
    dialog_->paintPending = true;
}

HeadlessBackend::Colours HeadlessBackend::ctlColours(int id, unsigned kind) {
    Dc dc;
    WindowPeer* control = dialog_ ? dialog_->child(id) : nullptr;
    BrushHandle brush = dialog_ ? dialog_->events.ctlColor(&dc, control, kind) : nullptr;
    return {dc.background, brushColour(brush)};
}

HeadlessBackend& TheHeadlessBackend() {
    static HeadlessBackend backend;
    return backend;
}

Backend& CurrentBackend() { return TheHeadlessBackend(); }
