#include "report_writer.h"

namespace vantry::report {

namespace {

bool isShellSafe(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
           c == '_' || c == '-' || c == '/' || c == '+' || c == ',';
}

// A file name goes to /bin/sh as one word: quoted when it holds anything the shell could read
// as more than a name.
std::string shellWord(const std::string& path) {
    bool safe = !path.empty() && path[0] != '-';
    for (char c : path) safe = safe && isShellSafe(c);
    if (safe) return path;
    std::string quoted = path[0] == '-' ? "'./" : "'";
    for (char c : path) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

}  // namespace

// The desktop's way of opening a text file in the user's preferred editor.
std::string ViewerCommandFor(const std::string& path) { return "xdg-open " + shellWord(path); }

}  // namespace vantry::report
