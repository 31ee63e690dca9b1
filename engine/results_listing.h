#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "payout_types.h"

namespace vantry::engine {

// The text of one calculation, line by line, as the result list shows it and the report prints
// it. An empty line is a line of its own. No line is longer than kListingLineMax characters: a
// line that would be (only with absurd amounts) is cut and ends in kCutLineMark.
using ResultListing = std::vector<std::string>;

inline constexpr std::size_t kListingLineMax = 132;
inline constexpr std::string_view kCutLineMark = "...";
inline constexpr std::size_t kListingMaxLines = 229;  // 5 + 7 Ds x (2 + 30 places)

// Lines 1 to 4: the parameters as stored.
ResultListing RenderParameterLines(const PayoutParameters& params);

// The method header and, for each listed D, an empty line, the D total and one line per place.
ResultListing RenderResultLines(const PayoutParameters& params, PayoutMethod method,
                                const PayoutResult& result);

// The whole listing of one event, as the dialog fills its list: the parameter lines, then the
// calculation's lines.
ResultListing RenderListing(const PayoutParameters& params, PayoutMethod method);

// Whether a line was cut because its amounts did not fit.
bool IsCutLine(std::string_view line);
bool HasCutLine(const ResultListing& lines);

}  // namespace vantry::engine
