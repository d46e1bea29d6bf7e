// Balloon hints: where the window goes and which way it opens, the region, the painted outline,
// the text offsets, bitmap balloons and the settings the component hands to its window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/RzBalloonHints.h"
#include "controls/RzWrappedText.h"
#include "platform/classes/PropInfo.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Font.h"
#include "platform/ui/Application.h"

namespace {
const TRect kWorkArea = Rect(0, 0, 1000, 800);
}

TEST(RzHintWindow, PlacementAndFlipsAtTheWorkAreaEdges) {
    struct TCase {
        const char* Name;
        bool Balloon;
        TRzHintCorner Corner;
        TRect Platform;
        TPoint Tip;
        TRect Window;
        TRzHintCorner Effective;
    } cases[] = {
        // 4 larger than the platform's rectangle, 12 left and 2 up.
        {"plain",
         false,
         hcUpperRight,
         Rect(100, 100, 200, 120),
         {0, 0},
         Rect(88, 98, 192, 122),
         hcLowerRight},
        {"above right",
         true,
         hcUpperRight,
         Rect(0, 0, 80, 16),
         {300, 400},
         Rect(290, 356, 378, 400),
         hcUpperRight},
        {"near the top opens below",
         true,
         hcUpperRight,
         Rect(0, 0, 80, 16),
         {300, 20},
         Rect(290, 20, 378, 64),
         hcLowerRight},
        {"near the right opens left",
         true,
         hcUpperRight,
         Rect(0, 0, 80, 16),
         {1000, 400},
         Rect(911, 356, 999, 400),
         hcUpperLeft},
        {"near the left opens right",
         true,
         hcLowerLeft,
         Rect(0, 0, 80, 16),
         {5, 400},
         Rect(6, 400, 94, 444),
         hcLowerRight},
        {"at least 55 wide",
         true,
         hcUpperRight,
         Rect(0, 0, 10, 16),
         {300, 400},
         Rect(290, 356, 345, 400),
         hcUpperRight},
        {"below left",
         true,
         hcLowerLeft,
         Rect(0, 0, 80, 16),
         {500, 400},
         Rect(422, 400, 510, 444),
         hcLowerLeft},
    };
    for (const TCase& c : cases) {
        TRzCustomHintWindow window(nullptr);
        window.SetShowBalloon(c.Balloon);
        window.SetCorner(c.Corner);
        window.ActivateHint(c.Platform, "hint", c.Tip, kWorkArea);
        EXPECT_EQ(window.BoundsRect(), c.Window) << c.Name;
        EXPECT_EQ(window.EffectiveCorner(), c.Effective) << c.Name;
        EXPECT_EQ(window.Caption(), "hint");
    }
}

TEST(RzHintWindow, TipAtTheCentreOfSmallControlsOnly) {
    TRzCustomHintWindow window(nullptr);
    window.SetShowBalloon(true);
    const TRect button = Bounds(100, 200, 20, 20);
    const TPoint cursor{103, 204};
    window.SetCenterThreshold(80);
    EXPECT_EQ(window.HintTip(button, cursor), (TPoint{110, 210}));
    window.SetCenterThreshold(0);
    EXPECT_EQ(window.HintTip(button, cursor), cursor);
    window.SetCenterThreshold(80);
    EXPECT_EQ(window.HintTip(Bounds(100, 200, 81, 20), cursor), cursor);
}

TEST(RzHintWindow, RegionHasRoundedCornersAndAPointerToTheEdge) {
    const int w = 88, h = 44;
    struct TCase {
        TRzHintCorner Corner;
        TPoint Tip;     // on the window's edge row
        TPoint Cut;     // a cut corner of the body
        TPoint Inside;  // just inside that corner
    } cases[] = {
        {hcLowerRight, {10, 0}, {0, 20}, {2, 21}},
        {hcLowerLeft, {w - 9, 0}, {w - 1, 20}, {w - 3, 21}},
        {hcUpperLeft, {w - 9, h - 1}, {w - 1, h - 21}, {w - 3, h - 22}},
        {hcUpperRight, {10, h - 1}, {0, h - 21}, {2, h - 22}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "corner " << c.Corner);
        EXPECT_TRUE(BalloonRegionContains(c.Corner, w, h, c.Tip.X, c.Tip.Y));
        EXPECT_FALSE(BalloonRegionContains(c.Corner, w, h, c.Tip.X + 3, c.Tip.Y));
        EXPECT_FALSE(BalloonRegionContains(c.Corner, w, h, c.Cut.X, c.Cut.Y));
        EXPECT_TRUE(BalloonRegionContains(c.Corner, w, h, c.Inside.X, c.Inside.Y));
    }
    EXPECT_FALSE(BalloonRegionContains(hcNone, w, h, 0, 0));
    EXPECT_TRUE(BalloonRegionContains(hcNone, w, h, 4, 0));
}

