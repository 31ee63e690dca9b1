#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include "engine/method_rules.h"
#include "methods/method_file.h"
#include "methods/method_files.h"

// Method files as a producer's folder holds them, for the window's tests: the BRN4D method under
// a name of the test's.

inline std::string MethodFileNamed(const std::string& name) {
    std::string text = vantry::methods::MethodFileText(
        vantry::engine::BuiltInRules(vantry::engine::PayoutMethod::Brn4d), "");
    const std::size_t start = text.find("name = \"") + 8;
    return text.replace(start, text.find('"', start) - start, name);
}

inline void WriteTestFile(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// `count` methods in the system's methods folder, "County Series Method 1" and on; returns the folder.
inline std::string InstallTestMethods(int count) {
    std::string why;
    const std::string folder = vantry::methods::MethodsFolder(why);
    for (int i = 1; i <= count; ++i)
        WriteTestFile(std::filesystem::path(folder) / ("m" + std::to_string(i) + ".toml"),
                      MethodFileNamed("County Series Method " + std::to_string(i)));
    return folder;
}
