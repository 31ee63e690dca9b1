#include "engine/payout_schedules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

using namespace vantry::engine;

namespace {

constexpr PayoutMethod kMethods[] = {PayoutMethod::Ibra, PayoutMethod::Brn4d, PayoutMethod::Nbha4d};

// Every table value is a percentage with at most two decimals, so a fraction with at most four.
// Returns the value in ten-thousandths, and fails when the double held is not the one nearest
// that decimal (0.7 / 100 computed at run time would not be).
long long tenThousandths(double value) {
    const long long units = std::llround(value * 10000.0);
    const std::string text = std::to_string(units) + "e-4";
    const double nearest = std::strtod(text.c_str(), nullptr);  // correctly rounded
    EXPECT_EQ(value, nearest) << "not the double nearest " << text;
    return units;
}

std::vector<double> percentRow(PayoutMethod method, int row) {
    std::vector<double> percents;
    for (int place = 1; place <= kMaxPlaces; ++place) {
        const double f = placeScheduleFor(method).fraction(row, place);
        if (f != 0.0) percents.push_back(static_cast<double>(tenThousandths(f)) / 100.0);
    }
    return percents;
}

TEST(PlaceSchedules, EveryRowPaysExactlyAllOfTheMoneyInNonIncreasingAmounts) {
    for (PayoutMethod method : kMethods) {
        const PlaceSchedule& schedule = placeScheduleFor(method);
        for (int row = 0; row < kScheduleRows; ++row) {
            SCOPED_TRACE("method " + std::to_string(static_cast<int>(method)) + ", row " + std::to_string(row));
            EXPECT_EQ(schedule.placeCount(row), row + 1);
            long long total = 0;
            int paidPlaces = 0;
            double previous = 1.0;
            for (int place = 1; place <= kMaxPlaces; ++place) {
                const double f = schedule.fraction(row, place);
                total += tenThousandths(f);
                EXPECT_LE(f, previous) << "place " << place;
                if (f != 0.0) paidPlaces = place;
                previous = f;
            }
            EXPECT_EQ(total, 10000);
            const bool brn4dBeyond25 = method == PayoutMethod::Brn4d && row >= 25;
            EXPECT_EQ(paidPlaces, brn4dBeyond25 ? 25 : row + 1);
        }
    }
}

TEST(PlaceSchedules, Brn4dRowsFor26To30PlacesRepeatThe25PlaceRow) {
    const PlaceSchedule& brn4d = placeScheduleFor(PayoutMethod::Brn4d);
    for (int row = 25; row < kScheduleRows; ++row) {
        for (int place = 1; place <= kMaxPlaces; ++place)
            EXPECT_EQ(brn4d.fraction(row, place), brn4d.fraction(24, place)) << row << "/" << place;
    }
    EXPECT_EQ(brn4d.fraction(29, 1), 0.1724);
    EXPECT_EQ(brn4d.fraction(29, 25), 0.011);
    EXPECT_EQ(brn4d.fraction(29, 26), 0.0);
}

TEST(PlaceSchedules, NbhaFollowsIbraExceptFor7And9And10Places) {
    const PlaceSchedule& ibra = placeScheduleFor(PayoutMethod::Ibra);
    const PlaceSchedule& nbha = placeScheduleFor(PayoutMethod::Nbha4d);
    for (int row = 0; row < kScheduleRows; ++row) {
        bool same = true;
        for (int place = 1; place <= kMaxPlaces; ++place)
            same = same && ibra.fraction(row, place) == nbha.fraction(row, place);
        EXPECT_EQ(same, row != 6 && row != 8 && row != 9) << "row " << row;
    }
}

TEST(PlaceSchedules, SampleRowsReadAsTheAssociationsPublishThem) {
    using P = std::vector<double>;
    struct Case {
        PayoutMethod method;
        int places;
        P percents;
    };
    const Case cases[] = {
        {PayoutMethod::Ibra, 3, P{50, 30, 20}},
        {PayoutMethod::Nbha4d, 3, P{50, 30, 20}},
        {PayoutMethod::Brn4d, 3, P{40, 35, 25}},
        {PayoutMethod::Ibra, 10, P{22, 16, 12, 11, 9, 8, 7, 6, 5, 4}},
        {PayoutMethod::Nbha4d, 10, P{20, 15, 13, 11, 10, 8, 6.5, 6, 5.5, 5}},
        {PayoutMethod::Nbha4d, 7, P{26, 20, 15, 12, 10, 9, 8}},
        {PayoutMethod::Brn4d, 13, P{18.5, 16.75, 13.75, 10.75, 8.5, 6.55, 5.5, 5, 4, 3.5, 2.75, 2.25, 2.2}},
        {PayoutMethod::Ibra, 30, P{12.6, 9, 7.2, 6.8, 6.3, 5.8, 5.4, 5,   4.5, 4,   3.6, 3.3, 3,   2.7, 2.4,
                                   2.1,  2, 1.6, 1.4, 1.3, 1.1, 1.1, 1.1, 1.1, 1.1, 0.9, 0.9, 0.9, 0.9, 0.9}},
    };
    for (const Case& c : cases) EXPECT_EQ(percentRow(c.method, c.places - 1), c.percents) << c.places;
}

TEST(PlaceSchedules, SmallFractionIsTheNearestDoubleNotAComputedOne) {
    const double last = placeScheduleFor(PayoutMethod::Ibra).fraction(18, 19);
    EXPECT_EQ(last, 0.007);
    EXPECT_NE(last, 0.7 / 100);
}

TEST(DivisionSplits, EverySplitPaysExactlyThePool) {
    for (PayoutMethod method : kMethods) {
        for (int ds = -2; ds <= 12; ++ds) {
            const DivisionShares split = divisionSharesFor(method, ds);
            long long total = 0;
            for (double share : split.shares) total += tenThousandths(share);
            EXPECT_EQ(total, 10000) << "ds " << ds;
            if (ds >= 1 && ds <= 6) {
                for (int d = ds; d < kDivisionCount; ++d) EXPECT_EQ(split.shares[d], 0.0);
            }
        }
    }
}

TEST(DivisionSplits, SharesAndLastDShareByDCount) {
    using S = std::vector<double>;
    struct Case {
        PayoutMethod method;
        int ds;
        S percents;
        double lastPercent;
    };
    const S sevenD{26, 20, 16, 11, 10, 9, 8};
    const Case cases[] = {
        {PayoutMethod::Ibra, 0, sevenD, 8},
        {PayoutMethod::Brn4d, -2, sevenD, 8},
        {PayoutMethod::Nbha4d, 7, sevenD, 8},
        {PayoutMethod::Ibra, 12, sevenD, 8},
        {PayoutMethod::Nbha4d, 1, S{100, 0, 0, 0, 0, 0, 0}, 100},
        {PayoutMethod::Brn4d, 1, S{100, 0, 0, 0, 0, 0, 0}, 100},
        {PayoutMethod::Ibra, 4, S{40, 30, 20, 10, 0, 0, 0}, 10},
        {PayoutMethod::Brn4d, 4, S{30, 27, 23, 20, 0, 0, 0}, 20},
        {PayoutMethod::Nbha4d, 4, S{35, 30, 20, 15, 0, 0, 0}, 15},
        {PayoutMethod::Ibra, 5, S{25, 23, 20, 18, 14, 0, 0}, 14},
        {PayoutMethod::Brn4d, 5, S{26, 23, 20, 17, 14, 0, 0}, 14},
        {PayoutMethod::Nbha4d, 5, S{27, 24, 20, 17, 12, 0, 0}, 12},
        {PayoutMethod::Brn4d, 3, S{40, 35, 25, 0, 0, 0, 0}, 25},
        {PayoutMethod::Nbha4d, 6, S{27, 21, 17, 13, 12, 10, 0}, 10},
        {PayoutMethod::Ibra, 2, S{60, 40, 0, 0, 0, 0, 0}, 40},
    };
    for (const Case& c : cases) {
        const DivisionShares split = divisionSharesFor(c.method, c.ds);
        S percents;
        for (double share : split.shares) percents.push_back(static_cast<double>(tenThousandths(share)) / 100.0);
        EXPECT_EQ(percents, c.percents) << "ds " << c.ds;
        EXPECT_EQ(static_cast<double>(tenThousandths(split.lastDShare)) / 100.0, c.lastPercent) << "ds " << c.ds;
    }
}

}  // namespace
