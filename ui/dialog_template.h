#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// A dialog laid out as data: every backend builds its window from this table, and the Windows
// resource script is generated from it, so the layout is written down exactly once.

enum class ControlKind { Edit, PushButton, CheckBox, Static, ListBox };

struct ControlTemplate {
    int id;  // -1 for static texts
    ControlKind kind;
    std::string_view text;
    int x, y, width, height;   // dialog units
    std::uint32_t style;       // beyond WS_CHILD | WS_VISIBLE, which every control has
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

    const ControlTemplate* find(int id) const {
        for (const ControlTemplate& control : controls)
            if (control.id == id) return &control;
        return nullptr;
    }
};

// Control identifiers of the main dialog.
namespace ControlId {
inline constexpr int RiderCount = 1001;
inline constexpr int EntryFee = 1002;
inline constexpr int AddedMoney = 1003;
inline constexpr int DsToPay = 1004;
inline constexpr int IbraMethod = 1005;
inline constexpr int Brn4dMethod = 1006;
inline constexpr int Nbha4dMethod = 1007;
inline constexpr int PayoffPercent = 1008;
inline constexpr int Places = 1009;
inline constexpr int CalculatePayout = 2000;
inline constexpr int Invitation = 2001;
inline constexpr int EditPrintPayout = 2002;
inline constexpr int ResultList = 3001;
inline constexpr int Exit = 1;
inline constexpr int Static = -1;
}  // namespace ControlId

inline constexpr int kMainDialogResource = 102;
inline constexpr int kAppIconResource = 128;

const DialogTemplate& MainDialogTemplate();
