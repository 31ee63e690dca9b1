#include <cstdlib>

#include "methods_folder_home.h"

void SetMethodsFolderHome(const std::string& base) { setenv("XDG_CONFIG_HOME", base.c_str(), 1); }
