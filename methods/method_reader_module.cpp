#include <emscripten.h>

#include <string>

#include "methods/method_file.h"
#include "methods/method_file_blob.h"

// The page's method file reader, a program of its own (toml++ is most of it): the page loads it
// only when a producer has methods, so that a first visit does not carry it.

extern "C" {

// Reads and checks `length` bytes at `text`; the checked file's bytes stay valid until the next
// call, at the returned address, their count in `size`.
EMSCRIPTEN_KEEPALIVE const char* vantry_read_method(const char* text, int length, int* size) {
    static std::string checked;
    checked = vantry::methods::EncodeMethodFile(
        vantry::methods::ReadMethodText(std::string_view(text, static_cast<std::size_t>(length < 0 ? 0 : length))));
    *size = static_cast<int>(checked.size());
    return checked.data();
}

}  // extern "C"

int main() { return 0; }
