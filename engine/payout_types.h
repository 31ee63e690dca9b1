#pragma once

#include <cstdint>

namespace vantry::engine {

// The shapes every part of the calculator shares: what the user typed, which association's
// rules to imitate, and what one calculation produced.

inline constexpr int kDivisionCount = 7;  // 1D to 7D
inline constexpr int kMaxPlaces = 30;     // places paid in one D, at most
inline constexpr int kScheduleRows = 30;  // row i of a place schedule pays i + 1 places

enum class PayoutMethod { Ibra, Brn4d, Nbha4d };

// The six inputs of one event, as read from the dialog's fields.
struct PayoutParameters {
    std::int32_t riderCount = 40;
    double entryFee = 50.0;       // dollars per entry
    double addedMoney = 100.0;    // dollars added to the pool
    double payoffPercent = 70.0;  // whole percent of the gross paid back (70 means 70 %)
    std::int32_t dsToPay = 4;     // 1 to 6 pick that split; anything else the seven-D split
    std::int32_t places = 0;      // 1 to 30 fixed; 0 or less means "choose for me"
};

// The parameters as the calculator keeps them once read: a place count above the most any
// schedule pays is kept as that most, so that what is shown afterwards is what was paid. Every
// reader of the six inputs (the dialog's fields, the tool's options) stores its values through
// here; everything after takes them as they are.
constexpr PayoutParameters NormalisedParameters(PayoutParameters params) {
    if (params.places > kMaxPlaces) params.places = kMaxPlaces;
    return params;
}

struct PayoutResult {
    double gross = 0.0;
    double producer = 0.0;
    double pool = 0.0;
    double shares[kDivisionCount] = {};
    int row = 0;       // place schedule row used; row r pays r + 1 places
    int placings = 0;  // places paid in each D, the place count of `row`
    double amounts[kDivisionCount][kMaxPlaces] = {};
};

}  // namespace vantry::engine
