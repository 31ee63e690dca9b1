#pragma once

#include "engine/payout_types.h"

namespace vantry::engine {

// How one D's total is divided among its places. Row i pays i + 1 places; a place the row
// does not pay holds exactly 0, because the calculation multiplies and scans all 30.
struct PlaceSchedule {
    double fractions[kScheduleRows][kMaxPlaces];

    // row: 0 to 29. Returns 1 to 30: every schedule's row i pays i + 1 places.
    static constexpr int placeCount(int row) { return row + 1; }
    // row: 0 to 29, place: 1 to 30.
    double fraction(int row, int place) const { return fractions[row][place - 1]; }
};

// How the pool is divided among the Ds, for each number of Ds paid from 1 to 7 (one D takes the
// whole pool).
struct DivisionSplit {
    double byDCount[kDivisionCount + 1][kDivisionCount];  // [dCount][d - 1], dCount 1 to 7
};

struct DivisionShares {
    double shares[kDivisionCount];  // 1D to 7D, fractions of the pool
    double lastDShare;              // share of the last D paid, which the automatic places test
};

const PlaceSchedule& placeScheduleFor(PayoutMethod method);

// Any D count is accepted: 1 to 6 select that split, every other value the seven-D split.
DivisionShares divisionSharesFor(PayoutMethod method, int dsToPay);

}  // namespace vantry::engine
