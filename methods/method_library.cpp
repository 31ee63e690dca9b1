#include "methods/method_library.h"

#include <algorithm>
#include <iterator>

#include "methods/installed_methods.h"
#include "methods/method_files.h"

namespace vantry::methods {

namespace {

constexpr int kSameNameAttempts = 99;  // "x.toml", "x-2.toml", ... before a folder is called full

bool IsLetterOrDigit(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

// The method installed in `folder` or built in that already has `name`, for the message; empty
// when none has.

// `text` as a TOML basic string. What a name may not hold is escaped rather than dropped, so that
// the reader, not this, says what is wrong with it.
std::string TomlString(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20 || byte == 0x7F) {
            quoted += "\\u00";
            quoted += kHex[byte >> 4];
            quoted += kHex[byte & 15];
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

std::string WithNumber(const std::string& name, std::string_view ending, int number) {
    const std::string stem = name.substr(0, name.size() - ending.size());
    return number == 1 ? name : stem + "-" + std::to_string(number) + std::string(ending);
}

// Writes `bytes` as a new file named `fileName` in `folder`, numbering the name when a file of
// that name is there already (a broken method's, or anything else a producer keeps there).
FolderChange WriteIntoFolder(const std::string& folder, const std::string& fileName, std::string_view bytes) {
    std::string reason;
    if (!MakeFolders(folder, reason))
        return {FolderChangeOutcome::Failed, {}, "The methods folder cannot be made: " + reason};
    for (int number = 1; number <= kSameNameAttempts; ++number) {
        const std::string path = PathIn(folder, WithNumber(fileName, kMethodFileEnding, number));
        bool taken = false;
        if (WriteNewFile(path, bytes, taken, reason)) return {FolderChangeOutcome::Done, path, {}};
        if (!taken) return {FolderChangeOutcome::Failed, {}, path + " cannot be written: " + reason};
    }
    return {FolderChangeOutcome::Failed, {}, "The methods folder has too many files named like " + fileName};
}

}  // namespace

std::string HolderOfName(const std::string& folder, std::string_view name, const std::string& besides) {
    if (const auto builtIn = BuiltInNamed(name))
        return "the built-in method " + std::string(engine::BuiltInRules(*builtIn).displayName());
    for (const InstalledMethod& method : FindInstalledMethods(folder).methods) {
        if (method.path != besides && method.file.valid() && SameMethodName(method.file.rules.displayName(), name))
            return method.path;
    }
    return {};
}

std::string FirstProblems(const MethodFile& file, std::size_t most) {
    std::string text;
    for (std::size_t i = 0; i < file.problems.size() && i < most; ++i) {
        if (!text.empty()) text += '\n';
        text += "line " + std::to_string(file.problems[i].line) + ": " + file.problems[i].what;
    }
    if (file.problems.size() > most) {
        const std::size_t more = file.problems.size() - most;
        text += "\nand " + std::to_string(more) + (more == 1 ? " more problem" : " more problems");
    }
    return text;
}

std::string FileNameFor(std::string_view methodName) {
    std::string name;
    bool gap = false;
    for (const char c : methodName) {
        if (IsLetterOrDigit(c)) {
            if (gap && !name.empty()) name += '-';
            name += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
            gap = false;
        } else {
            gap = true;
        }
    }
    if (name.empty()) name = "method";
    // Names Windows keeps for devices: "nul.toml" would write into nothing and say it had.
    static constexpr std::string_view kDevices[] = {"con", "prn", "aux", "nul"};
    const bool numberedDevice = name.size() == 4 && (name.starts_with("com") || name.starts_with("lpt")) &&
                                name[3] >= '0' && name[3] <= '9';
    if (numberedDevice || std::find(std::begin(kDevices), std::end(kDevices), name) != std::end(kDevices))
        name += "-method";
    return name + std::string(kMethodFileEnding);
}

FolderChange StartMethodFrom(const std::string& folder, const engine::MethodRules& from, std::string_view newName) {
    // The name is checked as every method file's is: written into the file, and the file read.
    std::string text = MethodFileText(from, {});
    const std::size_t at = text.find("\nname = ");
    if (at == std::string::npos) return {FolderChangeOutcome::Failed, {}, "The method cannot be written out."};
    text.replace(at + 1, text.find('\n', at + 1) - at - 1,
                 "name = " + TomlString(newName) + "   # 1 to 40 printable ASCII characters");
    const MethodFile checked = ReadMethodText(text);
    if (!checked.valid()) return {FolderChangeOutcome::Refused, {}, checked.problems.front().what};
    if (const std::string holder = HolderOfName(folder, checked.rules.displayName()); !holder.empty())
        return {FolderChangeOutcome::NameTaken, {}, "\"" + std::string(newName) + "\" is the name of " + holder + "."};
    // Written anew from the checked method, so that its heading names the new method too.
    return WriteIntoFolder(folder, FileNameFor(newName), MethodFileText(checked.rules, {}));
}

FolderChange ImportMethodFile(const std::string& folder, const std::string& source) {
    std::string bytes;
    std::string reason;
    if (!ReadFileUpTo(source, kMethodFileMost, bytes, reason))
        return {FolderChangeOutcome::Refused, {}, source + " cannot be read: " + reason};
    const MethodFile file = ReadMethodText(bytes);
    if (!file.valid()) return {FolderChangeOutcome::Refused, {}, FirstProblems(file)};
    const std::string_view name = file.rules.displayName();
    if (const std::string holder = HolderOfName(folder, name); !holder.empty())
        return {FolderChangeOutcome::NameTaken, {}, "\"" + std::string(name) + "\" is the name of " + holder + "."};
    return WriteIntoFolder(folder, FileNameFor(name), bytes);
}

FolderChange RemoveMethodFile(const std::string& path) {
    constexpr std::string_view kRemoved = ".removed";
    std::string reason;
    for (int number = 1; number <= kSameNameAttempts; ++number) {
        const std::string to = path + std::string(kRemoved) + (number == 1 ? "" : "-" + std::to_string(number));
        bool taken = false;
        if (RenameToNewName(path, to, taken, reason)) return {FolderChangeOutcome::Done, to, {}};
        if (!taken) return {FolderChangeOutcome::Failed, {}, path + " cannot be renamed: " + reason};
    }
    return {FolderChangeOutcome::Failed, {}, "Too many removed copies of " + path + " are kept beside it."};
}

FolderChange RestoreMethodFile(const std::string& removedPath, const std::string& path) {
    bool taken = false;
    std::string reason;
    if (RenameToNewName(removedPath, path, taken, reason)) return {FolderChangeOutcome::Done, path, {}};
    if (taken) return {FolderChangeOutcome::NameTaken, {}, "Another file is named " + path + " now."};
    return {FolderChangeOutcome::Failed, {}, removedPath + " cannot be renamed back: " + reason};
}

}  // namespace vantry::methods
