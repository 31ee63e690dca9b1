#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

// Skips that show. A test that cannot run where it is gets one of two: a platform that cannot
// have what it needs says so at compile time and skips (VANTRY_SKIP_ON_THIS_PLATFORM); anything
// else (a tool or a locale missing from the machine) skips only outside the test command's full
// run (VANTRY_FULL_RUN=1), where it fails, so that what a leg should check is never left
// unchecked without a word.

inline bool InFullRun() {
    const char* full = std::getenv("VANTRY_FULL_RUN");
    return full != nullptr && std::strcmp(full, "1") == 0;
}

#define VANTRY_SKIP_ON_THIS_PLATFORM(reason) GTEST_SKIP() << "this platform: " << reason

#define VANTRY_SKIP_UNLESS_FULL_RUN(reason)                                         \
    do {                                                                            \
        if (InFullRun()) GTEST_FAIL() << "not skipped in the full run: " << reason; \
        GTEST_SKIP() << reason;                                                     \
    } while (0)
