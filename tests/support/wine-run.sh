#!/usr/bin/env bash
# Runs a Windows program of this build under Wine: the build's emulator for its tests. Inside a
# CTest run it uses the environment the fixture started (wine-env.sh); run by hand, it starts one
# of its own and ends it afterwards. The program's output goes through files, so that nothing
# Wine starts in the background can hold the caller's output open. A program that has not ended
# after VANTRY_WINE_TIMEOUT seconds (60 unless given, well inside CTest's own limit) is ended,
# and the run says which program it was.
set -u
exe=$1
shift

# The build folder is VANTRY_BUILD_DIR, or the nearest one above the program that holds
# CMakeCache.txt.
if [ -n "${VANTRY_BUILD_DIR:-}" ]; then
  build=$(cd "$VANTRY_BUILD_DIR" && pwd)
else
  build=$(cd "$(dirname "$exe")" && pwd)
  while [ ! -f "$build/CMakeCache.txt" ] && [ "$build" != / ]; do build=$(dirname "$build"); done
fi
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-settings.sh"
state=$build/wine-display.state

own_environment=0
if [ ! -f "$state" ]; then
  own_environment=1
  exec 8>"$build/wine-env.lock"
  flock -w 600 8 || { echo "another run holds the Wine environment" >&2; exit 1; }
  "$here/wine-env.sh" start "$build" >/dev/null || exit 1
fi

limit=${VANTRY_WINE_TIMEOUT:-60}
out=$(mktemp)
err=$(mktemp)
"$here/virtual-display.sh" run "$state" timeout --kill-after=5 "$limit" wine "$exe" "$@" \
  </dev/null >"$out" 2>"$err"
status=$?
cat "$out"
cat "$err" >&2
rm -f "$out" "$err"
if [ "$status" = 124 ] || [ "$status" = 137 ]; then
  echo "wine-run: $(basename "$exe") $* did not end within $limit s under Wine, and was ended" >&2
fi

[ "$own_environment" = 1 ] && "$here/wine-env.sh" stop "$build"
exit $status
