#include <FL/Fl.H>

#include "dialog_driver.h"
#include "framework/fltk/fltk_backend.h"

namespace {

class FltkDriver : public DialogDriver {
public:
    FltkDriver() : backend_(TheFltkBackend()) {
        backend_.messageBoxes.clear();
        backend_.drawnIcons.clear();
        backend_.dismissMessageBoxes = true;
    }

    std::intptr_t run(CDialog& dialog, const std::function<void()>& script) override {
        backend_.script = script;
        return dialog.DoModal();
    }

    void type(int id, std::string_view keys) override {
        backend_.type(id, keys);
        backend_.pump();
    }
    void paste(int id, std::string_view text) override { backend_.paste(id, text); }
    void click(int id) override { backend_.click(id); }
    void pressEscape() override { backend_.key(FL_Escape); }
    void clickCloseBox() override { backend_.closeBox(); }
    void pump() override { backend_.pump(); }
    void minimise(bool minimised) override { backend_.minimise(minimised); }
    int focusedId() override { return backend_.focusedId(); }

    Colours colours(int id, unsigned kind) override {
        const FltkBackend::Colours c = backend_.ctlColours(id, kind);
        return {c.background, c.brush};
    }

    std::vector<DrawnIcon> drawnIcons() override {
        std::vector<DrawnIcon> icons;
        for (const auto& icon : backend_.drawnIcons) icons.push_back({icon.x, icon.y});
        return icons;
    }

    std::vector<std::string> messageBoxes() override { return backend_.messageBoxes; }

    bool refuseListStorage() override { return false; }  // a real list does not fail on demand
    bool refuseListLine(int) override { return false; }

private:
    FltkBackend& backend_;
};

}  // namespace

std::unique_ptr<DialogDriver> MakeDialogDriver() { return std::make_unique<FltkDriver>(); }
