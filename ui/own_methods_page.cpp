#include "ui/own_methods.h"

// The page keeps no methods of a producer's own yet: it offers none and opens no methods window
// (its backend runs no dialog above another), and it carries no method file reader.

namespace vantry::app {

std::string OwnMethodsFolder(std::string& why) {
    why = "the page keeps no methods of its own yet";
    return {};
}

std::vector<OfferedMethod> OfferedOwnMethods(const std::string&, std::size_t) { return {}; }

bool RunMethodsWindow(framework::CWnd*, const std::string&, const std::string&, const platform::ViewerRunner&) {
    return false;
}

}  // namespace vantry::app
