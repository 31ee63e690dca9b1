#include "methods/installed_methods.h"

#include "methods/method_files.h"

namespace vantry::methods {

MethodFile ReadMethodFile(const std::string& path) {
    std::string bytes;
    std::string reason;
    if (!ReadFileUpTo(path, kMethodFileMost, bytes, reason)) {
        MethodFile unread;
        unread.problems.push_back({1, 1, "cannot be read: " + reason});
        return unread;
    }
    return ReadMethodText(bytes);
}

InstalledMethods FindInstalledMethods() {
    std::string why;
    const std::string folder = MethodsFolder(why);
    if (folder.empty()) {
        InstalledMethods none;
        none.whyNoFolder = why;
        return none;
    }
    return FindInstalledMethods(folder);
}

InstalledMethods FindInstalledMethods(const std::string& folder) {
    InstalledMethods found;
    found.folder = folder;
    for (const std::string& name : MethodFileNames(folder, &found.unreadable)) {
        const std::string path = PathIn(folder, name);
        found.methods.push_back({path, ReadMethodFile(path), {}});
    }
    for (InstalledMethod& method : found.methods) {
        if (!method.file.valid()) continue;
        const std::string_view name = method.file.rules.displayName();
        if (const std::optional<engine::PayoutMethod> builtIn = BuiltInNamed(name)) {
            method.conflict = "named like the built-in method " +
                              std::string(engine::BuiltInRules(*builtIn).displayName());
            continue;
        }
        for (const InstalledMethod& other : found.methods) {
            if (&other != &method && other.file.valid() && SameMethodName(other.file.rules.displayName(), name)) {
                method.conflict = "\"" + std::string(name) + "\" is also the name of " + other.path;
                break;
            }
        }
    }
    return found;
}

bool SameMethodName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

std::optional<engine::PayoutMethod> BuiltInNamed(std::string_view name) {
    for (const BuiltInMethod& builtIn : kBuiltInMethods) {
        if (SameMethodName(name, builtIn.commandName) ||
            SameMethodName(name, engine::BuiltInRules(builtIn.method).displayName()))
            return builtIn.method;
    }
    return std::nullopt;
}

}  // namespace vantry::methods
