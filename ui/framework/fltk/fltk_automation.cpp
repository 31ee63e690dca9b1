#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Browser.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_File_Chooser.H>
#include <FL/Fl_File_Input.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Window.H>
#include <FL/x.H>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <string>

#include "ui/framework/automation.h"
#include "ui/framework/emulated/emulated_inspection.h"
#include "ui/framework/fltk/fltk_backend.h"
#include "ui/framework/fltk/fltk_inspection.h"
#include "ui/framework/fltk/fltk_peers.h"
#include "ui/framework/fltk/message_box.h"
#include "ui/framework/posted_actions.h"
#include "ui/framework/recording_backend.h"

// Drives the real FLTK window through FLTK's own event entry points, as the X server's events
// would, and does for the window what a window manager would do where the test display has none.

namespace vantry::framework {

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kPumpLimit = std::chrono::seconds(5);
constexpr auto kShowLimit = std::chrono::seconds(10);
constexpr double kLookDelaySeconds = 0.001;

// The child of the root window that holds `window`: what the X server stacks.
::Window topLevelOf(::Window window) {
    for (;;) {
        ::Window root = 0, parent = 0, *children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(fl_display, window, &root, &parent, &children, &count)) return window;
        if (children) XFree(children);
        if (parent == root || parent == 0) return window;
        window = parent;
    }
}

// Whether `upper` is stacked above `lower` among the root window's children.
bool stackedAbove(const Fl_Window& upper, const Fl_Window& lower) {
    const ::Window upperTop = topLevelOf(fl_xid(&upper));
    const ::Window lowerTop = topLevelOf(fl_xid(&lower));
    ::Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(fl_display, DefaultRootWindow(fl_display), &root, &parent, &children, &count)) return false;
    int upperAt = -1, lowerAt = -1;  // bottom to top
    for (unsigned i = 0; i < count; ++i) {
        if (children[i] == upperTop) upperAt = static_cast<int>(i);
        if (children[i] == lowerTop) lowerAt = static_cast<int>(i);
    }
    if (children) XFree(children);
    return upperAt > lowerAt && lowerAt >= 0;
}

// The tests' program runs the window's own backend, keeping where it last drew its icon.
IconRecordingBackend<FltkBackend> theBackend;

class FltkAutomation : public Automation {
public:
    void runWhenShown(std::function<void()> script) override {
        script_.set(std::move(script));
        Fl::add_timeout(
            0.0, [](void* self) { static_cast<FltkAutomation*>(self)->startScript(); }, this);
    }

    void post(std::function<void()> action) override {
        posted_.post(std::move(action));
        Fl::add_timeout(
            0.0, [](void* self) { static_cast<FltkAutomation*>(self)->posted_.runNext(); }, this);
    }

    // FLTK runs a timeout added by a timeout's callback in the same pass when it is due at once:
    // one that keeps posting itself would hold the loop. A millisecond lets the loop look first.
    void postAfterALook(std::function<void()> action) override {
        posted_.post(std::move(action));
        Fl::add_timeout(
            kLookDelaySeconds, [](void* self) { static_cast<FltkAutomation*>(self)->posted_.runNext(); }, this);
    }

    void pump() override {
        const auto deadline = Clock::now() + kPumpLimit;
        for (;;) {
            if (Clock::now() >= deadline) {
                tell("pump: the window still had events to handle after 5 s");
                return;
            }
            Fl::flush();
            if (fl_display) XSync(fl_display, False);  // every event the server owes us is queued
            bool handled = false;
            while (Fl::ready()) {
                Fl::check();
                handled = true;
            }
            if (FltkDialog* dialog = running(); dialog && EmulatedInspection::paintPending(*dialog)) {
                dialog->paintIfPending();
                handled = true;
            }
            if (!handled && !Fl::damage()) return;
        }
    }

    void idle(std::chrono::milliseconds span) override {
        const auto deadline = Clock::now() + span;
        for (auto now = Clock::now(); now < deadline; now = Clock::now())
            Fl::wait(std::chrono::duration<double>(deadline - now).count());
    }

    void postKey(Key key) override {
        FltkDialog* dialog = running();
        if (dialog == nullptr) return;
        const bool tab = key == Key::Tab || key == Key::BackTab;
        const int keysym = tab ? FL_Tab : key == Key::Enter ? FL_Enter : FL_Escape;
        sendKey(*dialog, keysym, "", key == Key::BackTab ? FL_SHIFT : 0);
    }

