#include "ui/framework/emulated/dialog_manager.h"

#include "ui/framework/emulated/control_styles.h"
#include "ui/framework/window_types.h"

namespace vantry::framework {

int DefaultButtonId(const DialogTemplate& dialog) {
    int id = 0;
    for (const ControlTemplate& control : dialog.controls)
        if (HasDefaultButtonStyle(control)) id = control.id;
    return id;
}

const ControlTemplate* FirstTabStop(const DialogTemplate& dialog) {
    for (const ControlTemplate& control : dialog.controls)
        if ((control.style & Style::TabStop) != 0) return &control;
    return nullptr;
}

void FocusFirstTabStop(WindowPeer& dialog, const DialogTemplate& layout) {
    const ControlTemplate* first = FirstTabStop(layout);
    WindowPeer* control = first ? dialog.child(first->id) : nullptr;
    if (control == nullptr) return;
    control->setFocus();
    control->send(Msg::EditSetSelection, 0, static_cast<LParam>(-1));
}

std::vector<const ControlTemplate*> TabCycle(const DialogTemplate& dialog, const KeyboardRules& rules) {
    std::vector<const ControlTemplate*> cycle;
    for (const ControlTemplate& control : dialog.controls)
        if ((control.style & Style::TabStop) != 0) cycle.push_back(&control);
    if (!rules.tabToEveryControl) return cycle;
    const auto reachable = [](const ControlTemplate& control, ControlKind kind) {
        if (control.kind != kind || (control.style & Style::TabStop) != 0) return false;
        return !IsFlatButton(control);
    };
    for (ControlKind kind : {ControlKind::CheckBox, ControlKind::PushButton, ControlKind::ListBox})
        for (const ControlTemplate& control : dialog.controls)
            if (reachable(control, kind)) cycle.push_back(&control);
    return cycle;
}

const ControlTemplate* NextTabStop(const DialogTemplate& dialog, int id, bool backwards, const KeyboardRules& rules) {
    const std::vector<const ControlTemplate*> stops = TabCycle(dialog, rules);
    if (stops.empty()) return nullptr;
    const int count = static_cast<int>(stops.size());
    for (int i = 0; i < count; ++i) {
        if (stops[static_cast<std::size_t>(i)]->id != id) continue;
        const int next = (i + (backwards ? count - 1 : 1)) % count;
        return stops[static_cast<std::size_t>(next)];
    }
    return stops.front();
}

void HandleDialogKey(WindowPeer& dialog, const DialogTemplate& layout, DialogEvents& events, DialogKey key,
                     int focusedId, const KeyboardRules& rules) {
    switch (key) {
        case DialogKey::Tab:
        case DialogKey::BackTab: {
            const ControlTemplate* next = NextTabStop(layout, focusedId, key == DialogKey::BackTab, rules);
            WindowPeer* control = next ? dialog.child(next->id) : nullptr;
            if (control == nullptr) return;
            control->setFocus();
            if (next->kind == ControlKind::Edit) control->send(Msg::EditSetSelection, 0, static_cast<LParam>(-1));
            return;
        }
        case DialogKey::Enter: {
            if (rules.enterPressesFocusedButton) {
                for (const ControlTemplate& control : layout.controls)
                    if (control.id == focusedId && control.kind == ControlKind::PushButton) {
                        events.command(focusedId);  // BN_CLICKED, as Space gives
                        return;
                    }
            }
            const int defaultId = DefaultButtonId(layout);
            events.command(defaultId != 0 ? defaultId : kIdOk);
            return;
        }
        case DialogKey::Escape: events.command(kIdCancel); return;
    }
}

}  // namespace vantry::framework
