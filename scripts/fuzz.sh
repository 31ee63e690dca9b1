#!/usr/bin/env bash
# Runs each fuzz target for a while with libFuzzer (clang-14), ASan and UBSan:
#   bash scripts/fuzz.sh [SECONDS [RUNS]]   (60 s a target unless given; at most RUNS inputs)
# New inputs are kept in build/fuzz/corpus/<target>, faults in build/fuzz/artifacts. An input
# that finds a fault belongs in fuzz/corpus/<target>, where every run of the tests replays it.
set -uo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
runs=${2:--1}

scripts/install-deps.sh clang-14 libclang-rt-14-dev || exit 1
cmake --preset fuzz >/dev/null && cmake --build --preset fuzz || exit 1

# Scratch files go to memory, where the report writer's flushes to the disk cost little.
export TMPDIR=${TMPDIR:-/dev/shm}
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
status=0
for target in number_readers format_text tool_arguments listing report_writer method_file; do
  corpus=build/fuzz/corpus/$target
  mkdir -p "$corpus" build/fuzz/artifacts
  echo "== $target, $seconds s"
  build/fuzz/fuzz/fuzz_$target -max_total_time="$seconds" -runs="$runs" -print_final_stats=1 -timeout=10 \
    -artifact_prefix="build/fuzz/artifacts/$target-" "$corpus" "fuzz/corpus/$target" 2>&1 |
    grep -E "stat::number_of_executed_units|stat::new_units_added|stat::average_exec_per_sec|ERROR|SUMMARY|fuzz check failed|Test unit written" ||
    true
  [ "${PIPESTATUS[0]}" = 0 ] || status=1
done
exit $status
