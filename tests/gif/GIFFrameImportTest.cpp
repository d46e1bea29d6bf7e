// Frames made from paletted bitmaps keep the bitmap's colour table and indices.
#include <gtest/gtest.h>

#include <vector>

#include "gif/GIFDIB.h"
#include "gif/GIFExtension.h"
#include "gif/GIFImage.h"
#include "gif/GIFSubImage.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/BitmapFileStream.h"
#include "platform/graphics/Icon.h"
#include "platform/graphics/Metafile.h"
#include "platform/graphics/MetafileCanvas.h"
#include "platform/rtl/Streams.h"
#include "tests/platform/graphics/IconFixture.h"

namespace {

// A bitmap of format whose pixel (x, y) has index indexOf(x, y) of table.
std::unique_ptr<TBitmap> PalettedBitmap(TPixelFormat format, const std::vector<uint32_t>& table,
                                        int width, int height, int (*indexOf)(int, int)) {
    auto bitmap = std::make_unique<TBitmap>(width, height);
    bitmap->SetPixelFormat(pf32bit);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(bitmap->ScanLine(y));
        for (int x = 0; x < width; ++x) row[x] = 0xFF000000u | table[size_t(indexOf(x, y))];
    }
    bitmap->SetPixelFormat(format);
    bitmap->SetColorTable(table);
    return bitmap;
}

std::vector<int> FrameIndices(TGIFSubImage& frame) {
    std::vector<int> out;
    for (int y = 0; y < frame.Height(); ++y)
        for (int x = 0; x < frame.Width(); ++x) out.push_back(frame.Pixels(x, y));
    return out;
}

// The transparent index a picture's see-through pixels became: a black entry appended after
// the used colours (the unused white of the background dropped); -1, with a failure, when the
// frame has none.
int AppendedTransparentIndex(TGIFSubImage& frame) {
    TGIFGraphicControlExtension* gce = frame.GraphicControlExtension();
    if (!gce || !gce->Transparent()) {
        ADD_FAILURE() << "the frame has no transparent colour";
        return -1;
    }
    const int t = gce->TransparentColorIndex();
    EXPECT_EQ(t, frame.ColorMap().Count() - 1);
    EXPECT_EQ(GIFColorValue(frame.ColorMap().Entry(t)), 0u);
    return t;
}

}  // namespace

TEST(GIFFrameImport, PalettedBitmapsKeepTheirIndices) {
    struct Case {
        TPixelFormat Format;
        std::vector<uint32_t> Table;
    };
    // Tables in an order no colour-by-colour import would give (white before black, and
    // entries the pixels never use).
    std::vector<uint32_t> sixteen, full;
    for (uint32_t i = 0; i < 16; ++i) sixteen.push_back(0xF00000 - i * 0x0F0301);
    for (uint32_t i = 0; i < 256; ++i) full.push_back((255 - i) << 16 | i << 8 | (i * 7 & 255));
    const Case cases[] = {{pf1bit, {0xFFFFFF, 0x000000}}, {pf4bit, sixteen}, {pf8bit, full}};
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.Table.size()));
        static size_t count;
        count = c.Table.size();
        auto bitmap = PalettedBitmap(c.Format, c.Table, 5, 3,
                                     [](int x, int y) { return int((x * 3 + y * 5 + 1) % count); });
        TGIFImage image;
        image.SetColorReduction(reduceNone);
        ASSERT_EQ(image.Add(*bitmap), 0);
        TGIFSubImage& frame = *image.Images().SubImages(0);
        ASSERT_EQ(frame.ColorMap().Count(), int(c.Table.size()));
        for (size_t i = 0; i < c.Table.size(); ++i) {
            const TGIFColor& e = frame.ColorMap().Entry(int(i));
            ASSERT_EQ(uint32_t(e.Red) << 16 | uint32_t(e.Green) << 8 | e.Blue, c.Table[i]) << i;
        }
        std::vector<int> expected;
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x) expected.push_back(int((x * 3 + y * 5 + 1) % count));
        EXPECT_EQ(FrameIndices(frame), expected);
    }
}

