#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

// What the method folder tests read and write: a file's bytes, and the example method under
// another name.

inline std::string Contents(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

inline void Write(const std::string& path, std::string_view bytes) { std::ofstream(path, std::ios::binary) << bytes; }

// `text` (the example method, named "Sandhill 4D") with the name `name`.
inline std::string WithName(std::string text, const std::string& name) {
    const std::string old = "name = \"Sandhill 4D\"";
    return text.replace(text.find(old), old.size(), "name = \"" + name + "\"");
}
