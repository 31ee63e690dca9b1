// What the Linux window's fields do with what a person types: a refused key says so beside its
// field, and digits of any script go in as the digits the dialog reads.
#include <gtest/gtest.h>  // before FLTK, whose X11 headers define None

#include <FL/Fl.H>
#include <FL/Fl_Input.H>

#include <string>

#include "tests/dialog/dialog_fixture.h"
#include "ui/framework/fltk/fltk_backend.h"
#include "ui/framework/fltk/fltk_inspection.h"
#include "ui/framework/fltk/fltk_peers.h"

namespace {

using namespace vantry::framework;
namespace Id = vantry::app::ControlId;

Fl_Widget* widgetOf(int id) {
    FltkDialog* dialog = FltkInspection::dialog(TheFltkBackend());
    FltkControl* control = dialog ? dialog->control(id) : nullptr;
    return control ? control->widget : nullptr;
}

// What the X server hands a field for a paste: the text, at once.
void pasteInto(int id, const std::string& text) {
    auto* field = static_cast<Fl_Input*>(widgetOf(id));
    field->take_focus();
    field->position(0, field->size());
    Fl::e_text = const_cast<char*>(text.c_str());
    Fl::e_length = static_cast<int>(text.size());
    field->handle(FL_PASTE);
    Fl::e_length = 0;
}

TEST_F(DialogTest, FltkARefusedKeySaysSoBesideItsFieldUntilAKeyGoesIn) {
    bool ran = false;
    run([&] {
        ran = true;
        driver_.type(Id::PayoffPercent, "70.");
        EXPECT_EQ(text(Id::PayoffPercent), "70");
        EXPECT_EQ(FltkInspection::shownRefusalHint(), widgetOf(Id::PayoffPercent))
            << "the '.' was refused without a word";
        driver_.type(Id::PayoffPercent, "6");
        EXPECT_EQ(text(Id::PayoffPercent), "706");
        EXPECT_EQ(FltkInspection::shownRefusalHint(), nullptr) << "the hint stayed after a key went in";
        driver_.type(Id::EntryFee, "12.5");  // a money field takes the point: no hint
        EXPECT_EQ(FltkInspection::shownRefusalHint(), nullptr);
    });
    EXPECT_TRUE(ran);
}

TEST_F(DialogTest, FltkDigitsOfEveryScriptGoInAsTheDigitsTheDialogReads) {
    bool ran = false;
    run([&] {
        ran = true;
        const struct {
            int id;
            const char* typed;
            const char* kept;
        } cases[] = {
            {Id::EntryFee, "\uFF15\uFF10\uFF0E\uFF15", "50.5"},  // full width, with its full stop
            {Id::RiderCount, "\uFF11\uFF12", "12"},
            {Id::DsToPay, "\u0664", "4"},                    // Arabic-Indic
            {Id::Places, "\u0968\u0969", "23"},              // Devanagari
            {Id::AddedMoney, "\U0001D7D7\U0001D7CE", "90"},  // mathematical double-struck
        };
        for (const auto& c : cases) {
            driver_.type(c.id, c.typed);
            EXPECT_EQ(text(c.id), c.kept) << c.typed;
        }
        EXPECT_EQ(FltkInspection::shownRefusalHint(), nullptr) << "a digit was refused";
        pasteInto(Id::EntryFee, "\u0665\u0660");  // Arabic-Indic 50, pasted
        EXPECT_EQ(text(Id::EntryFee), "50");
        calculate();
        EXPECT_EQ(listLines()[1], "Rider Count = 12, Entry Fee = $50.00, Added Money = $90.00, Places = 23");
        EXPECT_EQ(listLines()[2], "D's to Pay = 4, Payoff Percentage = 70");
    });
    EXPECT_TRUE(ran);
}

}  // namespace
