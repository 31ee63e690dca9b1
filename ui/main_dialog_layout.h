#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "ui/framework/dialog_template.h"

namespace vantry::app {

// A text shown as a control's label exactly as it is: a method's name may hold "&", which on its
// own would mark the next letter as the control's key.
std::string LiteralLabel(std::string_view text);

// The main dialog's template as it runs: the resource template's own controls, which never move,
// then the button that opens the methods window and a check box for each installed method
// offered, in rows below the results list. The dialog grows by those rows and nothing else.
class MainDialogLayout {
public:
    static constexpr std::size_t kMostOwnMethods = 20;
    static constexpr int kOwnMethodColumns = 2;

    MainDialogLayout();
    MainDialogLayout(const MainDialogLayout&) = delete;
    MainDialogLayout& operator=(const MainDialogLayout&) = delete;

    // The resource template alone, as the dialog is created from it.
    void showResourceControls();
    // The added controls, with a box for each of the first kMostOwnMethods names.
    void offer(const std::vector<std::string>& ownMethodNames);

    const framework::DialogTemplate& dialogTemplate() const { return template_; }
    // How many controls are the resource template's: those before the added ones.
    std::size_t resourceControlCount() const { return resourceCount_; }
    std::size_t ownMethodCount() const { return ownCount_; }

private:
    static constexpr std::size_t kMostControls = 32 + 1 + kMostOwnMethods;

    std::size_t resourceCount_ = 0;
    std::size_t ownCount_ = 0;
    std::array<framework::ControlTemplate, kMostControls> controls_{};
    std::array<std::string, kMostOwnMethods> ownNames_;
    std::array<int, 3 + kMostOwnMethods> methodBoxes_{};
    std::array<framework::ControlGroup, 1> groups_{};
    std::array<framework::ControlName, 2> names_{};
    framework::DialogTemplate template_{};
};

}  // namespace vantry::app
