#!/usr/bin/env bash
# Builds and runs every test: the optimised Linux build, the same suite under
# AddressSanitizer + UndefinedBehaviorSanitizer, the Windows build (MinGW-w64) under Wine, and
# the web edition (Emscripten) under Node and in headless Chromium.
# Each leg installs what it needs first (scripts/install-deps.sh), so that the legs that need a
# display, Wine or a browser run rather than skip. Warnings are errors here, as in CI (not in a
# user's own build). First it checks that every C++ file is formatted as .clang-format says.
# Prints each leg's configure, build and test times. Fails when any leg fails.
set -uo pipefail
cd "$(dirname "$0")/.."

export VANTRY_FULL_RUN=1  # here a leg that lacks its display or its tools fails rather than skips
jobs=$(nproc)

status=0
times=()
echo "== Checking the C++ files' format"
scripts/install-deps.sh style && scripts/check_format.sh || status=1
for leg in default:native asan:native windows:windows web:web; do
  preset=${leg%%:*}
  echo "== Building and testing preset '$preset'"
  scripts/install-deps.sh "${leg#*:}" || { status=1; continue; }
  if [ "$preset" = web ]; then  # the page's tests take axe-core from npm, pinned by the lock file
    (cd tests/web && npm ci --no-audit --no-fund --loglevel=error) || { status=1; continue; }
  fi
  started=$SECONDS
  if ! cmake --preset "$preset" -DVANTRY_WERROR=ON >/dev/null; then
    echo "Configuring preset '$preset' failed" >&2
    status=1
    continue
  fi
  configured=$SECONDS
  if ! cmake --build --preset "$preset"; then
    echo "Build of preset '$preset' failed" >&2
    status=1
    continue
  fi
  built=$SECONDS
  ctest --preset "$preset" -j "$jobs" || status=1
  times+=("$preset: configure $((configured - started)) s, build $((built - configured)) s, test $((SECONDS - built)) s")
done
printf '%s\n' "${times[@]}"
exit $status
