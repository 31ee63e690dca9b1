#include "report_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace vantry::report;

namespace {

namespace fs = std::filesystem;

#ifdef _WIN32
constexpr bool kWindows = true;
constexpr const char* kLineEnd = "\r\n";
#else
constexpr bool kWindows = false;
constexpr const char* kLineEnd = "\n";
#endif

const std::string kTitlePage1 =
    std::string(27, ' ') + "Quorvath Payout Calculator" + std::string(18, ' ') + "Page 1  ";

class ReportWriterTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("vantry-report-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const char* name = "report.txt") const { return (dir_ / name).string(); }

    // Read in text mode, as an editor would: the platform's line ends come back as "\n".
    static std::string read(const std::string& file, std::ios::openmode mode = std::ios::in) {
        std::ifstream in(file, mode);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    // Writes and returns the file's bytes; the viewer must have been asked exactly once.
    std::string write(const std::vector<std::string>& lines, std::string_view notice = kOwnerNotice) {
        std::vector<std::string> commands;
        const ReportOutcome outcome =
            WriteReport(lines, path(), [&](const std::string& c) { commands.push_back(c); }, notice);
        EXPECT_TRUE(outcome.written) << outcome.error;
        EXPECT_EQ(commands, std::vector<std::string>{ViewerCommandFor(path())});
        return read(path());
    }

    static std::vector<std::string> numbered(int count) {
        std::vector<std::string> lines;
        for (int i = 1; i <= count; ++i) lines.push_back("line " + std::to_string(i));
        return lines;
    }

    // The file split at form feeds: one string per page.
    static std::vector<std::string> pages(const std::string& text) {
        std::vector<std::string> result;
        std::stringstream in(text);
        std::string page;
        while (std::getline(in, page, '\f')) result.push_back(page);
        return result;
    }

    static std::string header(int page, std::string_view notice = kOwnerNotice) {
        std::string title = std::string(27, ' ') + "Quorvath Payout Calculator" + std::string(18, ' ') + "Page " +
                            std::to_string(page);
        title.resize(79, ' ');
        std::string noticeLine(79, ' ');
        const std::size_t n = std::min<std::size_t>(notice.size(), 80);
        const std::size_t start = (80 - n) / 2;
        for (std::size_t i = 0; i < n && start + i < 79; ++i) noticeLine[start + i] = notice[i];
        return title + "\n" + noticeLine + "\n\n";
    }

    static std::string body(int from, int to) {
        std::string text;
        for (int i = from; i <= to; ++i) text += "line " + std::to_string(i) + "\n";
        return text;
    }

    fs::path dir_;
};

TEST_F(ReportWriterTest, EmptyListingIsOneHeaderAndAFinalNewline) {
    const std::string text = write({});
    EXPECT_EQ(text, header(1) + "\n");
    EXPECT_EQ(text.substr(0, 80), kTitlePage1 + "\n");
}

TEST_F(ReportWriterTest, PagesHold51BodyLines) {
    struct Case { int lines; std::vector<std::string> pages; };
    const Case cases[] = {
        {1, {header(1) + body(1, 1) + "\n"}},
        {51, {header(1) + body(1, 51), header(2) + "\n"}},
        {52, {header(1) + body(1, 51), header(2) + body(52, 52) + "\n"}},
        {120, {header(1) + body(1, 51), header(2) + body(52, 102), header(3) + body(103, 120) + "\n"}},
    };
    for (const Case& c : cases) EXPECT_EQ(pages(write(numbered(c.lines))), c.pages) << c.lines << " lines";
}

TEST_F(ReportWriterTest, HeaderLinesAreExactly79Characters) {
    const std::string notice80(80, 'N');
    const std::string notice79(79, 'M');
    const std::string notice61(61, 'L');
    struct Case { std::string notice; std::string line; };
    const Case cases[] = {
        {notice80, std::string(79, 'N')},
        {notice79, notice79},
        {notice61, std::string(9, ' ') + notice61 + std::string(9, ' ')},
        {"", std::string(79, ' ')},
        {std::string(200, 'X'), std::string(79, 'X')},
    };
    for (const Case& c : cases) {
        const std::string text = write({"body"}, c.notice);
        EXPECT_EQ(text.substr(80, 80), c.line + "\n") << c.notice.size() << " characters";
    }
}

TEST_F(ReportWriterTest, LongBodyLinesAreWrittenWhole) {
    const std::string longLine(200, '7');
    EXPECT_EQ(write({longLine}), header(1) + longLine + "\n\n");
}

TEST_F(ReportWriterTest, PageNumbersOfFourDigitsKeepTheirFirstThree) {
    const std::string text = write(numbered(999 * kBodyLinesPerPage));
    const std::size_t last = text.rfind('\f');
    ASSERT_NE(last, std::string::npos);
    EXPECT_EQ(text.substr(last + 1 + 71, 9), "Page 100\n");
}

TEST_F(ReportWriterTest, SecondReportReplacesTheFirst) {
    write(numbered(120));
    EXPECT_EQ(write({"only"}), header(1) + "only\n\n");
}

TEST_F(ReportWriterTest, ViewerRunsOnlyAfterTheFileIsComplete) {
    std::string seen;
    WriteReport(numbered(3), path(), [&](const std::string&) { seen = read(path()); });
    EXPECT_EQ(seen, header(1) + body(1, 3) + "\n");
}

TEST_F(ReportWriterTest, FailuresAreReportedAndTheViewerIsNotRun) {
    fs::create_directories(dir_ / "folder");
    struct Case { std::string file; std::string error; };
    const Case cases[] = {
        {path("missing/report.txt"), path("missing/report.txt") + ": No such file or directory"},
        {path("folder"), path("folder") + (kWindows ? ": Permission denied" : ": Is a directory")},
        {"/dev/full", "/dev/full: No space left on device"},
    };
    for (const Case& c : cases) {
        if (c.file == "/dev/full" && !fs::exists("/dev/full")) continue;
        bool viewerRan = false;
        const ReportOutcome outcome =
            WriteReport(numbered(120), c.file, [&](const std::string&) { viewerRan = true; });
        EXPECT_FALSE(outcome.written) << c.file;
        EXPECT_EQ(outcome.error, c.error);
        EXPECT_FALSE(viewerRan) << c.file;
    }
}

TEST_F(ReportWriterTest, LinesEndAsThePlatformEndsTextLines) {
    write({"one", "two"});
    const std::string bytes = read(path(), std::ios::in | std::ios::binary);
    const std::string ending = std::string("two") + kLineEnd + kLineEnd;
    ASSERT_GT(bytes.size(), ending.size());
    EXPECT_EQ(bytes.substr(bytes.size() - ending.size()), ending);
    EXPECT_EQ(bytes.substr(79, std::string(kLineEnd).size()), kLineEnd);
}

TEST(ViewerCommand, NamesReachTheCommandProcessorAsOneWord) {
    struct Case { const char* path; const char* command; };
#ifdef _WIN32
    const Case cases[] = {
        {"report.txt", "notepad report.txt"},
        {"C:\\out\\r-1.txt", "notepad C:\\out\\r-1.txt"},
        {"my report.txt", "notepad \"my report.txt\""},
        {"a&del x", "notepad \"a&del x\""},
    };
#else
    const Case cases[] = {
        {"report.txt", "xdg-open report.txt"},
        {"/tmp/out/r-1.txt", "xdg-open /tmp/out/r-1.txt"},
        {"my report.txt", "xdg-open 'my report.txt'"},
        {"a;rm -rf x", "xdg-open 'a;rm -rf x'"},
        {"it's.txt", "xdg-open 'it'\\''s.txt'"},
        {"-n.txt", "xdg-open './-n.txt'"},
        {"$(id)", "xdg-open '$(id)'"},
    };
#endif
    for (const Case& c : cases) EXPECT_EQ(ViewerCommandFor(c.path), c.command);
}

}  // namespace
