#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// A dialog laid out as data, the counterpart of a Windows dialog resource (DLGTEMPLATEEX): every
// backend builds its window from it, and a Windows resource script can be generated from it.

namespace vantry::framework {

enum class ControlKind { Edit, PushButton, CheckBox, Static, ListBox };

// The Windows class of a control of each kind, as a dialog resource names it.
constexpr const char* WindowClassOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::Edit: return "EDIT";
        case ControlKind::PushButton:
        case ControlKind::CheckBox: return "BUTTON";
        case ControlKind::Static: return "STATIC";
        case ControlKind::ListBox: return "LISTBOX";
    }
    return "STATIC";
}

struct ControlTemplate {
    int id;  // -1 (IDC_STATIC) for texts that are never addressed
    ControlKind kind;
    std::string_view text;
    int x, y, width, height;  // dialog units
    std::uint32_t style;      // beyond WS_CHILD | WS_VISIBLE, which every control has
    std::uint32_t exStyle;
    // For a static text that labels a control: that control's id. Assistive technology names the
    // control by it (on Windows, the label is the static text just before a control in tab order;
    // a template that keeps another order says it here). 0 for none.
    int labels = 0;
};

// Controls that belong together under one name, as a group box would gather them: assistive
// technology reads the name before the first of them.
struct ControlGroup {
    std::string_view name;
    std::span<const int> members;  // control ids
};

// The name assistive technology gives a control that no static text labels (a list, say).
struct ControlName {
    int id;
    std::string_view name;
};

struct DialogTemplate {
    int resourceId;
    std::uint32_t style;
    std::uint32_t exStyle;
    int x, y, width, height;  // dialog units
    std::string_view caption;
    std::string_view fontFace;
    int fontPointSize;
    int fontWeight;
    bool fontItalic;
    int fontCharset;
    std::span<const ControlTemplate> controls;  // template order: tab and z order
    std::span<const ControlGroup> groups = {};
    std::span<const ControlName> names = {};
};

}  // namespace vantry::framework
