#include "platform/viewer.h"
#include "platform/viewer_platform.h"

namespace vantry::platform {

ViewerCommand ViewerCommandFor(const std::string& file, const std::string& folder) {
    return {{detail::kEditorName, file}, folder};
}

ViewerCommand FolderViewerCommandFor(const std::string& folder) {
    ViewerCommand command{{detail::kFolderViewerName, folder}, ""};
    command.statusTellsFailure = detail::kFolderViewerStatusTells;
    return command;
}

std::string RunViewer(const ViewerCommand& command) { return RunViewerAndWait(command, nullptr); }

}  // namespace vantry::platform
