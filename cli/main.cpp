#include <cstdio>

#include "payout_tool.h"
#include "standard_streams.h"

int main(int argc, char** argv) {
    vantry::cli::PrepareStandardStreams();
    return vantry::cli::RunPayoutTool(argc - 1, argv + 1, stdout, stderr);
}
