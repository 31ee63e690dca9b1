#include "methods/method_file.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/results_listing.h"
#include "methods/installed_methods.h"
#include "tests/common/event_parameters.h"

using namespace vantry;
using methods::MethodFile;
using methods::ReadMethodText;

namespace {

// The example of the help and the README, and the smallest file that is one method.
constexpr std::string_view kHeader =
    "name = \"Test\"\n"
    "money = \"cents\"\n"
    "added-money = \"with-the-pool\"\n"
    "automatic-places = \"entry-fee-back\"\n";

std::string withTables(std::string_view divisions, std::string_view places) {
    return std::string(kHeader) + "[divisions]\n" + std::string(divisions) + "[places]\n" + std::string(places);
}

std::string problems(const MethodFile& file) {
    std::string text;
    for (const methods::MethodProblem& problem : file.problems) text += methods::ProblemLine("f.toml", problem) + "\n";
    return text;
}

TEST(MethodFile, TheHelpsExampleIsAMethod) {
    const MethodFile file = ReadMethodText(methods::kMethodFileExample);
    ASSERT_TRUE(file.valid()) << problems(file);
    EXPECT_EQ(file.rules.displayName(), "Sandhill 4D");
    EXPECT_EQ(file.note, "Winter series");
    EXPECT_FALSE(file.rules.anyDCount);
    EXPECT_TRUE(file.rules.paysDs[1] && file.rules.paysDs[2] && file.rules.paysDs[4]);
    EXPECT_FALSE(file.rules.paysDs[5]);
    EXPECT_TRUE(file.rules.hasRow[3]);
    EXPECT_FALSE(file.rules.hasRow[4]);
    EXPECT_EQ(file.rules.split.byDCount[4][3], 0.15);
}

// Each broken file gives its problem at the line and column where it stands.
TEST(MethodFile, EveryMistakeIsAnErrorAtItsPlace) {
    const std::string good = withTables("2 = [60, 40]\n", "1 = [100]\n2 = [60, 40]\n");
    struct Case {
        std::string text;
        const char* expected;  // the whole list of problems
    };
    const Case cases[] = {
        {withTables("2 = [60, 39.99]\n", "1 = [100]\n"),
         "f.toml:6:5: the shares of the split for 2 Ds add up to 99.99, not 100\n"},
        {withTables("2 = [60, 40.001]\n", "1 = [100]\n"),
         "f.toml:6:10: 40.001 has 3 decimals; a share has at most 2\n"},
        {withTables("2 = [60, 40]\n", "1 = [100]\n2 = [40, 60]\n"),
         "f.toml:9:10: place 2 of the 2-place row gets more than place 1; a place never gets more than the one before "
         "it\n"},
        {withTables("2 = [60, 40]\n", "2 = [0, 0]\n"),
         "f.toml:8:5: the shares of the 2-place row add up to 0, not 100\n"
         "f.toml:8:6: place 1 of the 2-place row gets 0; the first place must get more than 0\n"},
        {withTables("2 = [-60, 160]\n", "1 = [100]\n"),
         "f.toml:6:6: a share cannot be negative: -60\nf.toml:6:11: a share is at most 100, not 160\n"},
        {withTables("2 = [nan, 40]\n", "1 = [100]\n"), "f.toml:6:6: a share must be a number, not nan\n"},
        {withTables("2 = [inf, 40]\n", "1 = [100]\n"), "f.toml:6:6: a share must be a number, not inf\n"},
        {withTables("2 = [6e1, 40]\n", "1 = [100]\n"),
         "f.toml:6:6: write a share as a plain decimal number, such as 17.25, not \"6e1\"\n"},
        {withTables("2 = [\"60\", 40]\n", "1 = [100]\n"), "f.toml:6:6: a share is a number, such as 17.25\n"},
        {withTables("8 = [60, 40]\n", "1 = [100]\n"),
         "f.toml:6:1: a D count is a whole number from 1 to 7, not \"8\"\n"},
        {withTables("2 = [60, 40]\n", "31 = [100]\n"),
         "f.toml:8:1: a place count is a whole number from 1 to 30, not \"31\"\n"},
        {withTables("2 = [60, 40]\n", ""),
         "f.toml:7:1: [places] has no row; a method pays at least one number of places\n"},
        {withTables("3 = [60, 40]\n", "1 = [100]\n"), "f.toml:6:5: the split for 3 Ds has 2 shares; it needs 3\n"},
        {withTables("1 = [60, 40]\n", "1 = [100]\n"), "f.toml:6:5: the split for 1 D has 2 shares; it needs 1\n"},
        {withTables("1 = [90]\n", "1 = [100]\n"),
         "f.toml:6:5: one D always takes the whole pool: write 1 = [100], or leave it out\n"},
        {withTables("2 = 60\n", "1 = [100]\n"),
         "f.toml:6:5: write the shares as a list in square brackets, such as [60, 40]\n"},
        {std::string(kHeader) + "[division]\n2 = [60, 40]\n[places]\n1 = [100]\n",
         "f.toml:1:1: missing divisions: a table: [divisions], then a line such as 2 = [60, 40] for each number of Ds "
         "paid\n"
         "f.toml:5:2: unknown key \"division\"; did you mean divisions?\n"},
        {"name = \"Test\"\nmoney = \"cent\"\nadded-money = \"with-the-pool\"\nautomatic-places = \"entry-fee-back\"\n"
         "[divisions]\n[places]\n1 = [100]\n",
         "f.toml:2:9: money must be \"cents\" or \"whole-dollars\", not \"cent\"\n"},
        {"name = \"Test\"\nmoney = \"cents\"\nadded-money = \"evenly\"\nautomatic-places = \"entry-fee-back\"\n"
         "fee-back = true\n[divisions]\n[places]\n1 = [100]\n",
         "f.toml:5:1: unknown key \"fee-back\"; a method file holds name, note, money, added-money, automatic-places, "
         "[divisions] and [places]\n"},
        {"name = \"A name that is far too long for any listing header\"\n" + good.substr(good.find('\n') + 1),
         "f.toml:1:8: the name has 50 characters; it may have at most 40\n"},
        {"name = \"Caf\xC3\xA9 4D\"\n" + good.substr(good.find('\n') + 1),
         "f.toml:1:8: the name may hold only printable ASCII characters: letters, digits, spaces and signs such as "
         "- & ' ( )\n"},
        {"name = \" Padded\"\n" + good.substr(good.find('\n') + 1),
         "f.toml:1:8: the name starts or ends with a space\n"},
        {"name = \"\"\n" + good.substr(good.find('\n') + 1), "f.toml:1:8: the name is empty\n"},
        {"note = 4\n" + good, "f.toml:1:8: note must be one line of text in double quotes\n"},
        // A share is read where it stands, on the first line too.
        {"divisions = { 2 = [60, 40.001] }\n" + std::string(kHeader) + "[places]\n1 = [100]\n",
         "f.toml:1:24: 40.001 has 3 decimals; a share has at most 2\n"},
        // A misspelling as near to two keys is taken for the first of them.
        {"nome = \"x\"\n" + good, "f.toml:1:1: unknown key \"nome\"; did you mean name?\n"},
        {"name = 4\n" + good.substr(good.find('\n') + 1),
         "f.toml:1:8: name must be the method's name in double quotes, such as name = \"Sandhill 4D\"\n"},
        {"note = \"two\\nlines\"\n" + good,
         "f.toml:1:8: the note must be one line, without tabs or other control characters\n"},
        {"note = \"x\"\n",
         "f.toml:1:1: missing name: the method's name in double quotes, such as name = \"Sandhill 4D\"\n"
         "f.toml:1:1: missing money: \"cents\" or \"whole-dollars\"\n"
         "f.toml:1:1: missing added-money: \"with-the-pool\" or \"evenly\"\n"
         "f.toml:1:1: missing automatic-places: \"entry-fee-back\" or \"none\"\n"
         "f.toml:1:1: missing divisions: a table: [divisions], then a line such as 2 = [60, 40] for each number of Ds "
         "paid\n"
         "f.toml:1:1: missing places: a table: [places], then a line such as 2 = [60, 40] for each number of places "
         "paid\n"},
        // What toml++ cannot parse is one problem, where the parser stopped.
        {"name = \"Test\nmoney = \"cents\"\n",
         "f.toml:1:13: Error while parsing string: unescaped control characters other than TAB (U+0009) are "
         "explicitly prohibited\n"},
        // A character toml++ 3.3 classified by reaching a point it marks unreachable.
        {withTables("2 = [60\xC2\xA7, 40]\n", ""),
         "f.toml:6:8: Error while parsing decimal integer: expected digit, saw '\xC2\xA7'\n"},
        {"name = \"Test\" \xE9\n", "f.toml:1:15: the file is not UTF-8 text: byte 0xE9 cannot stand here\n"},
        {std::string(methods::kMethodFileMost + 1, '#'),
         "f.toml:1:1: the file is larger than 64 KiB (65536 bytes), the most a method file may be\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(problems(ReadMethodText(c.text)), c.expected) << c.text;
}

// A share is the double nearest its decimal fraction, and a row adds up as decimals do.
TEST(MethodFile, SharesAreTheirDecimalsExactly) {
    const MethodFile file = ReadMethodText(
        withTables("2 = [99.3, 0.7]\n3 = [50, 32.76, 17.24]\n", "1 = [100]\n2 = [98.9, 1.1]\n3 = [60, 30, 10]\n"));
    ASSERT_TRUE(file.valid()) << problems(file);
    EXPECT_EQ(file.rules.split.byDCount[2][1], 0.007);
    EXPECT_NE(file.rules.split.byDCount[2][1], 0.7 / 100);
    EXPECT_EQ(file.rules.split.byDCount[3][2], 0.1724);
    EXPECT_EQ(file.rules.schedule.fraction(1, 2), 0.011);
    EXPECT_NE(file.rules.schedule.fraction(1, 2), 1.1 / 100);
    // 0.6 + 0.3 + 0.1 is not 1.0 in doubles, and the row is still whole.
    EXPECT_NE(
        file.rules.schedule.fraction(2, 1) + file.rules.schedule.fraction(2, 2) + file.rules.schedule.fraction(2, 3),
        1.0);
    EXPECT_TRUE(file.rules.hasRow[2]);
    // Trailing 0s of a row are its places all the same; more decimals than two are only 0s.
    EXPECT_TRUE(ReadMethodText(withTables("", "3 = [60, 40, 0]\n")).valid());
    EXPECT_TRUE(ReadMethodText(withTables("2 = [60.50, 39.500]\n", "1 = [100]\n")).valid());
}

// Every number written out reads back as the same double: the file of a built-in method is that method.
TEST(MethodFile, AWrittenMethodReadsBackAsTheSameMethod) {
    for (const engine::PayoutMethod method :
         {engine::PayoutMethod::Ibra, engine::PayoutMethod::Brn4d, engine::PayoutMethod::Nbha4d}) {
        const engine::MethodRules& builtIn = engine::BuiltInRules(method);
        const MethodFile read = ReadMethodText(methods::MethodFileText(builtIn, "a note"));
        ASSERT_TRUE(read.valid()) << problems(read);
        EXPECT_EQ(read.note, "a note");
        EXPECT_EQ(read.rules.displayName(), builtIn.displayName());
        EXPECT_EQ(read.rules.money, builtIn.money);
        for (int ds = 1; ds <= engine::kDivisionCount; ++ds) {
            EXPECT_TRUE(read.rules.paysDs[ds]);
            for (int d = 0; d < ds; ++d) EXPECT_EQ(read.rules.split.byDCount[ds][d], builtIn.split.byDCount[ds][d]);
        }
        for (int row = 0; row < engine::kScheduleRows; ++row)
            for (int place = 1; place <= engine::kMaxPlaces; ++place)
                EXPECT_EQ(read.rules.schedule.fraction(row, place), builtIn.schedule.fraction(row, place))
                    << builtIn.name << " row " << row << " place " << place;
    }
}

TEST(MethodFile, PercentagesAreWrittenAsTheirDecimals) {
    const struct {
        double fraction;
        const char* text;
    } cases[] = {{0.1724, "17.24"},
                 {0.007, "0.7"},
                 {0.35, "35"},
                 {1.0, "100"},
                 {0.0, "0"},
                 {0.0655, "6.55"},
                 // Not a whole number of hundredths: written as it is, never rounded into one.
                 {0.123456, "12.3456"},
                 {1.5, "150"}};
    for (const auto& c : cases) EXPECT_EQ(methods::PercentText(c.fraction), c.text);
}

TEST(MethodFile, NamesAreOneNameWhateverTheirCase) {
    EXPECT_TRUE(methods::SameMethodName("Alamo Open", "aLAMO oPEN"));
    EXPECT_FALSE(methods::SameMethodName("Alamo Open", "Alamo Ope"));
    EXPECT_FALSE(methods::SameMethodName("A-1", "a_1"));
    EXPECT_EQ(methods::BuiltInNamed("NBHA 4d"), engine::PayoutMethod::Nbha4d);
    EXPECT_EQ(methods::BuiltInNamed("Ibra"), engine::PayoutMethod::Ibra);
    EXPECT_EQ(methods::BuiltInNamed("BRN4D"), engine::PayoutMethod::Brn4d);
    EXPECT_EQ(methods::BuiltInNamed("NBHA"), std::nullopt);
}

}  // namespace
