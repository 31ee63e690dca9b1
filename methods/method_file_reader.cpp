// Reading and checking a method file. toml++ parses the TOML; everything a method means is checked
// here, and every problem is kept with its line and column rather than stopping at the first, so
// that a producer can mend a file in one go.
#include <toml++/toml.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

#include "engine/number_text.h"
#include "methods/method_file.h"
#include "methods/utf8_text.h"

namespace vantry::methods {

namespace {

using engine::kDivisionCount;
using engine::kScheduleRows;

std::string number(std::int64_t value) { return engine::FormatString("%d", {value}); }

// Text for a one-line message: control characters escaped, cut after `most` bytes.
std::string escaped(std::string_view text, std::size_t most) {
    static constexpr char kHex[] = "0123456789abcdef";
    if (text.size() > most) {
        while (most > 0 && (static_cast<unsigned char>(text[most]) & 0xC0) == 0x80) --most;  // not inside a character
    }
    std::string shown;
    for (std::size_t i = 0; i < text.size() && i < most; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x20 && byte != 0x7F) shown += text[i];
        else shown += {'\\', 'x', kHex[byte >> 4], kHex[byte & 0x0F]};
    }
    return text.size() > most ? shown + "..." : shown;
}

// A value as a message quotes it: in double quotes, cut when long.
std::string quoted(std::string_view text) { return "\"" + escaped(text, 40) + "\""; }

std::string hexByte(unsigned char byte) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    return {'0', 'x', kHex[byte >> 4], kHex[byte & 0x0F]};
}

// Finds the characters a value was written with, from the position toml++ gives it: a share is
// read from what the producer typed ("17.24"), not from the double toml++ made of it.
class SourceText {
public:
    explicit SourceText(std::string_view text) : text_(text) {
        std::size_t start = Utf8BomLength(text);
        lineStarts_.push_back(start);
        for (std::size_t i = start; i < text.size(); ++i)
            if (text[i] == '\n') lineStarts_.push_back(i + 1);
    }

    // The characters of the number that starts where toml++ says: up to the next separator.
    std::string_view written(const toml::source_region& region) const {
        const std::size_t from = offset(region.begin);
        if (from == std::string_view::npos) return {};
        const std::size_t to = text_.find_first_of(", \t\r\n]}#", from);
        return text_.substr(from, to == std::string_view::npos ? std::string_view::npos : to - from);
    }

private:
    // toml++ counts columns in characters; the text is checked UTF-8 before it is parsed.
    std::size_t offset(const toml::source_position& at) const {
        if (at.line == 0 || at.line > lineStarts_.size() || at.column == 0) return std::string_view::npos;
        std::size_t i = lineStarts_[at.line - 1];
        for (std::uint32_t column = 1; column < at.column; ++column) {
            if (i >= text_.size() || text_[i] == '\n') return std::string_view::npos;
            i += Utf8SequenceLength(static_cast<unsigned char>(text_[i]));
        }
        return i <= text_.size() ? i : std::string_view::npos;
    }

    std::string_view text_;
    std::vector<std::size_t> lineStarts_;
};

