#include "methods/method_reader_page.h"

#include <emscripten.h>

#include <string>

#include "methods/method_file.h"
#include "methods/method_file_blob.h"

// clang-format off
// The reader's script sits beside the page's program. Its instance is kept for the page's life.
EM_ASYNC_JS(int, jsLoadMethodReader, (char* why, int capacity), {
    const say = text => { stringToUTF8(text, why, capacity); return 0; };
    if (Module.vantryMethodReader) return 1;
    try {
        if (typeof VantryMethodReader === 'undefined') {
            const base = typeof scriptDirectory === 'string' ? scriptDirectory : "";
            await new Promise((resolve, reject) => {
                const script = document.createElement('script');
                script.src = base + 'vantry-methods.js';
                script.onload = resolve;
                script.onerror = () => reject(new Error(script.src + ' could not be loaded'));
                document.head.appendChild(script);
            });
        }
        Module.vantryMethodReader = await VantryMethodReader();
        // Kept by the site's service worker from now on, for use with no network.
        if (navigator.serviceWorker)
            navigator.serviceWorker.ready.then(registration => registration.active &&
                registration.active.postMessage({keep: 'vantry-methods.js'})).catch(() => {});
        return 1;
    } catch (error) {
        return say(String(error && error.message || error));
    }
});

// The text goes into the reader's memory; the checked file's bytes are kept until the program
// takes them: their count, or -1 when there is no reader.
EM_JS(int, jsReadMethod, (const char* text, int length), {
    const reader = Module.vantryMethodReader;
    if (!reader) return -1;
    const input = reader._malloc(Math.max(length, 1));
    const size = reader._malloc(4);
    reader.HEAPU8.set(HEAPU8.subarray(text, text + length), input);
    const at = reader._vantry_read_method(input, length, size);
    const count = reader.HEAP32[size >> 2];
    Module.vantryChecked = reader.HEAPU8.slice(at, at + count);
    reader._free(input);
    reader._free(size);
    return count;
});

EM_JS(void, jsTakeChecked, (char* bytes), {
    HEAPU8.set(Module.vantryChecked, bytes);
    Module.vantryChecked = null;
});
// clang-format on

namespace vantry::methods {

bool LoadMethodReader(std::string& why) {
    char reason[512] = {};
    if (jsLoadMethodReader(reason, static_cast<int>(sizeof reason)) != 0) return true;
    why = reason;
    return false;
}

MethodFile ReadMethodText(std::string_view text) {
    MethodFile file;
    const int size = jsReadMethod(text.data(), static_cast<int>(text.size()));
    if (size < 0) {
        file.problems.push_back({1, 1, "the page's method reader is not loaded"});
        return file;
    }
    std::string checked(static_cast<std::size_t>(size), '\0');
    jsTakeChecked(checked.data());
    if (!DecodeMethodFile(checked, file)) {
        file = {};
        file.problems.push_back({1, 1, "the page's method reader is of another version: reload the page"});
    }
    return file;
}

}  // namespace vantry::methods
