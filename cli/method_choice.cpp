#include "cli/method_choice.h"

#include <algorithm>

#include "cli/message_text.h"

namespace vantry::cli {

namespace {

ChosenMethod builtIn(engine::PayoutMethod method) {
    return {engine::BuiltInRules(method), std::string(MethodName(method)), {}, {}};
}

std::vector<std::string> problemLines(const std::string& file, const methods::MethodFile& read) {
    std::vector<std::string> lines;
    for (const methods::MethodProblem& problem : read.problems)
        lines.push_back(methods::ProblemLine(OneLine(file), problem));
    return lines;
}

std::string fileName(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool chooseByName(const std::string& name, ChosenMethod& chosen, MethodRefusal& refusal) {
    const methods::InstalledMethods installed = methods::FindInstalledMethods();
    const std::optional<engine::PayoutMethod> builtInMethod = methods::BuiltInNamed(name);
    std::vector<const methods::InstalledMethod*> matches;
    for (const methods::InstalledMethod& method : installed.methods) {
        if (!method.file.valid()) continue;
        const std::string_view own = method.file.rules.displayName();
        if (methods::SameMethodName(own, name) || (builtInMethod && methods::BuiltInNamed(own) == builtInMethod))
            matches.push_back(&method);
    }
    if (builtInMethod && !matches.empty()) {
        refusal.sentence = "--method: " + ShownValue(name) + " names both the built-in method " +
                           std::string(engine::BuiltInRules(*builtInMethod).displayName()) + " and " +
                           OneLine(matches[0]->path) + "; give the method in the file a name of its own";
        return false;
    }
    if (builtInMethod) {
        chosen = builtIn(*builtInMethod);
        return true;
    }
    if (matches.size() > 1) {
        refusal.sentence = "--method: " + ShownValue(name) + " is the name of both " + OneLine(matches[0]->path) +
                           " and " + OneLine(matches[1]->path) + "; rename one of them";
        return false;
    }
    if (matches.size() == 1) {
        const methods::InstalledMethod& method = *matches[0];
        chosen = {method.file.rules, std::string(method.file.rules.displayName()), method.file.note, method.path};
        return true;
    }
    refusal.sentence = "--method: " + ShownValue(name) + " is not one of ibra, brn4d, nbha4d";
    const bool anyInstalled = std::any_of(installed.methods.begin(), installed.methods.end(),
                                          [](const methods::InstalledMethod& m) { return m.file.valid(); });
    if (anyInstalled) refusal.sentence += ", nor an installed method (--list-methods lists them)";
    return false;
}

}  // namespace

bool ChooseMethod(const std::string& name, const std::string& file, ChosenMethod& chosen, MethodRefusal& refusal) {
    if (!file.empty()) {
        methods::MethodFile read = methods::ReadMethodFile(file);
        if (!read.valid()) {
            refusal.problemLines = problemLines(file, read);
            return false;
        }
        chosen = {read.rules, std::string(read.rules.displayName()), read.note, file};
        return true;
    }
    if (name.empty()) {
        chosen = builtIn(kDefaultMethod);
        return true;
    }
    return chooseByName(name, chosen, refusal);
}

std::string MethodList(const methods::InstalledMethods& installed) {
    std::size_t width = 12;
    for (const methods::InstalledMethod& method : installed.methods)
        width = std::max(width, method.file.valid() ? method.file.rules.displayName().size() : 0);
    const auto column = [width](std::string_view text) {
        return "  " + std::string(text) + std::string(width + 2 - std::min(width, text.size()), ' ');
    };

    std::string list = "Built-in methods:\n";
    for (const methods::BuiltInMethod& method : methods::kBuiltInMethods) {
        list += column(engine::BuiltInRules(method.method).displayName()) +
                "built in, --method=" + std::string(method.commandName) +
                (method.method == kDefaultMethod ? " (the default)\n" : "\n");
    }
    list += "\nInstalled methods";
    if (installed.folder.empty()) return list + ": none, since " + installed.whyNoFolder + "\n";
    list += ", in " + OneLine(installed.folder) + ":\n";
    if (!installed.unreadable.empty())
        return list + "  none: the folder cannot be read: " + installed.unreadable + "\n";
    if (installed.methods.empty()) return list + "  none\n";
    for (const methods::InstalledMethod& method : installed.methods) {
        const std::string file = OneLine(fileName(method.path));
        if (!method.file.valid()) {
            list += column("(not used)") + methods::ProblemLine(file, method.file.problems.front()) + "\n";
            continue;
        }
        list += column(method.file.rules.displayName()) + file;
        if (!method.conflict.empty()) list += "  not used: " + OneLine(method.conflict);
        else if (!method.file.note.empty()) list += "  " + method.file.note;
        list += "\n";
    }
    return list;
}

}  // namespace vantry::cli
