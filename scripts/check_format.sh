#!/usr/bin/env bash
# Fails when a C++ file of the project is not as .clang-format lays it out, naming each such file
# and the first of its differences. The formatter's version is pinned: another version lays some
# lines out differently, and the check would then fail on code nobody changed.
#   check_format.sh            check every tracked C++ file
#   check_format.sh --fix      rewrite them in place
set -uo pipefail
cd "$(dirname "$0")/.."

formatter=clang-format-14
command -v "$formatter" >/dev/null || { echo "FAILED: $formatter is not installed (scripts/install-deps.sh style)" >&2; exit 1; }
"$formatter" --version | grep -q 'version 14\.' || { echo "FAILED: $formatter is not version 14" >&2; exit 1; }

mapfile -t files < <(git ls-files '*.cpp' '*.h')
[ ${#files[@]} -gt 0 ] || { echo "FAILED: no C++ files found" >&2; exit 1; }
if [ "${1:-}" = --fix ]; then
  exec "$formatter" -i --style=file "${files[@]}"
fi
if ! "$formatter" --dry-run --Werror --ferror-limit=1 --style=file "${files[@]}"; then
  echo "FAILED: the files above are not formatted; scripts/check_format.sh --fix formats them" >&2
  exit 1
fi
echo "${#files[@]} C++ files formatted as .clang-format says"
