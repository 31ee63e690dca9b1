#include "report_writer.h"

namespace vantry::report {

// cmd.exe takes a name in double quotes as one word; a double quote cannot occur in a Windows
// file name. Plain names go as they are, so the dialog's command reads "notepad report.txt".
std::string ViewerCommandFor(const std::string& path) {
    bool plain = !path.empty();
    for (char c : path) {
        const bool safe = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                          c == '.' || c == '_' || c == '-' || c == '\\' || c == '/' || c == ':';
        plain = plain && safe;
    }
    return "notepad " + (plain ? path : "\"" + path + "\"");
}

}  // namespace vantry::report
