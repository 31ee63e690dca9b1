#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// A dialog laid out as data, the counterpart of a Windows dialog resource (DLGTEMPLATEEX): every
// backend builds its window from it, and a Windows resource script can be generated from it.

namespace vantry::framework {

enum class ControlKind { Edit, PushButton, CheckBox, Static, ListBox };

struct ControlTemplate {
    int id;  // -1 (IDC_STATIC) for texts that are never addressed
    ControlKind kind;
    std::string_view text;
    int x, y, width, height;  // dialog units
    std::uint32_t style;      // beyond WS_CHILD | WS_VISIBLE, which every control has
    std::uint32_t exStyle;
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
};

}  // namespace vantry::framework
