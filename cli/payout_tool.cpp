#include "payout_tool.h"

#include <cerrno>
#include <cstring>
#include <string_view>

#include "number_text.h"
#include "payout_calculation.h"
#include "report_writer.h"
#include "results_listing.h"

namespace {

constexpr const char* kToolName = "vantry-payout";

constexpr const char* kUsage =
    "Usage: vantry-payout [--method=ibra|brn4d|nbha4d] [--riders=N] [--fee=DOLLARS] [--added=DOLLARS]\n"
    "                     [--payoff=PERCENT] [--ds=N] [--places=N] [--help] [--version]\n"
    "                     [--report=FILE [--open]]\n"
    "\n"
    "Divides the money of a 4D barrel-racing event and prints the payout listing, line for line\n"
    "as the Quorvath Payout Calculator shows it. Every option also takes the form --name VALUE.\n"
    "\n"
    "  --method=NAME     payout method: ibra, brn4d or nbha4d (default nbha4d)\n"
    "  --riders=N        riders entered (default 40)\n"
    "  --fee=DOLLARS     entry fee per rider (default 50)\n"
    "  --added=DOLLARS   added money (default 100)\n"
    "  --payoff=PERCENT  percentage of the entry fees paid back (default 70)\n"
    "  --ds=N            Ds to pay; 1 to 6, anything else pays 7 (default 4)\n"
    "  --places=N        places paid in each D, at most 30; 0 or less chooses them so that\n"
    "                    the last place of the last D gets at least the entry fee (default 0)\n"
    "  --report=FILE     also write the paged report of the listing to FILE\n"
    "  --open            then open FILE in the desktop's text editor\n"
    "  --help            show this help and exit\n"
    "  --version         show the version and exit\n"
    "\n"
    "Exit status: 0 done, 1 the listing or the report could not be written, 2 bad arguments.\n";

std::string quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

bool readWhole(std::string_view name, std::string_view text, std::int32_t& value, std::string& error) {
    switch (ParseWholeInt(text, value)) {
        case ParseStatus::Ok: return true;
        case ParseStatus::NotANumber:
            error = std::string(name) + ": " + quoted(text) + " is not a whole number";
            return false;
        case ParseStatus::OutOfRange: break;
    }
    error = std::string(name) + ": " + quoted(text) + " is outside the signed 32-bit range";
    return false;
}

bool readAmount(std::string_view name, std::string_view text, double& value, std::string& error) {
    switch (ParseWholeReal(text, value)) {
        case ParseStatus::Ok: return true;
        case ParseStatus::NotANumber:
            error = std::string(name) + ": " + quoted(text) + " is not a number";
            return false;
        case ParseStatus::OutOfRange: break;
    }
    error = std::string(name) + ": " + quoted(text) + " is too large to be an amount";
    return false;
}

bool readMethod(std::string_view text, PayoutMethod& method, std::string& error) {
    if (text == "ibra") method = PayoutMethod::Ibra;
    else if (text == "brn4d") method = PayoutMethod::Brn4d;
    else if (text == "nbha4d") method = PayoutMethod::Nbha4d;
    else {
        error = "--method: " + quoted(text) + " is not one of ibra, brn4d, nbha4d";
        return false;
    }
    return true;
}

bool applyOption(std::string_view name, std::string_view value, ToolRequest& request, std::string& error) {
    PayoutParameters& p = request.params;
    if (name == "--method") return readMethod(value, request.method, error);
    if (name == "--report") {
        request.reportPath = value;
        if (!value.empty()) return true;
        error = "--report: the file name is empty";
        return false;
    }
    if (name == "--riders") return readWhole(name, value, p.riderCount, error);
    if (name == "--fee") return readAmount(name, value, p.entryFee, error);
    if (name == "--added") return readAmount(name, value, p.addedMoney, error);
    if (name == "--payoff") return readAmount(name, value, p.payoffPercent, error);
    if (name == "--ds") return readWhole(name, value, p.dsToPay, error);
    if (name == "--places") {
        if (!readWhole(name, value, p.places, error)) return false;
        if (p.places > kMaxPlaces) p.places = kMaxPlaces;  // as the dialog stores it
        return true;
    }
    error = "unknown option " + quoted(name);
    return false;
}

bool isFlag(std::string_view name) { return name == "--help" || name == "--version" || name == "--open"; }

bool isValueOption(std::string_view name) {
    for (const char* known : {"--method", "--riders", "--fee", "--added", "--payoff", "--ds", "--places", "--report"})
        if (name == known) return true;
    return false;
}

bool writeLines(std::FILE* out, const ResultListing& lines) {
    for (const std::string& line : lines) {
        if (std::fwrite(line.data(), 1, line.size(), out) != line.size() || std::fputc('\n', out) == EOF)
            return false;
    }
    return true;
}

}  // namespace

