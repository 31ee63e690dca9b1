#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Opening a written report in the user's text editor: notepad on Windows, the desktop's
// preferred application (xdg-open) on Linux, a browser tab in the page. The editor is started
// directly from its arguments, never through a command processor, so that nothing in a file
// name is expanded or run; the program waits for it to return.

namespace vantry::platform {

struct ViewerCommand {
    std::vector<std::string> arguments;  // the editor's name, then the file
    std::string folder;                  // where the editor starts; empty: this program's working folder
    // Whether a status other than 0 means it failed. Windows' explorer answers 1 having opened
    // what it was given.
    bool statusTellsFailure = true;
};

// The editor command for `file`, exactly as named, started in `folder`.
ViewerCommand ViewerCommandFor(const std::string& file, const std::string& folder = "");

// The command that shows `folder` in the desktop's file manager: xdg-open, or Windows' explorer.
ViewerCommand FolderViewerCommandFor(const std::string& folder);

// The editor command for a report a user named on a command line. On Linux the editor is given
// the file's absolute path, which it cannot take for a web address or an option.
ViewerCommand ViewerCommandForUserFile(const std::string& path);

// Starts the command and waits for it to end. Returns an empty string, or why it could not be
// started or failed (in one line, such as "xdg-open is not installed" or "xdg-open failed (exit
// status 3)").
std::string RunViewer(const ViewerCommand& command);

// How a window program waits: it is handed a question, whether the editor still runs, and asks
// it until it answers false, keeping its windows painted and refusing their input meanwhile. It
// may return early when the program is ending; the editor then goes on alone.
using ViewerWait = std::function<void(const std::function<bool()>& stillRunning)>;

// RunViewer, waiting through `wait`.
std::string RunViewerAndWait(const ViewerCommand& command, const ViewerWait& wait);

// The page's way of handing a producer a file: `bytes` as a download named `name`. Returns an
// empty string, or why it could not be offered. (The desktop programs write files themselves.)
std::string OfferDownload(const std::string& name, std::string_view bytes);

// What starts the editor for a command: RunViewer, or a test's stand-in that starts nothing.
using ViewerRunner = std::function<std::string(const ViewerCommand&)>;

}  // namespace vantry::platform
