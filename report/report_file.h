#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// The file system steps of writing a report safely, one implementation per platform
// (report_file_posix.cpp, report_file_win32.cpp). A report is written whole to a scratch file
// beside its target and only then moved over it in one step, so that a failed write never
// destroys the report that was there.

namespace vantry::report::detail {

struct ScratchFile {
    std::FILE* stream = nullptr;  // open for writing, in text mode
    std::string path;
    std::string target;  // the file the scratch file will replace: the named one, links followed
};

// A scratch file's name in the target's folder. Short and of one length whatever the target is
// called, so that a report with the longest name the folder allows can still be replaced.
inline std::string ScratchFileName(std::uint32_t number) {
    return ".vantry-" + std::to_string(number % 1000000000u) + ".tmp";
}

// Finds where a report named `path` goes, following symbolic links, and refuses a target that
// exists and is not a regular file (a FIFO, a device, a socket, a folder) or that this user may
// not write: its owner made it read-only to keep it. On failure returns false with the reason,
// without the file name.
bool ResolveTarget(const std::string& path, std::string& target, std::string& reason);

// Creates a new file that no one else has, in the target's folder.
bool CreateScratchBeside(const std::string& target, ScratchFile& scratch, std::string& reason);

// Flushes the scratch file to the disk, closes it and moves it over its target in one step.
// On failure the scratch file is closed and removed, and the target is left as it was.
bool CommitScratch(ScratchFile& scratch, std::string& reason);

// Closes and removes the scratch file.
void DiscardScratch(ScratchFile& scratch);

}  // namespace vantry::report::detail
