#!/usr/bin/env bash
# Installs the Debian 12 packages this project builds and tests with, only those missing.
# Idempotent and quiet when everything is present. Run as root (or with sudo available).
set -euo pipefail

packages=(g++ cmake ninja-build libgtest-dev libbenchmark-dev locales python3 git
          libfltk1.3-dev libx11-dev fonts-liberation xvfb xauth desktop-file-utils
          g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 googletest wine wine64
          dpkg-dev lintian man-db nsis
          emscripten node-acorn nodejs chromium chromium-driver python3-selenium
          python3-fonttools python3-brotli)

missing=()
for pkg in "${packages[@]}" "$@"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
