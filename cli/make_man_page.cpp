// Build tool: writes the manual page vantry-payout(1) in troff's man macros, its OPTIONS made
// from the tool's own option table, so that an option is documented where it is parsed.
//
//   make_man_page DATE > vantry-payout.1
#include <cstdio>
#include <string>

#include "cli/tool_options.h"
#include "methods/method_file.h"
#include "product_info.h"
#include "report/report_writer.h"

namespace {

using namespace vantry;

// Text as troff reads it: backslashes doubled, a line never starting with '.' or '\''.
std::string troff(std::string_view text) {
    std::string out;
    bool lineStart = true;
    for (char c : text) {
        if (lineStart && (c == '.' || c == '\'')) out += "\\&";
        if (c == '\\') out += "\\e";
        else if (c == '-') out += "\\-";
        else out += c;
        lineStart = c == '\n';
    }
    return out;
}

// "--riders=N" as "\fB\-\-riders\fR=\fIN\fR".
std::string optionTerm(const std::string& spelled) {
    const std::size_t equals = spelled.find('=');
    if (equals == std::string::npos) return "\\fB" + troff(spelled) + "\\fR";
    return "\\fB" + troff(spelled.substr(0, equals)) + "\\fR=\\fI" + troff(spelled.substr(equals + 1)) + "\\fR";
}

std::string joinedHelp(const cli::OptionHelp& option) {
    std::string help = option.help;
    for (char& c : help)
        if (c == '\n') c = ' ';
    if (!option.shownDefault.empty()) help += " (default " + option.shownDefault + ")";
    return help + ".";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: make_man_page DATE\n", stderr);
        return 2;
    }
    std::string page = ".TH VANTRY\\-PAYOUT 1 \"" + std::string(argv[1]) + "\" \"" + troff(product::kName) + " " +
                       std::string(product::kVersion) + "\" \"User Commands\"\n";
    page += ".SH NAME\nvantry\\-payout \\- divide the money of a 4D barrel\\-racing event\n";
    page += ".SH SYNOPSIS\n.B vantry\\-payout\n[\\fIOPTION\\fR]...\n";
    page +=
        ".SH DESCRIPTION\n"
        "Divides the money of a 4D event: the entry fees, less the producer's share, plus the added money, "
        "form a pool; the pool is split among the divisions (Ds) and each D's share among its places, "
        "by one of three association\\-style methods. The tool prints the payout listing line for line as "
        "the window program \\fBvantry\\fR(1) shows it, or the same payouts as CSV or JSON.\n"
        ".PP\nEvery option that takes a value also takes the form \\fB\\-\\-name\\fR \\fIVALUE\\fR.\n";
    page += ".SH OPTIONS\n";
    for (const cli::OptionHelp& option : cli::ToolOptionHelp())
        page += ".TP\n" + optionTerm(option.spelled) + "\n" + troff(joinedHelp(option)) + "\n";
    page +=
        ".SH OUTPUT\n"
        "With \\fB\\-\\-format=csv\\fR, a header row \\fBmethod,division,place,amount,percent\\fR and one row "
        "per paid place of every listed D, with CR LF line ends. With \\fB\\-\\-format=json\\fR, one JSON "
        "object on one line; money and percentages are strings holding the listing's exact text. The "
        "amounts are always those the listing prints, with a '.' point in every locale.\n";
    page +=
        ".SH METHOD FILES\n"
        "A method file is a small TOML file that describes a payout method of your own. Every key it may "
        "hold is in this example:\n.PP\n.EX\n" +
        troff(vantry::methods::kMethodFileExample) +
        ".EE\n.PP\n"
        "Every number is a percentage with at most two decimals, and each list adds up to exactly 100. "
        "The method pays the numbers of Ds listed under [divisions], and one D, which takes the whole pool; "
        "an event with any other number of Ds is refused, as is a number of places the method has no row for. "
        "A row of [places] never grows from one place to the next, and may end in 0s. With "
        "\\(lqwhole\\-dollars\\(rq the amounts are listed in whole dollars and the automatic places are judged on "
        "the rounded amount; with \\(lqevenly\\(rq each D paid gets its share of the entry money kept for the "
        "riders plus an equal part of the added money. A mistake in a file is an error, given as "
        "FILE:LINE:COLUMN, never a guess.\n.PP\n"
        "Installed methods are the files ending in .toml in the methods folder, "
        "\\fI$XDG_CONFIG_HOME/" +
        troff(vantry::product::kPackageName) + "/methods\\fR (\\fI~/.config/" + troff(vantry::product::kPackageName) +
        "/methods\\fR when XDG_CONFIG_HOME is not set); the tool finds one by its name, in any case. "
        "\\fB\\-\\-show\\-method\\fR=\\fInbha4d\\fR prints a built\\-in method as a file to start from.\n";
    page +=
        ".SH REPORT\n"
        "\\fB\\-\\-report\\fR writes the paged, 80\\-column report of the listing, whatever the format: "
        "a title and page number, the owner notice and an empty line on every page, then " +
        std::to_string(vantry::report::kBodyLinesPerPage) +
        " lines. The "
        "report is written to a scratch file beside the target and moved over it only when complete, so a "
        "failed write leaves an earlier report as it was. A target that is not a regular file is refused. "
        "\\fB\\-\\-open\\fR then hands the file's absolute path to \\fBxdg\\-open\\fR(1) and waits for it.\n";
    page += ".SH EXIT STATUS\n.TP\n" + std::to_string(cli::kStatusDone) +
            "\nThe listing was printed (and the report written and opened, when asked).\n.TP\n" +
            std::to_string(cli::kStatusNotWritten) +
            "\nThe listing or the report could not be written, or the editor could not be started.\n.TP\n" +
            std::to_string(cli::kStatusBadArguments) +
            "\nThe arguments or the method file were refused, the method cannot pay the event, or the amounts are "
            "too large to list; nothing was printed.\n";
    page +=
        ".SH EXAMPLES\n.EX\nvantry\\-payout \\-\\-method=ibra \\-\\-riders=55 \\-\\-fee=25 \\-\\-ds=2\n"
        "vantry\\-payout \\-\\-riders=120 \\-\\-format=csv > payouts.csv\n"
        "vantry\\-payout \\-\\-report=report.txt \\-\\-open\n.EE\n";
    page += ".SH SEE ALSO\n\\fBvantry\\fR(1)\n";
    std::fputs(page.c_str(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
