#include "ui/own_methods.h"

// The page keeps no methods of a producer's own yet: it offers none and opens no methods window
// (its backend runs no dialog above another), and it carries no method file reader.

namespace vantry::app {

std::string OwnMethodsFolder(std::string& why) {
    why = "the page keeps no methods of its own yet";
    return {};
}

std::vector<engine::MethodRules> OfferedOwnMethods(const std::string&, std::size_t) { return {}; }

bool SameOwnMethodName(std::string_view a, std::string_view b) { return a == b; }

void RunMethodsWindow(framework::CWnd*, const std::string&, const std::string&, const platform::ViewerRunner&) {}

}  // namespace vantry::app
