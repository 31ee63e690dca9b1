# Flags every target of ours gets. Money is double arithmetic evaluated exactly in the
# order the code writes it: no fused multiply-add contraction, never -ffast-math.
option(VANTRY_WERROR "Treat compiler warnings as errors (the test command turns it on)" OFF)

add_library(vantry_flags INTERFACE)
target_compile_options(vantry_flags INTERFACE -Wall -Wextra -Wpedantic -ffp-contract=off)
if(VANTRY_WERROR)
  target_compile_options(vantry_flags INTERFACE -Werror)
endif()

set(VANTRY_SANITIZE "" CACHE STRING "Sanitizers to build with, e.g. address,undefined")
if(VANTRY_SANITIZE)
  target_compile_options(vantry_flags INTERFACE
    -fsanitize=${VANTRY_SANITIZE} -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(vantry_flags INTERFACE -fsanitize=${VANTRY_SANITIZE})
endif()

# Fuzzing: everything is built with libFuzzer's coverage; each fuzz target adds its own main.
if(VANTRY_FUZZ)
  target_compile_options(vantry_flags INTERFACE -fsanitize=fuzzer-no-link)
endif()

# GCC 12 reports impossible overlaps inside std::string's own copies at -O3 (GCC bug 105329);
# the warning is switched off for that compiler only.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(vantry_flags INTERFACE -Wno-restrict)
endif()
