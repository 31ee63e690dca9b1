#!/usr/bin/env bash
# Builds and runs every test: the optimised Linux build, the same suite under
# AddressSanitizer + UndefinedBehaviorSanitizer, and the Windows build (MinGW-w64) under Wine.
# Fails when any of them fails.
set -uo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh || exit 1

status=0
for preset in default asan windows; do
  echo "== Building and testing preset '$preset'"
  if ! { cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset"; }; then
    echo "Build of preset '$preset' failed" >&2
    status=1
    continue
  fi
  ctest --preset "$preset" || status=1
done
exit $status
