#include <gtest/gtest.h>

#include <string>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Metafile.h"
#include "platform/ui/Clipboard.h"
#include "tests/support/OffscreenApplication.h"

namespace {

template <class F>
std::string MessageOf(F&& f) {
    try {
        f();
    } catch (const Exception& e) {
        return e.Message();
    }
    return "";
}

TEST(Clipboard, NamedFormatsKeepTheirBytesAndReplaceOtherContent) {
    RegisterClipboardFormat("Test Bytes");
    RegisterClipboardFormat("Test Bytes");  // twice is harmless
    Clipboard()->SetAsText("words");
    const std::string bytes("GIF\0\x01\xff odd name", 15);
    Clipboard()->SetAsBytes("Test Bytes", bytes);
    EXPECT_TRUE(Clipboard()->HasFormat("Test Bytes"));
    EXPECT_FALSE(Clipboard()->HasText());
    EXPECT_FALSE(Clipboard()->HasFormat(SClipboardBitmapFormat));
    EXPECT_EQ(Clipboard()->AsBytes("Test Bytes"), bytes);

    Clipboard()->SetAsText("words");
    EXPECT_FALSE(Clipboard()->HasFormat("Test Bytes"));
    EXPECT_EQ(Clipboard()->AsBytes("Test Bytes"), "");
}

TEST(Clipboard, UnknownFormatsAndUnregisteredPicturesAreRefused) {
    EXPECT_FALSE(Clipboard()->HasFormat("Never Registered"));
    EXPECT_EQ(MessageOf([] { Clipboard()->SetAsBytes("Never Registered", "x"); }),
              SUnsupportedClipboardFormat);
    EXPECT_EQ(MessageOf([] { Clipboard()->AsBytes("Never Registered"); }),
              SUnsupportedClipboardFormat);
    // The bitmap format holds images, not raw bytes.
    EXPECT_EQ(MessageOf([] { Clipboard()->SetAsBytes(SClipboardBitmapFormat, "x"); }),
              SUnsupportedClipboardFormat);
    TMetafile metafile;
    EXPECT_EQ(MessageOf([&] { Clipboard()->Assign(metafile); }), SUnsupportedClipboardFormat);
}

TEST(Clipboard, BitmapTravelsAsAnImage) {
    TBitmap source(5, 3);
    source.Canvas()->Brush()->SetColor(clRed);
    source.Canvas()->FillRect(Rect(0, 0, 5, 3));
    source.Canvas()->SetPixel(4, 2, clBlue);
    Clipboard()->Assign(source);
    EXPECT_TRUE(Clipboard()->HasFormat(SClipboardBitmapFormat));

    TBitmap back;
    ASSERT_TRUE(Clipboard()->GetGraphic(back));
    EXPECT_EQ(back.Width(), 5);
    EXPECT_EQ(back.Height(), 3);
    EXPECT_EQ(back.Canvas()->Pixel(0, 0), clRed);
    EXPECT_EQ(back.Canvas()->Pixel(4, 2), clBlue);

    Clipboard()->SetAsText("no picture");
    EXPECT_FALSE(Clipboard()->GetGraphic(back));
    EXPECT_EQ(back.Width(), 5);
}

}  // namespace
