#pragma once

#include "payout_types.h"

namespace vantry::engine {

// Divides the money of one event. Never fails: every input, however odd, yields a result.
// `params` are expected as NormalisedParameters keeps them; 0 or fewer places choose the count.
PayoutResult CalculatePayout(const PayoutParameters& params, PayoutMethod method);

}  // namespace vantry::engine
