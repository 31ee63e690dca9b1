#pragma once

#include <cstdint>

// The vocabulary the dialog shares with every backend: handles, message numbers, styles and
// answers. Numbers are those of the Windows user interface, so that the Win32 backend passes
// them straight through and the other backends reproduce their meaning. Names are our own, so
// that this header never collides with <windows.h>.

using MessageId = std::uint32_t;
using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using LResult = std::intptr_t;

using IconHandle = void*;
using BrushHandle = void*;
using DcHandle = void*;

using Colour = std::uint32_t;  // 0x00BBGGRR, as COLORREF
constexpr Colour Rgb(unsigned red, unsigned green, unsigned blue) {
    return static_cast<Colour>(red | (green << 8) | (blue << 16));
}

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
};

namespace Msg {
inline constexpr MessageId SetIcon = 0x0080;          // WM_SETICON
inline constexpr MessageId IconEraseBackground = 0x0027;  // WM_ICONERASEBKGND
inline constexpr MessageId EditGetSelection = 0x00B0;  // EM_GETSEL
inline constexpr MessageId EditSetSelection = 0x00B1;  // EM_SETSEL
inline constexpr MessageId EditScrollCaret = 0x00B7;   // EM_SCROLLCARET
inline constexpr MessageId ButtonGetCheck = 0x00F0;    // BM_GETCHECK
inline constexpr MessageId ButtonSetCheck = 0x00F1;    // BM_SETCHECK
inline constexpr MessageId ListAddString = 0x0180;     // LB_ADDSTRING
inline constexpr MessageId ListResetContent = 0x0184;  // LB_RESETCONTENT
inline constexpr MessageId ListGetText = 0x0189;       // LB_GETTEXT
inline constexpr MessageId ListGetTextLength = 0x018A; // LB_GETTEXTLEN
inline constexpr MessageId ListGetCount = 0x018B;      // LB_GETCOUNT
inline constexpr MessageId ListInitStorage = 0x01A8;   // LB_INITSTORAGE
}  // namespace Msg

inline constexpr LResult kListError = -1;       // LB_ERR
inline constexpr LResult kListErrorSpace = -2;  // LB_ERRSPACE

inline constexpr WParam kIconSmall = 0;  // ICON_SMALL
inline constexpr WParam kIconBig = 1;    // ICON_BIG

inline constexpr int kCheckCleared = 0;  // BST_UNCHECKED
inline constexpr int kCheckSet = 1;      // BST_CHECKED

inline constexpr int kIdOk = 1;      // IDOK: "Exit"
inline constexpr int kIdCancel = 2;  // IDCANCEL: Esc and the close box

// Kinds of control asking for their colours (CTLCOLOR_*).
namespace CtlColor {
inline constexpr unsigned MessageBox = 0;
inline constexpr unsigned Edit = 1;
inline constexpr unsigned ListBox = 2;
inline constexpr unsigned Button = 3;
inline constexpr unsigned Dialog = 4;
inline constexpr unsigned ScrollBar = 5;
inline constexpr unsigned Static = 6;
}  // namespace CtlColor

// GetSystemMetrics indexes the dialog uses.
namespace Metric {
inline constexpr int IconWidth = 11;   // SM_CXICON
inline constexpr int IconHeight = 12;  // SM_CYICON
}  // namespace Metric

// Window and control styles of the dialog template (WS_*, DS_*, ES_*, BS_*, SS_*, LBS_*).
namespace Style {
inline constexpr std::uint32_t Popup = 0x80000000;
inline constexpr std::uint32_t Child = 0x40000000;
inline constexpr std::uint32_t Visible = 0x10000000;
inline constexpr std::uint32_t Caption = 0x00C00000;
inline constexpr std::uint32_t Border = 0x00800000;
inline constexpr std::uint32_t VScroll = 0x00200000;
inline constexpr std::uint32_t HScroll = 0x00100000;
inline constexpr std::uint32_t SysMenu = 0x00080000;
inline constexpr std::uint32_t Group = 0x00020000;
inline constexpr std::uint32_t TabStop = 0x00010000;
inline constexpr std::uint32_t MinimizeBox = 0x00020000;
inline constexpr std::uint32_t MaximizeBox = 0x00010000;
inline constexpr std::uint32_t DsSetFont = 0x00000040;
inline constexpr std::uint32_t DsModalFrame = 0x00000080;
inline constexpr std::uint32_t EsNumber = 0x00002000;
inline constexpr std::uint32_t BsDefPushButton = 0x00000001;
inline constexpr std::uint32_t BsAutoCheckBox = 0x00000003;
inline constexpr std::uint32_t BsMultiline = 0x00002000;
inline constexpr std::uint32_t BsNotify = 0x00004000;
inline constexpr std::uint32_t BsFlat = 0x00008000;
inline constexpr std::uint32_t SsLeft = 0x00000000;
inline constexpr std::uint32_t SsCenterImage = 0x00000200;
inline constexpr std::uint32_t LbsNoIntegralHeight = 0x00000100;
inline constexpr std::uint32_t LbsNoSel = 0x00004000;
}  // namespace Style

namespace ExStyle {
inline constexpr std::uint32_t DlgModalFrame = 0x00000001;
inline constexpr std::uint32_t Transparent = 0x00000020;
inline constexpr std::uint32_t ClientEdge = 0x00000200;
inline constexpr std::uint32_t AppWindow = 0x00040000;
}  // namespace ExStyle
