#!/usr/bin/env bash
# Installs the Debian 12 packages that one way of building needs, only those missing. Quiet when
# everything is there. Run as root (or with sudo available).
#
#   install-deps.sh SET... [PACKAGE...]
#
#   run       build and run the calculator: compiler, CMake, Ninja, FLTK, zlib, toml++, the dialog's font
#   native    the Linux test legs (optimised and sanitized): GoogleTest, Google Benchmark, Xvfb,
#             and the Debian package's checks (dpkg-dev, lintian, man-db, desktop-file-utils)
#   windows   the Windows leg: MinGW-w64, Wine, NSIS, GoogleTest's sources, zlib for MinGW
#   web       the web leg: Emscripten and Node (npm too, where the machine has none), Chromium with
#             its driver and Selenium
#   style     the format check (scripts/check_format.sh): clang-format 14, and git
#   names     the naming check (scripts/check_names.sh): clang-tidy 14 and what the default
#             build needs to be configured
#   serve     build and serve the web edition (scripts/serve-web.sh)
#   package   the release files (scripts/package.sh): the Debian package, the Windows installer
#             and zip, the web edition's zip
# Anything else named is taken as a package.
set -euo pipefail

run=(g++ cmake ninja-build libfltk1.3-dev zlib1g-dev libtomlplusplus-dev fonts-liberation)
site=(emscripten node-acorn nodejs python3 python3-fonttools python3-brotli googletest)
packages=()
for set in "$@"; do
  case $set in
    run) packages+=("${run[@]}") ;;
    native) packages+=("${run[@]}" libgtest-dev libbenchmark-dev libx11-dev locales python3 git xvfb xauth
                       desktop-file-utils dpkg-dev lintian man-db) ;;
    windows) packages+=("${run[@]}" g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 googletest
                        libz-mingw-w64-dev wine wine64 nsis xvfb xauth python3 git) ;;
    web) packages+=("${run[@]}" "${site[@]}" chromium chromium-driver python3-selenium git)
         command -v npm >/dev/null || packages+=(npm) ;;
    style) packages+=(clang-format-14 git) ;;
    names) packages+=("${run[@]}" clang-tidy-14 libgtest-dev libbenchmark-dev libx11-dev) ;;
    serve) packages+=("${run[@]}" "${site[@]}") ;;
    package) packages+=("${run[@]}" "${site[@]}" g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 nsis
                        dpkg-dev lintian python3 git) ;;
    *) packages+=("$set") ;;
  esac
done

missing=()
for pkg in $(printf '%s\n' "${packages[@]}" | sort -u); do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
