#include <clocale>
#include <initializer_list>

#include "tests/engine/decimal_comma_locale.h"

bool UseDecimalCommaLocale() {
    for (const char* name : {"de-DE", "German_Germany.1252", "German"})
        if (std::setlocale(LC_NUMERIC, name)) return true;
    return false;
}

const char* WhyNoDecimalCommaLocale() { return nullptr; }
