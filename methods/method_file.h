#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/method_rules.h"

namespace vantry::methods {

// A producer's own payout method is a small TOML file, read with toml++ and checked here, so that
// every front end takes the same method from the same file or refuses it with the same errors.
// Files travel by e-mail between producers: nothing in one is trusted.

// A method file as the help, the manual page and the README show it: every key it may hold.
inline constexpr std::string_view kMethodFileExample =
    "name = \"Sandhill 4D\"                  # 1 to 40 printable ASCII characters, no leading or trailing space\n"
    "note = \"Winter series\"                # optional, free text; shown by --list-methods\n"
    "money = \"cents\"                       # \"cents\" or \"whole-dollars\"\n"
    "added-money = \"with-the-pool\"         # \"with-the-pool\" or \"evenly\"\n"
    "automatic-places = \"entry-fee-back\"   # \"entry-fee-back\" or \"none\"\n"
    "\n"
    "[divisions]   # percent of the pool for 1D, 2D, ... for each number of Ds the method pays\n"
    "2 = [60, 40]\n"
    "3 = [50, 30, 20]\n"
    "4 = [35, 30, 20, 15]\n"
    "\n"
    "[places]      # percent of a D's total for place 1, 2, ... for each number of places paid\n"
    "1 = [100]\n"
    "2 = [60, 40]\n"
    "3 = [50, 30, 20]\n"
    "4 = [40, 30, 20, 10]\n";

inline constexpr std::size_t kMethodFileMost = 64 * 1024;  // bytes
inline constexpr std::size_t kMethodNoteMost = 200;        // characters

// One thing wrong with a file, where it is: line and column from 1, the column counted in
// characters. A fault of the whole file (its size, a missing key) is at line 1, column 1.
struct MethodProblem {
    std::uint32_t line;
    std::uint32_t column;
    std::string what;
};

struct MethodFile {
    engine::MethodRules rules;            // the method, when the file has no problem
    std::string note;                     // the file's optional note, shown beside its name in lists
    std::vector<MethodProblem> problems;  // every problem found, in the order of the file

    bool valid() const { return problems.empty(); }
};

// Reads and checks the text of a method file. The text may be anything: bytes that are not
// UTF-8, a file over kMethodFileMost (reported as such), TOML that does not parse.
MethodFile ReadMethodText(std::string_view text);

// "FILE:LINE:COLUMN: what is wrong", the form compilers use, so that an editor can jump to it.
std::string ProblemLine(std::string_view file, const MethodProblem& problem);

// The method as a commented method file that a producer can start from: it names every key and
// what it may hold, and reads back as the very same method. `note` is written when not empty.
std::string MethodFileText(const engine::MethodRules& rules, std::string_view note);

// The method as a readable table of its D splits and place rows, for a producer to check a file.
std::string MethodSummary(const engine::MethodRules& rules, std::string_view note);

// A share or fraction as the percentage a file writes: "17.24", "35", "0.7".
std::string PercentText(double fraction);

}  // namespace vantry::methods
