// What only the in-memory backend can show: the traffic between the dialog and its controls, and
// a list that runs out of room.
#include "tests/common/default_event_listing.h"
#include "tests/dialog/dialog_fixture.h"
#include "ui/framework/emulated/emulated_inspection.h"
#include "ui/framework/headless/headless_backend.h"

namespace {

using namespace vantry::framework;
namespace Id = vantry::app::ControlId;

HeadlessControl& resultList(HeadlessBackend& backend) { return *backend.dialog()->control(Id::ResultList); }

TEST_F(DialogTest, HeadlessListStorageIsReservedOnceAndEachLineIsShownAsAdded) {
    HeadlessBackend& backend = TheHeadlessBackend();
    run([&] {
        HeadlessControl& list = resultList(backend);
        driver_.click(Id::CalculatePayout);
        driver_.click(Id::CalculatePayout);
        EXPECT_EQ(list.storageRequests, (std::vector<std::pair<WParam, LParam>>{{200, 80}}));
        EXPECT_EQ(list.updates, 2 * 21);
        list.refuseNthAdd = 1;
        driver_.click(Id::CalculatePayout);
        EXPECT_EQ(list.updates, 2 * 21 + 20);  // no refresh for the refused line
    });
}

TEST_F(DialogTest, HeadlessEveryPaintSelectsAndScrollsEachField) {
    HeadlessBackend& backend = TheHeadlessBackend();
    run([&] {
        const int paints = backend.dialog()->paints;
        driver_.click(Id::IbraMethod);
        EXPECT_EQ(backend.dialog()->paints, paints);  // the paint waits for the message loop
        driver_.pump();
        EXPECT_EQ(backend.dialog()->paints, paints + 1);
        EXPECT_EQ(backend.dialog()->control(Id::Places)->caretScrolls, paints + 1);
        EXPECT_NE(backend.dialog()->bigIcon, nullptr);
        EXPECT_EQ(backend.dialog()->bigIcon, backend.dialog()->smallIcon);
    });
}

TEST_F(DialogTest, HeadlessMinimisedIconIsCentredInTheSmallClientArea) {
    run([&] {
        driver_.minimise(true);
        // The minimised client area here is 36 x 21: (36 - 32 + 1) / 2 = 2 and (21 - 32 + 1) / 2 = -5.
        EXPECT_EQ(driver_.lastIconDrawn(), (Point{2, -5}));
    });
}

// Two pixels a dialog unit, so that the layout reads back as the template gives it.
TEST_F(DialogTest, HeadlessControlsStandWhereTheTemplatePutsThem) {
    run([&] {
        EXPECT_EQ(driver_.control(0).bounds, (Rect{0, 0, 540, 458}));
        EXPECT_EQ(driver_.control(Id::ResultList).bounds, (Rect{4, 220, 536, 456}));  // 2,110 266 x 118
        EXPECT_EQ(driver_.control(Id::Places).bounds, (Rect{260, 52, 312, 80}));      // 130,26 26 x 14
    });
}

// BS_AUTOCHECKBOX: the box turns its own mark over before the dialog hears the click, so that
// a handler reads the new state; a plain check box leaves its mark to the handler.
TEST(HeadlessDialog, AnAutoCheckBoxTurnsItsMarkOverBeforeTheClickIsHeard) {
    struct MarksHeard : DialogEvents {
        HeadlessDialog* dialog = nullptr;
        std::vector<int> marks;
        bool initDialog(WindowPeer&) override { return false; }
        void paint() override {}
        IconHandle queryDragIcon() override { return nullptr; }
        BrushHandle ctlColor(DcHandle, WindowPeer*, unsigned) override { return nullptr; }
        void command(int id) override { marks.push_back(dialog->control(id)->check); }
        void destroyed() override {}
    } events;
    const ControlTemplate controls[] = {
        {1, ControlKind::CheckBox, "auto", 0, 0, 40, 8, Style::BsAutoCheckBox, 0},
        {2, ControlKind::CheckBox, "plain", 0, 10, 40, 8, 0x00000002 /* BS_CHECKBOX */, 0},
    };
    const DialogTemplate layout{1, 0, 0, 0, 0, 50, 20, "Boxes", "MS Sans Serif", 8, 400, false, 0, controls};
    HeadlessDialog dialog(layout, events);
    events.dialog = &dialog;
    for (int i = 0; i < 2; ++i) dialog.control(1)->click();
    dialog.control(2)->click();
    EXPECT_EQ(events.marks, (std::vector<int>{kCheckSet, kCheckCleared, kCheckCleared}));
}

TEST_F(DialogTest, HeadlessBrushesLiveAsLongAsTheDialog) {
    HeadlessBackend& backend = TheHeadlessBackend();
    const std::size_t before = EmulatedInspection::liveBrushes(backend);
    {
        vantry::app::CVantryDlg other;
        other.DoModal();
        EXPECT_EQ(EmulatedInspection::liveBrushes(backend), before + 2);
    }
    EXPECT_EQ(EmulatedInspection::liveBrushes(backend), before);
}

TEST_F(DialogTest, HeadlessListThatRefusesItsStorageStillWorks) {
    TheHeadlessBackend().refuseListStorageOnNextRun = true;
    run([&] {
        EXPECT_TRUE(listLines().empty());
        calculate();
        EXPECT_EQ(listLines(), kDefaultEventListing);
        calculate();
        EXPECT_EQ(listLines(), kDefaultEventListing);
    });
}

TEST_F(DialogTest, HeadlessLineTheListRefusesIsLostAndTheRestFollow) {
    run([&] {
        resultList(TheHeadlessBackend()).refuseNthAdd = 3;
        calculate();
        std::vector<std::string> expected = kDefaultEventListing;
        expected.erase(expected.begin() + 2);
        EXPECT_EQ(listLines(), expected);
    });
}

}  // namespace
