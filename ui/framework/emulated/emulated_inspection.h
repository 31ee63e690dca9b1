#pragma once

#include <cstddef>

#include "ui/framework/emulated/emulated_gdi.h"
#include "ui/framework/emulated/emulated_peers.h"

// What the tests look at inside the emulated layer that no backend asks: whether a paint is
// queued, how many brushes are alive. The automation and the tests include this; no file of a
// program does.

namespace vantry::framework {

class EmulatedInspection {
public:
    template <class Control>
    static bool paintPending(const EmulatedDialog<Control>& dialog) {
        return dialog.paintPending_;
    }

    static std::size_t liveBrushes(const EmulatedGdiBackend& gdi) { return gdi.brushes_.size(); }
};

}  // namespace vantry::framework
