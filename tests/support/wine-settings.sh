# Sourced by the Wine scripts: the prefix in the build folder (or the one VANTRY_WINEPREFIX names:
# the release checks install into a copy of their own), and a quiet Wine that asks to install
# nothing.
export WINEPREFIX=${VANTRY_WINEPREFIX:-$build/wineprefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win64
