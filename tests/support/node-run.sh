#!/usr/bin/env bash
# Runs a program of the web build (its .js, with the .wasm beside it) under Node: the build's
# emulator for its tests. Node's own fetch() (18 and later) would make Emscripten 3.1.6's loader
# misread the .wasm.
exec node --no-experimental-fetch "$@"
