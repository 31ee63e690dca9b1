#include "ui/own_methods.h"

#include "methods/installed_methods.h"
#include "methods/method_files.h"
#include "ui/methods_dlg.h"

namespace vantry::app {

std::string OwnMethodsFolder(std::string& why) { return methods::MethodsFolder(why); }

std::vector<OfferedMethod> OfferedOwnMethods(const std::string& folder, std::size_t most) {
    std::vector<OfferedMethod> offered;
    if (folder.empty()) return offered;
    for (methods::InstalledMethod& method : methods::FindInstalledMethods(folder).methods)
        if (method.usable() && offered.size() < most) offered.push_back({std::move(method.path), method.file.rules});
    return offered;
}

bool RunMethodsWindow(framework::CWnd* parent, const std::string& folder, const std::string& whyNoFolder,
                      const platform::ViewerRunner& editor) {
    CMethodsDlg window(parent, folder, whyNoFolder, editor);
    return window.DoModal() != -1;
}

}  // namespace vantry::app
