#include <gtest/gtest.h>

#include "platform/rtl/Resources.h"

namespace {

TEST(Resources, FoundByNameWithoutRegardToCaseAndByType) {
    const TResourceData* hand = FindResource("tee_cursor_hand", "CUR");
    ASSERT_NE(hand, nullptr);
    EXPECT_STREQ(hand->Name, "TEE_CURSOR_HAND");
    EXPECT_STREQ(hand->Type, "cur");
    ASSERT_GE(hand->Size, 6u);
    EXPECT_EQ(hand->Data[2], 2);  // a cursor file's type
    EXPECT_NE(FindResource("TEEARROWUP"), nullptr);
    EXPECT_EQ(FindResource("TeeArrowUp", "cur"), nullptr);
    EXPECT_EQ(FindResource("NoSuchPicture"), nullptr);
    const auto bitmaps = ResourceNames("bmp");
    EXPECT_NE(std::find(bitmaps.begin(), bitmaps.end(), "TeeArrowDown"), bitmaps.end());
}

}  // namespace
