// The largest listing (7 Ds x 30 places, 229 lines): our exact formatting against the same lines
// produced with the C library's snprintf, which rounds differently but sets the pace to match.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "engine/payout_calculation.h"
#include "engine/payout_schedules.h"
#include "engine/results_listing.h"
#include "methods/method_file.h"

using namespace vantry::engine;

namespace {

PayoutParameters largestEvent() {
    PayoutParameters params;
    params.riderCount = 500;
    params.entryFee = 47.5;
    params.addedMoney = 1234.56;
    params.dsToPay = 7;
    params.places = 30;
    return params;
}

void calculateAndRender(benchmark::State& state) {
    for (auto _ : state) {
        const ResultListing lines = ListPayout(largestEvent(), PayoutMethod::Nbha4d).lines;
        benchmark::DoNotOptimize(lines.data());
        if (lines.size() != kListingMaxLines) state.SkipWithError("wrong line count");
    }
}
BENCHMARK(calculateAndRender);

// The same by NBHA 4D written out as a method file and read back: a producer's own method is
// calculated and listed as fast as a built-in one.
void calculateAndRenderMethodFromFile(benchmark::State& state) {
    const vantry::methods::MethodFile file = vantry::methods::ReadMethodText(
        vantry::methods::MethodFileText(BuiltInRules(PayoutMethod::Nbha4d), ""));
    if (!file.valid()) state.SkipWithError("the method file did not read back");
    for (auto _ : state) {
        const ResultListing lines = ListPayout(largestEvent(), file.rules).lines;
        benchmark::DoNotOptimize(lines.data());
        if (lines.size() != kListingMaxLines) state.SkipWithError("wrong line count");
    }
}
BENCHMARK(calculateAndRenderMethodFromFile);

// The same calculation and the same 229 lines, each composed with snprintf.
void snprintfBaseline(benchmark::State& state) {
    char buffer[kListingLineMax + 1];
    for (auto _ : state) {
        const PayoutParameters params = largestEvent();
        ResultListing lines;
        auto add = [&](int length) { lines.emplace_back(buffer, static_cast<std::size_t>(length)); };
        add(std::snprintf(buffer, sizeof buffer, "Payoff Results using the following parameters:"));
        add(std::snprintf(buffer, sizeof buffer,
                          "Rider Count = %d, Entry Fee = $%3.2f, Added Money = $%3.2f, Places = %d", params.riderCount,
                          params.entryFee, params.addedMoney, params.places));
        add(std::snprintf(buffer, sizeof buffer, "D's to Pay = %d, Payoff Percentage = %2.0f", params.dsToPay,
                          params.payoffPercent));
        lines.emplace_back();
        const PayoutResult result = CalculatePayout(params, BuiltInRules(PayoutMethod::Nbha4d));
        const PlaceSchedule& schedule = placeScheduleFor(PayoutMethod::Nbha4d);
        add(std::snprintf(buffer, sizeof buffer, "NBHA 4D payout to %d placings, Pool = $%4.2f, Producer = $%4.2f",
                          result.placings, result.pool, result.producer));
        for (int d = 0; d < kDivisionCount; ++d) {
            double total = 0.0;
            for (double amount : result.amounts[d]) total += amount;
            lines.emplace_back();
            add(std::snprintf(buffer, sizeof buffer, "%dD: Total = $%3.2f   (%2.0f%%)", d + 1, total,
                              result.shares[d] * 100.0));
            for (int place = 1; place <= result.placings; ++place)
                add(std::snprintf(buffer, sizeof buffer, "    %d = $%3.2f   (%2.2f%%)", place,
                                  result.amounts[d][place - 1], schedule.fraction(result.row, place) * 100.0));
        }
        benchmark::DoNotOptimize(lines.data());
        if (lines.size() != kListingMaxLines) state.SkipWithError("wrong line count");
    }
}
BENCHMARK(snprintfBaseline);

}  // namespace

BENCHMARK_MAIN();
