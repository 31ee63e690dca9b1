#include "cli/payout_export.h"

#include "engine/number_text.h"

namespace vantry::cli {

namespace {

std::string number(std::int64_t value) { return engine::FormatString("%d", {value}); }

// A JSON string. The listing's texts are digits, points, signs, "inf" and "nan"; anything else
// is escaped all the same.
std::string jsonString(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20) {
            quoted += "\\u00";
            quoted += kHex[byte >> 4];
            quoted += kHex[byte & 0x0F];
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

// A CSV field as RFC 4180 writes one: quoted, with its quotes doubled, when it holds a comma, a
// quote or a line break. Only a method's own name can.
std::string csvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

}  // namespace

std::string PayoutCsv(const engine::PayoutTable& table, std::string_view method) {
    std::string csv = "method,division,place,amount,percent\r\n";
    for (const engine::DivisionEntry& division : table.divisions)
        for (const engine::PlaceEntry& place : division.places)
            csv += csvField(method) + "," + number(division.division) + "," + number(place.place) + "," + place.amount +
                   "," + place.percent + "\r\n";
    return csv;
}

std::string PayoutJson(const engine::PayoutTable& table, std::string_view method) {
    std::string json = "{\"method\":" + jsonString(method);
    json += ",\"parameters\":{\"riders\":" + number(table.riders) + ",\"entryFee\":" + jsonString(table.entryFee) +
            ",\"addedMoney\":" + jsonString(table.addedMoney) +
            ",\"payoffPercent\":" + jsonString(table.payoffPercent) + ",\"dsToPay\":" + number(table.dsToPay) +
            ",\"places\":" + number(table.places) + "}";
    json += ",\"placings\":" + number(table.placings) + ",\"pool\":" + jsonString(table.pool) +
            ",\"producer\":" + jsonString(table.producer) + ",\"divisions\":[";
    for (std::size_t d = 0; d < table.divisions.size(); ++d) {
        const engine::DivisionEntry& division = table.divisions[d];
        json += (d ? ",{" : "{") + std::string("\"division\":") + number(division.division) +
                ",\"sharePercent\":" + jsonString(division.sharePercent) + ",\"total\":" + jsonString(division.total) +
                ",\"places\":[";
        for (std::size_t p = 0; p < division.places.size(); ++p) {
            const engine::PlaceEntry& place = division.places[p];
            json += (p ? ",{" : "{") + std::string("\"place\":") + number(place.place) +
                    ",\"amount\":" + jsonString(place.amount) + ",\"percent\":" + jsonString(place.percent) + "}";
        }
        json += "]}";
    }
    return json + "]}\n";
}

}  // namespace vantry::cli
