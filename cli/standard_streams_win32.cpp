#include <fcntl.h>
#include <io.h>

#include "cli/standard_streams.h"

namespace vantry::cli {

// Windows has no SIGPIPE: a write to a closed pipe fails with an error already.
void PrepareStandardStreams() {}

void UseBinaryOutput(std::FILE* stream) {
    std::fflush(stream);
    _setmode(_fileno(stream), _O_BINARY);
}

}  // namespace vantry::cli
