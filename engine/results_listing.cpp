#include "engine/results_listing.h"

#include <initializer_list>
#include <span>

#include "engine/number_text.h"
#include "engine/payout_calculation.h"

namespace vantry::engine {

namespace {

// A value of a line, and where the table keeps its text when it keeps one. The text goes with the
// value it was made from, whatever the place of its conversion in the line.
struct LineValue {
    template <class Number>
    LineValue(Number value, std::string* tableText = nullptr) : arg(value), text(tableText) {}
    FormatArg arg;
    std::string* text;
};

// Composes each line in one fixed buffer. A line that would be longer than a listing line may be
// (only absurd amounts, of a hundred digits and more) is cut, and its end replaced by
// kCutLineMark so that no one can take the digits left for a whole amount. Each value that has a
// place in the table gets the very text the line shows for it, without its padding.
class LineComposer {
public:
    LineComposer(ResultListing& lines, const ListingSink& sink) : lines_(lines), sink_(sink) {}

    void add(std::string_view format, std::initializer_list<LineValue> values = {}) {
        FormatArg args[kMostValues] = {0, 0, 0, 0};
        std::size_t count = 0;
        for (const LineValue& value : values)
            if (count < kMostValues) args[count++] = value.arg;
        const std::span<const FormatArg> used(args, count);
        const std::size_t length = FormatText(buffer_, sizeof buffer_, format, used, &fields_);
        // Only an absurd amount makes a line too long for the buffer; the table still gets its texts.
        const std::string whole = length < sizeof buffer_ ? std::string() : FormatString(format, used);
        const std::string_view text = length < sizeof buffer_ ? std::string_view(buffer_, length) : whole;
        std::size_t field = 0;
        for (const LineValue& value : values) {
            if (value.text && field < fields_.size())
                value.text->assign(text.substr(fields_[field].offset, fields_[field].length));
            ++field;
        }
        keep(text);
    }

private:
    static constexpr std::size_t kMostValues = 4;  // the most conversions a listing line has

    void keep(std::string_view text) {
        if (text.size() <= kListingLineMax) {
            lines_.emplace_back(text);
        } else {
            std::string line(text.substr(0, kListingLineMax - kCutLineMark.size()));
            lines_.push_back(line.append(kCutLineMark));
        }
        if (sink_) sink_(lines_.back());
    }

    ResultListing& lines_;
    const ListingSink& sink_;
    std::vector<FormattedField> fields_;
    char buffer_[kListingLineMax + 1];
};

// The method's formats: whole dollars ("%4.0f", "%3.0f") or cents ("%4.2f", "%3.2f"); the place
// percentages always with two decimals.
class MethodFormats {
public:
    explicit MethodFormats(const MethodRules& rules) : whole_(rules.money == MoneyShown::WholeDollars) {
        // The name is the method's own text: a '%' in it is printed, not converted.
        for (const char c : rules.displayName()) header_ += c == '%' ? "%%" : std::string(1, c);
        header_ += whole_ ? " payout to %d placings, Pool = $%4.0f, Producer = $%4.0f"
                          : " payout to %d placings, Pool = $%4.2f, Producer = $%4.2f";
    }

    const std::string& header() const { return header_; }

    // "1D: Total = $%3.2f   (%2.0f%%)". A D's share is shown with the fewest decimals that show it
    // exactly, a whole percentage at the width of two the built-in methods have always printed.
    std::string dTotal(int d, double share) const {
        static constexpr const char* kShareFormats[] = {"   (%2.0f%%)", "   (%2.1f%%)", "   (%2.2f%%)"};
        return std::string(1, static_cast<char>('1' + d)) + (whole_ ? "D: Total = $%3.0f" : "D: Total = $%3.2f") +
               kShareFormats[ShareDecimals(share)];
    }

    const char* place() const { return whole_ ? "    %d = $%3.0f   (%2.2f%%)" : "    %d = $%3.2f   (%2.2f%%)"; }

private:
    bool whole_;
    std::string header_;
};

// 1D always; 2D to 7D when dsToPay reaches them.
int listedDs(int dsToPay) {
    if (dsToPay < 1) return 1;
    return dsToPay > kDivisionCount ? kDivisionCount : dsToPay;
}

// Lines 1 to 4: the parameters as stored.
void RenderParameterLines(LineComposer& compose, const PayoutParameters& params, PayoutTable& table) {
    table.riders = params.riderCount;
    table.places = params.places;
    table.dsToPay = params.dsToPay;
    compose.add("Payoff Results using the following parameters:");
    compose.add(
        "Rider Count = %d, Entry Fee = $%3.2f, Added Money = $%3.2f, Places = %d",
        {params.riderCount, {params.entryFee, &table.entryFee}, {params.addedMoney, &table.addedMoney}, params.places});
    compose.add("D's to Pay = %d, Payoff Percentage = %2.0f",
                {params.dsToPay, {params.payoffPercent, &table.payoffPercent}});
    compose.add("");
}

// The method header and, for each listed D, an empty line, the D total and one line per place.
void RenderResultLines(LineComposer& compose, const PayoutParameters& params, const MethodRules& rules,
                       const PayoutResult& result, PayoutTable& table) {
    const MethodFormats formats(rules);
    const PlaceSchedule& schedule = rules.schedule;

    table.placings = result.placings;
    compose.add(formats.header(), {result.placings, {result.pool, &table.pool}, {result.producer, &table.producer}});
    for (int d = 0; d < listedDs(params.dsToPay); ++d) {
        // The total is what the places actually get, summed in place order, not pool * share.
        double total = 0.0;
        for (int place = 0; place < kMaxPlaces; ++place) total += result.amounts[d][place];
        DivisionEntry& division = table.divisions.emplace_back(DivisionEntry{d + 1, {}, {}, {}});
        compose.add("");
        compose.add(formats.dTotal(d, result.shares[d]),
                    {{total, &division.total}, {result.shares[d] * 100.0, &division.sharePercent}});
        division.places.reserve(static_cast<std::size_t>(result.placings));
        for (int place = 1; place <= result.placings; ++place) {
            PlaceEntry& entry = division.places.emplace_back(PlaceEntry{place, {}, {}});
            compose.add(formats.place(), {place,
                                          {result.amounts[d][place - 1], &entry.amount},
                                          {schedule.fraction(result.row, place) * 100.0, &entry.percent}});
        }
    }
}

}  // namespace

ListedPayout ListPayout(const PayoutParameters& params, PayoutMethod method, const ListingSink& eachLine) {
    return ListPayout(params, BuiltInRules(method), eachLine);
}

ListedPayout ListPayout(const PayoutParameters& params, const MethodRules& rules, const ListingSink& eachLine) {
    ListedPayout listed;
    listed.lines.reserve(kListingMaxLines);
    LineComposer compose(listed.lines, eachLine);
    // The parameters are listed, and heard, before anything is calculated.
    RenderParameterLines(compose, params, listed.table);
    listed.result = CalculatePayout(params, rules);
    RenderResultLines(compose, params, rules, listed.result, listed.table);
    return listed;
}

bool IsCutLine(std::string_view line) {
    return line.size() == kListingLineMax && line.substr(kListingLineMax - kCutLineMark.size()) == kCutLineMark;
}

bool HasCutLine(const ResultListing& lines) {
    for (const std::string& line : lines)
        if (IsCutLine(line)) return true;
    return false;
}

}  // namespace vantry::engine
