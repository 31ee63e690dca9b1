#include "cli/payout_tool.h"

#include <cerrno>
#include <cstring>
#include <string>

#include "cli/message_text.h"
#include "cli/method_choice.h"
#include "cli/payout_export.h"
#include "cli/standard_streams.h"
#include "engine/float_conversion.h"
#include "engine/number_text.h"
#include "engine/results_listing.h"
#include "methods/installed_methods.h"
#include "product_info.h"
#include "report/report_writer.h"

namespace vantry::cli {

namespace {

bool writeLines(std::FILE* out, const engine::ResultListing& lines) {
    for (const std::string& line : lines) {
        if (std::fwrite(line.data(), 1, line.size(), out) != line.size() || std::fputc('\n', out) == EOF) return false;
    }
    return true;
}

bool writeText(std::FILE* out, const std::string& text) {
    return std::fwrite(text.data(), 1, text.size(), out) == text.size() && std::fflush(out) == 0;
}

// A text the tool was asked for, printed; one it could not print is status 1, with the reason.
int printed(std::FILE* out, std::FILE* err, const std::string& text, std::string_view what);

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

// A method file's problems, one line each, as a compiler gives its errors.
int failWithProblems(std::FILE* err, const MethodRefusal& refusal) {
    if (refusal.problemLines.empty()) return fail(err, kStatusBadArguments, refusal.sentence);
    std::string lines;
    for (const std::string& line : refusal.problemLines) lines += OneLine(line) + "\n";
    std::fputs(lines.c_str(), err);
    return kStatusBadArguments;
}

// The actions that print something about methods and end.
int runMethodAction(const ToolRequest& request, std::FILE* out, std::FILE* err) {
    std::string text;
    if (request.action == ToolRequest::Action::ListMethods) {
        text = MethodList(methods::FindInstalledMethods());
    } else {
        ChosenMethod chosen;
        MethodRefusal refusal;
        const bool checking = request.action == ToolRequest::Action::CheckMethod;
        if (!ChooseMethod(checking ? std::string() : request.shownMethod,
                          checking ? request.checkedFile : std::string(), chosen, refusal)) {
            if (!checking && refusal.sentence.starts_with("--method:")) refusal.sentence.replace(0, 8, "--show-method");
            return failWithProblems(err, refusal);
        }
        text = checking ? methods::MethodSummary(chosen.rules, chosen.note)
                        : methods::MethodFileText(chosen.rules, chosen.note);
    }
    return printed(out, err, text,
                   request.action == ToolRequest::Action::ListMethods   ? "the list of methods"
                   : request.action == ToolRequest::Action::CheckMethod ? "the method's tables"
                                                                        : "the method file");
}

int printed(std::FILE* out, std::FILE* err, const std::string& text, std::string_view what) {
    errno = 0;
    if (writeText(out, text)) return kStatusDone;
    return fail(err, kStatusNotWritten,
                "cannot write " + std::string(what) + ": " + std::strerror(errno != 0 ? errno : EIO));
}

}  // namespace

int RunPayoutTool(int argc, const char* const* argv, std::FILE* out, std::FILE* err,
                  const platform::ViewerRunner& viewer) {
    ToolRequest request;
    std::string error;
    if (!ParseToolArguments(argc, argv, request, error)) return fail(err, kStatusBadArguments, error);
    if (request.action == ToolRequest::Action::Help) return printed(out, err, ToolUsage(), "the help");
    if (request.action == ToolRequest::Action::Version)
        return printed(out, err, std::string(kToolName) + " " + std::string(product::kVersion) + "\n", "the version");

    if (request.action != ToolRequest::Action::Calculate) return runMethodAction(request, out, err);

    ChosenMethod method;
    MethodRefusal refusal;
    if (!ChooseMethod(request.methodName, request.methodFile, method, refusal)) return failWithProblems(err, refusal);
    if (const std::string why = engine::WhyMethodCannotPay(method.rules, request.params); !why.empty())
        return fail(err, kStatusBadArguments, why);

    // Nothing is printed for an event whose listing would cut an amount mid-number, nor for a
    // report target that cannot be written.
    const engine::ListedPayout listed = engine::ListPayout(request.params, method.rules);
    const engine::ResultListing& lines = listed.lines;
    if (engine::HasCutLine(lines)) return fail(err, kStatusBadArguments, tooLargeToList(request.params));
    if (!request.reportPath.empty() && !report::CheckReportTarget(request.reportPath, error))
        return fail(err, kStatusNotWritten, "cannot write the report " + error);

    bool written = false;
    errno = 0;
    switch (request.format) {
        case ToolRequest::Format::Text: written = writeLines(out, lines) && std::fflush(out) == 0; break;
        case ToolRequest::Format::Csv:
            UseBinaryOutput(out);
            written = writeText(out, PayoutCsv(listed.table, method.exportName));
            break;
        case ToolRequest::Format::Json:
            UseBinaryOutput(out);
            written = writeText(out, PayoutJson(listed.table, method.exportName));
            break;
    }
    if (!written)
        return fail(err, kStatusNotWritten,
                    std::string("cannot write the listing: ") + std::strerror(errno != 0 ? errno : EIO));
    if (!request.reportPath.empty()) {
        report::ReportOpener open;
        if (request.openReport) open = [&] { return viewer(platform::ViewerCommandForUserFile(request.reportPath)); };
        const report::ReportOutcome report = report::WriteReport(lines, request.reportPath, open);
        if (!report.written) return fail(err, kStatusNotWritten, "cannot write the report " + report.error);
        if (!report.viewerError.empty())
            return fail(err, kStatusNotWritten, "cannot open the report: " + report.viewerError);
    }
    return kStatusDone;
}

}  // namespace vantry::cli
