// The compiled resources that the program carries: the icon group.
#include <gtest/gtest.h>

#include <cstdint>

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
