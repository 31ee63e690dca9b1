#include "edit_rules.h"

#include <algorithm>

namespace vantry::framework {

EditSelection SetSelection(EditSelection current, WParam wParam, LParam lParam, int length) {
    int start = static_cast<int>(static_cast<LParam>(wParam));
    int end = static_cast<int>(lParam);
    if (start == -1) return {current.end, current.end};
    if (end == -1) end = length;
    start = std::clamp(start, 0, length);
    end = std::clamp(end, 0, length);
    return {std::min(start, end), std::max(start, end)};
}

LResult PackedSelection(EditSelection selection) {
    return static_cast<LResult>((selection.start & 0xFFFF) | ((selection.end & 0xFFFF) << 16));
}

int EditTextLimit(WParam wParam) {
    constexpr int kLargest = 0x7FFFFFFE;
    return wParam == 0 || wParam > static_cast<WParam>(kLargest) ? kLargest : static_cast<int>(wParam);
}

int EnterableCount(int limit, int length, EditSelection selection, int count) {
    const int room = limit - (length - (selection.end - selection.start));
    return std::clamp(room, 0, count);
}

bool AcceptsTypedCharacter(std::uint32_t style, unsigned char c) {
    const bool control = c < 0x20 || c == 0x7F;
    const bool digit = c >= '0' && c <= '9';
    return control || digit || (style & Style::EsNumber) == 0;
}

}  // namespace vantry::framework
