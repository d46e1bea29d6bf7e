#include <gtest/gtest.h>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/FontEngine.h"

namespace {

TEST(FontSupport, ASecondSupportLeavesTheFirstApplicationAlone) {
    TBitmap bitmap(1, 1);
    const TSize before = bitmap.Canvas()->TextExtent("Wj");
    ASSERT_GT(before.cx, 0);
    // The test program's support made the application; another one must neither make a second
    // nor free the first when it goes.
    { TFontSupport again; }
    bitmap.Canvas()->Font()->SetSize(bitmap.Canvas()->Font()->Size() + 1);
    bitmap.Canvas()->Font()->SetSize(bitmap.Canvas()->Font()->Size() - 1);
    EXPECT_EQ(bitmap.Canvas()->TextExtent("Wj"), before);
}

}  // namespace
