#include "engine/results_listing.h"

#include <gtest/gtest.h>

#include "tests/common/default_event_listing.h"
#include "tests/common/event_parameters.h"

#include "engine/number_text.h"
#include "engine/payout_calculation.h"

using namespace vantry::engine;

namespace {

// What the dialog does: the parameters stored as read, then the whole listing.
ResultListing listing(const PayoutParameters& params, PayoutMethod method) {
    return ListPayout(NormalisedParameters(params), method).lines;
}

TEST(ResultsListing, DefaultEventWithNbha4d) {
    EXPECT_EQ(listing(PayoutParameters{}, PayoutMethod::Nbha4d), kDefaultEventListing);
}

TEST(ResultsListing, IbraWholeDollarsRoundTiesAwayAndTotalsFromStoredAmounts) {
    const ResultListing expected = {
        "Payoff Results using the following parameters:",
        "Rider Count = 11, Entry Fee = $25.00, Added Money = $0.00, Places = 0",
        "D's to Pay = 2, Payoff Percentage = 70",
        "",
        "IBRA payout to 2 placings, Pool = $ 193, Producer = $  83",
        "",
        "1D: Total = $116   (60%)",
        "    1 = $ 69   (60.00%)",
        "    2 = $ 46   (40.00%)",
        "",
        "2D: Total = $ 77   (40%)",
        "    1 = $ 46   (60.00%)",
        "    2 = $ 31   (40.00%)",
    };
    EXPECT_EQ(listing(Event(11, 25, 0, 70, 2, 0), PayoutMethod::Ibra), expected);
}

TEST(ResultsListing, ListedDsFollowDsToPay) {
    struct Case {
        int ds;
        const char* line3;
        std::size_t lineCount;
        const char* firstTotal;
    };
    // 200 riders at $50, 70 % back, one fixed place: each D section is 3 lines.
    const Case cases[] = {
        {1, "D's to Pay = 1, Payoff Percentage = 70", 5 + 3, "1D: Total = $7000.00   (100%)"},
        {0, "D's to Pay = 0, Payoff Percentage = 70", 5 + 3, "1D: Total = $1820.00   (26%)"},
        {-2, "D's to Pay = -2, Payoff Percentage = 70", 5 + 3, "1D: Total = $1820.00   (26%)"},
        {3, "D's to Pay = 3, Payoff Percentage = 70", 5 + 9, "1D: Total = $3500.00   (50%)"},
        {9, "D's to Pay = 9, Payoff Percentage = 70", 5 + 21, "1D: Total = $1820.00   (26%)"},
    };
    for (const Case& c : cases) {
        const ResultListing lines = listing(Event(200, 50, 0, 70, c.ds, 1), PayoutMethod::Nbha4d);
        ASSERT_EQ(lines.size(), c.lineCount) << c.ds;
        EXPECT_EQ(lines[2], c.line3);
        EXPECT_EQ(lines[6], c.firstTotal);
        EXPECT_EQ(lines[7].substr(lines[7].size() - 9), "(100.00%)") << c.ds;
    }
    const ResultListing nine = listing(Event(200, 50, 0, 70, 9, 1), PayoutMethod::Ibra);
    EXPECT_EQ(nine[24], "7D: Total = $560   ( 8%)");
    EXPECT_EQ(nine[25], "    1 = $560   (100.00%)");
}

// Each D's total is what its places get, and nothing of the D before it: with 30 places the
// last place of every D is paid (but BRN4D's, which pays 25), and sits next to the next D's first.
// 300 riders at $40 with 70 % paid back and $500 added make a pool of $8900, whose D totals are
// its shares in whole cents: worked from the associations' splits, not from the listing's sums.
TEST(ResultsListing, EachDTotalIsTheSumOfItsOwnPlaces) {
    using Split = std::vector<int>;  // percent of the pool for 1D, 2D, ...
    const struct {
        PayoutMethod method;
        std::vector<Split> splits;  // for 2 to 7 Ds
    } methods[] = {
        {PayoutMethod::Ibra,
         {{60, 40},
          {50, 30, 20},
          {40, 30, 20, 10},
          {25, 23, 20, 18, 14},
          {27, 21, 17, 13, 12, 10},
          {26, 20, 16, 11, 10, 9, 8}}},
        {PayoutMethod::Brn4d,
         {{60, 40},
          {40, 35, 25},
          {30, 27, 23, 20},
          {26, 23, 20, 17, 14},
          {27, 21, 17, 13, 12, 10},
          {26, 20, 16, 11, 10, 9, 8}}},
        {PayoutMethod::Nbha4d,
         {{60, 40},
          {50, 30, 20},
          {35, 30, 20, 15},
          {27, 24, 20, 17, 12},
          {27, 21, 17, 13, 12, 10},
          {26, 20, 16, 11, 10, 9, 8}}},
    };
    for (const auto& m : methods) {
        for (int ds = 2; ds <= 7; ++ds) {
            const ListedPayout listed = ListPayout(Event(300, 40, 500, 70, ds, 30), m.method);
            const Split& split = m.splits[static_cast<std::size_t>(ds - 2)];
            ASSERT_EQ(listed.table.divisions.size(), split.size());
            for (std::size_t d = 0; d < split.size(); ++d) {
                const int cents = 8900 * split[d];  // $89 a percent
                const std::string total = m.method == PayoutMethod::Ibra
                                              ? std::to_string(cents / 100)
                                              : std::to_string(cents / 100) + "." + (cents % 100 < 10 ? "0" : "") +
                                                    std::to_string(cents % 100);
                EXPECT_EQ(listed.table.divisions[d].total, total) << ds << " Ds, " << d + 1 << "D";
                if (m.method != PayoutMethod::Brn4d) {
                    EXPECT_GT(listed.result.amounts[d][29], 0.0) << "place 30 must be paid for the check to count";
                }
            }
        }
    }
    // Worked by hand: the default event's pool of $1500 in two Ds, IBRA, 30 places: 2D is 40 %.
    const ResultListing ibra = listing(Event(40, 50, 100, 70, 2, 30), PayoutMethod::Ibra);
    ASSERT_EQ(ibra.size(), 5u + 2u * 32u);
    EXPECT_EQ(ibra[6], "1D: Total = $900   (60%)");
    EXPECT_EQ(ibra[38], "2D: Total = $600   (40%)");
}

TEST(ResultsListing, PlacesShownAsStoredAndPlacingsAsPaid) {
    const ResultListing capped = listing(Event(40, 50, 100, 70, 4, 45), PayoutMethod::Nbha4d);
    EXPECT_EQ(capped[1], "Rider Count = 40, Entry Fee = $50.00, Added Money = $100.00, Places = 30");
    EXPECT_EQ(capped[4].substr(0, 29), "NBHA 4D payout to 30 placings");
    EXPECT_EQ(capped.size(), 5u + 4u * 32u);

    const ResultListing automatic = listing(Event(40, 50, 100, 70, 4, -3), PayoutMethod::Nbha4d);
    EXPECT_EQ(automatic[1], "Rider Count = 40, Entry Fee = $50.00, Added Money = $100.00, Places = -3");
    EXPECT_EQ(automatic[4], "NBHA 4D payout to 2 placings, Pool = $1500.00, Producer = $600.00");

    const ResultListing one = listing(Event(40, 50, 100, 70, 4, 1), PayoutMethod::Brn4d);
    EXPECT_EQ(one[4], "BRN4D payout to 1 placings, Pool = $1500.00, Producer = $600.00");
    EXPECT_EQ(one[7], "    1 = $450.00   (100.00%)");
}

TEST(ResultsListing, Brn4dPlacesAfterThe25thShowZero) {
    const ResultListing lines = listing(Event(40, 50, 100, 70, 1, 30), PayoutMethod::Brn4d);
    ASSERT_EQ(lines.size(), 5u + 32u);
    EXPECT_EQ(lines[4], "BRN4D payout to 30 placings, Pool = $1500.00, Producer = $600.00");
    EXPECT_EQ(lines[6], "1D: Total = $1500.00   (100%)");
    EXPECT_EQ(lines[7], "    1 = $258.60   (17.24%)");
    EXPECT_EQ(lines[31], "    25 = $16.50   (1.10%)");
    EXPECT_EQ(lines[32], "    26 = $0.00   (0.00%)");
    EXPECT_EQ(lines[36], "    30 = $0.00   (0.00%)");
}

TEST(ResultsListing, OnePlaceFallbackPaysEachDItsWholeShare) {
    const ResultListing lines = listing(Event(2, 50, 0, 70, 4, 0), PayoutMethod::Ibra);
    ASSERT_EQ(lines.size(), 5u + 4u * 3u);
    EXPECT_EQ(lines[4], "IBRA payout to 1 placings, Pool = $  70, Producer = $  30");
    EXPECT_EQ(lines[6], "1D: Total = $ 28   (40%)");
    EXPECT_EQ(lines[7], "    1 = $ 28   (100.00%)");
    EXPECT_EQ(lines[16], "    1 = $  7   (100.00%)");
}

TEST(ResultsListing, NegativeMoneyPrintsWithItsSign) {
    const ResultListing lines = listing(Event(10, 10, -500, 70, 1, 2), PayoutMethod::Nbha4d);
    EXPECT_EQ(lines[1], "Rider Count = 10, Entry Fee = $10.00, Added Money = $-500.00, Places = 2");
    EXPECT_EQ(lines[4], "NBHA 4D payout to 2 placings, Pool = $-430.00, Producer = $30.00");
    EXPECT_EQ(lines[6], "1D: Total = $-430.00   (100%)");
    EXPECT_EQ(lines[7], "    1 = $-258.00   (60.00%)");
}

TEST(ResultsListing, LinesTooLongForTheListAreCutAndMarked) {
    // A fee of 1e66 makes the parameter line exactly 132 characters long; 1e67 makes it 133.
    const ResultListing fits = listing(Event(1, 1e66, 0, 70, 1, 1), PayoutMethod::Brn4d);
    EXPECT_EQ(fits[1].size(), 132u);
    EXPECT_EQ(fits[1].substr(fits[1].size() - 12), ", Places = 1");
    EXPECT_FALSE(IsCutLine(fits[1]));

    const ResultListing cut = listing(Event(1, 1e67, 0, 70, 1, 1), PayoutMethod::Brn4d);
    // The exact double nearest 1e67, cut at the 129th character and marked.
    EXPECT_EQ(cut[1],
              "Rider Count = 1, Entry Fee = $9999999999999999827367757839185598317239782875580932278577147150336.00, "
              "Added Money = $0.00, Places...");
    EXPECT_TRUE(IsCutLine(cut[1]));
    EXPECT_TRUE(HasCutLine(cut));
    for (const std::string& line : cut) EXPECT_LE(line.size(), kListingLineMax);
    EXPECT_FALSE(HasCutLine(listing(PayoutParameters{}, PayoutMethod::Nbha4d)));

    const ResultListing overflowed = listing(Event(2, 1.7e308, 0, 70, 1, 1), PayoutMethod::Ibra);
    EXPECT_EQ(overflowed[4], "IBRA payout to 1 placings, Pool = $ nan, Producer = $ inf");
    EXPECT_EQ(overflowed[6], "1D: Total = $nan   (100%)");
    EXPECT_TRUE(IsCutLine(overflowed[1]));
}

}  // namespace
