// The command-line tool run in process on any arguments: it never crashes, ends with status 0,
// 1 or 2, prints on standard error one line, or a method file's problems a line each, and nothing
// on standard output when it refuses its arguments. Reports go to a scratch folder, the methods
// folder is one of the target's own, and no editor is ever started.
#include <cstdio>
#include <string>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "tests/common/methods_folder_home.h"
#include "tests/common/scratch_folder.h"
#include "tests/common/tool_run.h"

namespace {

// In a folder removed with what it holds when the target ends.
const ScratchFolder& scratch() {
    static const ScratchFolder kFolder("fuzz-tool");
    return kFolder;
}

const std::string& scratchReport() {
    static const std::string kPath = scratch().file("report.txt");
    return kPath;
}

// The methods folder is looked for under the scratch folder, where there is none.
void useOwnMethodsFolder() {
    static const bool kDone = (SetMethodsFolderHome(scratch().path().string()), true);
    (void)kDone;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    useOwnMethodsFolder();
    // The arguments are the input split at its zero bytes; a report goes to the scratch file.
    std::vector<std::string> words(1);
    for (std::size_t i = 0; i < size && words.size() < 32; ++i) {
        if (data[i] == 0) words.emplace_back();
        else words.back() += static_cast<char>(data[i]);
    }
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i].rfind("--report=", 0) == 0) words[i] = "--report=" + scratchReport();
        else if (words[i] == "--report" && i + 1 < words.size()) words[++i] = scratchReport();
    }
    std::vector<const char*> argv;
    for (const std::string& word : words) argv.push_back(word.c_str());

    const ToolRun run = RunTool(argv, [](const vantry::platform::ViewerCommand&) { return std::string(); });
    const int status = run.status;
    const std::string& printed = run.out;
    const std::string& message = run.err;
    Check(status == 0 || status == 1 || status == 2, "an exit status other than 0, 1, 2");
    if (!message.empty()) {
        Check(message.back() == '\n', "a message that does not end its line", message);
        // A method file's problems come a line each; anything else is one line.
        const bool problems = message.find('\n') != message.size() - 1;
        if (problems) Check(status == 2, "several lines for something other than a method file's problems", message);
        for (std::size_t start = 0; start < message.size();) {
            const std::size_t end = message.find('\n', start);
            const std::string line = message.substr(start, end - start);
            for (char c : line)
                Check(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F, "a control character in a message", message);
            Check(line.size() < 400, "a long message", message);
            start = end + 1;
        }
    }
    Check(status != 0 || message.empty(), "a message with status 0", message);
    if (status == 2) Check(printed.empty(), "output printed for refused arguments", printed);
    return 0;
}
