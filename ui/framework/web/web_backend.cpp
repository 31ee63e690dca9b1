#include "ui/framework/web/web_backend.h"

#include <emscripten.h>

#include <string>

#include "ui/framework/emulated/dialog_colours.h"
#include "ui/framework/emulated/modal_run.h"
#include "ui/framework/web/web_dom.h"
#include "ui/framework/web/web_peers.h"

// clang-format off
// The page's next event, from the queue its events go to while the program waits for one.
EM_ASYNC_JS(void, jsWaitForPageEvent, (int* event), {
    while (Module.vantryQueue.length === 0) await new Promise(resolve => { Module.vantryWaiting = resolve; });
    const [kind, index, argument] = Module.vantryQueue.shift();
    HEAP32[event >> 2] = kind;
    HEAP32[(event >> 2) + 1] = index;
    HEAP32[(event >> 2) + 2] = argument;
});

// A dialog that ended from a call of the page's own: its loop, if it waits, looks again.
EM_JS(void, jsWakeTheLoop, (), {
    if (!Module.vantryWaiting) return;
    const wake = Module.vantryWaiting;
    Module.vantryWaiting = null;
    Module.vantryQueue.push([0, 0, 0]);
    wake();
});

// A file the person chooses with the page's file input, copied (its first `most` bytes) into the
// memory file system; its path, or "" when none was chosen. Browsers without the input's cancel
// event are taken to have cancelled once the page has its focus back and no file came.
EM_ASYNC_JS(void, jsChooseFile, (const char* accept, int most, char* path, int capacity), {
    Module.vantryBusy++;
    let stored = "";
    try {
    const input = document.createElement('input');
    input.type = 'file';
    input.accept = UTF8ToString(accept);
    input.className = 'vantry-sr';
    input.tabIndex = -1;
    document.body.appendChild(input);
    const file = await new Promise(resolve => {
        const done = chosen => { window.removeEventListener('focus', onFocus); resolve(chosen); };
        // (A browser that tells a cancel needs no guess; a slow file may come after the focus.)
        const onFocus = () => setTimeout(() => { if (!input.files || input.files.length === 0) done(null); }, 1000);
        input.addEventListener('change', () => done(input.files && input.files[0] ? input.files[0] : null));
        input.addEventListener('cancel', () => done(null));
        if (!('oncancel' in input)) window.addEventListener('focus', onFocus);
        input.click();
    });
    input.remove();
    stored = file ? await Module.vantryStoreFile(file, '/chosen', most) : "";
    } catch (error) {
        stored = "";  // a file that could not be read is as none chosen
    } finally {
        Module.vantryBusy--;
    }
    stringToUTF8(stored, path, capacity);
});

EM_JS(void, jsBusy, (int more), { Module.vantryBusy = (Module.vantryBusy || 0) + more; });
// clang-format on

