#include <cstdlib>

#include "tests/common/methods_folder_home.h"

void SetMethodsFolderHome(const std::string& base) { _putenv_s("APPDATA", base.c_str()); }
