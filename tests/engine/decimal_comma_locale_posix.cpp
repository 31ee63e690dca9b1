#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

#include "tests/common/scratch_folder.h"
#include "tests/engine/decimal_comma_locale.h"

// Compiles a German locale into a folder of this run's own when none is installed.
bool UseDecimalCommaLocale() {
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) return true;
    static const ScratchFolder kFolder("locale");  // removed when the program ends
    const std::string command = "localedef -i de_DE -f UTF-8 '" + kFolder.file("de_DE.UTF-8") + "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) return false;
    setenv("LOCPATH", kFolder.path().c_str(), 1);
    return std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
}

const char* WhyNoDecimalCommaLocale() { return nullptr; }
