#!/usr/bin/env bash
# Runs a Windows program of this build under Wine, in a virtual X display of its own, with a
# Wine prefix inside the build folder. Every wait is bounded; what was started is ended.
set -u
exe=$1
shift

# The build folder is the nearest one above the program that holds CMakeCache.txt.
dir=$(cd "$(dirname "$exe")" && pwd)
while [ ! -f "$dir/CMakeCache.txt" ] && [ "$dir" != / ]; do dir=$(dirname "$dir"); done
export WINEPREFIX="$dir/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win64

run_limit=${VANTRY_WINE_TIMEOUT:-600}

# The prefix is made once, under a lock, so that parallel runs do not race for it.
(
  flock -w 300 9 || exit 1
  if [ ! -f "$WINEPREFIX/.vantry-ready" ]; then
    timeout 300 xvfb-run -a wineboot --init </dev/null >/dev/null 2>&1
    # The dialog font: Windows' Times New Roman is Liberation Serif here, as on the Linux build.
    timeout 60 wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' \
      /t REG_SZ /d 'Liberation Serif' /f </dev/null >/dev/null 2>&1
    timeout 60 wineserver -w
    touch "$WINEPREFIX/.vantry-ready"
  fi
) 9>"$dir/wineprefix.lock"

timeout "$run_limit" xvfb-run -a -s "-screen 0 1280x1024x24" wine "$exe" "$@" </dev/null
status=$?
timeout 30 wineserver -k >/dev/null 2>&1
timeout 30 wineserver -w >/dev/null 2>&1
exit $status
