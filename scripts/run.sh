#!/usr/bin/env bash
# Installs what is missing, builds, and runs the calculator on the default event
# (40 riders, $50 fee, $100 added, 70 % paid back, 4 Ds, NBHA 4D, automatic places).
# Arguments are passed to the command-line tool, e.g. scripts/run.sh --method=ibra --ds=2
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target vantry-payout >/dev/null
exec build/default/cli/vantry-payout "$@"