// A share in hundredths of a percent, read from the characters the producer typed: a plain
// decimal number from 0 to 100 with at most two decimals. The decimals are whole numbers here,
// so a row that adds up to 100 does so exactly, whatever the doubles would say.
std::optional<int> readShare(std::string_view written, std::string& problem) {
    std::string_view digits = written;
    bool negative = false;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    if (digits == "nan" || digits == "inf") {
        problem = "a share must be a number, not " + std::string(written);
        return std::nullopt;
    }
    const std::size_t point = digits.find('.');
    std::string_view whole = digits.substr(0, point);
    std::string_view decimals = point == std::string_view::npos ? std::string_view() : digits.substr(point + 1);
    const auto allDigits = [](std::string_view part) {
        return !part.empty() && std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (!allDigits(whole) || (point != std::string_view::npos && !allDigits(decimals))) {
        problem = "write a share as a plain decimal number, such as 17.25, not " + quoted(written);
        return std::nullopt;
    }
    while (!decimals.empty() && decimals.back() == '0') decimals.remove_suffix(1);
    if (decimals.size() > 2) {
        problem = std::string(written) + " has " + number(static_cast<std::int64_t>(decimals.size())) +
                  " decimals; a share has at most 2";
        return std::nullopt;
    }
    while (whole.size() > 1 && whole.front() == '0') whole.remove_prefix(1);
    int hundredths = 0;
    if (whole.size() <= 3) {
        for (const char c : whole) hundredths = hundredths * 10 + (c - '0');
        hundredths *= 100;
        for (std::size_t i = 0; i < 2; ++i)
            hundredths += (i < decimals.size() ? decimals[i] - '0' : 0) * (i == 0 ? 10 : 1);
    }
    if (negative && hundredths != 0) {
        problem = "a share cannot be negative: " + std::string(written);
        return std::nullopt;
    }
    if (whole.size() > 3 || hundredths > 10000) {
        problem = "a share is at most 100, not " + std::string(written);
        return std::nullopt;
    }
    return hundredths;
}

// "99.99", "100", "100.5": a sum of hundredths as the producer would write it.
std::string hundredthsText(long long hundredths) {
    std::string text = number(hundredths / 100);
    const long long rest = hundredths % 100;
    if (rest != 0) {
        text += '.';
        text += static_cast<char>('0' + rest / 10);
        if (rest % 10 != 0) text += static_cast<char>('0' + rest % 10);
    }
    return text;
}

std::size_t editDistance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            const char ca = static_cast<char>(a[i - 1] | 0x20), cb = static_cast<char>(b[j - 1] | 0x20);
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (ca == cb ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

struct Choice {
    std::string_view spelled;
    int value;
};

struct KnownKey {
    std::string_view name;
    bool required;
    std::string_view whatItHolds;  // for the message when it is missing or wrong
};

constexpr KnownKey kKeys[] = {
    {"name", true, "the method's name in double quotes, such as name = \"Sandhill 4D\""},
    {"note", false, "one line of text in double quotes"},
    {"money", true, "\"cents\" or \"whole-dollars\""},
    {"added-money", true, "\"with-the-pool\" or \"evenly\""},
    {"automatic-places", true, "\"entry-fee-back\" or \"none\""},
    {"divisions", true, "a table: [divisions], then a line such as 2 = [60, 40] for each number of Ds paid"},
    {"places", true, "a table: [places], then a line such as 2 = [60, 40] for each number of places paid"},
};

class Checker {
public:
    explicit Checker(std::string_view text) : source_(text) {}

    MethodFile check(const toml::table& root) {
        std::array<bool, std::size(kKeys)> seen{};
        for (auto&& [key, node] : root) {
            const std::size_t known = knownKey(key.str());
            if (known == std::size(kKeys)) {
                unknownKey(key);
                continue;
            }
            seen[known] = true;
            const std::string_view name = kKeys[known].name;
            if (name == "name") readName(node);
            else if (name == "note") readNote(node);
            else if (name == "money") readChoice(node, name, {{"cents", 0}, {"whole-dollars", 1}}, money_);
            else if (name == "added-money") readChoice(node, name, {{"with-the-pool", 0}, {"evenly", 1}}, added_);
            else if (name == "automatic-places")
                readChoice(node, name, {{"entry-fee-back", 0}, {"none", 1}}, automatic_);
            else if (name == "divisions") readDivisions(node);
            else readPlaces(node);
        }
        for (std::size_t k = 0; k < std::size(kKeys); ++k)
            if (kKeys[k].required && !seen[k])
                problem(1, 1, "missing " + std::string(kKeys[k].name) + ": " + std::string(kKeys[k].whatItHolds));

        file_.rules.money = money_ == 1 ? engine::MoneyShown::WholeDollars : engine::MoneyShown::Cents;
        file_.rules.addedMoney = added_ == 1 ? engine::AddedMoneyRule::Evenly : engine::AddedMoneyRule::WithThePool;
        file_.rules.automaticPlaces = automatic_ == 1 ? engine::AutomaticPlaces::None
                                                      : engine::AutomaticPlaces::EntryFeeBack;
        file_.rules.anyDCount = false;
        file_.rules.paysDs[1] = true;
        file_.rules.split.byDCount[1][0] = 1.0;
        return std::move(file_);
    }

    void problem(std::uint32_t line, std::uint32_t column, std::string what) {
        file_.problems.push_back({line ? line : 1, column ? column : 1, std::move(what)});
    }
    void problem(const toml::source_region& at, std::string what) {
        problem(at.begin.line, at.begin.column, std::move(what));
    }

private:
    static std::size_t knownKey(std::string_view key) {
        for (std::size_t k = 0; k < std::size(kKeys); ++k)
            if (kKeys[k].name == key) return k;
        return std::size(kKeys);
    }

    void unknownKey(const toml::key& key) {
        std::string what = "unknown key " + quoted(key.str());
        std::size_t best = 3;
        std::string_view guess;
        for (const KnownKey& known : kKeys) {
            const std::size_t distance = editDistance(key.str().substr(0, 40), known.name);
            if (distance < best) {
                best = distance;
                guess = known.name;
            }
        }
        if (!guess.empty()) what += "; did you mean " + std::string(guess) + "?";
        else what += "; a method file holds name, note, money, added-money, automatic-places, [divisions] and [places]";
        problem(key.source(), what);
    }

    void readName(const toml::node& node) {
        const std::optional<std::string_view> value = node.value<std::string_view>();
        if (!value) {
            problem(node.source(), "name must be " + std::string(kKeys[0].whatItHolds));
            return;
        }
        const std::string_view name = *value;
        const std::size_t characters = Utf8Length(name);
        if (name.empty()) {
            problem(node.source(), "the name is empty");
        } else if (!std::all_of(name.begin(), name.end(), [](char c) { return c >= 0x20 && c <= 0x7E; })) {
            problem(node.source(),
                    "the name may hold only printable ASCII characters: letters, digits, spaces "
                    "and signs such as - & ' ( )");
        } else if (characters > engine::kMethodNameMax) {
            problem(node.source(), "the name has " + number(static_cast<std::int64_t>(characters)) +
                                       " characters; it may have at most " +
                                       number(static_cast<std::int64_t>(engine::kMethodNameMax)));
        } else if (name.front() == ' ' || name.back() == ' ') {
            problem(node.source(), "the name starts or ends with a space");
        } else {
            std::copy(name.begin(), name.end(), file_.rules.name);
        }
    }

    void readNote(const toml::node& node) {
        const std::optional<std::string_view> value = node.value<std::string_view>();
        if (!value) {
            problem(node.source(), "note must be " + std::string(kKeys[1].whatItHolds));
            return;
        }
        if (HasControlCharacter(*value)) {
            problem(node.source(), "the note must be one line, without tabs or other control characters");
        } else if (Utf8Length(*value) > kMethodNoteMost) {
            problem(node.source(), "the note has " + number(static_cast<std::int64_t>(Utf8Length(*value))) +
                                       " characters; it may have at most " +
                                       number(static_cast<std::int64_t>(kMethodNoteMost)));
        } else {
            file_.note = *value;
        }
    }

    void readChoice(const toml::node& node, std::string_view key, std::initializer_list<Choice> choices, int& chosen) {
        const std::optional<std::string_view> value = node.value<std::string_view>();
        if (value) {
            for (const Choice& choice : choices) {
                if (*value == choice.spelled) {
                    chosen = choice.value;
                    return;
                }
            }
        }
        std::string what = std::string(key) + " must be";
        for (const Choice& choice : choices)
            what += (choice.value == 0 ? " \"" : " or \"") + std::string(choice.spelled) + "\"";
        if (value) what += ", not " + quoted(*value);
        problem(node.source(), what);
    }

    // [divisions] and [places] are tables whose keys are counts and whose values are lists of
    // shares, one per D or place.
    template <typename RowName, typename EachRow>
    void readRows(const toml::node& node, std::string_view key, int most, std::string_view countName, RowName rowName,
                  EachRow eachRow) {
        const toml::table* table = node.as_table();
        if (table == nullptr) {
            problem(node.source(), std::string(key) + " must be " + std::string(kKeys[knownKey(key)].whatItHolds));
            return;
        }
        for (auto&& [countKey, row] : *table) {
            const std::string_view spelled = countKey.str();
            int count = 0;
            const bool canonical = !spelled.empty() && spelled.size() <= 2 && spelled.front() != '0' &&
                                   std::all_of(spelled.begin(), spelled.end(),
                                               [](char c) { return c >= '0' && c <= '9'; });
            if (canonical)
                count = spelled.size() == 1 ? spelled[0] - '0' : (spelled[0] - '0') * 10 + (spelled[1] - '0');
            if (!canonical || count < 1 || count > most) {
                problem(countKey.source(), "a " + std::string(countName) + " is a whole number from 1 to " +
                                               number(most) + ", not " + quoted(spelled));
                continue;
            }
            const toml::array* shares = row.as_array();
            if (shares == nullptr) {
                problem(row.source(), "write the shares as a list in square brackets, such as " +
                                          std::string(count == 1 ? "[100]" : "[60, 40]"));
                continue;
            }
            std::vector<int> read;
            bool allRead = true;
            for (const toml::node& share : *shares) {
                std::string why;
                std::optional<int> hundredths;
                if (share.is_number()) hundredths = readShare(source_.written(share.source()), why);
                else why = "a share is a number, such as 17.25";
                if (!hundredths) {
                    problem(share.source(), why);
                    allRead = false;
                } else {
                    read.push_back(*hundredths);
                }
            }
            if (shares->size() != static_cast<std::size_t>(count)) {
                problem(row.source(), rowName(count) + " has " + number(static_cast<std::int64_t>(shares->size())) +
                                          " share" + (shares->size() == 1 ? "" : "s") + "; it needs " + number(count));
                continue;
            }
            if (allRead) eachRow(count, rowName(count), row.source(), *shares, read);
        }
    }

    // The shares of a row as decimals add up to exactly 100.
    bool addsUpTo100(const toml::source_region& at, const std::vector<int>& read, const std::string& row) {
        long long sum = 0;
        for (const int hundredths : read) sum += hundredths;
        if (sum == 10000) return true;
        problem(at, "the shares of " + row + " add up to " + hundredthsText(sum) + ", not 100");
        return false;
    }

    void readDivisions(const toml::node& node) {
        readRows(
            node, "divisions", kDivisionCount, "D count",
            [](int ds) { return "the split for " + number(ds) + (ds == 1 ? " D" : " Ds"); },
            [&](int ds, const std::string& split, const toml::source_region& at, const toml::array&,
                const std::vector<int>& read) {
                if (ds == 1) {
                    if (read[0] != 10000)
                        problem(at, "one D always takes the whole pool: write 1 = [100], or leave it out");
                    return;
                }
                if (!addsUpTo100(at, read, split)) return;
                file_.rules.paysDs[ds] = true;
                for (int d = 0; d < ds; ++d)
                    file_.rules.split.byDCount[ds][d] = fraction(read[static_cast<std::size_t>(d)]);
            });
    }

    void readPlaces(const toml::node& node) {
        readRows(
            node, "places", kScheduleRows, "place count",
            [](int places) { return "the " + number(places) + "-place row"; },
            [&](int places, const std::string& row, const toml::source_region& at, const toml::array& shares,
                const std::vector<int>& read) {
                bool ordered = true;
                if (read[0] == 0) {
                    problem(shares[0].source(), "place 1 of " + row + " gets 0; the first place must get more than 0");
                    ordered = false;
                }
                for (std::size_t p = 1; p < read.size(); ++p) {
                    if (read[p] > read[p - 1]) {
                        problem(shares[p].source(), "place " + number(static_cast<std::int64_t>(p + 1)) + " of " + row +
                                                        " gets more than place " +
                                                        number(static_cast<std::int64_t>(p)) +
                                                        "; a place never gets more than the one before it");
                        ordered = false;
                    }
                }
                if (!addsUpTo100(at, read, row) || !ordered) return;
                const int index = places - 1;
                file_.rules.hasRow[index] = true;
                for (int p = 0; p < places; ++p)
                    file_.rules.schedule.fractions[index][p] = fraction(read[static_cast<std::size_t>(p)]);
            });
        const toml::table* table = node.as_table();
        if (table != nullptr && table->empty())
            problem(node.source(), "[places] has no row; a method pays at least one number of places");
    }

    // The double nearest hundredths / 10000: one correctly rounded division of two exact numbers
    // gives exactly that, as the decimal literal 0.1724 does for 17.24 %.
    static double fraction(int hundredths) { return static_cast<double>(hundredths) / 10000.0; }

    SourceText source_;
    MethodFile file_;
    int money_ = 0;
    int added_ = 0;
    int automatic_ = 0;
};

}  // namespace

MethodFile ReadMethodText(std::string_view text) {
    MethodFile file;
    if (text.size() > kMethodFileMost) {
        file.problems.push_back(
            {1, 1,
             "the file is larger than 64 KiB (" + number(kMethodFileMost) + " bytes), the most a method file may be"});
        return file;
    }
    if (const std::size_t bad = FirstNonUtf8(text); bad != std::string_view::npos) {
        const TextPosition at = PositionOf(text, bad);
        file.problems.push_back({at.line, at.column,
                                 "the file is not UTF-8 text: byte " + hexByte(static_cast<unsigned char>(text[bad])) +
                                     " cannot stand here"});
        return file;
    }
    toml::parse_result parsed = toml::parse(text);
    if (!parsed) {
        const toml::source_position at = parsed.error().source().begin;
        file.problems.push_back(
            {at.line ? at.line : 1, at.column ? at.column : 1, escaped(parsed.error().description(), 200)});
        return file;
    }
    Checker checker(text);
    file = checker.check(parsed.table());
    std::stable_sort(file.problems.begin(), file.problems.end(), [](const MethodProblem& a, const MethodProblem& b) {
        return a.line != b.line ? a.line < b.line : a.column < b.column;
    });
    return file;
}

}  // namespace vantry::methods
