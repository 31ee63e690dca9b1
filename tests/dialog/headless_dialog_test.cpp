// What only the in-memory backend can show: the traffic between the dialog and its controls, and
// a list that runs out of room.
#include "default_event_listing.h"
#include "dialog_fixture.h"
#include "headless/headless_backend.h"

namespace {

using namespace vantry::framework;
namespace Id = vantry::app::ControlId;

HeadlessControl& resultList(HeadlessBackend& backend) { return *backend.dialog()->control(Id::ResultList); }

TEST_F(DialogTest, HeadlessListStorageIsReservedOnceAndEachLineIsShownAsAdded) {
    HeadlessBackend& backend = TheHeadlessBackend();
    run([&] {
        HeadlessControl& list = resultList(backend);
        driver.click(Id::CalculatePayout);
        driver.click(Id::CalculatePayout);
        EXPECT_EQ(list.storageRequests, (std::vector<std::pair<WParam, LParam>>{{200, 80}}));
        EXPECT_EQ(list.updates, 2 * 21);
        list.refuseNthAdd = 1;
        driver.click(Id::CalculatePayout);
        EXPECT_EQ(list.updates, 2 * 21 + 20);  // no refresh for the refused line
    });
}

TEST_F(DialogTest, HeadlessEveryPaintSelectsAndScrollsEachField) {
    HeadlessBackend& backend = TheHeadlessBackend();
    run([&] {
        const int paints = backend.dialog()->paints;
        driver.click(Id::IbraMethod);
        EXPECT_EQ(backend.dialog()->paints, paints);  // the paint waits for the message loop
        driver.pump();
        EXPECT_EQ(backend.dialog()->paints, paints + 1);
        EXPECT_EQ(backend.dialog()->control(Id::Places)->caretScrolls, paints + 1);
        EXPECT_NE(backend.dialog()->bigIcon, nullptr);
        EXPECT_EQ(backend.dialog()->bigIcon, backend.dialog()->smallIcon);
    });
}

TEST_F(DialogTest, HeadlessMinimisedIconIsCentredInTheSmallClientArea) {
    run([&] {
        driver.minimise(true);
        // The minimised client area here is 36 x 21: (36 - 32 + 1) / 2 = 2 and (21 - 32 + 1) / 2 = -5.
        EXPECT_EQ(driver.lastIconDrawn(), (Point{2, -5}));
    });
}

TEST_F(DialogTest, HeadlessBrushesLiveAsLongAsTheDialog) {
    HeadlessBackend& backend = TheHeadlessBackend();
    const std::size_t before = backend.liveBrushes();
    {
        vantry::app::CVantryDlg other;
        other.DoModal();
        EXPECT_EQ(backend.liveBrushes(), before + 2);
    }
    EXPECT_EQ(backend.liveBrushes(), before);
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
