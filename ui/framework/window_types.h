#pragma once

#include <cstdint>

namespace vantry::framework {

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

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const Rect&) const = default;
};

namespace Msg {
inline constexpr MessageId SetIcon = 0x0080 /* WM_SETICON */, IconEraseBackground = 0x0027 /* WM_ICONERASEBKGND */;
inline constexpr MessageId EditGetSelection = 0x00B0 /* EM_GETSEL */, EditSetSelection = 0x00B1 /* EM_SETSEL */,
                           EditScrollCaret = 0x00B7 /* EM_SCROLLCARET */, EditLimitText = 0x00C5 /* EM_LIMITTEXT */;
inline constexpr MessageId ButtonGetCheck = 0x00F0 /* BM_GETCHECK */, ButtonSetCheck = 0x00F1 /* BM_SETCHECK */;
inline constexpr MessageId ListAddString = 0x0180 /* LB_ADDSTRING */, ListResetContent = 0x0184 /* LB_RESETCONTENT */,
                           ListGetText = 0x0189 /* LB_GETTEXT */, ListGetTextLength = 0x018A /* LB_GETTEXTLEN */,
                           ListGetCount = 0x018B /* LB_GETCOUNT */, ListInitStorage = 0x01A8 /* LB_INITSTORAGE */,
                           ListSetSelection = 0x0186 /* LB_SETCURSEL */, ListGetSelection = 0x0188 /* LB_GETCURSEL */;
// The framework's own message to an edit of many lines: notes to show beside its lines, each
// "LINE<tab>NOTE" on a line of the zero-terminated text at lParam; none clears them. A backend
// whose edit cannot show them ignores it.
inline constexpr MessageId EditSetLineNotes = 0x0400 + 1 /* WM_USER + 1 */;
}  // namespace Msg

inline constexpr LResult kListError = -1;       // LB_ERR
inline constexpr LResult kListErrorSpace = -2;  // LB_ERRSPACE

inline constexpr WParam kIconSmall = 0;  // ICON_SMALL
inline constexpr WParam kIconBig = 1;    // ICON_BIG

inline constexpr int kCheckCleared = 0;  // BST_UNCHECKED
inline constexpr int kCheckSet = 1;      // BST_CHECKED

inline constexpr int kIdOk = 1;      // IDOK: "Exit"
inline constexpr int kIdCancel = 2;  // IDCANCEL: Esc and the close box
inline constexpr int kIdYes = 6;     // IDYES
inline constexpr int kIdNo = 7;      // IDNO

// A message box's buttons and sign (MB_*).
namespace BoxType {
inline constexpr unsigned Ok = 0x0, YesNo = 0x4, IconError = 0x10, IconQuestion = 0x20;
inline constexpr unsigned ButtonsMask = 0xF;
}  // namespace BoxType

// The colours a dialog gives a control about to paint, as WM_CTLCOLOR* answers: the device
// context's background colour and the colour of the brush returned.
struct ControlColours {
    Colour background = 0;
    Colour brush = 0;
};

// Kinds of control asking for their colours (CTLCOLOR_*).
namespace CtlColor {
enum : unsigned { MessageBox = 0, Edit = 1, ListBox = 2, Button = 3, Dialog = 4, ScrollBar = 5, Static = 6 };
}  // namespace CtlColor

// GetSystemMetrics indexes the dialog uses: SM_CXICON and SM_CYICON.
namespace Metric {
enum : int { IconWidth = 11, IconHeight = 12 };
}  // namespace Metric

// Window and control styles of the dialog template, a family to a declaration.
namespace Style {
// WS_*
inline constexpr std::uint32_t Popup = 0x80000000, Child = 0x40000000, Visible = 0x10000000, Caption = 0x00C00000,
                               Border = 0x00800000, VScroll = 0x00200000, HScroll = 0x00100000, SysMenu = 0x00080000,
                               Group = 0x00020000, TabStop = 0x00010000, MinimizeBox = 0x00020000,
                               MaximizeBox = 0x00010000;
// DS_*, ES_*
inline constexpr std::uint32_t DsSetFont = 0x00000040, DsModalFrame = 0x00000080, EsMultiLine = 0x00000004,
                               EsAutoVScroll = 0x00000040, EsAutoHScroll = 0x00000080, EsWantReturn = 0x00001000,
                               EsNumber = 0x00002000;
// BS_*: the low four bits (BS_TYPEMASK) are the button's kind, the rest are flags.
inline constexpr std::uint32_t BsTypeMask = 0x0000000F, BsPushButton = 0x00000000, BsDefPushButton = 0x00000001,
                               BsAutoCheckBox = 0x00000003, BsMultiline = 0x00002000, BsNotify = 0x00004000,
                               BsFlat = 0x00008000;
// SS_*, LBS_*
inline constexpr std::uint32_t SsLeft = 0x00000000, SsCenterImage = 0x00000200, LbsNoIntegralHeight = 0x00000100,
                               LbsNoSel = 0x00004000;
}  // namespace Style

// WS_EX_*
namespace ExStyle {
inline constexpr std::uint32_t DlgModalFrame = 0x00000001, Transparent = 0x00000020, ClientEdge = 0x00000200,
                               AppWindow = 0x00040000;
}  // namespace ExStyle

}  // namespace vantry::framework
