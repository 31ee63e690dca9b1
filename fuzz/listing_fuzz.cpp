// The listing for any parameters and any method: no line over 132 characters, and every line
// either whole (it ends as its format ends) or cut and marked with "..." at the 132nd character,
// never cut in the middle of an amount without a mark.
#include <cstring>

#include "engine/results_listing.h"
#include "fuzz/fuzz_check.h"

using namespace vantry::engine;

namespace {

bool endsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// A number as FormatText writes one at the end of a line: digits, maybe a point and a sign,
// or inf / nan.
bool endsWithNumberAfter(std::string_view line, std::string_view before) {
    const std::size_t at = line.rfind(before);
    if (at == std::string_view::npos) return false;
    std::string_view number = line.substr(at + before.size());
    while (!number.empty() && number.front() == ' ') number.remove_prefix(1);
    if (!number.empty() && number.front() == '-') number.remove_prefix(1);
    if (number == "inf" || number == "nan") return true;
    if (number.empty()) return false;
    for (char c : number)
        if ((c < '0' || c > '9') && c != '.') return false;
    return true;
}

// Whether the line ends as one of the listing's formats ends.
bool whole(std::string_view line) {
    if (line.empty() || line == "Payoff Results using the following parameters:") return true;
    if (line.starts_with("Rider Count = ")) return endsWithNumberAfter(line, ", Places = ");
    if (line.starts_with("D's to Pay = ")) return endsWithNumberAfter(line, ", Payoff Percentage = ");
    if (line.find(" payout to ") != std::string_view::npos) return endsWithNumberAfter(line, ", Producer = $");
    return endsWith(line, "%)") && line.find("   (") != std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    PayoutParameters params;
    params.riderCount = input.value<std::int32_t>();
    params.entryFee = input.value<double>();
    params.addedMoney = input.value<double>();
    params.payoffPercent = input.value<double>();
    params.dsToPay = input.value<std::int32_t>();
    params.places = input.value<std::int32_t>();
    const PayoutMethod method = static_cast<PayoutMethod>(input.byte() % 3);

    const ResultListing lines = ListPayout(NormalisedParameters(params), method).lines;
    Check(lines.size() <= kListingMaxLines, "too many lines");
    for (const std::string& line : lines) {
        Check(line.size() <= kListingLineMax, "a line over 132 characters", line);
        Check(whole(line) || IsCutLine(line), "a line cut without its mark", line);
    }
    return 0;
}
