#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "chart/foundation/BackImage.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/TeeFilters.h"
#include "chart/foundation/TeePanelExtended.h"
#include "chart/foundation/View3DOptions.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicFormats.h"
#include "platform/graphics/GraphicsInit.h"
#include "platform/rtl/Streams.h"

namespace {

// A panel that draws its back image in Area at depth Depth, or its whole decoration.
class TImagePanel : public TCustomTeePanelExtended {
    KV_DECLARE_CLASS(TImagePanel, TCustomTeePanelExtended)
public:
    using TCustomTeePanelExtended::TCustomTeePanelExtended;
    TRect Area{5, 5, 35, 25};
    int Depth = 0;
    bool Decoration = false;

protected:
    void InternalDraw(const TRect& Rect) override {
        if (Decoration)
            DrawPanel(Rect);
        else
            DrawPictureInRect(*BackImage(), *this, Area, Depth);
    }
};

// A red picture of Width x Height whose top-left pixel is blue.
std::unique_ptr<TBitmap> Marked(int width, int height) {
    auto b = std::make_unique<TBitmap>();
    b->SetPixelFormat(pf24bit);
    b->SetSize(width, height);
    b->Canvas()->Brush()->SetColor(clRed);
    b->Canvas()->FillRect(TRect{0, 0, width, height});
    b->Canvas()->SetPixel(0, 0, clBlue);
    return b;
}

struct TPixel {
    int X, Y;
    TColor Colour;
};

TEST(DrawPictureInRect, EachModeByPixels) {
    struct TCase {
        const char* name;
        TTeeBackImageMode mode;
        int size;
        int left, top;
        std::vector<TPixel> pixels;
    };
    const TCase cases[] = {
        // 8x8 stretched to 30x20: the blue pixel becomes a block of about 4x3.
        {"stretch",
         pbmStretch,
         8,
         0,
         0,
         {{5, 5, clBlue}, {7, 6, clBlue}, {34, 24, clRed}, {4, 5, clWhite}, {35, 25, clWhite}}},
        // Copies at 5, 13, 21, 29 across and 5, 13, 21 down; the last ones cut at the edge.
        {"tile",
         pbmTile,
         8,
         0,
         0,
         {{5, 5, clBlue},
          {13, 5, clBlue},
          {29, 21, clBlue},
          {6, 6, clRed},
          {34, 24, clRed},
          {35, 21, clWhite},
          {30, 25, clWhite}}},
        // Centred: (30 - 8) / 2 = 11 across, (20 - 8) / 2 = 6 down; the rest is the panel's
        // background.
        {"centre",
         pbmCenter,
         8,
         0,
         0,
         {{16, 11, clBlue},
          {17, 12, clRed},
          {15, 11, clYellow},
          {6, 6, clYellow},
          {4, 4, clWhite}}},
        // Larger than the rectangle: starts 5 left of and 10 above it, and is cut to it.
        {"centre larger",
         pbmCenter,
         40,
         0,
         0,
         {{5, 5, clRed}, {34, 24, clRed}, {4, 10, clWhite}, {20, 4, clWhite}}},
        {"custom",
         pbmCustom,
         8,
         3,
         2,
         {{8, 7, clBlue}, {9, 8, clRed}, {7, 7, clYellow}, {16, 15, clYellow}}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        TImagePanel panel(nullptr);
        panel.SetColor(clYellow);
        const auto picture = Marked(c.size, c.size);
        panel.BackImage()->SetGraphic(picture.get());
        panel.BackImage()->SetMode(c.mode);
        panel.BackImage()->SetLeft(c.left);
        panel.BackImage()->SetTop(c.top);
        auto image = panel.RenderRectToBitmap(clWhite, TRect{0, 0, 50, 40}, pf32bit);
        for (const TPixel& p : c.pixels)
            EXPECT_EQ(image->Canvas()->Pixel(p.X, p.Y), p.Colour) << p.X << "," << p.Y;
    }
}

TEST(DrawPictureInRect, AtDepthOnAnOrthogonalViewTheRectangleIsProjected) {
    // At depth 10 and 45 degrees the rectangle moves 10 right and 10 up.
    for (TTeeBackImageMode mode : {pbmStretch, pbmTile}) {
        TImagePanel panel(nullptr);
        panel.SetView3D(true);
        panel.View3DOptions()->SetOrthogonal(true);
        panel.Area = TRect{5, 15, 35, 35};
        panel.Depth = 10;
        panel.SetWidth3D(10);  // the tiles are clipped to the box up to the back wall
        const auto picture = Marked(8, 8);
        panel.BackImage()->SetGraphic(picture.get());
        panel.BackImage()->SetMode(mode);
        auto image = panel.RenderRectToBitmap(clWhite, TRect{0, 0, 60, 50}, pf32bit);
        EXPECT_EQ(image->Canvas()->Pixel(15, 5), clBlue) << mode;
        EXPECT_EQ(image->Canvas()->Pixel(14, 5), clWhite) << mode;
        EXPECT_EQ(image->Canvas()->Pixel(15, 4), clWhite) << mode;
    }
}

TEST(DrawPictureInRect, TileOfAnEmptyPictureDrawsNothingAndFiltersApply) {
    TImagePanel panel(nullptr);
    TBitmap empty;
    empty.SetPixelFormat(pf24bit);
    empty.SetSize(0, 4);
    panel.BackImage()->SetGraphic(&empty);
    panel.BackImage()->SetMode(pbmTile);
    auto image = panel.RenderRectToBitmap(clWhite, TRect{0, 0, 40, 30}, pf32bit);
    EXPECT_EQ(image->Canvas()->Pixel(10, 10), clWhite);

    const auto picture = Marked(8, 8);
    panel.BackImage()->SetGraphic(picture.get());
    panel.BackImage()->Filters()->AddFilterOfClass(&TInvertFilter::StaticClass());
    image = panel.RenderRectToBitmap(clWhite, TRect{0, 0, 40, 30}, pf32bit);
    EXPECT_EQ(image->Canvas()->Pixel(5, 5), clYellow);  // inverted blue
    EXPECT_EQ(image->Canvas()->Pixel(6, 6), clAqua);    // inverted red
}

TEST(TeePanelExtendedBackImage, DecorationPaintsAnOuterImageOnly) {
    for (bool inside : {false, true}) {
        TImagePanel panel(nullptr);
        panel.Decoration = true;
        panel.SetBevelOuter(bvNone);
        panel.SetColor(clYellow);
        const auto picture = Marked(4, 4);
        panel.BackImage()->SetGraphic(picture.get());
        panel.SetBackImageInside(inside);
        EXPECT_EQ(panel.BackImageInside(), inside);
        auto image = panel.RenderRectToBitmap(clWhite, TRect{0, 0, 40, 30}, pf32bit);
        EXPECT_EQ(image->Canvas()->Pixel(20, 15), inside ? clYellow : clRed) << inside;
    }
}

TEST(TeePanelExtendedBackImage, ReadingTheModeMakesAnEmptyImage) {
    TImagePanel panel(nullptr);
    EXPECT_EQ(panel.BackImageIfAny(), nullptr);
    EXPECT_EQ(panel.BackImageMode(), pbmStretch);
    ASSERT_NE(panel.BackImageIfAny(), nullptr);
    EXPECT_FALSE(panel.BackImageAssigned());
    EXPECT_FALSE(panel.BackImageInside());
    panel.SetBackImageTransp(true);  // no graphic: nothing to make transparent
    EXPECT_FALSE(panel.BackImageTransp());
    panel.SetBackImage(nullptr);
    EXPECT_EQ(panel.BackImageIfAny(), nullptr);
}

std::string StreamText(TComponent& c) {
    TMemoryStream binary, text;
    WriteComponentToStream(binary, &c);
    binary.SetPosition(0);
    ObjectBinaryToText(binary, text);
    return std::string(text.Memory(), size_t(text.Size()));
}

TEST(TeePanelExtendedBackImage, PanelWithBackImageStreamsAndAssigns) {
    RegisterGraphicsClasses();
    RegisterStandardGraphicFormats();
    RegisterClasses({&TInvertFilter::StaticClass()});
    TImagePanel panel(nullptr);
    EXPECT_EQ(StreamText(panel).find("BackImage"), std::string::npos);
    const auto picture = Marked(3, 2);
    panel.BackImage()->SetGraphic(picture.get());
    panel.SetBackImageMode(pbmTile);
    panel.BackImage()->SetLeft(4);
    panel.BackImage()->Filters()->AddFilterOfClass(&TInvertFilter::StaticClass());
    panel.SetBackImageTransp(true);
    panel.SetAllowPanning(pmVertical);
    const std::string text = StreamText(panel);
    for (const char* line :
         {"BackImage.Data = {", "BackImage.Left = 4", "BackImage.Mode = pbmTile",
          "BackImageMode = pbmTile", "BackImageTransp = True", "AllowPanning = pmVertical"})
        EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;

    TMemoryStream binary;
    WriteComponentToStream(binary, &panel);
    binary.SetPosition(0);
    TImagePanel loaded(nullptr);
    ReadComponentFromStream(binary, &loaded);
    ASSERT_TRUE(loaded.BackImageAssigned());
    EXPECT_EQ(loaded.BackImageMode(), pbmTile);
    EXPECT_EQ(loaded.BackImage()->Left(), 4);
    EXPECT_TRUE(loaded.BackImageTransp());
    EXPECT_EQ(loaded.AllowPanning(), pmVertical);
    EXPECT_EQ(loaded.BackImage()->Filters()->Count(), 1);
    auto* bitmap = dynamic_cast<TBitmap*>(loaded.BackImage()->Graphic());
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->Canvas()->Pixel(0, 0), clBlue);
    EXPECT_EQ(bitmap->Canvas()->Pixel(2, 1), clRed);

    TImagePanel copy(nullptr);
    copy.Assign(&loaded);
    ASSERT_TRUE(copy.BackImageAssigned());
    EXPECT_EQ(copy.BackImage()->Left(), 4);
    EXPECT_EQ(copy.BackImage()->Filters()->Count(), 1);
    TImagePanel plain(nullptr);
    copy.Assign(&plain);
    EXPECT_EQ(copy.BackImageIfAny(), nullptr);
}

}  // namespace
