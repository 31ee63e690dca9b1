#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>

#include "report/report_file.h"
#include "report/report_writer.h"

namespace vantry::report::detail {

namespace {

constexpr int kMaxLinks = 40;  // as the kernel's own limit on a chain of links
constexpr int kMaxNameAttempts = 100;

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string systemReason(int error) { return std::strerror(error); }

}  // namespace

}  // namespace vantry::report::detail

namespace vantry::report {

std::string FullPath(const std::string& path) {
    if (!path.empty() && path.front() == '/') return path;
    std::string folder(4096, '\0');
    if (getcwd(folder.data(), folder.size()) == nullptr) return path;
    folder.resize(std::strlen(folder.c_str()));
    return folder + (folder.back() == '/' ? "" : "/") + path;
}

}  // namespace vantry::report

namespace vantry::report::detail {

bool ResolveTarget(const std::string& path, std::string& target, std::string& reason) {
    target = path;
    for (int hops = 0;; ++hops) {
        struct stat link {};
        if (lstat(target.c_str(), &link) != 0) {
            if (errno == ENOENT) return true;  // a new file, or a link to one not yet made
            reason = systemReason(errno);
            return false;
        }
        if (!S_ISLNK(link.st_mode)) break;
        if (hops == kMaxLinks) {
            reason = systemReason(ELOOP);
            return false;
        }
        std::string to(static_cast<std::size_t>(link.st_size > 0 ? link.st_size : 4096), '\0');
        const ssize_t length = readlink(target.c_str(), to.data(), to.size());
        if (length < 0) {
            reason = systemReason(errno);
            return false;
        }
        to.resize(static_cast<std::size_t>(length));
        target = to.front() == '/' ? to : folderOf(target) + "/" + to;
    }
    struct stat file {};
    if (stat(target.c_str(), &file) != 0) {
        reason = systemReason(errno);
        return false;
    }
    if (!S_ISREG(file.st_mode)) {
        reason = "not a regular file";
        return false;
    }
    // Moving a new file over a read-only one would succeed: ask as opening it to write would.
    if (access(target.c_str(), W_OK) != 0) {
        reason = systemReason(errno);
        return false;
    }
    return true;
}

bool CreateScratchBeside(const std::string& target, ScratchFile& scratch, std::string& reason) {
    const std::string folder = folderOf(target);
    std::random_device random;
    for (int attempt = 0; attempt < kMaxNameAttempts; ++attempt) {
        const std::string path = folder + "/" + ScratchFileName(random());
        const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            reason = systemReason(errno);
            return false;
        }
        // The new report keeps the permissions the one it replaces had.
        struct stat previous {};
        if (stat(target.c_str(), &previous) == 0) fchmod(fd, previous.st_mode & 07777);
        scratch.stream = fdopen(fd, "w");
        if (scratch.stream == nullptr) {
            reason = systemReason(errno);
            close(fd);
            unlink(path.c_str());
            return false;
        }
        scratch.path = path;
        scratch.target = target;
        return true;
    }
    reason = systemReason(EEXIST);
    return false;
}

bool CommitScratch(ScratchFile& scratch, std::string& reason) {
    // A full disk may only show when the data reaches it: flush and sync before trusting it.
    bool ok = std::fflush(scratch.stream) == 0 && fsync(fileno(scratch.stream)) == 0;
    int error = errno;
    if (std::fclose(scratch.stream) != 0 && ok) {
        ok = false;
        error = errno;
    }
    scratch.stream = nullptr;
    if (ok && std::rename(scratch.path.c_str(), scratch.target.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        unlink(scratch.path.c_str());
        reason = systemReason(error);
    }
    return ok;
}

void DiscardScratch(ScratchFile& scratch) {
    if (scratch.stream != nullptr) std::fclose(scratch.stream);
    scratch.stream = nullptr;
    if (!scratch.path.empty()) unlink(scratch.path.c_str());
}

}  // namespace vantry::report::detail
