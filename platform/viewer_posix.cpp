#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

#include "platform/viewer.h"
#include "platform/viewer_platform.h"

extern char** environ;

namespace vantry::platform {

const char* const detail::kEditorName = "xdg-open";
const char* const detail::kFolderViewerName = "xdg-open";
const bool detail::kFolderViewerStatusTells = true;

ViewerCommand ViewerCommandForUserFile(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    if (error) return ViewerCommandFor(path);
    // "a/./b" can be tidied; "link/.." cannot without reading the links, since the system goes
    // up from where the link points, so a name with ".." is handed on as written.
    bool goesUp = false;
    for (const std::filesystem::path& part : absolute) goesUp = goesUp || part == "..";
    return ViewerCommandFor(goesUp ? absolute.string() : absolute.lexically_normal().string());
}

std::string RunViewerAndWait(const ViewerCommand& command, const ViewerWait& wait) {
    if (command.arguments.empty()) return "no editor to start";
    std::vector<char*> argv;
    for (const std::string& argument : command.arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!command.folder.empty()) posix_spawn_file_actions_addchdir_np(&actions, command.folder.c_str());
    pid_t child = 0;
    const int error = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error == ENOENT) return command.arguments[0] + " is not installed";
    if (error != 0) return command.arguments[0] + ": " + std::strerror(error);

    int status = 0;
    pid_t waited = 0;
    if (wait) {
        wait([&] {
            if (waited == child) return false;
            waited = waitpid(child, &status, WNOHANG);
            return waited == 0 || (waited < 0 && errno == EINTR);
        });
    }
    // Without a window's wait, or after one that ended early, the editor is waited for here, so
    // that none is left a zombie.
    while (waited != child && ((waited = waitpid(child, &status, 0)) >= 0 || errno == EINTR)) {
    }
    // xdg-open tells by its status when it found nothing to open the file with, or failed to.
    if (waited == child && WIFEXITED(status) && WEXITSTATUS(status) != 0 && command.statusTellsFailure)
        return command.arguments[0] + " failed (exit status " + std::to_string(WEXITSTATUS(status)) + ")";
    if (waited == child && WIFSIGNALED(status))
        return command.arguments[0] + " was ended by signal " + std::to_string(WTERMSIG(status));
    return "";
}

}  // namespace vantry::platform
