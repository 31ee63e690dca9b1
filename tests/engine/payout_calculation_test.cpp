#include "engine/payout_calculation.h"

#include <gtest/gtest.h>

#include "tests/common/event_parameters.h"

using namespace vantry::engine;

namespace {

TEST(PayoutCalculation, DefaultEventPaysTwoPlacesInEachOfFourDs) {
    PayoutParameters params;  // 40 riders, $50, $100 added, 70 %, 4 Ds, automatic places
    const PayoutResult result = CalculatePayout(params, BuiltInRules(PayoutMethod::Nbha4d));
    EXPECT_EQ(result.gross, 2000.0);
    EXPECT_EQ(result.producer, 600.0000000000001);  // 1 - 0.7 is not exactly 0.3
    EXPECT_EQ(result.pool, 1500.0);
    EXPECT_EQ(result.row, 1);
    EXPECT_EQ(result.placings, 2);
    EXPECT_DOUBLE_EQ(result.amounts[0][0], 315.0);
    EXPECT_DOUBLE_EQ(result.amounts[0][1], 210.0);
    EXPECT_DOUBLE_EQ(result.amounts[3][0], 135.0);
    EXPECT_DOUBLE_EQ(result.amounts[3][1], 90.0);
    EXPECT_EQ(result.amounts[0][2], 0.0);
    EXPECT_EQ(result.amounts[4][0], 0.0);
}

TEST(PayoutCalculation, UnnormalisedPlacesCannotLeaveTheSchedule) {
    const PayoutResult result = CalculatePayout(Event(40, 50, 100, 70, 4, 45), BuiltInRules(PayoutMethod::Brn4d));
    EXPECT_EQ(result.placings, 30);
}

struct PlacingsCase {
    const char* name;
    PayoutMethod method;
    PayoutParameters params;
    int placings;
    int storedPlaces;
};

TEST(PayoutCalculation, NumberOfPlacesPaid) {
    // A $124 pool paid to one D: two places give 74.40 and 49.60 against a $50 fee. IBRA judges
    // 49.60 rounded to dollars (50.10, not below the fee); the others judge 49.60 itself.
    const PlacingsCase cases[] = {
        {"ibra rounds the candidate", PayoutMethod::Ibra, Event(0, 50, 124, 70, 1, 0), 2, 0},
        {"nbha does not round", PayoutMethod::Nbha4d, Event(0, 50, 124, 70, 1, 0), 1, 0},
        {"brn4d does not round", PayoutMethod::Brn4d, Event(0, 50, 124, 70, 1, 0), 1, 0},
        {"too little for two places", PayoutMethod::Nbha4d, Event(2, 50, 0, 70, 4, 0), 1, 0},
        {"zero pool pays 30", PayoutMethod::Ibra, Event(0, 50, 0, 70, 4, 0), 30, 0},
        {"zero fee pays 30", PayoutMethod::Nbha4d, Event(40, 0, 100, 70, 4, 0), 30, 0},
        {"negative pool pays 30", PayoutMethod::Brn4d, Event(40, 50, -5000, 70, 4, 0), 30, 0},
        {"large pool pays 30", PayoutMethod::Nbha4d, Event(2000, 50, 0, 70, 1, 0), 30, 0},
        {"places above 30 stored as 30", PayoutMethod::Nbha4d, Event(40, 50, 100, 70, 4, 45), 30, 30},
        {"places far above 30 stored as 30", PayoutMethod::Ibra, Event(40, 50, 100, 70, 4, 2147483647), 30, 30},
        {"negative places are automatic", PayoutMethod::Nbha4d, Event(40, 50, 100, 70, 4, -3), 2, -3},
        {"one fixed place", PayoutMethod::Ibra, Event(40, 50, 100, 70, 4, 1), 1, 1},
        {"fixed places ignore the fee", PayoutMethod::Ibra, Event(2, 50, 0, 70, 4, 12), 12, 12},
        {"brn4d counts 28 places", PayoutMethod::Brn4d, Event(40, 50, 100, 70, 4, 28), 28, 28},
    };
    for (const PlacingsCase& c : cases) {
        const PayoutParameters params = NormalisedParameters(c.params);  // as the dialog and tool store them
        const PayoutResult result = CalculatePayout(params, BuiltInRules(c.method));
        EXPECT_EQ(result.placings, c.placings) << c.name;
        EXPECT_EQ(result.row, c.placings - 1) << c.name;
        EXPECT_EQ(params.places, c.storedPlaces) << c.name;
    }
}

TEST(PayoutCalculation, AutomaticPlacesJudgeTheLastDOfTheSplit) {
    // 7 Ds by any count outside 1 to 6: the 8 % 7D decides. $1000 pool: 7D gets $80, which pays
    // two places of 48 and 32 only above a $32 fee, one place at $33.
    for (int ds : {0, 9, -1}) {
        PayoutParameters params = Event(0, 32, 1000, 70, ds, 0);
        EXPECT_EQ(CalculatePayout(params, BuiltInRules(PayoutMethod::Nbha4d)).placings, 2) << ds;
        params.entryFee = 33;
        EXPECT_EQ(CalculatePayout(params, BuiltInRules(PayoutMethod::Nbha4d)).placings, 1) << ds;
    }
}

TEST(PayoutCalculation, EveryDIsFilledFromItsShareWhateverIsListed) {
    struct Case {
        int ds;
        double firstPlaces[kDivisionCount];
    };
    // One place paid, so each D's first place is the D's whole share of a $1000 pool.
    const Case cases[] = {
        {1, {1000, 0, 0, 0, 0, 0, 0}},
        {2, {600, 400, 0, 0, 0, 0, 0}},
        {0, {260, 200, 160, 110, 100, 90, 80}},
        {9, {260, 200, 160, 110, 100, 90, 80}},
    };
    for (const Case& c : cases) {
        PayoutParameters params = Event(0, 50, 1000, 70, c.ds, 1);
        const PayoutResult result = CalculatePayout(params, BuiltInRules(PayoutMethod::Ibra));
        for (int d = 0; d < kDivisionCount; ++d) {
            EXPECT_DOUBLE_EQ(result.amounts[d][0], c.firstPlaces[d]) << "ds " << c.ds << " D" << d + 1;
            for (int place = 1; place < kMaxPlaces; ++place) EXPECT_EQ(result.amounts[d][place], 0.0);
        }
    }
}

TEST(PayoutCalculation, Brn4dPaysNothingAfterThe25thPlace) {
    PayoutParameters params = Event(400, 50, 0, 100, 1, 30);
    const PayoutResult result = CalculatePayout(params, BuiltInRules(PayoutMethod::Brn4d));
    EXPECT_EQ(result.placings, 30);
    EXPECT_DOUBLE_EQ(result.amounts[0][24], 220.0);  // 1.1 % of $20,000
    for (int place = 25; place < kMaxPlaces; ++place) EXPECT_EQ(result.amounts[0][place], 0.0);
}

TEST(PayoutCalculation, MoneyAndAmountsAreEvaluatedInTheirWrittenOrder) {
    // 11 riders at $25, 70 % back: the pool is exactly 192.5 while the producer's share is just
    // above 82.5 (computed from the 30 % kept, not as gross * 70 / 100).
    PayoutParameters params = Event(11, 25, 0, 70, 2, 0);
    const PayoutResult result = CalculatePayout(params, BuiltInRules(PayoutMethod::Ibra));
    EXPECT_EQ(result.gross, 275.0);
    EXPECT_EQ(result.producer, 82.50000000000001);  // 1 - 0.7 is a little above 0.3
    EXPECT_GT(result.producer, 82.5);
    EXPECT_EQ(result.pool, 192.5);
    EXPECT_EQ(result.placings, 2);
    EXPECT_EQ(result.amounts[0][0], 69.3);
    // (pool x 2D share) x place fraction; pool x (share x fraction) would be 30.800000000000004.
    EXPECT_EQ(result.amounts[1][1], 30.8);
}

TEST(PayoutCalculation, PayoffAbove100MakesTheProducerPay) {
    PayoutParameters params = Event(10, 100, 0, 110, 1, 1);
    const PayoutResult result = CalculatePayout(params, BuiltInRules(PayoutMethod::Nbha4d));
    EXPECT_LT(result.producer, 0.0);
    EXPECT_GT(result.pool, result.gross);
}

}  // namespace
