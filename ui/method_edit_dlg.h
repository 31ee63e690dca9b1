#pragma once

#include <string>

#include "ui/framework/framework.h"

namespace vantry::app {

// The page's method editor: a page has no text editor, so a method file is edited in this
// window's text area. Its problems are shown as the producer types, and "Save" is refused while
// any remain; "Export .toml" hands the text over as a download, problems or not.
class CMethodEditDlg : public framework::CDialog {
public:
    CMethodEditDlg(framework::CWnd* parent, std::string path);

    bool saved() const { return saved_; }

protected:
    bool OnInitDialog() override;
    void OnCommand(int id) override;
    void OnEditChange(int id) override;
    void OnCancel() override;  // asks first when the text was changed

private:
    std::string typed();
    void showProblems();
    void OnSave();
    void OnExport();

    std::string path_;
    std::string opened_;  // the text as the editor showed it first
    bool saved_ = false;
};

}  // namespace vantry::app
