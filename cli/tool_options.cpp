#include "cli/tool_options.h"

#include "cli/message_text.h"
#include "engine/number_text.h"
#include "methods/installed_methods.h"

namespace vantry::cli {

using engine::ParseStatus;
using engine::PayoutMethod;

namespace {

bool readWhole(std::string_view name, std::string_view text, std::int32_t& value, std::string& error) {
    switch (engine::ParseWholeInt(text, value)) {
        case ParseStatus::Ok: return true;
        case ParseStatus::NotANumber:
            error = std::string(name) + ": " + ShownValue(text) + " is not a whole number";
            return false;
        case ParseStatus::OutOfRange: break;
    }
    error = std::string(name) + ": " + ShownValue(text) + " is outside the signed 32-bit range";
    return false;
}

bool readAmount(std::string_view name, std::string_view text, double& value, std::string& error) {
    switch (engine::ParseWholeReal(text, value)) {
        case ParseStatus::Ok: return true;
        case ParseStatus::NotANumber:
            error = std::string(name) + ": " + ShownValue(text) + " is not a number";
            return false;
        case ParseStatus::OutOfRange: break;
    }
    error = std::string(name) + ": " + ShownValue(text) + " is too large to be an amount";
    return false;
}

bool readName(std::string_view name, std::string_view text, std::string& into, std::string& error) {
    if (text.empty()) {
        error = std::string(name) + ": the name is empty";
        return false;
    }
    into = text;
    return true;
}

bool readFile(std::string_view name, std::string_view text, std::string& into, std::string& error) {
    if (text.empty()) {
        error = std::string(name) + ": the file name is empty";
        return false;
    }
    into = text;
    return true;
}

bool readFormat(std::string_view name, std::string_view text, ToolRequest& request, std::string& error) {
    using Format = ToolRequest::Format;
    if (text == "text") request.format = Format::Text;
    else if (text == "csv") request.format = Format::Csv;
    else if (text == "json") request.format = Format::Json;
    else {
        error = std::string(name) + ": " + ShownValue(text) + " is not one of text, csv, json";
        return false;
    }
    return true;
}

std::string defaultWhole(std::int32_t value) { return engine::FormatString("%d", {value}); }
std::string defaultAmount(double value) { return engine::FormatString("%2.0f", {value}); }

const engine::PayoutParameters kDefaults;

// Every option the tool knows, in the order --help lists them. `value` names the option's value
// in the help text; a flag has none.
struct Option {
    std::string_view name;
    std::string_view value;
    std::string_view help;  // lines after the first start with '\n'
    bool (*apply)(std::string_view name, std::string_view text, ToolRequest& request, std::string& error);
    std::string shownDefault;  // appended to the help as "(default ...)" when not empty
};

const Option kOptions[] = {
    {"--method", "NAME",
     "payout method: ibra, brn4d, nbha4d, or the name of an installed\n"
     "method (--list-methods lists them)",
     [](auto name, auto text, ToolRequest& r, std::string& e) { return readName(name, text, r.methodName, e); },
     std::string(MethodName(kDefaultMethod))},
    {"--method-file", "FILE", "pay by the method in a method file (see Method files below)",
     [](auto name, auto text, ToolRequest& r, std::string& e) { return readFile(name, text, r.methodFile, e); }, ""},
    {"--riders", "N", "riders entered",
     [](auto name, auto text, ToolRequest& r, std::string& e) { return readWhole(name, text, r.params.riderCount, e); },
     defaultWhole(kDefaults.riderCount)},
    {"--fee", "DOLLARS", "entry fee per rider",
     [](auto name, auto text, ToolRequest& r, std::string& e) { return readAmount(name, text, r.params.entryFee, e); },
     defaultAmount(kDefaults.entryFee)},
    {"--added", "DOLLARS", "added money",
     [](auto name, auto text, ToolRequest& r, std::string& e) {
         return readAmount(name, text, r.params.addedMoney, e);
     },
     defaultAmount(kDefaults.addedMoney)},
    {"--payoff", "PERCENT", "percentage of the entry fees paid back",
     [](auto name, auto text, ToolRequest& r, std::string& e) {
         return readAmount(name, text, r.params.payoffPercent, e);
     },
     defaultAmount(kDefaults.payoffPercent)},
    {"--ds", "N",
     "Ds to pay and list, 1 to 7; 8 or more pays and lists 7;\n"
     "0 or less divides the pool as for 7 Ds but lists only 1D",
     [](auto name, auto text, ToolRequest& r, std::string& e) { return readWhole(name, text, r.params.dsToPay, e); },
     defaultWhole(kDefaults.dsToPay)},
    {"--places", "N",
     "places paid in each D, at most 30; 0 or less chooses them so that\n"
     "the last place of the last D gets at least the entry fee",
     [](auto name, auto text, ToolRequest& r, std::string& e) { return readWhole(name, text, r.params.places, e); },
     defaultWhole(kDefaults.places)},
    {"--format", "FORMAT",
     "what to print: text (the listing), csv (one row per place, for a\n"
     "spreadsheet) or json (the whole payout, for a script)",
     readFormat, "text"},
    {"--report", "FILE", "also write the paged report of the listing to FILE",
     [](auto name, auto text, ToolRequest& r, std::string& e) { return readFile(name, text, r.reportPath, e); }, ""},
    {"--open", "", "then open FILE in the desktop's text editor",
     [](auto, auto, ToolRequest& r, std::string&) { return r.openReport = true; }, ""},
    {"--list-methods", "", "list the built-in and the installed methods, and exit",
     [](auto, auto, ToolRequest& r, std::string&) {
         r.action = ToolRequest::Action::ListMethods;
         return true;
     },
     ""},
    {"--check-method", "FILE", "check a method file and show its tables, or its errors, and exit",
     [](auto name, auto text, ToolRequest& r, std::string& e) {
         r.action = ToolRequest::Action::CheckMethod;
         return readFile(name, text, r.checkedFile, e);
     },
     ""},
    {"--show-method", "NAME", "print a method as a method file to start your own from, and exit",
     [](auto name, auto text, ToolRequest& r, std::string& e) {
         r.action = ToolRequest::Action::ShowMethod;
         return readName(name, text, r.shownMethod, e);
     },
     ""},
    {"--help", "", "show this help and exit",
     [](auto, auto, ToolRequest& r, std::string&) {
         r.action = ToolRequest::Action::Help;
         return true;
     },
     ""},
    {"--version", "", "show the version and exit",
     [](auto, auto, ToolRequest& r, std::string&) {
         r.action = ToolRequest::Action::Version;
         return true;
     },
     ""},
};

// Each line of `text` after `indent`.
std::string indented(std::string_view text, std::string_view indent) {
    std::string indented;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find('\n', start);
        const std::string_view line = text.substr(start, end == std::string_view::npos ? end : end - start + 1);
        indented += (line == "\n" ? "" : std::string(indent)) + std::string(line);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return indented;
}

const Option* findOption(std::string_view name) {
    for (const Option& option : kOptions)
        if (option.name == name) return &option;
    return nullptr;
}

std::string spelled(const Option& option) {
    return std::string(option.name) + (option.value.empty() ? "" : "=" + std::string(option.value));
}

}  // namespace

std::string_view MethodName(PayoutMethod method) {
    for (const methods::BuiltInMethod& builtIn : methods::kBuiltInMethods)
        if (builtIn.method == method) return builtIn.commandName;
    return {};
}

std::string MethodFilesHelp() {
    return "A method file is a small TOML file that describes a payout method of your own. For example:\n\n" +
           indented(methods::kMethodFileExample, "    ") +
           "\n"
           "Every number is a percentage with at most two decimals; each list adds up to exactly 100.\n"
           "The method pays the numbers of Ds under [divisions], and one D, which takes the whole pool.\n"
           "A row of [places] may end in 0s, and never grows from one place to the next. Files in the\n"
           "methods folder are found by their name: --list-methods shows the folder. --show-method=nbha4d\n"
           "prints a built-in method as a file to start from; --check-method=FILE checks one.\n";
}

bool ParseToolArguments(int argc, const char* const* argv, ToolRequest& request, std::string& error) {
    for (int i = 0; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg.size() < 3 || arg.substr(0, 2) != "--") {
            error = "unexpected argument " + ShownValue(arg);
            return false;
        }
        const std::size_t equals = arg.find('=');
        const std::string_view name = arg.substr(0, equals);
        const Option* option = findOption(name);
        if (option == nullptr) {
            error = "unknown option " + ShownValue(name);
            return false;
        }
        std::string_view value;
        if (option->value.empty()) {
            if (equals != std::string_view::npos) {
                error = std::string(name) + " takes no value, got " + ShownValue(arg.substr(equals + 1));
                return false;
            }
        } else if (equals != std::string_view::npos) {
            value = arg.substr(equals + 1);
        } else if (i + 1 < argc) {
            value = argv[++i];  // taken as it stands, so "--places -3" is a value
        } else {
            error = std::string(name) + " needs a value";
            return false;
        }
        if (!option->apply(name, value, request, error)) return false;
        // The first option that asks for something other than a calculation wins; the rest is
        // not looked at.
        if (request.action != ToolRequest::Action::Calculate) return true;
    }
    if (request.openReport && request.reportPath.empty()) {
        error = "--open needs --report=FILE";
        return false;
    }
    if (!request.methodName.empty() && !request.methodFile.empty()) {
        error = "--method and --method-file cannot both be given";
        return false;
    }
    request.params = engine::NormalisedParameters(request.params);
    return true;
}

