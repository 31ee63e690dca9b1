#include "ui/framework/fltk/widget_factory.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Browser.H>
#include <FL/fl_draw.H>

#include "ui/framework/emulated/control_styles.h"
#include "ui/framework/fltk/check_box.h"
#include "ui/framework/fltk/edit_field.h"
#include "ui/framework/fltk/push_button.h"
#include "ui/framework/window_types.h"

namespace vantry::framework {

namespace {

Fl_Widget* makeEdit(const ControlTemplate& c, int x, int y, int w, int h, const DialogFont& font) {
    auto* edit = new EditField(x, y, w, h, c.style);
    edit->textfont(font.face);
    edit->textsize(font.pixelSize);
    return edit;
}

Fl_Widget* makePushButton(const ControlTemplate& c, int x, int y, int w, int h) {
    auto* button = new PushButton(x, y, w, h, IsFramedAsDefault(c));
    if (IsFlatButton(c)) button->box(FL_FLAT_BOX);
    button->align(FL_ALIGN_CENTER | FL_ALIGN_INSIDE | FL_ALIGN_WRAP | FL_ALIGN_CLIP);
    return button;
}

Fl_Widget* makeStatic(const ControlTemplate& c, int x, int y, int w, int h) {
    auto* label = new Fl_Box(x, y, w, h);
    const bool centred = IsCentredVertically(c);
    label->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_WRAP | FL_ALIGN_CLIP | (centred ? 0 : FL_ALIGN_TOP));
    return label;
}

Fl_Widget* makeListBox(const ControlTemplate& c, int x, int y, int w, int h, const DialogFont& font) {
    auto* list = new Fl_Browser(x, y, w, h);
    // LBS_NOSEL: nothing can be selected; else one line at a time, which stays selected.
    list->type((c.style & Style::LbsNoSel) != 0 ? FL_NORMAL_BROWSER : FL_HOLD_BROWSER);
    list->when(FL_WHEN_CHANGED);
    // Lines are shown exactly as they are: FLTK's format codes are keyed to a character no line
    // holds. (Not 0, which makes FLTK read past the end of an empty line.)
    list->format_char('\x01');
    list->has_scrollbar(Fl_Browser_::BOTH);
    list->textfont(font.face);
    list->textsize(font.pixelSize);
    list->box(FL_DOWN_BOX);
    return list;
}

}  // namespace

DialogFont LoadDialogFont(const DialogTemplate& dialog, Fl_Font face, const std::string& faceName) {
    Fl::set_font(face, faceName.c_str());
    const int pixelSize = FontPixelHeight(dialog.fontPointSize);
    fl_font(face, pixelSize);
    const double alphabet = fl_width(kAverageWidthAlphabet.data(), static_cast<int>(kAverageWidthAlphabet.size()));
    return {face, pixelSize, MeasuredBaseUnits(alphabet, fl_height())};
}

Fl_Widget* MakeControlWidget(const ControlTemplate& c, const DialogFont& font) {
    const int x = DialogUnitsToPixelsX(c.x, font.base);
    const int y = DialogUnitsToPixelsY(c.y, font.base);
    const int w = DialogUnitsToPixelsX(c.width, font.base);
    const int h = DialogUnitsToPixelsY(c.height, font.base);
    Fl_Widget* widget = nullptr;
    switch (c.kind) {
        case ControlKind::Edit: widget = makeEdit(c, x, y, w, h, font); break;
        case ControlKind::PushButton: widget = makePushButton(c, x, y, w, h); break;
        case ControlKind::CheckBox:
            widget = new CheckBox(x, y, w, h, IsAutoCheckBox(c));
            widget->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
            break;
        case ControlKind::Static: widget = makeStatic(c, x, y, w, h); break;
        case ControlKind::ListBox: widget = makeListBox(c, x, y, w, h, font); break;
    }
    if (c.kind != ControlKind::ListBox && c.kind != ControlKind::Edit) widget->copy_label(std::string(c.text).c_str());
    widget->labelfont(font.face);
    widget->labelsize(font.pixelSize);
    // Only WS_TABSTOP controls take part in Tab navigation.
    if ((c.style & Style::TabStop) == 0) widget->clear_visible_focus();
    return widget;
}

}  // namespace vantry::framework
