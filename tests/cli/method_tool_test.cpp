// The tool and a producer's own methods: a built-in method written out, edited and used, the
// methods folder listed, and a method file checked.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "methods/method_file.h"
#include "methods/method_files.h"
#include "tests/common/methods_folder_home.h"
#include "tests/common/scratch_folder.h"
#include "tests/common/tool_run.h"

namespace {

ToolRun run(std::vector<const char*> args) {
    return RunTool(args, [](const vantry::platform::ViewerCommand&) { return std::string(); });
}

// Every test of this program has a methods folder of its own, empty until a test fills it, so
// that no method installed on the machine running the tests can change what they see.
class OwnMethodsFolder : public ::testing::Environment {
public:
    void SetUp() override {
        home_ = std::make_unique<ScratchFolder>("methods-home");
        SetMethodsFolderHome(home_->path().string());
    }
    void TearDown() override { home_.reset(); }

private:
    std::unique_ptr<ScratchFolder> home_;
};
[[maybe_unused]] const auto* const kOwnMethodsFolder = ::testing::AddGlobalTestEnvironment(new OwnMethodsFolder);

// The methods folder, made anew and empty.
std::string methodsFolder() {
    std::string why;
    const std::string folder = vantry::methods::MethodsFolder(why);
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

std::string write(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// A built-in method written out, given a name and a split of its own, installed, and chosen by
// its name in any case, or by its file.
TEST(MethodTool, AWrittenOutMethodIsEditedAndUsed) {
    const ToolRun shown = run({"--show-method=nbha4d"});
    ASSERT_EQ(shown.status, 0) << shown.err;
    std::string text = replaced(shown.out, "name = \"NBHA 4D\"", "name = \"County 4D\"");
    text = replaced(text, "4 = [35, 30, 20, 15]", "4 = [40, 30, 20, 10]");
    const std::string file = write(vantry::methods::PathIn(methodsFolder(), "county.toml"), text);

    for (const std::string& option : {std::string("--method=county 4d"), "--method-file=" + file}) {
        const ToolRun r = run({option.c_str()});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.out.find("\nCounty 4D payout to 2 placings, Pool = $1500.00, Producer = $600.00\n"),
                  std::string::npos);
        EXPECT_NE(r.out.find("\n1D: Total = $600.00   (40%)\n    1 = $360.00   (60.00%)\n"), std::string::npos)
            << r.out;
    }
    const ToolRun csv = run({"--method=COUNTY 4D", "--format=csv"});
    EXPECT_EQ(csv.out.substr(0, csv.out.find("\r\n", 40) + 2),
              "method,division,place,amount,percent\r\nCounty 4D,1,1,360.00,60.00\r\n");
}

TEST(MethodTool, TheListSaysWhereEachMethodComesFromAndWhyOneIsNotUsed) {
    const std::string folder = methodsFolder();
    const std::string example(vantry::methods::kMethodFileExample);
    write(vantry::methods::PathIn(folder, "a.toml"), example);
    write(vantry::methods::PathIn(folder, "b.toml"), replaced(example, "Winter series", "Summer series"));
    write(vantry::methods::PathIn(folder, "c.toml"), replaced(example, "Sandhill 4D", "IBRA"));
    write(vantry::methods::PathIn(folder, "d.toml"), replaced(example, "3 = [50, 30, 20]", "3 = [50, 30, 19]"));
    write(vantry::methods::PathIn(folder, "e.toml"), replaced(example, "Sandhill 4D", "Valley Open"));
    write(vantry::methods::PathIn(folder, "notes.txt"), "not a method");
    write(vantry::methods::PathIn(folder, ".toml"),
          replaced(example, "Sandhill 4D", "Hidden"));  // no name before .toml
    const std::string a = vantry::methods::PathIn(folder, "a.toml");
    const std::string b = vantry::methods::PathIn(folder, "b.toml");
    const std::string c = vantry::methods::PathIn(folder, "c.toml");

    const ToolRun list = run({"--list-methods"});
    ASSERT_EQ(list.status, 0) << list.err;
    EXPECT_EQ(list.out,
              "Built-in methods:\n"
              "  IBRA          built in, --method=ibra\n"
              "  BRN4D         built in, --method=brn4d\n"
              "  NBHA 4D       built in, --method=nbha4d (the default)\n"
              "\n"
              "Installed methods, in " +
                  folder +
                  ":\n"
                  "  Sandhill 4D   a.toml  not used: \"Sandhill 4D\" is also the name of " +
                  b +
                  "\n"
                  "  Sandhill 4D   b.toml  not used: \"Sandhill 4D\" is also the name of " +
                  a +
                  "\n"
                  "  IBRA          c.toml  not used: named like the built-in method IBRA\n"
                  "  (not used)    d.toml:9:5: the shares of the split for 3 Ds add up to 99, not 100\n"
                  "  Valley Open   e.toml  Winter series\n");

    const struct {
        const char* option;
        int status;
        std::string err;
    } cases[] = {
        {"--method=sandhill 4D", 2,
         "vantry-payout: --method: \"sandhill 4D\" is the name of both " + a + " and " + b + "; rename one of them\n"},
        {"--method=ibra", 2,
         "vantry-payout: --method: \"ibra\" names both the built-in method IBRA and " + c +
             "; give the method in the file a name of its own\n"},
        {"--method=wpra", 2,
         "vantry-payout: --method: \"wpra\" is not one of ibra, brn4d, nbha4d, nor an installed method (--list-methods "
         "lists them)\n"},
        {"--method=valley open", 0, ""},
        {"--method=NBHA 4D", 0, ""},
    };
    for (const auto& c : cases) {
        const ToolRun r = run({c.option, "--ds=2"});
        EXPECT_EQ(r.status, c.status) << c.option;
        EXPECT_EQ(r.err, c.err);
    }
}

// A folder that is there and cannot be read is not taken for an empty one: the list says why.
TEST(MethodTool, TheListSaysWhenTheFolderCannotBeRead) {
    const std::string folder = methodsFolder();
    std::filesystem::remove_all(folder);
    write(folder, "a file where the folder should be");
    const ToolRun list = run({"--list-methods"});
    ASSERT_EQ(list.status, 0) << list.err;
    EXPECT_NE(
        list.out.find("Installed methods, in " + folder + ":\n  none: the folder cannot be read: Not a directory\n"),
        std::string::npos)
        << list.out;
    std::filesystem::remove(folder);
}

TEST(MethodTool, ABrokenFileGivesEveryErrorAndStatus2) {
    const ScratchFolder scratch("method-check");
    const std::string broken = write(scratch.file("broken.toml"),
                                     "palces = 4\n" + replaced(std::string(vantry::methods::kMethodFileExample),
                                                               "2 = [60, 40]\n3", "2 = [60, 50]\n3"));
    const std::string expected = broken + ":1:1: unknown key \"palces\"; did you mean places?\n" + broken +
                                 ":9:5: the shares of the split for 2 Ds add up to 110, not 100\n";
    for (const std::string& option : {"--check-method=" + broken, "--method-file=" + broken}) {
        const ToolRun r = run({option.c_str()});
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, expected);
        EXPECT_EQ(r.out, "");
    }
    const std::string missing = scratch.file("missing.toml");
    const std::string option = "--method-file=" + missing;
    EXPECT_EQ(run({option.c_str()}).err, missing + ":1:1: cannot be read: No such file or directory\n");
    EXPECT_EQ(run({"--method-file=x.toml", "--method=ibra"}).err,
              "vantry-payout: --method and --method-file cannot both be given\n");
}

TEST(MethodTool, AnEventTheMethodCannotPayIsRefused) {
    const ScratchFolder scratch("method-event");
    const std::string option = "--method-file=" +
                               write(scratch.file("s.toml"), std::string(vantry::methods::kMethodFileExample));
    const struct {
        const char* option;
        const char* err;
    } cases[] = {
        {"--ds=5", "vantry-payout: Sandhill 4D pays 1, 2, 3 or 4 Ds, not 5\n"},
        {"--places=31", "vantry-payout: Sandhill 4D has no 30-place row; its rows pay 1 to 4 places\n"},
    };
    for (const auto& c : cases) {
        const ToolRun r = run({option.c_str(), c.option});
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, c.err);
        EXPECT_EQ(r.out, "");
    }
}

