#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "methods/method_files.h"
#include "platform/ansi_text_win32.h"

namespace vantry::methods {

using platform::Narrow;
using platform::Wide;

namespace {

// A folder whose name the ANSI code page cannot spell (a user name in another script) is handed
// on by its short name, which can.
std::string ansiPath(const std::wstring& path) {
    const std::string narrow = Narrow(path);
    if (Wide(narrow) == path) return narrow;
    wchar_t shortPath[MAX_PATH * 4];
    const DWORD length = GetShortPathNameW(path.c_str(), shortPath, MAX_PATH * 4);
    return length > 0 && length < MAX_PATH * 4 ? Narrow(shortPath) : narrow;
}

std::string reasonFor(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND: return std::strerror(ENOENT);
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION: return std::strerror(EACCES);
        default: return std::strerror(EIO);
    }
}

}  // namespace

std::string MethodsFolder(std::string& why) {
    std::wstring base;
    if (const wchar_t* appData = _wgetenv(L"APPDATA"); appData != nullptr && appData[0] != L'\0') {
        base = appData;
    } else {
        wchar_t folder[MAX_PATH];
        if (SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder) != S_OK) {
            why = "Windows names no application data folder (APPDATA)";
            return {};
        }
        base = folder;
    }
    // The methods folder need not exist yet, so only the part that does is shortened.
    return PathIn(PathIn(ansiPath(base), std::string(kWindowsAppDataFolder)), std::string(kMethodsSubfolder));
}

std::vector<std::string> MethodFileNames(const std::string& folder, std::string* unreadable) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(Wide(PathIn(folder, "*.toml")).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        // No file of the kind, or no folder yet, is nothing to say; anything else is.
        DWORD error = GetLastError();
        const DWORD attributes = GetFileAttributesW(Wide(folder).c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
            error = ERROR_DIRECTORY;  // a file where the folder should be
        if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND && unreadable != nullptr)
            *unreadable = error == ERROR_ACCESS_DENIED ? "Permission denied"
                          : error == ERROR_DIRECTORY   ? "Not a directory"
                                                       : "Windows error " + std::to_string(error);
        return names;
    }
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        // "*.toml" also finds "x.tomlx" by its short name; only a name that truly ends so counts.
        const std::string name = Narrow(found.cFileName);
        if (name.size() > kMethodFileEnding.size() &&
            _stricmp(name.c_str() + name.size() - kMethodFileEnding.size(), kMethodFileEnding.data()) == 0)
            names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

std::string PathIn(const std::string& folder, const std::string& name) {
    return folder.empty() || folder.back() == '\\' || folder.back() == '/' ? folder + name : folder + "\\" + name;
}

bool ReadFileUpTo(const std::string& path, std::size_t most, std::string& bytes, std::string& reason) {
    HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        reason = reasonFor(GetLastError());
        return false;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileType(file) != FILE_TYPE_DISK || !GetFileInformationByHandle(file, &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        reason = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? "it is a folder"
                                                                         : "it is not a regular file";
        CloseHandle(file);
        return false;
    }
    bytes.assign(most + 1, '\0');
    std::size_t got = 0;
    while (got < bytes.size()) {
        DWORD n = 0;
        if (!ReadFile(file, bytes.data() + got, static_cast<DWORD>(bytes.size() - got), &n, nullptr)) {
            reason = reasonFor(GetLastError());
            CloseHandle(file);
            return false;
        }
        if (n == 0) break;
        got += n;
    }
    CloseHandle(file);
    bytes.resize(got);
    return true;
}

bool MakeFolders(const std::string& folder, std::string& reason) {
    // Each folder on the way is made if it can be; "C:" or a share's "\\\\host" cannot, and need
    // not. Whether the whole path now stands as a folder is what counts.
    DWORD lastError = ERROR_PATH_NOT_FOUND;
    for (std::size_t at = folder.find_first_of("\\/", 1);; at = folder.find_first_of("\\/", at + 1)) {
        const std::string part = folder.substr(0, at);
        if (!CreateDirectoryW(Wide(part).c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
            lastError = GetLastError();
        if (at == std::string::npos) break;
    }
    const DWORD attributes = GetFileAttributesW(Wide(folder).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        reason = folder + ": " + (attributes == INVALID_FILE_ATTRIBUTES ? reasonFor(lastError) : "not a folder");
        return false;
    }
    return true;
}

bool WriteNewFile(const std::string& path, std::string_view bytes, bool& taken, std::string& reason) {
    taken = false;
    HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        taken = error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS;
        reason = taken ? std::strerror(EEXIST) : reasonFor(error);
        return false;
    }
    DWORD error = 0;
    for (std::size_t written = 0; written < bytes.size() && error == 0;) {
        DWORD n = 0;
        if (!WriteFile(file, bytes.data() + written, static_cast<DWORD>(bytes.size() - written), &n, nullptr)) {
            error = GetLastError();
        } else if (n == 0) {
            error = ERROR_WRITE_FAULT;
        }
        written += n;
    }
    if (!CloseHandle(file) && error == 0) error = GetLastError();
    if (error != 0) {
        reason = reasonFor(error);
        DeleteFileW(Wide(path).c_str());  // ours alone: it did not exist a moment ago
        return false;
    }
    return true;
}

bool RenameToNewName(const std::string& from, const std::string& to, bool& taken, std::string& reason) {
    taken = false;
    // Without MOVEFILE_REPLACE_EXISTING a file that has the new name stops the move.
    if (MoveFileExW(Wide(from).c_str(), Wide(to).c_str(), 0)) return true;
    const DWORD error = GetLastError();
    taken = error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS;
    reason = taken ? std::strerror(EEXIST) : reasonFor(error);
    return false;
}

}  // namespace vantry::methods
