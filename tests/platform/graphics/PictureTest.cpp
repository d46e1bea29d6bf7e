#include <gtest/gtest.h>

#include "platform/classes/ClassRegistry.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/BitmapFileStream.h"
#include "platform/graphics/JpegImage.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/Streams.h"
#include "tests/platform/graphics/PictureFixture.h"

namespace {

using GraphicFormats = PictureFormatsTest;
using Picture = PictureFormatsTest;

// A graphic class of no registered format, for the registry's own cases.
class TTestGraphic : public TBitmap {
    KV_DECLARE_CLASS(TTestGraphic, TBitmap)
};

TEST_F(GraphicFormats, ExtensionsFindTheirClassWhateverTheCase) {
    struct Case {
        const char* extension;
        TGraphicClass expected;
    } cases[] = {
        {"bmp", &TBitmap::StaticClass()},
        {".BMP", &TBitmap::StaticClass()},
        {"Jpg", &TJPEGImage::StaticClass()},
        {".jpeg", &TJPEGImage::StaticClass()},
        {"JPEG", &TJPEGImage::StaticClass()},
        {"gif", nullptr},
        {"", nullptr},
        {".", nullptr},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GraphicClassOfExtension(c.extension), c.expected) << c.extension;

    std::unique_ptr<TGraphic> graphic(CreateGraphicOfExtension(".JPG"));
    EXPECT_TRUE(dynamic_cast<TJPEGImage*>(graphic.get()));
    EXPECT_EQ(CreateGraphicOfExtension("xyz"), nullptr);
    EXPECT_EQ(GetClass("TJPEGImage"), &TJPEGImage::StaticClass());
    EXPECT_EQ(GraphicExtension(&TBitmap::StaticClass()), "bmp");
    EXPECT_EQ(GraphicExtension(&TJPEGImage::StaticClass()), "jpg");
    EXPECT_EQ(GraphicExtension(&TTestGraphic::StaticClass()), "");
    EXPECT_EQ(GraphicFilter(&TGraphic::StaticClass()),
              "All (*.bmp;*.jpeg;*.jpg)|*.bmp;*.jpeg;*.jpg|Bitmaps (*.bmp)|*.bmp|"
              "JPEG Image File (*.jpeg)|*.jpeg|JPEG Image File (*.jpg)|*.jpg");
    EXPECT_EQ(GraphicFilter(&TBitmap::StaticClass()), "Bitmaps (*.bmp)|*.bmp");
}

TEST_F(GraphicFormats, LaterRegistrationsWinAndUnregisteringRemoves) {
    RegisterFileFormat(".BMP", "Test pictures", &TTestGraphic::StaticClass());
    EXPECT_EQ(GraphicClassOfExtension("bmp"), &TTestGraphic::StaticClass());
    RegisterFileFormat("tst", "Test pictures", &TTestGraphic::StaticClass());
    EXPECT_EQ(FileFormats().size(), 4u);
    // Unregistering TBitmap takes its descendants' formats too.
    UnregisterGraphicClass(&TBitmap::StaticClass());
    EXPECT_EQ(GraphicClassOfExtension("tst"), nullptr);
    EXPECT_EQ(GraphicClassOfExtension("jpg"), &TJPEGImage::StaticClass());
    UnregisterFileFormat("JPG");
    EXPECT_EQ(GraphicClassOfExtension("jpg"), nullptr);
    EXPECT_EQ(GraphicClassOfExtension("jpeg"), &TJPEGImage::StaticClass());

    EXPECT_THROW(RegisterFileFormat("", "Nothing", &TBitmap::StaticClass()), EInvalidGraphic);
    EXPECT_THROW(RegisterFileFormat("pic", "Not a picture", &TPicture::StaticClass()),
                 EInvalidGraphic);
}

TEST_F(Picture, LoadsByExtensionAndLeavesItselfOnFailure) {
    const TBitmapFileImage source = SmoothPicture(12, 8);
    TBitmap bitmap;
    AssignBitmapFileImage(bitmap, source);
    const std::string bmpFile = ScratchFile("a.BMP");
    bitmap.SaveToFile(bmpFile);
    const std::string jpgFile = ScratchFile("b.jpg");
    {
        TFileStream s(jpgFile, fmCreate);
        const std::vector<uint8_t> jpeg = EncodeJpeg(source, 90, false);
        s.WriteBuffer(jpeg.data(), int64_t(jpeg.size()));
    }

    TPicture picture;
    int changes = 0;
    picture.OnChange = [&](TObject*) { ++changes; };
    picture.LoadFromFile(bmpFile);
    ASSERT_TRUE(dynamic_cast<TBitmap*>(picture.Graphic()));
    EXPECT_EQ(BitmapFileImageOf(*picture.Bitmap(), 24).Pixels, source.Pixels);
    picture.LoadFromFile(jpgFile);
    ASSERT_TRUE(dynamic_cast<TJPEGImage*>(picture.Graphic()));
    EXPECT_EQ(picture.Width(), 12);
    EXPECT_EQ(picture.Height(), 8);
    EXPECT_EQ(changes, 2);

    struct Case {
        const char* name;
        std::string file;
        const char* message;  // empty: the reader's own
    } cases[] = {
        {"unknown extension", ScratchFile("c.xyz"), "Unknown picture file extension (.xyz)"},
        {"no extension", ScratchFile("d"), "Unknown picture file extension (.)"},
        {"a JPEG named .bmp", ScratchFile("e.bmp"), ""},
    };
    std::filesystem::copy_file(jpgFile, cases[2].file);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            picture.LoadFromFile(c.file);
            ADD_FAILURE() << "loaded";
        } catch (const EInvalidGraphic& e) {
            if (*c.message) {
                EXPECT_EQ(e.Message(), c.message);
            }
        }
        EXPECT_TRUE(dynamic_cast<TJPEGImage*>(picture.Graphic()));
    }
    EXPECT_THROW(picture.LoadFromFile(ScratchFile("missing.bmp")), EFOpenError);
    EXPECT_EQ(changes, 2);
}

