#include "methods/method_reader_page.h"

#include <emscripten.h>

#include <string>

#include "methods/method_file.h"
#include "methods/method_file_blob.h"

// clang-format off
// The reader's script sits beside the page's program, named for its build: the site's maker puts
// the name in (ui/site/make_site.py), so that a page loads only the reader it was built with.
// Its instance is kept for the page's life.
// Meanwhile the page's dialogs take no input (web_events.cpp).
EM_JS(int, jsMethodReaderLoaded, (), { return Module.vantryMethodReader ? 1 : 0; });

EM_ASYNC_JS(int, jsLoadMethodReader, (char* why, int capacity), {
    const say = text => { stringToUTF8(text, why, capacity); return 0; };
    Module.vantryBusy = (Module.vantryBusy || 0) + 1;
    const file = 'vantry-methods.js';
    try {
        if (typeof VantryMethodReader === 'undefined') {
            const base = typeof scriptDirectory === 'string' ? scriptDirectory : "";
            await new Promise((resolve, reject) => {
                const script = document.createElement('script');
                script.src = base + file;
                script.onload = resolve;
                script.onerror = () => reject(new Error(script.src + ' could not be loaded'));
                document.head.appendChild(script);
            });
        }
        Module.vantryMethodReader = await VantryMethodReader();
        // Kept by the site's service worker from now on, for use with no network.
        if (navigator.serviceWorker)
            navigator.serviceWorker.ready.then(registration => registration.active &&
                registration.active.postMessage({keep: file})).catch(() => {});
        return 1;
    } catch (error) {
        return say(String(error && error.message || error));
    } finally {
        Module.vantryBusy--;
    }
});

// The text goes into the reader's memory; the checked file's bytes are kept until the program
// takes them: their count; -1 when there is no reader, -2 when it has no room for the text.
EM_JS(int, jsReadMethod, (const char* text, int length), {
    const reader = Module.vantryMethodReader;
    if (!reader) return -1;
    const input = reader._malloc(Math.max(length, 1));
    const size = reader._malloc(4);
    if (!input || !size) {
        reader._free(input);
        reader._free(size);
        return -2;
    }
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
    if (jsMethodReaderLoaded() != 0) return true;  // no wait: nothing to wait for
    char reason[512] = {};
    if (jsLoadMethodReader(reason, static_cast<int>(sizeof reason)) != 0) return true;
    why = reason;
    return false;
}

MethodFile ReadMethodText(std::string_view text) {
    MethodFile file;
    const int size = jsReadMethod(text.data(), static_cast<int>(text.size()));
    if (size < 0) {
        file.problems.push_back({1, 1,
                                 size == -1 ? "the page's method reader is not loaded"
                                            : "the page's method reader has no room for the text"});
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
