// The Linux window and the editor it hands the report to: a real program started by name from the
// PATH, here a stand-in for xdg-open that a test controls.
#include <gtest/gtest.h>  // before FLTK, whose X11 headers define None

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>
#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "tests/common/default_event_listing.h"
#include "tests/common/screenshot_checks.h"
#include "tests/dialog/dialog_fixture.h"

namespace {

using namespace vantry::framework;
namespace Id = vantry::app::ControlId;

// xdg-open as a shell script in a folder put first on the PATH: it notes each start in `starts`,
// then ends with `status`, at once or, when asked to wait, once the test creates `release` (or
// after ten seconds, so that a test that never gets to release it still ends).
class StandInEditor {
public:
    StandInEditor(int status, bool waits) : folder_("stand-in-editor") {
        const std::string script = folder_.file("xdg-open");
        std::ofstream(script) << "#!/bin/sh\n"
                              << "echo \"$1\" >> '" << folder_.file("starts") << "'\n"
                              << (waits ? "for i in $(seq 100); do [ -e '" + folder_.file("release") +
                                              "' ] && break; sleep 0.1; done\n"
                                        : "")
                              << "exit " << status << "\n";
        chmod(script.c_str(), 0755);
        const char* path = std::getenv("PATH");
        savedPath_ = path ? path : "";
        setenv("PATH", (folder_.path().string() + ":" + savedPath_).c_str(), 1);
    }
    ~StandInEditor() { setenv("PATH", savedPath_.c_str(), 1); }

    void release() const { std::ofstream(folder_.file("release")) << "done\n"; }
    std::vector<std::string> starts() const {
        std::vector<std::string> lines;
        std::ifstream in(folder_.file("starts"));
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }

private:
    ScratchFolder folder_;
    std::string savedPath_;
};

// The dialog's pixels as the screen shows them now.
DecodedPng shotOf(Fl_Window& window) {
    window.make_current();
    DecodedPng shot;
    shot.width = window.w();
    shot.height = window.h();
    shot.channels = 3;
    shot.pixels.resize(static_cast<std::size_t>(shot.width * shot.height * 3));
    fl_read_image(shot.pixels.data(), 0, 0, shot.width, shot.height);
    return shot;
}

// While the editor is open, what is typed and clicked in the window is dropped, not kept for
// later; a window passed over the dialog leaves it painted again; and the editor runs once.
TEST_F(DialogTest, FltkInputWhileTheEditorIsOpenIsDroppedAndTheWindowStaysPainted) {
    const StandInEditor editor(0, true);
    dialog_.setViewerRunner(vantry::app::CVantryDlg::openInEditor);
    Automation& automation = driver_.automation();
    bool actedDuringTheWait = false;
    DecodedPng uncovered;
    run([&] {
        calculate();
        automation.post([&] {
            actedDuringTheWait = true;
            automation.type(Id::RiderCount, "77");
            automation.click(Id::IbraMethod);
            automation.click(Id::CalculatePayout);
            automation.click(Id::EditPrintPayout);
            automation.click(Id::EditPrintPayout);
            automation.postKey(Key::Escape);
            automation.clickCloseBox();
            automation.click(Id::Exit);
            // Another window over the dialog, then gone: what it uncovers must be painted again.
            Fl_Window* dialogWindow = Fl::first_window();
            Fl_Window cover(dialogWindow->x(), dialogWindow->y(), dialogWindow->w(), dialogWindow->h());
            cover.color(FL_BLACK);
            cover.end();
            cover.show();
            automation.pump();
            cover.hide();
            automation.pump();
            uncovered = shotOf(*dialogWindow);
            editor.release();
        });
        driver_.click(Id::EditPrintPayout);  // returns when the editor has ended
        EXPECT_TRUE(actedDuringTheWait) << "nothing ran while the editor was open";
        driver_.pump();
        EXPECT_EQ(editor.starts(), std::vector<std::string>{"report.txt"});
        EXPECT_EQ(text(Id::RiderCount), "40");
        EXPECT_EQ(methodChecks(), (std::vector<bool>{false, false, true}));
        EXPECT_EQ(listLines(), kDefaultEventListing);
        driver_.type(Id::RiderCount, "5");  // the dialog is still there, and takes input again
        EXPECT_NE(text(Id::RiderCount).find('5'), std::string::npos);
    });
    ASSERT_GT(uncovered.width, 0);
    // Where FLTK put the list and Rider Count (see FltkControlsLandWhereTheTemplatePutsThem).
    ExpectTheDialogAsAPersonSeesIt(uncovered, Rect{6, 330, 804, 684}, Rect{150, 6, 228, 42});
}

// An editor that cannot be started, or fails, is told with the report's full path; the report
// is there, whole, and the dialog works on.
TEST_F(DialogTest, FltkAnEditorThatFailsIsToldWithTheReportsPath) {
    const std::string report = (folder_ / "report.txt").string();
    Automation& automation = driver_.automation();
    struct Case {
        int status;  // of the stand-in; -1: there is no xdg-open at all
        std::string told;
    };
    const Case cases[] = {
        {3, "xdg-open failed (exit status 3)"},
        {-1, "xdg-open is not installed"},
    };
    for (const Case& c : cases) {
        std::unique_ptr<StandInEditor> editor;
        const char* path = std::getenv("PATH");
        const std::string savedPath = path ? path : "";
        if (c.status >= 0) {
            editor = std::make_unique<StandInEditor>(c.status, false);
        } else {
            setenv("PATH", "/nonexistent", 1);
        }
        std::optional<MessageBoxState> seen;
        // The box comes once the editor has ended: what is posted then runs in the box's loop.
        dialog_.setViewerRunner([&](const vantry::platform::ViewerCommand& command) {
            const std::string told = vantry::app::CVantryDlg::openInEditor(command);
            automation.post([&] {
                if ((seen = automation.messageBox())) automation.answerMessageBox();
            });
            return told;
        });
        run([&] {
            calculate();
            automation.click(Id::EditPrintPayout);
            driver_.pump();
            calculate();
            EXPECT_EQ(listLines(), kDefaultEventListing) << "the dialog works on";
        });
        setenv("PATH", savedPath.c_str(), 1);
        ASSERT_TRUE(seen.has_value()) << c.told;
        EXPECT_EQ(seen->caption, "Quorvath Payout Calculator");
        EXPECT_EQ(seen->text, "The report was written, but could not be opened.\n" + report + ": " + c.told);
        EXPECT_NE(readReport().find("\n    2 = $90.00   (40.00%)\n"), std::string::npos);
        if (editor) {
            EXPECT_EQ(editor->starts(), std::vector<std::string>{"report.txt"});
        }
    }
}

}  // namespace