bool ParseToolArguments(int argc, const char* const* argv, ToolRequest& request, std::string& error) {
    for (int i = 0; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg.size() < 3 || arg.substr(0, 2) != "--") {
            error = "unexpected argument " + quoted(arg);
            return false;
        }
        const std::size_t equals = arg.find('=');
        const std::string_view name = arg.substr(0, equals);
        if (isFlag(name)) {
            if (equals != std::string_view::npos) {
                error = std::string(name) + " takes no value, got " + quoted(arg.substr(equals + 1));
                return false;
            }
            if (name == "--open") {
                request.openReport = true;
                continue;
            }
            // The first of --help and --version wins; the rest is not looked at.
            request.action = name == "--help" ? ToolRequest::Action::Help : ToolRequest::Action::Version;
            return true;
        }
        if (!isValueOption(name)) {
            error = "unknown option " + quoted(name);
            return false;
        }
        std::string_view value;
        if (equals != std::string_view::npos) {
            value = arg.substr(equals + 1);
        } else if (i + 1 < argc) {
            value = argv[++i];  // taken as it stands, so "--places -3" is a value
        } else {
            error = std::string(name) + " needs a value";
            return false;
        }
        if (!applyOption(name, value, request, error)) return false;
    }
    if (request.openReport && request.reportPath.empty()) {
        error = "--open needs --report=FILE";
        return false;
    }
    return true;
}

int RunPayoutTool(int argc, const char* const* argv, std::FILE* out, std::FILE* err,
                  const CommandRunner& viewer) {
    ToolRequest request;
    std::string error;
    if (!ParseToolArguments(argc, argv, request, error)) {
        std::fprintf(err, "%s: %s\n", kToolName, error.c_str());
        return 2;
    }
    if (request.action == ToolRequest::Action::Help) {
        std::fputs(kUsage, out);
        return std::fflush(out) == 0 ? 0 : 1;
    }
    if (request.action == ToolRequest::Action::Version) {
        std::fprintf(out, "%s %s\n", kToolName, VANTRY_VERSION);
        return std::fflush(out) == 0 ? 0 : 1;
    }

    ResultListing lines = RenderParameterLines(request.params);
    const PayoutResult result = CalculatePayout(request.params, request.method);
    const ResultListing rest = RenderResultLines(request.params, request.method, result);
    lines.insert(lines.end(), rest.begin(), rest.end());

    if (!writeLines(out, lines) || std::fflush(out) != 0) {
        std::fprintf(err, "%s: cannot write the listing: %s\n", kToolName, std::strerror(errno));
        return 1;
    }
    if (!request.reportPath.empty()) {
        const CommandRunner noViewer;
        const ReportOutcome report = WriteReport(lines, request.reportPath, request.openReport ? viewer : noViewer);
        if (!report.written) {
            std::fprintf(err, "%s: cannot write the report %s\n", kToolName, report.error.c_str());
            return 1;
        }
    }
    return 0;
}
