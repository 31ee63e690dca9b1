#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vantry::engine {

// One calculation as a table, for spreadsheets and scripts. Every amount and percentage is the
// very text the listing prints, taken from the same formatting of the same line, without its
// padding: "153" where the listing shows "$153", "24.00" for "(24.00%)".
struct PlaceEntry {
    int place;
    std::string amount;
    std::string percent;
};

struct DivisionEntry {
    int division;
    std::string sharePercent;
    std::string total;
    std::vector<PlaceEntry> places;
};

struct PayoutTable {
    // The parameters as the listing shows them.
    std::int32_t riders = 0;
    std::string entryFee;
    std::string addedMoney;
    std::string payoffPercent;
    std::int32_t dsToPay = 0;
    std::int32_t places = 0;

    int placings = 0;
    std::string pool;
    std::string producer;
    std::vector<DivisionEntry> divisions;  // the listed Ds, in listing order
};

}  // namespace vantry::engine
