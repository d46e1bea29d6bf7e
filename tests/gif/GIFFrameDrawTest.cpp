#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "gif/GIFFrameRenderer.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Exceptions.h"
#include "tests/gif/GifPictureFixtures.h"

namespace {

std::string Text(const TRect& r) {
    return std::to_string(r.Left) + "," + std::to_string(r.Top) + "-" + std::to_string(r.Right) +
           "," + std::to_string(r.Bottom);
}

TEST(GIFFrameMask, RowsArePaddedToSixteenBitsMostSignificantFirst) {
    // 17 × 2: pixel 0 and 16 of row 0, pixel 8 of row 1 are transparent (index 7).
    std::vector<uint8_t> pixels(34, 1);
    pixels[0] = pixels[16] = pixels[17 + 8] = 7;
    const TGIFFrameMask mask = BuildFrameMask(pixels.data(), 17, 2, 17, 7);
    ASSERT_EQ(mask.RowBytes, 4);
    EXPECT_EQ(mask.Bits, (std::vector<uint8_t>{0x80, 0x00, 0x80, 0x00, 0x00, 0x80, 0x00, 0x00}));
    EXPECT_TRUE(mask.IsSet(16, 0));
    EXPECT_FALSE(mask.IsSet(1, 0));
    // An index that never occurs gives no mask at all.
    EXPECT_TRUE(BuildFrameMask(pixels.data(), 17, 2, 17, 9).Empty());
}

TEST(GIFFrameGeometry, ScaledAndTiledPlaces) {
    const TRect frame{5, 5, 15, 15};
    EXPECT_EQ(Text(ScaleFrameRect(TRect{0, 0, 40, 40}, frame, 20, 20)), "10,10-30,30");
    EXPECT_EQ(Text(ScaleFrameRect(TRect{100, 50, 120, 70}, frame, 20, 20)), "105,55-115,65");
    // A 20 × 20 picture over 50 × 30, column by column.
    std::string tiles;
    for (const TRect& t : FrameTiles(TRect{0, 0, 50, 30}, TRect{5, 5, 7, 7}, 20, 20))
        tiles += Text(t) + " ";
    EXPECT_EQ(tiles, "5,5-7,7 5,25-7,27 25,5-27,7 25,25-27,27 45,5-47,7 45,25-47,27 ");
}

TEST(GIFFrameRender, PixelsTakeTheActiveTableAndAFrameWithoutTableRendersGrey) {
    TGIFImage image;
    AddBasicColors(image);
    TGIFSubImage* frame = AddFrame(image, 0, 0, {"012", "340"});
    EXPECT_EQ(PixelsOf(*frame->Bitmap()),
              (std::vector<TColor>{clBlack, clWhite, clRed, clLime, clBlue, clBlack}));

    // A local table wins over the global one.
    frame->ColorMap().Add(clYellow);
    frame->ColorMap().Add(clNavy);
    EXPECT_EQ(frame->Bitmap()->Canvas()->Pixel(1, 0), clNavy);

    // A picture without any table still draws: index i as grey i.
    TGIFImage bare;
    TGIFSubImage* grey = AddFrame(bare, 0, 0, {"05"});
    EXPECT_EQ(PixelsOf(*grey->Bitmap()), (std::vector<TColor>{TColor(0), TColor(0x050505)}));
    EXPECT_THROW(bare.Palette(), GIFException);
    try {
        bare.Palette();
    } catch (const GIFException& e) {
        EXPECT_EQ(e.Message(), "No global or local color table defined");
    }
}

TEST(GIFFrameRender, ChangesOfPixelsAndColoursRenderAgain) {
    TGIFImage image;
    AddBasicColors(image);
    TGIFSubImage* frame = AddFrame(image, 0, 0, {"1"});
    EXPECT_EQ(frame->Bitmap()->Canvas()->Pixel(0, 0), clWhite);
    frame->SetPixels(0, 0, 2);
    EXPECT_EQ(frame->Bitmap()->Canvas()->Pixel(0, 0), clRed);
    image.GlobalColorMap().SetColors(2, clFuchsia);
    EXPECT_EQ(frame->Bitmap()->Canvas()->Pixel(0, 0), clFuchsia);
}

TEST(GIFFrameRender, ProgressEveryThirtyTwoRowsAndAnAbortLeavesNoBitmap) {
    TGIFImage image;
    AddBasicColors(image);
    auto frame = std::make_unique<TGIFSubImage>(&image);
    frame->SetBounds(0, 0, 2, 70);
    TGIFSubImage* f = frame.get();
    image.Add(std::move(frame));
    std::vector<std::string> seen;
    image.OnProgress = [&](TObject*, TGIFProgressStage stage, int percent, bool,
                           const std::string& message) {
        seen.push_back(message + " " + std::to_string(int(stage)) + ":" + std::to_string(percent));
    };
    ASSERT_NE(f->Bitmap(), nullptr);
    EXPECT_EQ(seen,
              (std::vector<std::string>{"Rendering... 0:0", "Rendering... 1:0", "Rendering... 1:46",
                                        "Rendering... 1:91", "Rendering... 2:100"}));
    f->FreeBitmap();
    image.OnProgress = [&](TObject*, TGIFProgressStage stage, int, bool, const std::string&) {
        if (stage == gpsRunning) Abort();
    };
    EXPECT_EQ(f->Bitmap(), nullptr);
}

// Draws the picture onto a 6 × 2 grey background and reads the result back.
std::vector<TColor> DrawnOnGrey(TGIFImage& image, const TRect& r) {
    auto target = FilledBitmap(6, 2, clGray);
    target->Canvas()->StretchDraw(r, &image);
    return PixelsOf(*target);
}

TEST(GIFFrameDraw, TransparentPixelsKeepTheBackgroundOnlyWhenDrawnTransparently) {
    const TColor G = clGray, K = clBlack, W = clWhite, R = clRed;
    TGIFImage image;
    AddBasicColors(image);
    // A 3 × 2 frame whose index 2 (red) is transparent.
    AddFrame(image, 0, 0, {"021", "120"}, 2);
    const TRect r{0, 0, 3, 2};
    EXPECT_EQ(DrawnOnGrey(image, r), (std::vector<TColor>{K, G, W, G, G, G, W, G, K, G, G, G}));
    image.SetDrawOptions(image.DrawOptions() & ~GIFDrawFlag(drawTransparent));
    EXPECT_EQ(DrawnOnGrey(image, r), (std::vector<TColor>{K, R, W, G, G, G, W, R, K, G, G, G}));
    // Stretched to twice the width, transparently again.
    image.SetDrawOptions(GIFDefaultDrawOptions);
    EXPECT_EQ(DrawnOnGrey(image, TRect{0, 0, 6, 2}),
              (std::vector<TColor>{K, K, G, G, W, W, W, W, G, G, K, K}));
}

TEST(GIFFrameDraw, ATransparentIndexThatNeverOccursDrawsUnmasked) {
    TGIFImage image;
    AddBasicColors(image);
    TGIFSubImage* frame = AddFrame(image, 0, 0, {"01"}, 4);
    EXPECT_TRUE(frame->Transparent());
    EXPECT_FALSE(frame->HasMask());
    auto target = FilledBitmap(2, 1, clGray);
    target->Canvas()->Draw(0, 0, &image);
    EXPECT_EQ(PixelsOf(*target), (std::vector<TColor>{clBlack, clWhite}));
    // Once a pixel takes the index, the mask appears.
    frame->SetPixels(1, 0, 4);
    EXPECT_TRUE(frame->HasMask());
}

TEST(GIFFrameDraw, AFrameLandsAtItsScaledPlaceAndForceFrameChoosesIt) {
    TGIFImage image;
    AddBasicColors(image);
    image.SetWidth(3);
    image.SetHeight(1);
    AddFrame(image, 0, 0, {"111"});
    AddFrame(image, 1, 0, {"2"});
    AddFrame(image, 2, 0, {"4"});
    image.SetDrawOptions(image.DrawOptions() & ~GIFDrawFlag(drawAnimate));
    struct {
        int Force;
        std::vector<TColor> Expected;
    } cases[] = {
        {-1, {clWhite, clWhite, clWhite, clWhite, clWhite, clWhite}},
        {1, {clGray, clGray, clRed, clRed, clGray, clGray}},
        {2, {clGray, clGray, clGray, clGray, clBlue, clBlue}},
        {5, {clWhite, clWhite, clWhite, clWhite, clWhite, clWhite}},
    };
    for (const auto& c : cases) {
        image.SetForceFrame(c.Force);
        auto target = FilledBitmap(6, 1, clGray);
        target->Canvas()->StretchDraw(TRect{0, 0, 6, 1}, &image);
        EXPECT_EQ(PixelsOf(*target), c.Expected) << "ForceFrame " << c.Force;
    }
}

TEST(GIFFrameRender, DitheringGivesWebColoursAndFillsTransparencyWithTheNearestOne) {
    TGIFImage image;
    for (TColor c : {TColor(0x808080), clWhite, clBlack}) image.GlobalColorMap().Add(c);
    auto frame = std::make_unique<TGIFSubImage>(&image);
    frame->SetBounds(0, 0, 8, 8);  // all grey 128
    TGIFSubImage* f = frame.get();
    image.Add(std::move(frame));
    image.SetDrawOptions(GIFDefaultDrawOptions & ~GIFDrawFlag(drawAutoDither));
    ASSERT_TRUE(image.DoDither());
    EXPECT_EQ(image.Palette().size(), 216u);
    int sum = 0;
    for (TColor c : PixelsOf(*f->Bitmap())) {
        const int red = int(c & 0xFF);
        EXPECT_EQ(red % 51, 0);
        EXPECT_EQ(c, TColor(red * 0x010101));  // greys stay grey
        sum += red;
    }
    EXPECT_NEAR(sum / 64.0, 128.0, 8.0);
    // The rendering is 8 bits in the web colours.
    EXPECT_EQ(f->Bitmap()->PixelFormat(), pf8bit);
    EXPECT_EQ(f->Bitmap()->ColorTable().size(), 216u);

    // Transparent pixels show their colour's web entry: white and black are their own.
    for (int t : {1, 2}) {
        f->SetPixels(0, 0, uint8_t(t));
        auto gce = std::make_unique<TGIFGraphicControlExtension>(f);
        gce->SetTransparent(true);
        gce->SetTransparentColorIndex(uint8_t(t));
        f->Extensions().Add(std::move(gce));
        f->FreeBitmap();
        EXPECT_EQ(f->Bitmap()->Canvas()->Pixel(0, 0), t == 1 ? clWhite : clBlack);
        f->Extensions().Clear();
    }
    EXPECT_EQ(WebFillIndex(RGB(0, 60, 0)), 6);  // (0, 51, 0)

    // Back to plain rendering once dithering is off.
    image.SetDrawOptions(GIFDefaultDrawOptions);
    f->SetPixels(0, 0, 0);
    EXPECT_EQ(PixelsOf(*f->Bitmap()), std::vector<TColor>(64, TColor(0x808080)));
    EXPECT_EQ(f->Bitmap()->ColorTable(), (std::vector<uint32_t>{0x808080, 0xFFFFFF, 0}));
}

}  // namespace
