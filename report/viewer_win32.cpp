#include <windows.h>

#include "ansi_text_win32.h"
#include "viewer.h"

namespace vantry::report {

namespace {

constexpr const char* kViewer = "notepad";

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

}  // namespace

std::string ViewerCommand::text() const {
    std::string line;
    for (const std::string& argument : arguments) line += (line.empty() ? "" : " ") + commandLineWord(argument);
    return line;
}

ViewerCommand ViewerCommandFor(const std::string& file, const std::string& folder) {
    return {{kViewer, file}, folder};
}

// Notepad takes a name as given, relative to the folder both programs share.
ViewerCommand ViewerCommandForUserFile(const std::string& path) { return ViewerCommandFor(path); }

std::string RunViewer(const ViewerCommand& command) {
    if (command.arguments.empty()) return "no editor to start";
    // CreateProcessW, not the command processor: "%OS%", "^" or "&" in a name reach the editor as
    // they are.
    std::wstring line = detail::Wide(command.text());
    const std::wstring folder = detail::Wide(command.folder);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            return command.arguments[0] + " is not installed";
        return command.arguments[0] + " could not be started (error " + std::to_string(error) + ")";
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return "";
}

}  // namespace vantry::report
