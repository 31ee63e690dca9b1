#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "product_info.h"

namespace vantry::methods {

// Where a user's own methods live, and the few file steps reading them takes. Names travel as
// the program's other names do: bytes on Linux, the ANSI code page on Windows.

// The methods folder's own names, the one place the tool and the window take them from:
//   Linux    $XDG_CONFIG_HOME/quorvath-payout-calculator/methods (~/.config/... by default)
//   Windows  %APPDATA%\Quorvath Payout Calculator\methods
inline constexpr std::string_view kLinuxConfigFolder = product::kPackageName;
inline constexpr std::string_view kWindowsAppDataFolder = product::kName;
inline constexpr std::string_view kMethodsSubfolder = "methods";
inline constexpr std::string_view kMethodFileEnding = ".toml";

// The methods folder, whether or not it exists; empty when the system names no place for it
// (no HOME, no APPDATA), with the reason in `why`.
std::string MethodsFolder(std::string& why);

// The names of the files in `folder` that end in ".toml", links followed, sorted; none when the
// folder does not exist. A folder that is there but cannot be read (or is not a folder) gives
// none too, and says why in `unreadable`.
std::vector<std::string> MethodFileNames(const std::string& folder, std::string* unreadable = nullptr);

// `name` in `folder`, with the system's separator.
std::string PathIn(const std::string& folder, const std::string& name);

// Reads a regular file of at most `most` bytes. A larger one gives its first most + 1 bytes, so
// that the reader can say it is too large; anything that is not a regular file (a folder, a
// FIFO, a device) is refused without being opened for reading.
bool ReadFileUpTo(const std::string& path, std::size_t most, std::string& bytes, std::string& reason);

// The steps that change the methods folder. None of them ever writes over a file that exists:
// a producer's typing is never lost to a name that happened to be taken.

// Makes `folder` and any missing folders above it.
bool MakeFolders(const std::string& folder, std::string& reason);

// Writes `bytes` as a new file at `path`. When a file of that name exists, `taken` is set and
// nothing is written; a file that cannot be written whole is removed again.
bool WriteNewFile(const std::string& path, std::string_view bytes, bool& taken, std::string& reason);

// Renames the file `from` to `to` when nothing has that name yet; else `taken` is set.
bool RenameToNewName(const std::string& from, const std::string& to, bool& taken, std::string& reason);

}  // namespace vantry::methods
