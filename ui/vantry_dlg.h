#pragma once

#include <string>
#include <string_view>

#include "framework/framework.h"
#include "number_text.h"
#include "payout_types.h"
#include "report_writer.h"

// The calculator's state for the whole run. The fields of the dialog are only its view: they are
// read by "Calculate Payout" and rewritten from here on every paint.
struct CalculatorState {
    PayoutParameters params;  // starts at 40 riders, $50, $100 added, 70 %, 4 Ds, places 0
    char ibraFlag = 'N';
    char brn4dFlag = 'N';
    char nbha4dFlag = 'Y';
    PayoutResult result;

    PayoutMethod method() const {
        if (ibraFlag == 'Y') return PayoutMethod::Ibra;
        if (brn4dFlag == 'Y') return PayoutMethod::Brn4d;
        return PayoutMethod::Nbha4d;
    }
};

class CVantryDlg : public CDialog {
public:
    explicit CVantryDlg(CWnd* parent = nullptr);
    ~CVantryDlg() override;

    const CalculatorState& state() const { return state_; }

    // Where "Edit/Print Payout" hands the editor command; tests pass their own.
    void SetViewerRunner(CommandRunner runner) { viewer_ = std::move(runner); }

    // The result-list sink. Each returns false on failure; no caller needs to look.
    bool ResetResultList();
    bool AddResultLine(const std::string& line);

protected:
    bool OnInitDialog() override;
    void OnPaint() override;
    IconHandle OnQueryDragIcon() override;
    BrushHandle OnCtlColor(CDC& dc, CWnd* control, unsigned kind) override;
    void OnCommand(int id) override;

    void OnCalculatePayout();
    void OnIbraPayout();
    void OnBrn4dPayout();
    void OnNbha4dPayout();
    void OnEditPrintPayout();

private:
    struct MessageMapEntry {
        int controlId;
        void (CVantryDlg::*handler)();
    };
    static const MessageMapEntry kMessageMap[];

    static constexpr int kFieldTextSize = 132;  // 131 characters and the terminator

    void selectMethod(char ibra, char brn4d, char nbha4d);
    void clearFieldText();
    const char* readField(int id);
    void writeField(int id, const char* format, FormatArg value);

    IconHandle dialogIcon;
    Colour wheatColour = 0;
    Colour whiteColour = 0;
    BrushHandle wheatBrush = nullptr;
    BrushHandle whiteBrush = nullptr;
    CWnd* resultList = nullptr;
    char fieldText[kFieldTextSize] = {};
    CalculatorState state_;
    CommandRunner viewer_ = RunWithCommandProcessor;
};
