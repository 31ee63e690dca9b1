#pragma once

#include <string>
#include <vector>

// The listing of the dialog's initial event (40 riders, $50, $100 added, 70 %, 4 Ds, automatic
// places) with NBHA 4D, line for line.
inline const std::vector<std::string> kDefaultEventListing = {
    "Payoff Results using the following parameters:",
    "Rider Count = 40, Entry Fee = $50.00, Added Money = $100.00, Places = 0",
    "D's to Pay = 4, Payoff Percentage = 70",
    "",
    "NBHA 4D payout to 2 placings, Pool = $1500.00, Producer = $600.00",
    "",
    "1D: Total = $525.00   (35%)",
    "    1 = $315.00   (60.00%)",
    "    2 = $210.00   (40.00%)",
    "",
    "2D: Total = $450.00   (30%)",
    "    1 = $270.00   (60.00%)",
    "    2 = $180.00   (40.00%)",
    "",
    "3D: Total = $300.00   (20%)",
    "    1 = $180.00   (60.00%)",
    "    2 = $120.00   (40.00%)",
    "",
    "4D: Total = $225.00   (15%)",
    "    1 = $135.00   (60.00%)",
    "    2 = $90.00   (40.00%)",
};
