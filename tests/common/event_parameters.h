#pragma once

#include "engine/payout_types.h"

// An event's six inputs in the order the dialog lists them.
inline vantry::engine::PayoutParameters Event(int riders, double fee, double added, double payoff, int ds, int places) {
    vantry::engine::PayoutParameters params;
    params.riderCount = riders;
    params.entryFee = fee;
    params.addedMoney = added;
    params.payoffPercent = payoff;
    params.dsToPay = ds;
    params.places = places;
    return params;
}
