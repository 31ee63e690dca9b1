#pragma once

#include <algorithm>
#include <cstring>
#include <string_view>

namespace vantry::framework {

// GetWindowText's copy: at most maxCount - 1 characters, always terminated; returns the count.
inline int CopyText(std::string_view text, char* buffer, int maxCount) {
    if (maxCount <= 0) return 0;
    const int count = std::min(static_cast<int>(text.size()), maxCount - 1);
    if (count > 0) std::memcpy(buffer, text.data(), static_cast<std::size_t>(count));
    buffer[count] = '\0';
    return count;
}

}  // namespace vantry::framework
