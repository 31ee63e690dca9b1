#include "ui/method_edit_dlg.h"

#include <cstdint>
#include <filesystem>

#include "methods/method_file.h"
#include "methods/method_files.h"
#include "methods/method_library.h"
#include "methods/method_save.h"
#include "platform/viewer.h"
#include "product_info.h"
#include "ui/vantry_resources.h"

namespace vantry::app {

using namespace framework;
namespace Id = MethodEditControlId;

namespace {

std::string fileNameOf(const std::string& path) { return std::filesystem::path(path).filename().string(); }

// How many problems the window lists; the first of them are the ones to mend first.
constexpr std::size_t kProblemsShown = 3;

}  // namespace

CMethodEditDlg::CMethodEditDlg(CWnd* parent, std::string path)
    : CDialog(VantryResources(), kMethodEditDialogResource, parent), path_(std::move(path)) {}

bool CMethodEditDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (CWnd* name = GetDlgItem(Id::FileName)) name->SetWindowText("Method file: " + fileNameOf(path_));
    std::string bytes;
    std::string reason;
    if (!methods::ReadFileUpTo(path_, methods::kMethodFileMost, bytes, reason)) {
        MessageBox(path_ + " cannot be read: " + reason, product::kName);
        EndDialog(kIdCancel);
        return false;
    }
    if (CWnd* text = GetDlgItem(Id::Text)) {
        text->SendMessage(Msg::EditLimitText, methods::kMethodFileMost);
        text->SetWindowText(bytes);
    }
    opened_ = typed();
    showProblems();
    return true;
}

void CMethodEditDlg::OnCommand(int id) {
    switch (id) {
        case Id::Save: OnSave(); return;
        case Id::Export: OnExport(); return;
        default: CDialog::OnCommand(id);  // "Cancel", Esc and the close box leave without saving
    }
}

void CMethodEditDlg::OnEditChange(int id) {
    if (id == Id::Text) showProblems();
}

std::string CMethodEditDlg::typed() {
    CWnd* text = GetDlgItem(Id::Text);
    if (text == nullptr) return {};
    std::string buffer(methods::kMethodFileMost + 2, '\0');
    const int length = text->GetWindowText(buffer.data(), static_cast<int>(buffer.size()));
    buffer.resize(static_cast<std::size_t>(length < 0 ? 0 : length));
    return buffer;
}

// Each problem beside its line in the text, and the first of them in words below it.
void CMethodEditDlg::showProblems() {
    const methods::MethodFile file = methods::ReadMethodText(typed());
    if (CWnd* text = GetDlgItem(Id::Text)) {
        std::string notes;
        std::uint32_t noted = 0;
        for (const methods::MethodProblem& problem : file.problems) {  // in the order of the file
            if (problem.line == noted) {
                notes.insert(notes.size() - 1, "; " + problem.what);
                continue;
            }
            notes += std::to_string(problem.line) + "\t" + problem.what + "\n";
            noted = problem.line;
        }
        text->SendMessage(Msg::EditSetLineNotes, 0, reinterpret_cast<LParam>(notes.c_str()));
    }
    if (CWnd* problems = GetDlgItem(Id::Problems))
        problems->SetWindowText(file.valid()
                                    ? "No problems: \"" + std::string(file.rules.displayName()) + "\" can be saved."
                                    : methods::FirstProblems(file, kProblemsShown));
}

// Saved only when sound: the file in the methods folder always reads as the method it was.
void CMethodEditDlg::OnSave() {
    const methods::FolderChange change = methods::SaveMethodText(path_, typed());
    if (change.outcome != methods::FolderChangeOutcome::Done) {
        const bool problems = change.outcome == methods::FolderChangeOutcome::Refused;
        MessageBox(
            problems ? "The method is not saved until its problems are mended:\n" + change.message : change.message,
            product::kName, BoxType::Ok | BoxType::IconError);
        return;
    }
    saved_ = true;
    EndDialog(kIdOk);
}

void CMethodEditDlg::OnCancel() {
    if (typed() != opened_ && MessageBox("Leave the editor without saving? What you typed is not kept.", product::kName,
                                         BoxType::YesNo | BoxType::IconQuestion) != kIdYes)
        return;
    CDialog::OnCancel();
}

void CMethodEditDlg::OnExport() {
    const std::string failure = platform::OfferDownload(fileNameOf(path_), typed());
    if (!failure.empty()) MessageBox("The method could not be exported: " + failure, product::kName);
}

}  // namespace vantry::app
