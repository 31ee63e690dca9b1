#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/method_rules.h"
#include "engine/payout_table.h"
#include "engine/payout_types.h"

namespace vantry::engine {

// The text of one calculation, line by line, as the result list shows it and the report prints
// it. An empty line is a line of its own. No line is longer than kListingLineMax characters: a
// line that would be (only with absurd amounts) is cut and ends in kCutLineMark.
using ResultListing = std::vector<std::string>;

inline constexpr std::size_t kListingLineMax = 132;
inline constexpr std::string_view kCutLineMark = "...";
inline constexpr std::size_t kListingMaxLines = 229;  // 5 + 7 Ds x (2 + 30 places)

// One event listed: its lines, the same values as a table, and the calculation behind them.
struct ListedPayout {
    ResultListing lines;
    PayoutTable table;
    PayoutResult result;
};

// Hears each line as soon as it is made. The four parameter lines come before the calculation
// runs, then the method header and, for each listed D, an empty line, the D total and a line
// per place.
using ListingSink = std::function<void(const std::string& line)>;

// The one way the calculator lists an event: the dialog, the command-line tool, its exports and
// the report all take their lines (and the tool its table) from here.
ListedPayout ListPayout(const PayoutParameters& params, PayoutMethod method, const ListingSink& eachLine = nullptr);
// The same by any method. The event is expected to be one the method can pay (WhyMethodCannotPay
// is empty); one it cannot is listed from the nearest split and row the method has.
ListedPayout ListPayout(const PayoutParameters& params, const MethodRules& rules,
                        const ListingSink& eachLine = nullptr);

// Whether a line was cut because its amounts did not fit.
bool IsCutLine(std::string_view line);
bool HasCutLine(const ResultListing& lines);

}  // namespace vantry::engine
