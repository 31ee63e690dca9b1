#pragma once

#include "ui/framework/dialog_template.h"
#include "ui/framework/resources.h"

// The application's resources: the main dialog's template (102) and the icon group (128), with the
// identifiers of the dialog's controls. The framework finds them by number in VantryResources(),
// and the Windows resource script is generated from the same data.

namespace vantry::app {

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
inline constexpr int Exit = 1;     // IDOK
inline constexpr int Static = -1;  // IDC_STATIC
// Added while the dialog runs, after the template's own controls: the button that opens the
// methods window, and a box for each installed method offered (OwnMethodFirst + its index).
inline constexpr int PayoutMethods = 2003;
inline constexpr int OwnMethodFirst = 1100;
}  // namespace ControlId

// Control identifiers of the methods window.
namespace MethodsControlId {
inline constexpr int Folder = 4001;
inline constexpr int MethodList = 4002;
inline constexpr int NewName = 4003;
inline constexpr int Edit = 4010;
inline constexpr int Remove = 4011;
inline constexpr int Import = 4012;
inline constexpr int OpenFolder = 4013;
inline constexpr int StartFrom = 4014;
inline constexpr int UndoRemove = 4015;
inline constexpr int Close = 1;  // IDOK
}  // namespace MethodsControlId

// Control identifiers of the page's method editor.
namespace MethodEditControlId {
inline constexpr int FileName = 4101;
inline constexpr int Text = 4102;
inline constexpr int Problems = 4103;
inline constexpr int Save = 4104;
inline constexpr int Export = 4105;
inline constexpr int Cancel = 2;  // IDCANCEL
}  // namespace MethodEditControlId

inline constexpr int kMainDialogResource = 102;
inline constexpr int kMethodsDialogResource = 103;
inline constexpr int kMethodEditDialogResource = 104;
inline constexpr int kAppIconResource = 128;

const framework::ResourceModule& VantryResources();
const framework::DialogTemplate& MainDialogTemplate();
const framework::DialogTemplate& MethodsDialogTemplate();

}  // namespace vantry::app
