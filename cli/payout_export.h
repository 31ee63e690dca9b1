#pragma once

#include <string>
#include <string_view>

#include "engine/payout_table.h"

namespace vantry::cli {

// The payouts for a spreadsheet: RFC 4180 CSV, "\r\n" line ends, a header row and one row per
// paid place of every listed D, in listing order. Amounts and percentages are the listing's own
// texts: numbers with a '.' point in every locale, without '$', padding or separators.
std::string PayoutCsv(const engine::PayoutTable& table, std::string_view method);

// The same for a script: one JSON object on one line, keys in a fixed order, money and
// percentages as strings holding the listing's text (a JSON number would be read as a binary
// double and could lose the printed cents), counts as numbers.
std::string PayoutJson(const engine::PayoutTable& table, std::string_view method);

}  // namespace vantry::cli
