// The report writer on any lines: the file it leaves reads back byte for byte as a paged report
// laid out by a second, separate writer, and no scratch file is left beside it.
#include <filesystem>
#include <fstream>
#include <iterator>

#include "fuzz/fuzz_check.h"
#include "report/report_writer.h"
#include "tests/common/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

// The report is a text file: its lines end as the platform ends text lines.
#ifdef _WIN32
constexpr const char* kLineEnd = "\r\n";
#else
constexpr const char* kLineEnd = "\n";
#endif

// "text" centred in 80 columns, and the line cut to 79, as every header line is.
std::string centred(std::string_view text) {
    std::string line(132, ' ');
    const std::size_t n = std::min<std::size_t>(text.size(), 80);
    line.replace((80 - n) / 2, n, text.substr(0, n));
    return line;
}

std::string headerOf(int page, bool later) {
    std::string title = centred("Quorvath Payout Calculator");
    const std::string label = "Page " + std::to_string(page);
    title.replace(71, label.size(), label);
    title.resize(79);
    std::string notice = centred("Copyright (C) 2026 Quorvath Software. All rights reserved.");
    notice.resize(79);
    return (later ? "\f" : "") + title + kLineEnd + notice + kLineEnd + kLineEnd;
}

std::string expectedReport(const std::vector<std::string>& lines) {
    int page = 1;
    std::string text = headerOf(page, false);
    int onPage = 0;
    for (const std::string& line : lines) {
        text += line + kLineEnd;
        if (++onPage == 51) {
            text += headerOf(++page, true);
            onPage = 0;
        }
    }
    return text + kLineEnd;
}

// Removed with what it holds when the target ends.
const fs::path& scratchFolder() {
    static const ScratchFolder kFolder("fuzz-report");
    return kFolder.path();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < size && lines.size() <= 400; ++i) {
        if (data[i] == '\n') lines.emplace_back();
        else lines.back() += static_cast<char>(data[i]);
    }
    if (size == 0) lines.clear();
    const fs::path report = scratchFolder() / "report.txt";
    const vantry::report::ReportOutcome outcome = vantry::report::WriteReport(lines, report.string());
    Check(outcome.written, "the report was not written", outcome.error);

    std::ifstream in(report, std::ios::binary);
    const std::string written((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Check(written == expectedReport(lines), "the report does not read back as laid out");
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(scratchFolder())) ++files;
    Check(files == 1, "a scratch file was left beside the report");
    return 0;
}
