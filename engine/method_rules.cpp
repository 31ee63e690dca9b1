#include "engine/method_rules.h"

#include <cmath>

#include "engine/number_text.h"

namespace vantry::engine {

namespace {

int largestDCount(const MethodRules& rules) {
    for (int n = kDivisionCount; n > 1; --n)
        if (rules.paysDs[n]) return n;
    return 1;
}

std::string wholeNumber(int value) { return FormatString("%d", {value}); }

// "1, 2, 3 or 4".
std::string countList(const bool (&pays)[kDivisionCount + 1]) {
    std::string list;
    int last = 0;
    for (int n = 1; n <= kDivisionCount; ++n) {
        if (!pays[n] && n != 1) continue;
        if (last != 0) list += ", ";
        list += wholeNumber(n);
        last = n;
    }
    const std::size_t comma = list.rfind(", ");
    if (comma != std::string::npos) list.replace(comma, 2, " or ");
    return list;
}

// The place counts of the rows a method has, runs written as ranges: "1 to 4, 6 or 10".
std::string rowList(const MethodRules& rules) {
    std::string list;
    for (int row = 0; row < kScheduleRows;) {
        if (!rules.hasRow[row]) {
            ++row;
            continue;
        }
        int end = row;
        while (end + 1 < kScheduleRows && rules.hasRow[end + 1]) ++end;
        if (!list.empty()) list += ", ";
        list += wholeNumber(row + 1);
        if (end > row) list += (end == row + 1 ? ", " : " to ") + wholeNumber(end + 1);
        row = end + 1;
    }
    const std::size_t comma = list.rfind(", ");
    if (comma != std::string::npos) list.replace(comma, 2, " or ");
    return list;
}

}  // namespace

int PaidDCount(const MethodRules& rules, int dsToPay) {
    if (dsToPay >= 1 && dsToPay <= kDivisionCount && (dsToPay == 1 || rules.paysDs[dsToPay])) return dsToPay;
    return largestDCount(rules);
}

DivisionShares divisionSharesFor(const MethodRules& rules, int dsToPay) {
    const int dCount = PaidDCount(rules, dsToPay);
    DivisionShares result{};
    if (dCount == 1) {
        result.shares[0] = 1.0;  // one D takes the whole pool
    } else {
        for (int d = 0; d < dCount; ++d) result.shares[d] = rules.split.byDCount[dCount][d];
    }
    result.lastDShare = result.shares[dCount - 1];
    return result;
}

int SmallestRow(const MethodRules& rules) {
    for (int row = 0; row < kScheduleRows; ++row)
        if (rules.hasRow[row]) return row;
    return 0;
}

std::string WhyMethodCannotPay(const MethodRules& rules, const PayoutParameters& typed) {
    const PayoutParameters params = NormalisedParameters(typed);
    const std::string name(rules.displayName());
    const int ds = params.dsToPay;
    if (!rules.anyDCount && !(ds >= 1 && ds <= kDivisionCount && (ds == 1 || rules.paysDs[ds]))) {
        if (largestDCount(rules) == 1) return name + " pays only 1 D, not " + wholeNumber(ds);
        return name + " pays " + countList(rules.paysDs) + " Ds, not " + wholeNumber(ds);
    }
    if (params.places >= 1 && !rules.hasRow[params.places - 1])
        return name + " has no " + wholeNumber(params.places) + "-place row; its rows pay " + rowList(rules) +
               " places";
    if (params.places < 1 && rules.automaticPlaces == AutomaticPlaces::None)
        return name + " does not choose the places itself; give the places to pay: " + rowList(rules);
    return {};
}

int HundredthsOfPercent(double fraction) {
    if (!(fraction >= 0.0 && fraction <= 1.0)) return -1;
    const long hundredths = std::lround(fraction * 10000.0);
    // The double nearest hundredths / 10000 is what one correctly rounded division gives.
    return static_cast<double>(hundredths) / 10000.0 == fraction ? static_cast<int>(hundredths) : -1;
}

int ShareDecimals(double fraction) {
    const int hundredths = HundredthsOfPercent(fraction);
    if (hundredths < 0) return 2;
    if (hundredths % 100 == 0) return 0;
    return hundredths % 10 == 0 ? 1 : 2;
}

}  // namespace vantry::engine
