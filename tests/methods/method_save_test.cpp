// The page's editor saves a method in place of its file: only a sound text, under a name no other
// method has, written whole.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "methods/installed_methods.h"
#include "methods/method_save.h"
#include "tests/common/scratch_folder.h"
#include "tests/methods/method_test_files.h"

namespace {

using namespace vantry::methods;

TEST(MethodSave, ReplacesTheFileWithASoundTextAndRefusesABrokenOne) {
    ScratchFolder scratch("save");
    const std::string path = scratch.file("sandhill.toml");
    const std::string before = std::string(kMethodFileExample);
    Write(path, before);

    const FolderChange refused = SaveMethodText(path, before + "colour = \"red\"\n");
    EXPECT_EQ(refused.outcome, FolderChangeOutcome::Refused);
    EXPECT_EQ(refused.message.rfind("line 17: ", 0), 0u) << refused.message;
    EXPECT_EQ(Contents(path), before);

    const std::string after = WithName(before, "Winter Series") + "# kept as typed\n";
    const FolderChange saved = SaveMethodText(path, after);
    ASSERT_EQ(saved.outcome, FolderChangeOutcome::Done) << saved.message;
    EXPECT_EQ(Contents(path), after);
    EXPECT_EQ(ReadMethodFile(path).rules.displayName(), "Winter Series");
    // Another method's name, or a built-in one's, is refused.
    Write(scratch.file("other.toml"), WithName(before, "Spring Series"));
    for (const char* taken : {"Spring Series", "nbha 4d"}) {
        const FolderChange clash = SaveMethodText(path, WithName(before, taken));
        EXPECT_EQ(clash.outcome, FolderChangeOutcome::NameTaken) << taken;
        EXPECT_EQ(Contents(path), after);
    }
    // Nothing is left beside it, and a save cut short before is cleared away.
    Write(path + ".saving", "half a file");
    ASSERT_EQ(SaveMethodText(path, before).outcome, FolderChangeOutcome::Done);
    EXPECT_EQ(Contents(path), before);
    EXPECT_FALSE(std::filesystem::exists(path + ".saving"));
}

}  // namespace
