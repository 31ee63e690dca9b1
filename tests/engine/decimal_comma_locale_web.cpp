#include "tests/engine/decimal_comma_locale.h"

// A page's C library (Emscripten's musl) writes numbers with a '.' whatever the locale: no
// locale with a decimal comma can be had, so the locale test has nothing to show here.
bool UseDecimalCommaLocale() { return false; }

const char* WhyNoDecimalCommaLocale() { return "a page's C library writes numbers with a '.' in every locale"; }
