#include <windows.h>

#include <vector>

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

// The editor's full path, found where Windows itself would look for it (the folder of this
// program, then the system's folders) but never in the current folder: a notepad.exe left in
// the folder a person works in, such as Downloads, must not be what opens the report. Empty
// when there is none.
std::wstring editorPath(const std::string& name) {
    const std::wstring file = detail::Wide(name) + L".exe";
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

// Whether a message is a person's input: keys and the mouse, on a window or on its frame.
bool isInput(UINT message) {
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) || (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK) || message == WM_INPUT;
}

// This thread's top-level windows that take input now, each disabled until the wait is over.
class DisabledWindows {
public:
    DisabledWindows() {
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND window, LPARAM list) -> BOOL {
                if (IsWindowEnabled(window)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&windows_));
        active_ = GetActiveWindow();
        focus_ = GetFocus();
        for (HWND window : windows_) EnableWindow(window, FALSE);
    }
    // Windows activates another program's window when the editor closes, since these were
    // disabled: the one that was active comes back to the front, with its focus.
    ~DisabledWindows() {
        for (auto window = windows_.rbegin(); window != windows_.rend(); ++window) EnableWindow(*window, TRUE);
        if (active_ != nullptr && IsWindow(active_)) SetForegroundWindow(active_);
        if (focus_ != nullptr && IsWindow(focus_)) SetFocus(focus_);
    }
    DisabledWindows(const DisabledWindows&) = delete;
    DisabledWindows& operator=(const DisabledWindows&) = delete;

private:
    std::vector<HWND> windows_;
    HWND active_ = nullptr;
    HWND focus_ = nullptr;
};

// Waits for the editor as a modal window waits: the program's windows take no input until the
// editor has ended, but every other message is handled, paints included. A wait that handled
// none would leave a dialog uncovered meanwhile unpainted, and after five seconds Windows would
// show it as "(Not Responding)" and offer to end the program.
void waitForEditor(HANDLE process) {
    const DisabledWindows disabled;
    for (;;) {
        const DWORD woken = MsgWaitForMultipleObjects(1, &process, FALSE, INFINITE, QS_ALLINPUT);
        if (woken != WAIT_OBJECT_0 + 1) return;  // the editor has ended (or cannot be waited for)
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {  // the program is ending: the editor goes on alone
                PostQuitMessage(static_cast<int>(message.wParam));  // for the loop that owns it
                return;
            }
            if (isInput(message.message)) continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
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
    const std::wstring editor = editorPath(command.arguments[0]);
    if (editor.empty()) return command.arguments[0] + " is not installed";
    // CreateProcessW, not the command processor: "%OS%", "^" or "&" in a name reach the editor as
    // they are.
    std::wstring line = detail::Wide(command.text());
    const std::wstring folder = detail::Wide(command.folder);
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
    waitForEditor(process.hProcess);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return "";
}

}  // namespace vantry::report
