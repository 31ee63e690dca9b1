// The editor hand-off on Windows: notepad is started directly, so nothing in a name is expanded.
// A logging notepad.exe, built beside the tests, stands in for the real one.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "payout_tool.h"
#include "scratch_folder.h"
#include "tool_run.h"

namespace {

TEST(ViewerWin32, NamesReachNotepadExactlyAsGiven) {
    const ScratchFolder folder("viewer");
    const std::string log = folder.file("notepad.log");
    SetEnvironmentVariableA("VANTRY_FAKE_VIEWER_LOG", log.c_str());
    SetEnvironmentVariableA("OS", "Windows_NT");
    for (const char* name : {"a%OS%b.txt", "x^y.txt", "a&b.txt", "my report (2).txt", "%PATH%"}) {
        const std::string file = folder.file(name);
        const std::string option = "--report=" + file;
        std::remove(log.c_str());
        const ToolRun run = RunTool({option.c_str(), "--open"});
        EXPECT_EQ(run.status, 0) << name;
        EXPECT_EQ(run.err, "");
        std::ifstream in(log);
        std::stringstream logged;
        logged << in.rdbuf();
        EXPECT_EQ(logged.str(), file + "\n") << name;  // one argument, not expanded
    }
    SetEnvironmentVariableA("VANTRY_FAKE_VIEWER_LOG", nullptr);
}

}  // namespace
