// What only the real FLTK window can show: where its widgets land, what it looks like.
#include <gtest/gtest.h>  // before FLTK, whose X11 headers define None

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Widget.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "tests/common/png_reader.h"
#include "tests/common/screenshot_checks.h"
#include "tests/dialog/dialog_fixture.h"
#include "tests/dialog/test_method_files.h"
#include "ui/framework/fltk/fltk_backend.h"
#include "ui/framework/fltk/fltk_inspection.h"
#include "ui/icon/png_writer.h"

namespace {

using namespace vantry::framework;
namespace Id = vantry::app::ControlId;

std::vector<const Fl_Widget*> children() {
    std::vector<const Fl_Widget*> widgets;
    if (const Fl_Window* window = Fl::first_window())
        for (int i = 0; i < window->children(); ++i) widgets.push_back(window->child(i));
    return widgets;
}

TEST_F(DialogTest, FltkControlsLandWhereTheTemplatePutsThem) {
    run([&] {
        // Liberation Serif at 21 pixels has dialog base units of 12 x 24 pixels: both a horizontal
        // dialog unit (12 / 4) and a vertical one (24 / 8) are 3 pixels.
        EXPECT_EQ(driver_.control(0).bounds, (Rect{0, 0, 810, 687}));  // 270 x 229 units
        struct Case {
            int id;
            Rect bounds;
        };
        const Case cases[] = {
            {Id::RiderCount, {150, 6, 228, 42}},       // 50, 2, 26 x 12
            {Id::Places, {390, 78, 468, 120}},         // 130, 26, 26 x 14
            {Id::ResultList, {6, 330, 804, 684}},      // 2, 110, 266 x 118
            {Id::CalculatePayout, {492, 0, 654, 66}},  // 164, 0, 54 x 22
            {Id::Invitation, {6, 270, 804, 324}},      // 2, 90, 266 x 18
            {Id::Nbha4dMethod, {6, 126, 270, 150}},    // 2, 42, 88 x 8
            {Id::Exit, {654, 0, 804, 120}},            // 218, 0, 50 x 40
        };
        for (const Case& c : cases) EXPECT_EQ(driver_.control(c.id).bounds, c.bounds) << c.id;
    });
}

// The colours the dialog answers reach the widgets that take them: the fields and the list
// white, the texts, the flat invitation and the window wheat; a raised button keeps its face.
TEST_F(DialogTest, FltkWidgetsWearTheColoursTheDialogGivesThem) {
    run([&] {
        const auto colourAt = [&](int id) -> Fl_Color {
            const Rect r = driver_.control(id).bounds;
            for (const Fl_Widget* w : children())
                if (w->x() == r.left && w->y() == r.top && w->w() == r.right - r.left) return w->color();
            ADD_FAILURE() << "no widget where control " << id << " is";
            return 0;
        };
        const auto labelColour = [&](const char* text) -> Fl_Color {
            for (const Fl_Widget* w : children())
                if (w->label() && std::string(w->label()) == text) return w->color();
            ADD_FAILURE() << "no widget labelled " << text;
            return 0;
        };
        const Fl_Color wheat = fl_rgb_color(245, 222, 179);
        const Fl_Color white = fl_rgb_color(255, 255, 255);
        ASSERT_NE(Fl::first_window(), nullptr);
        EXPECT_EQ(Fl::first_window()->color(), wheat);
        EXPECT_EQ(colourAt(Id::RiderCount), white);
        EXPECT_EQ(colourAt(Id::ResultList), white);
        EXPECT_EQ(colourAt(Id::Invitation), wheat);
        EXPECT_EQ(labelColour("Rider Count:"), wheat);
        EXPECT_NE(colourAt(Id::CalculatePayout), wheat);
        EXPECT_NE(colourAt(Id::Exit), wheat);
    });
}

TEST_F(DialogTest, FltkNoControlOverlapsAnotherOrLeavesTheWindow) {
    run([&] {
        const std::vector<const Fl_Widget*> widgets = children();
        ASSERT_EQ(widgets.size(), 22u + 1);  // the template's, and the button that opens the methods window
        const Fl_Window* window = Fl::first_window();
        for (std::size_t i = 0; i < widgets.size(); ++i) {
            const Fl_Widget& a = *widgets[i];
            EXPECT_LE(a.x() + a.w(), window->w()) << i;
            EXPECT_LE(a.y() + a.h(), window->h()) << i;
            for (std::size_t j = i + 1; j < widgets.size(); ++j) {
                const Fl_Widget& b = *widgets[j];
                const bool apart = a.x() + a.w() <= b.x() || b.x() + b.w() <= a.x() || a.y() + a.h() <= b.y() ||
                                   b.y() + b.h() <= a.y();
                EXPECT_TRUE(apart) << "controls " << i + 1 << " and " << j + 1 << " overlap";
            }
        }
    });
}

TEST_F(DialogTest, FltkLabelsFitTheirControls) {
    run([&] {
        int checked = 0;
        for (const Fl_Widget* w : children()) {
            const auto* button = dynamic_cast<const Fl_Button*>(w);
            const bool checkBox = button != nullptr && button->type() == FL_TOGGLE_BUTTON;
            if (w->label() == nullptr || (button != nullptr && !checkBox)) continue;  // push buttons wrap
            fl_font(w->labelfont(), w->labelsize());
            int width = w->w(), height = 0;
            fl_measure(w->label(), width, height);
            // A check box keeps its 13-pixel square and a 4-pixel gap left of the label.
            const int square = checkBox ? 17 : 0;
            EXPECT_LE(width + square, w->w()) << w->label();
            EXPECT_LE(height, w->h() + w->labelsize() / 2) << w->label();
            ++checked;
        }
        EXPECT_EQ(checked, 8 + 3);  // the eight texts and the three check boxes
    });
}

TEST_F(DialogTest, FltkScreenshotAfterACalculation) {
    const std::string path = std::string(VANTRY_SCREENSHOT_DIR) + "/fltk-dialog.png";
    std::filesystem::remove(path);  // the picture looked at is this run's
    run([&] {
        driver_.paste(Id::DsToPay, "7");
        calculate();
        Fl_Window* window = Fl::first_window();
        ASSERT_NE(window, nullptr);
        window->make_current();
        const int width = window->w(), height = window->h();
        std::vector<unsigned char> rgb(static_cast<std::size_t>(width * height * 3));
        ASSERT_NE(fl_read_image(rgb.data(), 0, 0, width, height), nullptr);
        ASSERT_TRUE(vantry::app::WritePng(path, rgb, width, height));
    });
    DecodedPng shot;
    std::string error;
    ASSERT_TRUE(ReadPng(path, shot, error)) << error;
    // Where FLTK put the list and Rider Count (see FltkControlsLandWhereTheTemplatePutsThem).
    ExpectTheDialogAsAPersonSeesIt(shot, Rect{6, 330, 804, 684}, Rect{150, 6, 228, 42});
}

// The pictures the README shows a producer: the dialog with ten methods of their own, one of them
// chosen and calculated, and the methods window. Each is looked at for the text it must show.
TEST_F(DialogTest, FltkScreenshotsWithTenMethodsAndTheMethodsWindow) {
    namespace Mid = vantry::app::MethodsControlId;
    const std::string dialogPath = std::string(VANTRY_SCREENSHOT_DIR) + "/fltk-dialog-10-methods.png";
    const std::string windowPath = std::string(VANTRY_SCREENSHOT_DIR) + "/fltk-methods-window.png";
    std::filesystem::remove(dialogPath);
    std::filesystem::remove(windowPath);
    InstallTestMethods(10);
    const auto shoot = [](const std::string& path) {
        Fl_Window* window = FltkInspection::dialog(TheFltkBackend())->window.get();
        window->make_current();
        const int width = window->w(), height = window->h();
        std::vector<unsigned char> rgb(static_cast<std::size_t>(width * height * 3));
        ASSERT_NE(fl_read_image(rgb.data(), 0, 0, width, height), nullptr);
        ASSERT_TRUE(vantry::app::WritePng(path, rgb, width, height));
    };
    std::vector<Rect> labels;
    Rect methodList;
    run([&] {
        driver_.click(Id::OwnMethodFirst + 2);
        calculate();
        shoot(dialogPath);
        for (int i = 0; i < 10; ++i) {
            const Rect box = driver_.control(Id::OwnMethodFirst + i).bounds;
            labels.push_back(Rect{box.left + box.height() + 4, box.top, box.right, box.bottom});  // right of the square
        }
        driver_.automation().runWhenShown([&] {
            driver_.automation().selectItem(Mid::MethodList, 5);  // shown selected, and left out below
            driver_.pump();
            shoot(windowPath);
            methodList = driver_.control(Mid::MethodList).bounds;
        });
        driver_.click(Id::PayoutMethods);
        driver_.pump();
    });
    ExpectOwnMethodsAndTheMethodsWindowShown(dialogPath, labels, windowPath, methodList, 5);
}

TEST_F(DialogTest, FltkFailureBoxIsDrawnWithItsText) {
    std::filesystem::create_directory(folder_ / "report.txt");
    const std::string path = std::string(VANTRY_SCREENSHOT_DIR) + "/fltk-message-box.png";
    std::filesystem::remove(path);  // the picture looked at is this run's
    Automation& automation = driver_.automation();
    run([&] {
        automation.post([&] {
            automation.pump();
            Fl_Window* box = Fl::modal();
            ASSERT_NE(box, nullptr);
            box->make_current();
            const int width = box->w(), height = box->h();
            std::vector<unsigned char> rgb(static_cast<std::size_t>(width * height * 3));
            ASSERT_NE(fl_read_image(rgb.data(), 0, 0, width, height), nullptr);
            ASSERT_TRUE(vantry::app::WritePng(path, rgb, width, height));
            automation.answerMessageBox();
        });
        automation.click(Id::EditPrintPayout);
    });
    DecodedPng shot;
    std::string error;
    ASSERT_TRUE(ReadPng(path, shot, error)) << error;
    int dark = 0;  // the message's text, and the button's label
    for (int y = 0; y < shot.height; ++y)
        for (int x = 0; x < shot.width; ++x) {
            const DecodedPng::Rgb c = shot.at(x, y);
            if (c.red + c.green + c.blue < 3 * 100) ++dark;
        }
    EXPECT_GE(dark, 300) << "the box is blank";
}

// The box is laid out as Windows lays out its own: the error sign, the text beside it broken into
// lines that fit (a long path too, whole), and the OK button on a band below, with room between.
TEST_F(DialogTest, FltkMessageBoxFitsItsTextBesideItsSignAboveItsButton) {
    const std::filesystem::path deep = folder_ / std::string(60, 'a') / std::string(60, 'b') / std::string(60, 'c');
    std::filesystem::create_directories(deep / "report.txt");
    dialog_.setReportFolder(deep.string());
    Automation& automation = driver_.automation();
    bool looked = false;
    run([&] {
        automation.post([&] {
            automation.pump();
            FltkMessageBox* box = FltkInspection::openMessageBox();
            ASSERT_NE(box, nullptr);
            looked = true;
            EXPECT_EQ(FltkInspection::text(*box),
                      "The report could not be written.\n" + (deep / "report.txt").string() + ": not a regular file");
            Fl_Window& window = FltkInspection::window(*box);
            const Fl_Box& message = FltkInspection::message(*box);
            const Fl_Button& ok = FltkInspection::okButton(*box);
            // Every line the box shows fits the text's place, and the text keeps clear of the button.
            fl_font(message.labelfont(), message.labelsize());
            std::stringstream lines(message.label());
            int shownLines = 0;
            std::string joined;
            for (std::string line; std::getline(lines, line); ++shownLines) {
                EXPECT_LE(fl_width(line.c_str()), message.w()) << line;
                joined += line;
            }
            EXPECT_GE(shownLines, 3) << "the long path is not broken into lines";
            EXPECT_NE(joined.find(deep.string()), std::string::npos) << "the path does not show whole";
            EXPECT_GE(message.x(), 16 + 32) << "the text stands right of the sign";
            EXPECT_LE(message.x() + message.w(), window.w() - 16);
            EXPECT_GE(ok.y() - (message.y() + message.h()), 24) << "the text touches the button's band";
            EXPECT_LE(ok.x() + ok.w(), window.w() - 16);
            EXPECT_GE(ok.x(), window.w() / 2) << "OK stands at the right, as on Windows";
            // The sign is drawn: red at its middle.
            window.make_current();
            {
                const std::string picture = std::string(VANTRY_SCREENSHOT_DIR) + "/fltk-message-box-long-path.png";
                std::filesystem::remove(picture);  // for a person to look at; the checks are above
                std::vector<unsigned char> pixels(static_cast<std::size_t>(window.w() * window.h() * 3));
                fl_read_image(pixels.data(), 0, 0, window.w(), window.h());
                vantry::app::WritePng(picture, pixels, window.w(), window.h());
            }
            unsigned char rgb[3] = {};
            fl_read_image(rgb, 16 + 8, 16 + 16, 1, 1);
            EXPECT_GT(rgb[0], 150);
            EXPECT_LT(rgb[1], 100);
            automation.answerMessageBox();
        });
        automation.click(Id::EditPrintPayout);
    });
    EXPECT_TRUE(looked);
}

}  // namespace