std::vector<OptionHelp> ToolOptionHelp() {
    std::vector<OptionHelp> help;
    for (const Option& option : kOptions)
        help.push_back({spelled(option), std::string(option.help), option.shownDefault});
    return help;
}

std::string ToolUsage() {
    constexpr std::size_t kUsageWidth = 100;
    constexpr std::size_t kHelpColumn = 20;
    const std::string lead = "Usage: " + std::string(kToolName);
    std::string usage = lead;
    std::size_t lineStart = 0;
    for (const Option& option : kOptions) {
        const std::string word = " [" + spelled(option) + "]";
        if (usage.size() - lineStart + word.size() > kUsageWidth) {
            usage += "\n";
            lineStart = usage.size();
            usage += std::string(lead.size(), ' ');
        }
        usage += word;
    }
    usage +=
        "\n\n"
        "Divides the money of a 4D barrel-racing event and prints the payout listing, line for line\n"
        "as the window shows it. Every option that takes a value also takes the form --name VALUE.\n\n";
    for (const Option& option : kOptions) {
        std::string line = "  " + spelled(option);
        line += line.size() < kHelpColumn ? std::string(kHelpColumn - line.size(), ' ') : "  ";
        std::string help(option.help);
        if (!option.shownDefault.empty()) help += " (default " + option.shownDefault + ")";
        for (std::size_t start = 0;;) {
            const std::size_t end = help.find('\n', start);
            usage += line + help.substr(start, end - start) + "\n";
            if (end == std::string::npos) break;
            start = end + 1;
            line = std::string(kHelpColumn, ' ');
        }
    }
    usage += "\nMethod files:\n" + MethodFilesHelp() + "\n";
    usage += "Exit status: " + engine::FormatString("%d", {kStatusDone}) + " done; " +
             engine::FormatString("%d", {kStatusNotWritten}) +
             " the listing or the report could not be written, or the editor not started;\n" +
             engine::FormatString("%d", {kStatusBadArguments}) +
             " bad arguments, a bad method file, or an event the method cannot pay.\n";
    return usage;
}

}  // namespace vantry::cli
