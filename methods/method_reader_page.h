#pragma once

#include <string>

namespace vantry::methods {

// The page reads method files with a program of its own, loaded when first needed (from the site,
// or from the service worker's copy with no network). Until it is, ReadMethodText reports each
// text it is given as unreadable. Returns whether it is ready, else why not in `why`.
bool LoadMethodReader(std::string& why);

}  // namespace vantry::methods
