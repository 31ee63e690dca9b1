#include <emscripten.h>

#include <string>

#include "ui/framework/automation.h"
#include "ui/framework/posted_actions.h"
#include "ui/framework/recording_backend.h"
#include "ui/framework/web/web_backend.h"
#include "ui/framework/web/web_dom.h"
#include "ui/framework/web/web_peers.h"

// Drives the dialog's page as a person would: keys and clicks are dispatched as the page's own
// events, on its own elements, and what shows is read back from them.

// clang-format off
EM_JS(void, jsDispatchKey, (const char* key, int shift), {
    const top = Module.vantry.topFrame();
    const target = document.activeElement && top && top.contains(document.activeElement) ? document.activeElement : top;
    target.dispatchEvent(new KeyboardEvent('keydown', {key: UTF8ToString(key), shiftKey: shift !== 0,
                                                       bubbles: true, cancelable: true}));
});

// A keystroke: the key goes to the field; unless refused, the character goes in at the selection,
// as the browser puts it in: not when the field already holds its maxLength.
EM_JS(void, jsTypeCharacter, (int index, int code), {
    const input = document.getElementById('vantry-e' + index);
    const key = String.fromCodePoint(code);
    const event = new KeyboardEvent('keydown', {key, bubbles: true, cancelable: true});
    input.dispatchEvent(event);
    if (event.defaultPrevented) return;
    const start = input.selectionStart, end = input.selectionEnd;
    if (input.maxLength >= 0 && input.value.length - (end - start) >= input.maxLength) return;
    input.value = input.value.slice(0, start) + key + input.value.slice(end);
    input.setSelectionRange(start + 1, start + 1);
    input.dispatchEvent(new Event('input', {bubbles: true}));
});

EM_JS(void, jsClick, (int index), {
    const element = document.getElementById('vantry-e' + index);
    (element.classList.contains('vantry-check') ? element.querySelector('input') : element).click();
});

EM_JS(void, jsClickSelector, (const char* selector), {
    const element = document.querySelector(UTF8ToString(selector));
    if (element) element.click();
});

// The element's rectangle in the dialog's client area, in pixels.
EM_JS(void, jsBounds, (int index, int* out), {
    const client = Module.vantry.client(index).getBoundingClientRect();
    const box = (index < 0 ? Module.vantry.client(index) : document.getElementById('vantry-e' + index)).getBoundingClientRect();
    HEAP32[out >> 2] = Math.round(box.left - client.left);
    HEAP32[(out >> 2) + 1] = Math.round(box.top - client.top);
    HEAP32[(out >> 2) + 2] = Math.round(box.right - client.left);
    HEAP32[(out >> 2) + 3] = Math.round(box.bottom - client.top);
});

// Whether the box is what a person sees in its middle, and its text as it shows.
EM_JS(int, jsMessageBoxOnTop, (), {
    const box = document.querySelector('#vantry-message-box .vantry-box');
    if (!box) return 0;
    const r = box.getBoundingClientRect();
    const seen = document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2);
    return seen && box.contains(seen) ? 1 : 0;
});

EM_JS(int, jsFocusedIndex, (), {
    const active = document.activeElement;
    return active && active.closest('.vantry-frame') && active.dataset.index !== undefined ? Number(active.dataset.index)
                                                                                           : Module.vantry.dialogIndex;
});

EM_JS(int, jsMessageBoxShown, (), { return document.getElementById('vantry-message-box') ? 1 : 0; });

EM_JS(void, jsMessageBoxPart, (const char* selector, char* buffer, int capacity), {
    const part = document.querySelector('#vantry-message-box ' + UTF8ToString(selector));
    stringToUTF8(part ? part.textContent : "", buffer, capacity);  // cut to fit, always ended
});
// clang-format on

namespace vantry::framework {

namespace {

// The tests' program runs this backend: the page's own, whose modal run, instead of waiting for
// the page's events, runs the script it is given.
class AutomatedWebBackend : public IconRecordingBackend<WebBackend> {
public:
    NextDialogScript whenShown;  // runs once, in the next modal run
    PostedActions posted;

protected:
    void runMessageLoop(WebDialog& dialog) override {
        const std::function<void()> script = whenShown.take();
        if (!script) {
            WebBackend::runMessageLoop(dialog);
            return;
        }
        dialog.paintIfPending();
        script();
        if (!dialog.ended) dialog.events.command(kIdCancel);  // nobody is left to close it
    }
};

AutomatedWebBackend theBackend;

// The element with the focus, when it is one of the dialog's: its index, else the dialog's.
int focusedIndex() { return jsFocusedIndex(); }
bool messageBoxShown() { return jsMessageBoxShown() != 0; }

std::string messageBoxPart(const char* selector) {
    char text[2048];
    jsMessageBoxPart(selector, text, sizeof text);
    return std::string(text);
}

class WebAutomation : public Automation {
public:
    void runWhenShown(std::function<void()> script) override { backend_.whenShown.set(std::move(script)); }
    void post(std::function<void()> action) override { backend_.posted.post(std::move(action)); }

