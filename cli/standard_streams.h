#pragma once

namespace vantry::cli {

// Readies the process's standard streams for the tool: a reader that goes away (a closed pipe)
// makes a write fail, to be reported like any other, instead of ending the process unannounced.
void PrepareStandardStreams();

}  // namespace vantry::cli
