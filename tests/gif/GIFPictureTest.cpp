#include <gtest/gtest.h>

#include <filesystem>

#include "gif/GIFFormat.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/Writer.h"
#include "platform/graphics/GraphicFormats.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/Streams.h"
#include "tests/gif/GifPictureFixtures.h"
#include "tests/support/TempDir.h"

namespace {

std::string MessageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Exception& e) {
        return e.Message();
    }
    return "";
}

// A 24-bit bitmap whose pixel (x, y) has the colour colorOf(x, y).
template <typename F>
std::unique_ptr<TBitmap> PaintedBitmap(int width, int height, F colorOf) {
    auto bitmap = FilledBitmap(width, height, clWhite);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) bitmap->Canvas()->SetPixel(x, y, colorOf(x, y));
    return bitmap;
}

TEST(GIFPictureFormat, RegistersTheExtensionAndTheClassName) {
    RegisterGIFImageFormat();
    EXPECT_EQ(GraphicClassOfExtension("gif"), &TGIFImage::StaticClass());
    EXPECT_EQ(GraphicClassOfExtension(".GIF"), &TGIFImage::StaticClass());
    EXPECT_EQ(FindClass("TGIFImage"), &TGIFImage::StaticClass());
    EXPECT_EQ(GraphicFilter(&TGIFImage::StaticClass()), "GIF Image (*.gif)|*.gif");

    // A picture holder reads a ".GIF" file as a GIF picture.
    TGIFImage image;
    AddBasicColors(image);
    AddFrame(image, 0, 0, {"12", "34"});
    const TTempDir folder;
    const std::string file = folder.File("picture.GIF");
    image.SaveToFile(file);
    TPicture picture;
    picture.LoadFromFile(file);
    auto* loaded = dynamic_cast<TGIFImage*>(picture.Graphic());
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(PixelsOf(*loaded->Bitmap()), PixelsOf(*image.Bitmap()));

    UnregisterGIFImageFormat();
    EXPECT_EQ(GraphicClassOfExtension("gif"), nullptr);
}

TEST(GIFPicture, SizeBelowAFrameIsRefusedAndKeepsTheOldSize) {
    TGIFImage image;
    AddBasicColors(image);
    AddFrame(image, 2, 1, {"11", "11"});
    EXPECT_EQ(MessageOf([&] { image.SetWidth(3); }), "Image width too small for contained frames");
    EXPECT_EQ(MessageOf([&] { image.SetHeight(2); }),
              "Image height too small for contained frames");
    EXPECT_EQ(image.Width(), 4);
    EXPECT_EQ(image.Height(), 3);
    int changes = 0;
    image.OnChange = [&](TObject*) { ++changes; };
    image.SetWidth(8);
    EXPECT_EQ(image.Width(), 8);
    EXPECT_EQ(changes, 1);
}

TEST(GIFPicture, ACopyIsIndependentAndKeepsNoHandlers) {
    TGIFImage source;
    AddBasicColors(source);
    AddFrame(source, 0, 0, {"12"});
    source.SetForceFrame(0);
    source.SetDitherMode(ditherBurkes);
    source.SetReductionBits(4);
    source.SetAnimationSpeed(50);
    source.OnWarning = [](TObject*, int, const std::string&) {};
    source.OnProgress = [](TObject*, TGIFProgressStage, int, bool, const std::string&) {};

    TGIFImage copy;
    copy.Assign(static_cast<const TPersistent*>(&source));
    EXPECT_FALSE(copy.OnWarning);
    EXPECT_FALSE(copy.OnProgress);
    EXPECT_EQ(copy.ForceFrame(), 0);
    EXPECT_EQ(copy.DitherMode(), ditherBurkes);
    // Not copied.
    EXPECT_EQ(copy.ReductionBits(), 8);
    EXPECT_EQ(copy.AnimationSpeed(), 100);

    copy.Images().SubImages(0)->SetPixels(0, 0, 4);
    EXPECT_EQ(source.Images().SubImages(0)->Pixels(0, 0), 1);
    EXPECT_EQ(copy.Bitmap()->Canvas()->Pixel(0, 0), clBlue);
    EXPECT_EQ(source.Bitmap()->Canvas()->Pixel(0, 0), clWhite);

    // Null empties; what is no picture cannot be assigned.
    copy.Assign(static_cast<const TPersistent*>(nullptr));
    EXPECT_TRUE(copy.Empty());
}

