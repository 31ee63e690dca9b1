#include <cstdlib>

#include "tests/common/methods_folder_home.h"

void SetMethodsFolderHome(const std::string& base) { setenv("XDG_CONFIG_HOME", base.c_str(), 1); }
