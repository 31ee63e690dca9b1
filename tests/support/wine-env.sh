#!/usr/bin/env bash
# The Windows leg's environment, made once per CTest run (the fixture's setup and cleanup):
# a virtual display, the build's Wine prefix (made once, under a lock) and one persistent
# wineserver that every test's Wine connects to. `stop` ends exactly what `start` began.
#
#   wine-env.sh start BUILD_DIR | wine-env.sh stop BUILD_DIR
set -u
action=$1
build=$(cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
state=$build/wine-display.state
source "$here/wine-settings.sh"

# A prefix made once: Times New Roman is Liberation Serif here, as on the Linux build, and
# windows are not managed. On a display without a window manager, Wine waits up to two seconds
# for one to withdraw each managed window it hides (every dialog's end); unmanaged windows are
# Wine's own and need no answer.
make_prefix() {
  (
    flock -w 300 9 || { echo "the Wine prefix is locked by another run" >&2; exit 1; }
    [ -f "$WINEPREFIX/.vantry-prefix-2" ] && exit 0
    timeout 300 wineboot --init </dev/null >/dev/null 2>&1
    timeout 60 wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' \
      /t REG_SZ /d 'Liberation Serif' /f </dev/null >/dev/null 2>&1
    timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
      </dev/null >/dev/null 2>&1
    timeout 60 wineserver -w
    touch "$WINEPREFIX/.vantry-prefix-2"
  ) 9>"$build/wineprefix.lock"
}

start() {
  "$here/virtual-display.sh" start "$state" || return 1
  local DISPLAY=""
  # shellcheck disable=SC1090
  . "$state"
  [ -n "$DISPLAY" ] || return 0  # the tests say why they cannot run
  export DISPLAY
  make_prefix || return 1
  # A persistent server, and Wine's own services started with nothing attached to our output,
  # so that no test's output stays open after the test.
  setsid wineserver -p </dev/null >/dev/null 2>&1
  timeout 60 wine cmd /c exit </dev/null >/dev/null 2>&1
  echo "Wine ready on $DISPLAY with prefix $WINEPREFIX"
}

stop() {
  timeout 30 wineserver -k >/dev/null 2>&1
  timeout 30 wineserver -w >/dev/null 2>&1
  # The release checks' own prefix, whose wineserver a check ended by CTest could not end.
  if [ -d "$build/wineprefix-package" ]; then
    WINEPREFIX=$build/wineprefix-package timeout 30 wineserver -k >/dev/null 2>&1
  fi
  "$here/virtual-display.sh" stop "$state"
}

case $action in
  start) start ;;
  stop) stop ;;
  *) echo "usage: wine-env.sh start|stop BUILD_DIR" >&2; exit 2 ;;
esac
