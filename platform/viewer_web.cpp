#include <emscripten.h>

#include <cstdio>
#include <vector>

#include "platform/viewer.h"
#include "platform/viewer_platform.h"

// In a page the browser is the editor: the report opens as plain text in a new tab, where it can
// be printed or saved; where the page may not open one, it is offered as a download.

// clang-format off
EM_JS(int, jsShowReport, (const unsigned char* bytes, int length, const char* name), {
    if (typeof window === 'undefined') return 1;
    const report = new Blob([HEAPU8.slice(bytes, bytes + length)], {type: 'text/plain;charset=us-ascii'});
    // Only the latest report stays in memory: an older one was replaced on disk as well.
    if (Module.vantryReportAddress) URL.revokeObjectURL(Module.vantryReportAddress);
    const address = URL.createObjectURL(report);
    Module.vantryReportAddress = address;
    if (!window.open(address, '_blank')) {
        const link = document.createElement('a');
        link.href = address;
        link.download = UTF8ToString(name);
        link.click();
    }
    return 0;
});
// A file handed over as a download: the browser saves it where it saves downloads.
EM_JS(int, jsOfferDownload, (const unsigned char* bytes, int length, const char* name, const char* type), {
    if (typeof document === 'undefined') return 1;
    const file = new Blob([HEAPU8.slice(bytes, bytes + length)], {type: UTF8ToString(type)});
    const link = document.createElement('a');
    link.href = URL.createObjectURL(file);
    link.download = UTF8ToString(name);
    document.body.appendChild(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 60000);
    return 0;
});
// clang-format on

namespace vantry::platform {

std::string OfferDownload(const std::string& name, std::string_view bytes) {
    const bool toml = name.size() >= 5 && name.compare(name.size() - 5, 5, ".toml") == 0;
    return jsOfferDownload(reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<int>(bytes.size()),
                           name.c_str(), toml ? "application/toml" : "application/octet-stream") == 0
               ? ""
               : "there is no browser here";
}

const char* const detail::kEditorName = "browser";
const char* const detail::kFolderViewerName = "browser";
const bool detail::kFolderViewerStatusTells = true;

ViewerCommand ViewerCommandForUserFile(const std::string& path) { return ViewerCommandFor(path); }

// The tab opens beside the page, which goes on at once: there is nothing to wait for.
std::string RunViewerAndWait(const ViewerCommand& command, const ViewerWait&) {
    if (command.arguments.size() < 2) return "no report to show";
    const std::string& file = command.arguments[1];
    const std::string path = command.folder.empty() ? file : command.folder + "/" + file;
    std::vector<unsigned char> bytes;
    if (std::FILE* in = std::fopen(path.c_str(), "rb")) {
        unsigned char chunk[4096];
        for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, in)) > 0;)
            bytes.insert(bytes.end(), chunk, chunk + n);
        std::fclose(in);
    } else {
        return path + " cannot be read back";
    }
    const std::size_t slash = file.rfind('/');
    const std::string name = slash == std::string::npos ? file : file.substr(slash + 1);
    return jsShowReport(bytes.data(), static_cast<int>(bytes.size()), name.c_str()) == 0 ? ""
                                                                                         : "there is no browser here";
}

}  // namespace vantry::platform
