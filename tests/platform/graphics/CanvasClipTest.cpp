// Clipping and regions.
#include <gtest/gtest.h>

#include <functional>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Region.h"
#include "tests/platform/graphics/PixelMap.h"

namespace {

void FillBlack(TCanvas& c) {
    c.Brush()->SetColor(clBlack);
    c.FillRect(Rect(-5, -5, 50, 50));
}

}  // namespace

TEST(CanvasClip, EveryPrimitiveStaysInsideTheClipRectangle) {
    TBitmap bitmap(6, 4);
    TCanvas& c = *bitmap.Canvas();
    c.IntersectClipRect(Rect(1, 1, 4, 3));
    EXPECT_EQ(c.ClipRect(), Rect(1, 1, 4, 3));
    FillBlack(c);
    c.MoveTo(0, 3);
    c.LineTo(6, 3);
    c.SetPixel(5, 0, clBlack);
    c.Ellipse(-10, -10, 20, 20);
    EXPECT_EQ(PixelMap(bitmap), Rows({"......", ".###..", ".###..", "......"}));
    EXPECT_EQ(c.Pixel(0, 0), CLR_INVALID);  // outside the clip
    EXPECT_EQ(c.Pixel(1, 1), clBlack);
    EXPECT_EQ(c.Pixel(6, 0), CLR_INVALID);  // outside the surface
    EXPECT_FALSE(c.PtVisible(4, 1));
    EXPECT_TRUE(c.PtVisible(3, 2));

    c.SelectClipRgn(nullptr);
    EXPECT_EQ(c.ClipRect(), Rect(0, 0, 6, 4));
    TRegion none;
    EXPECT_FALSE(c.GetClipRgn(none));
}

TEST(CanvasClip, RegionsCombine) {
    const TRegion ellipse = TRegion::FromEllipse(Rect(0, 0, 6, 6));
    const TRegion rect = TRegion::FromRect(Rect(3, 0, 8, 3));
    struct TCase {
        TRegionCombineMode Mode;
        std::initializer_list<const char*> Rows;
    } cases[] = {
        {RGN_AND, {"...##...", "...###..", "...###..", "........", "........", "........"}},
        {RGN_OR, {".#######", "########", "########", "######..", "######..", ".####..."}},
        {RGN_DIFF, {".##.....", "###.....", "###.....", "######..", "######..", ".####..."}},
        {RGN_XOR, {".##..###", "###...##", "###...##", "######..", "######..", ".####..."}},
    };
    for (const TCase& c : cases) {
        TRegion combined;
        combined.Combine(ellipse, rect, c.Mode);
        TBitmap bitmap(8, 6);
        bitmap.Canvas()->SelectClipRgn(&combined);
        FillBlack(*bitmap.Canvas());
        bitmap.Canvas()->SelectClipRgn(nullptr);
        EXPECT_EQ(PixelMap(bitmap), Rows(c.Rows)) << "mode " << c.Mode;
    }
}

// A region and the filled shape of the same coordinates cover the same pixels.
TEST(CanvasClip, RegionsCoverTheSamePixelsAsTheFilledShapes) {
    const TPoint star[] = {{7, 0}, {12, 13}, {0, 5}, {14, 5}, {2, 13}};
    struct TCase {
        const char* Name;
        std::function<void(TCanvas&)> Fill;
        TRegion Region;
    } cases[] = {
        {"ellipse", [](TCanvas& c) { c.Ellipse(0, 0, 9, 7); },
         TRegion::FromEllipse(Rect(0, 0, 9, 7))},
        {"tall ellipse", [](TCanvas& c) { c.Ellipse(1, 2, 12, 12); },
         TRegion::FromEllipse(Rect(1, 2, 12, 12))},
        {"thin ellipse", [](TCanvas& c) { c.Ellipse(0, 0, 2, 5); },
         TRegion::FromEllipse(Rect(0, 0, 2, 5))},
        {"round rect", [](TCanvas& c) { c.RoundRect(1, 1, 13, 10, 6, 4); },
         TRegion::FromRoundRect(Rect(1, 1, 13, 10), 6, 4)},
        {"star",
         [&](TCanvas& c) {
             c.Pen()->SetStyle(psClear);  // an outline reaches past the fill
             c.Polygon(star);
         },
         TRegion::FromPolygon(star)},
    };
    for (const TCase& c : cases) {
        TBitmap drawn(14, 14), clipped(14, 14);
        drawn.Canvas()->Brush()->SetColor(clBlack);
        c.Fill(*drawn.Canvas());
        clipped.Canvas()->SelectClipRgn(&c.Region);
        FillBlack(*clipped.Canvas());
        EXPECT_EQ(PixelMap(clipped), PixelMap(drawn)) << c.Name;
    }
}