    void type(int id, std::string_view characters) override {
        FltkDialog* dialog = running();
        FltkControl* control = dialog ? dialog->control(id) : nullptr;
        if (control == nullptr) return;
        if (Fl::focus() != control->widget) control->widget->take_focus();
        // A keystroke a character: the bytes of one UTF-8 character come in one event, as an X
        // keyboard or an input method hands them over.
        for (std::size_t i = 0; i < characters.size();) {
            const auto lead = static_cast<unsigned char>(characters[i]);
            const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
            const std::string character(characters.substr(i, length));
            sendKey(*dialog, length == 1 ? lead : 0, character.c_str());
            i += length;
        }
    }

    void click(int id) override {
        FltkDialog* dialog = running();
        FltkControl* control = dialog ? dialog->control(id) : nullptr;
        if (control) clickWidget(*dialog->window, *control->widget);
    }

    void clickCloseBox() override {
        // What a window manager does for the close box: WM_DELETE_WINDOW, which FLTK hands on as FL_CLOSE.
        if (FltkDialog* dialog = running()) Fl::handle(FL_CLOSE, dialog->window.get());
    }

    void setMinimised(bool minimised) override {
        FltkDialog* dialog = running();
        if (dialog == nullptr) return;
        Fl_Window& window = *dialog->window;
        if (minimised) {
            window.iconize();
            pump();
            // With no window manager nobody answers the request: take the window off the screen.
            if (window.visible()) XUnmapWindow(fl_display, fl_xid(&window));
        } else {
            window.show();
        }
        pump();
        dialog->invalidate(true);  // the paint a minimised dialog was given, so its icon is drawn
    }

    bool dialogRunning() override { return running() != nullptr; }

    ControlState readControl(int id) override {
        FltkDialog* dialog = FltkInspection::dialog(TheFltkBackend());
        if (dialog == nullptr) return {};
        if (id == 0) {
            const Fl_Window& w = *dialog->window;
            return {true, w.label() ? w.label() : "", false, false, Rect{0, 0, w.w(), w.h()}};
        }
        FltkControl* control = dialog->control(id);
        if (control == nullptr) return {};
        const Fl_Widget& w = *control->widget;
        char text[1024];
        control->getText(text, sizeof text);
        const bool checked = control->send(Msg::ButtonGetCheck, 0, 0) == kCheckSet;
        return {true, text, checked, Fl::focus() == &w, Rect{w.x(), w.y(), w.x() + w.w(), w.y() + w.h()}};
    }

    int focusedControl() override {
        FltkDialog* dialog = FltkInspection::dialog(TheFltkBackend());
        FltkControl* control = dialog ? dialog->controlOf(Fl::focus()) : nullptr;
        return control ? control->layout.id : 0;
    }

    ControlColours colours(int id, unsigned kind) override {
        FltkDialog* dialog = FltkInspection::dialog(TheFltkBackend());
        if (dialog == nullptr) return {};
        return TheFltkBackend().askColours(dialog->events, dialog->control(id), kind);
    }

    std::optional<Point> lastIconDrawn() override { return theBackend.lastIconDrawn(); }

    std::optional<MessageBoxState> messageBox() override {
        FltkMessageBox* box = FltkInspection::openMessageBox();
        if (box == nullptr) return std::nullopt;
        pump();
        // Read from what shows: the window's title, the text's widget, the button.
        FltkDialog* dialog = FltkInspection::dialog(TheFltkBackend());
        const Fl_Button& ok = FltkInspection::okButton(*box);
        const Fl_Box& message = FltkInspection::message(*box);
        const bool question = FltkInspection::isQuestion(*box);
        const bool hasOk = ok.visible() && ok.label() && std::string(ok.label()) == "OK";
        Fl_Window& window = FltkInspection::window(*box);
        const bool above = dialog && stackedAbove(window, *dialog->window);
        const char* caption = window.label();
        // The text as given, where it shows: the box breaks it into lines to fit.
        const std::string text = message.visible() && message.label() ? FltkInspection::text(*box) : "";
        return MessageBoxState{caption ? caption : "", text, hasOk, above, question};
    }

    void answerMessageBox() override {
        if (FltkMessageBox* box = FltkInspection::openMessageBox())
            clickWidget(FltkInspection::window(*box), FltkInspection::okButton(*box));
    }

    void answerQuestion(bool yes) override {
        FltkMessageBox* box = FltkInspection::openMessageBox();
        if (box == nullptr) return;
        Fl_Button* button = yes ? &FltkInspection::okButton(*box) : FltkInspection::noButton(*box);
        if (button) clickWidget(FltkInspection::window(*box), *button);
    }

    // The line chosen as a click on it chooses it: the browser selects it and says so.
    void selectItem(int id, int index) override {
        FltkDialog* dialog = running();
        FltkControl* control = dialog ? dialog->control(id) : nullptr;
        if (control == nullptr) return;
        auto* browser = static_cast<Fl_Browser*>(control->widget);
        browser->take_focus();
        browser->value(index + 1);
        browser->do_callback();
    }

