#include "dialog_driver.h"
#include "framework/win32/win32_backend.h"

namespace {

constexpr unsigned kVirtualKeyEscape = 0x1B;  // VK_ESCAPE

class Win32Driver : public DialogDriver {
public:
    Win32Driver() : backend_(TheWin32Backend()) {
        backend_.messageBoxes.clear();
        backend_.dismissMessageBoxes = true;
    }

    std::intptr_t run(CDialog& dialog, const std::function<void()>& script) override {
        backend_.script = script ? script : [] {};
        return dialog.DoModal();
    }

    void type(int id, std::string_view keys) override { backend_.type(id, keys); }
    void paste(int id, std::string_view text) override { backend_.paste(id, text); }
    void click(int id) override { backend_.click(id); }
    void pressEscape() override { backend_.pressKey(kVirtualKeyEscape); }
    void clickCloseBox() override { backend_.closeBox(); }
    void pump() override { backend_.pump(); }
    void minimise(bool minimised) override { backend_.minimise(minimised); }
    int focusedId() override { return backend_.focusedId(); }

    Colours colours(int id, unsigned kind) override {
        const Win32Backend::Colours c = backend_.ctlColours(id, kind);
        return {c.background, c.brush};
    }

    std::vector<DrawnIcon> drawnIcons() override {
        std::vector<DrawnIcon> icons;
        for (const auto& icon : backend_.drawnIcons) icons.push_back({icon.x, icon.y});
        return icons;
    }

    std::vector<std::string> messageBoxes() override { return backend_.messageBoxes; }

    bool refuseListStorage() override { return false; }  // a real list box does not fail on demand
    bool refuseListLine(int) override { return false; }

private:
    Win32Backend& backend_;
};

}  // namespace

std::unique_ptr<DialogDriver> MakeDialogDriver() { return std::make_unique<Win32Driver>(); }