TEST(RzHintWindow, PaintedBalloonOutlineCornersAndJunction) {
    TRzCustomHintWindow window(nullptr);
    window.SetShowBalloon(true);
    window.SetCorner(hcLowerRight);
    window.SetColor(clYellow);
    window.SetFrameColor(clBlue);
    window.ActivateHint(Rect(0, 0, 80, 16), "", {300, 100}, kWorkArea);
    ASSERT_EQ(window.BoundsRect().Width(), 88);
    TBitmap bitmap(88, 44);
    window.Paint(*bitmap.Canvas());
    TCanvas& canvas = *bitmap.Canvas();
    // Body (0, 20, 88, 44): outline, a rounding pixel, the inside.
    EXPECT_EQ(canvas.Pixel(0, 30), clBlue);
    EXPECT_EQ(canvas.Pixel(1, 22), clBlue);
    EXPECT_EQ(canvas.Pixel(86, 41), clBlue);
    EXPECT_EQ(canvas.Pixel(40, 30), clYellow);
    // The pointer's outline reaches up to its tip; where it meets the body the outline is gone.
    EXPECT_EQ(canvas.Pixel(10, 5), clBlue);
    EXPECT_EQ(canvas.Pixel(15, 20), clYellow);
    EXPECT_EQ(canvas.Pixel(50, 20), clBlue);
}

TEST(RzHintWindow, TextOffsetsByAlignment) {
    const TRect body = Rect(0, 20, 200, 60);
    struct TCase {
        bool Balloon;
        TAlignment Alignment;
        int CaptionWidth;
        TRect Expected;
    } cases[] = {
        {true, taLeftJustify, 300, Rect(8, 24, 208, 64)},
        {true, taRightJustify, 300, Rect(-8, 24, 192, 64)},
        {true, taCenter, 300, Rect(0, 24, 200, 64)},
        {true, taCenter, 100, Rect(8, 24, 108, 64)},
        {true, taRightJustify, 100, Rect(92, 24, 192, 64)},
        {false, taLeftJustify, 300, Rect(2, 22, 202, 62)},
        {false, taRightJustify, 300, Rect(-2, 22, 198, 62)},
    };
    for (const TCase& c : cases) {
        TRzCustomHintWindow window(nullptr);
        window.SetShowBalloon(c.Balloon);
        window.SetCorner(hcLowerRight);
        window.SetAlignment(c.Alignment);
        window.SetCaptionWidth(c.CaptionWidth);
        window.ActivateHint(Rect(0, 0, 80, 16), "", {300, 400}, kWorkArea);
        EXPECT_EQ(window.HintTextRect(body), c.Expected)
            << "balloon " << c.Balloon << " alignment " << c.Alignment << " width "
            << c.CaptionWidth;
    }
}

