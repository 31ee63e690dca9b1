#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "engine/payout_schedules.h"
#include "engine/payout_types.h"

namespace vantry::engine {

// A payout method as a value: everything the calculation and the listing need to know of how an
// association (or a producer) pays. The three built-in methods are constants of this type; a
// producer's own method is read from a method file into one.

// How amounts are listed. Whole dollars also judge the automatic places on the amount rounded
// to whole dollars, as the IBRA-like method always has.
enum class MoneyShown { Cents, WholeDollars };

// With the pool: each D gets its share of the whole pool. Evenly: each paid D gets its share of
// the entry money kept for the riders, plus an equal part of the added money.
enum class AddedMoneyRule { WithThePool, Evenly };

// Whether 0 or fewer places asks the method to choose them (entry fee back for the last place of
// the last D), or places must be typed.
// (X11's headers define None as a macro; a window program may include them first.)
#pragma push_macro("None")
#undef None
enum class AutomaticPlaces { EntryFeeBack, None };
#pragma pop_macro("None")

inline constexpr std::size_t kMethodNameMax = 40;

struct MethodRules {
    char name[kMethodNameMax + 1] = {};  // 1 to 40 printable ASCII characters, zero-terminated
    MoneyShown money = MoneyShown::Cents;
    AddedMoneyRule addedMoney = AddedMoneyRule::WithThePool;
    AutomaticPlaces automaticPlaces = AutomaticPlaces::EntryFeeBack;
    // paysDs[n]: whether the method has a split for n Ds (1 always: one D takes the whole pool).
    bool paysDs[kDivisionCount + 1] = {};
    DivisionSplit split = {};  // byDCount[n][d - 1] for every n the method pays
    // hasRow[r]: whether the method has a place row for r + 1 places.
    bool hasRow[kScheduleRows] = {};
    PlaceSchedule schedule = {};
    // The built-in methods take any D count, as the dialog always has: a count they have no split
    // for (0, negative, 8 and up) divides the pool by their largest split. A method file pays only
    // the counts it lists.
    bool anyDCount = false;

    std::string_view displayName() const { return std::string_view(name); }
};

const MethodRules& BuiltInRules(PayoutMethod method);

// The seven shares and the last-D share for a D count. A count the method pays takes its split;
// any other takes the method's largest split, which for the built-in methods is the seven-D one.
DivisionShares divisionSharesFor(const MethodRules& rules, int dsToPay);

// The number of Ds of the split that dsToPay selects: dsToPay itself when the method pays that
// many, else the largest the method pays.
int PaidDCount(const MethodRules& rules, int dsToPay);

// The index of the method's smallest place row: the row automatic places fall back on.
int SmallestRow(const MethodRules& rules);

// Why the method cannot pay this event, in a sentence for the producer ("Sandhill 4D pays 1, 2,
// 3 or 4 Ds, not 5"), or empty when it can. The calculation itself never fails; every front end
// asks this first and refuses the event with the sentence.
std::string WhyMethodCannotPay(const MethodRules& rules, const PayoutParameters& params);

// A percentage of a share or a fraction, in hundredths of a percent (0.1724 is 1724). The tables
// hold the double nearest each decimal, so this recovers the decimal exactly; -1 when the value
// is not a whole number of hundredths of a percent between 0 and 100.
int HundredthsOfPercent(double fraction);

// The decimals (0, 1 or 2) that show a D's share exactly: 35 %, 27.5 %, 17.25 %.
int ShareDecimals(double fraction);

}  // namespace vantry::engine
