#!/usr/bin/env bash
# Builds and runs every test: the optimised Linux build, the same suite under
# AddressSanitizer + UndefinedBehaviorSanitizer, the Windows build (MinGW-w64) under Wine, and
# the web edition (Emscripten) under Node and in headless Chromium.
# Installs what is missing first, so the legs that need a display or Wine run rather than skip.
# Fails when any of them fails.
set -uo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh || exit 1
export VANTRY_FULL_RUN=1  # here a leg that lacks its display or its tools fails rather than skips
jobs=$(nproc)

status=0
for preset in default asan windows web; do
  echo "== Building and testing preset '$preset'"
  if ! { cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset"; }; then
    echo "Build of preset '$preset' failed" >&2
    status=1
    continue
  fi
  ctest --preset "$preset" -j "$jobs" || status=1
done
exit $status
