#include <gtest/gtest.h>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/BitmapFileStream.h"
#include "platform/graphics/JpegImage.h"
#include "platform/rtl/Streams.h"
#include "tests/platform/graphics/PictureFixture.h"

namespace {

using JpegImage = PictureFormatsTest;

std::vector<uint8_t> Saved(TGraphic& graphic) {
    TMemoryStream s;
    graphic.SaveToStream(s);
    return std::vector<uint8_t>(s.Memory(), s.Memory() + s.Size());
}

TEST_F(JpegImage, BitmapsKeepTheirPixelFormatThroughTheirStream) {
    struct Case {
        TPixelFormat format;
        TPixelFormat loaded;
    } cases[] = {{pf1bit, pf1bit},   {pf4bit, pf4bit},   {pf8bit, pf8bit},   {pf15bit, pf15bit},
                 {pf16bit, pf16bit}, {pf24bit, pf24bit}, {pf32bit, pf32bit}, {pfDevice, pf24bit}};
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.format));
        // Black and white survive every depth, the 1-bit one included.
        TBitmapFileImage image(5, 3, 24);
        for (size_t i = 0; i < image.Pixels.size(); ++i)
            image.Pixels[i] = i % 3 == 0 ? 0xFF000000u : 0xFFFFFFFFu;
        TBitmap bitmap;
        AssignBitmapFileImage(bitmap, image);
        bitmap.SetPixelFormat(c.format);
        const std::vector<uint8_t> bytes = Saved(bitmap);
        EXPECT_EQ(bytes[28], c.loaded == pf15bit ? 16 : BitmapFileDepth(c.loaded));

        TBitmap back;
        Load(back, bytes);
        EXPECT_EQ(back.PixelFormat(), c.loaded);
        EXPECT_EQ(BitmapFileImageOf(back, 24).Pixels, image.Pixels);
    }
    TBitmap broken;
    EXPECT_THROW(Load(broken, {'B', 'M', 0, 0}), EInvalidGraphic);
}

TEST_F(JpegImage, KeepsItsBytesAndDecodesOnDemand) {
    const TBitmapFileImage source = SmoothPicture(24, 16);
    const std::vector<uint8_t> file = EncodeJpeg(source, 75, false);
    TJPEGImage jpeg;
    EXPECT_TRUE(jpeg.Empty());
    int changes = 0;
    jpeg.OnChange = [&](TObject*) { ++changes; };
    Load(jpeg, file);
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(jpeg.Empty());
    EXPECT_EQ(jpeg.Width(), 24);
    EXPECT_EQ(jpeg.Height(), 16);
    EXPECT_FALSE(jpeg.Grayscale());
    EXPECT_EQ(Saved(jpeg), file);  // not compressed again

    TBitmap bitmap;
    bitmap.Assign(&jpeg);
    EXPECT_EQ(bitmap.PixelFormat(), pf24bit);
    EXPECT_LE(MaxChannelDifference(BitmapFileImageOf(bitmap, 24), source), 10);

    // Drawn through a canvas, stretched to the rectangle.
    TBitmap canvasBitmap(48, 32);
    canvasBitmap.Canvas()->StretchDraw(Rect(0, 0, 48, 32), &jpeg);
    EXPECT_NE(canvasBitmap.Canvas()->Pixel(47, 31), clWhite);

    // A file that is no JPEG, or a cut one, leaves the picture as it was.
    EXPECT_THROW(Load(jpeg, {'n', 'o', 'p', 'e'}), EJPEG);
    EXPECT_THROW(Load(jpeg, std::vector<uint8_t>(file.begin(), file.end() - 40)), EJPEG);
    EXPECT_EQ(jpeg.Width(), 24);
    EXPECT_EQ(Saved(jpeg), file);

    // Grey decoding, on request or for a grey file.
    jpeg.SetGrayscale(true);
    const TBitmapFileImage grey = BitmapFileImageOf(*jpeg.Bitmap(), 24);
    for (uint32_t p : grey.Pixels) ASSERT_EQ(p, 0xFF000000u | (p & 0xFF) * 0x010101u);
    TJPEGImage greyFile;
    Load(greyFile, EncodeJpeg(source, 75, true));
    EXPECT_TRUE(greyFile.Grayscale());
}

TEST_F(JpegImage, CompressesAnAssignedBitmapAtItsQuality) {
    TBitmapFileImage noisy(32, 32, 24);
    for (size_t i = 0; i < noisy.Pixels.size(); ++i)
        noisy.Pixels[i] = 0xFF000000u | (uint32_t(i) * 0x9E3779B1u & 0xFFFFFF);
    TBitmap bitmap;
    AssignBitmapFileImage(bitmap, noisy);
    TJPEGImage jpeg;
    EXPECT_EQ(jpeg.CompressionQuality(), 90);
    jpeg.Assign(&bitmap);
    EXPECT_EQ(jpeg.Width(), 32);
    const std::vector<uint8_t> at90 = Saved(jpeg);
    EXPECT_EQ(at90, EncodeJpeg(noisy, 90, false));
    jpeg.SetCompressionQuality(10);
    EXPECT_EQ(Saved(jpeg), EncodeJpeg(noisy, 10, false));
    jpeg.SetCompressionQuality(0);
    EXPECT_EQ(jpeg.CompressionQuality(), 1);

    // A copy of the picture is its own; an empty picture saves nothing.
    TJPEGImage copy;
    copy.Assign(&jpeg);
    jpeg.Assign(&bitmap);
    EXPECT_EQ(copy.CompressionQuality(), 1);
    EXPECT_EQ(copy.Width(), 32);
    TJPEGImage empty;
    EXPECT_TRUE(Saved(empty).empty());
    TBitmap none;
    none.Assign(&empty);
    EXPECT_TRUE(none.Empty());
}

}  // namespace
