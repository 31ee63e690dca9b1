#pragma once

#include <string>

#include "ui/framework/emulated/emulated_gdi.h"

// The dialog as a native Linux window, built with FLTK from the template data, reproducing the
// Windows behaviours the dialog relies on.

namespace vantry::framework {

class FltkDialog;
class FltkInspection;

class FltkBackend : public EmulatedGdiBackend {
public:
    std::intptr_t runModal(const DialogTemplate& dialogTemplate, DialogEvents& events) override;
    void endModal(WindowPeer& dialog, std::intptr_t result) override;
    void defaultPaint(WindowPeer&) override {}  // FLTK draws the window and its controls itself
    int messageBox(WindowPeer* owner, std::string_view text, std::string_view caption, unsigned type) override;
    std::optional<std::string> chooseFileToOpen(WindowPeer* owner, std::string_view title,
                                                std::string_view pattern) override;
    void removeControlsFrom(WindowPeer& dialog, std::size_t first) override;
    void addControlsFrom(WindowPeer& dialog, std::size_t first) override;
    void waitWhile(const std::function<bool()>& running) override;

protected:
    void showIcon(int x, int y, const EmulatedIcon& icon) override;

private:
    friend class FltkInspection;  // the tests' look inside (fltk_inspection.h)

    FltkDialog* dialogOf(WindowPeer* owner);  // the dialog a box of `owner` belongs to

    FltkDialog* dialog_ = nullptr;  // the dialog on top
    std::string fontFace_;          // FLTK keeps the pointer to the face name it is given
};

// The program's one backend: the window program's (fltk_main.cpp) or the tests' (fltk_automation.cpp).
FltkBackend& TheFltkBackend();

}  // namespace vantry::framework
