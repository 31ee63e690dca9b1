#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "ui/framework/backend.h"

// GDI for the backends that draw with something else (in memory, FLTK, a browser): a brush is
// its colour, a device context keeps the background colour a handler sets, an icon is the image
// of the module's icon group at the desktop's icon size, and the metrics are those of a 96-dpi
// Windows desktop. Each such backend derives from this and supplies the windows.

namespace vantry::framework {

struct EmulatedIcon {
    int size;                        // width and height in pixels
    std::vector<std::uint8_t> rgba;  // red, green, blue, alpha, row by row from the top
};

class EmulatedGdiBackend : public Backend {
public:
    static constexpr Colour kNoBrush = 0xFFFFFFFFu;  // the colour of a brush that does not exist
    static constexpr int kIconSize = 32;             // SM_CXICON and SM_CYICON

    IconHandle loadIcon(const ResourceModule& module, int resourceId) override;
    BrushHandle createSolidBrush(Colour colour) override;
    void deleteBrush(BrushHandle brush) override;
    int systemMetric(int index) override;
    DcHandle beginPaint(WindowPeer& window) override;
    void endPaint(WindowPeer& window, DcHandle dc) override;
    void setBackgroundColour(DcHandle dc, Colour colour) override;
    void drawIcon(DcHandle dc, int x, int y, IconHandle icon) override;

    static const EmulatedIcon* iconOf(IconHandle icon) { return static_cast<const EmulatedIcon*>(icon); }
    Colour brushColour(BrushHandle brush) const;

    // Asks `events`' dialog for the colours of `control` (nullptr: the dialog), as Windows asks
    // with WM_CTLCOLOR* before a control of `kind` paints.
    ControlColours askColours(DialogEvents& events, WindowPeer* control, unsigned kind);

protected:
    // Puts the icon's pixels on the window being painted, where the backend can show them.
    virtual void showIcon(int /*x*/, int /*y*/, const EmulatedIcon& /*icon*/) {}

private:
    friend class EmulatedInspection;  // the tests' look inside (emulated_inspection.h)

    struct Dc {
        Colour background = 0;
    };
    std::map<BrushHandle, std::unique_ptr<Colour>> brushes_;
    std::map<std::pair<const ResourceModule*, int>, std::unique_ptr<EmulatedIcon>> icons_;
    Dc paintDc_;
};

}  // namespace vantry::framework