TEST(RzBalloonBitmaps, FallbackBitmapIsMirroredTowardsTheCorner) {
    TRzBalloonBitmaps bitmaps;
    TBitmap upperRight(4, 2);
    upperRight.Canvas()->SetPixel(0, 0, clRed);  // marks the upper left pixel
    bitmaps.SetBitmap(hcUpperRight, &upperRight);
    struct TCase {
        TRzHintCorner Corner;
        bool MirrorX, MirrorY;
    } cases[] = {
        {hcUpperRight, false, false},
        {hcUpperLeft, true, false},
        {hcLowerRight, false, true},
        {hcLowerLeft, true, true},
    };
    for (const TCase& c : cases) {
        bool mx = true, my = true;
        EXPECT_NE(bitmaps.Choose(c.Corner, mx, my), nullptr);
        EXPECT_EQ(mx, c.MirrorX) << c.Corner;
        EXPECT_EQ(my, c.MirrorY) << c.Corner;
    }
    bool mx, my;
    EXPECT_EQ(bitmaps.Choose(hcNone, mx, my), nullptr);

    // Drawn for the lower left corner, the marked pixel lands at the lower right.
    TRzBalloonHints hints(nullptr);
    hints.Bitmaps()->SetBitmap(hcUpperRight, &upperRight);
    TRzCustomHintWindow window(nullptr);
    hints.LinkHintWindow(&window);
    window.SetCorner(hcLowerLeft);
    window.ActivateHint(Rect(0, 0, 48, 0), "", {500, 400}, kWorkArea);
    const TRect r = window.BoundsRect();
    TBitmap bitmap(r.Width(), r.Height());
    window.Paint(*bitmap.Canvas());
    EXPECT_EQ(bitmap.Canvas()->Pixel(r.Width() - 1, r.Height() - 1), clRed);
    EXPECT_EQ(bitmap.Canvas()->Pixel(0, 0), clWhite);
}

TEST(RzBalloonHints, LinkedWindowTakesTheSettings) {
    TRzBalloonHints hints(nullptr);
    // The main window's stored settings.
    hints.Bitmaps()->SetTransparentColor(clOlive);
    hints.SetCenterThreshold(0);
    hints.SetFrameColor(cl3DDkShadow);
    TFont font;
    font.SetName("Tahoma");
    font.SetHeight(-11);
    font.SetColor(clInfoText);
    hints.SetFont(&font);

    TRzCustomHintWindow window(nullptr);
    EXPECT_FALSE(window.ShowBalloon());
    EXPECT_EQ(window.CenterThreshold(), 80);
    hints.LinkHintWindow(&window);
    EXPECT_TRUE(window.ShowBalloon());
    EXPECT_EQ(window.Corner(), hcUpperRight);
    EXPECT_EQ(window.Font()->Height(), -11);
    EXPECT_EQ(window.Font()->Name(), "Tahoma");
    // Not copied on linking: these two reach the window through their setters only.
    EXPECT_EQ(window.CenterThreshold(), 80);
    EXPECT_EQ(window.FrameColor(), clInfoText);

    hints.SetCenterThreshold(0);
    hints.SetFrameColor(cl3DDkShadow);
    hints.SetCaptionWidth(150);
    hints.SetColor(clAqua);
    hints.Font()->SetHeight(-13);
    EXPECT_EQ(window.CenterThreshold(), 0);
    EXPECT_EQ(window.FrameColor(), cl3DDkShadow);
    EXPECT_EQ(window.CaptionWidth(), 150);
    EXPECT_EQ(window.Color(), clAqua);
    EXPECT_EQ(window.Font()->Height(), -13);

    // A freed window is forgotten.
    {
        TRzCustomHintWindow other(nullptr);
        hints.LinkHintWindow(&other);
    }
    EXPECT_EQ(hints.HintWindow(), nullptr);
    hints.SetColor(clRed);
}

TEST(RzWrappedText, BreaksAtWordsWithinTheWidth) {
    TBitmap bitmap(1, 1);
    TCanvas& canvas = *bitmap.Canvas();
    struct TCase {
        const char* Text;
        const char* Fits;  // the text whose width is the limit
        std::vector<std::string> Lines;
    } cases[] = {
        {"aaaa aaaa aaaa aaaa aaaa", "aaaa aaaa", {"aaaa aaaa", "aaaa aaaa", "aaaa"}},
        {"aaaaaaaaaaaa aa", "aaaa", {"aaaaaaaaaaaa", "aa"}},  // a long word is not cut
        {"aa\naa aa\r\n", "aaaa aaaa", {"aa", "aa aa", ""}},
        {"aaaa aaaa", "", {"aaaa aaaa"}},  // no width: explicit breaks only
    };
    for (const TCase& c : cases) {
        const int width = *c.Fits ? canvas.TextWidth(c.Fits) : 0;
        const TWrappedText wrapped = WrapText(canvas, c.Text, width);
        EXPECT_EQ(wrapped.Lines, c.Lines) << c.Text;
        EXPECT_EQ(wrapped.Extent.cy, wrapped.LineHeight * int(c.Lines.size()));
    }
}

