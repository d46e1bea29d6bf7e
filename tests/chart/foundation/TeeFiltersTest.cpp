#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "chart/foundation/TeeFilters.h"
#include "tests/chart/foundation/TeeFilterFixture.h"

namespace {

// One pixel through a filter on the whole bitmap.
TPx Through(TTeeFilter& filter, TPx in) {
    TBitmap bitmap;
    Fill(bitmap, 1, 1, [in](int, int) { return in; });
    ApplyToBitmap(filter, bitmap);
    return Px(bitmap, 0, 0);
}

TEST(TeeFiltersTest, PixelFormulas) {
    struct Case {
        const char* name;
        std::function<std::unique_ptr<TTeeFilter>()> make;
        TPx in, out;
    } cases[] = {
        {"invert", [] { return std::make_unique<TInvertFilter>(); }, {10, 200, 30}, {245, 55, 225}},
        {"gray simple",
         [] { return std::make_unique<TGrayScaleFilter>(); },
         {30, 200, 10},
         {80, 80, 80}},
        {"gray eye",
         [] {
             auto f = std::make_unique<TGrayScaleFilter>();
             f->SetMethod(gmEye);
             return f;
         },
         {30, 200, 10},
         {124, 124, 124}},  // 3 + 118 + 3.3
        {"gray eye2",
         [] {
             auto f = std::make_unique<TGrayScaleFilter>();
             f->SetMethod(gmEye2);
             return f;
         },
         {30, 200, 10},
         {108, 108, 108}},  // (110 + 3200 + 150) >> 5
        {"brightness 5%",
         [] { return std::make_unique<TBrightnessFilter>(); },
         {0, 100, 250},
         {13, 113, 255}},
        {"brightness -20 steps",
         [] {
             auto f = std::make_unique<TBrightnessFilter>();
             f->SetAmount(-20);
             f->SetPercent(false);
             return f;
         },
         {10, 100, 250},
         {0, 80, 230}},
        {"contrast 50%",
         [] {
             auto f = std::make_unique<TContrastFilter>();
             f->SetAmount(50);
             return f;
         },
         {0, 128, 255},
         {0, 128, 255}},  // 255 + 128 * 127 div 256, clamped
        {"contrast 64 steps",
         [] {
             auto f = std::make_unique<TContrastFilter>();
             f->SetAmount(64);
             f->SetPercent(false);
             return f;
         },
         {0, 100, 200},
         {0, 93, 218}},  // v + 64 (v - 128) div 256, towards zero
        {"gamma 100",
         [] {
             auto f = std::make_unique<TGammaCorrectionFilter>();
             f->SetAmount(100);
             return f;
         },
         {0, 77, 255},
         {0, 77, 255}},
        {"gamma 50",
         [] {
             auto f = std::make_unique<TGammaCorrectionFilter>();
             f->SetAmount(50);
             return f;
         },
         {0, 128, 255},
         {0, 64, 255}},  // 255 (128/255)^2
        {"colour",
         [] {
             auto f = std::make_unique<TColorFilter>();
             f->SetRed(-300);
             f->SetBlue(10);
             return f;
         },
         {250, 7, 100},
         {255, 7, 0}},
        {"hue,lum,sat lum +240",
         [] {
             auto f = std::make_unique<THueLumSatFilter>();
             f->SetLuminance(240);
             return f;
         },
         {10, 20, 200},
         {255, 255, 255}},
    };
    for (const Case& c : cases) {
        auto filter = c.make();
        EXPECT_EQ(Through(*filter, c.in), c.out) << c.name;
    }
}

TEST(TeeFiltersTest, InvertTwiceIsTheIdentityInsideTheRegionOnly) {
    TBitmap bitmap;
    Fill(bitmap, 6, 5, Pattern);
    TInvertFilter invert;
    invert.Region()->SetLeft(2);
    invert.Region()->SetWidth(2);
    ApplyToBitmap(invert, bitmap);
    EXPECT_EQ(Px(bitmap, 1, 0), Pattern(1, 0));
    EXPECT_EQ(Px(bitmap, 4, 4).B, 255 - Pattern(4, 4).B);
    EXPECT_EQ(Px(bitmap, 5, 4), Pattern(5, 4));
    ApplyToBitmap(invert, bitmap);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x) EXPECT_EQ(Px(bitmap, x, y), Pattern(x, y));
}

