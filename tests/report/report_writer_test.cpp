#include "report/report_writer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/common/scratch_folder.h"

using namespace vantry::report;

namespace {

namespace fs = std::filesystem;

// A device, which a report must never be written to: every platform has one.
#if defined(_WIN32)
constexpr const char* kLineEnd = "\r\n";
constexpr const char* kDevice = "NUL";
#elif defined(__EMSCRIPTEN__)
constexpr const char* kLineEnd = "\n";
constexpr const char* kDevice = "/dev/null";  // the page's memory file system has no /dev/full
#else
constexpr const char* kLineEnd = "\n";
constexpr const char* kDevice = "/dev/full";
#endif

const std::string kTitlePage1 = std::string(27, ' ') + "Quorvath Payout Calculator" + std::string(18, ' ') + "Page 1  ";

class ReportWriterTest : public ::testing::Test {
protected:
    std::string path(const char* name = "report.txt") const { return folder_.file(name); }

    // Counts the times the report was handed on to be opened; no editor is started.
    ReportOpener recorder() {
        return [this] {
            ++opened_;
            return std::string();
        };
    }

    // Read in text mode, as an editor would: the platform's line ends come back as "\n".
    static std::string read(const std::string& file, std::ios::openmode mode = std::ios::in) {
        std::ifstream in(file, mode);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    // Writes and returns the file's bytes; the viewer must have been asked exactly once.
    std::string write(const std::vector<std::string>& lines) {
        opened_ = 0;
        const ReportOutcome outcome = WriteReport(lines, path(), recorder());
        EXPECT_TRUE(outcome.written) << outcome.error;
        EXPECT_EQ(opened_, 1);
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

    // A page's three header lines, worked out by hand: the title's 26 characters start in
    // column (80 - 26) / 2 = 27 and the notice's 58 in column (80 - 58) / 2 = 11.
    static std::string header(int page) {
        const std::string title = std::string(27, ' ') + "Quorvath Payout Calculator" + std::string(18, ' ') + "Page ";
        const std::string notice = std::string(11, ' ') + "Copyright (C) 2026 Quorvath Software. All rights reserved." +
                                   std::string(10, ' ');
        return title + std::to_string(page) + "  \n" + notice + "\n\n";
    }

    static std::string body(int from, int to) {
        std::string text;
        for (int i = from; i <= to; ++i) text += "line " + std::to_string(i) + "\n";
        return text;
    }

    ScratchFolder folder_{"report"};
    int opened_ = 0;
};

TEST_F(ReportWriterTest, EmptyListingIsOneHeaderAndAFinalNewline) {
    const std::string text = write({});
    EXPECT_EQ(text, header(1) + "\n");
    EXPECT_EQ(text.substr(0, 80), kTitlePage1 + "\n");
}

TEST_F(ReportWriterTest, PagesHold51BodyLines) {
    struct Case {
        int lines;
        std::vector<std::string> pages;
    };
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
    struct Case {
        std::string notice;
        std::string line;
    };
    const Case cases[] = {
        {notice80, std::string(79, 'N')},
        {notice79, notice79},
        {notice61, std::string(9, ' ') + notice61 + std::string(9, ' ')},
        {"", std::string(79, ' ')},
        {std::string(200, 'X'), std::string(79, 'X')},
    };
    for (const Case& c : cases)
        EXPECT_EQ(vantry::report::detail::CentredHeaderLine(c.notice), c.line) << c.notice.size() << " characters";
}

// A file that takes no write (open for reading, unbuffered so that the first write fails at
// once, on every platform): the pages say they were not written.
TEST_F(ReportWriterTest, PagesThatCannotBeWrittenAreToldSo) {
    std::ofstream(path("read-only.txt")) << "kept\n";
    std::FILE* file = std::fopen(path("read-only.txt").c_str(), "r");
    ASSERT_NE(file, nullptr);
    std::setvbuf(file, nullptr, _IONBF, 0);
    EXPECT_FALSE(WritePages(file, numbered(120)));
    std::fclose(file);
    EXPECT_EQ(read(path("read-only.txt")), "kept\n");
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
    WriteReport(numbered(3), path(), [&] {
        seen = read(path());
        return std::string();
    });
    EXPECT_EQ(seen, header(1) + body(1, 3) + "\n");
}

TEST_F(ReportWriterTest, FailuresAreReportedAndTheViewerIsNotRun) {
    fs::create_directories(folder_.path() / "folder");
    struct Case {
        std::string file;
        std::string error;
        bool refusedBeforeWriting;
    };
    const Case cases[] = {
        {path("missing/report.txt"), path("missing/report.txt") + ": No such file or directory", false},
        {path("folder"), path("folder") + ": not a regular file", true},
        {kDevice, std::string(kDevice) + ": not a regular file", true},
    };
    for (const Case& c : cases) {
        opened_ = 0;
        const ReportOutcome outcome = WriteReport(numbered(120), c.file, recorder());
        EXPECT_FALSE(outcome.written) << c.file;
        EXPECT_EQ(outcome.error, c.error);
        EXPECT_EQ(opened_, 0) << c.file;
        std::string refusal;
        EXPECT_EQ(!CheckReportTarget(c.file, refusal), c.refusedBeforeWriting) << c.file;
        if (c.refusedBeforeWriting) {
            EXPECT_EQ(refusal, c.error);
        }
    }
    EXPECT_TRUE(fs::is_directory(folder_.path() / "folder"));
}

TEST_F(ReportWriterTest, NoScratchFileIsLeftBehind) {
    write(numbered(3));
    WriteReport(numbered(3), path("folder-that-is-not/report.txt"));
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_.path())) names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"report.txt"});
}

TEST_F(ReportWriterTest, EditorThatCannotBeStartedIsToldAfterTheReportIsWritten) {
    const ReportOutcome outcome = WriteReport(numbered(3), path(), [] { return std::string("no editor here"); });
    EXPECT_TRUE(outcome.written);
    EXPECT_EQ(outcome.viewerError, "no editor here");
    EXPECT_EQ(read(path()), header(1) + body(1, 3) + "\n");
}

TEST_F(ReportWriterTest, LinesEndAsThePlatformEndsTextLines) {
    write({"one", "two"});
    const std::string bytes = read(path(), std::ios::in | std::ios::binary);
    const std::string ending = std::string("two") + kLineEnd + kLineEnd;
    ASSERT_GT(bytes.size(), ending.size());
    EXPECT_EQ(bytes.substr(bytes.size() - ending.size()), ending);
    EXPECT_EQ(bytes.substr(79, std::string(kLineEnd).size()), kLineEnd);
}

}  // namespace