// A long hint shows as several lines no wider than the caption width.
TEST(RzHintWindow, LongHintWrapsOverSeveralLines) {
    const std::string hint =
        "Choose the viewing conditions parameter for the abscissa of the plot window";
    TRzCustomHintWindow window(nullptr);
    window.SetShowBalloon(true);
    window.SetCorner(hcLowerRight);
    window.SetColor(clYellow);
    window.SetFrameColor(clBlue);
    TBitmap bitmap(1, 1);
    bitmap.Canvas()->SetFont(window.Font());
    const TWrappedText wrapped = WrapText(*bitmap.Canvas(), hint, window.CaptionWidth());
    ASSERT_GE(wrapped.Lines.size(), 3u);
    window.ActivateHint(Bounds(0, 0, wrapped.Extent.cx, wrapped.Extent.cy), hint, {300, 100},
                        kWorkArea);
    const TRect bounds = window.BoundsRect();
    EXPECT_GE(bounds.Height(), wrapped.Extent.cy + 20);
    bitmap.SetSize(bounds.Width(), bounds.Height());
    window.Paint(*bitmap.Canvas());
    const TRect text =
        window.HintTextRect(PointerGeometry(hcLowerRight, bounds.Width(), bounds.Height()).Body);
    // Ink on each line's band, none right of the caption width.
    TCanvas& canvas = *bitmap.Canvas();
    auto inkIn = [&](int left, int top, int right, int bottom) {
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                if (canvas.Pixel(x, y) != clYellow) return true;
        return false;
    };
    for (size_t i = 0; i < wrapped.Lines.size(); ++i) {
        const int top = text.Top + int(i) * wrapped.LineHeight;
        EXPECT_TRUE(
            inkIn(text.Left, top, text.Left + window.CaptionWidth(), top + wrapped.LineHeight))
            << "line " << i;
    }
    EXPECT_FALSE(inkIn(text.Left + window.CaptionWidth(), text.Top, bounds.Width() - 2,
                       text.Top + wrapped.Extent.cy));
}

// The work area is that of the place where the window would start, before any flip.
TEST(RzHintWindow, WorkAreaIsAskedAtTheWindowsPosition) {
    TRzCustomHintWindow window(nullptr);
    window.SetShowBalloon(true);
    window.SetCorner(hcLowerRight);
    std::vector<TPoint> asked;
    window.ActivateHint(Rect(0, 0, 80, 16), "", {300, 100}, [&asked](TPoint p) {
        asked.push_back(p);
        return Rect(0, 0, 340, 800);  // too narrow: the balloon opens to the left
    });
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], Point(290, 100));
    EXPECT_EQ(window.EffectiveCorner(), hcLowerLeft);
}

// At run time the pauses are the application's own; a form that does not store them leaves
// them alone, and the stored defaults are 500 and 0.
TEST(RzBalloonHints, PausesAreTheApplications) {
    struct TRestore {
        int Pause = Application->HintPause(), Short = Application->HintShortPause();
        ~TRestore() {
            Application->SetHintPause(Pause);
            Application->SetHintShortPause(Short);
        }
    } restore;
    TRzBalloonHints hints(nullptr);
    EXPECT_EQ(hints.GetHintPause(), Application->HintPause());
    hints.SetHintPause(800);
    hints.SetHintShortPause(20);
    EXPECT_EQ(Application->HintPause(), 800);
    EXPECT_EQ(Application->HintShortPause(), 20);
    const TPropInfo* shortPause =
        TRzBalloonHints::StaticClass().Properties().Find("HintShortPause");
    ASSERT_NE(shortPause, nullptr);
    EXPECT_FALSE(shortPause->IsDefaultValue(&hints));
    hints.SetHintShortPause(0);
    EXPECT_TRUE(shortPause->IsDefaultValue(&hints));
}