TEST(GIFPicture, AssignsToABitmapWithTheFirstFrameAtItsPlace) {
    TGIFImage image;
    AddBasicColors(image);
    image.SetWidth(3);
    image.SetHeight(2);
    AddFrame(image, 1, 1, {"20"});
    TBitmap bitmap;
    bitmap.Assign(&image);
    EXPECT_EQ(PixelsOf(bitmap),
              (std::vector<TColor>{clWhite, clWhite, clWhite, clWhite, clRed, clBlack}));
    // An empty picture gives an empty bitmap.
    TGIFImage empty;
    bitmap.Assign(&empty);
    EXPECT_TRUE(bitmap.Empty());
}

TEST(GIFPicture, BitmapsBecomeFramesAndComeBackTheSame) {
    const auto three = [](int x, int y) {
        return (x + y) % 3 == 0 ? clRed : x < 2 ? clBlue : clWhite;
    };
    struct {
        const char* Name;
        uint8_t Reduction;
        std::function<TColor(int, int)> ColorOf;
        bool Transparent;
        int TableCount;       // -1: not checked
        bool Exact;           // the colours come back unchanged
        const char* Message;  // expected error, or ""
    } cases[] = {
        {"few colours, no reduction", reduceNone, three, false, 3, true, ""},
        {"few colours, web palette", reduceWebPalette, three, false, 216, true, ""},
        {"300 colours, no reduction", reduceNone, [](int x, int y) { return TColor(RGB(x, y, 7)); },
         false, -1, false, "Color table overflow"},
        {"transparent: one more black entry", reduceNone, three, true, 3, false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        auto bitmap = PaintedBitmap(c.Message[0] ? 20 : 5, c.Message[0] ? 15 : 4, c.ColorOf);
        if (c.Transparent) {
            bitmap->SetTransparentColor(clWhite);
            bitmap->SetTransparent(true);
        }
        TGIFImage image;
        image.SetColorReduction(c.Reduction);
        EXPECT_EQ(MessageOf([&] { image.Assign(bitmap.get()); }), c.Message);
        if (c.Message[0]) continue;
        ASSERT_EQ(image.Images().Count(), 1);
        TGIFSubImage* frame = image.Images().SubImages(0);
        if (c.Exact) {
            EXPECT_EQ(frame->ColorMap().Count(), c.TableCount);
            EXPECT_EQ(PixelsOf(*image.Bitmap()), PixelsOf(*bitmap));
        }
        if (c.Transparent) {
            // Red and blue are used, white is no longer: the sorted table keeps two entries
            // and black joins as the transparent one.
            ASSERT_NE(frame->GraphicControlExtension(), nullptr);
            const int t = frame->GraphicControlExtension()->TransparentColorIndex();
            EXPECT_EQ(t, frame->ColorMap().Count() - 1);
            EXPECT_EQ(frame->ColorMap().Colors(t), 0u);
            EXPECT_EQ(frame->Pixels(4, 3), t);  // (4, 3) was white
            auto target = FilledBitmap(5, 4, clGray);
            target->Canvas()->Draw(0, 0, &image);
            EXPECT_EQ(target->Canvas()->Pixel(4, 3), clGray);
            EXPECT_EQ(target->Canvas()->Pixel(0, 0), clRed);
        }
        // Saved and read again, the picture draws the same.
        TMemoryStream stream;
        image.SaveToStream(stream);
        stream.SetPosition(0);
        TGIFImage again;
        again.LoadFromStream(stream);
        EXPECT_EQ(PixelsOf(*again.Bitmap()), PixelsOf(*image.Bitmap()));
    }
}

TEST(GIFPicture, AFullTableGetsNoTransparency) {
    auto bitmap =
        PaintedBitmap(16, 16, [](int x, int y) { return TColor(RGB(16 * x, 16 * y, 0)); });
    bitmap->SetTransparentColor(TColor(RGB(0, 0, 0)));
    bitmap->SetTransparent(true);
    TGIFImage image;
    image.SetColorReduction(reduceNone);
    image.Assign(bitmap.get());
    TGIFSubImage* frame = image.Images().SubImages(0);
    EXPECT_EQ(frame->ColorMap().Count(), 256);
    EXPECT_FALSE(frame->Transparent());
}

TEST(GIFPicture, ClipboardDataIsTheWholeFile) {
    TGIFImage image;
    std::string format = "none";
    TMemoryStream data;
    EXPECT_FALSE(image.SaveToClipboardFormat(format, data));
    EXPECT_EQ(data.Size(), 0);
    AddBasicColors(image);
    AddFrame(image, 0, 0, {"24"});
    ASSERT_TRUE(image.SaveToClipboardFormat(format, data));
    EXPECT_EQ(format, "GIF Image");
    data.SetPosition(0);
    TGIFImage pasted;
    pasted.LoadFromClipboardFormat(format, data);
    EXPECT_EQ(pasted.Images().SubImages(0)->Pixels(1, 0), 4);
    data.SetPosition(0);
    EXPECT_EQ(MessageOf([&] { pasted.LoadFromClipboardFormat("Text", data); }),
              "Unsupported clipboard format");
}

TEST(GIFPicture, OtherPicturesArriveThroughTheirDrawing) {
    // A picture holder hands over its graphic; a GIF picture inside it is copied.
    TGIFImage source;
    AddBasicColors(source);
    AddFrame(source, 0, 0, {"23"});
    TPicture picture;
    picture.SetGraphic(&source);
    TGIFImage image;
    image.Assign(&picture);
    EXPECT_EQ(image.Images().SubImages(0)->Pixels(1, 0), 3);
    // A frame added from a bitmap.
    auto bitmap = FilledBitmap(2, 2, clBlue);
    image.SetColorReduction(reduceNone);
    EXPECT_EQ(image.Add(*bitmap), 1);
    EXPECT_EQ(image.Images().SubImages(1)->ColorMap().Count(), 1);
}

}  // namespace