TEST(MethodTool, CheckingShowsTheTables) {
    const ScratchFolder scratch("method-table");
    const std::string option = "--check-method=" +
                               write(scratch.file("s.toml"), std::string(vantry::methods::kMethodFileExample));
    const ToolRun r = run({option.c_str()});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "Sandhill 4D: Winter series\n"
              "Amounts in cents. Added money with the pool.\n"
              "0 places pays as many as give the last place of the last D its entry fee back.\n"
              "\n"
              " Ds  Percent of the pool for 1D, 2D, ...\n"
              "  1   100\n"
              "  2    60    40\n"
              "  3    50    30    20\n"
              "  4    35    30    20    15\n"
              "\n"
              "Places  Percent of a D's total for place 1, 2, ...\n"
              "     1   100\n"
              "     2    60    40\n"
              "     3    50    30    20\n"
              "     4    40    30    20    10\n");
}

// A name with a comma or a quote is one CSV field, quoted as RFC 4180 says, and one JSON string.
TEST(MethodTool, TheExportsCarryTheMethodsOwnName) {
    const ScratchFolder scratch("method-exports");
    const std::string file = write(scratch.file("s.toml"), replaced(std::string(vantry::methods::kMethodFileExample),
                                                                    "\"Sandhill 4D\"", "'Smith, \"Jr\" 4D'"));
    const std::string option = "--method-file=" + file;
    const ToolRun csv = run({option.c_str(), "--format=csv", "--ds=1", "--places=1"});
    ASSERT_EQ(csv.status, 0) << csv.err;
    EXPECT_EQ(csv.out, "method,division,place,amount,percent\r\n\"Smith, \"\"Jr\"\" 4D\",1,1,1500.00,100.00\r\n");
    const ToolRun json = run({option.c_str(), "--format=json", "--ds=1", "--places=1"});
    EXPECT_EQ(json.out.substr(0, 29), "{\"method\":\"Smith, \\\"Jr\\\" 4D\",");
}

}  // namespace
