#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "tests/common/scratch_folder.h"
#include "tests/dialog/dialog_driver.h"
#include "ui/vantry_dlg.h"
#include "ui/vantry_dlg_inspection.h"
#include "ui/vantry_resources.h"

// The dialog under test, run by the driver of whichever backend the program links, and the ways
// a test looks at it: through the framework layer, as the dialog itself sees its controls.
class DialogTest : public ::testing::Test {
protected:
    static constexpr int kFieldOrder[] = {vantry::app::ControlId::RiderCount, vantry::app::ControlId::Places,
                                          vantry::app::ControlId::EntryFee,   vantry::app::ControlId::PayoffPercent,
                                          vantry::app::ControlId::AddedMoney, vantry::app::ControlId::DsToPay};

    void SetUp() override;

    std::string text(int id);
    // The values the dialog keeps, exactly, behind its fields' display formats.
    const vantry::app::CalculatorState& state() const { return vantry::app::VantryDlgInspection::state(dialog_); }
    std::vector<std::string> fields();
    bool checked(int id);
    std::vector<bool> methodChecks();
    bool wholeTextSelected(int id);
    std::vector<std::string> listLines();
    std::string readReport();  // report.txt as an editor reads it (text mode)
    void calculate();
    std::intptr_t run(const std::function<void()>& script) { return driver_.run(dialog_, script); }

    DialogDriver driver_;
    vantry::app::CVantryDlg dialog_;
    ScratchFolder scratch_{"dialog"};
    const std::filesystem::path& folder_ = scratch_.path();  // the dialog writes report.txt here
    std::vector<std::string> viewerCommands_;                // what the editor was asked, as typed at a prompt
    std::vector<std::string> viewerFolders_;                 // and where it was started
};

// The editor command "Edit/Print Payout" hands over: the same on every backend of a platform.
#if defined(_WIN32)
inline const std::string kReportViewerCommand = "notepad report.txt";
#elif defined(__EMSCRIPTEN__)
inline const std::string kReportViewerCommand = "browser report.txt";
#else
inline const std::string kReportViewerCommand = "xdg-open report.txt";
#endif