TEST(GIFFrameImport, AnEightBitFileKeepsItsIndicesAndDrawingFallsBackToColours) {
    // With the full table of an 8-bit bitmap file, as a paletted picture arrives from disk.
    TBitmap bitmap;
    TGIFPalette palette;
    for (int i = 0; i < 256; ++i) palette.push_back({uint8_t(i), uint8_t(255 - i), 9, 0});
    {
        TDIBWriter writer(bitmap, &palette, 4, 2, pf8bit);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 4; ++x) writer.Scanline(y)[x] = uint8_t(200 + x - y * 100);
    }
    ASSERT_EQ(bitmap.PixelFormat(), pf8bit);
    TGIFImage image;
    image.SetColorReduction(reduceNone);
    image.Add(bitmap);
    EXPECT_EQ(FrameIndices(*image.Images().SubImages(0)),
              (std::vector<int>{200, 201, 202, 203, 100, 101, 102, 103}));
    // A colour outside the table: the frame is built colour by colour instead.
    reinterpret_cast<uint32_t*>(bitmap.ScanLine(0))[0] = 0xFF123456u;
    image.Add(bitmap);
    TGIFSubImage& drawn = *image.Images().SubImages(1);
    EXPECT_EQ(drawn.ColorMap().Count(), 8);
    EXPECT_EQ(FrameIndices(drawn), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
}

TEST(GIFFrameImport, AMetafileIsTransparentWhereItDoesNotDraw) {
    TMetafile metafile;
    metafile.SetWidth(6);
    metafile.SetHeight(4);
    {
        TMetafileCanvas canvas(&metafile, nullptr);
        canvas.Brush()->SetColor(clRed);
        canvas.FillRect(Rect(1, 1, 4, 3));
    }
    TGIFImage image;
    image.SetColorReduction(reduceNone);
    ASSERT_EQ(image.Add(metafile), 0);
    TGIFSubImage& frame = *image.Images().SubImages(0);
    const int t = AppendedTransparentIndex(frame);
    ASSERT_GE(t, 0);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) {
            const bool drawn = x >= 1 && x < 4 && y >= 1 && y < 3;
            const int index = frame.Pixels(x, y);
            if (drawn)
                EXPECT_EQ(GIFColorValue(frame.ColorMap().Entry(index)), 0x0000FFu) << x << ',' << y;
            else
                EXPECT_EQ(index, t) << x << ',' << y;
        }
}

// An icon becomes a frame drawn on white, and its mask (not its colours: a white of the icon
// stays white) becomes the transparent colour, an extra black entry after the used colours.
TEST(GIFFrameImport, AnIconIsTransparentUnderItsMask) {
    const std::vector<uint8_t> file = icon_fixture::IconFile(32, icon_fixture::SampleColour);
    TMemoryStream stream;
    stream.WriteBuffer(file.data(), int64_t(file.size()));
    stream.SetPosition(0);
    TIcon icon;
    icon.LoadFromStream(stream);
    TGIFImage image;
    image.SetColorReduction(reduceNone);
    ASSERT_EQ(image.Add(icon), 0);
    TGIFSubImage& frame = *image.Images().SubImages(0);
    ASSERT_EQ(frame.Width(), 32);
    ASSERT_EQ(frame.Height(), 32);
    const int t = AppendedTransparentIndex(frame);
    ASSERT_GE(t, 0);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const TColor expected = icon_fixture::SampleColour(x, y);
            const int index = frame.Pixels(x, y);
            if (expected == clNone) {
                EXPECT_EQ(index, t) << x << ',' << y;
            } else {
                EXPECT_NE(index, t) << x << ',' << y;
                EXPECT_EQ(GIFColorValue(frame.ColorMap().Entry(index)), uint32_t(expected))
                    << x << ',' << y;
            }
        }
}