namespace vantry::framework {

namespace {

// Windows' 16-point dialog font at 96 dots an inch.
int dialogFontPixels(const DialogTemplate& t) { return FontPixelHeight(t.fontPointSize); }

DialogBaseUnits measureBaseUnits(int pixelSize, const std::string& family) {
    return MeasuredBaseUnits(web::MeasureTextWidth(pixelSize, family, std::string(kAverageWidthAlphabet)),
                             web::FontHeight(pixelSize, family));
}

// What a chosen file is copied to the page's memory at most: far beyond any method file, so that
// one too large is still read as too large.
constexpr int kChosenFileMost = 1 << 20;

}  // namespace

WebDialog* WebBackend::runningDialog() {
    return !dialogs_.empty() && !dialogs_.back()->ended ? dialogs_.back() : nullptr;
}

std::intptr_t WebBackend::runModal(const DialogTemplate& t, DialogEvents& events) {
    const int level = static_cast<int>(dialogs_.size());
    // A dialog above another waits in its own loop: a call from the page's script cannot.
    if (level > 0 && inCallFromThePage()) return -1;
    WebDialog* owner = runningDialog();
    const bool ownerWasDisabled = owner && owner->disabled;
    if (owner) owner->disabled = true;
    const int fontPixels = dialogFontPixels(t);
    std::intptr_t result = -1;
    {
        WebDialog dialog(level, t, events, measureBaseUnits(fontPixels, web::CssFontFamily(t.fontFace)), fontPixels);
        dialogs_.push_back(&dialog);
        result = RunModalDialog(
            dialog, events,
            [&] {
                ApplyDialogColours(*this, dialog, [&](const WebControl* control, Colour brush) {
                    web::SetBackground(control ? control->index : dialog.dialogIndex(), brush);
                });
                dialog.invalidate(true);  // shown: the first paint
            },
            [&] { runMessageLoop(dialog); });
        dialogs_.pop_back();
    }
    if (owner) {
        owner->disabled = ownerWasDisabled;
        owner->invalidate(true);  // as the owner repaints when the dialog above it goes
    }
    return result;
}

void WebBackend::runMessageLoop(WebDialog& dialog) {
    while (!dialog.ended) handleNextEvents();
}

void WebBackend::handleNextEvents() {
    int event[3] = {};
    jsWaitForPageEvent(event);
    handlePageEvent(static_cast<web::PageEvent>(event[0]), event[1], event[2]);
}

void WebBackend::endModal(WindowPeer& window, std::intptr_t result) {
    auto& dialog = static_cast<WebDialog&>(window);
    dialog.ended = true;
    dialog.result = result;
    web::HideMessageBox();
    boxesUp_ = 0;
    jsWakeTheLoop();
}

void WebBackend::waitWhile(const std::function<bool()>& running) {
    WebDialog* dialog = runningDialog();
    const bool wasDisabled = dialog && dialog->disabled;
    if (dialog) dialog->disabled = true;
    jsBusy(1);
    while (running()) emscripten_sleep(50);
    jsBusy(-1);
    if (dialog) dialog->disabled = wasDisabled;
}

int WebBackend::messageBox(WindowPeer*, std::string_view text, std::string_view caption, unsigned type) {
    const bool question = (type & BoxType::ButtonsMask) == BoxType::YesNo;
    if (question && inCallFromThePage()) return kIdNo;  // asked where nothing may wait for the answer
    if (WebDialog* dialog = runningDialog()) dialog->disabled = true;
    ++boxesUp_;
    web::ShowMessageBox(std::string(text), std::string(caption), question);
    if (!question) return kIdOk;
    boxAnswer_ = 0;
    while (boxAnswer_ == 0) handleNextEvents();
    return boxAnswer_;
}

void WebBackend::messageBoxAnswered(int answer) {
    boxAnswer_ = answer == kIdYes || answer == kIdNo ? answer : kIdOk;
    if (boxesUp_ > 0) --boxesUp_;
    if (boxesUp_ > 0) return;  // another box is still up
    if (WebDialog* dialog = runningDialog()) {
        dialog->disabled = false;
        dialog->invalidate(true);  // as the owner repaints when the box goes
    }
}

std::optional<std::string> WebBackend::chooseFileToOpen(WindowPeer*, std::string_view, std::string_view pattern) {
    if (inCallFromThePage()) return std::nullopt;
    // "*.toml" is the input's ".toml".
    const std::string accept(pattern.substr(pattern.rfind('*') == std::string_view::npos ? 0 : pattern.rfind('*') + 1));
    WebDialog* dialog = runningDialog();
    const bool wasDisabled = dialog && dialog->disabled;
    if (dialog) dialog->disabled = true;
    char path[1024] = {};
    jsChooseFile(accept.c_str(), kChosenFileMost, path, static_cast<int>(sizeof path));
    if (dialog) dialog->disabled = wasDisabled;
    if (path[0] == '\0') return std::nullopt;
    return std::string(path);
}

void WebBackend::removeControlsFrom(WindowPeer& dialog, std::size_t first) {
    static_cast<WebDialog&>(dialog).removeControlsFrom(first);
}

void WebBackend::addControlsFrom(WindowPeer& dialog, std::size_t first) {
    static_cast<WebDialog&>(dialog).addControlsFrom(first);
}

// A page is never minimised, so the dialog never draws its icon on itself.
void WebBackend::showIcon(int, int, const EmulatedIcon&) {}

// The backend the framework's calls go to: whichever WebBackend the program (or its
// automation) provides.
Backend& CurrentBackend() { return TheWebBackend(); }

}  // namespace vantry::framework
