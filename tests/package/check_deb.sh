#!/usr/bin/env bash
# Makes the Debian package from this build and looks at it as Debian would: its contents
# unpacked, the unpacked tool run, the desktop entry validated, the manual pages rendered, and
# lintian without errors.
#   check_deb.sh BUILD_DIR
set -uo pipefail
build=$1
for tool in dpkg-deb lintian desktop-file-validate man; do
  if ! command -v "$tool" >/dev/null; then
    [ "${VANTRY_FULL_RUN:-0}" = 1 ] && { echo "$tool is not installed" >&2; exit 1; }
    echo "skipped: $tool is not installed"
    exit 77
  fi
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$(dirname "$0")" log -1 --format=%ct 2>/dev/null || echo 1700000000)}
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >/dev/null || fail "cpack"
rm -f "$build/install_manifest.txt"  # what cpack's install step left in the build tree
deb=$(ls "$work"/out/*.deb)
[ "$(basename "$deb")" = "quorvath-payout-calculator_1.0.0_amd64.deb" ] || fail "package named $(basename "$deb")"

dpkg-deb -x "$deb" "$work/root" || fail "dpkg-deb -x"
root=$work/root
for file in usr/bin/vantry usr/bin/vantry-payout usr/share/applications/vantry.desktop \
            usr/share/man/man1/vantry.1.gz usr/share/man/man1/vantry-payout.1.gz \
            usr/share/doc/quorvath-payout-calculator/copyright usr/share/doc/quorvath-payout-calculator/changelog.gz \
            usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/vantry.png; do
  [ -f "$root/$file" ] || fail "missing from the package: /$file"
done
# What the program needs that its libraries do not say: the font, and xdg-open for the report.
control=$(dpkg-deb -f "$deb" Depends Recommends)
grep -Eq '^Depends:.*\bfonts-liberation\b' <<<"$control" || fail "the package does not depend on fonts-liberation: $control"
grep -Eq '^Depends:.*\blibfltk1\.3\b' <<<"$control" || fail "the libraries' dependencies are lost: $control"
grep -Eq '^Recommends:.*\bxdg-utils\b' <<<"$control" || fail "the package does not recommend xdg-utils: $control"
"$root/usr/bin/vantry-payout" >"$work/listing" || fail "the unpacked vantry-payout"
grep -qx '    2 = \$90.00   (40.00%)' "$work/listing" || fail "the unpacked vantry-payout printed: $(cat "$work/listing")"
desktop-file-validate "$root/usr/share/applications/vantry.desktop" || fail "desktop entry"
for page in vantry vantry-payout; do
  warnings=$(MANWIDTH=80 man --warnings -l "$root/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man $page: $warnings"
  MANWIDTH=80 man -l "$root/usr/share/man/man1/$page.1.gz" 2>/dev/null | grep -q "^NAME" || fail "man $page renders nothing"
done
# lintian leaves a cache file in its TMPDIR: let it be this run's own folder.
report=$(TMPDIR=$work lintian --fail-on error "$deb" 2>&1) || fail "lintian: $report"
echo "Debian package checked: $(basename "$deb")"
