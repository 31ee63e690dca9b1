#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "product_info.h"

// The paged, 80-column plain-text report a producer edits and prints: on every page a title
// line with the page number, the owner notice and an empty line, then 51 body lines; a form feed
// before every page but the first.

namespace vantry::report {

inline constexpr std::string_view kReportTitle = product::kName;
inline constexpr std::string_view kOwnerNotice = product::kOwnerNotice;
inline constexpr int kBodyLinesPerPage = 51;

// The file "Edit/Print Payout" writes, in the working folder, and hands to the editor.
inline constexpr std::string_view kReportFileName = "report.txt";

struct ReportOutcome {
    bool written = false;
    std::string error;        // when not written: the file name and the system's reason
    std::string reason;       // the system's reason alone
    std::string viewerError;  // when written but the editor could not be started: why
};

// Opens a report once it is written and closed (the platform's editor, handed in by the caller),
// and waits for it; returns why it could not, or nothing.
using ReportOpener = std::function<std::string()>;

// The pages alone: `lines` under a header on every page, written to an open file. False when a
// write failed; nothing more is written after one.
bool WritePages(std::FILE* file, const std::vector<std::string>& lines);

namespace detail {
// A header line as the pages carry the owner notice: `text` centred in 80 columns (at most 80
// characters of it), the empty columns blank, cut at 79 characters.
std::string CentredHeaderLine(std::string_view text);
}  // namespace detail

// Writes `lines` as the report `path` (text mode) and, only when the whole report is safely in
// place, calls `open` and waits for it. The report is written to a scratch file
// beside the target and moved over it in one step, so a failed write leaves any earlier report
// exactly as it was. A symbolic link is followed and the file it leads to replaced. A target
// that exists and is not a regular file (a FIFO, a device, a folder) is refused before anything
// is written.
ReportOutcome WriteReport(const std::vector<std::string>& lines, const std::string& path,
                          const ReportOpener& open = nullptr);

// The report's full path, as a producer is told where it is: the working folder's path before a
// relative name. In the system's own encoding of names (the ANSI code page on Windows).
std::string FullPath(const std::string& path);

// Whether a report could be written to `path`: false, with "<path>: <reason>", when the target
// exists and is not a regular file or cannot be looked at. Writes nothing.
bool CheckReportTarget(const std::string& path, std::string& error);

}  // namespace vantry::report
