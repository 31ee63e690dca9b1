#include "standard_streams.h"

namespace vantry::cli {

// Windows has no SIGPIPE: a write to a closed pipe fails with an error already.
void PrepareStandardStreams() {}

}  // namespace vantry::cli
