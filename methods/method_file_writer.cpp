// A method written out: as a method file a producer can start from, and as a table to check one.
#include "engine/float_conversion.h"
#include "engine/number_text.h"
#include "methods/method_file.h"

namespace vantry::methods {

namespace {

using engine::kDivisionCount;
using engine::kScheduleRows;
using engine::MethodRules;

std::string number(int value) { return engine::FormatString("%d", {value}); }

// A TOML basic string: the name and the note hold no control characters, only these need escaping.
std::string tomlString(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

// The percentages of one D split or place row, as far as the row pays: a place row's trailing 0s
// are kept, since its place count is the length of the list.
std::vector<std::string> splitPercents(const MethodRules& rules, int ds) {
    std::vector<std::string> shares;
    for (int d = 0; d < ds; ++d) shares.push_back(PercentText(rules.split.byDCount[ds][d]));
    return shares;
}

std::vector<std::string> rowPercents(const MethodRules& rules, int row) {
    std::vector<std::string> shares;
    for (int place = 1; place <= row + 1; ++place) shares.push_back(PercentText(rules.schedule.fraction(row, place)));
    return shares;
}

std::string tomlList(const std::vector<std::string>& shares) {
    std::string list = "[";
    for (std::size_t i = 0; i < shares.size(); ++i) list += (i ? ", " : "") + shares[i];
    return list + "]";
}

// "name = ..." with its comment beside it, the comment's further lines under the first.
std::string keyLine(const std::string& assignment, std::initializer_list<std::string_view> comment) {
    constexpr std::size_t kCommentColumn = 38;
    std::string lines;
    bool first = true;
    for (const std::string_view part : comment) {
        std::string line = first ? assignment : std::string();
        line += line.size() < kCommentColumn ? std::string(kCommentColumn - line.size(), ' ') : " ";
        lines += line + "# " + std::string(part) + "\n";
        first = false;
    }
    return lines;
}

// Right-aligned in columns of six, ten to a line, so that the rows of a table line up.
std::string tableRow(std::string label, const std::vector<std::string>& shares, std::size_t labelWidth) {
    constexpr std::size_t kPerLine = 10;
    constexpr std::size_t kColumn = 6;
    std::string text;
    for (std::size_t i = 0; i < shares.size(); ++i) {
        if (i % kPerLine == 0) {
            if (i) text += "\n";
            text += std::string(labelWidth - label.size(), ' ') + label;
            label.clear();
        }
        text += std::string(kColumn - std::min(kColumn - 1, shares[i].size()), ' ') + shares[i];
    }
    return text + "\n";
}

}  // namespace

std::string PercentText(double fraction) {
    const int hundredths = engine::HundredthsOfPercent(fraction);
    if (hundredths < 0) return engine::ShortestText(fraction * 100.0);
    std::string text = number(hundredths / 100);
    if (hundredths % 100 != 0) {
        text += '.';
        text += static_cast<char>('0' + hundredths % 100 / 10);
        if (hundredths % 10 != 0) text += static_cast<char>('0' + hundredths % 10);
    }
    return text;
}

std::string MethodFileText(const MethodRules& rules, std::string_view note) {
    std::string text =
        "# A payout method for the calculator: " + std::string(rules.displayName()) +
        ".\n"
        "#\n"
        "# Every number is a percentage with at most two decimals. To pay by a method of your own, save a\n"
        "# copy of this file under a new name ending in .toml in the methods folder (vantry-payout\n"
        "# --list-methods shows where it is), give the method a name of its own and change what your\n"
        "# association pays. vantry-payout --check-method=FILE checks a file and shows its tables.\n\n";
    text += keyLine("name = " + tomlString(rules.displayName()), {"1 to 40 printable ASCII characters"});
    text += note.empty() ? keyLine("# note = \"Winter series\"", {"optional: one line, shown beside the name"})
                         : keyLine("note = " + tomlString(note), {"optional: one line, shown beside the name"});
    text += keyLine(rules.money == engine::MoneyShown::WholeDollars ? "money = \"whole-dollars\"" : "money = \"cents\"",
                    {"\"cents\", or \"whole-dollars\", which also judges the",
                     "automatic places on amounts rounded to whole dollars"});
    text += keyLine(rules.addedMoney == engine::AddedMoneyRule::Evenly ? "added-money = \"evenly\""
                                                                       : "added-money = \"with-the-pool\"",
                    {"\"with-the-pool\": each D gets its share of the pool;",
                     "\"evenly\": its share of the entry money, plus an", "equal part of the added money"});
    text += keyLine(rules.automaticPlaces == engine::AutomaticPlaces::None ? "automatic-places = \"none\""
                                                                           : "automatic-places = \"entry-fee-back\"",
                    {"\"entry-fee-back\": 0 places pays as many places as",
                     "still give the last place of the last D its", "entry fee back; \"none\": places must be given"});
    text +=
        "\n# Percent of the pool for 1D, 2D, ... for each number of Ds the method pays. One D always takes\n"
        "# the whole pool. An event with a number of Ds not listed here is refused.\n"
        "[divisions]\n";
    for (int ds = 2; ds <= kDivisionCount; ++ds)
        if (rules.paysDs[ds]) text += number(ds) + " = " + tomlList(splitPercents(rules, ds)) + "\n";
    text +=
        "\n# Percent of a D's total for place 1, 2, ... for each number of places paid. A place never\n"
        "# gets more than the one before it, and a row may end in 0s. Places above 30 are paid as 30.\n"
        "[places]\n";
    for (int row = 0; row < kScheduleRows; ++row)
        if (rules.hasRow[row]) text += number(row + 1) + " = " + tomlList(rowPercents(rules, row)) + "\n";
    return text;
}

std::string MethodSummary(const MethodRules& rules, std::string_view note) {
    std::string text = std::string(rules.displayName()) + (note.empty() ? "" : ": " + std::string(note)) + "\n";
    text += rules.money == engine::MoneyShown::WholeDollars ? "Amounts in whole dollars. " : "Amounts in cents. ";
    text += rules.addedMoney == engine::AddedMoneyRule::Evenly ? "Added money in equal parts to the Ds paid.\n"
                                                               : "Added money with the pool.\n";
    text += rules.automaticPlaces == engine::AutomaticPlaces::None
                ? "Places must be given.\n"
                : "0 places pays as many as give the last place of the last D its entry fee back.\n";
    text += "\n Ds  Percent of the pool for 1D, 2D, ...\n";
    text += tableRow("1", {"100"}, 3);
    for (int ds = 2; ds <= kDivisionCount; ++ds)
        if (rules.paysDs[ds]) text += tableRow(number(ds), splitPercents(rules, ds), 3);
    text += "\nPlaces  Percent of a D's total for place 1, 2, ...\n";
    for (int row = 0; row < kScheduleRows; ++row)
        if (rules.hasRow[row]) text += tableRow(number(row + 1), rowPercents(rules, row), 6);
    return text;
}

std::string ProblemLine(std::string_view file, const MethodProblem& problem) {
    const auto number = [](std::uint32_t value) { return engine::FormatString("%d", {std::int64_t{value}}); };
    return std::string(file) + ":" + number(problem.line) + ":" + number(problem.column) + ": " + problem.what;
}

}  // namespace vantry::methods
