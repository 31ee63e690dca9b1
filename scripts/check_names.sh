#!/usr/bin/env bash
# Checks our own names against the scheme in .clang-tidy, over every file the Linux build
# compiles (the engine, report, platform, methods, tool, dialog, framework with its headless and
# FLTK backends, tests, fuzzers, benchmarks). Takes about two minutes on two cores, so the test
# command leaves it to whoever renames things.
#   check_names.sh [BUILD_FOLDER]     (default build/default, configured if missing)
set -uo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/default}
tidy=run-clang-tidy-14
command -v "$tidy" >/dev/null || { echo "FAILED: $tidy is not installed (bash scripts/install-deps.sh names)" >&2; exit 1; }
if [ ! -f "$build/compile_commands.json" ]; then
  [ "$build" = build/default ] || { echo "FAILED: $build has no compile_commands.json" >&2; exit 1; }
  cmake --preset default >/dev/null || exit 1
fi
"$tidy" -p "$build" -j "$(nproc)" -quiet "$(pwd)/(engine|report|platform|methods|cli|ui|tests|fuzz|bench)/" \
  > "$build/check_names.log" 2>&1
found=$(sed 's/\x1b\[[0-9;]*m//g' "$build/check_names.log" | grep -E 'invalid case style' | sort -u)
if [ -n "$found" ]; then
  echo "$found" >&2
  echo "FAILED: $(echo "$found" | wc -l) names do not follow .clang-tidy's scheme" >&2
  exit 1
fi
grep -qE '^(Error|error:)' "$build/check_names.log" && { cat "$build/check_names.log" >&2; exit 1; }
echo "every name follows .clang-tidy's scheme"
