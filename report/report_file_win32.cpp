#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <random>

#include "platform/ansi_text_win32.h"
#include "report/report_file.h"
#include "report/report_writer.h"

namespace vantry::report::detail {

using platform::Narrow;
using platform::Wide;

namespace {

constexpr int kMaxNameAttempts = 100;

// The C runtime's words for the system's errors, as the other file errors are given.
std::string reasonFor(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND: return std::strerror(ENOENT);
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION: return std::strerror(EACCES);
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL: return std::strerror(ENOSPC);
        default: return std::strerror(EIO);
    }
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
}

}  // namespace

}  // namespace vantry::report::detail

namespace vantry::report {

std::string FullPath(const std::string& path) {
    wchar_t full[MAX_PATH * 4];
    const DWORD length = GetFullPathNameW(platform::Wide(path).c_str(), MAX_PATH * 4, full, nullptr);
    return length > 0 && length < MAX_PATH * 4 ? platform::Narrow(full) : path;
}

}  // namespace vantry::report

namespace vantry::report::detail {

bool ResolveTarget(const std::string& path, std::string& target, std::string& reason) {
    target = path;
    const std::wstring name = Wide(path);
    HANDLE file = CreateFileW(name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return true;  // creating it says why
        reason = reasonFor(error);
        return false;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    const bool regular = GetFileType(file) == FILE_TYPE_DISK && GetFileInformationByHandle(file, &info) &&
                         (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    // A link is followed: the report replaces the file it leads to.
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (regular && attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        wchar_t finalPath[MAX_PATH * 4];
        const DWORD length = GetFinalPathNameByHandleW(file, finalPath, MAX_PATH * 4, FILE_NAME_NORMALIZED);
        if (length > 0 && length < MAX_PATH * 4) target = Narrow(finalPath);
    }
    CloseHandle(file);
    if (!regular) {
        reason = "not a regular file";
        return false;
    }
    // Moving a new file over a read-only one would succeed and leave it writable: its owner made
    // it read-only to keep it, so it is refused, as on Linux, whatever the file system allows.
    const DWORD targetAttributes = GetFileAttributesW(Wide(target).c_str());
    if (targetAttributes != INVALID_FILE_ATTRIBUTES && (targetAttributes & FILE_ATTRIBUTE_READONLY) != 0) {
        reason = std::strerror(EACCES);
        return false;
    }
    return true;
}

bool CreateScratchBeside(const std::string& target, ScratchFile& scratch, std::string& reason) {
    const std::string folder = folderOf(target);
    std::random_device random;
    for (int attempt = 0; attempt < kMaxNameAttempts; ++attempt) {
        const std::string path = folder + "\\" + ScratchFileName(random());
        const int fd = _wopen(Wide(path).c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_TEXT, _S_IREAD | _S_IWRITE);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            reason = std::strerror(errno);
            return false;
        }
        scratch.stream = _fdopen(fd, "w");
        if (scratch.stream == nullptr) {
            reason = std::strerror(errno);
            _close(fd);
            _wunlink(Wide(path).c_str());
            return false;
        }
        scratch.path = path;
        scratch.target = target;
        return true;
    }
    reason = std::strerror(EEXIST);
    return false;
}

bool CommitScratch(ScratchFile& scratch, std::string& reason) {
    bool ok = std::fflush(scratch.stream) == 0 && _commit(_fileno(scratch.stream)) == 0;
    reason = std::strerror(errno);
    if (std::fclose(scratch.stream) != 0 && ok) {
        ok = false;
        reason = std::strerror(errno);
    }
    scratch.stream = nullptr;
    if (ok && !MoveFileExW(Wide(scratch.path).c_str(), Wide(scratch.target).c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ok = false;
        reason = reasonFor(GetLastError());
    }
    if (!ok) _wunlink(Wide(scratch.path).c_str());
    return ok;
}

void DiscardScratch(ScratchFile& scratch) {
    if (scratch.stream != nullptr) std::fclose(scratch.stream);
    scratch.stream = nullptr;
    if (!scratch.path.empty()) _wunlink(Wide(scratch.path).c_str());
}

}  // namespace vantry::report::detail
