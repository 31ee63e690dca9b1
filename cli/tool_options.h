#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/payout_types.h"

namespace vantry::cli {

// What the command line asks for.
struct ToolRequest {
    enum class Action { Calculate, Help, Version, ListMethods, CheckMethod, ShowMethod };
    enum class Format { Text, Csv, Json };
    Action action = Action::Calculate;
    Format format = Format::Text;
    engine::PayoutParameters params;  // starts at the dialog's initial values
    // The method, by name (a built-in or an installed method) or by file; neither: the default.
    // Names and files are looked up when the tool runs, not while the arguments are read.
    std::string methodName;
    std::string methodFile;
    std::string checkedFile;  // --check-method
    std::string shownMethod;  // --show-method
    std::string reportPath;   // empty: no report
    bool openReport = false;
};

// Fills `request` from the arguments (argv[0] excluded). On bad input returns false with the
// one-line reason in `error`, without the program name. The parameters come out normalised.
bool ParseToolArguments(int argc, const char* const* argv, ToolRequest& request, std::string& error);

// The --help text, made from the same option table the arguments are parsed with.
std::string ToolUsage();

// What --help and the manual page say of method files, around the example file.
std::string MethodFilesHelp();

// Each option as the documentation shows it, from that table: as written ("--riders=N"), what it
// does (lines joined with '\n'), and its default ("" when it has none).
struct OptionHelp {
    std::string spelled;
    std::string help;
    std::string shownDefault;
};
std::vector<OptionHelp> ToolOptionHelp();

// The tool's exit statuses.
inline constexpr int kStatusDone = 0;
inline constexpr int kStatusNotWritten = 1;    // the listing, the report or the editor hand-off failed
inline constexpr int kStatusBadArguments = 2;  // nothing was printed (a bad method file is bad input too)

inline constexpr std::string_view kToolName = "vantry-payout";

// The built-in method's name on the command line and in the tool's CSV and JSON: ibra, brn4d,
// nbha4d. A method from a file goes by its own name.
std::string_view MethodName(engine::PayoutMethod method);

inline constexpr engine::PayoutMethod kDefaultMethod = engine::PayoutMethod::Nbha4d;

}  // namespace vantry::cli
