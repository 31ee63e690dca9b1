#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "product_info.h"

namespace vantry::report {

// The paged, 80-column plain-text report a producer edits and prints: on every page a title
// line with the page number, the owner notice and an empty line, then 51 body lines; a form feed
// before every page but the first.

inline constexpr std::string_view kReportTitle = product::kName;
inline constexpr std::string_view kOwnerNotice = product::kOwnerNotice;
inline constexpr int kBodyLinesPerPage = 51;

// The file "Edit/Print Payout" writes, in the working folder, and hands to the editor.
inline constexpr std::string_view kReportFileName = "report.txt";

// Hands a command line to the command processor and waits for it. The result is not looked at;
// tests pass their own runner so that no editor is ever started.
using CommandRunner = std::function<void(const std::string& command)>;
void RunWithCommandProcessor(const std::string& command);

// The platform's way of opening a text file in the user's editor, e.g. "notepad report.txt".
std::string ViewerCommandFor(const std::string& path);

struct ReportOutcome {
    bool written = false;
    std::string error;  // when not written: the file name and the system's reason
};

// Writes `lines` to `path` (created or truncated, text mode), closes it, and only when every
// write and the close succeeded hands ViewerCommandFor(path) to `viewer`. A report that could
// not be written completely is never shown as if it were.
ReportOutcome WriteReport(const std::vector<std::string>& lines, const std::string& path,
                          const CommandRunner& viewer, std::string_view notice = kOwnerNotice);

}  // namespace vantry::report
