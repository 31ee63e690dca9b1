#!/usr/bin/env bash
# Builds and runs every test: the optimised Linux build, the same suite under
# AddressSanitizer + UndefinedBehaviorSanitizer, the Windows build (MinGW-w64) under Wine, and
# the web edition (Emscripten) under Node and in headless Chromium.
# Each leg installs what it needs first (scripts/install-deps.sh), so that the legs that need a
# display, Wine or a browser run rather than skip. Warnings are errors here, as in CI (not in a
# user's own build). First it checks that every C++ file is formatted as .clang-format says.
# Every leg is built first; then the web leg's tests run beside the others' (its browser tests
# mostly wait on the browser, so the machine has room for more), its output kept and shown after
# theirs. Prints each leg's configure, build and test times. Fails when any leg fails.
set -uo pipefail
cd "$(dirname "$0")/.."

export VANTRY_FULL_RUN=1  # here a leg that lacks its display or its tools fails rather than skips
jobs=$(nproc)

status=0
times=()
built_legs=()
declare -A build_times
echo "== Checking the C++ files' format"
scripts/install-deps.sh style && scripts/check_format.sh || status=1
for leg in default:native asan:native windows:windows web:web; do
  preset=${leg%%:*}
  echo "== Building preset '$preset'"
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
  build_times[$preset]="configure $((configured - started)) s, build $((SECONDS - configured)) s"
  built_legs+=("$preset")
done

# The web leg's tests in the background, in a process group of their own (so that an interrupted
# run ends them and their browsers too), into a log of their own.
logs=$(mktemp -d)
web_pid=
end_web_leg() {
  if [ -n "$web_pid" ] && kill -0 "$web_pid" 2>/dev/null; then
    kill -TERM -- "-$web_pid" 2>/dev/null
    wait "$web_pid" 2>/dev/null
  fi
  rm -rf "$logs"
}
trap end_web_leg EXIT
trap 'exit 130' INT TERM
for preset in "${built_legs[@]}"; do
  if [ "$preset" = web ]; then
    setsid bash -c 'started=$SECONDS
      ctest --preset web -j "$1" >"$2/web.log" 2>&1
      echo "$? $((SECONDS - started))" >"$2/web.result"' web-leg "$jobs" "$logs" &
    web_pid=$!
  fi
done
for preset in "${built_legs[@]}"; do
  [ "$preset" = web ] && continue
  echo "== Testing preset '$preset'"
  started=$SECONDS
  ctest --preset "$preset" -j "$jobs" || status=1
  times+=("$preset: ${build_times[$preset]}, test $((SECONDS - started)) s")
done
if [ -n "$web_pid" ]; then
  wait "$web_pid"
  echo "== Testing preset 'web' (it ran beside the others)"
  cat "$logs/web.log" 2>/dev/null
  web_status=1 web_seconds="?"  # a run that left no result failed
  [ -f "$logs/web.result" ] && read -r web_status web_seconds <"$logs/web.result"
  [ "$web_status" = 0 ] || status=1
  times+=("web: ${build_times[web]}, test $web_seconds s")
fi
printf '%s\n' "${times[@]}"
exit $status
