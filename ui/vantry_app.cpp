#include "ui/vantry_app.h"

#include "ui/vantry_dlg.h"

namespace vantry::app {

// The one application object, constructed before the framework's start-up code runs.
CVantryApp theApp;

bool CVantryApp::InitInstance() {
    CVantryDlg dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();  // ended by "Exit", Esc or the close box; how is not looked at
    m_pMainWnd = nullptr;
    return false;  // no message loop: the program ends with its dialog
}

}  // namespace vantry::app
