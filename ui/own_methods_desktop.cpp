#include "methods/method_files.h"
#include "ui/methods_dlg.h"
#include "ui/own_methods.h"

// The desktop programs keep a producer's methods as files of the methods folder, and open them
// (and the folder) in the desktop's own applications.

namespace vantry::app {

std::string OwnMethodsFolder(std::string& why) { return methods::MethodsFolder(why); }

bool RunMethodsWindow(framework::CWnd* parent, const std::string& folder, const std::string& whyNoFolder,
                      const platform::ViewerRunner& editor) {
    CMethodsDlg window(parent, folder, whyNoFolder, editor);
    return window.DoModal() != -1;
}

void KeepOwnMethods(const std::string&) {}  // the files are the methods

}  // namespace vantry::app
