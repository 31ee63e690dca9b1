// Stands in for notepad.exe in the tests: writes each argument it was started with, one a line,
// to the file VANTRY_FAKE_VIEWER_LOG names, then stays open for the seconds that
// VANTRY_FAKE_VIEWER_SECONDS gives (none unless given), as a person reading the report would, and
// ends with the status VANTRY_FAKE_VIEWER_STATUS gives (0 unless given).
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <cstdlib>

namespace {

int logArguments() {
    char log[MAX_PATH];
    if (GetEnvironmentVariableA("VANTRY_FAKE_VIEWER_LOG", log, MAX_PATH) == 0) return 0;
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::FILE* file = std::fopen(log, "a");
    if (file == nullptr || arguments == nullptr) return 1;
    for (int i = 1; i < count; ++i) {
        char argument[4 * MAX_PATH];
        WideCharToMultiByte(CP_ACP, 0, arguments[i], -1, argument, sizeof argument, nullptr, nullptr);
        std::fprintf(file, "%s\n", argument);
    }
    std::fclose(file);
    LocalFree(arguments);
    return 0;
}

}  // namespace

int main() {
    int status = logArguments();
    char seconds[16];
    if (GetEnvironmentVariableA("VANTRY_FAKE_VIEWER_SECONDS", seconds, sizeof seconds) > 0)
        Sleep(static_cast<DWORD>(std::atoi(seconds)) * 1000);
    char asked[16];
    if (status == 0 && GetEnvironmentVariableA("VANTRY_FAKE_VIEWER_STATUS", asked, sizeof asked) > 0)
        status = std::atoi(asked);
    return status;
}
