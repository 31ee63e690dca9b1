// The report file on a POSIX system: links, FIFOs, and a disk that fills up.
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "report/report_writer.h"
#include "tests/common/scratch_folder.h"

namespace {

namespace fs = std::filesystem;
using namespace vantry::report;

std::string read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> numbered(int count) {
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i) lines.push_back("line " + std::to_string(i));
    return lines;
}

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(ReportFile, AFailedWriteLeavesThePreviousReportAsItWas) {
    const ScratchFolder folder("full");
    const std::string path = folder.file("report.txt");
    ASSERT_TRUE(WriteReport(numbered(3), path).written);
    const std::string before = read(path);

    // A disk that fills up after 2,000 bytes, in a child process of its own.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{2000, 2000};
        setrlimit(RLIMIT_FSIZE, &limit);
        const ReportOutcome outcome = WriteReport(numbered(500), path);
        _exit(!outcome.written && outcome.error.find("File too large") != std::string::npos ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the write did not fail as it should";
    EXPECT_EQ(read(path), before);
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"report.txt"});  // no scratch file left
}

// The descriptors this process has open, by number (the listing's own among them, the same each time).
std::vector<std::string> openDescriptors() { return namesIn("/proc/self/fd"); }

TEST(ReportFile, AFailedWriteLeavesNoFileOpen) {
    // The disk fills up while the lines are written (500 lines), or only when the last of them
    // reach it (3 lines, still in the stream's buffer): in this process, for as long as the write.
    struct Case {
        rlim_t room;
        int lines;
    };
    for (const Case c : {Case{2000, 500}, Case{100, 3}}) {
        const ScratchFolder folder("leak");
        const std::string path = folder.file("report.txt");
        const std::vector<std::string> before = openDescriptors();
        rlimit previous{};
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
        const auto previousSignal = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{c.room, previous.rlim_max};
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
        const ReportOutcome outcome = WriteReport(numbered(c.lines), path);
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousSignal);
        EXPECT_FALSE(outcome.written) << c.lines << " lines";
        EXPECT_EQ(openDescriptors(), before) << c.lines << " lines";
        EXPECT_TRUE(namesIn(folder.path()).empty()) << c.lines << " lines";
    }
}

TEST(ReportFile, IsWrittenWhenStandardInputIsClosed) {
    // A program started with its standard input closed: the scratch file gets descriptor 0.
    const ScratchFolder folder("stdin");
    const std::string path = folder.file("report.txt");
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(0);
        const ReportOutcome outcome = WriteReport(numbered(3), path);
        _exit(outcome.written ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the report was not written";
    EXPECT_NE(read(path).find("\nline 3\n"), std::string::npos);
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"report.txt"});  // no scratch file left
}

TEST(ReportFile, ALinkIsFollowedAndTheFileItLeadsToReplaced) {
    const ScratchFolder folder("link");
    fs::create_directory(folder.path() / "reports");
    const fs::path target = folder.path() / "reports" / "march.txt";
    std::ofstream(target) << "old";
    fs::create_symlink("reports/march.txt", folder.path() / "report.txt");
    ASSERT_TRUE(WriteReport({"new"}, folder.file("report.txt")).written);
    EXPECT_TRUE(fs::is_symlink(folder.path() / "report.txt"));
    EXPECT_NE(read(target).find("\nnew\n"), std::string::npos);
    EXPECT_EQ(namesIn(folder.path() / "reports"), std::vector<std::string>{"march.txt"});
}

TEST(ReportFile, AChainOfFortyLinksIsFollowedAndOneOfFortyOneRefused) {
    // As the kernel follows at most 40 links in a row.
    for (const int links : {40, 41}) {
        const ScratchFolder folder("chain");
        std::ofstream(folder.path() / "end.txt") << "old";
        std::string next = "end.txt";
        for (int i = links; i > 1; --i) {
            const std::string name = "link" + std::to_string(i);
            fs::create_symlink(next, folder.path() / name);
            next = name;
        }
        fs::create_symlink(next, folder.path() / "report.txt");
        const ReportOutcome outcome = WriteReport({"new"}, folder.file("report.txt"));
        if (links == 40) {
            EXPECT_TRUE(outcome.written) << outcome.error;
            EXPECT_NE(read(folder.path() / "end.txt").find("\nnew\n"), std::string::npos);
        } else {
            EXPECT_FALSE(outcome.written);
            EXPECT_EQ(outcome.error, folder.file("report.txt") + ": Too many levels of symbolic links");
        }
    }
}

TEST(ReportFile, AReplacedReportKeepsItsPermissions) {
    const ScratchFolder folder("mode");
    const std::string path = folder.file("report.txt");
    std::ofstream(path) << "old";
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(WriteReport({"new"}, path).written);
    struct stat file {};
    ASSERT_EQ(stat(path.c_str(), &file), 0);
    EXPECT_EQ(file.st_mode & 07777, 0640u);
}

TEST(ReportFile, TheLongestNameTheFolderAllowsIsReplaced) {
    const ScratchFolder folder("long");
    const std::string path = folder.file(std::string(255, 'r'));
    std::ofstream(path) << "old";
    const ReportOutcome outcome = WriteReport({"new"}, path);
    EXPECT_TRUE(outcome.written) << outcome.error;
    EXPECT_NE(read(path).find("\nnew\n"), std::string::npos);
}

TEST(ReportFile, AReadOnlyReportIsKeptAndTheFailureTold) {
    // The report is its owner's, made read-only, in a folder anyone may write to. The superuser
    // may write any file: run as root, the write is tried by an ordinary user (nobody).
    const ScratchFolder folder("readonly");
    ASSERT_EQ(chmod(folder.path().c_str(), 0777), 0);
    const std::string path = folder.file("report.txt");
    std::ofstream(path) << "kept";
    const uid_t nobody = 65534;
    const bool asNobody = geteuid() == 0;
    if (asNobody) {
        ASSERT_EQ(chown(path.c_str(), nobody, nobody), 0);
    }
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (asNobody && (setgid(nobody) != 0 || setuid(nobody) != 0)) _exit(2);
        const ReportOutcome outcome = WriteReport({"new"}, path);
        _exit(!outcome.written && outcome.error == path + ": Permission denied" ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the read-only report was not refused as it should";
    EXPECT_EQ(read(path), "kept");
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"report.txt"});
}

TEST(ReportFile, FifosAndDevicesAreRefusedWithoutBeingOpened) {
    const ScratchFolder folder("fifo");
    const std::string fifo = folder.file("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {fifo, std::string("/dev/null")}) {
        const ReportOutcome outcome = WriteReport({"x"}, path);
        EXPECT_FALSE(outcome.written);
        EXPECT_EQ(outcome.error, path + ": not a regular file");
    }
}

}  // namespace
