#pragma once

#include "payout_types.h"

// Divides the money of one event. Never fails: every input, however odd, yields a result.
// `params.places` above 30 is lowered to 30 in place, so that what is shown afterwards is
// what was paid; 0 or less (automatic places) is left as the user entered it.
PayoutResult CalculatePayout(PayoutParameters& params, PayoutMethod method);
