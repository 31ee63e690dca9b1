// Makes the report's editor hand-off for the editor and the file named on its command line, from
// the folder it was started in: exit status 0 when the editor ran, 1 when the hand-off refused
// (its reason on standard error), 2 for a wrong command line.
#include <cstdio>
#include <string>

#include "platform/viewer.h"

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    vantry::platform::ViewerCommand command = vantry::platform::ViewerCommandFor(argv[2]);
    command.arguments[0] = argv[1];
    const std::string refused = vantry::platform::RunViewer(command);
    if (refused.empty()) return 0;
    std::fprintf(stderr, "%s\n", refused.c_str());
    return 1;
}
