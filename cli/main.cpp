#include <cstdio>

#include "payout_tool.h"

int main(int argc, char** argv) {
    return vantry::cli::RunPayoutTool(argc - 1, argv + 1, stdout, stderr);
}
