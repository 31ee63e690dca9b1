#include "ui/vantry_dlg.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <vector>

#include "engine/float_conversion.h"
#include "engine/results_listing.h"
#include "product_info.h"
#include "ui/own_methods.h"
#include "ui/vantry_resources.h"

namespace vantry::app {

using namespace framework;
using engine::FormatArg;
namespace Id = ControlId;

const CVantryDlg::MessageMapEntry CVantryDlg::kMessageMap[] = {
    {Id::CalculatePayout, &CVantryDlg::OnCalculatePayout}, {Id::IbraMethod, &CVantryDlg::OnIbraPayout},
    {Id::Brn4dMethod, &CVantryDlg::OnBrn4dPayout},         {Id::Nbha4dMethod, &CVantryDlg::OnNbha4dPayout},
    {Id::EditPrintPayout, &CVantryDlg::OnEditPrintPayout}, {Id::PayoutMethods, &CVantryDlg::OnPayoutMethods},
};

CVantryDlg::CVantryDlg(CWnd* parent)
    : CDialog(VantryResources(), kMainDialogResource, parent),
      dialogIcon(LoadIconResource(VantryResources(), kAppIconResource)) {
    InitModalIndirect(layout_.dialogTemplate());
}

CVantryDlg::~CVantryDlg() {
    DeleteBrush(wheatBrush);
    DeleteBrush(whiteBrush);
}

void CVantryDlg::OnCommand(int id) {
    for (const MessageMapEntry& entry : kMessageMap) {
        if (entry.controlId == id) {
            (this->*entry.handler)();
            return;
        }
    }
    const int own = id - Id::OwnMethodFirst;
    if (own >= 0 && static_cast<std::size_t>(own) < layout_.ownMethodCount()) {
        OnOwnMethod(own);
        return;
    }
    CDialog::OnCommand(id);  // "Exit" is OK; Esc and the close box are Cancel
}

bool CVantryDlg::OnInitDialog() {
    wheatColour_ = Rgb(245, 222, 179);
    whiteColour_ = Rgb(255, 255, 255);
    if (!wheatBrush) wheatBrush = CreateSolidBrush(wheatColour_);
    if (!whiteBrush) whiteBrush = CreateSolidBrush(whiteColour_);

    CDialog::OnInitDialog();
    ResetResultList();
    state_.ibraFlag = 'N';
    state_.nbha4dFlag = 'Y';
    state_.brn4dFlag = 'N';
    state_.ownMethod = -1;
    state_.params.places = 0;

    // A field takes no more than the dialog reads of it.
    for (const int id : {Id::RiderCount, Id::EntryFee, Id::AddedMoney, Id::PayoffPercent, Id::DsToPay, Id::Places})
        if (CWnd* field = GetDlgItem(id)) field->SendMessage(Msg::EditLimitText, kFieldTextSize - 1);

    SendMessage(Msg::SetIcon, kIconBig, reinterpret_cast<LParam>(dialogIcon));
    SendMessage(Msg::SetIcon, kIconSmall, reinterpret_cast<LParam>(dialogIcon));

    // The methods window's button, and the own methods, after the template's own controls.
    if (!methodsFolderGiven_) methodsFolder_ = OwnMethodsFolder(whyNoMethodsFolder_);
    layout_.offer({});
    AddControlsFrom(layout_.resourceControlCount());
    offerOwnMethods();
    return true;  // the framework gives the focus to the first tab stop
}

// ---- Method choice: the flags change now, the check marks in the paint that follows.

void CVantryDlg::selectMethod(char ibra, char brn4d, char nbha4d) {
    if (ibra == 'Y' || brn4d == 'Y' || nbha4d == 'Y') state_.ownMethod = -1;
    state_.ibraFlag = ibra;
    state_.brn4dFlag = brn4d;
    state_.nbha4dFlag = nbha4d;
    Invalidate(true);
}

void CVantryDlg::OnDestroy() { layout_.showResourceControls(); }  // the next run starts from the resource

// The boxes of own methods follow the methods button; they are made again from the folder as it
// is now. The button itself stays: this runs from its own click.
void CVantryDlg::offerOwnMethods() {
    const std::size_t firstBox = layout_.resourceControlCount() + 1;
    RemoveControlsFrom(firstBox);
    offered_ = OfferedOwnMethods(methodsFolder_, MainDialogLayout::kMostOwnMethods);
    std::vector<std::string> names;
    for (const OfferedMethod& method : offered_) names.emplace_back(method.rules.displayName());
    layout_.offer(names);
    AddControlsFrom(firstBox);

    // The chosen method stays chosen, as its file now reads, while its file is offered.
    if (state_.ownMethod >= 0) {
        const std::string chosen(state_.ownRules.displayName());
        state_.ownMethod = -1;
        for (std::size_t i = 0; i < offered_.size(); ++i) {
            if (offered_[i].path != ownMethodPath_) continue;
            state_.ownMethod = static_cast<int>(i);
            state_.ownRules = offered_[i].rules;
        }
        if (state_.ownMethod < 0) {
            state_.nbha4dFlag = 'Y';  // the usual default, said so: the next listing is paid by it
            Invalidate(true);
            MessageBox("\"" + chosen +
                           "\" is no longer offered: its file was removed, renamed, or has mistakes. The NBHA 4D "
                           "method is chosen instead.",
                       product::kName);
        }
    }
    Invalidate(true);
}

void CVantryDlg::OnOwnMethod(int index) {
    state_.ownMethod = index;
    state_.ownRules = offered_[static_cast<std::size_t>(index)].rules;
    ownMethodPath_ = offered_[static_cast<std::size_t>(index)].path;
    selectMethod('N', 'N', 'N');
}

void CVantryDlg::OnPayoutMethods() {
    if (!RunMethodsWindow(this, methodsFolder_, whyNoMethodsFolder_, viewer_))
        MessageBox("The methods window could not be opened.", product::kName);
    offerOwnMethods();
}

void CVantryDlg::OnIbraPayout() { selectMethod('Y', 'N', 'N'); }
void CVantryDlg::OnBrn4dPayout() { selectMethod('N', 'Y', 'N'); }
void CVantryDlg::OnNbha4dPayout() { selectMethod('N', 'N', 'Y'); }

// ---- Painting: every paint shows the stored state, whatever was typed since.

void CVantryDlg::clearFieldText() { std::memset(fieldText_, 0, sizeof fieldText_); }

void CVantryDlg::writeField(int id, const char* format, FormatArg value) {
    clearFieldText();
    const std::size_t length = engine::FormatText(fieldText_, sizeof fieldText_, format, {value});
    if (length >= sizeof fieldText_) {
        // Only an absurd amount (1e300 typed as a fee) is this long: show it in the shortest
        // exponent form that reads back to the same value.
        clearFieldText();
        const std::string shortest = engine::ShortestText(value.real);
        std::memcpy(fieldText_, shortest.data(), std::min(shortest.size(), sizeof fieldText_ - 1));
    }
    if (CWnd* field = GetDlgItem(id)) {
        field->SetWindowText(fieldText_);
        field->SendMessage(Msg::EditSetSelection, 0, -1);
        field->SendMessage(Msg::EditScrollCaret);
    }
}

void CVantryDlg::OnPaint() {
    const struct {
        int id;
        char flag;
    } checkBoxes[] = {
        {Id::IbraMethod, state_.ibraFlag},
        {Id::Brn4dMethod, state_.brn4dFlag},
        {Id::Nbha4dMethod, state_.nbha4dFlag},
    };
    for (const auto& box : checkBoxes) {
        if (CWnd* control = GetDlgItem(box.id)) {
            control->SendMessage(Msg::ButtonSetCheck, kCheckCleared);
            if (box.flag == 'Y') control->SendMessage(Msg::ButtonSetCheck, kCheckSet);
        }
    }
    for (std::size_t i = 0; i < layout_.ownMethodCount(); ++i) {
        if (CWnd* control = GetDlgItem(Id::OwnMethodFirst + static_cast<int>(i))) {
            const bool chosen = state_.ownMethod == static_cast<int>(i);
            control->SendMessage(Msg::ButtonSetCheck, chosen ? kCheckSet : kCheckCleared);
        }
    }

    const engine::PayoutParameters& p = state_.params;
    writeField(Id::RiderCount, "%d", p.riderCount);
    if (CWnd* riderCount = GetDlgItem(Id::RiderCount)) riderCount->SetFocus();
    writeField(Id::Places, "%d", p.places);
    writeField(Id::EntryFee, "%3.2f", p.entryFee);
    writeField(Id::PayoffPercent, "%2.0f", p.payoffPercent);
    writeField(Id::AddedMoney, "%3.2f", p.addedMoney);
    writeField(Id::DsToPay, "%d", p.dsToPay);

    if (IsIconic()) {
        CPaintDC dc(*this);
        SendMessage(Msg::IconEraseBackground, reinterpret_cast<WParam>(dc.handle()), 0);
        const int iconWidth = GetSystemMetrics(Metric::IconWidth);
        const int iconHeight = GetSystemMetrics(Metric::IconHeight);
        const Rect client = GetClientRect();
        const int x = (client.width() - iconWidth + 1) / 2;
        const int y = (client.height() - iconHeight + 1) / 2;
        dc.DrawIcon(x, y, dialogIcon);
    } else {
        CDialog::OnPaint();
    }
}

BrushHandle CVantryDlg::OnCtlColor(CDC& dc, CWnd*, unsigned kind) {
    if (kind == CtlColor::Edit || kind == CtlColor::ListBox) {
        dc.SetBkColor(whiteColour_);
        return whiteBrush;
    }
    dc.SetBkColor(wheatColour_);
    return wheatBrush;
}

IconHandle CVantryDlg::OnQueryDragIcon() { return dialogIcon; }

// ---- The result list

bool CVantryDlg::ResetResultList() {
    if (resultList_ == nullptr) {
        resultList_ = GetDlgItem(Id::ResultList);
        if (resultList_ == nullptr) return false;
        if (resultList_->SendMessage(Msg::ListInitStorage, kListReservedItems, kListReservedBytes) == kListErrorSpace)
            return false;
    }
    resultList_->SendMessage(Msg::ListResetContent);
    return true;
}

bool CVantryDlg::AddResultLine(const std::string& line) {
    CWnd* list = GetDlgItem(Id::ResultList);
    if (list == nullptr) return true;
    if (list->SendMessage(Msg::ListAddString, 0, reinterpret_cast<LParam>(line.c_str())) == kListErrorSpace)
        return false;      // the line is lost; the listing goes on with the next one
    list->UpdateWindow();  // each line shows before the next is added
    return true;
}

// ---- Commands

const char* CVantryDlg::readField(int id) {
    clearFieldText();
    if (CWnd* field = GetDlgItem(id)) field->GetWindowText(fieldText_, kFieldTextSize);
    return fieldText_;
}

void CVantryDlg::OnCalculatePayout() {
    ResetResultList();

    engine::PayoutParameters& p = state_.params;
    p.riderCount = engine::ReadLeadingInt(readField(Id::RiderCount));
    p.places = engine::ReadLeadingInt(readField(Id::Places));
    p.entryFee = engine::ReadLeadingReal(readField(Id::EntryFee));
    p.addedMoney = engine::ReadLeadingReal(readField(Id::AddedMoney));
    p.dsToPay = engine::ReadLeadingInt(readField(Id::DsToPay));
    p.payoffPercent = engine::ReadLeadingReal(readField(Id::PayoffPercent));
    p = engine::NormalisedParameters(p);  // 45 places are kept, and shown, as 30

    // An own method pays only the D counts and places its file gives: any other event is refused
    // with the reason, as the command-line tool refuses it.
    if (state_.ownMethod >= 0) {
        const std::string why = engine::WhyMethodCannotPay(state_.ownRules, p);
        if (!why.empty()) {
            MessageBox(why, product::kName);
            Invalidate(true);
            return;
        }
    }

    // Each line reaches the list as it is made: the parameters before anything is calculated.
    const engine::ListingSink sink = [this](const std::string& line) { AddResultLine(line); };
    state_.result = state_.ownMethod >= 0 ? engine::ListPayout(p, state_.ownRules, sink).result
                                          : engine::ListPayout(p, state_.method(), sink).result;

    Invalidate(true);  // the repaint shows the stored values in their display formats
}

std::string CVantryDlg::openInEditor(const platform::ViewerCommand& command) {
    return platform::RunViewerAndWait(command, framework::WaitWhile);
}

void CVantryDlg::OnEditPrintPayout() {
    std::vector<std::string> lines;
    if (CWnd* list = GetDlgItem(Id::ResultList)) {
        std::vector<char> item;
        for (WParam index = 0;; ++index) {
            const LResult length = list->SendMessage(Msg::ListGetTextLength, index);
            if (length == kListError) break;
            item.assign(static_cast<std::size_t>(length) + 1, '\0');  // always fits the item
            const LResult copied = list->SendMessage(Msg::ListGetText, index, reinterpret_cast<LParam>(item.data()));
            if (copied == kListError) break;
            lines.emplace_back(item.data(), static_cast<std::size_t>(copied));
        }
    }
    // The editor is handed the plain name, started in the report's folder: "notepad report.txt".
    // What the producer is told names the file by its full path, so that it can be found.
    const std::string name(report::kReportFileName);
    const std::string path = reportFolder_.empty() ? name : (std::filesystem::path(reportFolder_) / name).string();
    const report::ReportOutcome outcome = report::WriteReport(
        lines, path, [&] { return viewer_(platform::ViewerCommandFor(name, reportFolder_)); });
    if (!outcome.written) {
        MessageBox("The report could not be written.\n" + report::FullPath(path) + ": " + outcome.reason,
                   product::kName);
    } else if (!outcome.viewerError.empty()) {
        // Written, but nothing opened it: without a word the button would seem to do nothing.
        MessageBox(
            "The report was written, but could not be opened.\n" + report::FullPath(path) + ": " + outcome.viewerError,
            product::kName);
    }
}

}  // namespace vantry::app
