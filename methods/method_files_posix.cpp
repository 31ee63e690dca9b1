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

std::vector<std::string> MethodFileNames(const std::string& folder) {
    std::vector<std::string> names;
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) return names;
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

}  // namespace vantry::methods
