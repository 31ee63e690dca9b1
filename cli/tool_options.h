#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "payout_types.h"

namespace vantry::cli {

// What the command line asks for.
struct ToolRequest {
    enum class Action { Calculate, Help, Version };
    enum class Format { Text, Csv, Json };
    Action action = Action::Calculate;
    Format format = Format::Text;
    engine::PayoutParameters params;  // starts at the dialog's initial values
    engine::PayoutMethod method = engine::PayoutMethod::Nbha4d;
    std::string reportPath;  // empty: no report
    bool openReport = false;
};

// Fills `request` from the arguments (argv[0] excluded). On bad input returns false with the
// one-line reason in `error`, without the program name. The parameters come out normalised.
bool ParseToolArguments(int argc, const char* const* argv, ToolRequest& request, std::string& error);

// The --help text, made from the same option table the arguments are parsed with.
std::string ToolUsage();

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
inline constexpr int kStatusBadArguments = 2;  // nothing was printed

inline constexpr std::string_view kToolName = "vantry-payout";

// The method's name on the command line and in the tool's CSV and JSON: ibra, brn4d, nbha4d.
std::string_view MethodName(engine::PayoutMethod method);

}  // namespace vantry::cli
