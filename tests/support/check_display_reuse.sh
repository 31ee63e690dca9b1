#!/usr/bin/env bash
# A display started twice and stopped once leaves no Xvfb behind: the second start takes up the
# first one's server instead of starting another that nothing would end.
#   check_display_reuse.sh
set -u
here=$(cd "$(dirname "$0")" && pwd)
state=$(mktemp -u)
trap 'rm -f "$state"' EXIT
pids=()
for _ in 1 2; do
  said=$("$here/virtual-display.sh" start "$state") || { echo "FAILED: start: $said"; exit 1; }
  case $said in
    *"Xvfb is not installed"*) [ "${VANTRY_FULL_RUN:-0}" = 1 ] && { echo "FAILED: $said"; exit 1; }
                               echo "skipped: $said"; exit 77 ;;
  esac
  pids+=("$(sed -n 's/.*(Xvfb \([0-9]*\).*/\1/p' <<<"$said")")
done
"$here/virtual-display.sh" stop "$state"
[ "${pids[0]}" = "${pids[1]}" ] || echo "FAILED: the second start began another Xvfb (${pids[*]})"
running() {  # an Xvfb that has not ended (a zombie waiting to be reaped has)
  [ "$(cat "/proc/$1/comm" 2>/dev/null)" = Xvfb ] && [ "$(cut -d' ' -f3 "/proc/$1/stat" 2>/dev/null)" != Z ]
}
for pid in "${pids[@]}"; do
  for _ in $(seq 50); do running "$pid" || break; sleep 0.1; done
  if running "$pid"; then
    echo "FAILED: Xvfb $pid is still running after the stop"
    kill "$pid" 2>/dev/null
    exit 1
  fi
done
[ "${pids[0]}" = "${pids[1]}" ] || exit 1
echo "started twice, stopped once: one Xvfb, and none left"
