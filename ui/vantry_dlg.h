#pragma once

#include <string>
#include <vector>

#include "engine/number_text.h"
#include "platform/viewer.h"
#include "report/report_writer.h"
#include "ui/calculator_state.h"
#include "ui/framework/framework.h"
#include "ui/main_dialog_layout.h"
#include "ui/own_methods.h"

namespace vantry::app {

class CVantryDlg : public framework::CDialog {
public:
    explicit CVantryDlg(framework::CWnd* parent = nullptr);
    ~CVantryDlg() override;

    // Where "Edit/Print Payout" hands the editor command: openInEditor, unless a test passes its own.
    void setViewerRunner(platform::ViewerRunner runner) { viewer_ = std::move(runner); }
    // Starts the system's editor and waits for it as a modal loop waits: the dialog stays
    // painted, and what is typed or clicked in it meanwhile is dropped.
    static std::string openInEditor(const platform::ViewerCommand& command);
    // The folder "Edit/Print Payout" writes report.txt in and starts the editor in: the working
    // folder, unless a test gives its own.
    void setReportFolder(std::string folder) { reportFolder_ = std::move(folder); }
    // The folder of the producer's own methods: the system's methods folder, unless a test gives
    // its own.
    void setMethodsFolder(std::string folder) {
        methodsFolder_ = std::move(folder);
        methodsFolderGiven_ = true;
    }

    // The result-list sink. Each returns false on failure; no caller needs to look.
    bool ResetResultList();
    bool AddResultLine(const std::string& line);

protected:
    bool OnInitDialog() override;
    void OnPaint() override;
    framework::IconHandle OnQueryDragIcon() override;
    framework::BrushHandle OnCtlColor(framework::CDC& dc, framework::CWnd* control, unsigned kind) override;
    void OnCommand(int id) override;
    void OnDestroy() override;

    void OnCalculatePayout();
    void OnIbraPayout();
    void OnBrn4dPayout();
    void OnNbha4dPayout();
    void OnEditPrintPayout();
    void OnPayoutMethods();
    void OnOwnMethod(int index);

private:
    friend struct VantryDlgInspection;  // the tests' look at the state (vantry_dlg_inspection.h)

    struct MessageMapEntry {
        int controlId;
        void (CVantryDlg::*handler)();
    };
    static const MessageMapEntry kMessageMap[];

    static constexpr int kFieldTextSize = 132;  // 131 characters and the terminator
    // Room the result list is asked to reserve on first use: a long listing's lines, at about
    // the length of a place line each. Nothing depends on the reservation succeeding.
    static constexpr framework::WParam kListReservedItems = 200;
    static constexpr framework::LParam kListReservedBytes = 80;

    void selectMethod(char ibra, char brn4d, char nbha4d);
    // Reads the methods folder again and offers its sound methods as further choices; a chosen one
    // stays chosen (as it now reads) while a method of its name is offered.
    void offerOwnMethods();
    void clearFieldText();
    const char* readField(int id);
    void writeField(int id, const char* format, engine::FormatArg value);

    framework::IconHandle dialogIcon;
    framework::Colour wheatColour_ = 0;
    framework::Colour whiteColour_ = 0;
    framework::BrushHandle wheatBrush = nullptr;
    framework::BrushHandle whiteBrush = nullptr;
    framework::CWnd* resultList_ = nullptr;
    char fieldText_[kFieldTextSize] = {};
    CalculatorState state_;
    MainDialogLayout layout_;
    std::vector<OfferedMethod> offered_;  // the own methods the boxes stand for
    std::string ownMethodPath_;           // the file of the own method chosen
    std::string methodsFolder_;
    std::string whyNoMethodsFolder_;
    bool methodsFolderGiven_ = false;
    platform::ViewerRunner viewer_ = openInEditor;
    std::string reportFolder_;
};

}  // namespace vantry::app
