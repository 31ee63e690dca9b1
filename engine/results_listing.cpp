#include "results_listing.h"

#include <initializer_list>

#include "number_text.h"
#include "payout_calculation.h"
#include "payout_table.h"
#include "payout_schedules.h"

namespace vantry::engine {

namespace {

// Composes each line in one fixed buffer. A line that would be longer than a listing line may be
// (only absurd amounts, of a hundred digits and more) is cut, and its end replaced by
// kCutLineMark so that no one can take the digits left for a whole amount. When a table is
// being made, the line's conversions are also handed over as the texts the line holds.
class LineComposer {
public:
    explicit LineComposer(ResultListing& lines) : lines_(lines) {}

    void add(const char* format, std::initializer_list<FormatArg> args = {}, std::vector<std::string>* texts = nullptr) {
        if (texts == nullptr) {
            keep(buffer_, FormatText(buffer_, sizeof buffer_, format, args));
            return;
        }
        std::vector<FormattedField> fields;
        const std::string line = FormatString(format, args, &fields);
        texts->clear();
        for (const FormattedField& field : fields) texts->push_back(line.substr(field.offset, field.length));
        keep(line.data(), line.size());
    }

private:
    void keep(const char* text, std::size_t length) {
        if (length <= kListingLineMax) {
            lines_.emplace_back(text, length);
            return;
        }
        std::string line(text, kListingLineMax - kCutLineMark.size());
        lines_.push_back(line.append(kCutLineMark));
    }

    ResultListing& lines_;
    char buffer_[kListingLineMax + 1];
};

struct MethodFormats {
    const char* header;
    const char* dTotals[kDivisionCount];
    const char* place;
};

// IBRA prints whole dollars; BRN4D and NBHA 4D print cents and differ only in the header.
constexpr MethodFormats kIbraFormats = {
    "IBRA payout to %d placings, Pool = $%4.0f, Producer = $%4.0f",
    {"1D: Total = $%3.0f   (%2.0f%%)", "2D: Total = $%3.0f   (%2.0f%%)",
     "3D: Total = $%3.0f   (%2.0f%%)", "4D: Total = $%3.0f   (%2.0f%%)",
     "5D: Total = $%3.0f   (%2.0f%%)", "6D: Total = $%3.0f   (%2.0f%%)",
     "7D: Total = $%3.0f   (%2.0f%%)"},
    "    %d = $%3.0f   (%2.2f%%)",
};

constexpr MethodFormats kBrn4dFormats = {
    "BRN4D payout to %d placings, Pool = $%4.2f, Producer = $%4.2f",
    {"1D: Total = $%3.2f   (%2.0f%%)", "2D: Total = $%3.2f   (%2.0f%%)",
     "3D: Total = $%3.2f   (%2.0f%%)", "4D: Total = $%3.2f   (%2.0f%%)",
     "5D: Total = $%3.2f   (%2.0f%%)", "6D: Total = $%3.2f   (%2.0f%%)",
     "7D: Total = $%3.2f   (%2.0f%%)"},
    "    %d = $%3.2f   (%2.2f%%)",
};

constexpr MethodFormats kNbha4dFormats = {
    "NBHA 4D payout to %d placings, Pool = $%4.2f, Producer = $%4.2f",
    {kBrn4dFormats.dTotals[0], kBrn4dFormats.dTotals[1], kBrn4dFormats.dTotals[2],
     kBrn4dFormats.dTotals[3], kBrn4dFormats.dTotals[4], kBrn4dFormats.dTotals[5],
     kBrn4dFormats.dTotals[6]},
    kBrn4dFormats.place,
};

const MethodFormats& formatsFor(PayoutMethod method) {
    switch (method) {
        case PayoutMethod::Ibra: return kIbraFormats;
        case PayoutMethod::Brn4d: return kBrn4dFormats;
        case PayoutMethod::Nbha4d: break;
    }
    return kNbha4dFormats;
}

// 1D always; 2D to 7D when dsToPay reaches them.
int listedDs(int dsToPay) {
    if (dsToPay < 1) return 1;
    return dsToPay > kDivisionCount ? kDivisionCount : dsToPay;
}

void composeParameters(LineComposer& compose, const PayoutParameters& params, PayoutTable* table) {
    std::vector<std::string> texts;
    std::vector<std::string>* fields = table ? &texts : nullptr;
    compose.add("Payoff Results using the following parameters:");
    compose.add("Rider Count = %d, Entry Fee = $%3.2f, Added Money = $%3.2f, Places = %d",
                {params.riderCount, params.entryFee, params.addedMoney, params.places}, fields);
    if (table) {
        table->riders = params.riderCount;
        table->entryFee = texts[1];
        table->addedMoney = texts[2];
        table->places = params.places;
    }
    compose.add("D's to Pay = %d, Payoff Percentage = %2.0f", {params.dsToPay, params.payoffPercent}, fields);
    if (table) {
        table->dsToPay = params.dsToPay;
        table->payoffPercent = texts[1];
    }
    compose.add("");
}

void composeResults(LineComposer& compose, const PayoutParameters& params, PayoutMethod method,
                    const PayoutResult& result, PayoutTable* table) {
    const MethodFormats& formats = formatsFor(method);
    const PlaceSchedule& schedule = placeScheduleFor(method);
    std::vector<std::string> texts;
    std::vector<std::string>* fields = table ? &texts : nullptr;

    compose.add(formats.header, {result.placings, result.pool, result.producer}, fields);
    if (table) {
        table->placings = result.placings;
        table->pool = texts[1];
        table->producer = texts[2];
    }
    for (int d = 0; d < listedDs(params.dsToPay); ++d) {
        // The total is what the places actually get, summed in place order, not pool * share.
        double total = 0.0;
        for (int place = 0; place < kMaxPlaces; ++place) total += result.amounts[d][place];
        compose.add("");
        compose.add(formats.dTotals[d], {total, result.shares[d] * 100.0}, fields);
        if (table) table->divisions.push_back({d + 1, texts[1], texts[0], {}});
        for (int place = 1; place <= result.placings; ++place) {
            compose.add(formats.place, {place, result.amounts[d][place - 1],
                                        schedule.fraction(result.row, place) * 100.0}, fields);
            if (table) table->divisions.back().places.push_back({place, texts[1], texts[2]});
        }
    }
}

}  // namespace

ResultListing RenderParameterLines(const PayoutParameters& params) {
    ResultListing lines;
    LineComposer compose(lines);
    composeParameters(compose, params, nullptr);
    return lines;
}

ResultListing RenderResultLines(const PayoutParameters& params, PayoutMethod method,
                                const PayoutResult& result) {
    ResultListing lines;
    lines.reserve(1 + static_cast<std::size_t>(listedDs(params.dsToPay)) * (2 + static_cast<std::size_t>(result.placings)));
    LineComposer compose(lines);
    composeResults(compose, params, method, result, nullptr);
    return lines;
}

ListedPayout ListPayout(const PayoutParameters& params, PayoutMethod method) {
    ListedPayout listed;
    LineComposer compose(listed.lines);
    composeParameters(compose, params, &listed.table);
    composeResults(compose, params, method, CalculatePayout(params, method), &listed.table);
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

ResultListing RenderListing(const PayoutParameters& params, PayoutMethod method) {
    ResultListing lines = RenderParameterLines(params);
    const ResultListing rest = RenderResultLines(params, method, CalculatePayout(params, method));
    lines.insert(lines.end(), rest.begin(), rest.end());
    return lines;
}

}  // namespace vantry::engine
