#!/usr/bin/env bash
# A shipped program carries nothing of the tests: no automation, no recording backend, no queue
# that only a test fills. Their class and function names would show in the program's symbols or
# its type information (whatever the platform's binary format), so the bytes are searched.
#   check_no_test_hooks.sh PROGRAM…
set -uo pipefail
status=0
for program in "$@"; do
  [ -f "$program" ] || { echo "FAILED: no $program" >&2; status=1; continue; }
  found=$(grep -a -o -E 'Automation|Automated|IconRecordingBackend|PostedActions|runWhenShown|lastIconDrawn' \
          "$program" | sort -u | tr '\n' ' ')
  if [ -n "$found" ]; then
    echo "FAILED: $(basename "$program") carries test hooks: $found" >&2
    status=1
  else
    echo "$(basename "$program"): no test hooks"
  fi
done
exit $status
