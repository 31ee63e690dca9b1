#include <windows.h>

#include "platform/ansi_text_win32.h"
#include "platform/viewer.h"
#include "platform/viewer_platform.h"

namespace vantry::platform {

const char* const detail::kEditorName = "notepad";
const char* const detail::kFolderViewerName = "explorer";
const bool detail::kFolderViewerStatusTells = false;

namespace {

// One argument as a Windows program's start-up code splits its command line: in double quotes
// when it holds a space, a tab or a quote, with the backslashes before a quote doubled.
std::string commandLineWord(const std::string& word) {
    if (!word.empty() && word.find_first_of(" \t\"") == std::string::npos) return word;
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (char c : word) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, '\\');
    return quoted + "\"";
}

// The editor's full path, found where Windows itself would look for it (the folder of this
// program, then the system's folders) but never in the current folder: a notepad.exe left in
// the folder a person works in, such as Downloads, must not be what opens the report. Empty
// when there is none.
std::wstring editorPath(const std::string& name) {
    const std::wstring file = Wide(name) + L".exe";
    wchar_t buffer[MAX_PATH];
    std::wstring folders[3];
    DWORD length = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        folders[0].assign(buffer, length);
        folders[0].resize(folders[0].find_last_of(L"\\/") + 1);
    }
    length = GetSystemDirectoryW(buffer, MAX_PATH);
    if (length > 0 && length < MAX_PATH) folders[1].assign(buffer, length);
    length = GetWindowsDirectoryW(buffer, MAX_PATH);
    if (length > 0 && length < MAX_PATH) folders[2].assign(buffer, length);
    for (std::wstring& folder : folders) {
        if (folder.empty()) continue;
        if (folder.back() != L'\\' && folder.back() != L'/') folder += L'\\';
        const DWORD attributes = GetFileAttributesW((folder + file).c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return folder + file;
    }
    return {};
}

}  // namespace

std::string detail::CommandLine(const ViewerCommand& command) {
    std::string line;
    for (const std::string& argument : command.arguments) line += (line.empty() ? "" : " ") + commandLineWord(argument);
    return line;
}

// Notepad takes a name as given, relative to the folder both programs share.
ViewerCommand ViewerCommandForUserFile(const std::string& path) { return ViewerCommandFor(path); }

std::string RunViewerAndWait(const ViewerCommand& command, const ViewerWait& wait) {
    if (command.arguments.empty()) return "no editor to start";
    const std::wstring editor = editorPath(command.arguments[0]);
    if (editor.empty()) return command.arguments[0] + " is not installed";
    // CreateProcessW, not the command processor: "%OS%", "^" or "&" in a name reach the editor as
    // they are.
    std::wstring line = Wide(detail::CommandLine(command));
    const std::wstring folder = Wide(command.folder);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(editor.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            return command.arguments[0] + " is not installed";
        return command.arguments[0] + " could not be started (error " + std::to_string(error) + ")";
    }
    CloseHandle(process.hThread);
    if (wait) wait([&] { return WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT; });
    else WaitForSingleObject(process.hProcess, INFINITE);
    // A window's wait may end early when the program ends: the editor then goes on alone.
    DWORD status = 0;
    const bool ended = GetExitCodeProcess(process.hProcess, &status) && status != STILL_ACTIVE;
    CloseHandle(process.hProcess);
    if (ended && status != 0 && command.statusTellsFailure)
        return command.arguments[0] + " failed (exit status " + std::to_string(status) + ")";
    return "";
}

}  // namespace vantry::platform
