// The editor command as each platform's prompt would read it back, and the one argument it hands
// the editor: exactly the file's name.
#include "viewer.h"

#include <gtest/gtest.h>

using namespace vantry::platform;

namespace {

TEST(ViewerCommand, IsWrittenAsAPersonWouldTypeIt) {
    struct Case { const char* file; const char* folder; const char* text; };
#ifdef _WIN32
    const Case cases[] = {
        {"report.txt", "", "notepad report.txt"},
        {"C:\\out\\r-1.txt", "", "notepad C:\\out\\r-1.txt"},
        {"my report.txt", "", "notepad \"my report.txt\""},
        {"a%OS%b&(c).txt", "", "notepad a%OS%b&(c).txt"},
        {"say \"hi\".txt", "", "notepad \"say \\\"hi\\\".txt\""},
    };
#elif defined(__EMSCRIPTEN__)
    const Case cases[] = {
        {"report.txt", "", "browser report.txt"},
        {"/tmp/out/r-1.txt", "/", "browser /tmp/out/r-1.txt"},
    };
#else
    const Case cases[] = {
        {"report.txt", "/tmp/x", "xdg-open report.txt"},
        {"/tmp/out/r-1.txt", "", "xdg-open /tmp/out/r-1.txt"},
        {"my report.txt", "", "xdg-open 'my report.txt'"},
        {"a;rm -rf x", "", "xdg-open 'a;rm -rf x'"},
        {"it's.txt", "", "xdg-open 'it'\\''s.txt'"},
        {"$(id)", "", "xdg-open '$(id)'"},
        // The edges of the characters a shell takes as part of a name, and their neighbours.
        {"azAZ09._-/+,", "", "xdg-open azAZ09._-/+,"},
        {"`", "", "xdg-open '`'"},
        {"{", "", "xdg-open '{'"},
        {"@", "", "xdg-open '@'"},
        {"[", "", "xdg-open '['"},
        {":", "", "xdg-open ':'"},
        {"*", "", "xdg-open '*'"},
        {"", "", "xdg-open ''"},
    };
#endif
    for (const Case& c : cases) {
        const ViewerCommand command = ViewerCommandFor(c.file, c.folder);
        EXPECT_EQ(command.text(), c.text);
        EXPECT_EQ(command.arguments.back(), c.file);  // one argument, exactly the name
        EXPECT_EQ(command.folder, c.folder);
    }
}

}  // namespace
