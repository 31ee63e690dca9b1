#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that a Linux desktop would find the
# program, the command-line tool, a valid desktop entry and both icon sizes.
set -euo pipefail
build_dir=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build_dir" --prefix "$prefix" >/dev/null
rm -f "$build_dir/install_manifest.txt"  # what the install left in the build tree
for file in bin/vantry bin/vantry-payout share/applications/vantry.desktop \
            share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/vantry.png; do
  [ -f "$prefix/$file" ] || { echo "missing after install: $file"; exit 1; }
done
desktop-file-validate "$prefix/share/applications/vantry.desktop"
"$prefix/bin/vantry-payout" --places=1 | grep -q '^NBHA 4D payout to 1 placings'
echo "installed layout is complete"
