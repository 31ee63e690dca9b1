#include "dialog_fixture.h"
#include "typed_command.h"

#include <fstream>
#include <sstream>

using namespace vantry::framework;
namespace Id = vantry::app::ControlId;
namespace fs = std::filesystem;

void DialogTest::SetUp() {
    dialog.SetReportFolder(folder.string());
    dialog.SetViewerRunner([this](const vantry::platform::ViewerCommand& command) {
        viewerCommands.push_back(Typed(command));
        viewerFolders.push_back(command.folder);
        return std::string();
    });
}

std::string DialogTest::text(int id) {
    char buffer[512] = {};
    CWnd* control = dialog.GetDlgItem(id);
    EXPECT_NE(control, nullptr) << id;
    if (control) control->GetWindowText(buffer, sizeof buffer);
    return buffer;
}

std::vector<std::string> DialogTest::fields() {
    std::vector<std::string> values;
    for (int id : kFieldOrder) values.push_back(text(id));
    return values;
}

bool DialogTest::checked(int id) { return dialog.GetDlgItem(id)->SendMessage(Msg::ButtonGetCheck) == kCheckSet; }

std::vector<bool> DialogTest::methodChecks() {
    return {checked(Id::IbraMethod), checked(Id::Brn4dMethod), checked(Id::Nbha4dMethod)};
}

bool DialogTest::wholeTextSelected(int id) {
    const LResult selection = dialog.GetDlgItem(id)->SendMessage(Msg::EditGetSelection);
    return (selection & 0xFFFF) == 0 && ((selection >> 16) & 0xFFFF) == static_cast<LResult>(text(id).size());
}

std::vector<std::string> DialogTest::listLines() {
    CWnd* list = dialog.GetDlgItem(Id::ResultList);
    std::vector<std::string> lines;
    const LResult count = list->SendMessage(Msg::ListGetCount);
    for (LResult i = 0; i < count; ++i) {
        std::vector<char> item(static_cast<std::size_t>(list->SendMessage(Msg::ListGetTextLength, static_cast<WParam>(i))) + 1);
        list->SendMessage(Msg::ListGetText, static_cast<WParam>(i), reinterpret_cast<LParam>(item.data()));
        lines.emplace_back(item.data());
    }
    return lines;
}

std::string DialogTest::readReport() {
    std::ifstream in(folder / "report.txt");  // text mode: the platform's line ends read as "\n"
    std::stringstream file;
    file << in.rdbuf();
    return file.str();
}

void DialogTest::calculate() {
    driver.click(Id::CalculatePayout);
    driver.pump();
}
