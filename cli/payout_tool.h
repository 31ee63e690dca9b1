#pragma once

#include <cstdio>

#include "cli/tool_options.h"
#include "platform/viewer.h"

namespace vantry::cli {

// The command-line front end: options in, listing out. Kept apart from main() so that tests
// run it in-process with their own streams.

// Runs the tool; returns its exit status: 0 done, 1 the report or the output could not be
// written, 2 bad arguments. `viewer` opens the report when --open asks for it.
int RunPayoutTool(int argc, const char* const* argv, std::FILE* out, std::FILE* err,
                  const platform::ViewerRunner& viewer = platform::RunViewer);

}  // namespace vantry::cli
