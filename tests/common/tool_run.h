#pragma once

// The command-line tool run in the calling process, its two streams caught in scratch files.

#include <cstdio>
#include <string>
#include <vector>

#include "cli/payout_tool.h"

// What was written to `file` from its start; the file is closed.
inline std::string ReadAllAndClose(std::FILE* file) {
    std::rewind(file);
    std::string text;
    char chunk[4096];
    for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, file)) > 0;) text.append(chunk, n);
    std::fclose(file);
    return text;
}

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

inline ToolRun RunTool(const std::vector<const char*>& args,
                       const vantry::platform::ViewerRunner& viewer = vantry::platform::RunViewer) {
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    const int status = vantry::cli::RunPayoutTool(static_cast<int>(args.size()), args.data(), out, err, viewer);
    return {status, ReadAllAndClose(out), ReadAllAndClose(err)};
}
