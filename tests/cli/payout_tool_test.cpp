#include "cli/payout_tool.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/common/scratch_folder.h"
#include "tests/common/tool_run.h"
#include "tests/common/typed_command.h"

using namespace vantry::cli;
using vantry::platform::ViewerCommandForUserFile;

namespace {

std::vector<std::string> viewerCommands;

// Runs the tool with the editor hand-off noted rather than made.
ToolRun run(std::vector<const char*> args) {
    viewerCommands.clear();
    return RunTool(args, [](const vantry::platform::ViewerCommand& command) {
        viewerCommands.push_back(Typed(command));
        return std::string();
    });
}

TEST(PayoutTool, DefaultEventPrintsTheDialogsListing) {
    const ToolRun r = run({});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out.substr(0, 48), "Payoff Results using the following parameters:\nR");
    EXPECT_NE(r.out.find("\nNBHA 4D payout to 2 placings, Pool = $1500.00, Producer = $600.00\n"), std::string::npos);
    EXPECT_EQ(r.out.substr(r.out.size() - 27), "\n    2 = $90.00   (40.00%)\n");
}

TEST(PayoutTool, OptionsInBothFormsSetTheEvent) {
    const ToolRun r = run(
        {"--method=ibra", "--riders", "11", "--fee=25", "--added", "0", "--payoff=70", "--ds", "2", "--places", "-3"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "Payoff Results using the following parameters:\n"
              "Rider Count = 11, Entry Fee = $25.00, Added Money = $0.00, Places = -3\n"
              "D's to Pay = 2, Payoff Percentage = 70\n"
              "\n"
              "IBRA payout to 2 placings, Pool = $ 193, Producer = $  83\n"
              "\n"
              "1D: Total = $116   (60%)\n"
              "    1 = $ 69   (60.00%)\n"
              "    2 = $ 46   (40.00%)\n"
              "\n"
              "2D: Total = $ 77   (40%)\n"
              "    1 = $ 46   (60.00%)\n"
              "    2 = $ 31   (40.00%)\n");
}

TEST(PayoutTool, PlacesAbove30AreShownAs30) {
    const ToolRun r = run({"--places=45", "--method", "brn4d"});
    ASSERT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Places = 30\n"), std::string::npos);
    EXPECT_NE(r.out.find("BRN4D payout to 30 placings"), std::string::npos);
}

TEST(PayoutTool, BadInputIsOneLineOnStderrAndStatus2) {
    struct Case {
        std::vector<const char*> args;
        const char* message;
    };
    const Case cases[] = {
        {{"--bogus=1"}, "vantry-payout: unknown option \"--bogus\"\n"},
        {{"40"}, "vantry-payout: unexpected argument \"40\"\n"},
        {{"-r"}, "vantry-payout: unexpected argument \"-r\"\n"},
        {{"--fee"}, "vantry-payout: --fee needs a value\n"},
        {{"--riders=4x"}, "vantry-payout: --riders: \"4x\" is not a whole number\n"},
        {{"--riders="}, "vantry-payout: --riders: \"\" is not a whole number\n"},
        {{"--ds=2.5"}, "vantry-payout: --ds: \"2.5\" is not a whole number\n"},
        {{"--places", "2147483648"}, "vantry-payout: --places: \"2147483648\" is outside the signed 32-bit range\n"},
        {{"--riders=-2147483649"}, "vantry-payout: --riders: \"-2147483649\" is outside the signed 32-bit range\n"},
        {{"--fee=abc"}, "vantry-payout: --fee: \"abc\" is not a number\n"},
        {{"--added= 5"}, "vantry-payout: --added: \" 5\" is not a number\n"},
        {{"--fee=inf"}, "vantry-payout: --fee: \"inf\" is not a number\n"},
        {{"--payoff=0x46"}, "vantry-payout: --payoff: \"0x46\" is not a number\n"},
        {{"--added=1e999"}, "vantry-payout: --added: \"1e999\" is too large to be an amount\n"},
        {{"--method=wpra"}, "vantry-payout: --method: \"wpra\" is not one of ibra, brn4d, nbha4d\n"},
        {{"--version=2"}, "vantry-payout: --version takes no value, got \"2\"\n"},
        {{"--open"}, "vantry-payout: --open needs --report=FILE\n"},
        {{"--report="}, "vantry-payout: --report: the file name is empty\n"},
        // A value is shown on the one line: control characters escaped, a long one cut.
        {{"--riders=5\n6"}, "vantry-payout: --riders: \"5\\n6\" is not a whole number\n"},
        {{"--x\ny"}, "vantry-payout: unknown option \"--x\\ny\"\n"},
        {{"--x"}, "vantry-payout: unknown option \"--x\"\n"},  // the shortest that is an option
        {{"--"}, "vantry-payout: unexpected argument \"--\"\n"},
        {{"--fee=\x1b[31mred"}, "vantry-payout: --fee: \"\\x1b[31mred\" is not a number\n"},
        {{"--method=\tibra\r"}, "vantry-payout: --method: \"\\tibra\\r\" is not one of ibra, brn4d, nbha4d\n"},
    };
    for (const Case& c : cases) {
        const ToolRun r = run(c.args);
        EXPECT_EQ(r.status, 2) << c.message;
        EXPECT_EQ(r.err, c.message);
        EXPECT_EQ(r.out, "");
    }
}

TEST(PayoutTool, AHugeValueMakesAShortMessage) {
    const std::string value = "--riders=12" + std::string(99998, '9');
    const ToolRun r = run({value.c_str()});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "vantry-payout: --riders: \"12" + std::string(58, '9') +
                         "...\" (100000 characters) is outside the signed 32-bit range\n");
}

