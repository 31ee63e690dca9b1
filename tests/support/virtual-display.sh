#!/usr/bin/env bash
# A virtual X display for the legs that open real windows, started once per CTest run.
#
#   virtual-display.sh start STATE     start Xvfb on a free display; STATE records it. When STATE
#                                      names an Xvfb of ours still running, that one is kept:
#                                      a repeated start (ctest --repeat) never leaves a second one
#   virtual-display.sh stop STATE      end the Xvfb that `start` began
#   virtual-display.sh run STATE CMD…  run CMD on that display
#
# Where no X server can be started (Xvfb not installed), `run` skips with a message and the
# exit status 77, which CTest counts as a skip; with VANTRY_FULL_RUN=1 (the README's test
# command) it fails instead. Every wait is bounded.
set -u
action=$1
state=$2
shift 2

is_xvfb() {
  [ "$(cat "/proc/$1/comm" 2>/dev/null)" = Xvfb ] && [ "$(ps -o stat= -p "$1" 2>/dev/null | cut -c1)" != Z ]
}

# Whether the process $1 serves display number $2: it holds the listening socket
# /tmp/.X11-unix/X$2. (Xvfb started with -displayfd writes no /tmp/.X<n>-lock to ask instead.)
serves_display() {
  local inode
  inode=$(awk -v path="/tmp/.X11-unix/X$2" '$NF == path { print $7; exit }' /proc/net/unix 2>/dev/null)
  [ -n "$inode" ] || return 1
  ls -l "/proc/$1/fd" 2>/dev/null | grep -q "socket:\[$inode\]"
}

start() {
  if [ -f "$state" ]; then
    local DISPLAY="" XVFB_PID=""
    # shellcheck disable=SC1090
    . "$state"
    # Ours only if that Xvfb still serves that display: a process number the system gave to
    # another run's Xvfb since must not be taken (or, at this run's stop, ended).
    if [ -n "$XVFB_PID" ] && is_xvfb "$XVFB_PID" && serves_display "$XVFB_PID" "${DISPLAY#:}"; then
      echo "virtual display $DISPLAY (Xvfb $XVFB_PID, already running)"
      return 0
    fi
  fi
  rm -f "$state"
  if ! command -v Xvfb >/dev/null; then
    echo "UNAVAILABLE='Xvfb is not installed'" >"$state"
    echo "no virtual display: Xvfb is not installed"
    return 0
  fi
  local fifo number=""
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  # -displayfd: the server picks a free display and writes its number once it is ready to serve.
  # -noreset: an X server resets itself whenever its last client leaves, and refuses whoever
  # connects meanwhile; each test is a client that leaves, and the next one must find it serving.
  setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$fifo" </dev/null >/dev/null 2>&1 &
  local pid=$!
  read -r -t 20 number <"$fifo"
  rm -f "$fifo"
  if [ -z "$number" ]; then
    kill "$pid" 2>/dev/null
    echo "UNAVAILABLE='Xvfb did not start'" >"$state"
    echo "no virtual display: Xvfb did not start"
    return 0
  fi
  printf 'DISPLAY=:%s\nXVFB_PID=%s\n' "$number" "$pid" >"$state"
  echo "virtual display :$number (Xvfb $pid)"
}

stop() {
  [ -f "$state" ] || return 0
  local XVFB_PID=""
  # shellcheck disable=SC1090
  . "$state"
  # Only the Xvfb this script started: a state file left by an earlier run may name a process
  # number the system has since given to another program.
  if [ -n "$XVFB_PID" ] && is_xvfb "$XVFB_PID" && kill "$XVFB_PID" 2>/dev/null; then
    # Until it has exited (a zombie waiting to be reaped has), at most five seconds.
    for _ in $(seq 50); do
      case $(ps -o stat= -p "$XVFB_PID" 2>/dev/null) in ""|Z*) break ;; esac
      sleep 0.1
    done
    is_xvfb "$XVFB_PID" && kill -9 "$XVFB_PID" 2>/dev/null
  fi
  rm -f "$state"
}

run() {
  local DISPLAY="" UNAVAILABLE="no virtual display was started for this run"
  # shellcheck disable=SC1090
  [ -f "$state" ] && . "$state"
  if [ -z "$DISPLAY" ]; then
    if [ "${VANTRY_FULL_RUN:-0}" = 1 ]; then
      echo "cannot run on a display: $UNAVAILABLE" >&2
      exit 1
    fi
    echo "skipped: $UNAVAILABLE"
    exit 77
  fi
  export DISPLAY
  exec "$@"
}

case $action in
  start) start ;;
  stop) stop ;;
  run) run "$@" ;;
  *) echo "usage: virtual-display.sh start|stop|run STATE [COMMAND…]" >&2; exit 2 ;;
esac
