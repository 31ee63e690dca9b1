#include "methods/method_save.h"

#include <filesystem>

#include "methods/method_files.h"

// The page's editor saves a method this way; the desktop programs leave the file to the text
// editor, and never write over what the producer typed.

namespace vantry::methods {

FolderChange SaveMethodText(const std::string& path, std::string_view text) {
    const MethodFile file = ReadMethodText(text);
    if (!file.valid()) return {FolderChangeOutcome::Refused, {}, FirstProblems(file)};
    const std::string_view name = file.rules.displayName();
    const std::string folder = std::filesystem::path(path).parent_path().string();
    if (const std::string holder = HolderOfName(folder, name, path); !holder.empty())
        return {FolderChangeOutcome::NameTaken,
                {},
                "\"" + std::string(name) + "\" is the name of " + holder + ": give this method another name."};
    // Written whole beside the file first, then put in its place in one step.
    const std::string saving = path + ".saving";
    std::error_code ignored;
    std::filesystem::remove(saving, ignored);  // what a save cut short left
    bool taken = false;
    std::string reason;
    if (!WriteNewFile(saving, text, taken, reason))
        return {FolderChangeOutcome::Failed, {}, path + " cannot be saved: " + reason};
    std::error_code error;
    std::filesystem::rename(saving, path, error);
    if (error) {
        std::filesystem::remove(saving, ignored);
        return {FolderChangeOutcome::Failed, {}, path + " cannot be saved: " + error.message()};
    }
    return {FolderChangeOutcome::Done, path, {}};
}

}  // namespace vantry::methods
