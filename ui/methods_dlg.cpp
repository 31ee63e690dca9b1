#include "ui/methods_dlg.h"

#include <filesystem>

#include "methods/method_files.h"
#include "methods/method_library.h"
#include "product_info.h"
#include "ui/main_dialog_layout.h"
#include "ui/own_methods.h"
#include "ui/vantry_resources.h"

namespace vantry::app {

using namespace framework;
namespace Id = MethodsControlId;

namespace {

std::string fileNameOf(const std::string& path) { return std::filesystem::path(path).filename().string(); }

// The methods removed since the program started, the latest last, each with the name it had:
// Undo Remove brings them back one at a time, the latest first, until the program ends.
struct Removal {
    std::string removedPath;
    std::string path;
};
std::vector<Removal> removals;

}  // namespace

std::string MethodListLine(const methods::InstalledMethod& method) {
    const std::string file = fileNameOf(method.path);
    if (!method.file.valid()) {
        const std::size_t count = method.file.problems.size();
        return file + ": not offered, " + std::to_string(count) + (count == 1 ? " problem" : " problems");
    }
    if (!method.conflict.empty()) return file + ": not offered, " + method.conflict;
    return std::string(method.file.rules.displayName()) + " (" + file + ")";
}

CMethodsDlg::CMethodsDlg(CWnd* parent, std::string folder, std::string whyNoFolder, platform::ViewerRunner editor)
    : CDialog(VantryResources(), kMethodsDialogResource, parent),
      folder_(std::move(folder)),
      whyNoFolder_(std::move(whyNoFolder)),
      editor_(std::move(editor)) {}

bool CMethodsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (CWnd* name = GetDlgItem(Id::NewName)) name->SendMessage(Msg::EditLimitText, engine::kMethodNameMax);
    fillList();
    return true;
}

void CMethodsDlg::OnCommand(int id) {
    switch (id) {
        case Id::Edit: OnEdit(); return;
        case Id::Remove: OnRemove(); return;
        case Id::UndoRemove: OnUndoRemove(); return;
        case Id::Import: OnImport(); return;
        case Id::OpenFolder: OnOpenFolder(); return;
        case Id::StartFrom: OnStartFrom(); return;
        default: CDialog::OnCommand(id);  // "Close" is OK; Esc and the close box are Cancel
    }
}

// The built-in methods first, then every file of the folder, sound or not, so that a broken one
// can be opened and mended. The line of `selectPath` is selected, else the first.
void CMethodsDlg::fillList(const std::string& selectPath) {
    KeepOwnMethods(folder_);  // the list is filled again after every change of the folder
    entries_.clear();
    for (const methods::BuiltInMethod& builtIn : methods::kBuiltInMethods)
        entries_.push_back({true, builtIn.method, {}});
    methods::InstalledMethods installed;
    if (!folder_.empty()) installed = methods::FindInstalledMethods(folder_);
    for (methods::InstalledMethod& method : installed.methods)
        entries_.push_back({false, engine::PayoutMethod::Nbha4d, std::move(method)});

    // The folder, and what is wrong with it: a folder that cannot be read hides every method.
    if (CWnd* folder = GetDlgItem(Id::Folder)) {
        std::string line = folder_.empty() ? "No methods folder: " + whyNoFolder_ : "Methods folder: " + folder_;
        if (!installed.unreadable.empty()) line += " (cannot be read: " + installed.unreadable + ")";
        folder->SetWindowText(line);
    }

    CWnd* list = GetDlgItem(Id::MethodList);
    if (list == nullptr) return;
    list->SendMessage(Msg::ListResetContent);
    int selected = 0;
    int offered = 0;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const Entry& entry = entries_[i];
        std::string line;
        if (entry.builtIn) {
            line = std::string(engine::BuiltInRules(entry.method).displayName()) + " (built in)";
        } else {
            line = MethodListLine(entry.installed);
            if (entry.installed.usable() && ++offered > static_cast<int>(MainDialogLayout::kMostOwnMethods))
                line += ": not offered, " + std::to_string(MainDialogLayout::kMostOwnMethods) + " are at most";
            if (!selectPath.empty() && entry.installed.path == selectPath) selected = static_cast<int>(i);
        }
        list->SendMessage(Msg::ListAddString, 0, reinterpret_cast<LParam>(line.c_str()));
    }
    list->SendMessage(Msg::ListSetSelection, static_cast<WParam>(selected));
}

const CMethodsDlg::Entry* CMethodsDlg::selectedEntry() {
    CWnd* list = GetDlgItem(Id::MethodList);
    const LResult index = list ? list->SendMessage(Msg::ListGetSelection) : kListError;
    if (index < 0 || static_cast<std::size_t>(index) >= entries_.size()) {
        MessageBox("Select a method in the list first.", product::kName);
        return nullptr;
    }
    return &entries_[static_cast<std::size_t>(index)];
}

bool CMethodsDlg::haveFolder() {
    if (!folder_.empty()) return true;
    MessageBox("There is no methods folder: " + whyNoFolder_, product::kName);
    return false;
}