TEST(GIFFrameImport, AFrameGoesToABitmapAndBackWithItsIndices) {
    TGIFImage image;
    image.SetColorReduction(reduceNone);
    auto frame = std::make_unique<TGIFSubImage>(&image);
    // Table order unlike the order of first use.
    for (uint32_t c : {0x00FF00u, 0x0000FFu, 0xFF0000u, 0x123456u}) frame->ColorMap().Add(c);
    frame->SetBounds(0, 0, 17, 2);
    for (int i = 0; i < 34; ++i) frame->Data()[i] = uint8_t((i * 7 + 3) % 4);
    auto gce = std::make_unique<TGIFGraphicControlExtension>(frame.get());
    gce->SetTransparentColorIndex(2);
    gce->SetTransparent(true);
    frame->Extensions().Add(std::move(gce));
    image.Add(std::move(frame));
    TGIFSubImage& source = *image.Images().SubImages(0);

    const TGIFFrameMask mask = source.Mask();
    EXPECT_EQ(mask.RowBytes, 4);  // 17 pixels, rows padded to 16 bits
    for (int i = 0; i < 34; ++i) EXPECT_EQ(mask.IsSet(i % 17, i / 17), (i * 7 + 3) % 4 == 2) << i;
    ASSERT_EQ(source.Palette().size(), 4u);
    EXPECT_EQ(source.Palette()[2], (TGIFPaletteEntry{0, 0, 255, 4}));

    TBitmap bitmap;
    source.AssignTo(bitmap);
    EXPECT_EQ(bitmap.PixelFormat(), pf8bit);
    EXPECT_EQ(bitmap.ColorTable(), (std::vector<uint32_t>{0x00FF00, 0xFF0000, 0x0000FF, 0x563412}));
    ASSERT_EQ(image.Add(bitmap), 1);
    EXPECT_EQ(FrameIndices(*image.Images().SubImages(1)), FrameIndices(source));

    // A palette of its own renders the frame in other colours, and the picture tells its owner
    // once that the rendering it showed is gone.
    int changes = 0;
    image.OnChange = [&](TObject*) { ++changes; };
    ASSERT_NE(source.Bitmap(), nullptr);
    const TGIFPalette own = {{1, 2, 3, 0}, {4, 5, 6, 0}, {7, 8, 9, 0}, {10, 11, 12, 0}};
    source.SetPalette(own);
    source.SetPalette(own);
    EXPECT_EQ(changes, 1);
    source.AssignTo(bitmap);
    EXPECT_EQ(bitmap.ColorTable()[3], 0x0A0B0Cu);
    EXPECT_EQ(source.Bitmap()->Canvas()->Pixel(0, 0), TColor(0x0C0B0A));  // index 3
}

TEST(GIFFrameImport, PictureSettingsForPaletteAndRendering) {
    // Frames rendered while they are read, when asked.
    TGIFImage source;
    source.GlobalColorMap().Add(0x0000FF);
    source.GlobalColorMap().Add(0x00FF00);
    auto frame = std::make_unique<TGIFSubImage>(&source);
    frame->SetBounds(0, 0, 2, 1);
    frame->Data()[1] = 1;
    source.Add(std::move(frame));
    TMemoryStream stream;
    source.SaveToStream(stream);
    struct TRestore {
        ~TRestore() { SetRenderOnLoad(false); }
    } restore;
    for (bool render : {false, true}) {
        SetRenderOnLoad(render);
        int renders = 0;
        TGIFImage image;
        image.OnProgress = [&](TObject*, TGIFProgressStage stage, int, bool,
                               const std::string& message) {
            renders += stage == gpsEnding && message == sProgressRendering;
        };
        stream.SetPosition(0);
        image.LoadFromStream(stream);
        EXPECT_EQ(renders, render ? 1 : 0);
    }
    // A palette given to the picture is its palette, and the rendered bitmap goes.
    int changes = 0;
    source.OnChange = [&](TObject*) { ++changes; };
    ASSERT_NE(source.Bitmap(), nullptr);
    const TGIFPalette grey = {{9, 9, 9, 0}, {8, 8, 8, 0}};
    source.SetPalette(grey);
    EXPECT_EQ(source.Palette(), grey);
    EXPECT_EQ(changes, 1);
    source.SetPalette(grey);
    EXPECT_EQ(changes, 1);
    // Cleared, the picture has no palette at all.
    source.Clear();
    EXPECT_TRUE(source.Palette().empty());
}