TEST_F(Picture, ConvertsToABitmapAndSavesInTheFormatOfTheExtension) {
    const TBitmapFileImage source = SmoothPicture(12, 8);
    TJPEGImage jpeg;
    {
        TMemoryStream s;
        const std::vector<uint8_t> bytes = EncodeJpeg(source, 90, false);
        s.WriteBuffer(bytes.data(), int64_t(bytes.size()));
        s.SetPosition(0);
        jpeg.LoadFromStream(s);
    }
    TPicture picture;
    picture.SetGraphic(&jpeg);
    EXPECT_NE(picture.Graphic(), &jpeg);  // a copy

    // Saved as a bitmap file, then as a JPEG one.
    const std::string bmpFile = ScratchFile("f.bmp");
    picture.SaveToFile(bmpFile);
    TBitmap fromFile;
    fromFile.LoadFromFile(bmpFile);
    const TBitmapFileImage decoded = BitmapFileImageOf(*jpeg.Bitmap(), 24);
    EXPECT_EQ(BitmapFileImageOf(fromFile, 24).Pixels, decoded.Pixels);

    int changes = 0;
    picture.OnChange = [&](TObject*) { ++changes; };
    TBitmap* bitmap = picture.Bitmap();
    EXPECT_EQ(picture.Graphic(), bitmap);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(BitmapFileImageOf(*bitmap, 24).Pixels, decoded.Pixels);
    bitmap->Canvas()->SetPixel(0, 0, clRed);  // the graphic's changes reach the picture
    EXPECT_EQ(changes, 2);

    const std::string jpgFile = ScratchFile("g.jpeg");
    picture.SaveToFile(jpgFile);
    TMemoryStream s;
    s.LoadFromFile(jpgFile);
    EXPECT_EQ(ReadJpegInfo(reinterpret_cast<const uint8_t*>(s.Memory()), size_t(s.Size())).Width,
              12);

    // Assign copies between pictures and clears with null.
    TPicture other;
    other.Assign(&picture);
    ASSERT_TRUE(dynamic_cast<TBitmap*>(other.Graphic()));
    EXPECT_NE(other.Graphic(), picture.Graphic());
    TBitmap target;
    target.Assign(&other);
    EXPECT_EQ(target.Canvas()->Pixel(0, 0), clRed);
    other.Assign(nullptr);
    EXPECT_EQ(other.Graphic(), nullptr);
    EXPECT_EQ(other.Width(), 0);
    TPicture empty;
    EXPECT_TRUE(empty.Bitmap()->Empty());
}

}  // namespace