    void pump() override {
        if (WebDialog* dialog = backend_.runningDialog()) dialog->paintIfPending();
        backend_.posted.runAll();
        if (WebDialog* dialog = backend_.runningDialog()) dialog->paintIfPending();
    }

    // The page runs on while the program waits: no processor is used.
    void idle(std::chrono::milliseconds span) override {
        emscripten_sleep(static_cast<unsigned>(span.count()));
        pump();
    }

    bool tabReachesEveryControl() const override { return true; }

    void postKey(Key key) override {
        if (!backend_.runningDialog()) return;
        const bool tab = key == Key::Tab || key == Key::BackTab;
        jsDispatchKey(tab ? "Tab" : key == Key::Enter ? "Enter" : "Escape", key == Key::BackTab ? 1 : 0);
    }

    void type(int id, std::string_view characters) override {
        WebDialog* dialog = backend_.runningDialog();
        WebControl* control = dialog ? dialog->control(id) : nullptr;
        if (control == nullptr) return;
        web::Focus(control->index);
        for (char c : characters) jsTypeCharacter(control->index, static_cast<unsigned char>(c));
    }

    void click(int id) override {
        WebDialog* dialog = backend_.runningDialog();
        if (WebControl* control = dialog ? dialog->control(id) : nullptr) jsClick(control->index);
    }

    void clickCloseBox() override {
        if (WebDialog* dialog = backend_.runningDialog())
            jsClickSelector(dialog->level == 0
                                ? "#vantry-dialog .vantry-close"
                                : ("#vantry-dialog-" + std::to_string(dialog->level) + " .vantry-close").c_str());
    }

    bool canMinimise() const override { return false; }  // a page has no minimised state
    void setMinimised(bool) override {}

    bool dialogRunning() override { return backend_.runningDialog() != nullptr; }

    ControlState readControl(int id) override {
        WebDialog* dialog = backend_.runningDialog();
        WebControl* control = dialog && id != 0 ? dialog->control(id) : nullptr;
        if (dialog == nullptr || (id != 0 && control == nullptr)) return {};
        int bounds[4] = {};
        const int index = control ? control->index : dialog->dialogIndex();
        jsBounds(index, bounds);
        const bool checked = control && control->send(Msg::ButtonGetCheck, 0, 0) == kCheckSet;
        return {true, web::GetText(index), checked, control && focusedIndex() == index,
                Rect{bounds[0], bounds[1], bounds[2], bounds[3]}};
    }

    int focusedControl() override {
        WebDialog* dialog = backend_.runningDialog();
        WebControl* control = dialog ? dialog->controlAt(focusedIndex()) : nullptr;
        return control ? control->layout.id : 0;
    }

    ControlColours colours(int id, unsigned kind) override {
        WebDialog* dialog = backend_.runningDialog();
        return dialog ? backend_.askColours(dialog->events, dialog->control(id), kind) : ControlColours{};
    }

    std::optional<Point> lastIconDrawn() override { return backend_.lastIconDrawn(); }

    std::optional<MessageBoxState> messageBox() override {
        if (!messageBoxShown()) return std::nullopt;
        return MessageBoxState{messageBoxPart(".vantry-box-title"), messageBoxPart(".vantry-box-text"),
                               messageBoxPart(".vantry-box-buttons button") == "OK", jsMessageBoxOnTop() != 0};
    }

    void answerMessageBox() override { jsClickSelector("#vantry-message-box button"); }
    void answerQuestion(bool yes) override {
        const std::string answer = std::to_string(yes ? kIdYes : kIdNo);
        jsClickSelector(("#vantry-message-box button[data-answer=\"" + answer + "\"]").c_str());
    }
    void selectItem(int id, int line) override {
        WebDialog* dialog = backend_.runningDialog();
        if (WebControl* control = dialog ? dialog->control(id) : nullptr)
            jsClickSelector(
                ("#vantry-e" + std::to_string(control->index) + " > :nth-child(" + std::to_string(line + 1) + ")")
                    .c_str());
    }
    // The tests have no person to answer the page's file input.
    std::optional<FileChooserState> fileChooser() override { return std::nullopt; }
    void answerFileChooser(const std::optional<std::string>&) override {}

private:
    AutomatedWebBackend& backend_ = theBackend;
};

}  // namespace

WebBackend& TheWebBackend() { return theBackend; }

Automation& CurrentAutomation() {
    static WebAutomation automation;
    return automation;
}

}  // namespace vantry::framework