TEST(TeeFiltersTest, MosaicCutsCellsFromTheTopLeftAndAveragesEach) {
    TBitmap bitmap;
    Fill(bitmap, 10, 10, [](int x, int y) { return TPx{x < 8 ? 8 : 100, y < 8 ? 0 : 3 * x, 0}; });
    TMosaicFilter mosaic;  // Amount 8
    ApplyToBitmap(mosaic, bitmap);
    // 8 x 8, 2 x 8, 8 x 2 and 2 x 2 cells.
    EXPECT_EQ(Px(bitmap, 0, 0), (TPx{8, 0, 0}));
    EXPECT_EQ(Px(bitmap, 9, 7), (TPx{100, 0, 0}));
    EXPECT_EQ(Px(bitmap, 3, 9), (TPx{8, 10, 0}));    // mean of 3x for x 0..7 is 10.5: to even
    EXPECT_EQ(Px(bitmap, 8, 8), (TPx{100, 26, 0}));  // mean of 24 and 27 is 25.5: to even

    mosaic.SetAmount(0);
    Fill(bitmap, 3, 3, Pattern);
    ApplyToBitmap(mosaic, bitmap);
    EXPECT_EQ(Px(bitmap, 2, 2), Pattern(2, 2));
}

TEST(TeeFiltersTest, FlipAndReverseExchangeRowsAndColumnsOfTheRegion) {
    TBitmap bitmap;
    Fill(bitmap, 5, 16, Pattern);
    TFlipFilter flip;
    flip.Region()->SetTop(10);
    flip.Region()->SetHeight(3);  // rows 10..13
    ApplyToBitmap(flip, bitmap);
    const int rows[][2] = {{10, 13}, {11, 12}, {12, 11}, {13, 10}, {9, 9}, {14, 14}};
    for (const auto& r : rows) EXPECT_EQ(Px(bitmap, 2, r[0]), Pattern(2, r[1])) << r[0];

    Fill(bitmap, 5, 2, Pattern);
    TReverseFilter reverse;
    ApplyToBitmap(reverse, bitmap);
    for (int x = 0; x < 5; ++x) EXPECT_EQ(Px(bitmap, x, 1), Pattern(4 - x, 1));
}

TEST(TeeFiltersTest, KernelsWeighTheNeighbourhood) {
    // A 3 x 3 bitmap: only the centre pixel is computed.
    auto centre = [](TTeeFilter& filter, std::function<TPx(int, int)> at) {
        TBitmap bitmap;
        Fill(bitmap, 3, 3, at);
        ApplyToBitmap(filter, bitmap);
        return Px(bitmap, 1, 1);
    };
    TSoftenFilter soften;
    EXPECT_EQ(centre(soften,
                     [](int x, int y) {
                         return TPx{x * 40 + y * 4, 0, 0};
                     })
                  .B,
              66);  // (44+84+48+88)/4
    TSharpenFilter sharpen;
    EXPECT_EQ(centre(sharpen,
                     [](int x, int y) {
                         return TPx{x == 1 && y == 1 ? 100 : 20, 0, 0};
                     })
                  .B,
              180);
    TEmbossFilter emboss;  // the weights sum to -1: the result is negated
    EXPECT_EQ(centre(emboss,
                     [](int x, int) {
                         return TPx{x == 0 ? 90 : 10, 0, 0};
                     })
                  .B,
              90);  // -(-10 - 90 + 10 + 10 - 10)
}

TEST(TeeFiltersTest, BevelLightensTopLeftAndDarkensBottomRightRings) {
    TBitmap bitmap;
    Fill(bitmap, 8, 6, [](int, int) { return TPx{100, 100, 100}; });
    TBevelFilter bevel;
    bevel.SetBright(10);
    bevel.SetSize(1);
    ApplyToBitmap(bevel, bitmap);
    struct Expect {
        int x, y, v;
    } expects[] = {{0, 0, 110}, {7, 0, 110}, {0, 5, 100}, {3, 5, 90},
                   {7, 5, 80},  {7, 2, 90},  {3, 2, 100}};
    for (const Expect& e : expects) EXPECT_EQ(Px(bitmap, e.x, e.y).B, e.v) << e.x << "," << e.y;
}

TEST(TeeFiltersTest, HueLumSatConversions) {
    int h, l, s;
    for (int grey : {0, 1, 127, 128, 255}) {
        ColorToHueLumSat(RGB(grey, grey, grey), h, l, s);
        EXPECT_EQ(h, 160) << grey;
        EXPECT_EQ(s, 0) << grey;
    }
    EXPECT_EQ(HueLumSatToColor(160, 240, 0), clWhite);
    struct Case {
        TColor color;
        int h, l, s;
    } cases[] = {
        {RGB(255, 0, 0), 0, 120, 240},
        {RGB(0, 255, 0), 80, 120, 240},
        {RGB(0, 0, 255), 160, 120, 240},
    };
    for (const Case& c : cases) {
        ColorToHueLumSat(c.color, h, l, s);
        EXPECT_EQ(h, c.h);
        EXPECT_EQ(l, c.l);
        EXPECT_EQ(s, c.s);
        EXPECT_EQ(HueLumSatToColor(h, l, s), c.color) << h;
    }
}

}  // namespace