namespace {

TEST(GIFPicture, KeptInAComponentStreamOptimisedWhenAsked) {
    struct TRestore {
        ~TRestore() { SetOptimizeOnStreaming(false); }
    } restore;
    for (bool optimize : {false, true}) {
        SCOPED_TRACE(optimize ? "optimised" : "as it is");
        SetOptimizeOnStreaming(optimize);
        TPicture holder;
        {
            TGIFImage image;
            AddBasicColors(image);
            AddFrame(image, 0, 0, {"11", "11"});
            AddFrame(image, 0, 0, {"11", "11"});  // the same again: merged away
            holder.SetGraphic(&image);
        }
        TMemoryStream stream;
        {
            TWriter writer(stream);
            writer.WriteProperties(&holder);
            writer.WriteListEnd();
        }
        auto& kept = dynamic_cast<TGIFImage&>(*holder.Graphic());
        EXPECT_EQ(kept.Images().Count(), optimize ? 1 : 2);
        // What was kept is the picture as it is now.
        TMemoryStream file;
        kept.SaveToStream(file);
        const std::string bytes(stream.Memory(), size_t(stream.Size()));
        EXPECT_NE(bytes.find(std::string(file.Memory(), size_t(file.Size()))), std::string::npos);
    }
}

TEST(GIFPicture, APaletteOfItsOwnOrOfItsTables) {
    // The global table's colours; else the first frame's own table.
    TGIFImage image;
    AddBasicColors(image);
    AddFrame(image, 0, 0, {"1"});
    EXPECT_EQ(image.Palette().size(), 5u);
    TGIFImage local;
    TGIFSubImage* frame = AddFrame(local, 0, 0, {"1"});
    frame->ColorMap().Add(clRed);
    frame->ColorMap().Add(clBlue);
    ASSERT_EQ(local.Palette().size(), 2u);
    EXPECT_EQ(local.Palette()[1], (TGIFPaletteEntry{0, 0, 255, 4}));
    // A palette given to that frame is the picture's too.
    const TGIFPalette given = {{1, 2, 3, 0}};
    frame->SetPalette(given);
    EXPECT_EQ(local.Palette(), given);
    // Without any table there is none.
    TGIFImage bare;
    AddFrame(bare, 0, 0, {"1"});
    EXPECT_EQ(MessageOf([&] { bare.Palette(); }), "No global or local color table defined");
}

}  // namespace
