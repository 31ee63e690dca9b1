#include "ui/vantry_resources.h"

#include "product_info.h"
#include "ui/framework/window_types.h"
#include "ui/icon/app_icon.h"

namespace vantry::app {

namespace {

using namespace framework::Style;
using framework::ControlKind;
using framework::ControlTemplate;
namespace ExStyle = framework::ExStyle;
using K = ControlKind;
namespace Id = ControlId;

constexpr std::uint32_t kLabel = SsLeft | SsCenterImage | Group;
constexpr std::uint32_t kNote = SsLeft | Group;

// The six fields scroll sideways as a value longer than they are wide is typed or shown:
// without ES_AUTOHSCROLL a Windows edit takes only what fits its width, and would pay 123456.78
// typed into Entry Fee as 123456.70.
constexpr std::uint32_t kField = Border | TabStop | EsAutoHScroll;

// Template 102, in template order (the tab and z order).
constexpr ControlTemplate kMainControls[] = {
    {Id::RiderCount, K::Edit, "", 50, 2, 26, 12, kField | EsNumber, 0},
    {Id::EntryFee, K::Edit, "", 50, 14, 36, 12, kField, 0},
    {Id::AddedMoney, K::Edit, "", 50, 26, 36, 12, kField, 0},
    {Id::PayoffPercent, K::Edit, "", 130, 2, 26, 12, kField | EsNumber, 0},
    {Id::DsToPay, K::Edit, "", 130, 14, 26, 12, kField | EsNumber, 0},
    {Id::Places, K::Edit, "", 130, 26, 26, 14, kField | EsNumber, 0},
    {Id::CalculatePayout, K::PushButton, "Calculate Payout", 164, 0, 54, 22, BsDefPushButton | BsMultiline,
     ExStyle::DlgModalFrame},
    {Id::Exit, K::PushButton, "Exit", 218, 0, 50, 40, BsDefPushButton, ExStyle::DlgModalFrame},
    {Id::Static, K::Static, "Rider Count:", 2, 4, 40, 8, kLabel, 0, Id::RiderCount},
    {Id::Static, K::Static, "Entry Fee:", 2, 16, 40, 8, kLabel, 0, Id::EntryFee},
    {Id::Static, K::Static, "Added Money:", 2, 28, 46, 8, kLabel, 0, Id::AddedMoney},
    {Id::ResultList, K::ListBox, "", 2, 110, 266, 118, Border | VScroll | HScroll | LbsNoSel | LbsNoIntegralHeight,
     ExStyle::ClientEdge},
    {Id::Static, K::Static, "D's to Pay:", 92, 16, 34, 8, kLabel, 0, Id::DsToPay},
    {Id::IbraMethod, K::CheckBox, "Similar to IBRA Payout", 172, 42, 94, 8, BsAutoCheckBox | BsNotify, 0},
    {Id::Invitation, K::PushButton,
     "Learn about more tools for rodeo and barrel-race producers from Quorvath Software.\n"
     "Visit the Quorvath Software web site for news, updates and support.",
     2, 90, 266, 18, BsDefPushButton | BsMultiline | BsFlat, ExStyle::Transparent},
    {Id::Brn4dMethod, K::CheckBox, "Similar to BRN4D Payout", 90, 42, 82, 8, BsAutoCheckBox | BsNotify, 0},
    {Id::Nbha4dMethod, K::CheckBox, "Similar to NBHA 4D Payout", 2, 42, 88, 8, BsAutoCheckBox | BsNotify, 0},
    {Id::Static, K::Static, "Payoff Pct:", 92, 4, 34, 8, kLabel, 0, Id::PayoffPercent},
    {Id::EditPrintPayout, K::PushButton, "Edit/Print Payout", 164, 22, 54, 18, BsDefPushButton | BsMultiline,
     ExStyle::DlgModalFrame},
    {Id::Static, K::Static,
     "Note: If \"Places\" (riders to pay in each D) is 0, payouts are calculated based on giving the last "
     "rider in the last D their entry fee back. Maximum places paid in each D is 30.",
     2, 52, 266, 18, kNote, 0},
    {Id::Static, K::Static, "Places:", 92, 28, 22, 8, kLabel, 0, Id::Places},
    {Id::Static, K::Static,
     "Note - We believe the calculated payouts were correct for their respective organizations at the "
     "time this tool was created, but things change. Treat the results as an approximation.",
     0, 70, 258, 16, kNote, 0},
};

// The three method boxes are one choice.
constexpr int kMethodBoxes[] = {Id::IbraMethod, Id::Brn4dMethod, Id::Nbha4dMethod};
constexpr framework::ControlGroup kMainGroups[] = {{"Payout method", kMethodBoxes}};
constexpr framework::ControlName kMainNames[] = {{Id::ResultList, "Payout results"}};

// Template 103: the methods window, where a producer's own methods are started, edited, brought
// in and put away. Every control is a tab stop, so that the keyboard reaches each step. Enter
// starts a method under the name typed (the default button), rather than closing the window and
// losing the name; Esc and "Close" close it.
namespace Mid = MethodsControlId;
constexpr std::uint32_t kStop = TabStop;
constexpr std::uint32_t kButton = BsPushButton | kStop;
constexpr ControlTemplate kMethodsControls[] = {
    {Mid::Folder, K::Static, "", 2, 2, 266, 16, SsLeft, 0},
    {Id::Static, K::Static, "Methods:", 2, 20, 60, 8, kLabel, 0, Mid::MethodList},
    {Mid::MethodList, K::ListBox, "", 2, 30, 190, 96, Border | VScroll | kStop | LbsNoIntegralHeight,
     ExStyle::ClientEdge},
    {Mid::Edit, K::PushButton, "Edit", 198, 30, 70, 14, kButton, 0},
    {Mid::Remove, K::PushButton, "Remove...", 198, 46, 70, 14, kButton, 0},
    {Mid::UndoRemove, K::PushButton, "Undo Remove", 198, 62, 70, 14, kButton, 0},
    {Mid::Import, K::PushButton, "Import...", 198, 78, 70, 14, kButton, 0},
    {Mid::OpenFolder, K::PushButton, "Open Folder", 198, 94, 70, 14, kButton, 0},
    {Id::Static, K::Static, "New method's name:", 2, 134, 70, 8, kLabel, 0, Mid::NewName},
    {Mid::NewName, K::Edit, "", 74, 132, 118, 12, Border | kStop | EsAutoHScroll, 0},
    {Mid::StartFrom, K::PushButton, "Start From Selected", 198, 131, 70, 14, kButton | BsDefPushButton, 0},
    {Mid::Close, K::PushButton, "Close", 198, 112, 70, 14, kButton, 0},
};
constexpr framework::ControlName kMethodsNames[] = {{Mid::Folder, "Methods folder"}};

// Template 104: the page's method editor (the desktop edits a method file in the text editor).
// Enter goes into the text; "Save" is reached with Tab, and Esc leaves without saving.
namespace Eid = MethodEditControlId;
constexpr ControlTemplate kMethodEditControls[] = {
    {Eid::FileName, K::Static, "", 2, 2, 266, 10, SsLeft, 0},
    {Eid::Text, K::Edit, "", 2, 14, 266, 124,
     Border | VScroll | HScroll | EsMultiLine | EsAutoVScroll | EsAutoHScroll | EsWantReturn | kStop, 0},
    {Eid::Problems, K::Static, "", 2, 142, 266, 36, SsLeft, 0},
    {Eid::Save, K::PushButton, "Save", 2, 182, 70, 14, kButton, 0},
    {Eid::Export, K::PushButton, "Export .toml", 76, 182, 70, 14, kButton, 0},
    {Eid::Cancel, K::PushButton, "Cancel", 198, 182, 70, 14, kButton, 0},
};
constexpr framework::ControlName kMethodEditNames[] = {{Eid::Text, "Method file text"}, {Eid::Problems, "Problems"}};

constexpr framework::DialogTemplate kDialogs[] = {
    {
        kMainDialogResource,
        Popup | Visible | Caption | SysMenu | MinimizeBox | MaximizeBox | DsModalFrame | DsSetFont,
        ExStyle::AppWindow,
        0,
        0,
        270,
        229,
        product::kName,
        "Times New Roman",
        16,
        0,
        false,
        1,
        kMainControls,
        kMainGroups,
        kMainNames,
    },
    {
        kMethodsDialogResource,
        Popup | Visible | Caption | SysMenu | DsModalFrame | DsSetFont,
        0,
        0,
        0,
        270,
        148,
        "Payout Methods",
        "Times New Roman",
        16,
        0,
        false,
        1,
        kMethodsControls,
        {},
        kMethodsNames,
    },
    {
        kMethodEditDialogResource,
        Popup | Visible | Caption | SysMenu | DsModalFrame | DsSetFont,
        0,
        0,
        0,
        270,
        200,
        "Edit Method",
        "Times New Roman",
        16,
        0,
        false,
        1,
        kMethodEditControls,
        {},
        kMethodEditNames,
    }};

constexpr framework::IconResource kIcons[] = {
    {kAppIconResource, kAppIconImages},
};

constexpr framework::ResourceModule kModule = {kDialogs, kIcons};

}  // namespace

const framework::ResourceModule& VantryResources() { return kModule; }

const framework::DialogTemplate& MainDialogTemplate() { return kDialogs[0]; }

const framework::DialogTemplate& MethodsDialogTemplate() { return kDialogs[1]; }

}  // namespace vantry::app
