// What only the Windows file system can show of the report file.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "report_writer.h"
#include "scratch_folder.h"

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

}  // namespace
