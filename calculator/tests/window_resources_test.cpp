// The compiled resources that the program carries: the dialog template, the
// icon group, the version record and the manifest.
#include <gtest/gtest.h>

#include <cstdint>

#include "resources.hpp"  // the stand-in dialog manager's template reader
#include "winshim/session.hpp"

namespace {

const winshim::Resource* Find(const std::vector<winshim::Resource>& all, const char* type,
                              const char* name) {
    for (const winshim::Resource& r : all) {
        if (r.type == type && r.name == name) return &r;
    }
    return nullptr;
}

unsigned Word(const std::vector<unsigned char>& data, std::size_t at) {
    return data[at] | data[at + 1] << 8;
}

TEST(Resources, DialogTemplateIsTheCalculatorWindow) {
    const auto resources = winshim::ModuleResources();
    const winshim::Resource* resource = Find(resources, "#5", "KESTRUNE");
    ASSERT_NE(resource, nullptr) << "no dialog template named Kestrune";
    const auto dialog = winshim::detail::ParseDialogTemplate(resource->data);
    ASSERT_TRUE(dialog) << "not a classic dialog template";
    EXPECT_EQ(dialog->style, 0x00CA0000u) << "no DS_SETFONT: the system font";
    EXPECT_EQ(dialog->extendedStyle, 0u);
    EXPECT_EQ(dialog->x, 0);
    EXPECT_EQ(dialog->y, 0);
    EXPECT_EQ(dialog->cx, 100);
    EXPECT_EQ(dialog->cy, 75);
    EXPECT_EQ(dialog->menu, "");
    EXPECT_STRCASEEQ(dialog->className.c_str(), "Kestrune");
    EXPECT_EQ(dialog->caption, "Kestrune");

    struct Item {
        const char* className;
        int id;
        const char* text;
        short x, y, cx, cy;
        std::uint32_t style;
    };
    const Item expected[] = {
        {"STATIC", -1, "value", 8, 4, 24, 11, 0x50000002},
        {"EDIT", 1, "3.84146", 36, 4, 57, 11, 0x50810000},
        {"STATIC", -1, "d.f.", 8, 20, 24, 11, 0x50000002},
        {"EDIT", 2, "1", 36, 20, 20, 11, 0x50810000},
        {"STATIC", -1, "prob", 8, 40, 24, 11, 0x50000002},
        {"STATIC", 3, "0.0", 36, 40, 56, 11, 0x50000000},
        {"BUTTON", 4, "Help", 7, 56, 39, 14, 0x50010300},
        {"BUTTON", 5, "About", 55, 56, 39, 14, 0x50010300},
    };
    ASSERT_EQ(dialog->items.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const winshim::detail::DialogItem& item = dialog->items[i];
        const Item& want = expected[i];
        SCOPED_TRACE("control " + std::to_string(i + 1) + " \"" + want.text + "\"");
        EXPECT_STRCASEEQ(item.className.c_str(), want.className);
        EXPECT_EQ(item.id, want.id);
        EXPECT_EQ(item.text, want.text);
        EXPECT_EQ(item.x, want.x);
        EXPECT_EQ(item.y, want.y);
        EXPECT_EQ(item.cx, want.cx);
        EXPECT_EQ(item.cy, want.cy);
        EXPECT_EQ(item.style, want.style);
        EXPECT_EQ(item.extendedStyle, 0u);
    }
}

TEST(Resources, IconGroupHoldsOne32x32SixteenColourImage) {
    const auto resources = winshim::ModuleResources();
    const winshim::Resource* group = Find(resources, "#14", "KESTRUNE");
    ASSERT_NE(group, nullptr) << "no icon group named Kestrune";
    const std::vector<unsigned char>& d = group->data;
    ASSERT_EQ(d.size(), 6u + 14u);
    EXPECT_EQ(Word(d, 2), 1u) << "type: icon";
    EXPECT_EQ(Word(d, 4), 1u) << "one image";
    EXPECT_EQ(d[6], 32) << "width";
    EXPECT_EQ(d[7], 32) << "height";
    EXPECT_EQ(d[8], 16) << "colours";
    EXPECT_EQ(Word(d, 12), 4u) << "bits per pixel";
    EXPECT_EQ(Word(d, 18), 1u) << "image id";

    const winshim::Resource* image = Find(resources, "#3", "#1");
    ASSERT_NE(image, nullptr) << "no icon image with id 1";
    // Colour bits and mask: 40-byte header, 16 palette entries, 32 rows of
    // 16 bytes, 32 mask rows of 4 bytes.
    EXPECT_EQ(image->data.size(), 40u + 64u + 512u + 128u);
}

TEST(Resources, CarryVersionAndManifest) {
    const auto resources = winshim::ModuleResources();
    EXPECT_NE(Find(resources, "#16", "#1"), nullptr) << "version record";
    const winshim::Resource* manifest = Find(resources, "#24", "#1");
    ASSERT_NE(manifest, nullptr) << "application manifest";
    const std::string text(manifest->data.begin(), manifest->data.end());
    EXPECT_NE(text.find("asInvoker"), std::string::npos);
    EXPECT_NE(text.find("Microsoft.Windows.Common-Controls"), std::string::npos);
}

}  // namespace
