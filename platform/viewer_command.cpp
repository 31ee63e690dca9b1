#include "viewer.h"
#include "viewer_platform.h"

namespace vantry::platform {

std::string ViewerCommand::text() const {
    std::string line;
    for (const std::string& argument : arguments) line += (line.empty() ? "" : " ") + detail::PromptWord(argument);
    return line;
}

ViewerCommand ViewerCommandFor(const std::string& file, const std::string& folder) {
    return {{detail::kEditorName, file}, folder};
}

std::string RunViewer(const ViewerCommand& command) { return RunViewerAndWait(command, nullptr); }

}  // namespace vantry::platform
