#include "engine/payout_schedules.h"

#include <cstddef>
#include <string_view>

#include "engine/method_rules.h"

namespace vantry::engine {

// Every value below is the fraction of 1 written as a decimal literal, so that the compiler
// holds the double nearest the association's percentage (17.24 % is 0.1724). Dividing the
// percentage by 100 at run time would give a different double for many of them.

namespace {

using ScheduleRows = double[kScheduleRows][kMaxPlaces];

// IBRA: places 1, 2, 3, ... of each row; every place after the last one listed is 0.
constexpr ScheduleRows kIbraRows = {
    /*  1 */ {1.0},
    /*  2 */ {0.6, 0.4},
    /*  3 */ {0.5, 0.3, 0.2},
    /*  4 */ {0.4, 0.3, 0.2, 0.1},
    /*  5 */ {0.3, 0.25, 0.2, 0.15, 0.1},
    /*  6 */ {0.28, 0.22, 0.18, 0.14, 0.1, 0.08},
    /*  7 */ {0.27, 0.2, 0.16, 0.12, 0.1, 0.08, 0.07},
    /*  8 */ {0.24, 0.18, 0.15, 0.12, 0.1, 0.08, 0.07, 0.06},
    /*  9 */ {0.23, 0.17, 0.14, 0.11, 0.09, 0.08, 0.07, 0.06, 0.05},
    /* 10 */ {0.22, 0.16, 0.12, 0.11, 0.09, 0.08, 0.07, 0.06, 0.05, 0.04},
    /* 11 */ {0.19, 0.17, 0.14, 0.12, 0.095, 0.07, 0.06, 0.05, 0.04, 0.035, 0.03},
    /* 12 */ {0.19, 0.16, 0.14, 0.12, 0.095, 0.07, 0.05, 0.045, 0.04, 0.035, 0.03, 0.025},
    /* 13 */ {0.188, 0.166, 0.136, 0.105, 0.081, 0.063, 0.053, 0.046, 0.042, 0.036, 0.032, 0.027, 0.025},
    /* 14 */ {0.184, 0.159, 0.133, 0.102, 0.089, 0.065, 0.051, 0.044, 0.04, 0.034, 0.03, 0.025, 0.023, 0.021},
    /* 15 */ {0.18, 0.16, 0.13, 0.1, 0.075, 0.06, 0.05, 0.045, 0.04, 0.035, 0.03, 0.027, 0.025, 0.023, 0.02},
    /* 16 */
    {0.175, 0.158, 0.129, 0.1, 0.08, 0.07, 0.048, 0.042, 0.039, 0.033, 0.029, 0.025, 0.021, 0.019, 0.017, 0.015},
    /* 17 */
    {0.172, 0.155, 0.127, 0.098, 0.078, 0.07, 0.048, 0.042, 0.039, 0.033, 0.029, 0.025, 0.021, 0.019, 0.017, 0.015,
     0.012},
    /* 18 */
    {0.17, 0.152, 0.125, 0.096, 0.078, 0.07, 0.048, 0.042, 0.039, 0.033, 0.029, 0.025, 0.021, 0.019, 0.017, 0.015,
     0.012, 0.009},
    /* 19 */
    {0.168, 0.151, 0.124, 0.095, 0.077, 0.069, 0.048, 0.042, 0.039, 0.033, 0.029, 0.025, 0.021, 0.019, 0.017, 0.015,
     0.012, 0.009, 0.007},
    /* 20 */ {0.14, 0.1,   0.08,  0.075, 0.07,  0.065, 0.06,  0.055, 0.05,  0.045,
              0.04, 0.037, 0.033, 0.03,  0.027, 0.023, 0.022, 0.018, 0.016, 0.014},
    /* 21 */ {0.139, 0.099, 0.079, 0.074, 0.069, 0.064, 0.059, 0.054, 0.049, 0.044, 0.039,
              0.036, 0.033, 0.03,  0.027, 0.023, 0.022, 0.018, 0.016, 0.014, 0.012},
    /* 22 */ {0.138, 0.098, 0.078, 0.073, 0.068, 0.063, 0.058, 0.053, 0.048, 0.043, 0.039,
              0.036, 0.033, 0.03,  0.027, 0.023, 0.022, 0.018, 0.016, 0.014, 0.012, 0.01},
    /* 23 */ {0.138, 0.098, 0.078, 0.073, 0.068, 0.063, 0.058, 0.053, 0.048, 0.043, 0.038, 0.035,
              0.032, 0.029, 0.026, 0.022, 0.021, 0.017, 0.015, 0.014, 0.012, 0.01,  0.009},
    /* 24 */ {0.137, 0.097, 0.077, 0.072, 0.067, 0.062, 0.057, 0.052, 0.047, 0.043, 0.038, 0.035,
              0.032, 0.029, 0.026, 0.022, 0.021, 0.017, 0.015, 0.014, 0.012, 0.01,  0.009, 0.009},
    /* 25 */ {0.137, 0.097, 0.077, 0.072, 0.067, 0.062, 0.057, 0.052, 0.047, 0.042, 0.037, 0.034, 0.031,
              0.028, 0.025, 0.021, 0.02,  0.016, 0.015, 0.014, 0.012, 0.01,  0.009, 0.009, 0.009},
    /* 26 */ {0.136, 0.096, 0.076, 0.071, 0.066, 0.061, 0.056, 0.051, 0.046, 0.042, 0.037, 0.034, 0.031,
              0.028, 0.025, 0.021, 0.02,  0.016, 0.015, 0.014, 0.012, 0.01,  0.009, 0.009, 0.009, 0.009},
    /* 27 */ {0.136, 0.096, 0.076, 0.071, 0.066, 0.061, 0.056, 0.051, 0.046, 0.041, 0.036, 0.033, 0.03, 0.027,
              0.024, 0.02,  0.019, 0.015, 0.015, 0.014, 0.012, 0.01,  0.009, 0.009, 0.009, 0.009, 0.009},
    /* 28 */ {0.135, 0.095, 0.075, 0.07,  0.065, 0.06,  0.055, 0.05, 0.045, 0.041, 0.036, 0.033, 0.03,  0.027,
              0.024, 0.02,  0.019, 0.015, 0.015, 0.014, 0.012, 0.01, 0.009, 0.009, 0.009, 0.009, 0.009, 0.009},
    /* 29 */ {0.135, 0.095, 0.075, 0.07,  0.065, 0.06,  0.055, 0.05,  0.045, 0.04,  0.035, 0.032, 0.029, 0.026, 0.023,
              0.019, 0.018, 0.015, 0.014, 0.014, 0.012, 0.01,  0.009, 0.009, 0.009, 0.009, 0.009, 0.009, 0.009},
    /* 30 */ {0.126, 0.09, 0.072, 0.068, 0.063, 0.058, 0.054, 0.05,  0.045, 0.04,  0.036, 0.033, 0.03,  0.027, 0.024,
              0.021, 0.02, 0.016, 0.014, 0.013, 0.011, 0.011, 0.011, 0.011, 0.011, 0.009, 0.009, 0.009, 0.009, 0.009},
};

// BRN4D pays at most 25 distinct places: its rows for 26 to 30 places repeat the 25-place
// row and pay 0 after the 25th place, while still counting 26 to 30 placings.
constexpr double kBrn4dRows[25][kMaxPlaces] = {
    /*  1 */ {1.0},
    /*  2 */ {0.6, 0.4},
    /*  3 */ {0.4, 0.35, 0.25},
    /*  4 */ {0.37, 0.28, 0.2, 0.15},
    /*  5 */ {0.3, 0.25, 0.2, 0.15, 0.1},
    /*  6 */ {0.27, 0.23, 0.18, 0.14, 0.1, 0.08},
    /*  7 */ {0.25, 0.21, 0.18, 0.14, 0.1, 0.07, 0.05},
    /*  8 */ {0.23, 0.19, 0.17, 0.14, 0.11, 0.07, 0.05, 0.04},
    /*  9 */ {0.21, 0.18, 0.16, 0.14, 0.11, 0.075, 0.05, 0.04, 0.035},
    /* 10 */ {0.2, 0.18, 0.15, 0.12, 0.095, 0.075, 0.06, 0.05, 0.04, 0.03},
    /* 11 */ {0.19, 0.17, 0.145, 0.12, 0.095, 0.07, 0.06, 0.05, 0.04, 0.035, 0.025},
    /* 12 */ {0.19, 0.17, 0.14, 0.11, 0.09, 0.07, 0.055, 0.05, 0.04, 0.035, 0.0275, 0.0225},
    /* 13 */ {0.185, 0.1675, 0.1375, 0.1075, 0.085, 0.0655, 0.055, 0.05, 0.04, 0.035, 0.0275, 0.0225, 0.022},
    /* 14 */ {0.185, 0.1675, 0.1375, 0.1075, 0.08, 0.0625, 0.05, 0.045, 0.035, 0.0325, 0.0275, 0.025, 0.023, 0.022},
    /* 15 */ {0.18, 0.155, 0.135, 0.1065, 0.08, 0.0625, 0.05, 0.045, 0.035, 0.0325, 0.0275, 0.025, 0.023, 0.022, 0.021},
    /* 16 */
    {0.18, 0.155, 0.13, 0.095, 0.075, 0.06, 0.05, 0.045, 0.04, 0.0335, 0.029, 0.024, 0.022, 0.021, 0.0205, 0.02},
    /* 17 */
    {0.1775, 0.154, 0.1275, 0.095, 0.075, 0.0575, 0.05, 0.045, 0.0375, 0.0325, 0.025, 0.023, 0.0215, 0.0205, 0.02,
     0.0195, 0.019},
    /* 18 */
    {0.1775, 0.154, 0.1255, 0.0925, 0.074, 0.055, 0.0475, 0.044, 0.0365, 0.031, 0.024, 0.0225, 0.021, 0.02, 0.0195,
     0.019, 0.0185, 0.018},
    /* 19 */
    {0.176, 0.153, 0.125, 0.091, 0.073, 0.053, 0.046, 0.0435, 0.035, 0.03, 0.023, 0.022, 0.02, 0.0195, 0.019, 0.0185,
     0.018, 0.0175, 0.017},
    /* 20 */ {0.175, 0.1525, 0.1245, 0.09,  0.072,  0.052, 0.045,  0.043, 0.034,  0.028,
              0.022, 0.02,   0.0195, 0.019, 0.0185, 0.018, 0.0175, 0.017, 0.0165, 0.016},
    /* 21 */ {0.174,  0.152, 0.1235, 0.089, 0.071,  0.051, 0.044,  0.042, 0.033,  0.027, 0.021,
              0.0195, 0.019, 0.0185, 0.018, 0.0175, 0.017, 0.0165, 0.016, 0.0155, 0.015},
    /* 22 */ {0.1735, 0.1515, 0.123, 0.0885, 0.0705, 0.0505, 0.043, 0.041,  0.032, 0.025,  0.02,
              0.019,  0.0185, 0.018, 0.0175, 0.017,  0.0165, 0.016, 0.0155, 0.015, 0.0145, 0.014},
    /* 23 */ {0.173, 0.1515, 0.123, 0.088,  0.07,  0.05,   0.042, 0.04,   0.031, 0.0225, 0.02, 0.0185,
              0.018, 0.0175, 0.017, 0.0165, 0.016, 0.0155, 0.015, 0.0145, 0.014, 0.0135, 0.013},
    /* 24 */ {0.1725, 0.151, 0.1225, 0.0875, 0.0695, 0.0495, 0.041,  0.0395, 0.0305, 0.022, 0.0195, 0.018,
              0.0175, 0.017, 0.0165, 0.016,  0.0155, 0.015,  0.0145, 0.014,  0.0135, 0.013, 0.0125, 0.012},
    /* 25 */ {0.1724, 0.1509, 0.1222, 0.087, 0.069,  0.049, 0.0405, 0.039, 0.03,   0.0215, 0.019,  0.0175, 0.017,
              0.0165, 0.016,  0.0155, 0.015, 0.0145, 0.014, 0.0135, 0.013, 0.0125, 0.012,  0.0115, 0.011},
};

// NBHA 4D follows IBRA in every row but these three.
struct OwnRow {
    int places;
    double fractions[kMaxPlaces];
};
constexpr OwnRow kNbha4dOwnRows[] = {
    {7, {0.26, 0.2, 0.15, 0.12, 0.1, 0.09, 0.08}},
    {9, {0.22, 0.16, 0.14, 0.12, 0.1, 0.08, 0.07, 0.06, 0.05}},
    {10, {0.2, 0.15, 0.13, 0.11, 0.1, 0.08, 0.065, 0.06, 0.055, 0.05}},
};

constexpr void copyRow(double (&to)[kMaxPlaces], const double (&from)[kMaxPlaces]) {
    for (int place = 0; place < kMaxPlaces; ++place) to[place] = from[place];
}

constexpr PlaceSchedule kIbraSchedule = [] {
    PlaceSchedule schedule{};
    for (int row = 0; row < kScheduleRows; ++row) copyRow(schedule.fractions[row], kIbraRows[row]);
    return schedule;
}();

constexpr PlaceSchedule kBrn4dSchedule = [] {
    PlaceSchedule schedule{};
    for (int row = 0; row < kScheduleRows; ++row) copyRow(schedule.fractions[row], kBrn4dRows[row < 25 ? row : 24]);
    return schedule;
}();

constexpr PlaceSchedule kNbha4dSchedule = [] {
    PlaceSchedule schedule = kIbraSchedule;
    for (const OwnRow& own : kNbha4dOwnRows) copyRow(schedule.fractions[own.places - 1], own.fractions);
    return schedule;
}();

// [dCount][d - 1]; the row for 0 Ds is unused, and one D takes the whole pool.
constexpr DivisionSplit kIbraSplit = {{
    {},
    {},
    {0.6, 0.4},
    {0.5, 0.3, 0.2},
    {0.4, 0.3, 0.2, 0.1},
    {0.25, 0.23, 0.2, 0.18, 0.14},
    {0.27, 0.21, 0.17, 0.13, 0.12, 0.1},
    {0.26, 0.2, 0.16, 0.11, 0.1, 0.09, 0.08},
}};

constexpr DivisionSplit kBrn4dSplit = {{
    {},
    {},
    {0.6, 0.4},
    {0.4, 0.35, 0.25},
    {0.3, 0.27, 0.23, 0.2},
    {0.26, 0.23, 0.2, 0.17, 0.14},
    {0.27, 0.21, 0.17, 0.13, 0.12, 0.1},
    {0.26, 0.2, 0.16, 0.11, 0.1, 0.09, 0.08},
}};

constexpr DivisionSplit kNbha4dSplit = {{
    {},
    {},
    {0.6, 0.4},
    {0.5, 0.3, 0.2},
    {0.35, 0.3, 0.2, 0.15},
    {0.27, 0.24, 0.2, 0.17, 0.12},
    {0.27, 0.21, 0.17, 0.13, 0.12, 0.1},
    {0.26, 0.2, 0.16, 0.11, 0.1, 0.09, 0.08},
}};

// The built-in methods as values. They take any D count (a count they have no split for divides
// the pool by the seven-D split) and choose the places themselves; IBRA lists whole dollars.
constexpr MethodRules builtInRules(std::string_view name, MoneyShown money, const PlaceSchedule& schedule,
                                   const DivisionSplit& split) {
    MethodRules rules{};
    for (std::size_t i = 0; i < name.size(); ++i) rules.name[i] = name[i];
    rules.money = money;
    rules.addedMoney = AddedMoneyRule::WithThePool;
    rules.automaticPlaces = AutomaticPlaces::EntryFeeBack;
    rules.anyDCount = true;
    rules.split = split;
    rules.split.byDCount[1][0] = 1.0;
    for (int dCount = 1; dCount <= kDivisionCount; ++dCount) rules.paysDs[dCount] = true;
    rules.schedule = schedule;
    for (int row = 0; row < kScheduleRows; ++row) rules.hasRow[row] = true;
    return rules;
}

constexpr MethodRules kIbraRules = builtInRules("IBRA", MoneyShown::WholeDollars, kIbraSchedule, kIbraSplit);
constexpr MethodRules kBrn4dRules = builtInRules("BRN4D", MoneyShown::Cents, kBrn4dSchedule, kBrn4dSplit);
constexpr MethodRules kNbha4dRules = builtInRules("NBHA 4D", MoneyShown::Cents, kNbha4dSchedule, kNbha4dSplit);

}  // namespace

const MethodRules& BuiltInRules(PayoutMethod method) {
    switch (method) {
        case PayoutMethod::Ibra: return kIbraRules;
        case PayoutMethod::Brn4d: return kBrn4dRules;
        case PayoutMethod::Nbha4d: break;
    }
    return kNbha4dRules;
}

const PlaceSchedule& placeScheduleFor(PayoutMethod method) { return BuiltInRules(method).schedule; }

DivisionShares divisionSharesFor(PayoutMethod method, int dsToPay) {
    return divisionSharesFor(BuiltInRules(method), dsToPay);
}

}  // namespace vantry::engine
