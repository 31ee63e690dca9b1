// The keyboard as the dialog manager handles it, and "Edit/Print Payout": the same cases on
// every backend.
#include "report/report_writer.h"
#include "tests/common/default_event_listing.h"
#include "tests/common/process_cpu_time.h"
#include "tests/dialog/dialog_fixture.h"

#include <chrono>
#include <cmath>
#include <optional>

namespace {

using namespace vantry::framework;
namespace Id = vantry::app::ControlId;
using Key = DialogDriver::Key;

// Tab takes the focus round the cycle one control a key, in its exact order, and Shift+Tab walks
// it back. Windows' dialog manager takes only the six fields (the WS_TABSTOP controls); a page's
// keyboard reaches every control, in the order its README gives.
TEST_F(DialogTest, TabAndShiftTabWalkTheCycleInItsOrder) {
    const std::vector<int> fields = {Id::RiderCount,    Id::EntryFee, Id::AddedMoney,
                                     Id::PayoffPercent, Id::DsToPay,  Id::Places};
    const std::vector<int> everyControl = {Id::RiderCount,    Id::EntryFee,        Id::AddedMoney, Id::PayoffPercent,
                                           Id::DsToPay,       Id::Places,          Id::IbraMethod, Id::Brn4dMethod,
                                           Id::Nbha4dMethod,  Id::CalculatePayout, Id::Exit,       Id::EditPrintPayout,
                                           Id::PayoutMethods, Id::ResultList};
    const std::vector<int>& cycle = driver_.automation().tabReachesEveryControl() ? everyControl : fields;
    run([&] {
        ASSERT_EQ(driver_.focusedId(), Id::RiderCount);
        for (std::size_t step = 1; step <= cycle.size(); ++step) {
            driver_.pressKey(Key::Tab);
            EXPECT_EQ(driver_.focusedId(), cycle[step % cycle.size()]) << "Tab number " << step;
        }
        for (std::size_t step = 1; step <= cycle.size(); ++step) {
            driver_.pressKey(Key::BackTab);
            EXPECT_EQ(driver_.focusedId(), cycle[(cycle.size() - step) % cycle.size()]) << "Shift+Tab number " << step;
        }
        driver_.type(Id::DsToPay, "");  // the focus goes where a person clicks to type
        driver_.pressKey(Key::Tab);
        EXPECT_EQ(driver_.focusedId(), Id::Places);
    });
}

TEST_F(DialogTest, EnterInAFieldPressesEditPrintPayout) {
    run([&] {
        calculate();
        driver_.type(Id::Places, "");
        driver_.pressKey(Key::Enter);
    });
    EXPECT_EQ(viewerCommands_, std::vector<std::string>{kReportViewerCommand});
    EXPECT_NE(readReport().find("\n    2 = $90.00   (40.00%)\n"), std::string::npos);
}

TEST_F(DialogTest, ReportIsWrittenFromTheListAndOpened) {
    run([&] {
        calculate();
        driver_.click(Id::EditPrintPayout);
    });
    std::string body;
    for (const std::string& line : kDefaultEventListing) body += line + "\n";
    EXPECT_EQ(readReport().substr(160), "\n" + body + "\n");
    EXPECT_EQ(viewerCommands_, std::vector<std::string>{kReportViewerCommand});
    EXPECT_EQ(viewerFolders_, std::vector<std::string>{folder_.string()});  // the editor starts beside the report
    EXPECT_TRUE(driver_.messageBoxes().empty());
}

TEST_F(DialogTest, ReportBeforeAnyCalculationHoldsOnlyTheHeader) {
    run([&] { driver_.click(Id::EditPrintPayout); });
    EXPECT_EQ(readReport().size(), 80u + 80u + 1u + 1u);
    EXPECT_EQ(viewerCommands_.size(), 1u);
}

TEST_F(DialogTest, ReportThatCannotBeWrittenIsToldAndNotOpened) {
    std::filesystem::create_directory(folder_ / "report.txt");
    run([&] {
        calculate();
        driver_.click(Id::EditPrintPayout);
        driver_.pump();
        ASSERT_EQ(driver_.messageBoxes().size(), 1u);
        const std::string report = (folder_ / "report.txt").string();
        EXPECT_EQ(driver_.messageBoxes()[0],
                  "Quorvath Payout Calculator: The report could not be written.\n" + report + ": not a regular file");
        calculate();  // the dialog works on
        EXPECT_EQ(listLines(), kDefaultEventListing);
    });
    EXPECT_TRUE(viewerCommands_.empty());
}

// The report is written but no editor opens it: the producer is told where it is, rather than
// left with a button that seems to do nothing.
TEST_F(DialogTest, AnEditorThatCannotBeStartedIsToldWithTheReportsFullPath) {
    dialog_.setViewerRunner(
        [](const vantry::platform::ViewerCommand&) { return std::string("the editor is not installed"); });
    run([&] {
        calculate();
        driver_.click(Id::EditPrintPayout);
        driver_.pump();
        ASSERT_EQ(driver_.messageBoxes().size(), 1u);
        EXPECT_EQ(driver_.messageBoxes()[0],
                  "Quorvath Payout Calculator: The report was written, but could not be opened.\n" +
                      (folder_ / "report.txt").string() + ": the editor is not installed");
        calculate();  // the dialog works on
        EXPECT_EQ(listLines(), kDefaultEventListing);
    });
    EXPECT_NE(readReport().find("\n    2 = $90.00   (40.00%)\n"), std::string::npos);
}

TEST_F(DialogTest, FailureBoxIsOnTopWithItsTextAndTheProgramRestsUntilOk) {
    std::filesystem::create_directory(folder_ / "report.txt");
    std::optional<MessageBoxState> seen;
    double busySeconds = -1;
    Automation& automation = driver_.automation();
    run([&] {
        calculate();
        // Runs inside the box's own loop: two seconds with nobody at the keyboard, then OK.
        automation.post([&] {
            const double before = ProcessCpuSeconds();
            automation.idle(std::chrono::seconds(2));
            busySeconds = ProcessCpuSeconds() - before;
            seen = automation.messageBox();
            automation.answerMessageBox();
        });
        automation.click(Id::EditPrintPayout);  // returns once the box is answered
        driver_.pump();
        EXPECT_FALSE(automation.messageBox().has_value()) << "OK closed it";
        calculate();
        EXPECT_EQ(listLines(), kDefaultEventListing) << "the dialog works on";
    });
    ASSERT_TRUE(seen.has_value());
    EXPECT_EQ(seen->caption, "Quorvath Payout Calculator");
    EXPECT_EQ(seen->text,
              "The report could not be written.\n" + (folder_ / "report.txt").string() + ": not a regular file");
    EXPECT_TRUE(seen->hasOkButton);
    EXPECT_TRUE(seen->aboveDialog);
    // (Where the processor time cannot be measured, as in a page, it is not a number.)
    if (!std::isnan(busySeconds)) {
        EXPECT_LT(busySeconds, 0.1) << "the program spins while the box shows";
    }
}

}  // namespace
