#pragma once

#include <cstddef>
#include <map>
#include <memory>

#include "window_types.h"

// Solid brushes for backends without GDI: a brush is its colour, owned here until deleted.
class BrushTable {
public:
    static constexpr Colour kNoBrush = 0xFFFFFFFFu;  // the colour of a brush that does not exist

    BrushHandle create(Colour colour) {
        auto owned = std::make_unique<Colour>(colour);
        BrushHandle handle = owned.get();
        brushes_.emplace(handle, std::move(owned));
        return handle;
    }
    void remove(BrushHandle brush) { brushes_.erase(brush); }
    Colour colour(BrushHandle brush) const {
        auto found = brushes_.find(brush);
        return found == brushes_.end() ? kNoBrush : *found->second;
    }
    std::size_t size() const { return brushes_.size(); }

private:
    std::map<BrushHandle, std::unique_ptr<Colour>> brushes_;
};
