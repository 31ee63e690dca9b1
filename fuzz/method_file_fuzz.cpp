// A method file as it may arrive by e-mail: any bytes. Reading never crashes, every problem is one
// line with a line and column inside the text, and a file taken as valid is a sound method:
// names and shares within their bounds, every list adding up to 100, written out and read back
// as the same method, and listing any event it can pay within the listing's bounds.
#include <string>

#include "engine/results_listing.h"
#include "fuzz/fuzz_check.h"
#include "methods/method_file.h"

using namespace vantry;

namespace {

void checkProblems(std::string_view text, const methods::MethodFile& file) {
    std::uint32_t lines = 1;
    for (const char c : text) lines += c == '\n';
    for (const methods::MethodProblem& problem : file.problems) {
        Check(problem.line >= 1 && problem.line <= lines + 1 && problem.column >= 1, "a problem outside the text",
              problem.what);
        Check(!problem.what.empty() && problem.what.size() < 400, "an empty or overlong problem", problem.what);
        for (const char c : problem.what)
            Check(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F, "a control character in a problem", problem.what);
    }
}

void checkSums(const engine::MethodRules& rules) {
    for (int ds = 2; ds <= engine::kDivisionCount; ++ds) {
        if (!rules.paysDs[ds]) continue;
        int sum = 0;
        for (int d = 0; d < ds; ++d) sum += engine::HundredthsOfPercent(rules.split.byDCount[ds][d]);
        Check(sum == 10000, "a D split that does not add up to 100");
    }
    for (int row = 0; row < engine::kScheduleRows; ++row) {
        if (!rules.hasRow[row]) continue;
        int sum = 0;
        for (int place = 1; place <= engine::kMaxPlaces; ++place) {
            const double share = rules.schedule.fraction(row, place);
            Check(place <= row + 1 || share == 0.0, "a share past a row's places");
            Check(place == 1 ? share > 0.0 : share <= rules.schedule.fraction(row, place - 1), "a row that grows");
            sum += engine::HundredthsOfPercent(share);
        }
        Check(sum == 10000, "a place row that does not add up to 100");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const methods::MethodFile file = methods::ReadMethodText(text);
    checkProblems(text, file);
    if (!file.valid()) return 0;

    const engine::MethodRules& rules = file.rules;
    const std::string_view name = rules.displayName();
    Check(!name.empty() && name.size() <= engine::kMethodNameMax, "a name out of bounds");
    checkSums(rules);

    const methods::MethodFile again = methods::ReadMethodText(methods::MethodFileText(rules, file.note));
    Check(again.valid() && again.note == file.note && again.rules.displayName() == name, "a method not read back");
    for (int ds = 1; ds <= engine::kDivisionCount; ++ds)
        for (int d = 0; d < engine::kDivisionCount; ++d)
            Check(again.rules.paysDs[ds] == rules.paysDs[ds] &&
                      again.rules.split.byDCount[ds][d] == rules.split.byDCount[ds][d],
                  "a split not read back");
    for (int row = 0; row < engine::kScheduleRows; ++row)
        for (int place = 1; place <= engine::kMaxPlaces; ++place)
            Check(again.rules.hasRow[row] == rules.hasRow[row] &&
                      again.rules.schedule.fraction(row, place) == rules.schedule.fraction(row, place),
                  "a row not read back");

    // Every D count and a spread of place counts the method can pay, listed within bounds.
    for (int ds = 1; ds <= engine::kDivisionCount; ++ds) {
        for (const int places : {0, 1, 7, 30}) {
            engine::PayoutParameters params;
            params.dsToPay = ds;
            params.places = places;
            if (!engine::WhyMethodCannotPay(rules, params).empty()) continue;
            const engine::ResultListing lines = engine::ListPayout(params, rules).lines;
            Check(lines.size() <= engine::kListingMaxLines, "too many lines");
            for (const std::string& line : lines)
                Check(line.size() <= engine::kListingLineMax, "a line too long", line);
        }
    }
    return 0;
}
