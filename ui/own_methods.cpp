#include "ui/own_methods.h"

#include "methods/installed_methods.h"
#include "methods/method_files.h"
#include "ui/methods_dlg.h"

namespace vantry::app {

std::string OwnMethodsFolder(std::string& why) { return methods::MethodsFolder(why); }

std::vector<engine::MethodRules> OfferedOwnMethods(const std::string& folder, std::size_t most) {
    std::vector<engine::MethodRules> offered;
    if (folder.empty()) return offered;
    for (const methods::InstalledMethod& method : methods::FindInstalledMethods(folder).methods)
        if (method.usable() && offered.size() < most) offered.push_back(method.file.rules);
    return offered;
}

bool SameOwnMethodName(std::string_view a, std::string_view b) { return methods::SameMethodName(a, b); }

void RunMethodsWindow(framework::CWnd* parent, const std::string& folder, const std::string& whyNoFolder,
                      const platform::ViewerRunner& editor) {
    CMethodsDlg window(parent, folder, whyNoFolder, editor);
    window.DoModal();
}

}  // namespace vantry::app
