// A producer's own methods in the window: offered beside the three, started, edited, brought in
// and put away through the methods window, on every backend that opens one.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/results_listing.h"
#include "methods/installed_methods.h"
#include "methods/method_file.h"
#include "methods/method_files.h"
#include "tests/common/tool_run.h"
#include "tests/dialog/dialog_fixture.h"
#include "tests/dialog/test_method_files.h"
#include "ui/methods_dlg.h"

namespace {

using namespace vantry::framework;
namespace Id = vantry::app::ControlId;
namespace Mid = vantry::app::MethodsControlId;
namespace fs = std::filesystem;
using vantry::app::VantryDlgInspection;

std::string methodText(const std::string& name) { return MethodFileNamed(name); }
void writeFile(const fs::path& path, const std::string& text) { WriteTestFile(path, text); }

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class DialogMethodsTest : public DialogTest {
protected:
    static constexpr std::chrono::seconds kBoxWithin{10};  // for a chooser, or a box that comes after one

    void SetUp() override {
        DialogTest::SetUp();
        std::string why;
        methods_ = vantry::methods::MethodsFolder(why);
        ASSERT_FALSE(methods_.empty()) << why;
    }

    // Opens the methods window from the main dialog and runs `script` in it.
    void inMethodsWindow(const std::function<void()>& script) {
        bool ran = false;
        driver_.automation().runWhenShown([&] {
            ran = true;
            script();
        });
        driver_.click(Id::PayoutMethods);
        driver_.pump();
        EXPECT_TRUE(ran) << "the methods window never came up";
    }

    // Answers the file chooser the next click opens: a chooser takes a moment to come up, so the
    // answer looks again, after the loop has, for a bounded time.
    void chooseWhenAsked(const std::string& file, bool boxExpected) {
        chooseWhenAsked(file, boxExpected, std::chrono::steady_clock::now() + kBoxWithin);
    }
    void chooseWhenAsked(const std::string& file, bool boxExpected, std::chrono::steady_clock::time_point deadline) {
        driver_.automation().postAfterALook([this, file, boxExpected, deadline] {
            if (driver_.automation().fileChooser()) {
                driver_.automation().answerFileChooser(file);
                if (boxExpected) driver_.answerMessageBoxes(std::chrono::steady_clock::now() + kBoxWithin);
            } else if (std::chrono::steady_clock::now() < deadline) {
                chooseWhenAsked(file, boxExpected, deadline);
            } else {
                ADD_FAILURE() << "no file chooser came up";
            }
        });
    }

    // What the command-line tool lists for the default event by the method in `file`.
    static std::vector<std::string> toolListing(const std::string& file) {
        const std::string option = "--method-file=" + file;
        const ToolRun run = RunTool({option.c_str()});
        EXPECT_EQ(run.status, 0) << run.err;
        std::vector<std::string> lines;
        std::istringstream in(run.out);
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }

    std::string methods_;
};

bool apart(const Rect& a, const Rect& b) {
    return a.right <= b.left || b.right <= a.left || a.bottom <= b.top || b.bottom <= a.top;
}

// With none, one or ten methods installed, no two controls overlap and every one is inside the
// dialog: in the template's dialog units, and where the backend put them.
TEST_F(DialogMethodsTest, NoTwoControlsOverlapWithNoneOneOrTenMethods) {
    for (const int count : {0, 1, 10}) {
        SCOPED_TRACE(std::to_string(count) + " methods");
        fs::remove_all(methods_);
        InstallTestMethods(count);
        run([&] {
            const DialogTemplate& t = VantryDlgInspection::layout(dialog_);
            ASSERT_EQ(t.controls.size(),
                      vantry::app::MainDialogTemplate().controls.size() + 1 + static_cast<std::size_t>(count));
            const Rect client = driver_.control(0).bounds;
            std::vector<Rect> placed;
            for (std::size_t i = 0; i < t.controls.size(); ++i) {
                const ControlTemplate& a = t.controls[i];
                EXPECT_LE(a.x + a.width, t.width) << i;
                EXPECT_LE(a.y + a.height, t.height) << i;
                for (std::size_t j = i + 1; j < t.controls.size(); ++j) {
                    const ControlTemplate& b = t.controls[j];
                    EXPECT_TRUE(
                        apart({a.x, a.y, a.x + a.width, a.y + a.height}, {b.x, b.y, b.x + b.width, b.y + b.height}))
                        << "template controls " << i << " and " << j;
                }
                if (a.id == Id::Static) continue;  // statics have no id to find them by
                const ControlState state = driver_.control(a.id);
                ASSERT_TRUE(state.exists) << a.id;
                EXPECT_LE(state.bounds.right, client.right) << a.id;
                EXPECT_LE(state.bounds.bottom, client.bottom) << a.id;
                for (const Rect& other : placed) EXPECT_TRUE(apart(state.bounds, other)) << "control " << a.id;
                placed.push_back(state.bounds);
            }
        });
    }
}

// A method chosen from its box lists, line for line, what the command-line tool lists from its
// file; choosing a built-in method again takes the box back.
TEST_F(DialogMethodsTest, AnOwnMethodChosenListsWhatTheToolLists) {
    const fs::path file = fs::path(methods_) / "sandhill.toml";
    writeFile(file, methodText("Sandhill 4D"));
    run([&] {
        ASSERT_TRUE(driver_.control(Id::OwnMethodFirst).exists);
        EXPECT_EQ(driver_.control(Id::OwnMethodFirst).text, "Sandhill 4D");
        driver_.click(Id::OwnMethodFirst);
        driver_.pump();
        EXPECT_TRUE(driver_.control(Id::OwnMethodFirst).checked);
        EXPECT_EQ(methodChecks(), (std::vector<bool>{false, false, false}));
        calculate();
        EXPECT_EQ(listLines(), toolListing(file.string()));
        driver_.click(Id::IbraMethod);
        driver_.pump();
        EXPECT_FALSE(driver_.control(Id::OwnMethodFirst).checked);
        EXPECT_EQ(state().ownMethod, -1);
    });
}

// The whole round in the methods window: a method started from a built-in one under a name
// (a taken name asked again), edited with a mistake that is told and then mended, one put away;
// back in the dialog, the new method is offered and pays as the tool does.
TEST_F(DialogMethodsTest, StartEditImportAndRemoveThenCalculate) {
    const fs::path folder(methods_);
    const fs::path started = folder / "sandhill-4d.toml";
    const fs::path other = folder / "friend-series.toml";
    writeFile(other, methodText("Friend Series"));

    // The editor stand-in types what a producer would: first a mistake, then the mend.
    std::vector<std::string> edits = {"name = \"Sandhill 4D\"\nmoney = \"pesos\"\n", methodText("Sandhill 4D")};
    std::vector<std::string> opened;
    std::string folderViewer;
    dialog_.setViewerRunner([&](const vantry::platform::ViewerCommand& command) {
        opened.push_back(fs::path(command.arguments.back()).filename().string());
        if (fs::is_directory(command.arguments.back())) {  // the folder, shown in the file manager
            folderViewer = command.arguments.front();
            return std::string();
        }
        const fs::path file = fs::path(command.folder) / command.arguments.back();
        if (!edits.empty()) {
            writeFile(file, edits.front());
            edits.erase(edits.begin());
        }
        return std::string();
    });

    run([&] {
        EXPECT_EQ(driver_.control(Id::OwnMethodFirst).text, "Friend Series");
        EXPECT_FALSE(driver_.automation().readControl(Id::OwnMethodFirst + 1).exists);
        inMethodsWindow([&] {
            EXPECT_NE(driver_.control(Mid::Folder).text.find(methods_), std::string::npos);
            driver_.automation().selectItem(Mid::MethodList, 2);  // NBHA 4D, built in; then friend-series.toml
            driver_.type(Mid::NewName, "Sandhill 4D");
            driver_.click(Mid::StartFrom);
            driver_.pump();  // no box comes: what the click left waiting for one goes
            ASSERT_TRUE(fs::exists(started));
            const std::string first = readFile(started);
            EXPECT_TRUE(vantry::methods::ReadMethodText(first).valid());

            driver_.automation().selectItem(Mid::MethodList, 0);
            driver_.type(Mid::NewName, "sandhill 4d");  // taken, in any case: asked again
            driver_.click(Mid::StartFrom);
            ASSERT_EQ(driver_.messageBoxes().size(), 1u);
            EXPECT_NE(driver_.messageBoxes().back().find("is the name of"), std::string::npos);
            EXPECT_EQ(readFile(started), first) << "nothing was written over";

            driver_.automation().selectItem(Mid::MethodList, 4);  // the new one
            driver_.click(Mid::Edit);
            ASSERT_EQ(driver_.messageBoxes().size(), 2u);
            EXPECT_NE(driver_.messageBoxes().back().find("line 2: "), std::string::npos)
                << driver_.messageBoxes().back();
            EXPECT_EQ(readFile(started), "name = \"Sandhill 4D\"\nmoney = \"pesos\"\n") << "what was typed stays";
            driver_.automation().selectItem(Mid::MethodList, 4);
            driver_.click(Mid::Edit);
            driver_.pump();
            EXPECT_EQ(driver_.messageBoxes().size(), 2u) << "the mended file reads well";

            // Put away, after a No and then a Yes.
            driver_.automation().selectItem(Mid::MethodList, 3);  // friend-series.toml sorts first
            driver_.answerQuestionsWith(false);
            driver_.click(Mid::Remove);
            EXPECT_TRUE(fs::exists(folder / "friend-series.toml"));
            driver_.answerQuestionsWith(true);
            driver_.click(Mid::Remove);
            EXPECT_FALSE(fs::exists(folder / "friend-series.toml"));
            EXPECT_EQ(readFile(folder / "friend-series.toml.removed"), methodText("Friend Series"));
            EXPECT_EQ(driver_.messageBoxes().size(), 4u) << ::testing::PrintToString(driver_.messageBoxes());
            // Undone, and put away again.
            driver_.click(Mid::UndoRemove);
            driver_.pump();
            EXPECT_EQ(driver_.messageBoxes().size(), 4u) << "Undo Remove asks nothing";
            EXPECT_EQ(readFile(folder / "friend-series.toml"), methodText("Friend Series"));
            EXPECT_FALSE(fs::exists(folder / "friend-series.toml.removed"));
            driver_.automation().selectItem(Mid::MethodList, 3);
            driver_.click(Mid::Remove);
            EXPECT_FALSE(fs::exists(folder / "friend-series.toml"));
            EXPECT_EQ(driver_.messageBoxes().size(), 5u) << ::testing::PrintToString(driver_.messageBoxes());

            driver_.click(Mid::OpenFolder);
            driver_.pump();
        });
        EXPECT_EQ(opened, (std::vector<std::string>{"sandhill-4d.toml", "sandhill-4d.toml", "methods"}));
#ifdef _WIN32
        EXPECT_EQ(folderViewer, "explorer");
#else
        EXPECT_EQ(folderViewer, "xdg-open");
#endif

        ASSERT_EQ(driver_.control(Id::OwnMethodFirst).text, "Sandhill 4D");
        EXPECT_FALSE(driver_.automation().readControl(Id::OwnMethodFirst + 1).exists);
        driver_.click(Id::OwnMethodFirst);
        calculate();
        EXPECT_EQ(listLines(), toolListing(started.string()));
    });
}

// Through the platform's own file chooser: a broken file is refused with its problems and
// nothing is copied; a good one is copied byte for byte and offered.
TEST_F(DialogMethodsTest, ImportRefusesABrokenFileAndCopiesAGoodOne) {
    const fs::path folder(methods_);
    const fs::path goodSource = folder_ / "from-a-friend.toml";
    const fs::path brokenSource = folder_ / "broken.toml";
    writeFile(goodSource, methodText("Friend Series"));
    writeFile(brokenSource, "name = \"Broken\"\nmoney = \"pesos\"\n");
    run([&] {
        inMethodsWindow([&] {
            chooseWhenAsked(brokenSource.string(), true);
            driver_.click(Mid::Import);
            ASSERT_EQ(driver_.messageBoxes().size(), 1u);
            EXPECT_NE(driver_.messageBoxes().back().find("line 2: "), std::string::npos)
                << driver_.messageBoxes().back();
            EXPECT_TRUE(vantry::methods::MethodFileNames(methods_).empty()) << "nothing was copied";

            chooseWhenAsked(goodSource.string(), false);
            driver_.click(Mid::Import);
            EXPECT_EQ(driver_.messageBoxes().size(), 1u);
            EXPECT_EQ(readFile(folder / "friend-series.toml"), readFile(goodSource)) << "copied byte for byte";
        });
        EXPECT_EQ(driver_.control(Id::OwnMethodFirst).text, "Friend Series");
    });
}

// A chosen method whose file is put away is no longer chosen, and the producer is told which
// method pays now; a dialog run again starts from the usual method.
TEST_F(DialogMethodsTest, AChosenMethodThatGoesIsSaidAndTheUsualMethodComesBack) {
    writeFile(fs::path(methods_) / "sandhill.toml", methodText("Sandhill 4D"));
    run([&] {
        driver_.click(Id::OwnMethodFirst);
        driver_.pump();
        ASSERT_EQ(state().ownMethod, 0);
        inMethodsWindow([&] {
            driver_.automation().selectItem(Mid::MethodList, 3);
            driver_.click(Mid::Remove);                                                 // answered Yes
            driver_.answerMessageBoxes(std::chrono::steady_clock::now() + kBoxWithin);  // the box that follows
        });
        ASSERT_EQ(driver_.messageBoxes().size(), 2u);
        EXPECT_NE(driver_.messageBoxes().back().find("\"Sandhill 4D\" is no longer offered"), std::string::npos)
            << driver_.messageBoxes().back();
        EXPECT_EQ(state().ownMethod, -1);
        EXPECT_EQ(methodChecks(), (std::vector<bool>{false, false, true}));
        EXPECT_FALSE(driver_.automation().readControl(Id::OwnMethodFirst).exists);
    });

    writeFile(fs::path(methods_) / "sandhill.toml", methodText("Sandhill 4D"));
    run([&] { driver_.click(Id::OwnMethodFirst); });
    ASSERT_EQ(state().ownMethod, 0);
    run([&] {
        EXPECT_EQ(state().ownMethod, -1) << "a new run starts from the usual method";
        EXPECT_EQ(methodChecks(), (std::vector<bool>{false, false, true}));
        EXPECT_FALSE(driver_.control(Id::OwnMethodFirst).checked);
    });
}

// A methods folder that is there but cannot be read hides every method: the methods window says
// so beside the folder, rather than showing an empty folder.
TEST_F(DialogMethodsTest, AFolderThatCannotBeReadIsSaidSo) {
    writeFile(methods_, "not a folder");
    run([&] {
        inMethodsWindow([&] {
            EXPECT_NE(driver_.control(Mid::Folder).text.find("(cannot be read: Not a directory)"), std::string::npos)
                << driver_.control(Mid::Folder).text;
        });
    });
}

}  // namespace
