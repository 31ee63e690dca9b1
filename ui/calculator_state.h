#pragma once

#include "engine/payout_types.h"

namespace vantry::app {

// The calculator's state for the whole run. The fields of the dialog are only its view: they are
// read by "Calculate Payout" and rewritten from here on every paint.
struct CalculatorState {
    engine::PayoutParameters params;  // starts at 40 riders, $50, $100 added, 70 %, 4 Ds, places 0
    char ibraFlag = 'N';
    char brn4dFlag = 'N';
    char nbha4dFlag = 'Y';
    engine::PayoutResult result;

    engine::PayoutMethod method() const {
        if (ibraFlag == 'Y') return engine::PayoutMethod::Ibra;
        if (brn4dFlag == 'Y') return engine::PayoutMethod::Brn4d;
        return engine::PayoutMethod::Nbha4d;
    }
};

}  // namespace vantry::app
