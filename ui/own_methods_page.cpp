#include <emscripten.h>

#include "methods/method_files.h"
#include "methods/method_reader_page.h"
#include "product_info.h"
#include "ui/method_edit_dlg.h"
#include "ui/methods_dlg.h"
#include "ui/own_methods.h"

// The page keeps a producer's methods in the site's own storage (IndexedDB), as files of a folder
// of its memory file system that the storage fills when the page opens and keeps after each
// change: they stay through a reload, with no network, and through an update of the site. The
// method file reader is loaded only once there is a method to read.

// clang-format off
// Returns 0 when the site's storage cannot be had (a browser that keeps none for the page), 1
// when it holds no method, 2 when it holds some.
EM_ASYNC_JS(int, jsOpenSiteStorage, (const char* folder, char* why, int capacity), {
    const path = UTF8ToString(folder);
    Module.vantryBusy = (Module.vantryBusy || 0) + 1;  // the dialog takes no input meanwhile
    try {
        if (!Module.vantryStorage) {
            FS.mkdirTree(path);
            FS.mount(IDBFS, {}, path);
            Module.vantryStorage = path;
            await new Promise((resolve, reject) => FS.syncfs(true, error => error ? reject(error) : resolve()));
        }
        return FS.readdir(path).some(name => name.endsWith('.toml')) ? 2 : 1;
    } catch (error) {
        Module.vantryStorage = null;
        stringToUTF8('this browser keeps no storage for the page (' + String(error && error.message || error) + ')',
                     why, capacity);
        return 0;
    } finally {
        Module.vantryBusy--;
    }
});

// Another tab of the site tells of each change it kept: this one reads the storage again.
EM_JS(void, jsListenToOtherTabs, (), {
    if (Module.vantryOtherTabs || typeof BroadcastChannel === 'undefined') return;
    Module.vantryOtherTabs = new BroadcastChannel('vantry-methods ' + Module.vantryStorage);
    Module.vantryOtherTabs.onmessage = () => {
        Module.vantryKept = (Module.vantryKept || Promise.resolve()).then(
            () => new Promise(resolve => FS.syncfs(true, () => resolve())));
    };
});

// Reads the storage again, after any keeping still under way: what another tab changed.
EM_ASYNC_JS(void, jsRereadSiteStorage, (), {
    if (!Module.vantryStorage) return;
    Module.vantryBusy = (Module.vantryBusy || 0) + 1;
    try {
        await (Module.vantryKept || Promise.resolve());
        await new Promise(resolve => FS.syncfs(true, () => resolve()));
    } finally {
        Module.vantryBusy--;
    }
});

// Kept in the storage after each change, one keeping after another, and the other tabs told; the
// browser is asked to keep the site's storage even when its disk runs short, once the producer
// has a method to keep.
EM_JS(void, jsKeepSiteStorage, (), {
    if (!Module.vantryStorage) return;
    const hasMethods = FS.readdir(Module.vantryStorage).some(name => name.endsWith('.toml'));
    if (hasMethods && navigator.storage && navigator.storage.persist && !Module.vantryAskedToPersist) {
        Module.vantryAskedToPersist = true;
        navigator.storage.persist().catch(() => {});
    }
    Module.vantryKept = (Module.vantryKept || Promise.resolve()).then(
        () => new Promise(resolve => FS.syncfs(false, error => {
            if (error) console.error('the methods could not be kept in the site storage:', error);
            else if (Module.vantryOtherTabs) Module.vantryOtherTabs.postMessage('kept');
            resolve();
        })));
});
// clang-format on

namespace vantry::app {

namespace {

constexpr const char* kStorageFolder = "/site storage/methods";

}  // namespace

std::string OwnMethodsFolder(std::string& why) {
    char reason[512] = {};
    const int held = jsOpenSiteStorage(kStorageFolder, reason, static_cast<int>(sizeof reason));
    if (held == 0) {
        why = reason;
        return {};
    }
    jsListenToOtherTabs();
    std::string readerMissing;
    if (held == 2 && !methods::LoadMethodReader(readerMissing)) {
        why = "the method reader could not be loaded: " + readerMissing;
        return {};
    }
    return kStorageFolder;
}

namespace {

// The page's editor is a window of its own; the "folder" is the site's storage, which a page
// cannot show but can say where it is.
std::string editOwnMethods(framework::CWnd& window, const platform::ViewerCommand& command) {
    const std::string& target = command.arguments.back();
    if (target == kStorageFolder) {
        window.MessageBox(
            "Your methods are kept in this browser, in this site's own storage, on this device. They stay there "
            "through a reload and with no network. To keep a copy elsewhere, or to take a method to another "
            "device, select it, press Edit and then \"Export .toml\".",
            product::kName);
        return {};
    }
    CMethodEditDlg editor(&window, target);
    if (editor.DoModal() == -1) return "the editor could not be opened";
    return {};
}

}  // namespace

// Every step of the window reads methods: the reader is loaded first.
bool RunMethodsWindow(framework::CWnd* parent, const std::string& folder, const std::string& whyNoFolder,
                      const platform::ViewerRunner&) {
    std::string why;
    if (!folder.empty()) jsRereadSiteStorage();  // as another tab may have left it
    if (!folder.empty() && !methods::LoadMethodReader(why)) {
        if (parent) parent->MessageBox("The method reader could not be loaded: " + why, product::kName);
        return true;  // said so already
    }
    CMethodsDlg* self = nullptr;
    CMethodsDlg window(parent, folder, whyNoFolder,
                       [&self](const platform::ViewerCommand& command) { return editOwnMethods(*self, command); });
    self = &window;
    return window.DoModal() != -1;
}

void KeepOwnMethods(const std::string& folder) {
    if (!folder.empty()) jsKeepSiteStorage();
}

}  // namespace vantry::app
