#include "cli/message_text.h"

#include "engine/number_text.h"

namespace vantry::cli {

std::string OneLine(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string line;
    line.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7F) {
            line += c;
        } else if (c == '\n') {
            line += "\\n";
        } else if (c == '\r') {
            line += "\\r";
        } else if (c == '\t') {
            line += "\\t";
        } else {
            line += "\\x";
            line += kHex[byte >> 4];
            line += kHex[byte & 0x0F];
        }
    }
    return line;
}

std::string ShownValue(std::string_view value) {
    if (value.size() <= kShownValueMax) return "\"" + OneLine(value) + "\"";
    // Cut where a character of UTF-8 begins, not inside one.
    std::size_t cut = kShownValueMax;
    while (cut > 0 && (static_cast<unsigned char>(value[cut]) & 0xC0) == 0x80) --cut;
    return "\"" + OneLine(value.substr(0, cut)) + "...\" (" +
           engine::FormatString("%d", {static_cast<std::int64_t>(value.size())}) + " characters)";
}

}  // namespace vantry::cli
