#include "payout_tool.h"

#include <cerrno>
#include <cstring>
#include <optional>
#include <string>

#include "product_info.h"
#include "results_listing.h"

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

}  // namespace

int RunPayoutTool(int argc, const char* const* argv, std::FILE* out, std::FILE* err,
                  const report::ViewerRunner& viewer) {
    const std::string name(kToolName);
    ToolRequest request;
    std::string error;
    if (!ParseToolArguments(argc, argv, request, error)) {
        std::fprintf(err, "%s: %s\n", name.c_str(), error.c_str());
        return 2;
    }
    if (request.action == ToolRequest::Action::Help) return writeText(out, ToolUsage()) ? 0 : 1;
    if (request.action == ToolRequest::Action::Version)
        return writeText(out, name + " " + std::string(product::kVersion) + "\n") ? 0 : 1;

    // A report target that cannot be written is refused before anything is printed.
    if (!request.reportPath.empty() && !report::CheckReportTarget(request.reportPath, error)) {
        std::fprintf(err, "%s: cannot write the report %s\n", name.c_str(), error.c_str());
        return 1;
    }

    const engine::ResultListing lines = engine::RenderListing(request.params, request.method);
    if (!writeLines(out, lines) || std::fflush(out) != 0) {
        std::fprintf(err, "%s: cannot write the listing: %s\n", name.c_str(), std::strerror(errno));
        return 1;
    }
    if (!request.reportPath.empty()) {
        std::optional<report::ViewerCommand> editor;
        if (request.openReport) editor = report::ViewerCommandForUserFile(request.reportPath);
        const report::ReportOutcome report = report::WriteReport(lines, request.reportPath, editor, viewer);
        if (!report.written) {
            std::fprintf(err, "%s: cannot write the report %s\n", name.c_str(), report.error.c_str());
            return 1;
        }
        if (!report.viewerError.empty()) {
            std::fprintf(err, "%s: cannot open the report: %s\n", name.c_str(), report.viewerError.c_str());
            return 1;
        }
    }
    return 0;
}

}  // namespace vantry::cli
