#include "payout_calculation.h"

#include "payout_schedules.h"

namespace vantry::engine {

namespace {

// Automatic places pay as many places as possible while every paid place of the last D still
// gives its rider at least the entry fee back. IBRA judges the amount once rounded to whole
// dollars (hence + 0.5); the others judge the amount itself. Amounts of 0.5 or less (the
// unpaid places, and any negative pool) never reject a row.
bool rowPaysEveryoneTheirFee(const PlaceSchedule& schedule, int row, double lastDPool,
                             double entryFee, PayoutMethod method) {
    for (int place = 1; place <= kMaxPlaces; ++place) {
        const double candidate = lastDPool * schedule.fraction(row, place);
        const double judged = method == PayoutMethod::Ibra ? candidate + 0.5 : candidate;
        if (judged > 0.5 && entryFee > judged) return false;
    }
    return true;
}

int automaticRow(const PlaceSchedule& schedule, double lastDPool, double entryFee,
                 PayoutMethod method) {
    for (int row = kScheduleRows - 1; row >= 1; --row) {
        if (rowPaysEveryoneTheirFee(schedule, row, lastDPool, entryFee, method)) return row;
    }
    return 0;  // one place, taken without a test
}

}  // namespace

PayoutResult CalculatePayout(const PayoutParameters& typed, PayoutMethod method) {
    // Normalised again so that no caller can make the schedule row out of range.
    const PayoutParameters params = NormalisedParameters(typed);
    const DivisionShares split = divisionSharesFor(method, params.dsToPay);
    const PlaceSchedule& schedule = placeScheduleFor(method);

    PayoutResult result;
    for (int d = 0; d < kDivisionCount; ++d) result.shares[d] = split.shares[d];

    // The producer keeps the fraction not paid back; computing it as gross * payoff / 100
    // would round differently.
    result.gross = static_cast<double>(params.riderCount) * params.entryFee;
    result.producer = (1.0 - params.payoffPercent / 100.0) * result.gross;
    result.pool = (result.gross - result.producer) + params.addedMoney;
    const double lastDPool = result.pool * split.lastDShare;

    result.row = params.places >= 1 ? params.places - 1
                                    : automaticRow(schedule, lastDPool, params.entryFee, method);
    result.placings = schedule.placeCount(result.row);

    for (int d = 0; d < kDivisionCount; ++d) {
        for (int place = 1; place <= kMaxPlaces; ++place) {
            result.amounts[d][place - 1] =
                (result.pool * result.shares[d]) * schedule.fraction(result.row, place);
        }
    }
    return result;
}

}  // namespace vantry::engine
