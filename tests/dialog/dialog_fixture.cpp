#include "tests/dialog/dialog_fixture.h"
#include "tests/common/methods_folder_home.h"
#include "tests/common/typed_command.h"

#include <fstream>
#include <sstream>

using namespace vantry::framework;
namespace Id = vantry::app::ControlId;
namespace fs = std::filesystem;

void DialogTest::SetUp() {
    // The dialog finds the methods folder as the program does, in a configuration of the test's.
    SetMethodsFolderHome((folder_ / "config").string());
    dialog_.setReportFolder(folder_.string());
    dialog_.setViewerRunner([this](const vantry::platform::ViewerCommand& command) {
        viewerCommands_.push_back(Typed(command));
        viewerFolders_.push_back(command.folder);
        return std::string();
    });
}

std::string DialogTest::text(int id) {
    char buffer[512] = {};
    CWnd* control = dialog_.GetDlgItem(id);
    EXPECT_NE(control, nullptr) << id;
    if (control) control->GetWindowText(buffer, sizeof buffer);
    return buffer;
}

std::vector<std::string> DialogTest::fields() {
    std::vector<std::string> values;
    for (int id : kFieldOrder) values.push_back(text(id));
    return values;
}

bool DialogTest::checked(int id) { return dialog_.GetDlgItem(id)->SendMessage(Msg::ButtonGetCheck) == kCheckSet; }

std::vector<bool> DialogTest::methodChecks() {
    return {checked(Id::IbraMethod), checked(Id::Brn4dMethod), checked(Id::Nbha4dMethod)};
}

bool DialogTest::wholeTextSelected(int id) {
    const LResult selection = dialog_.GetDlgItem(id)->SendMessage(Msg::EditGetSelection);
    return (selection & 0xFFFF) == 0 && ((selection >> 16) & 0xFFFF) == static_cast<LResult>(text(id).size());
}

std::vector<std::string> DialogTest::listLines() {
    CWnd* list = dialog_.GetDlgItem(Id::ResultList);
    std::vector<std::string> lines;
    const LResult count = list->SendMessage(Msg::ListGetCount);
    for (LResult i = 0; i < count; ++i) {
        std::vector<char> item(
            static_cast<std::size_t>(list->SendMessage(Msg::ListGetTextLength, static_cast<WParam>(i))) + 1);
        list->SendMessage(Msg::ListGetText, static_cast<WParam>(i), reinterpret_cast<LParam>(item.data()));
        lines.emplace_back(item.data());
    }
    return lines;
}

std::string DialogTest::readReport() {
    std::ifstream in(folder_ / "report.txt");  // text mode: the platform's line ends read as "\n"
    std::stringstream file;
    file << in.rdbuf();
    return file.str();
}

void DialogTest::calculate() {
    driver_.click(Id::CalculatePayout);
    driver_.pump();
}
