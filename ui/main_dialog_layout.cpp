#include "ui/main_dialog_layout.h"

#include <algorithm>

#include "ui/framework/window_types.h"
#include "ui/vantry_resources.h"

namespace vantry::app {

namespace {

using namespace framework::Style;
using framework::ControlKind;
namespace Id = ControlId;

// The button sits in the one free place of the dialog, right of the second note, as a Windows
// dialog's "..." button sits beside what it opens more of. Its name for screen readers says what.
constexpr framework::ControlTemplate kMethodsButton = {
    Id::PayoutMethods, ControlKind::PushButton, "...", 258, 71, 11, 14, BsPushButton, 0};
constexpr std::string_view kMethodsButtonName = "Payout methods";

// The rows of own methods start below the list (which ends at 228).
constexpr int kOwnRowsTop = 231;
constexpr int kOwnRowHeight = 11;
constexpr int kOwnBoxHeight = 10;
constexpr int kOwnColumnWidth = 134;

}  // namespace

std::string LiteralLabel(std::string_view text) {
    std::string label;
    for (const char c : text) {
        if (c == '&') label += '&';  // "&&" shows one "&", where one alone marks a key to press
        label += c;
    }
    return label;
}

MainDialogLayout::MainDialogLayout() {
    const framework::DialogTemplate& resource = MainDialogTemplate();
    resourceCount_ = std::min(resource.controls.size(), controls_.size() - 1 - kMostOwnMethods);
    std::copy_n(resource.controls.begin(), resourceCount_, controls_.begin());
    template_ = resource;
    showResourceControls();
}

void MainDialogLayout::showResourceControls() {
    const framework::DialogTemplate& resource = MainDialogTemplate();
    template_.controls = std::span(controls_.data(), resourceCount_);
    template_.height = resource.height;
    template_.groups = resource.groups;
    template_.names = resource.names;
    ownCount_ = 0;
}

void MainDialogLayout::offer(const std::vector<std::string>& ownMethodNames) {
    const framework::DialogTemplate& resource = MainDialogTemplate();
    ownCount_ = std::min(ownMethodNames.size(), kMostOwnMethods);
    std::size_t count = resourceCount_;
    controls_[count++] = kMethodsButton;

    std::size_t members = 0;
    for (const int id : resource.groups.front().members)
        if (members < methodBoxes_.size() - kMostOwnMethods) methodBoxes_[members++] = id;
    for (std::size_t i = 0; i < ownCount_; ++i) {
        ownNames_[i] = LiteralLabel(ownMethodNames[i]);
        const int column = static_cast<int>(i) % kOwnMethodColumns;
        const int row = static_cast<int>(i) / kOwnMethodColumns;
        const int id = Id::OwnMethodFirst + static_cast<int>(i);
        controls_[count++] = {id,
                              ControlKind::CheckBox,
                              ownNames_[i],
                              2 + column * kOwnColumnWidth,
                              kOwnRowsTop + row * kOwnRowHeight,
                              kOwnColumnWidth - 2,
                              kOwnBoxHeight,
                              BsAutoCheckBox | BsNotify,
                              0};
        methodBoxes_[members++] = id;
    }
    const int rows = static_cast<int>((ownCount_ + kOwnMethodColumns - 1) / kOwnMethodColumns);

    template_.controls = std::span(controls_.data(), count);
    template_.height = rows == 0 ? resource.height : kOwnRowsTop + rows * kOwnRowHeight;
    groups_[0] = {resource.groups.front().name, std::span(methodBoxes_.data(), members)};
    template_.groups = groups_;
    std::size_t nameCount = 0;
    for (const framework::ControlName& name : resource.names)
        if (nameCount < names_.size() - 1) names_[nameCount++] = name;
    names_[nameCount++] = {Id::PayoutMethods, kMethodsButtonName};
    template_.names = std::span(names_.data(), nameCount);
}

}  // namespace vantry::app
