#pragma once

#include "engine/method_rules.h"
#include "engine/payout_types.h"

namespace vantry::engine {

// Divides the money of one event by any method, a built-in one as BuiltInRules gives it or a
// producer's own. Never fails: every input, however odd, yields a result. `params` are expected as
// NormalisedParameters keeps them; 0 or fewer places choose the count. An event the method cannot
// pay (WhyMethodCannotPay says why) still yields a result, from the nearest split and row the
// method has, so that nothing is read out of its tables; the front ends refuse such an event
// before they get here.
PayoutResult CalculatePayout(const PayoutParameters& params, const MethodRules& rules);

}  // namespace vantry::engine
