#!/usr/bin/env bash
# Makes the Windows installer from this build and tries it under Wine as an administrator who
# deploys it would: a silent install into Program Files, what it put down (the programs, the
# Start-menu shortcut, the uninstall key), the installed tool run, and a silent uninstall that
# leaves nothing behind. Uses the Windows leg's Wine environment.
#   check_installer.sh BUILD_DIR
set -uo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
export VANTRY_BUILD_DIR=$build
wine_run() { "$here/../support/wine-run.sh" "$@"; }
fail() { echo "FAILED: $*" >&2; exit 1; }
if ! command -v makensis >/dev/null; then
  [ "${VANTRY_FULL_RUN:-0}" = 1 ] && fail "makensis (Debian's nsis) is not installed"
  echo "skipped: makensis (Debian's nsis) is not installed"
  exit 77
fi
work=$(mktemp -d)
# shellcheck disable=SC1091
source "$here/../support/wine-own-prefix.sh" package
trap 'rm -rf "$work"; end_own_prefix' EXIT
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$here" log -1 --format=%ct 2>/dev/null || echo 1700000000)}

cpack --config "$build/CPackConfig.cmake" -G NSIS -B "$work/out" >/dev/null || fail "cpack"
setup=$work/out/quorvath-payout-calculator-1.0.0-win64-setup.exe
[ -f "$setup" ] || fail "no $(basename "$setup") in $(ls "$work/out")"

drive=$VANTRY_WINEPREFIX/drive_c
installed="$drive/Program Files/Quorvath Payout Calculator"
shortcut="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Quorvath Payout Calculator.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvath Payout Calculator'

# Silent uninstall: the uninstaller copies itself away and returns at once; wait, boundedly, for
# the copy to finish its work. On a machine busy with the leg's other Wine programs the copy has
# been seen to take over a minute to start: three minutes, then what is left is told.
uninstall() {
  wine_run "$installed/Uninstall.exe" /S >/dev/null 2>&1
  for _ in $(seq 900); do [ -e "$installed" ] || return 0; sleep 0.2; done
  echo "left in $installed: $(ls -A "$installed" 2>&1 | tr '\n' ' ')" >&2
  echo "Windows programs still running: $(pgrep -af '\.exe' | tr '\n' ';')" >&2
  return 1
}
# The uninstaller's copy sits in the user's Temp folder until Windows restarts, and this prefix
# is never restarted: once the copy has ended, remove it, so that no run leaves it behind.
remove_uninstaller_copy() {
  for _ in $(seq 100); do pgrep -f '~nsu[0-9]*\.tmp.Un\.exe' >/dev/null || break; sleep 0.1; done
  rm -rf "$drive"/users/*/Temp/~nsu*.tmp
}
[ -e "$installed/Uninstall.exe" ] && uninstall  # what an interrupted earlier run left
remove_uninstaller_copy

wine_run "$setup" /S || fail "the silent install"
for file in vantry.exe vantry-payout.exe README.txt Uninstall.exe; do
  [ -f "$installed/$file" ] || fail "not installed: $file"
done
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
python3 - "$shortcut" <<'PY' || fail "the shortcut does not start vantry.exe in the user's Documents"
import sys
data = open(sys.argv[1], "rb").read()
for text in ("%USERPROFILE%\\Documents", "vantry.exe"):
    assert text.encode("utf-16-le") in data or text.encode("latin-1") in data, text
PY
registry=$(wine_run reg query "$key" 2>&1) || fail "no uninstall key: $registry"
for value in "DisplayName.*Quorvath Payout Calculator" "DisplayVersion.*1\.0\.0" "Publisher.*Quorvath Software" \
             "DisplayIcon.*vantry\.exe"; do
  grep -q "$value" <<<"$registry" || fail "the uninstall key lacks $value: $registry"
done
wine_run "$installed/vantry-payout.exe" | grep -q '^    2 = \$90.00   (40.00%)' || fail "the installed vantry-payout"
for program in "$setup" "$installed/Uninstall.exe" "$installed/vantry.exe"; do
  shown=$(wine_run "$build/tests/show_resources.exe" "Z:$program") || fail "show_resources"
  grep -q "ProductName=Quorvath Payout Calculator" <<<"$shown" || fail "no version information in $program: $shown"
  grep -q "IconGroups=[1-9]" <<<"$shown" || fail "no icon in $program"
done

uninstall || fail "the silent uninstall did not finish"
remove_uninstaller_copy
[ -e "$shortcut" ] && fail "the shortcut was left behind"
wine_run reg query "$key" >/dev/null 2>&1 && fail "the uninstall key was left behind"
echo "Windows installer checked: silent install, shortcut, uninstall key, silent uninstall"
