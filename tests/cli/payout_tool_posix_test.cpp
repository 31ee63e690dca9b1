// What only a POSIX system can do to the tool: FIFOs, broken pipes, and the desktop's xdg-open.
#include <signal.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/payout_tool.h"
#include "cli/standard_streams.h"
#include "platform/viewer.h"
#include "tests/common/scratch_folder.h"
#include "tests/common/tool_run.h"

namespace {

using vantry::cli::RunPayoutTool;

// Runs the tool with the real editor hand-off.
ToolRun run(std::vector<const char*> args) { return RunTool(args); }

// xdg-open stood in for by a script that notes where it was started and with what.
class FakeXdgOpen : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string script = bin_.file("xdg-open");
        std::ofstream(script) << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\" >> '" << log() << "'; done\n";
        chmod(script.c_str(), 0755);
        const char* path = std::getenv("PATH");
        previousPath_ = path ? path : "";
        setenv("PATH", (bin_.path().string() + ":" + previousPath_).c_str(), 1);
    }
    void TearDown() override { setenv("PATH", previousPath_.c_str(), 1); }

    std::string log() const { return bin_.file("log"); }
    std::string logged() const {
        std::ifstream in(log());
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    ScratchFolder bin_{"bin"};
    ScratchFolder reports_{"reports"};

private:
    std::string previousPath_;
};

TEST_F(FakeXdgOpen, NamesThatLookLikeAddressesReachItWhole) {
    for (const char* name : {"mailto:x@y", "http:x.txt", "notes:v2.txt", "-n.txt"}) {
        const std::string file = reports_.file(name);
        const std::string option = "--report=" + file;
        std::remove(log().c_str());
        const ToolRun r = run({option.c_str(), "--open"});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(logged(), file + "\n") << name;
    }
}

TEST_F(FakeXdgOpen, ItOpensTheFileWrittenWhenTheNameGoesUpThroughALink) {
    // reports/link -> reports/other/dir, so link/../r.txt is reports/other/r.txt, not reports/r.txt.
    std::filesystem::create_directories(reports_.path() / "other" / "dir");
    std::filesystem::create_directory_symlink(reports_.path() / "other" / "dir", reports_.path() / "link");
    const std::string option = "--report=" + reports_.file("link") + "/../r.txt";
    const ToolRun r = run({option.c_str(), "--open"});
    EXPECT_EQ(r.status, 0) << r.err;
    const std::string opened = logged().substr(0, logged().size() - 1);
    EXPECT_TRUE(std::filesystem::equivalent(opened, reports_.path() / "other" / "r.txt")) << opened;
    EXPECT_FALSE(std::filesystem::exists(reports_.path() / "r.txt"));
}

TEST_F(FakeXdgOpen, TheDialogsHandOffStartsItInTheReportsFolder) {
    std::ofstream(bin_.file("xdg-open")) << "#!/bin/sh\npwd -P >> '" << log() << "'\nprintf '%s\\n' \"$@\" >> '"
                                         << log() << "'\n";
    const std::string folder = reports_.path().string();
    EXPECT_EQ(vantry::platform::RunViewer(vantry::platform::ViewerCommandFor("report.txt", folder)), "");
    EXPECT_EQ(logged(), std::filesystem::canonical(folder).string() + "\nreport.txt\n");
}

