// The editor command: the platform's editor, handed exactly the file's name as one argument, in
// the folder asked for; on Windows, the command line that carries that argument whole.
#include "platform/viewer.h"

#include <gtest/gtest.h>

#include "platform/viewer_platform.h"

using namespace vantry::platform;

namespace {

#if defined(_WIN32)
constexpr const char* kEditor = "notepad";
#elif defined(__EMSCRIPTEN__)
constexpr const char* kEditor = "browser";
#else
constexpr const char* kEditor = "xdg-open";
#endif

TEST(ViewerCommand, HandsTheEditorTheNameAsItIs) {
    for (const char* file : {"report.txt", "my report.txt", "a;rm -rf x", "it's.txt", "$(id)", "-n", ""}) {
        for (const char* folder : {"", "/tmp/x"}) {
            const ViewerCommand command = ViewerCommandFor(file, folder);
            EXPECT_EQ(command.arguments, (std::vector<std::string>{kEditor, file}));
            EXPECT_EQ(command.folder, folder);
        }
    }
}

#ifdef _WIN32
// What CreateProcessW is given, split back by notepad's start-up code into the same argument.
TEST(ViewerCommand, WindowsCommandLineCarriesEachArgumentWhole) {
    struct Case {
        const char* file;
        const char* line;
    };
    const Case cases[] = {
        {"report.txt", "notepad report.txt"},
        {"C:\\out\\r-1.txt", "notepad C:\\out\\r-1.txt"},
        {"my report.txt", "notepad \"my report.txt\""},
        {"a%OS%b&(c).txt", "notepad a%OS%b&(c).txt"},
        {"say \"hi\".txt", "notepad \"say \\\"hi\\\".txt\""},
        {"C:\\my dir\\", "notepad \"C:\\my dir\\\\\""},
        {"", "notepad \"\""},
    };
    for (const Case& c : cases) EXPECT_EQ(detail::CommandLine(ViewerCommandFor(c.file)), c.line) << c.file;
}
#endif

}  // namespace
