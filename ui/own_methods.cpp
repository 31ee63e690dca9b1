#include "ui/own_methods.h"

#include "methods/installed_methods.h"

namespace vantry::app {

std::vector<OfferedMethod> OfferedOwnMethods(const std::string& folder, std::size_t most) {
    std::vector<OfferedMethod> offered;
    if (folder.empty()) return offered;
    for (methods::InstalledMethod& method : methods::FindInstalledMethods(folder).methods)
        if (method.usable() && offered.size() < most) offered.push_back({std::move(method.path), method.file.rules});
    return offered;
}

}  // namespace vantry::app
