#pragma once

#include <cstdio>

namespace vantry::cli {

// Readies the process's standard streams for the tool: a reader that goes away (a closed pipe)
// makes a write fail, to be reported like any other, instead of ending the process unannounced.
void PrepareStandardStreams();

// Makes `stream` write its bytes as they are: the CSV's "\r\n" and the JSON's "\n" come out the
// same on every system, where Windows' text mode would turn "\n" into "\r\n".
void UseBinaryOutput(std::FILE* stream);

}  // namespace vantry::cli
