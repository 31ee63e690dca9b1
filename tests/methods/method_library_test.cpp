// Starting, importing and removing methods in a real methods folder: what a producer does from a
// window, and what must never happen on the way (a file written over, a broken file copied in).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "methods/installed_methods.h"
#include "methods/method_files.h"
#include "methods/method_library.h"
#include "tests/common/scratch_folder.h"
#include "tests/methods/method_test_files.h"

namespace {

using vantry::engine::BuiltInRules;
using vantry::engine::PayoutMethod;
using namespace vantry::methods;

std::string FileNamed(const std::string& path) { return std::filesystem::path(path).filename().string(); }

TEST(MethodLibrary, FileNamesAreTheNamesLettersAndDigits) {
    const struct {
        const char* method;
        const char* file;
    } cases[] = {
        {"Sandhill 4D", "sandhill-4d.toml"},
        {"  Ann's   \"best\" (2025) ", "ann-s-best-2025.toml"},
        {"NBHA 4D", "nbha-4d.toml"},
        {"---", "method.toml"},
        {"a/b\\c:d", "a-b-c-d.toml"},
        {"NUL", "nul-method.toml"},
        {"Com1", "com1-method.toml"},
        {"LPT9", "lpt9-method.toml"},
        {"Console", "console.toml"},
        {"COM10", "com10.toml"},
        {"Zz09", "zz09.toml"},
    };
    for (const auto& c : cases) EXPECT_EQ(FileNameFor(c.method), c.file) << c.method;
}

TEST(MethodLibrary, FirstProblemsAreLinesAndACountOfTheRest) {
    // Seven problems: five are shown, then how many more.
    const MethodFile file = ReadMethodText(
        "name = \"\"\nmoney = \"cent\"\nadded-money = 1\nautomatic-places = \"no\"\ncolour = 2\n"
        "[divisions]\n2 = [60, 41]\n[places]\n1 = [101]\n");
    ASSERT_EQ(file.problems.size(), 7u);
    const std::string shown = FirstProblems(file);
    EXPECT_EQ(shown.rfind("line 1: ", 0), 0u) << shown;
    EXPECT_NE(shown.find("\nline 2: "), std::string::npos) << shown;
    EXPECT_EQ(std::count(shown.begin(), shown.end(), '\n'), 5) << shown;
    EXPECT_TRUE(shown.ends_with("\nand 2 more problems")) << shown;
    EXPECT_EQ(FirstProblems(file, 6).substr(FirstProblems(file, 6).rfind('\n')), "\nand 1 more problem");
    EXPECT_EQ(FirstProblems(ReadMethodText(kMethodFileExample)), "");
}

TEST(MethodLibrary, AStartedMethodIsTheOldOneUnderItsNewName) {
    ScratchFolder scratch("start");
    const std::string folder = scratch.file("config/quorvath/methods");  // none of it there yet
    const FolderChange started = StartMethodFrom(folder, BuiltInRules(PayoutMethod::Ibra), "Ann's \"best\" 4D");
    ASSERT_EQ(started.outcome, FolderChangeOutcome::Done) << started.message;
    EXPECT_EQ(FileNamed(started.path), "ann-s-best-4d.toml");
    const MethodFile file = ReadMethodFile(started.path);
    ASSERT_TRUE(file.valid()) << FirstProblems(file);
    EXPECT_EQ(file.rules.displayName(), "Ann's \"best\" 4D");
    vantry::engine::MethodRules renamed = BuiltInRules(PayoutMethod::Ibra);
    std::copy_n(file.rules.name, sizeof renamed.name, renamed.name);
    EXPECT_EQ(MethodSummary(file.rules, {}), MethodSummary(renamed, {}));  // every split and row as IBRA's
}

TEST(MethodLibrary, ANameAlreadyTakenOrNotANameIsRefusedAndNothingIsWritten) {
    ScratchFolder scratch("taken");
    const std::string folder = scratch.path().string();
    Write(scratch.file("sandhill.toml"), kMethodFileExample);
    const struct {
        const char* name;
        FolderChangeOutcome outcome;
        const char* message;
    } cases[] = {
        {"sandhill 4d", FolderChangeOutcome::NameTaken, "is the name of "},
        {"NBHA 4D", FolderChangeOutcome::NameTaken, "the built-in method NBHA 4D"},
        {"brn4d", FolderChangeOutcome::NameTaken, "the built-in method BRN4D"},
        {"", FolderChangeOutcome::Refused, "the name is empty"},
        {" Padded", FolderChangeOutcome::Refused, "starts or ends with a space"},
        {"Tab\there", FolderChangeOutcome::Refused, "only printable ASCII"},
        {"A name of forty-one characters, one over!", FolderChangeOutcome::Refused, "at most 40"},
    };
    for (const auto& c : cases) {
        const FolderChange change = StartMethodFrom(folder, BuiltInRules(PayoutMethod::Brn4d), c.name);
        EXPECT_EQ(change.outcome, c.outcome) << c.name;
        EXPECT_NE(change.message.find(c.message), std::string::npos) << c.name << ": " << change.message;
    }
    EXPECT_EQ(MethodFileNames(folder), std::vector<std::string>{"sandhill.toml"});
    EXPECT_EQ(Contents(scratch.file("sandhill.toml")), kMethodFileExample);
}

TEST(MethodLibrary, ANameOfFortyCharactersIsTheLongestTaken) {
    ScratchFolder scratch("forty");
    const std::string forty(40, 'x');
    const FolderChange change = StartMethodFrom(scratch.path().string(), BuiltInRules(PayoutMethod::Ibra), forty);
    ASSERT_EQ(change.outcome, FolderChangeOutcome::Done) << change.message;
    EXPECT_EQ(ReadMethodFile(change.path).rules.displayName(), forty);
    // The heading names the new method, not the one it was started from.
    EXPECT_EQ(Contents(change.path).find("IBRA"), std::string::npos);
}

TEST(MethodLibrary, AFileInTheWayIsKeptAndTheNewMethodNumbered) {
    ScratchFolder scratch("numbered");
    const std::string broken = "name = \"Old Sandhill\"\nmoney = \"cent\"\n";  // a method being mended
    Write(scratch.file("sandhill-4d.toml"), broken);
    Write(scratch.file("sandhill-4d-2.toml"), "not a method at all");
    const FolderChange started = StartMethodFrom(scratch.path().string(), BuiltInRules(PayoutMethod::Nbha4d),
                                                 "Sandhill 4D");
    ASSERT_EQ(started.outcome, FolderChangeOutcome::Done) << started.message;
    EXPECT_EQ(FileNamed(started.path), "sandhill-4d-3.toml");
    EXPECT_EQ(Contents(scratch.file("sandhill-4d.toml")), broken);
    EXPECT_EQ(Contents(scratch.file("sandhill-4d-2.toml")), "not a method at all");
}

TEST(MethodLibrary, ImportCopiesASoundFileByteForByteAndRefusesABrokenOne) {
    ScratchFolder scratch("import");
    const std::string folder = scratch.file("methods");
    const std::string good = WithName(std::string(kMethodFileExample), "Winter Series") + "# kept as typed\n";
    const std::string broken = WithName(std::string(kMethodFileExample), "Broken") + "colour = \"red\"\n";
    Write(scratch.file("good.toml"), good);
    Write(scratch.file("broken.toml"), broken);

    const FolderChange refused = ImportMethodFile(folder, scratch.file("broken.toml"));
    EXPECT_EQ(refused.outcome, FolderChangeOutcome::Refused);
    EXPECT_EQ(refused.message.rfind("line 17: a place count is a whole number", 0), 0u) << refused.message;
    EXPECT_FALSE(std::filesystem::exists(folder));  // nothing copied, not even a folder made

    const FolderChange imported = ImportMethodFile(folder, scratch.file("good.toml"));
    ASSERT_EQ(imported.outcome, FolderChangeOutcome::Done) << imported.message;
    EXPECT_EQ(FileNamed(imported.path), "winter-series.toml");
    EXPECT_EQ(Contents(imported.path), good);
    ASSERT_EQ(FindInstalledMethods(folder).methods.size(), 1u);
    EXPECT_TRUE(FindInstalledMethods(folder).methods[0].usable());

    const FolderChange again = ImportMethodFile(folder, scratch.file("good.toml"));
    EXPECT_EQ(again.outcome, FolderChangeOutcome::NameTaken);
    EXPECT_EQ(FindInstalledMethods(folder).methods.size(), 1u);

    const FolderChange missing = ImportMethodFile(folder, scratch.file("nowhere.toml"));
    EXPECT_EQ(missing.outcome, FolderChangeOutcome::Refused);
    EXPECT_NE(missing.message.find("cannot be read"), std::string::npos) << missing.message;
}

TEST(MethodLibrary, ARemovedMethodIsRenamedBesideItAndNeverLost) {
    ScratchFolder scratch("remove");
    const std::string folder = scratch.path().string();
    const std::string path = scratch.file("sandhill.toml");
    for (const char* expected : {"sandhill.toml.removed", "sandhill.toml.removed-2", "sandhill.toml.removed-3"}) {
        Write(path, std::string(kMethodFileExample) + "# " + expected + "\n");
        const FolderChange removed = RemoveMethodFile(path);
        ASSERT_EQ(removed.outcome, FolderChangeOutcome::Done) << removed.message;
        EXPECT_EQ(FileNamed(removed.path), expected);
        EXPECT_EQ(Contents(removed.path), std::string(kMethodFileExample) + "# " + expected + "\n");
        EXPECT_FALSE(std::filesystem::exists(path));
        EXPECT_TRUE(FindInstalledMethods(folder).methods.empty());
    }
    EXPECT_EQ(RemoveMethodFile(path).outcome, FolderChangeOutcome::Failed);  // gone already: said, not done
}

TEST(MethodLibrary, UndoRemoveBringsTheFileBackUnlessItsNameIsTaken) {
    ScratchFolder scratch("undo");
    const std::string path = scratch.file("sandhill.toml");
    const std::string text = std::string(kMethodFileExample) + "# mine\n";
    Write(path, text);
    const FolderChange removed = RemoveMethodFile(path);
    ASSERT_EQ(removed.outcome, FolderChangeOutcome::Done) << removed.message;

    const FolderChange restored = RestoreMethodFile(removed.path, path);
    ASSERT_EQ(restored.outcome, FolderChangeOutcome::Done) << restored.message;
    EXPECT_EQ(Contents(path), text);
    EXPECT_FALSE(std::filesystem::exists(removed.path));

    // A file made under the old name since: neither is lost, and the removed one stays removed.
    const FolderChange again = RemoveMethodFile(path);
    ASSERT_EQ(again.outcome, FolderChangeOutcome::Done) << again.message;
    Write(path, "# another file\n");
    EXPECT_EQ(RestoreMethodFile(again.path, path).outcome, FolderChangeOutcome::NameTaken);
    EXPECT_EQ(Contents(path), "# another file\n");
    EXPECT_EQ(Contents(again.path), text);
}

}  // namespace
