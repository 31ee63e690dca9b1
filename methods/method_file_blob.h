#pragma once

#include <string>
#include <string_view>

#include "methods/method_file.h"

namespace vantry::methods {

// A checked method file as bytes, for the page: its method file reader is a program of its own,
// loaded only once a producer has methods, and hands back what it read this way. Both programs
// are built together from these sources, so the method's own bytes travel as they are; the size
// of MethodRules goes with them, and bytes of another build are refused.
std::string EncodeMethodFile(const MethodFile& file);
bool DecodeMethodFile(std::string_view bytes, MethodFile& file);

}  // namespace vantry::methods
