#pragma once

#include <string>

#include "platform/viewer.h"

// What each platform's editor hand-off supplies to the part all platforms share.

namespace vantry::platform::detail {

// The editor's name, as a person would type it at the platform's prompt.
extern const char* const kEditorName;
// The file manager's, and whether its status tells a failure.
extern const char* const kFolderViewerName;
extern const bool kFolderViewerStatusTells;

#ifdef _WIN32
// The command line CreateProcessW is given: each argument as a Windows program's start-up code
// splits its command line back, quoted where it must be ("notepad \"my report.txt\"").
std::string CommandLine(const ViewerCommand& command);
#endif

}  // namespace vantry::platform::detail