    // FLTK's own chooser (the automation turns GTK's off): its window, named by its title.
    std::optional<FileChooserState> fileChooser() override {
        Fl_Window* window = chooserWindow();
        if (window == nullptr) return std::nullopt;
        return FileChooserState{window->label() ? window->label() : ""};
    }

    // The chooser is FLTK's Fl_File_Chooser, which its window carries as its user data: the file
    // goes into its name field and the chooser closes, as its OK does; its close box cancels it.
    void answerFileChooser(const std::optional<std::string>& file) override {
        Fl_Window* window = chooserWindow();
        if (window == nullptr) return;
        if (!file) {
            Fl::handle(FL_CLOSE, window);
            return;
        }
        auto* chooser = static_cast<Fl_File_Chooser*>(window->user_data());
        chooser->value(file->c_str());
        chooser->hide();
    }

private:
    static Fl_Window* chooserWindow() {
        for (Fl_Window* window = Fl::first_window(); window != nullptr; window = Fl::next_window(window)) {
            if (!window->shown()) continue;
            if (findChild<Fl_File_Input>(*window, [](Fl_File_Input&) { return true; })) return window;
        }
        return nullptr;
    }

    template <class Widget, class Test>
    static Widget* findChild(Fl_Group& group, Test&& test) {
        for (int i = 0; i < group.children(); ++i) {
            Fl_Widget* child = group.child(i);
            if (auto* wanted = dynamic_cast<Widget*>(child); wanted && test(*wanted)) return wanted;
            if (Fl_Group* inner = child->as_group())
                if (Widget* found = findChild<Widget>(*inner, test)) return found;
        }
        return nullptr;
    }

    FltkDialog* running() {
        FltkDialog* dialog = FltkInspection::dialog(TheFltkBackend());
        return dialog && !dialog->ended ? dialog : nullptr;
    }

    void sendKey(FltkDialog& dialog, int keysym, const char* text, int state = 0) {
        const std::size_t length = std::min(std::strlen(text), sizeof keyText_ - 1);
        std::memcpy(keyText_, text, length);
        keyText_[length] = '\0';
        Fl::e_keysym = keysym;
        Fl::e_text = keyText_;
        Fl::e_length = static_cast<int>(std::strlen(keyText_));
        Fl::e_state = state;
        Fl::handle(FL_KEYBOARD, dialog.window.get());
        Fl::e_state = 0;
        keyText_[0] = '\0';
        Fl::e_length = 0;
    }

    // A press and a release of the left button in the middle of `widget`.
    static void clickWidget(Fl_Window& window, Fl_Widget& widget) {
        Fl::e_x = widget.x() + widget.w() / 2;
        Fl::e_y = widget.y() + widget.h() / 2;
        Fl::e_x_root = window.x() + Fl::e_x;
        Fl::e_y_root = window.y() + Fl::e_y;
        Fl::e_keysym = FL_Button + FL_LEFT_MOUSE;
        Fl::e_state = FL_BUTTON1;
        Fl::e_is_click = 1;
        Fl::handle(FL_PUSH, &window);
        Fl::e_state = 0;
        if (window.shown()) Fl::handle(FL_RELEASE, &window);
    }

    void startScript() {
        // Wait, boundedly, for the window to be mapped and its first paint handled.
        const auto deadline = Clock::now() + kShowLimit;
        FltkDialog* dialog = running();
        while (dialog && Clock::now() < deadline) {
            pump();
            if (dialog->window->visible() && !EmulatedInspection::paintPending(*dialog) && !dialog->window->damage())
                break;
            Fl::wait(std::chrono::duration<double>(deadline - Clock::now()).count());  // until an event
            dialog = running();
        }
        const std::function<void()> script = script_.take();
        if (dialog == nullptr || !dialog->window->visible()) {
            tell("the dialog's window was not shown within 10 s: its script did not run");
        } else if (script) {
            script();
        }
        if (running()) clickCloseBox();
    }

    NextDialogScript script_;
    PostedActions posted_;  // one timer per post, so each loop that looks runs one
    char keyText_[8] = {};  // one character, UTF-8
};

FltkAutomation theAutomation;

}  // namespace

FltkBackend& TheFltkBackend() {
    // The tests drive FLTK's own file chooser; GTK's, where FLTK would use it, is out of their reach.
    static const bool ownChooser = (Fl::option(Fl::OPTION_FNFC_USES_GTK, false), true);
    (void)ownChooser;
    return theBackend;
}
Automation& CurrentAutomation() { return theAutomation; }

}  // namespace vantry::framework
