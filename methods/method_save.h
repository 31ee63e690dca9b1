#pragma once

#include <string>
#include <string_view>

#include "methods/method_library.h"

namespace vantry::methods {

// Replaces the method file at `path` with `text`, once the text reads as a sound method whose name
// no other method has: how the page's own editor saves what the producer typed. A text with
// problems is refused with them, a taken name is said so, and the file is left as it was; so is
// it when the new text cannot be written whole.
FolderChange SaveMethodText(const std::string& path, std::string_view text);

}  // namespace vantry::methods
