# Sourced by the Wine scripts: the prefix in the build folder, and a quiet Wine that asks to
# install nothing.
export WINEPREFIX=$build/wineprefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win64
