// The dialog's behaviour, written against the framework layer only: this suite runs unchanged on
// every backend (in memory, FLTK, Win32).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "default_event_listing.h"
#include "dialog_driver.h"
#include "dialog_template.h"
#include "report_writer.h"
#include "results_listing.h"
#include "vantry_dlg.h"

namespace {

namespace fs = std::filesystem;
namespace Id = ControlId;


const int kFieldOrder[] = {Id::RiderCount, Id::Places, Id::EntryFee, Id::PayoffPercent, Id::AddedMoney, Id::DsToPay};

class DialogBehaviour : public ::testing::Test {
protected:
    void SetUp() override {
        driver = MakeDialogDriver();
        previousFolder_ = fs::current_path();
        folder_ = fs::temp_directory_path() /
                  ("vantry-dialog-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        fs::current_path(folder_);  // "report.txt" goes to the current folder
        dialog.SetViewerRunner([this](const std::string& command) { viewerCommands.push_back(command); });
    }

    void TearDown() override {
        fs::current_path(previousFolder_);
        fs::remove_all(folder_);
    }

    std::string text(int id) {
        char buffer[512] = {};
        CWnd* control = dialog.GetDlgItem(id);
        EXPECT_NE(control, nullptr) << id;
        if (control) control->GetWindowText(buffer, sizeof buffer);
        return buffer;
    }

    std::vector<std::string> fields() {
        std::vector<std::string> values;
        for (int id : kFieldOrder) values.push_back(text(id));
        return values;
    }

    bool checked(int id) { return dialog.GetDlgItem(id)->SendMessage(Msg::ButtonGetCheck) == kCheckSet; }

    std::vector<bool> methodChecks() {
        return {checked(Id::IbraMethod), checked(Id::Brn4dMethod), checked(Id::Nbha4dMethod)};
    }

    bool wholeTextSelected(int id) {
        const LResult selection = dialog.GetDlgItem(id)->SendMessage(Msg::EditGetSelection);
        return (selection & 0xFFFF) == 0 && ((selection >> 16) & 0xFFFF) == static_cast<LResult>(text(id).size());
    }

    std::vector<std::string> listLines() {
        CWnd* list = dialog.GetDlgItem(Id::ResultList);
        std::vector<std::string> lines;
        const LResult count = list->SendMessage(Msg::ListGetCount);
        for (LResult i = 0; i < count; ++i) {
            std::vector<char> item(static_cast<std::size_t>(list->SendMessage(Msg::ListGetTextLength, i)) + 1);
            list->SendMessage(Msg::ListGetText, static_cast<WParam>(i), reinterpret_cast<LParam>(item.data()));
            lines.emplace_back(item.data());
        }
        return lines;
    }

    void calculate() {
        driver->click(Id::CalculatePayout);
        driver->pump();
    }

    std::intptr_t run(const std::function<void()>& script) { return driver->run(dialog, script); }

    std::unique_ptr<DialogDriver> driver;
    CVantryDlg dialog;
    std::vector<std::string> viewerCommands;

private:
    fs::path previousFolder_;
    fs::path folder_;
};

TEST_F(DialogBehaviour, FirstDisplayShowsTheInitialEvent) {
    run([&] {
        EXPECT_EQ(fields(), (std::vector<std::string>{"40", "0", "50.00", "70", "100.00", "4"}));
        EXPECT_EQ(methodChecks(), (std::vector<bool>{false, false, true}));
        EXPECT_EQ(driver->focusedId(), Id::RiderCount);
        for (int id : kFieldOrder) EXPECT_TRUE(wholeTextSelected(id)) << id;
        EXPECT_TRUE(listLines().empty());
    });
}

TEST_F(DialogBehaviour, CalculationFillsTheListWithTheListing) {
    run([&] {
        calculate();
        EXPECT_EQ(listLines(), kDefaultEventListing);
        EXPECT_EQ(driver->focusedId(), Id::RiderCount);
        EXPECT_TRUE(wholeTextSelected(Id::RiderCount));
    });
}

TEST_F(DialogBehaviour, FieldsAreRewrittenFromTheStoredValues) {
    run([&] {
        driver->paste(Id::EntryFee, "50");
        driver->paste(Id::Places, "45");
        driver->paste(Id::AddedMoney, "");
        driver->paste(Id::PayoffPercent, "70.6");
        driver->paste(Id::RiderCount, " 41 riders");
        calculate();
        EXPECT_EQ(fields(), (std::vector<std::string>{"41", "30", "50.00", "71", "0.00", "4"}));
        EXPECT_EQ(dialog.state().params.payoffPercent, 70.6);
        EXPECT_EQ(dialog.state().params.places, 30);
        const std::vector<std::string> lines = listLines();
        ASSERT_GT(lines.size(), 4u);
        EXPECT_EQ(lines[1], "Rider Count = 41, Entry Fee = $50.00, Added Money = $0.00, Places = 30");
        EXPECT_EQ(lines[4].substr(0, 29), "NBHA 4D payout to 30 placings");

        calculate();  // what is shown is what is read back
        EXPECT_EQ(dialog.state().params.payoffPercent, 71.0);
        EXPECT_EQ(fields(), (std::vector<std::string>{"41", "30", "50.00", "71", "0.00", "4"}));
    });
}

TEST_F(DialogBehaviour, MoneyIsReadBackRoundedToCents) {
    run([&] {
        driver->paste(Id::EntryFee, "12.345");
        driver->paste(Id::AddedMoney, "0.125");
        calculate();
        EXPECT_EQ(text(Id::EntryFee), "12.35");  // 12.345 lies just above the tie
        EXPECT_EQ(text(Id::AddedMoney), "0.13");  // an exact tie, away from zero
        calculate();
        EXPECT_EQ(dialog.state().params.entryFee, 12.35);
        EXPECT_EQ(dialog.state().params.addedMoney, 0.13);
    });
}

TEST_F(DialogBehaviour, TypedTextIsDiscardedByAMethodClick) {
    run([&] {
        driver->type(Id::RiderCount, "99");
        EXPECT_EQ(text(Id::RiderCount), "99");
        driver->click(Id::IbraMethod);
        driver->pump();
        EXPECT_EQ(text(Id::RiderCount), "40");
        EXPECT_EQ(methodChecks(), (std::vector<bool>{true, false, false}));
        EXPECT_EQ(dialog.state().ibraFlag, 'Y');
        EXPECT_TRUE(listLines().empty());  // choosing a method does not recalculate
        EXPECT_EQ(driver->focusedId(), Id::RiderCount);
    });
}

TEST_F(DialogBehaviour, MethodsAreAChoiceOfOne) {
    run([&] {
        driver->click(Id::Nbha4dMethod);  // already selected: its own toggle is undone
        driver->pump();
        EXPECT_EQ(methodChecks(), (std::vector<bool>{false, false, true}));
        driver->click(Id::Brn4dMethod);
        driver->pump();
        EXPECT_EQ(methodChecks(), (std::vector<bool>{false, true, false}));
        calculate();
        EXPECT_EQ(listLines()[4], "BRN4D payout to 3 placings, Pool = $1500.00, Producer = $600.00");
        driver->click(Id::IbraMethod);
        driver->pump();
        EXPECT_EQ(listLines()[4], "BRN4D payout to 3 placings, Pool = $1500.00, Producer = $600.00");
        calculate();
        EXPECT_EQ(listLines()[4], "IBRA payout to 2 placings, Pool = $1500, Producer = $ 600");
    });
}

TEST_F(DialogBehaviour, DsToPayOutsideOneToSevenIsShownBack) {
    run([&] {
        for (const char* ds : {"0", "9"}) {
            driver->paste(Id::DsToPay, ds);
            calculate();
            EXPECT_EQ(text(Id::DsToPay), ds);
            EXPECT_EQ(listLines()[2], std::string("D's to Pay = ") + ds + ", Payoff Percentage = 70");
        }
    });
}

TEST_F(DialogBehaviour, NumberFieldsRefuseTypedNonDigits) {
    run([&] {
        driver->type(Id::RiderCount, "4a-5");
        driver->type(Id::EntryFee, "12.5");
        EXPECT_EQ(text(Id::RiderCount), "45");
        EXPECT_EQ(text(Id::EntryFee), "12.5");
        calculate();
        EXPECT_EQ(dialog.state().params.riderCount, 45);
        EXPECT_EQ(dialog.state().params.entryFee, 12.5);
    });
}

TEST_F(DialogBehaviour, FieldsAreReadUpTo131Characters) {
    run([&] {
        driver->paste(Id::EntryFee, std::string(130, '0') + "7");
        driver->paste(Id::AddedMoney, std::string(131, '0') + "7");
        calculate();
        EXPECT_EQ(text(Id::EntryFee), "7.00");
        EXPECT_EQ(text(Id::AddedMoney), "0.00");
    });
}

TEST_F(DialogBehaviour, HugeValuesFitTheirFieldAndReadBackTheSame) {
    run([&] {
        driver->paste(Id::EntryFee, "1e300");
        driver->paste(Id::RiderCount, "99999999999");
        calculate();
        EXPECT_EQ(text(Id::EntryFee), "1e+300");
        EXPECT_EQ(text(Id::RiderCount), "2147483647");
        calculate();
        EXPECT_EQ(dialog.state().params.entryFee, 1e300);
        for (const std::string& line : listLines()) EXPECT_LE(line.size(), kListingLineMax);
    });
}

TEST_F(DialogBehaviour, ListThatRefusesItsStorageStillWorks) {
    if (!driver->refuseListStorage()) GTEST_SKIP() << "this backend's list cannot be made to refuse";
    run([&] {
        EXPECT_TRUE(listLines().empty());
        calculate();
        EXPECT_EQ(listLines(), kDefaultEventListing);
        calculate();
        EXPECT_EQ(listLines(), kDefaultEventListing);
    });
}

TEST_F(DialogBehaviour, LineTheListRefusesIsLostAndTheRestFollow) {
    run([&] {
        if (!driver->refuseListLine(3)) GTEST_SKIP() << "this backend's list cannot be made to refuse";
        calculate();
        std::vector<std::string> expected = kDefaultEventListing;
        expected.erase(expected.begin() + 2);
        EXPECT_EQ(listLines(), expected);
    });
}

TEST_F(DialogBehaviour, ReportIsWrittenFromTheListAndOpened) {
    run([&] {
        calculate();
        driver->click(Id::EditPrintPayout);
    });
    std::ifstream in("report.txt");  // text mode: the platform's line ends read as "\n"
    std::stringstream file;
    file << in.rdbuf();
    std::string body;
    for (const std::string& line : kDefaultEventListing) body += line + "\n";
    EXPECT_EQ(file.str().substr(160), "\n" + body + "\n");
    EXPECT_EQ(viewerCommands, std::vector<std::string>{ViewerCommandFor("report.txt")});
    EXPECT_TRUE(driver->messageBoxes().empty());
}

TEST_F(DialogBehaviour, ReportBeforeAnyCalculationHoldsOnlyTheHeader) {
    run([&] { driver->click(Id::EditPrintPayout); });
    std::ifstream in("report.txt");
    std::stringstream file;
    file << in.rdbuf();
    EXPECT_EQ(file.str().size(), 80u + 80u + 1u + 1u);
    EXPECT_EQ(viewerCommands.size(), 1u);
}

TEST_F(DialogBehaviour, ReportThatCannotBeWrittenIsToldAndNotOpened) {
    fs::create_directory("report.txt");
    run([&] {
        calculate();
        driver->click(Id::EditPrintPayout);
        ASSERT_EQ(driver->messageBoxes().size(), 1u);
        const std::string expected = "Quorvath Payout Calculator: The report could not be written.\nreport.txt: ";
        EXPECT_EQ(driver->messageBoxes()[0].substr(0, expected.size()), expected);
        EXPECT_GT(driver->messageBoxes()[0].size(), expected.size());  // and the system's reason
    });
    EXPECT_TRUE(viewerCommands.empty());
}

TEST_F(DialogBehaviour, EditsAndListAreWhiteEverythingElseWheat) {
    const Colour white = Rgb(255, 255, 255);
    const Colour wheat = Rgb(245, 222, 179);
    run([&] {
        struct Case { int id; unsigned kind; Colour colour; };
        const Case cases[] = {
            {Id::EntryFee, CtlColor::Edit, white},     {Id::ResultList, CtlColor::ListBox, white},
            {Id::IbraMethod, CtlColor::Static, wheat}, {Id::CalculatePayout, CtlColor::Button, wheat},
            {0, CtlColor::Dialog, wheat},              {0, CtlColor::MessageBox, wheat},
            {Id::ResultList, CtlColor::ScrollBar, wheat},
        };
        for (const Case& c : cases) {
            const DialogDriver::Colours colours = driver->colours(c.id, c.kind);
            EXPECT_EQ(colours.background, c.colour) << "kind " << c.kind;
            EXPECT_EQ(colours.brush, c.colour) << "kind " << c.kind;
        }
    });
}

TEST_F(DialogBehaviour, MinimisedDialogDrawsItsIconCentred) {
    run([&] {
        driver->minimise(true);
        driver->pump();
        const Rect client = dialog.GetClientRect();
        const std::vector<DialogDriver::DrawnIcon> icons = driver->drawnIcons();
        ASSERT_FALSE(icons.empty());
        EXPECT_EQ(icons.back().x, (client.width() - GetSystemMetrics(Metric::IconWidth) + 1) / 2);
        EXPECT_EQ(icons.back().y, (client.height() - GetSystemMetrics(Metric::IconHeight) + 1) / 2);
        driver->minimise(false);
        driver->pump();
        EXPECT_EQ(text(Id::RiderCount), "40");
    });
}

TEST_F(DialogBehaviour, ExitEscapeAndCloseBoxEachEndTheDialog) {
    EXPECT_EQ(run([&] { driver->click(Id::Exit); }), kIdOk);
    EXPECT_EQ(run([&] { driver->pressEscape(); }), kIdCancel);
    EXPECT_EQ(run([&] { driver->clickCloseBox(); }), kIdCancel);
}

TEST_F(DialogBehaviour, InvitationButtonDoesNothing) {
    run([&] {
        calculate();
        driver->type(Id::RiderCount, "12");
        driver->click(Id::Invitation);
        driver->pump();
        EXPECT_EQ(listLines(), kDefaultEventListing);
        EXPECT_EQ(text(Id::RiderCount), "12");
        EXPECT_TRUE(driver->messageBoxes().empty());
    });
}

}  // namespace