// A signal that interrupts the wait (a timer, a resize, a child of another part of the program)
// must not be taken for the editor's end: its status is still waited for and told.
TEST_F(FakeXdgOpen, ASignalDuringTheWaitDoesNotLoseTheEditorsStatus) {
    std::ofstream(bin_.file("xdg-open")) << "#!/bin/sh\nsleep 0.4\nexit 3\n";
    struct sigaction interrupting {
    }, previous{};
    interrupting.sa_handler = [](int) {};
    interrupting.sa_flags = 0;  // no SA_RESTART: the wait returns EINTR
    ASSERT_EQ(sigaction(SIGALRM, &interrupting, &previous), 0);
    itimerval every50ms{{0, 50000}, {0, 50000}};
    ASSERT_EQ(setitimer(ITIMER_REAL, &every50ms, nullptr), 0);
    const std::string told = vantry::platform::RunViewer(vantry::platform::ViewerCommandFor(reports_.file("r.txt")));
    itimerval stop{};
    setitimer(ITIMER_REAL, &stop, nullptr);
    sigaction(SIGALRM, &previous, nullptr);
    EXPECT_EQ(told, "xdg-open failed (exit status 3)");
}

TEST_F(FakeXdgOpen, ItsFailureIsTheToolsFailure) {
    std::ofstream(bin_.file("xdg-open")) << "#!/bin/sh\nexit 4\n";
    const std::string option = "--report=" + reports_.file("r.txt");
    const ToolRun r = run({option.c_str(), "--open"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "vantry-payout: cannot open the report: xdg-open failed (exit status 4)\n");
}

TEST_F(FakeXdgOpen, ARelativeNameBecomesTheWrittenFilesAbsolutePath) {
    const vantry::platform::ViewerCommand command = vantry::platform::ViewerCommandForUserFile("mailto:x@y");
    char here[4096];
    ASSERT_NE(getcwd(here, sizeof here), nullptr);
    EXPECT_EQ(command.arguments, (std::vector<std::string>{"xdg-open", std::string(here) + "/mailto:x@y"}));
}

// "a/./b" is tidied; a name that goes up ("..") is handed on as written, since the system goes
// up from where a link points and the tidy name could be another file.
TEST_F(FakeXdgOpen, ANameThatGoesUpIsHandedOnAsWritten) {
    char here[4096];
    ASSERT_NE(getcwd(here, sizeof here), nullptr);
    const struct {
        const char* given;
        std::string handed;
    } cases[] = {
        {"a/./b.txt", std::string(here) + "/a/b.txt"},
        {"a/../b.txt", std::string(here) + "/a/../b.txt"},
        {"/tmp//x/./r.txt", "/tmp/x/r.txt"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(vantry::platform::ViewerCommandForUserFile(c.given).arguments.back(), c.handed) << c.given;
}

TEST(PayoutToolPosix, MissingXdgOpenIsToldInOneLine) {
    const ScratchFolder empty("nobin");
    const ScratchFolder reports("reports");
    const char* path = std::getenv("PATH");
    const std::string previous = path ? path : "";
    setenv("PATH", empty.path().c_str(), 1);
    const std::string option = "--report=" + reports.file("r.txt");
    const ToolRun r = run({option.c_str(), "--open"});
    setenv("PATH", previous.c_str(), 1);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "vantry-payout: cannot open the report: xdg-open is not installed\n");
}

TEST(PayoutToolPosix, AFifoIsRefusedAtOnceAndNothingIsPrinted) {
    const ScratchFolder folder("fifo");
    const std::string fifo = folder.file("report.txt");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string option = "--report=" + fifo;
    const ToolRun r = run({option.c_str()});  // opening it to write would wait for a reader for ever
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "vantry-payout: cannot write the report " + fifo + ": not a regular file\n");
    EXPECT_EQ(r.out, "");
}

TEST(PayoutToolPosix, AReaderThatGoesAwayIsAnOrdinaryWriteFailure) {
    vantry::cli::PrepareStandardStreams();  // as main() does; else SIGPIPE would end this test
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    close(ends[0]);
    std::FILE* out = fdopen(ends[1], "w");
    std::FILE* err = std::tmpfile();
    const char* const args[] = {"--places=30"};
    EXPECT_EQ(RunPayoutTool(1, args, out, err), 1);
    std::fclose(out);
    EXPECT_EQ(ReadAllAndClose(err), "vantry-payout: cannot write the listing: Broken pipe\n");
}

}  // namespace
