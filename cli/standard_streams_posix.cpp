#include <csignal>

#include "cli/standard_streams.h"

namespace vantry::cli {

void PrepareStandardStreams() { std::signal(SIGPIPE, SIG_IGN); }

void UseBinaryOutput(std::FILE*) {}  // POSIX streams have no text mode

}  // namespace vantry::cli
