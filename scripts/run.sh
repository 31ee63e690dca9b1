#!/usr/bin/env bash
# Installs what building and running the calculator needs (compiler, CMake, Ninja, FLTK, zlib and
# the dialog's font, no more), builds the calculator and its command-line tool without the tests
# (the `app` preset, in build/app), and starts the calculator in its window. Without a display it
# says so and prints the default event's listing with the command-line tool instead.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh run
cmake --preset app >/dev/null
cmake --build --preset app >/dev/null

if [ -n "${DISPLAY:-}" ]; then
  exec build/app/ui/vantry
fi
echo "No display to open the window on (DISPLAY is not set); the default event's payout listing instead:"
exec build/app/cli/vantry-payout
