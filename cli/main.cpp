#include <cstdio>

#include "cli/payout_tool.h"
#include "cli/standard_streams.h"

int main(int argc, char** argv) {
    vantry::cli::PrepareStandardStreams();
    return vantry::cli::RunPayoutTool(argc - 1, argv + 1, stdout, stderr);
}
