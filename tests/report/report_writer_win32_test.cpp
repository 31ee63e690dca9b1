// What only the Windows file system can show of the report file.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "report/report_writer.h"
#include "tests/common/scratch_folder.h"
#include "tests/common/skips.h"

using namespace vantry::report;

namespace {

std::string read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Windows would let the new report be moved over a read-only one and leave it writable: the
// report is refused, as on Linux, and the file stays as it was, read-only.
TEST(ReportFileWindows, AReadOnlyReportIsKeptAndTheFailureTold) {
    const ScratchFolder folder("readonly");
    const std::string path = folder.file("report.txt");
    std::ofstream(path) << "kept";
    const std::wstring wide(path.begin(), path.end());
    ASSERT_TRUE(SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_READONLY));

    const ReportOutcome outcome = WriteReport({"new"}, path);
    EXPECT_FALSE(outcome.written);
    EXPECT_EQ(outcome.error, path + ": Permission denied");
    EXPECT_EQ(read(path), "kept");
    EXPECT_NE(GetFileAttributesW(wide.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL);  // so that the folder can be removed
}

// A link is followed: the report replaces the file it leads to, and the link stays a link.
TEST(ReportFileWindows, ALinkIsFollowedToTheFileItLeadsTo) {
    const ScratchFolder folder("link");
    const std::string target = folder.file("kept-elsewhere.txt");
    const std::string link = folder.file("report.txt");
    std::ofstream(target) << "old";
    const std::wstring wideLink(link.begin(), link.end()), wideTarget(target.begin(), target.end());
    ASSERT_TRUE(CreateSymbolicLinkW(wideLink.c_str(), wideTarget.c_str(), 0)) << GetLastError();
    if (GetFileAttributesW(wideLink.c_str()) == INVALID_FILE_ATTRIBUTES)
        VANTRY_SKIP_ON_THIS_PLATFORM("its CreateSymbolicLinkW makes no link (Wine's answers success and makes none)");
    const ReportOutcome outcome = WriteReport({"new"}, link);
    ASSERT_TRUE(outcome.written) << outcome.error;
    EXPECT_NE(read(target).find("new"), std::string::npos) << "the file the link leads to was not replaced";
    EXPECT_NE(GetFileAttributesW(wideLink.c_str()) & FILE_ATTRIBUTE_REPARSE_POINT, 0u) << "the link was replaced";
}

// A report that cannot be moved over its target (another program holds it open without letting
// it be replaced) is not written: the target stays as it was, and no scratch file is left.
TEST(ReportFileWindows, AFailedMoveLeavesTheTargetAsItWas) {
    const ScratchFolder folder("held");
    const std::string path = folder.file("report.txt");
    std::ofstream(path) << "kept";
    const std::wstring wide(path.begin(), path.end());
    HANDLE held = CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const ReportOutcome outcome = WriteReport({"new"}, path);
    CloseHandle(held);
    EXPECT_FALSE(outcome.written);
    EXPECT_EQ(outcome.error, path + ": Permission denied");
    EXPECT_EQ(read(path), "kept");
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path())) ++files;
    EXPECT_EQ(files, 1u) << "a scratch file was left beside the report";
}

// Names travel in the ANSI code page: one with a letter outside ASCII names the same file the
// wide Windows calls see.
TEST(ReportFileWindows, ANameOutsideAsciiIsTheFileOfThatName) {
    const ScratchFolder folder("ansi");
    const std::wstring wideName = L"r\u00E9sultats.txt";
    char narrow[64] = {};
    BOOL lossy = FALSE;
    WideCharToMultiByte(CP_ACP, 0, wideName.c_str(), -1, narrow, sizeof narrow, nullptr, &lossy);
    if (lossy) VANTRY_SKIP_ON_THIS_PLATFORM("the ANSI code page has no \u00E9");
    const std::string path = folder.path().string() + "\\" + narrow;  // as the C runtime hands names over
    const ReportOutcome outcome = WriteReport({"new"}, path);
    ASSERT_TRUE(outcome.written) << outcome.error;
    const std::wstring widePath = folder.path().wstring() + L"\\" + wideName;
    EXPECT_NE(GetFileAttributesW(widePath.c_str()), INVALID_FILE_ATTRIBUTES) << "no file of the wide name";
}

}  // namespace
