#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <type_traits>

#include "chisquare/chisquare.hpp"

using ChiSquare::XMsg;

static_assert(sizeof(XMsg) == 256, "XMsg holds exactly its message buffer");
static_assert(!std::is_polymorphic<XMsg>::value, "XMsg has no virtual functions");

// Every byte after the text up to the end of the buffer must be NUL, so that
// a copy of all 256 characters carries nothing stale.
void ExpectNulFrom(const XMsg& e, size_t from) {
    for (size_t i = from; i < sizeof e.message; ++i) ASSERT_EQ(e.message[i], '\0') << "at " << i;
}

TEST(XMsg, ShortTextIsCopiedAndPaddedWithNul) {
    const XMsg e("Error in routine GCF: a too large, ITMAX too small");
    EXPECT_STREQ(e.message, "Error in routine GCF: a too large, ITMAX too small");
    ExpectNulFrom(e, std::strlen(e.message));
}

TEST(XMsg, LongTextIsCutTo255Characters) {
    const std::string text(300, 'x');
    const XMsg e(text.c_str());
    EXPECT_EQ(std::string(e.message), std::string(255, 'x'));
    ExpectNulFrom(e, 255);
}

TEST(XMsg, NullTextGivesEmptyMessage) {
    const XMsg e(nullptr);
    ExpectNulFrom(e, 0);
}

TEST(XMsg, CopyCarriesTheWholeBuffer) {
    const XMsg original("Error in routine GAMMP: Invalid arguments");
    const XMsg copy = original;
    EXPECT_EQ(std::memcmp(copy.message, original.message, sizeof original.message), 0);
}
