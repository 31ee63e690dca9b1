#pragma once

#include "ui/framework/backend.h"
#include "ui/framework/emulated/dialog_manager.h"
#include "ui/framework/emulated/dialog_units.h"
#include "ui/framework/emulated/emulated_peers.h"
#include "ui/framework/web/web_dom.h"

// The dialog and its controls as elements of a page, answering the dialog's messages as
// Windows' own controls do. The page's events reach them through vantry_web_* (web_events.cpp).

namespace vantry::framework {

class WebDialog;

class WebControl : public EmulatedControl {
public:
    WebControl(WebDialog& owner, const ControlTemplate& controlLayout, int elementIndex)
        : EmulatedControl(controlLayout), index(elementIndex), dialog(owner) {}

    void setText(std::string_view text) override;
    int getText(char* buffer, int maxCount) const override;
    void setFocus() override;
    void invalidate(bool) override {}
    void update() override {}  // the page shows a list's line as soon as it is added
    Rect clientRect() const override;

    const int index;  // in the template, and in the page
    WebDialog& dialog;

protected:
    EditSelection editSelection() const override;
    int editCaret() const override;
    int editLength() const override;
    void selectInEdit(EditSelection wanted) override;
    void limitEditText(int characters) override;
    void showLineNotes(const char* notes) override;
    void listEmptied() override;
    void listLineAdded(const char* line) override;
    void listSelectionChanged(int line) override;
    void showCheckMark(bool set) override;
    bool checkMarkShown() const override;
};

class WebDialog : public EmulatedDialog<WebControl> {
public:
    // `level`: 0 for the first dialog, 1 for one run above it, and so on.
    WebDialog(int level, const DialogTemplate& layout, DialogEvents& events, DialogBaseUnits base, int fontPixelSize);
    ~WebDialog() override;

    void setText(std::string_view text) override;
    int getText(char* buffer, int maxCount) const override;
    void setFocus() override;
    void invalidate(bool erase) override;
    void update() override { paintIfPending(); }
    bool isIconic() const override { return false; }  // a page is never minimised
    Rect clientRect() const override { return Rect{0, 0, width, height}; }

    WebControl* controlAt(int index);  // by its element index; nullptr for another dialog's
    int dialogIndex() const { return web::DialogIndex(level); }
    // The controls from template index `first` on, gone before the template is rewritten, or
    // made from it, the dialog sized to it.
    void removeControlsFrom(std::size_t first);
    void addControlsFrom(std::size_t first);
    void paintIfPending();
    // The dialog manager's answer to a key pressed on the element `index`. Returns whether the
    // dialog took it, and the page must not handle it itself.
    bool pressKey(int index, DialogKey key);
    // Whether the edit `index` refuses the character typed into it, as ES_NUMBER refuses what is
    // not a digit; the page must then not insert it.
    bool refusesCharacter(int index, char32_t character);

    const int level;
    DialogBaseUnits base;
    int width;
    int height;

protected:
    // The page shows the small icon, in the title bar, as Windows does.
    void showIcon(IconHandle icon, bool big) override;

private:
    void createElements(std::size_t first);
    void nameElements(std::size_t first);
    void fitToPage();
};

}  // namespace vantry::framework
