// What only the page does: a keyboard alone reaches and uses every control, and assistive
// technology finds each control's name and role.
#include <emscripten.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "tests/common/default_event_listing.h"
#include "tests/dialog/dialog_fixture.h"

namespace {

namespace Id = vantry::app::ControlId;
using Key = DialogDriver::Key;

// What the page answers, as text.
std::string page(const std::string& script) { return emscripten_run_script_string(("String(" + script + ")").c_str()); }

// The text an element's aria-labelledby points at.
std::string labelOf(int index) {
    return page("document.getElementById(document.getElementById('vantry-e" + std::to_string(index) +
                "').getAttribute('aria-labelledby')).textContent");
}

TEST_F(DialogTest, WebControlsHaveTheNamesAndRolesOfTheResources) {
    run([&] {
        // The six fields, in template order, each named by its label.
        const char* labels[] = {"Rider Count:", "Entry Fee:", "Added Money:", "Payoff Pct:", "D's to Pay:", "Places:"};
        for (int index = 0; index < 6; ++index) EXPECT_EQ(labelOf(index), labels[index]) << index;
        EXPECT_EQ(page("document.querySelector('[role=group]').getAttribute('aria-label')"), "Payout method");
        EXPECT_EQ(page("[...document.querySelectorAll('[role=group] input[type=checkbox]')].length"), "3");
        const std::string list = "document.getElementById('vantry-e11')";
        EXPECT_EQ(page(list + ".getAttribute('role') + '|' + " + list + ".getAttribute('aria-label') + '|' + " + list +
                       ".tabIndex"),
                  "region|Payout results|0");
        calculate();
        driver_.automation().idle(std::chrono::milliseconds(20));  // told once the listing is in
        EXPECT_EQ(page("document.getElementById('vantry-announce').textContent"), "Payout results: 21 lines");
        EXPECT_EQ(page("document.getElementById('vantry-announce').getAttribute('aria-live')"), "polite");
    });
}

// The template's face, then the free face with its metrics, which the page carries.
TEST_F(DialogTest, WebDialogIsSetInTheTemplatesFace) {
    run([&] {
        EXPECT_EQ(page("getComputedStyle(document.getElementById('vantry-e0')).fontFamily"),
                  "\"Times New Roman\", \"Liberation Serif\", serif");
    });
}

TEST_F(DialogTest, WebMessageBoxKeepsTheKeyboardUntilItsOk) {
    std::filesystem::create_directory(folder_ / "report.txt");
    const std::string okFocused = "document.activeElement === document.querySelector('#vantry-message-box button')";
    run([&] {
        calculate();
        page("document.getElementById('vantry-e2').focus()");
        driver_.automation().click(Id::EditPrintPayout);  // not answered: the box stays
        ASSERT_TRUE(driver_.automation().messageBox().has_value());
        const std::string box = "document.querySelector('#vantry-message-box [role=alertdialog]')";
        EXPECT_EQ(page("document.getElementById(" + box + ".getAttribute('aria-labelledby')).textContent"),
                  "Quorvath Payout Calculator");
        EXPECT_EQ(
            page("document.getElementById(" + box + ".getAttribute('aria-describedby')).textContent.slice(0, 30)"),
            "The report could not be writte");
        EXPECT_EQ(page(okFocused), "true");
        page("document.activeElement.blur()");  // a click on the page's margin
        driver_.automation().idle(std::chrono::milliseconds(20));
        EXPECT_EQ(page(okFocused), "true");
        page(
            "document.body.dispatchEvent(new KeyboardEvent('keydown', {key: 'Tab', bubbles: true, cancelable: true}))");
        EXPECT_EQ(page(okFocused), "true");
        page(
            "document.activeElement.dispatchEvent(new KeyboardEvent('keydown', {key: 'Enter', bubbles: true, "
            "cancelable: true}))");
        EXPECT_FALSE(driver_.automation().messageBox().has_value());
        EXPECT_EQ(page("document.activeElement.id"), "vantry-e2");  // back where it was
        driver_.pump();
        calculate();  // the dialog works on
        EXPECT_EQ(listLines(), kDefaultEventListing);
    });
}

TEST_F(DialogTest, WebTabReachesEveryControlAndEnterPressesTheFocusedButton) {
    run([&] {
        EXPECT_EQ(driver_.focusedId(), Id::RiderCount);
        std::vector<int> order;
        for (int i = 0; i < 14; ++i) {
            driver_.pressKey(Key::Tab);
            order.push_back(driver_.focusedId());
        }
        // The six fields, the method boxes, the three buttons (not the flat invitation) and the
        // methods window's "...", and the list, each in template order; then round again.
        EXPECT_EQ(order,
                  (std::vector<int>{Id::EntryFee, Id::AddedMoney, Id::PayoffPercent, Id::DsToPay, Id::Places,
                                    Id::IbraMethod, Id::Brn4dMethod, Id::Nbha4dMethod, Id::CalculatePayout, Id::Exit,
                                    Id::EditPrintPayout, Id::PayoutMethods, Id::ResultList, Id::RiderCount}));
        for (int i = 0; i < 9; ++i) driver_.pressKey(Key::Tab);
        ASSERT_EQ(driver_.focusedId(), Id::CalculatePayout);
        driver_.pressKey(Key::Enter);  // presses Calculate Payout, not the default button
        EXPECT_EQ(listLines(), kDefaultEventListing);
        EXPECT_TRUE(viewerCommands_.empty());
    });
}

}  // namespace
