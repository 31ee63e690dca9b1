#!/usr/bin/env bash
# Installs what is missing, builds, and starts the calculator in its window. Without a display
# it says so and prints the default event's listing with the command-line tool instead.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target vantry vantry-payout >/dev/null

if [ -n "${DISPLAY:-}" ]; then
  exec build/default/ui/vantry
fi
echo "No display to open the window on (DISPLAY is not set); the default event's payout listing instead:"
exec build/default/cli/vantry-payout
