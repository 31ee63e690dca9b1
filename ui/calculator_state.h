#pragma once

#include <string>

#include "engine/method_rules.h"
#include "engine/payout_types.h"

namespace vantry::app {

// The calculator's state for the whole run. The fields of the dialog are only its view: they are
// read by "Calculate Payout" and rewritten from here on every paint.
struct CalculatorState {
    engine::PayoutParameters params;  // starts at 40 riders, $50, $100 added, 70 %, 4 Ds, places 0
    char ibraFlag = 'N';
    char brn4dFlag = 'N';
    char nbha4dFlag = 'Y';
    // A producer's own method, chosen instead of the three: its place among the methods offered,
    // or -1. The rules are a copy, so that the method pays as it read when it was chosen or last
    // read again, whatever happens to its file meanwhile.
    int ownMethod = -1;
    engine::MethodRules ownRules;
    engine::PayoutResult result;

    engine::PayoutMethod method() const {
        if (ibraFlag == 'Y') return engine::PayoutMethod::Ibra;
        if (brn4dFlag == 'Y') return engine::PayoutMethod::Brn4d;
        return engine::PayoutMethod::Nbha4d;
    }
    const engine::MethodRules& rules() const { return ownMethod >= 0 ? ownRules : engine::BuiltInRules(method()); }
};

}  // namespace vantry::app
