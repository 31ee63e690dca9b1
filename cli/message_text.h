#pragma once

#include <string>
#include <string_view>

namespace vantry::cli {

// A value the user gave, as an error message shows it: in double quotes, control characters
// escaped ("\n", "\x1b") so that it cannot break the line or steer the terminal, and cut after
// kShownValueMax characters, with its length given, so that a huge value makes a short message.
std::string ShownValue(std::string_view value);

inline constexpr std::size_t kShownValueMax = 60;

// The text with its control characters escaped: what is printed is always one line.
std::string OneLine(std::string_view text);

}  // namespace vantry::cli
