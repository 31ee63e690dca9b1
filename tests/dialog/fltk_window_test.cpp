// What only the real FLTK window can show: pixels, keyboard navigation, the default button.
#include <gtest/gtest.h>  // before FLTK, whose X11 headers define None

#include <FL/Fl.H>
#include <FL/Fl_Widget.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "dialog_template.h"
#include "framework/fltk/fltk_backend.h"
#include "png_writer.h"
#include "vantry_dlg.h"

namespace {

namespace Id = ControlId;

struct PixelRect {
    int x, y, w, h;
    bool operator==(const PixelRect&) const = default;
};

PixelRect expectedRect(const ControlTemplate& c, DialogBaseUnits base) {
    return {DialogUnitsToPixelsX(c.x, base), DialogUnitsToPixelsY(c.y, base), DialogUnitsToPixelsX(c.width, base),
            DialogUnitsToPixelsY(c.height, base)};
}

class FltkWindow : public ::testing::Test {
protected:
    void run(const std::function<void()>& script) {
        backend.script = script;
        dialog.DoModal();
    }
    FltkBackend& backend = TheFltkBackend();
    CVantryDlg dialog;
};

TEST_F(FltkWindow, ControlsLandWhereTheTemplatePutsThem) {
    run([&] {
        const DialogBaseUnits base = backend.baseUnits();
        EXPECT_GE(base.x, 6);  // Times New Roman (Liberation Serif) at 21 pixels
        EXPECT_LE(base.x, 12);
        EXPECT_GE(base.y, 20);
        EXPECT_LE(base.y, 30);
        const DialogTemplate& t = MainDialogTemplate();
        EXPECT_EQ(backend.window()->w(), DialogUnitsToPixelsX(t.width, base));
        EXPECT_EQ(backend.window()->h(), DialogUnitsToPixelsY(t.height, base));
        for (int id : {Id::RiderCount, Id::Places, Id::ResultList, Id::CalculatePayout, Id::Invitation,
                       Id::Nbha4dMethod, Id::Exit}) {
            const Fl_Widget* w = backend.widget(id);
            ASSERT_NE(w, nullptr) << id;
            EXPECT_EQ((PixelRect{w->x(), w->y(), w->w(), w->h()}), expectedRect(*t.find(id), base)) << id;
        }
    });
}

TEST_F(FltkWindow, NoControlOverlapsAnotherOrLeavesTheWindow) {
    run([&] {
        const DialogBaseUnits base = backend.baseUnits();
        std::vector<PixelRect> rects;
        for (const ControlTemplate& c : MainDialogTemplate().controls) rects.push_back(expectedRect(c, base));
        for (std::size_t i = 0; i < rects.size(); ++i) {
            const PixelRect& a = rects[i];
            EXPECT_LE(a.x + a.w, backend.window()->w()) << i;
            EXPECT_LE(a.y + a.h, backend.window()->h()) << i;
            for (std::size_t j = i + 1; j < rects.size(); ++j) {
                const PixelRect& b = rects[j];
                const bool apart = a.x + a.w <= b.x || b.x + b.w <= a.x || a.y + a.h <= b.y || b.y + b.h <= a.y;
                EXPECT_TRUE(apart) << "controls " << i + 1 << " and " << j + 1 << " overlap";
            }
        }
    });
}

TEST_F(FltkWindow, LabelsFitTheirControls) {
    run([&] {
        for (const ControlTemplate& c : MainDialogTemplate().controls) {
            if (c.kind != ControlKind::Static && c.kind != ControlKind::CheckBox) continue;
            const Fl_Widget* w = nullptr;
            for (int i = 0; i < backend.window()->children(); ++i) {
                const Fl_Widget* child = backend.window()->child(i);
                if (child->label() && c.text == child->label()) w = child;
            }
            ASSERT_NE(w, nullptr) << c.text;
            fl_font(w->labelfont(), w->labelsize());
            int width = w->w(), height = 0;
            fl_measure(w->label(), width, height);
            const int box = c.kind == ControlKind::CheckBox ? 13 + 4 : 0;  // the check square and its gap
            EXPECT_LE(width + box, w->w()) << c.text;
            EXPECT_LE(height, w->h() + w->labelsize() / 2) << c.text;
        }
    });
}

TEST_F(FltkWindow, TabMovesAmongTheSixFieldsInTemplateOrder) {
    run([&] {
        EXPECT_EQ(backend.focusedId(), Id::RiderCount);
        std::vector<int> order;
        for (int i = 0; i < 6; ++i) {
            backend.key(FL_Tab);
            order.push_back(backend.focusedId());
        }
        EXPECT_EQ(order, (std::vector<int>{Id::EntryFee, Id::AddedMoney, Id::PayoffPercent, Id::DsToPay, Id::Places,
                                          Id::RiderCount}));
    });
}

TEST_F(FltkWindow, EnterInAFieldPressesEditPrintPayout) {
    const std::filesystem::path previous = std::filesystem::current_path();
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "vantry-fltk-enter";
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);
    std::vector<std::string> commands;
    dialog.SetViewerRunner([&](const std::string& command) { commands.push_back(command); });
    run([&] {
        backend.click(Id::CalculatePayout);
        backend.pump();
        backend.type(Id::Places, "");
        backend.key(FL_Enter);
        backend.pump();
    });
    std::filesystem::current_path(previous);
    EXPECT_EQ(commands, std::vector<std::string>{"xdg-open report.txt"});
    std::ifstream report(folder / "report.txt");
    std::stringstream text;
    text << report.rdbuf();
    EXPECT_NE(text.str().find("\n    2 = $90.00   (40.00%)\n"), std::string::npos);
    std::filesystem::remove_all(folder);
}

TEST_F(FltkWindow, ScreenshotAfterACalculation) {
    run([&] {
        backend.paste(Id::DsToPay, "7");
        backend.click(Id::CalculatePayout);
        backend.pump();
        std::vector<unsigned char> rgb;
        int width = 0, height = 0;
        ASSERT_TRUE(backend.capture(rgb, width, height));
        const std::string path = std::string(VANTRY_SCREENSHOT_DIR) + "/fltk-dialog.png";
        ASSERT_TRUE(WritePng(path, rgb, width, height));
        // The dialog's own wheat shows at a point no control covers (between the labels and fields).
        const Fl_Widget* label = backend.widget(Id::ResultList);
        const std::size_t at = (static_cast<std::size_t>(label->y() - 2) * width + 1) * 3;
        EXPECT_EQ(rgb[at], 245);
        EXPECT_EQ(rgb[at + 1], 222);
        EXPECT_EQ(rgb[at + 2], 179);
    });
}

}  // namespace
