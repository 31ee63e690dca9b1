#include "ui/framework/emulated/emulated_gdi.h"

namespace vantry::framework {

IconHandle EmulatedGdiBackend::loadIcon(const ResourceModule& module, int resourceId) {
    std::unique_ptr<EmulatedIcon>& icon = icons_[{&module, resourceId}];
    if (!icon) {
        const IconResource* resource = module.findIcon(resourceId);
        const IconImage* image = resource ? IconImageNearest(*resource, kIconSize) : nullptr;
        if (image == nullptr) return nullptr;
        icon = std::make_unique<EmulatedIcon>(EmulatedIcon{image->size, IconRgba(*image)});
    }
    return icon.get();
}

BrushHandle EmulatedGdiBackend::createSolidBrush(Colour colour) {
    auto owned = std::make_unique<Colour>(colour);
    BrushHandle handle = owned.get();
    brushes_.emplace(handle, std::move(owned));
    return handle;
}

void EmulatedGdiBackend::deleteBrush(BrushHandle brush) { brushes_.erase(brush); }

Colour EmulatedGdiBackend::brushColour(BrushHandle brush) const {
    auto found = brushes_.find(brush);
    return found == brushes_.end() ? kNoBrush : *found->second;
}

int EmulatedGdiBackend::systemMetric(int index) {
    return index == Metric::IconWidth || index == Metric::IconHeight ? kIconSize : 0;
}

DcHandle EmulatedGdiBackend::beginPaint(WindowPeer&) { return &paintDc_; }

void EmulatedGdiBackend::endPaint(WindowPeer&, DcHandle) {}

void EmulatedGdiBackend::setBackgroundColour(DcHandle dc, Colour colour) { static_cast<Dc*>(dc)->background = colour; }

void EmulatedGdiBackend::drawIcon(DcHandle, int x, int y, IconHandle icon) {
    if (const EmulatedIcon* image = iconOf(icon)) showIcon(x, y, *image);
}

ControlColours EmulatedGdiBackend::askColours(DialogEvents& events, WindowPeer* control, unsigned kind) {
    Dc dc;
    const BrushHandle brush = events.ctlColor(&dc, control, kind);
    return {dc.background, brushColour(brush)};
}

}  // namespace vantry::framework
