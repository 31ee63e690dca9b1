#pragma once

#include <string>
#include <vector>

#include "engine/method_rules.h"
#include "methods/installed_methods.h"
#include "platform/viewer.h"
#include "ui/framework/framework.h"

namespace vantry::app {

// The methods window: the producer's own payout methods, kept as files in the methods folder.
// From here a method is started from another, edited in the text editor, brought in from a
// file, or put away; and the folder is shown. Nothing here overwrites or deletes a file.
class CMethodsDlg : public framework::CDialog {
public:
    // `folder` is the methods folder, or empty with `whyNoFolder`; `editor` starts the text editor
    // and waits for it, as it does for the report.
    CMethodsDlg(framework::CWnd* parent, std::string folder, std::string whyNoFolder, platform::ViewerRunner editor);

    // One line of the list: a built-in method, or a file of the folder and what became of it.
    struct Entry {
        bool builtIn = false;
        engine::PayoutMethod method = engine::PayoutMethod::Nbha4d;  // a built-in's
        methods::InstalledMethod installed;                          // a file's
    };
    const std::vector<Entry>& entries() const { return entries_; }

protected:
    bool OnInitDialog() override;
    void OnCommand(int id) override;
    void OnDropFile(const std::string& path) override;  // brought in as Import brings in a file

private:
    void fillList(const std::string& selectPath = {});
    const Entry* selectedEntry();
    bool haveFolder();
    void tellProblems(const std::string& path, const methods::MethodFile& file);

    void OnEdit();
    void OnRemove();
    void OnUndoRemove();
    void OnImport();
    void importFrom(const std::string& source);
    void OnOpenFolder();
    void OnStartFrom();

    std::string folder_;
    std::string whyNoFolder_;
    platform::ViewerRunner editor_;
    std::vector<Entry> entries_;
};

// A list line for a method of the folder: its name, or why it is not offered.
std::string MethodListLine(const methods::InstalledMethod& method);

}  // namespace vantry::app
