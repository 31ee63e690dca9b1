// What only the in-memory backend can see: the traffic between the dialog and its controls.
#include <gtest/gtest.h>

#include "dialog_template.h"
#include "framework/headless/headless_backend.h"
#include "vantry_dlg.h"

namespace {

namespace Id = ControlId;

TEST(HeadlessDialog, ListStorageIsReservedOnceAndEachLineIsShownAsAdded) {
    HeadlessBackend& backend = TheHeadlessBackend();
    CVantryDlg dialog;
    backend.script = [&] {
        HeadlessControl* list = backend.dialog()->control(Id::ResultList);
        backend.click(Id::CalculatePayout);
        backend.click(Id::CalculatePayout);
        EXPECT_EQ(list->storageRequests, (std::vector<std::pair<WParam, LParam>>{{200, 80}}));
        EXPECT_EQ(list->updates, 2 * 21);
        list->refuseAddCountdown = 1;
        backend.click(Id::CalculatePayout);
        EXPECT_EQ(list->updates, 2 * 21 + 20);  // no refresh for the refused line
    };
    dialog.DoModal();
}

TEST(HeadlessDialog, EveryPaintSelectsAndScrollsEachField) {
    HeadlessBackend& backend = TheHeadlessBackend();
    CVantryDlg dialog;
    backend.script = [&] {
        const int paints = backend.dialog()->paints;
        backend.click(Id::IbraMethod);
        EXPECT_EQ(backend.dialog()->paints, paints);  // the paint waits for the message loop
        backend.pump();
        EXPECT_EQ(backend.dialog()->paints, paints + 1);
        EXPECT_EQ(backend.dialog()->control(Id::Places)->caretScrolls, paints + 1);
        EXPECT_EQ(backend.dialog()->bigIcon, backend.appIcon());
        EXPECT_EQ(backend.dialog()->smallIcon, backend.appIcon());
    };
    dialog.DoModal();
}

TEST(HeadlessDialog, BrushesLiveAsLongAsTheDialog) {
    HeadlessBackend& backend = TheHeadlessBackend();
    const std::size_t before = backend.liveBrushes();
    {
        CVantryDlg dialog;
        dialog.DoModal();
        EXPECT_EQ(backend.liveBrushes(), before + 2);
    }
    EXPECT_EQ(backend.liveBrushes(), before);
}

}  // namespace
