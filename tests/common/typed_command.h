#pragma once

#include <string>

#include "platform/viewer.h"

// A viewer command as the tests compare it: its arguments one space apart ("xdg-open report.txt").
inline std::string Typed(const vantry::platform::ViewerCommand& command) {
    std::string line;
    for (const std::string& argument : command.arguments) line += (line.empty() ? "" : " ") + argument;
    return line;
}