void CMethodsDlg::tellProblems(const std::string& path, const methods::MethodFile& file) {
    MessageBox(fileNameOf(path) + " is not offered until it is mended:\n" + methods::FirstProblems(file),
               product::kName);
}

// The file opens in the text editor, and is read again when the editor closes. What the producer
// typed is never rewritten: a file with errors is only not offered until they are mended.
void CMethodsDlg::OnEdit() {
    const Entry* entry = selectedEntry();
    if (entry == nullptr) return;
    if (entry->builtIn) {
        MessageBox(
            "A built-in method cannot be changed. Type a name for your own method and press \"Start From "
            "Selected\" to start one from it.",
            product::kName, BoxType::Ok | BoxType::IconError);
        return;
    }
    const std::string path = entry->installed.path;
    // The file's full path: a name a producer gave a file ("-x.toml") is not taken for an option.
    const std::string failure = editor_(platform::ViewerCommandForUserFile(path));
    if (!failure.empty()) {
        MessageBox("The method could not be opened.\n" + path + ": " + failure, product::kName);
        return;
    }
    const methods::MethodFile reread = methods::ReadMethodFile(path);
    if (!reread.valid()) tellProblems(path, reread);
    fillList(path);
}

void CMethodsDlg::OnRemove() {
    const Entry* entry = selectedEntry();
    if (entry == nullptr) return;
    if (entry->builtIn) {
        MessageBox("A built-in method cannot be removed.", product::kName);
        return;
    }
    const std::string path = entry->installed.path;
    const std::string file = fileNameOf(path);
    const std::string question = "Remove " + file + " from the methods?\n\nIts file is renamed to " + file +
                                 ".removed in the methods folder, and \"Undo Remove\" brings it back until the "
                                 "calculator is closed.";
    if (MessageBox(question, product::kName, BoxType::YesNo | BoxType::IconQuestion) != kIdYes) return;
    const methods::FolderChange change = methods::RemoveMethodFile(path);
    if (change.outcome != methods::FolderChangeOutcome::Done) MessageBox(change.message, product::kName);
    else removals.push_back({change.path, path});
    fillList();
}

void CMethodsDlg::OnUndoRemove() {
    if (removals.empty()) {
        MessageBox("No method has been removed since the program started.", product::kName);
        return;
    }
    const Removal last = removals.back();
    const methods::FolderChange change = methods::RestoreMethodFile(last.removedPath, last.path);
    if (change.outcome != methods::FolderChangeOutcome::Done) {
        MessageBox(change.message + "\nThe removed file is still " + last.removedPath + ".", product::kName);
        return;
    }
    removals.pop_back();
    fillList(last.path);
}

void CMethodsDlg::OnImport() {
    if (!haveFolder()) return;
    const std::optional<std::string> source = ChooseFileToOpen(this, "Import a Payout Method", "*.toml");
    if (source) importFrom(*source);
}

void CMethodsDlg::OnDropFile(const std::string& path) {
    if (haveFolder()) importFrom(path);
}

void CMethodsDlg::importFrom(const std::string& source) {
    const methods::FolderChange change = methods::ImportMethodFile(folder_, source);
    if (change.outcome != methods::FolderChangeOutcome::Done) {
        MessageBox(change.message, product::kName);
        return;
    }
    fillList(change.path);
}

void CMethodsDlg::OnOpenFolder() {
    if (!haveFolder()) return;
    std::string reason;
    if (!methods::MakeFolders(folder_, reason)) {
        MessageBox("The methods folder could not be made.\n" + folder_ + ": " + reason, product::kName);
        return;
    }
    const std::string failure = editor_(platform::FolderViewerCommandFor(folder_));
    if (!failure.empty())
        MessageBox("The methods folder could not be opened.\n" + folder_ + ": " + failure, product::kName);
}

// A name already taken is said so, and nothing is written: the producer types another.
void CMethodsDlg::OnStartFrom() {
    if (!haveFolder()) return;
    const Entry* entry = selectedEntry();
    if (entry == nullptr) return;
    if (!entry->builtIn && !entry->installed.file.valid()) {
        tellProblems(entry->installed.path, entry->installed.file);
        return;
    }
    const engine::MethodRules& from = entry->builtIn ? engine::BuiltInRules(entry->method)
                                                     : entry->installed.file.rules;
    char name[engine::kMethodNameMax + 2] = {};
    CWnd* nameField = GetDlgItem(Id::NewName);
    if (nameField) nameField->GetWindowText(name, static_cast<int>(sizeof name));
    const methods::FolderChange change = methods::StartMethodFrom(folder_, from, name);
    if (change.outcome != methods::FolderChangeOutcome::Done) {
        const bool taken = change.outcome == methods::FolderChangeOutcome::NameTaken;
        MessageBox(taken ? change.message + "\nType another name." : change.message, product::kName);
        if (nameField) {
            nameField->SetFocus();
            nameField->SendMessage(Msg::EditSetSelection, 0, -1);
        }
        return;
    }
    if (nameField) nameField->SetWindowText("");
    fillList(change.path);
}

}  // namespace vantry::app
