#!/usr/bin/env bash
# Makes every release file into dist/: the Windows installer, the portable Windows zip, the
# Debian package, the web edition's zip (the static site, to put on any web host), and SHA256SUMS. Installs what is missing first, and builds the release
# configurations from nothing, dated by the commit (SOURCE_DATE_EPOCH).
#
#   bash scripts/package.sh           the release files in dist/
#   bash scripts/package.sh --check   the same twice over, from nothing, and compared byte for byte
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh package
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
export SOURCE_DATE_EPOCH
version=$(sed -n 's/^project(QuorvathPayoutCalculator VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
name=quorvath-payout-calculator

release() {
  local out=$1
  local stage
  stage=$(mktemp -d)
  # shellcheck disable=SC2064  # the folder made now, also when a step fails and the script stops
  trap "rm -rf '$stage'" EXIT
  rm -rf build/release-linux build/release-windows build/release-web build/host-tools "$out"
  mkdir -p "$out"
  for preset in release-linux release-windows release-web; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" >/dev/null
  done
  (cd build/release-linux && cpack -G DEB -B "$stage/deb" >/dev/null)
  (cd build/release-windows && cpack -G NSIS -B "$stage/nsis" >/dev/null)
  cp "$stage/deb/${name}_${version}_amd64.deb" "$stage/nsis/$name-$version-win64-setup.exe" "$out/"
  python3 packaging/make_portable_zip.py build/release-windows "$out/$name-$version-win64.zip"
  python3 packaging/make_web_zip.py build/release-web/site build/release-web/HOSTING.txt "$out/$name-$version-web.zip"
  (cd "$out" && sha256sum -- "$name-$version-win64-setup.exe" "$name-$version-win64.zip" \
     "${name}_${version}_amd64.deb" "$name-$version-web.zip" >SHA256SUMS)
  rm -rf "$stage"
}

release dist
if [ "${1:-}" = --check ]; then
  rm -rf build/dist-first
  mv dist build/dist-first
  release dist
  differ=0
  for file in build/dist-first/*; do
    if cmp -s "$file" "dist/$(basename "$file")"; then
      echo "same bytes: $(basename "$file")"
    else
      echo "DIFFERENT:  $(basename "$file")"
      differ=1
    fi
  done
  rm -rf build/dist-first
  [ "$differ" = 0 ] || exit 1
fi
ls -l dist
