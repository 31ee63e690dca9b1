#pragma once

#include <FL/Enumerations.H>

#include <string>

#include "ui/framework/dialog_template.h"
#include "ui/framework/emulated/dialog_units.h"

class Fl_Widget;

// Builds the FLTK widgets of a dialog from its template data, each placed from its dialog units
// converted with the dialog font's metrics, as Windows' dialog manager places its controls.

namespace vantry::framework {

struct DialogFont {
    Fl_Font face;
    int pixelSize;
    DialogBaseUnits base;
};

// Loads the template's font as FLTK font `face` and measures its dialog base units. FLTK keeps
// the name's pointer, so `faceName` must outlive every use of the font.
DialogFont LoadDialogFont(const DialogTemplate& dialog, Fl_Font face, const std::string& faceName);

// The widget of one control, created inside the FLTK group being built.
Fl_Widget* MakeControlWidget(const ControlTemplate& control, const DialogFont& font);

}  // namespace vantry::framework
