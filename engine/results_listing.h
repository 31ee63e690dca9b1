#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "payout_types.h"

namespace vantry::engine {

// The text of one calculation, line by line, as the result list shows it and the report prints
// it. An empty line is a line of its own. No line is longer than kListingLineMax characters.
using ResultListing = std::vector<std::string>;

inline constexpr std::size_t kListingLineMax = 132;
inline constexpr std::size_t kListingMaxLines = 229;  // 5 + 7 Ds x (2 + 30 places)

// Lines 1 to 4: the parameters as stored.
ResultListing RenderParameterLines(const PayoutParameters& params);

// The method header and, for each listed D, an empty line, the D total and one line per place.
ResultListing RenderResultLines(const PayoutParameters& params, PayoutMethod method,
                                const PayoutResult& result);

// The whole listing of one event, as the dialog fills its list: the parameter lines, then the
// calculation's lines.
ResultListing RenderListing(const PayoutParameters& params, PayoutMethod method);

}  // namespace vantry::engine
