# Sourced by a check that changes the Wine prefix it runs in (installs and uninstalls): it gets a
# copy of the leg's prefix of its own, with a wineserver of its own, so that what it installs, and
# the uninstaller that goes on after it has returned, never reach the prefix the leg's other tests
# share. `end_own_prefix` (for the check's EXIT trap) ends that wineserver; the copy is kept for
# the next run, made again only when the leg's prefix is newer.
#   source wine-own-prefix.sh NAME      with $build set to the build folder
own_prefix=$build/wineprefix-$1
(
  flock -w 300 9 || { echo "the Wine prefix $own_prefix is locked by another run" >&2; exit 1; }
  if [ ! -f "$own_prefix/.vantry-copied" ] || [ "$build/wineprefix/.vantry-prefix-2" -nt "$own_prefix/.vantry-copied" ]; then
    rm -rf "$own_prefix" "$own_prefix.new"
    cp -a "$build/wineprefix" "$own_prefix.new" && mv "$own_prefix.new" "$own_prefix" &&
      touch "$own_prefix/.vantry-copied"
  fi
) 9>"$build/wineprefix.lock" || exit 1
export VANTRY_WINEPREFIX=$own_prefix
WINEPREFIX=$own_prefix setsid wineserver -p </dev/null >/dev/null 2>&1

end_own_prefix() {
  WINEPREFIX=$own_prefix timeout 30 wineserver -k >/dev/null 2>&1
  WINEPREFIX=$own_prefix timeout 30 wineserver -w >/dev/null 2>&1
}
