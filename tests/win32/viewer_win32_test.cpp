// The editor hand-off on Windows: notepad is started directly, so nothing in a name is expanded.
// A logging notepad.exe, built beside the tests, stands in for the real one.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/payout_tool.h"
#include "tests/common/scratch_folder.h"
#include "tests/common/tool_run.h"

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

TEST(ViewerWin32, AnEditorInTheWorkingFolderIsNeverStarted) {
    // A copy of the stand-in editor planted in the folder the hand-off is made from, under a name
    // found nowhere else: it must not run, and the editor is "not installed".
    const ScratchFolder work("work");
    char self[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, self, MAX_PATH);
    ASSERT_TRUE(length > 0 && length < MAX_PATH);
    const std::string fake = std::filesystem::path(self).parent_path().string() + "\\notepad.exe";
    ASSERT_TRUE(CopyFileA(fake.c_str(), work.file("vantry-planted-editor.exe").c_str(), FALSE));
    SetEnvironmentVariableA("VANTRY_FAKE_VIEWER_LOG", work.file("planted.log").c_str());

    std::string line = "viewer_probe vantry-planted-editor report.txt";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessA(VANTRY_VIEWER_PROBE, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               work.path().string().c_str(), &startup, &process));
    const bool ended = WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0;
    if (!ended) TerminateProcess(process.hProcess, 3);
    DWORD status = 0;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    SetEnvironmentVariableA("VANTRY_FAKE_VIEWER_LOG", nullptr);
    ASSERT_TRUE(ended);
    EXPECT_EQ(status, 1u) << "the hand-off did not answer that the editor is not installed";
    EXPECT_FALSE(std::filesystem::exists(work.file("planted.log"))) << "the planted editor ran";
}

}  // namespace
