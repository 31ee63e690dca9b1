#include "payout_tool.h"

#include <cerrno>
#include <cstring>
#include <optional>
#include <string>

#include "float_conversion.h"
#include "message_text.h"
#include "number_text.h"
#include "payout_export.h"
#include "results_listing.h"
#include "product_info.h"
#include "standard_streams.h"

namespace vantry::cli {

namespace {

bool writeLines(std::FILE* out, const engine::ResultListing& lines) {
    for (const std::string& line : lines) {
        if (std::fwrite(line.data(), 1, line.size(), out) != line.size() || std::fputc('\n', out) == EOF)
            return false;
    }
    return true;
}

bool writeText(std::FILE* out, const std::string& text) {
    return std::fwrite(text.data(), 1, text.size(), out) == text.size() && std::fflush(out) == 0;
}

// Every message is one line, whatever the values and the system's reasons hold.
int fail(std::FILE* err, int status, std::string_view message) {
    const std::string line = std::string(kToolName) + ": " + OneLine(message) + "\n";
    std::fputs(line.c_str(), err);
    return status;
}


std::string tooLargeToList(const engine::PayoutParameters& p) {
    using engine::ShortestText;
    return "the amounts are too large to list: riders " + engine::FormatString("%d", {p.riderCount}) + ", fee " +
           ShortestText(p.entryFee) + ", added money " + ShortestText(p.addedMoney) + ", payoff " +
           ShortestText(p.payoffPercent) + " % give a listing line over " +
           engine::FormatString("%d", {static_cast<int>(engine::kListingLineMax)}) + " characters";
}

}  // namespace

int RunPayoutTool(int argc, const char* const* argv, std::FILE* out, std::FILE* err,
                  const report::ViewerRunner& viewer) {
    ToolRequest request;
    std::string error;
    if (!ParseToolArguments(argc, argv, request, error)) return fail(err, kStatusBadArguments, error);
    if (request.action == ToolRequest::Action::Help) return writeText(out, ToolUsage()) ? kStatusDone : kStatusNotWritten;
    if (request.action == ToolRequest::Action::Version)
        return writeText(out, std::string(kToolName) + " " + std::string(product::kVersion) + "\n") ? kStatusDone
                                                                                                 : kStatusNotWritten;

    // Nothing is printed for an event whose listing would cut an amount mid-number, nor for a
    // report target that cannot be written.
    const engine::ListedPayout listed = engine::ListPayout(request.params, request.method);
    const engine::ResultListing& lines = listed.lines;
    if (engine::HasCutLine(lines)) return fail(err, kStatusBadArguments, tooLargeToList(request.params));
    if (!request.reportPath.empty() && !report::CheckReportTarget(request.reportPath, error))
        return fail(err, kStatusNotWritten, "cannot write the report " + error);

    bool printed = false;
    switch (request.format) {
        case ToolRequest::Format::Text: printed = writeLines(out, lines) && std::fflush(out) == 0; break;
        case ToolRequest::Format::Csv:
            UseBinaryOutput(out);
            printed = writeText(out, PayoutCsv(listed.table, MethodName(request.method)));
            break;
        case ToolRequest::Format::Json:
            UseBinaryOutput(out);
            printed = writeText(out, PayoutJson(listed.table, MethodName(request.method)));
            break;
    }
    if (!printed) return fail(err, kStatusNotWritten, std::string("cannot write the listing: ") + std::strerror(errno));
    if (!request.reportPath.empty()) {
        std::optional<report::ViewerCommand> editor;
        if (request.openReport) editor = report::ViewerCommandForUserFile(request.reportPath);
        const report::ReportOutcome report = report::WriteReport(lines, request.reportPath, editor, viewer);
        if (!report.written) return fail(err, kStatusNotWritten, "cannot write the report " + report.error);
        if (!report.viewerError.empty()) return fail(err, kStatusNotWritten, "cannot open the report: " + report.viewerError);
    }
    return kStatusDone;
}

}  // namespace vantry::cli
