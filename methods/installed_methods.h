#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/payout_types.h"
#include "methods/method_file.h"

namespace vantry::methods {

// The methods a producer has installed: every ".toml" file of the methods folder, read and
// checked. Two methods of one name, or one named like a built-in method, are never told apart
// silently: each of them carries the conflict, and none of them is used until it is renamed.

struct BuiltInMethod {
    engine::PayoutMethod method;
    std::string_view commandName;  // as the command line and the exports name it
};
inline constexpr BuiltInMethod kBuiltInMethods[] = {
    {engine::PayoutMethod::Ibra, "ibra"},
    {engine::PayoutMethod::Brn4d, "brn4d"},
    {engine::PayoutMethod::Nbha4d, "nbha4d"},
};

// Reads and checks a method file. One that cannot be read, or is not a regular file, has that as
// its one problem, at line 1, column 1.
MethodFile ReadMethodFile(const std::string& path);

struct InstalledMethod {
    std::string path;
    MethodFile file;
    std::string conflict;  // why a valid method is not used: another has its name

    bool usable() const { return file.valid() && conflict.empty(); }
};

struct InstalledMethods {
    std::string folder;                    // empty when the system names no place for it
    std::string whyNoFolder;               // then, why
    std::string unreadable;                // why the folder, which is there, cannot be read
    std::vector<InstalledMethod> methods;  // in the order of their file names
};

InstalledMethods FindInstalledMethods();  // in MethodsFolder()
InstalledMethods FindInstalledMethods(const std::string& folder);

// Whether two method names are one name: ASCII letters compared without their case.
bool SameMethodName(std::string_view a, std::string_view b);

// The built-in method a name stands for, by its command-line name ("nbha4d") or its own name
// ("NBHA 4D"), in any case.
std::optional<engine::PayoutMethod> BuiltInNamed(std::string_view name);

}  // namespace vantry::methods
