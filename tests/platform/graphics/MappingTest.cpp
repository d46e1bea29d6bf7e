// Logical coordinates mapped onto pixels, and what a canvas says of its device.
#include <gtest/gtest.h>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Mapping.h"
#include "tests/platform/graphics/PixelMap.h"

TEST(Mapping, PointsBothWays) {
    struct TCase {
        const char* Name;
        TMapping M;
        TPoint Logical;
        TPoint Device;
    };
    const TCase cases[] = {
        {"identity", {}, {7, -3}, {7, -3}},
        {"text origins", {MM_TEXT, {10, 20}, {1, 1}, {3, 4}, {1, 1}}, {10, 20}, {3, 4}},
        {"twice as large", {MM_ANISOTROPIC, {0, 0}, {1, 1}, {0, 0}, {2, 2}}, {3, 5}, {6, 10}},
        {"y upwards",
         {MM_ANISOTROPIC, {0, 0}, {100, 100}, {0, 50}, {100, -100}},
         {10, 20},
         {10, 30}},
        {"halves round away from zero",
         {MM_ANISOTROPIC, {0, 0}, {2, 2}, {0, 0}, {1, 1}},
         {3, -3},
         {2, -2}},
        // A page of 1000 units on 250 pixels, shifted.
        {"page",
         {MM_ANISOTROPIC, {-100, 0}, {1000, 1000}, {5, 5}, {250, 250}},
         {300, 400},
         {105, 105}},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(c.M.LPtoDP(c.Logical), c.Device) << c.Name;
        if (std::string(c.Name) != "halves round away from zero") {
            EXPECT_EQ(c.M.DPtoLP(c.Device), c.Logical) << c.Name;
        }
    }
}

TEST(Mapping, EveryPrimitiveAndClipRectangleIsMapped) {
    // Drawn at half scale with the axes mapped 2:1 and direct at full scale: the same pixels.
    TBitmap mapped(12, 10), direct(12, 10);
    auto draw = [](TCanvas& c, int k) {
        c.Brush()->SetColor(clBlack);
        c.IntersectClipRect(Rect(0, 0, 5 * k, 5 * k));
        c.Rectangle(1 * k, 1 * k, 6 * k, 3 * k);
        c.MoveTo(0, 4 * k);
        c.LineTo(5 * k, 4 * k);
        c.FillRect(Rect(4 * k, 0, 5 * k, 1 * k));
    };
    TCanvas& m = *mapped.Canvas();
    m.SetMapMode(MM_ANISOTROPIC);
    m.SetWindowExt({1, 1});
    m.SetViewportExt({2, 2});
    draw(m, 1);
    draw(*direct.Canvas(), 2);
    EXPECT_EQ(PixelMap(mapped), PixelMap(direct));
    EXPECT_EQ(m.ClipRect(), Rect(0, 0, 5, 5));  // in logical units
    EXPECT_EQ(m.PenPos(), Point(5, 4));
    TPoint corners[] = {{1, 1}, {3, 2}};
    m.LPtoDP(corners);
    EXPECT_EQ(corners[1], Point(6, 4));
}

TEST(Mapping, TextModeKeepsOneUnitAPixelAndRefusesZeroExtents) {
    TBitmap b(4, 4);
    TCanvas& c = *b.Canvas();
    c.SetViewportExt({3, 3});  // no effect in MM_TEXT
    EXPECT_EQ(c.ViewportExt(), (TSize{1, 1}));
    c.SetMapMode(MM_ANISOTROPIC);
    c.SetWindowExt({0, 5});
    EXPECT_EQ(c.WindowExt(), (TSize{1, 1}));
    c.SetWindowExt({2, 5});
    c.SetMapMode(MM_TEXT);
    EXPECT_EQ(c.WindowExt(), (TSize{1, 1}));
}

TEST(Mapping, BitmapsAreScreensOfNinetySixPixelsPerInch) {
    TBitmap b(960, 480);
    TCanvas& c = *b.Canvas();
    EXPECT_EQ(c.DeviceCaps(LOGPIXELSX), 96);
    EXPECT_EQ(c.DeviceCaps(LOGPIXELSY), 96);
    EXPECT_EQ(c.DeviceCaps(HORZRES), 960);
    EXPECT_EQ(c.DeviceCaps(VERTRES), 480);
    EXPECT_EQ(c.DeviceCaps(HORZSIZE), 254);
    EXPECT_EQ(c.DeviceCaps(VERTSIZE), 127);
}

TEST(Mapping, WidePensAndFontsScaleOnePixelPensStayThin) {
    TBitmap mapped(60, 40), direct(60, 40);
    auto draw = [](TCanvas& c, int k) {
        c.Pen()->SetWidth(2 * k);
        c.MoveTo(1 * k, 2 * k);
        c.LineTo(25 * k, 2 * k);
        c.Font()->SetHeight(-7 * k);
        c.TextOut(2 * k, 5 * k, "Mx");
    };
    TCanvas& m = *mapped.Canvas();
    m.SetMapMode(MM_ANISOTROPIC);
    m.SetViewportExt({2, 2});
    draw(m, 1);
    draw(*direct.Canvas(), 2);
    EXPECT_EQ(PixelMap(mapped), PixelMap(direct));
    // Extents come back in logical units.
    const TSize logical = m.TextExtent("Mx");
    const TSize pixels = direct.Canvas()->TextExtent("Mx");
    EXPECT_NEAR(logical.cx, pixels.cx / 2, 1);
    EXPECT_NEAR(logical.cy, pixels.cy / 2, 1);
    // A one-pixel pen draws one pixel wide at any scale.
    TBitmap thin(8, 8);
    TCanvas& t = *thin.Canvas();
    t.SetMapMode(MM_ANISOTROPIC);
    t.SetViewportExt({4, 4});
    t.MoveTo(0, 1);
    t.LineTo(2, 1);
    EXPECT_EQ(PixelMap(thin), Rows({"........", "........", "........", "........", "########",
                                    "........", "........", "........"}));
}
