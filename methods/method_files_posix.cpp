#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "methods/method_files.h"

namespace vantry::methods {

std::string MethodsFolder(std::string& why) {
    // The XDG rule: a relative XDG_CONFIG_HOME is ignored as if it were not set.
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::string base;
    if (config != nullptr && config[0] == '/') {
        base = config;
    } else {
        const char* home = std::getenv("HOME");
        if (home == nullptr || home[0] == '\0') {
            why = "neither XDG_CONFIG_HOME nor HOME is set";
            return {};
        }
        base = std::string(home) + "/.config";
    }
    return base + "/" + std::string(kLinuxConfigFolder) + "/" + std::string(kMethodsSubfolder);
}

std::vector<std::string> MethodFileNames(const std::string& folder, std::string* unreadable) {
    std::vector<std::string> names;
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) {
        if (errno != ENOENT && unreadable != nullptr) *unreadable = std::strerror(errno);
        return names;
    }
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.size() <= kMethodFileEnding.size() || !name.ends_with(kMethodFileEnding)) continue;
        struct stat info {};
        if (stat(PathIn(folder, name).c_str(), &info) == 0 && S_ISREG(info.st_mode)) names.push_back(name);
    }
    closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

std::string PathIn(const std::string& folder, const std::string& name) {
    return folder.empty() || folder.back() == '/' ? folder + name : folder + "/" + name;
}

bool ReadFileUpTo(const std::string& path, std::size_t most, std::string& bytes, std::string& reason) {
    // Opened without waiting, so that a FIFO cannot hold the program up, then looked at.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        reason = std::strerror(errno);
        return false;
    }
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        reason = S_ISDIR(info.st_mode) ? "it is a folder" : "it is not a regular file";
        close(fd);
        return false;
    }
    bytes.assign(most + 1, '\0');
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            reason = std::strerror(errno);
            close(fd);
            return false;
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    close(fd);
    bytes.resize(got);
    return true;
}

bool MakeFolders(const std::string& folder, std::string& reason) {
    // Each folder on the way is made if missing; one that cannot be made but stands (a read-only
    // parent, an automounted home) is fine. Whether the whole path is now a folder is what counts.
    int lastError = ENOENT;
    for (std::size_t at = folder.find('/', 1);; at = folder.find('/', at + 1)) {
        const std::string part = folder.substr(0, at);
        if (mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) lastError = errno;
        if (at == std::string::npos) break;
    }
    struct stat info {};
    if (stat(folder.c_str(), &info) != 0) {
        const int error = errno;
        reason = folder + ": " + std::strerror(error == ENOENT ? lastError : error);
        return false;
    }
    if (!S_ISDIR(info.st_mode)) {
        reason = folder + ": not a folder";
        return false;
    }
    return true;
}

bool WriteNewFile(const std::string& path, std::string_view bytes, bool& taken, std::string& reason) {
    taken = false;
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0644);
    if (fd < 0) {
        const int error = errno;
        taken = error == EEXIST;
        reason = std::strerror(error);
        return false;
    }
    int error = 0;
    for (std::size_t written = 0; written < bytes.size() && error == 0;) {
        const ssize_t n = write(fd, bytes.data() + written, bytes.size() - written);
        if (n > 0) {
            written += static_cast<std::size_t>(n);
        } else if (n == 0 || errno != EINTR) {
            error = n == 0 ? EIO : errno;
        }
    }
    if (close(fd) != 0 && error == 0) error = errno;
    if (error != 0) {
        reason = std::strerror(error);
        unlink(path.c_str());  // ours alone: it did not exist a moment ago
        return false;
    }
    return true;
}

bool RenameToNewName(const std::string& from, const std::string& to, bool& taken, std::string& reason) {
    taken = false;
    // A hard link cannot replace a name, so it claims `to` for certain; the old name goes after.
    if (link(from.c_str(), to.c_str()) == 0) {
        if (unlink(from.c_str()) == 0) return true;
        const int error = errno;
        reason = std::strerror(error);
        unlink(to.c_str());
        return false;
    }
    if (errno == EEXIST) {
        taken = true;
        reason = std::strerror(errno);
        return false;
    }
    // A file system without hard links: look, then rename. Only another program racing for the
    // very same new name could slip between the two.
    struct stat info {};
    if (lstat(to.c_str(), &info) == 0) {
        taken = true;
        reason = std::strerror(EEXIST);
        return false;
    }
    if (errno != ENOENT) {  // whether the name is free is not known: it is not taken
        const int error = errno;
        reason = std::strerror(error);
        return false;
    }
    if (rename(from.c_str(), to.c_str()) != 0) {
        reason = std::strerror(errno);
        return false;
    }
    return true;
}

}  // namespace vantry::methods