TEST(CanvasClip, PolygonRegionUsesAlternateFillAndClipCanBeReadBack) {
    // A five-pointed star: its centre is covered twice and stays out.
    const TPoint star[] = {{5, 0}, {8, 10}, {0, 4}, {10, 4}, {2, 10}};
    const TRegion region = TRegion::FromPolygon(star);
    EXPECT_TRUE(region.Contains(5, 2));
    EXPECT_FALSE(region.Contains(5, 6));
    EXPECT_EQ(region.Bounds(), Rect(1, 2, 9, 10));

    TBitmap bitmap(10, 10);
    TCanvas& c = *bitmap.Canvas();
    c.SelectClipRgn(&region);
    c.ExcludeClipRect(Rect(0, 0, 10, 3));
    TRegion current;
    ASSERT_TRUE(c.GetClipRgn(current));
    TRegion expected;
    expected.Combine(region, TRegion::FromRect(Rect(0, 0, 10, 3)), RGN_DIFF);
    EXPECT_TRUE(current == expected);
    EXPECT_FALSE(c.PtVisible(5, 2));
}

TEST(CanvasClip, TextStaysInsideTheClip) {
    TBitmap bitmap(40, 20);
    TCanvas& c = *bitmap.Canvas();
    c.Font()->SetHeight(-16);
    c.Font()->SetColor(clBlack);
    c.Brush()->SetStyle(bsClear);
    c.IntersectClipRect(Rect(0, 0, 10, 20));
    c.TextOut(0, 0, "WWWWWW");
    int inside = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x) {
            const TColor p = x < 10 ? c.Pixel(x, y) : (c.SelectClipRgn(nullptr), c.Pixel(x, y));
            if (x >= 10) {
                ASSERT_EQ(p, clWhite) << x << "," << y;
                c.IntersectClipRect(Rect(0, 0, 10, 20));
            } else if (p != clWhite) {
                ++inside;
            }
        }
    EXPECT_GT(inside, 0);
}

// Coordinates far outside the surface (a chart zoomed deep in) draw the visible part at once.
TEST(CanvasClip, FarCoordinatesDrawOnlyWhatIsOnTheSurface) {
    const int far = 1'000'000'000;
    const std::pair<const char*, std::function<void(TCanvas&)>> cases[] = {
        {"line",
         [&](TCanvas& c) {
             c.MoveTo(-far, 2);
             c.LineTo(far, 2);
         }},
        {"wide line",
         [&](TCanvas& c) {
             c.Pen()->SetWidth(3);
             c.MoveTo(2, -far);
             c.LineTo(2, far);
         }},
        {"rectangle", [&](TCanvas& c) { c.Rectangle(-far, -far, far, far); }},
        {"ellipse", [&](TCanvas& c) { c.Ellipse(-far, -far, far, far); }},
        {"pie", [&](TCanvas& c) { c.Pie(-far, -far, far, far, 0, far, far, 0); }},
        {"polygon",
         [&](TCanvas& c) {
             const TPoint p[] = {{-far, -far}, {far, -far}, {0, far}};
             c.Polygon(p);
         }},
        {"region",
         [&](TCanvas& c) {
             const TRegion r =
                 TRegion::FromEllipse(Rect(-far / 100, -far / 100, far / 100, far / 100));
             c.SelectClipRgn(&r);
             c.FillRect(Rect(-far, -far, far, far));
         }},
        {"stretch",
         [&](TCanvas& c) {
             TBitmap dot(1, 1);
             dot.Canvas()->SetPixel(0, 0, clBlack);
             c.StretchDraw(Rect(-far, -far, far, far), &dot);
         }},
    };
    for (const auto& [name, draw] : cases) {
        TBitmap bitmap(5, 5);
        bitmap.Canvas()->Brush()->SetColor(clBlack);
        draw(*bitmap.Canvas());
        EXPECT_NE(PixelMap(bitmap).find('#'), std::string::npos) << name;
    }
}

// A pen far wider than the surface paints it all wherever its line crosses it, and costs no more
// than one as wide as the surface; so does a clip region that reaches the ends of the integers.
TEST(CanvasClip, PensFarWiderThanTheSurfaceCoverIt) {
    const int wide = INT32_MAX;
    const std::pair<const char*, std::function<void(TCanvas&)>> cases[] = {
        {"line",
         [&](TCanvas& c) {
             c.MoveTo(-3, 2);
             c.LineTo(9, 2);
         }},
        {"polyline",
         [&](TCanvas& c) {
             const TPoint p[] = {{-3, 2}, {9, 2}, {9, 40}};
             c.Polyline(p);
         }},
        {"rectangle", [&](TCanvas& c) { c.Rectangle(-50, -50, 60, 60); }},
        {"ellipse", [&](TCanvas& c) { c.Ellipse(-50, -50, 60, 60); }},
        {"pie", [&](TCanvas& c) { c.Pie(-100, -100, 40, 40, -30, 40, 40, -30); }},
        {"arc", [&](TCanvas& c) { c.Arc(-50, -50, 60, 60, 60, 5, -50, 5); }},
        {"far clip",
         [&](TCanvas& c) {
             const TRegion r = TRegion::FromRect(Rect(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX));
             c.SelectClipRgn(&r);
             c.Pen()->SetWidth(1);
             c.Brush()->SetStyle(bsSolid);
             c.FillRect(Rect(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX));
         }},
    };
    for (const auto& [name, draw] : cases) {
        TBitmap bitmap(6, 5);
        TCanvas& c = *bitmap.Canvas();
        c.Brush()->SetStyle(bsClear);
        c.Brush()->SetColor(clBlack);
        c.Pen()->SetWidth(wide);
        draw(c);
        EXPECT_EQ(PixelMap(bitmap), Rows({"######", "######", "######", "######", "######"}))
            << name;
    }
}
