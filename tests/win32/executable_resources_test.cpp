// Reads the resources back out of the built vantry.exe: dialog 102 as the template table says,
// icon group 128 with both sizes, version information 1 and manifest 1 with its three settings.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "ui/vantry_resources.h"

namespace {

using namespace vantry::app;
using vantry::framework::ControlTemplate;
using vantry::framework::DialogTemplate;

class ExecutableResources : public ::testing::Test {
protected:
    void SetUp() override {
        module = LoadLibraryExA(VANTRY_EXECUTABLE, nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module, nullptr) << "cannot load " << VANTRY_EXECUTABLE;
    }
    void TearDown() override {
        if (module) FreeLibrary(module);
    }

    std::vector<unsigned char> resource(LPCSTR type, int id) {
        HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), type);
        if (!found) return {};
        HGLOBAL loaded = LoadResource(module, found);
        const auto* data = static_cast<const unsigned char*>(LockResource(loaded));
        return std::vector<unsigned char>(data, data + SizeofResource(module, found));
    }

    HMODULE module = nullptr;
};

// A cursor over a DLGTEMPLATEEX.
struct Reader {
    const unsigned char* at;
    unsigned word() {
        unsigned value = at[0] | (at[1] << 8);
        at += 2;
        return value;
    }
    std::uint32_t dword() {
        std::uint32_t low = word();
        return low | (static_cast<std::uint32_t>(word()) << 16);
    }
    std::string text() {  // a zero-terminated UTF-16 string of 8-bit characters
        std::string value;
        for (unsigned c = word(); c != 0; c = word()) value += static_cast<char>(c);
        return value;
    }
    std::string textOrOrdinal() {
        if (at[0] == 0xFF && at[1] == 0xFF) {
            at += 2;
            return "#" + std::to_string(word());
        }
        return text();
    }
    void alignTo4(const unsigned char* base) {
        while ((at - base) % 4 != 0) ++at;
    }
};

TEST_F(ExecutableResources, Dialog102IsTheTemplateTable) {
    const std::vector<unsigned char> data = resource(MAKEINTRESOURCEA(5), kMainDialogResource);  // RT_DIALOG
    ASSERT_FALSE(data.empty());
    const DialogTemplate& t = MainDialogTemplate();
    Reader r{data.data()};
    EXPECT_EQ(r.word(), 1u);       // dlgVer
    EXPECT_EQ(r.word(), 0xFFFFu);  // extended template
    r.dword();                     // help id
    EXPECT_EQ(r.dword(), t.exStyle);
    EXPECT_EQ(r.dword(), t.style);
    const unsigned count = r.word();
    EXPECT_EQ(count, t.controls.size());
    EXPECT_EQ(static_cast<int>(r.word()), t.x);
    EXPECT_EQ(static_cast<int>(r.word()), t.y);
    EXPECT_EQ(static_cast<int>(r.word()), t.width);
    EXPECT_EQ(static_cast<int>(r.word()), t.height);
    EXPECT_EQ(r.textOrOrdinal(), "");  // no menu
    EXPECT_EQ(r.textOrOrdinal(), "");  // no window class of its own
    EXPECT_EQ(r.text(), t.caption);
    EXPECT_EQ(static_cast<int>(r.word()), t.fontPointSize);
    EXPECT_EQ(static_cast<int>(r.word()), t.fontWeight);
    EXPECT_EQ(*r.at++, t.fontItalic ? 1 : 0);
    EXPECT_EQ(static_cast<int>(*r.at++), t.fontCharset);
    EXPECT_EQ(r.text(), t.fontFace);
    for (unsigned i = 0; i < count && i < t.controls.size(); ++i) {
        const ControlTemplate& c = t.controls[i];
        r.alignTo4(data.data());
        r.dword();  // help id
        EXPECT_EQ(r.dword(), c.exStyle) << i;
        EXPECT_EQ(r.dword(), WS_CHILD | WS_VISIBLE | c.style) << i;
        EXPECT_EQ(static_cast<int>(static_cast<short>(r.word())), c.x) << i;
        EXPECT_EQ(static_cast<int>(static_cast<short>(r.word())), c.y) << i;
        EXPECT_EQ(static_cast<int>(static_cast<short>(r.word())), c.width) << i;
        EXPECT_EQ(static_cast<int>(static_cast<short>(r.word())), c.height) << i;
        EXPECT_EQ(static_cast<int>(r.dword()), c.id) << i;
        r.textOrOrdinal();  // class
        EXPECT_EQ(r.textOrOrdinal(), c.text) << i;
        const unsigned extra = r.word();
        r.at += extra;
    }
}

TEST_F(ExecutableResources, IconGroup128HoldsA32AndA16PixelImageOf16Colours) {
    const std::vector<unsigned char> group = resource(MAKEINTRESOURCEA(14), kAppIconResource);  // RT_GROUP_ICON
    ASSERT_GE(group.size(), 6u + 2u * 14u);
    EXPECT_EQ(group[4] | (group[5] << 8), 2);
    std::vector<int> sizes;
    for (int i = 0; i < 2; ++i) {
        const unsigned char* entry = group.data() + 6 + i * 14;
        sizes.push_back(entry[0]);
        EXPECT_EQ(entry[2], 16) << "colours";
        EXPECT_EQ(entry[6] | (entry[7] << 8), 4) << "bits per pixel";
    }
    EXPECT_EQ(sizes, (std::vector<int>{32, 16}));
}

TEST_F(ExecutableResources, VersionInformation1NamesTheProduct) {
    const std::vector<unsigned char> version = resource(MAKEINTRESOURCEA(16), 1);  // RT_VERSION
    ASSERT_FALSE(version.empty());
    std::vector<unsigned char> copy = version;
    char* product = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(copy.data(), "\\StringFileInfo\\040904B0\\ProductName",
                               reinterpret_cast<void**>(&product), &length));
    EXPECT_STREQ(product, "Quorvath Payout Calculator");
    ASSERT_TRUE(VerQueryValueA(copy.data(), "\\StringFileInfo\\040904B0\\CompanyName",
                               reinterpret_cast<void**>(&product), &length));
    EXPECT_STREQ(product, "Quorvath Software");
}

TEST_F(ExecutableResources, Manifest1AsksForNoElevationTodaysCommonControlsAndDpiAwareness) {
    const std::vector<unsigned char> manifest = resource(MAKEINTRESOURCEA(24), 1);  // RT_MANIFEST
    const std::string text(manifest.begin(), manifest.end());
    EXPECT_NE(text.find("level=\"asInvoker\""), std::string::npos);
    EXPECT_NE(text.find("uiAccess=\"false\""), std::string::npos);
    EXPECT_NE(text.find(">true</dpiAware>"), std::string::npos);
    // Version 6 of the common controls: themed, and the balloon of a refused character.
    const std::size_t controls = text.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"");
    EXPECT_NE(controls, std::string::npos);
}

TEST_F(ExecutableResources, NoMenuStringTableOrAccelerators) {
    for (int type : {4, 6, 9}) {  // RT_MENU, RT_STRING, RT_ACCELERATOR
        bool any = false;
        EnumResourceNamesA(
            module, MAKEINTRESOURCEA(type),
            [](HMODULE, LPCSTR, LPSTR, LONG_PTR found) -> BOOL {
                *reinterpret_cast<bool*>(found) = true;
                return FALSE;
            },
            reinterpret_cast<LONG_PTR>(&any));
        EXPECT_FALSE(any) << "resource type " << type;
    }
}

}  // namespace