TEST(GIFFrameImport, BitmapClipboardDataBecomesTheFrame) {
    const std::vector<uint32_t> table = {0x102030, 0x405060};
    auto bitmap = PalettedBitmap(pf8bit, table, 3, 2, [](int x, int y) { return (x + y) % 2; });
    TMemoryStream data;
    SaveBitmapFile(*bitmap, data);
    data.SetPosition(0);
    TGIFImage image;
    image.SetColorReduction(reduceNone);
    image.LoadFromClipboardFormat("Bitmap", data);
    ASSERT_EQ(image.Images().Count(), 1);
    EXPECT_EQ(FrameIndices(*image.Images().SubImages(0)), (std::vector<int>{0, 1, 0, 1, 0, 1}));
}

namespace {

// A 2 × 1 picture that turns into pixels in one way only: drawn in red, or assigned in blue.
class TOneWayPicture : public TGraphic {
public:
    explicit TOneWayPicture(bool draws) : FDraws(draws) {}
    bool Empty() const override { return false; }
    int Width() const override { return 2; }
    void SetWidth(int) override {}
    int Height() const override { return 1; }
    void SetHeight(int) override {}
    void LoadFromStream(TStream&) override {}
    void SaveToStream(TStream&) override {}

protected:
    void Draw(TCanvas& canvas, const TRect& rect) override {
        if (!FDraws) throw EInvalidGraphicOperation("cannot draw");
        canvas.Brush()->SetColor(clRed);
        canvas.FillRect(rect);
    }
    void AssignTo(TPersistent* dest) const override {
        auto* bitmap = dynamic_cast<TBitmap*>(dest);
        if (FDraws || !bitmap) return TGraphic::AssignTo(dest);
        TBitmap blue(2, 1);
        blue.Canvas()->Brush()->SetColor(clBlue);
        blue.Canvas()->FillRect(Rect(0, 0, 2, 1));
        bitmap->Assign(&blue);
    }

private:
    bool FDraws;
};

TEST(GIFFrameImport, APictureArrivesTheWayItCanAndWhatIsNoPictureIsRefused) {
    TGIFImage image;
    image.SetColorReduction(reduceNone);
    for (bool draws : {true, false}) {
        TOneWayPicture picture(draws);
        TGIFSubImage frame(&image);
        frame.Assign(&picture);
        ASSERT_EQ(frame.ColorMap().Count(), 1);
        EXPECT_EQ(GIFColorValue(frame.ColorMap().Entry(0)), draws ? 0x0000FFu : 0xFF0000u);
        EXPECT_EQ(FrameIndices(frame), (std::vector<int>{0, 0}));
    }
    TGIFSubImage frame(&image);
    TFont font;
    try {
        frame.Assign(&font);
        ADD_FAILURE() << "a font became a frame";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Cannot assign a TFont to a TGIFSubImage");
    }
    frame.Assign(nullptr);
    EXPECT_TRUE(frame.Empty());
}

TEST(GIFFrameImport, ACopyTakesTheRenderingAlong) {
    TGIFImage image;
    image.GlobalColorMap().Add(clRed);
    auto source = std::make_unique<TGIFSubImage>(&image);
    source->SetBounds(0, 0, 2, 1);
    ASSERT_NE(source->Bitmap(), nullptr);
    int renders = 0;
    image.OnProgress = [&](TObject*, TGIFProgressStage stage, int, bool, const std::string& m) {
        renders += stage == gpsStarting && m == sProgressRendering;
    };
    TGIFSubImage copy(&image);
    copy.Assign(*source);
    ASSERT_NE(copy.Bitmap(), nullptr);
    EXPECT_EQ(renders, 0);
    EXPECT_EQ(copy.Bitmap()->Canvas()->Pixel(1, 0), clRed);
    EXPECT_NE(copy.Bitmap(), source->Bitmap());
}

}  // namespace
