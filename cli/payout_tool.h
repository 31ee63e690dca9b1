#pragma once

#include <cstdio>
#include <string>

#include "payout_types.h"
#include "report_writer.h"

// The command-line front end: options in, listing out. Kept apart from main() so that tests
// run it in-process with their own streams.

struct ToolRequest {
    enum class Action { Calculate, Help, Version };
    Action action = Action::Calculate;
    PayoutParameters params;  // starts at the dialog's initial values
    PayoutMethod method = PayoutMethod::Nbha4d;
    std::string reportPath;   // empty: no report
    bool openReport = false;
};

// Fills `request` from the arguments (argv[0] excluded). On bad input returns false with the
// one-line reason in `error`, without the program name.
bool ParseToolArguments(int argc, const char* const* argv, ToolRequest& request, std::string& error);

// Runs the tool; returns its exit status: 0 done, 1 the report or the output could not be
// written, 2 bad arguments. `viewer` opens the report when --open asks for it.
int RunPayoutTool(int argc, const char* const* argv, std::FILE* out, std::FILE* err,
                  const CommandRunner& viewer = RunWithCommandProcessor);
