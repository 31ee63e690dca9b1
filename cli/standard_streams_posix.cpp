#include <csignal>

#include "standard_streams.h"

namespace vantry::cli {

void PrepareStandardStreams() { std::signal(SIGPIPE, SIG_IGN); }

}  // namespace vantry::cli
