#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "engine/method_rules.h"
#include "methods/method_file.h"

namespace vantry::methods {

// What a producer does to the methods folder from a window: start a method from another, bring in
// a file, put one away. The same steps for every front end. None of them writes over a file or
// deletes one: a name that is taken is said so, and a removed method is a renamed file.

// A method file's first `most` problems for a message box, one per line as "line N: what is
// wrong", and a last line saying how many more there are.
std::string FirstProblems(const MethodFile& file, std::size_t most = 5);

// Who has the method name `name` already: "the built-in method NBHA 4D", or the path of a sound
// method of `folder` other than the file `besides`; empty when no one has.
std::string HolderOfName(const std::string& folder, std::string_view name, const std::string& besides = {});

// The file name a method is saved under: its letters and digits in lower case, every other run
// of characters one '-', and ".toml" ("Sandhill 4D" is "sandhill-4d.toml").
std::string FileNameFor(std::string_view methodName);

enum class FolderChangeOutcome {
    Done,
    NameTaken,  // a built-in or an installed method has the name: ask for another
    Refused,    // the name or the file is not a method; `message` says why
    Failed,     // the folder could not be changed; `message` says why
};

struct FolderChange {
    FolderChangeOutcome outcome;
    std::string path;     // the file written or renamed to, when done
    std::string message;  // what a message box says when not done
};

// Writes a new method file into `folder` (made if missing): `from` under the name `newName`.
FolderChange StartMethodFrom(const std::string& folder, const engine::MethodRules& from, std::string_view newName);

// Copies the method file at `source` into `folder`, byte for byte, once it reads as a sound
// method whose name no other method has. A broken file is refused with its problems, and
// nothing is copied.
FolderChange ImportMethodFile(const std::string& folder, const std::string& source);

// Renames the method file at `path` to `<path>.removed` (or ".removed-2", ... when that is taken),
// in the same folder, where the producer can restore it by hand.
FolderChange RemoveMethodFile(const std::string& path);

// Undoes RemoveMethodFile: the file `removedPath` gets its name `path` back, when no file has
// taken it since.
FolderChange RestoreMethodFile(const std::string& removedPath, const std::string& path);

}  // namespace vantry::methods
