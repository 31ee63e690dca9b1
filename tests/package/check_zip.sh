#!/usr/bin/env bash
# Makes the portable Windows zip from this build, lists it, and runs the tool from it under Wine.
#   check_zip.sh BUILD_DIR
set -uo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
fail() { echo "FAILED: $*" >&2; exit 1; }
work=$(mktemp -d)
# shellcheck disable=SC1091
source "$here/../support/wine-own-prefix.sh" package
trap 'rm -rf "$work"; end_own_prefix' EXIT
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$here" log -1 --format=%ct 2>/dev/null || echo 1700000000)}

zip=$work/quorvath-payout-calculator-1.0.0-win64.zip
python3 "$here/../../packaging/make_portable_zip.py" "$build" "$zip" || fail "making the zip"
members=$(python3 -c 'import sys, zipfile; print(" ".join(zipfile.ZipFile(sys.argv[1]).namelist()))' "$zip")
[ "$members" = "README.txt vantry-payout.exe vantry.exe" ] || fail "the zip holds: $members"
python3 - "$zip" <<'PY' || fail "README.txt does not end its lines with CR LF"
import sys, zipfile
text = zipfile.ZipFile(sys.argv[1]).read("README.txt")
assert text.count(b"\n") > 10 and text.count(b"\n") == text.count(b"\r\n"), text[:200]
PY
python3 -c 'import sys, zipfile; zipfile.ZipFile(sys.argv[1]).extractall(sys.argv[2])' "$zip" "$work/unzipped"
VANTRY_BUILD_DIR=$build "$here/../support/wine-run.sh" "$work/unzipped/vantry-payout.exe" |
  grep -q '^    2 = \$90.00   (40.00%)' || fail "vantry-payout.exe from the zip"
echo "Portable zip checked: $members"
