#pragma once

#include <string>

// What each platform's editor hand-off supplies to the part all platforms share.

namespace vantry::platform::detail {

// The editor's name, as a person would type it at the platform's prompt.
extern const char* const kEditorName;

// One argument as the platform's prompt would read it back, quoted where it must be.
std::string PromptWord(const std::string& word);

}  // namespace vantry::platform::detail