TEST(PayoutTool, AmountsTooLargeToListAreRefusedBeforeAnythingIsPrinted) {
    struct Case {
        std::vector<const char*> args;
        const char* message;
    };
    const Case cases[] = {
        {{"--added=1e100"},
         "vantry-payout: the amounts are too large to list: riders 40, fee 50, added money 1e+100, payoff 70 % "
         "give a listing line over 132 characters\n"},
        {{"--fee=1e308", "--riders=1"},
         "vantry-payout: the amounts are too large to list: riders 1, fee 1e+308, added money 100, payoff 70 % "
         "give a listing line over 132 characters\n"},
    };
    for (const Case& c : cases) {
        const ToolRun r = run(c.args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, c.message);
        EXPECT_EQ(r.out, "");
    }
    EXPECT_EQ(run({"--added=1e50"}).status, 0);  // large, but every line still holds it
}

TEST(PayoutTool, HelpSaysWhatDsToPayDoes) {
    EXPECT_NE(
        run({"--help"})
            .out.find("  --ds=N            Ds to pay and list, 1 to 7; 8 or more pays and lists 7;\n"
                      "                    0 or less divides the pool as for 7 Ds but lists only 1D (default 4)\n"),
        std::string::npos);
    // And that is what happens.
    const ToolRun none = run({"--ds=0"});
    EXPECT_NE(none.out.find("\n1D: Total = $390.00   (26%)\n"), std::string::npos);  // the seven-D split's 1D
    EXPECT_EQ(none.out.find("2D:"), std::string::npos);
    const ToolRun eight = run({"--ds=8"});
    EXPECT_NE(eight.out.find("\n7D: Total = $120.00   ( 8%)\n"), std::string::npos);
}

TEST(PayoutTool, HelpAndVersionGoToStdout) {
    const ToolRun help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.substr(0, 29), "Usage: vantry-payout [--metho");
    EXPECT_EQ(help.err, "");
    const ToolRun version = run({"--riders=3", "--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.substr(0, 14), "vantry-payout ");
}

// Standard output that takes nothing (a stream open only for reading refuses every write, on
// every system): whatever was asked for, status 1 and the reason, never a quiet 0.
TEST(PayoutTool, UnwritableOutputIsAFailure) {
    const ScratchFolder folder("cli-unwritable");
    const std::string file = folder.file("read-only-output");
    std::ofstream(file) << "";
    const struct {
        std::vector<const char*> args;
        const char* said;
    } cases[] = {
        {{"--places=30"}, "vantry-payout: cannot write the listing: "},
        {{"--format=csv"}, "vantry-payout: cannot write the listing: "},
        {{"--format=json"}, "vantry-payout: cannot write the listing: "},
        {{"--help"}, "vantry-payout: cannot write the help: "},
        {{"--version"}, "vantry-payout: cannot write the version: "},
        {{"--show-method=ibra"}, "vantry-payout: cannot write the method file: "},
    };
    for (const auto& c : cases) {
        std::FILE* out = std::fopen(file.c_str(), "r");
        ASSERT_NE(out, nullptr);
        std::FILE* err = std::tmpfile();
        EXPECT_EQ(RunPayoutTool(static_cast<int>(c.args.size()), c.args.data(), out, err), 1) << c.args[0];
        std::fclose(out);
        const std::string said = ReadAllAndClose(err);
        EXPECT_EQ(said.substr(0, std::strlen(c.said)), c.said) << said;
        EXPECT_EQ(said.back(), '\n');
    }
}

TEST(PayoutTool, ReportHoldsTheListingAndOpensOnlyWhenAsked) {
    const ScratchFolder folder("cli");
    const std::string file = folder.file("report.txt");
    const ToolRun quiet = run({"--report", file.c_str()});
    ASSERT_EQ(quiet.status, 0) << quiet.err;
    EXPECT_TRUE(viewerCommands.empty());
    std::stringstream text;
    {
        std::ifstream in(file);  // closed before the file is replaced: Windows would refuse
        text << in.rdbuf();
    }
    EXPECT_EQ(text.str().substr(160), "\n" + quiet.out + "\n");  // after the two 80-byte header lines

    const std::string option = "--report=" + file;
    const ToolRun opened = run({option.c_str(), "--open"});
    EXPECT_EQ(opened.status, 0);
    EXPECT_EQ(viewerCommands, std::vector<std::string>{Typed(ViewerCommandForUserFile(file))});
}

TEST(PayoutTool, UnwritableReportIsStatus1WithTheReason) {
    const ToolRun r = run({"--report=/nonexistent-folder/report.txt", "--open"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err,
              "vantry-payout: cannot write the report /nonexistent-folder/report.txt: No such file or directory\n");
    EXPECT_TRUE(viewerCommands.empty());
}

}  // namespace
