#pragma once

#include <cstdint>
#include <optional>

#include "ui/framework/backend.h"

// A backend as the tests link it: the program's own, also keeping where the dialog last drew its
// icon, which a minimised dialog shows and a test cannot read back from the screen. Only the
// automation units use it; the shipped programs run their backend as it is.

namespace vantry::framework {

template <class Base>
class IconRecordingBackend : public Base {
public:
    std::intptr_t runModal(const DialogTemplate& dialog, DialogEvents& events) override {
        lastIconDrawn_.reset();  // each run starts with nothing drawn
        return Base::runModal(dialog, events);
    }

    void drawIcon(DcHandle dc, int x, int y, IconHandle icon) override {
        lastIconDrawn_ = Point{x, y};
        Base::drawIcon(dc, x, y, icon);
    }

    std::optional<Point> lastIconDrawn() const { return lastIconDrawn_; }

private:
    std::optional<Point> lastIconDrawn_;
};

}  // namespace vantry::framework
