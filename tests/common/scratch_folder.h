#pragma once

#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>

// A folder of the test's own under the system's temporary folder, named at random so that tests,
// legs and presets running at the same time never share one, and removed with all it holds when
// the test ends. Tests work in it by path and never change the process's working folder.
class ScratchFolder {
public:
    explicit ScratchFolder(std::string_view purpose) {
        std::random_device random;
        const std::filesystem::path base = std::filesystem::temp_directory_path();
        for (int attempt = 0; attempt < 100; ++attempt) {
            path_ = base / ("vantry-" + std::string(purpose) + "-" + std::to_string(random()));
            if (std::filesystem::create_directory(path_)) return;  // false when it was there already
        }
        throw std::runtime_error("no scratch folder could be made in " + base.string());
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(std::string_view name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};
