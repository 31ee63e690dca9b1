// Methods read from files, listed: worked by hand, and the built-in methods written out and read
// back, which must list byte for byte what the built-in methods list.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "engine/results_listing.h"
#include "methods/method_file.h"
#include "tests/common/event_parameters.h"

using namespace vantry;
using engine::ResultListing;

namespace {

engine::MethodRules readMethod(std::string_view text) {
    const methods::MethodFile file = methods::ReadMethodText(text);
    EXPECT_TRUE(file.valid()) << (file.valid() ? "" : file.problems.front().what);
    return file.rules;
}

ResultListing listing(const engine::PayoutParameters& params, const engine::MethodRules& rules) {
    return engine::ListPayout(engine::NormalisedParameters(params), rules).lines;
}

// Whole dollars, and the added money in equal parts. 10 riders at $25 with 80 % paid back keep
// $200 of entry money for the riders; each of 3 Ds gets its share of it plus $250 / 3:
// 1D 100 + 83.33 = 183.33, 2D 60 + 83.33 = 143.33, 3D 40 + 83.33 = 123.33. The last place of
// three in 3D gets 24.67, under the $25 fee, but $25 once rounded to whole dollars, which is how
// a whole-dollar method judges it: three places are paid.
TEST(MethodListing, WholeDollarsWithTheAddedMoneyInEqualParts) {
    const engine::MethodRules rules = readMethod(
        "name = \"Even Split\"\nmoney = \"whole-dollars\"\nadded-money = \"evenly\"\n"
        "automatic-places = \"entry-fee-back\"\n"
        "[divisions]\n2 = [60, 40]\n3 = [50, 30, 20]\n"
        "[places]\n1 = [100]\n2 = [60, 40]\n3 = [50, 30, 20]\n");
    const ResultListing expected = {
        "Payoff Results using the following parameters:",
        "Rider Count = 10, Entry Fee = $25.00, Added Money = $250.00, Places = 0",
        "D's to Pay = 3, Payoff Percentage = 80",
        "",
        "Even Split payout to 3 placings, Pool = $ 450, Producer = $  50",
        "",
        "1D: Total = $183   (50%)",
        "    1 = $ 92   (50.00%)",
        "    2 = $ 55   (30.00%)",
        "    3 = $ 37   (20.00%)",
        "",
        "2D: Total = $143   (30%)",
        "    1 = $ 72   (50.00%)",
        "    2 = $ 43   (30.00%)",
        "    3 = $ 29   (20.00%)",
        "",
        "3D: Total = $123   (20%)",
        "    1 = $ 62   (50.00%)",
        "    2 = $ 37   (30.00%)",
        "    3 = $ 25   (20.00%)",
    };
    EXPECT_EQ(listing(Event(10, 25, 250, 80, 3, 0), rules), expected);

    // The same event in cents judges $24.67 itself, and pays two places.
    engine::MethodRules inCents = rules;
    inCents.money = engine::MoneyShown::Cents;
    EXPECT_EQ(listing(Event(10, 25, 250, 80, 3, 0), inCents)[4],
              "Even Split payout to 2 placings, Pool = $450.00, Producer = $50.00");
}

// A five-D split with shares of one and two decimals, and a table of ten rows. 100 riders at $20
// with 80 % paid back and $1000 added make a pool of $2600; 5D's 10 % is $260. The 10- to 7-place
// rows give 5D's last place 10.40, 13.00, 15.60 and 18.20, under the fee; the 6-place row's last
// is 20.80: six places.
TEST(MethodListing, AFiveDSplitAndATableOfTenRows) {
    const engine::MethodRules rules = readMethod(
        "name = \"Five D\"\nmoney = \"cents\"\nadded-money = \"with-the-pool\"\n"
        "automatic-places = \"entry-fee-back\"\n"
        "[divisions]\n5 = [30, 27.5, 17.25, 15.25, 10]\n"
        "[places]\n1 = [100]\n2 = [60, 40]\n3 = [43, 33, 24]\n4 = [40, 30, 20, 10]\n5 = [30, 25, 20, 15, 10]\n"
        "6 = [28, 22, 18, 14, 10, 8]\n7 = [27, 20, 16, 12, 10, 8, 7]\n8 = [24, 18, 15, 12, 10, 8, 7, 6]\n"
        "9 = [23, 17, 14, 11, 9, 8, 7, 6, 5]\n10 = [22, 16, 12, 11, 9, 8, 7, 6, 5, 4]\n");
    const ResultListing expected = {
        "Payoff Results using the following parameters:",
        "Rider Count = 100, Entry Fee = $20.00, Added Money = $1000.00, Places = 0",
        "D's to Pay = 5, Payoff Percentage = 80",
        "",
        "Five D payout to 6 placings, Pool = $2600.00, Producer = $400.00",
        "",
        "1D: Total = $780.00   (30%)",
        "    1 = $218.40   (28.00%)",
        "    2 = $171.60   (22.00%)",
        "    3 = $140.40   (18.00%)",
        "    4 = $109.20   (14.00%)",
        "    5 = $78.00   (10.00%)",
        "    6 = $62.40   (8.00%)",
        "",
        "2D: Total = $715.00   (27.5%)",
        "    1 = $200.20   (28.00%)",
        "    2 = $157.30   (22.00%)",
        "    3 = $128.70   (18.00%)",
        "    4 = $100.10   (14.00%)",
        "    5 = $71.50   (10.00%)",
        "    6 = $57.20   (8.00%)",
        "",
        "3D: Total = $448.50   (17.25%)",
        "    1 = $125.58   (28.00%)",
        "    2 = $98.67   (22.00%)",
        "    3 = $80.73   (18.00%)",
        "    4 = $62.79   (14.00%)",
        "    5 = $44.85   (10.00%)",
        "    6 = $35.88   (8.00%)",
        "",
        "4D: Total = $396.50   (15.25%)",
        "    1 = $111.02   (28.00%)",
        "    2 = $87.23   (22.00%)",
        "    3 = $71.37   (18.00%)",
        "    4 = $55.51   (14.00%)",
        "    5 = $39.65   (10.00%)",
        "    6 = $31.72   (8.00%)",
        "",
        "5D: Total = $260.00   (10%)",
        "    1 = $72.80   (28.00%)",
        "    2 = $57.20   (22.00%)",
        "    3 = $46.80   (18.00%)",
        "    4 = $36.40   (14.00%)",
        "    5 = $26.00   (10.00%)",
        "    6 = $20.80   (8.00%)",
    };
    EXPECT_EQ(listing(Event(100, 20, 1000, 80, 5, 0), rules), expected);
    // A whole percentage keeps the width of two; a fixed count takes its own row.
    const ResultListing three = listing(Event(100, 20, 1000, 80, 5, 3), rules);
    EXPECT_EQ(three[7], "    1 = $335.40   (43.00%)");
    EXPECT_EQ(three[three.size() - 1], "    3 = $62.40   (24.00%)");
}

// What the method does not have is refused in a sentence, before anything is listed.
TEST(MethodListing, WhatAMethodCannotPayIsSaid) {
    engine::MethodRules rules = readMethod(methods::kMethodFileExample);
    const struct {
        engine::PayoutParameters params;
        const char* why;
    } cases[] = {
        {Event(40, 50, 100, 70, 5, 0), "Sandhill 4D pays 1, 2, 3 or 4 Ds, not 5"},
        {Event(40, 50, 100, 70, 0, 0), "Sandhill 4D pays 1, 2, 3 or 4 Ds, not 0"},
        {Event(40, 50, 100, 70, 4, 12), "Sandhill 4D has no 12-place row; its rows pay 1 to 4 places"},
        {Event(40, 50, 100, 70, 4, 45), "Sandhill 4D has no 30-place row; its rows pay 1 to 4 places"},
        {Event(40, 50, 100, 70, 1, 4), ""},
        {Event(40, 50, 100, 70, 4, -2), ""},
    };
    for (const auto& c : cases) EXPECT_EQ(engine::WhyMethodCannotPay(rules, c.params), c.why);
    rules.automaticPlaces = engine::AutomaticPlaces::None;
    rules.hasRow[2] = false;
    EXPECT_EQ(engine::WhyMethodCannotPay(rules, Event(40, 50, 100, 70, 4, 0)),
              "Sandhill 4D does not choose the places itself; give the places to pay: 1, 2 or 4");
    // The built-in methods take any D count, as they always have.
    EXPECT_EQ(engine::WhyMethodCannotPay(engine::BuiltInRules(engine::PayoutMethod::Ibra), Event(1, 1, 1, 70, -9, 45)),
              "");
}

// The built-in methods written out and read back list what the built-in methods list, byte for
// byte, for every D count from 1 to 7 and every place count from -2 to 35, each with two events
// drawn at random and one with round numbers.
TEST(MethodListing, TheBuiltInMethodsAsFilesListByteForByteAsTheBuiltInMethods) {
    std::mt19937 random(20261209);
    std::uniform_int_distribution<int> riders(0, 400);
    std::uniform_int_distribution<int> cents(0, 20000);
    std::uniform_int_distribution<int> payoff(50, 100);
    for (const engine::PayoutMethod method :
         {engine::PayoutMethod::Ibra, engine::PayoutMethod::Brn4d, engine::PayoutMethod::Nbha4d}) {
        const engine::MethodRules& builtIn = engine::BuiltInRules(method);
        const engine::MethodRules fromFile = readMethod(methods::MethodFileText(builtIn, ""));
        int compared = 0;
        for (int ds = 1; ds <= 7; ++ds) {
            for (int places = -2; places <= 35; ++places) {
                const engine::PayoutParameters events[] = {
                    Event(riders(random), cents(random) / 100.0, cents(random) / 10.0, payoff(random), ds, places),
                    Event(riders(random), cents(random) / 400.0, 0, 70, ds, places),
                    Event(40, 50, 100, 70, ds, places),
                };
                for (const engine::PayoutParameters& params : events) {
                    ASSERT_EQ(engine::WhyMethodCannotPay(fromFile, params), "");
                    ASSERT_EQ(listing(params, fromFile),
                              engine::ListPayout(engine::NormalisedParameters(params), method).lines)
                        << builtIn.name << " ds " << ds << " places " << places;
                    ++compared;
                }
            }
        }
        EXPECT_EQ(compared, 7 * 38 * 3);  // 798 events a method
    }
}

}  // namespace
