#include "dialog_driver.h"
#include "framework/headless/headless_backend.h"

namespace {

class HeadlessDriver : public DialogDriver {
public:
    HeadlessDriver() : backend_(TheHeadlessBackend()) {
        backend_.messageBoxes.clear();
        backend_.drawnIcons.clear();
    }

    std::intptr_t run(CDialog& dialog, const std::function<void()>& script) override {
        backend_.script = script;
        return dialog.DoModal();
    }

    void type(int id, std::string_view keys) override { backend_.type(id, keys); }
    void paste(int id, std::string_view text) override { backend_.setText(id, text); }
    void click(int id) override { backend_.click(id); }
    void pressEscape() override { backend_.cancel(); }
    void clickCloseBox() override { backend_.cancel(); }
    void pump() override { backend_.pump(); }
    void minimise(bool minimised) override { backend_.minimise(minimised); }
    int focusedId() override { return backend_.dialog() ? backend_.dialog()->focusedId : 0; }

    Colours colours(int id, unsigned kind) override {
        const HeadlessBackend::Colours c = backend_.ctlColours(id, kind);
        return {c.background, c.brush};
    }

    std::vector<DrawnIcon> drawnIcons() override {
        std::vector<DrawnIcon> icons;
        for (const ::DrawnIcon& icon : backend_.drawnIcons)
            if (icon.icon == backend_.appIcon()) icons.push_back({icon.x, icon.y});
        return icons;
    }

    std::vector<std::string> messageBoxes() override { return backend_.messageBoxes; }

    bool refuseListStorage() override {
        backend_.refuseListStorageOnNextRun = true;
        return true;
    }

    bool refuseListLine(int nthFromNow) override {
        if (!backend_.dialog()) return false;
        backend_.dialog()->control(3001)->refuseAddCountdown = nthFromNow;
        return true;
    }

private:
    HeadlessBackend& backend_;
};

}  // namespace

std::unique_ptr<DialogDriver> MakeDialogDriver() { return std::make_unique<HeadlessDriver>(); }
