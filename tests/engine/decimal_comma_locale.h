#pragma once

// Switches LC_NUMERIC to a locale whose decimal point is a comma; false when this machine cannot
// have one. The platform's way lives in decimal_comma_locale_<platform>.cpp.
bool UseDecimalCommaLocale();

// Why this platform can have no such locale at all, or nullptr where it should have one.
const char* WhyNoDecimalCommaLocale();
