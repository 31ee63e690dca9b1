#include "cli/payout_export.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "engine/results_listing.h"

namespace {

using namespace vantry::engine;
using vantry::cli::PayoutCsv;
using vantry::cli::PayoutJson;

PayoutTable tableWith(std::string amount, std::string percent) {
    PayoutTable table;
    table.riders = 2;
    table.entryFee = "inf";
    table.addedMoney = "-0.00";
    table.payoffPercent = "nan";
    table.dsToPay = -1;
    table.places = 1;
    table.placings = 1;
    table.pool = "nan";
    table.producer = "-inf";
    table.divisions.push_back({1, "100", "nan", {{1, std::move(amount), std::move(percent)}}});
    return table;
}

TEST(PayoutExport, NonFiniteAmountsStayStringsSoTheJsonStaysValid) {
    EXPECT_EQ(PayoutJson(tableWith("nan", "100.00"), "ibra"),
              "{\"method\":\"ibra\",\"parameters\":{\"riders\":2,\"entryFee\":\"inf\",\"addedMoney\":\"-0.00\","
              "\"payoffPercent\":\"nan\",\"dsToPay\":-1,\"places\":1},\"placings\":1,\"pool\":\"nan\","
              "\"producer\":\"-inf\",\"divisions\":[{\"division\":1,\"sharePercent\":\"100\",\"total\":\"nan\","
              "\"places\":[{\"place\":1,\"amount\":\"nan\",\"percent\":\"100.00\"}]}]}\n");
}

TEST(PayoutExport, TextsThatAreNotNumbersAreEscaped) {
    const std::string json = PayoutJson(tableWith("a\"b\\c\n", "1"), "brn4d");
    EXPECT_NE(json.find("\"amount\":\"a\\\"b\\\\c\\u000a\""), std::string::npos) << json;
}

TEST(PayoutExport, EveryControlCharacterIsEscapedAndNothingElse) {
    for (int c = 0; c < 0x80; ++c) {
        const std::string text = "<" + std::string(1, static_cast<char>(c)) + ">";
        std::string expected = text;
        char escaped[16];
        std::snprintf(escaped, sizeof escaped, "<\\u%04x>", static_cast<unsigned>(c));
        if (c < 0x20) expected = escaped;
        if (c == '"' || c == '\\') expected = std::string("<\\") + static_cast<char>(c) + ">";
        const std::string json = PayoutJson(tableWith("1", "2"), text);
        EXPECT_EQ(json.substr(0, 11 + expected.size() + 2), "{\"method\":\"" + expected + "\",") << "character " << c;
    }
}

TEST(PayoutExport, CsvRowsKeepTheSignAndEndInCrLf) {
    EXPECT_EQ(PayoutCsv(tableWith("-258.00", "60.00"), "nbha4d"),
              "method,division,place,amount,percent\r\nnbha4d,1,1,-258.00,60.00\r\n");
    PayoutTable empty = tableWith("1", "2");
    empty.divisions.clear();
    EXPECT_EQ(PayoutCsv(empty, "ibra"), "method,division,place,amount,percent\r\n");
}

TEST(PayoutExport, TheTableHoldsTheListingsOwnTexts) {
    PayoutParameters params;
    params.riderCount = 11;
    params.entryFee = 25;
    params.addedMoney = 0;
    params.dsToPay = 2;
    const ListedPayout listed = ListPayout(params, PayoutMethod::Ibra);
    EXPECT_EQ(listed.table.pool, "193");  // "Pool = $ 193": the tie 192.5 away from zero
    EXPECT_EQ(listed.table.producer, "83");
    ASSERT_EQ(listed.table.divisions.size(), 2u);
    EXPECT_EQ(listed.table.divisions[1].total, "77");
    EXPECT_EQ(listed.table.divisions[1].places[1].amount, "31");
    EXPECT_EQ(listed.table.divisions[1].places[1].percent, "40.00");
    EXPECT_EQ(listed.table.entryFee, "25.00");
    EXPECT_EQ(listed.table.payoffPercent, "70");
}

}  // namespace
