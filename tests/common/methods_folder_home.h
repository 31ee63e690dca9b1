#pragma once

#include <string>

// Points the methods folder of this process at a folder of the test's: sets the variable the
// system's methods folder is found from (XDG_CONFIG_HOME, or APPDATA on Windows) to `base`.
// The platform's way lives in methods_folder_home_<platform>.cpp.
void SetMethodsFolderHome(const std::string& base);
