#include "engine/payout_calculation.h"

namespace vantry::engine {

namespace {

// Automatic places pay as many places as possible while every paid place of the last D still
// gives its rider at least the entry fee back. A method that lists whole dollars judges the
// amount once rounded to whole dollars (hence + 0.5), as IBRA does; the others judge the amount
// itself. Amounts of 0.5 or less (the unpaid places, and any negative pool) never reject a row.
bool rowPaysEveryoneTheirFee(const MethodRules& rules, int row, double lastDPool, double entryFee) {
    for (int place = 1; place <= kMaxPlaces; ++place) {
        const double candidate = lastDPool * rules.schedule.fraction(row, place);
        const double judged = rules.money == MoneyShown::WholeDollars ? candidate + 0.5 : candidate;
        if (judged > 0.5 && entryFee > judged) return false;
    }
    return true;
}

// Rows are tried from the most places down to the second fewest the method has; the fewest is
// taken without a test when every other row fails.
int automaticRow(const MethodRules& rules, double lastDPool, double entryFee) {
    const int smallest = SmallestRow(rules);
    for (int row = kScheduleRows - 1; row > smallest; --row) {
        if (rules.hasRow[row] && rowPaysEveryoneTheirFee(rules, row, lastDPool, entryFee)) return row;
    }
    return smallest;
}

// A fixed place count the method has no row for (which the front ends refuse) takes the largest
// row below it, or the smallest row.
int fixedRow(const MethodRules& rules, int places) {
    for (int row = places - 1; row >= 0; --row)
        if (rules.hasRow[row]) return row;
    return SmallestRow(rules);
}

}  // namespace

PayoutResult CalculatePayout(const PayoutParameters& typed, const MethodRules& rules) {
    // Normalised again so that no caller can make the schedule row out of range.
    const PayoutParameters params = NormalisedParameters(typed);
    const DivisionShares split = divisionSharesFor(rules, params.dsToPay);
    const int dsPaid = PaidDCount(rules, params.dsToPay);

    PayoutResult result;
    for (int d = 0; d < kDivisionCount; ++d) result.shares[d] = split.shares[d];

    // The producer keeps the fraction not paid back; computing it as gross * payoff / 100
    // would round differently.
    result.gross = static_cast<double>(params.riderCount) * params.entryFee;
    result.producer = (1.0 - params.payoffPercent / 100.0) * result.gross;
    result.pool = (result.gross - result.producer) + params.addedMoney;

    // What each D pays out. With the pool, each D's share of the whole pool; evenly, each paid D's
    // share of the entry money kept for the riders, plus an equal part of the added money.
    double dTotals[kDivisionCount];
    for (int d = 0; d < kDivisionCount; ++d) {
        if (rules.addedMoney == AddedMoneyRule::WithThePool) dTotals[d] = result.pool * result.shares[d];
        else
            dTotals[d] = d < dsPaid ? (result.gross - result.producer) * result.shares[d] +
                                          params.addedMoney / static_cast<double>(dsPaid)
                                    : 0.0;
    }
    const double lastDPool = dTotals[dsPaid - 1];

    if (params.places >= 1) result.row = fixedRow(rules, params.places);
    else if (rules.automaticPlaces == AutomaticPlaces::EntryFeeBack)
        result.row = automaticRow(rules, lastDPool, params.entryFee);
    else result.row = SmallestRow(rules);
    result.placings = PlaceSchedule::placeCount(result.row);

    for (int d = 0; d < kDivisionCount; ++d) {
        for (int place = 1; place <= kMaxPlaces; ++place)
            result.amounts[d][place - 1] = dTotals[d] * rules.schedule.fraction(result.row, place);
    }
    return result;
}

}  // namespace vantry::engine
