#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

#include "decimal_comma_locale.h"

// Compiles a German locale into a private folder when none is installed.
bool useDecimalCommaLocale() {
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) return true;
    const std::string folder = ::testing::TempDir() + "vantry-locale";
    if (std::system(("mkdir -p " + folder).c_str()) != 0) return false;
    const std::string command = "localedef -i de_DE -f UTF-8 " + folder + "/de_DE.UTF-8 >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) return false;
    setenv("LOCPATH", folder.c_str(), 1);
    return std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
}
