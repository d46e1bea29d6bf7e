#include <gtest/gtest.h>

#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "chart/foundation/TeeFont.h"
#include "platform/graphics/Picture.h"
#include "tests/chart/foundation/SurfaceFixture.h"

namespace {

using TFixture = TSurfaceOnBitmap<TTeeCanvas3D>;

TEST(TeeCanvasSelectionTest, InvisibleChartPenOnlyClearsTheStyle) {
    TFixture f(4, 4);
    TPen* pen = f.Surface.Pen();
    pen->SetColor(clRed);
    pen->SetWidth(3);
    pen->SetStyle(psDash);
    TChartHiddenPen hidden;
    hidden.SetWidth(5);
    f.Surface.UsePenWithColor(&hidden, clBlue);
    EXPECT_EQ(pen->Style(), psClear);
    EXPECT_EQ(pen->Color(), clRed);
    EXPECT_EQ(pen->Width(), 3);
}

TEST(TeeCanvasSelectionTest, ChartPenEndsAndDots) {
    struct TCase {
        int Width;
        TPenEndStyle End;
        TPenEndCap Cap;
        TPenJoin Join;
    };
    const TCase cases[] = {
        {3, esRound, pecRound, pjRound},
        {3, esSquare, pecSquare, pjBevel},
        {2, esFlat, pecFlat, pjMiter},
        {1, esFlat, pecRound, pjRound},  // thin pens keep their plain ends
    };
    for (const TCase& c : cases) {
        TFixture f(4, 4);
        TChartPen pen;
        pen.SetWidth(c.Width);
        pen.SetEndStyle(c.End);
        pen.SetMode(pmXor);
        f.Surface.UsePenWithColor(&pen, clGreen);
        TPen* used = f.Surface.Pen();
        EXPECT_EQ(used->Color(), clGreen);
        EXPECT_EQ(used->Width(), c.Width);
        EXPECT_EQ(used->Mode(), pmXor);
        EXPECT_EQ(used->EndCap(), c.Cap) << "width " << c.Width << " end " << c.End;
        EXPECT_EQ(used->Join(), c.Join) << "width " << c.Width << " end " << c.End;
        EXPECT_FALSE(used->Dotted());
    }

    TFixture f(4, 4);
    TChartPen dots;
    dots.SetWidth(4);
    dots.SetSmallDots(true);
    dots.SetSmallSpace(2);
    dots.SetMode(pmNotXor);
    f.Surface.UsePenWithColor(&dots, clRed);
    EXPECT_TRUE(f.Surface.Pen()->Dotted());
    EXPECT_EQ(f.Surface.Pen()->DotSpace(), 2);
    EXPECT_EQ(f.Surface.Pen()->Width(), 1);
    EXPECT_EQ(f.Surface.Pen()->Mode(), pmNotXor);
    EXPECT_EQ(f.Surface.Pen()->Color(), clRed);

    // A plain pen after the dots draws solid again.
    TPen plain;
    f.Surface.UsePen(&plain);
    EXPECT_FALSE(f.Surface.Pen()->Dotted());
}

TEST(TeeCanvasSelectionTest, BrushSetsTheBackgroundForHatchGaps) {
    struct TCase {
        TBrushStyle Style;
        TColor Back;
        int Mode;
    };
    const TCase cases[] = {
        {bsSolid, clNone, TRANSPARENT},  // the default chart brush
        {bsCross, clNone, TRANSPARENT},
        {bsCross, clYellow, OPAQUE},
    };
    for (const TCase& c : cases) {
        TFixture f(4, 4);
        TChartBrush brush;
        brush.SetStyle(c.Style);
        brush.SetBackColor(c.Back);
        f.Surface.UseBrush(&brush);
        EXPECT_EQ(f.Surface.Brush()->Style(), c.Style);
        EXPECT_EQ(f.Surface.Brush()->Color(), brush.Color());
        EXPECT_EQ(f.Surface.GetBackgroundMode(), c.Mode) << "style " << c.Style;
        if (c.Mode == OPAQUE) {
            EXPECT_EQ(f.Surface.GetBackgroundColor(), c.Back);
        }
    }
}

TEST(TeeCanvasSelectionTest, BrushImagePaintsInTheFillColourOnTheBackColour) {
    TFixture f(4, 4);
    TChartBrush brush;
    TBitmap pattern(8, 8);
    brush.Image()->SetBitmap(&pattern);
    f.Surface.UseBrushColors(&brush, clRed, clYellow);
    EXPECT_NE(f.Surface.Brush()->Bitmap(), nullptr);
    EXPECT_EQ(f.Surface.BoundCanvas()->TextColor(), clRed);
    EXPECT_EQ(f.Surface.GetBackgroundMode(), OPAQUE);
    EXPECT_EQ(f.Surface.GetBackgroundColor(), clYellow);

    // Back to a plain brush: the pattern goes.
    TChartBrush plain;
    f.Surface.UseBrush(&plain);
    EXPECT_EQ(f.Surface.Brush()->Bitmap(), nullptr);
}

TEST(TeeCanvasSelectionTest, MonochromeDrawsBlackOnWhite) {
    TFixture f(4, 4);
    f.Surface.SetMonochrome(true);
    TChartPen pen;
    f.Surface.UsePenWithColor(&pen, clRed);
    EXPECT_EQ(f.Surface.Pen()->Color(), clBlack);
    TChartBrush brush;
    f.Surface.UseBrushColored(&brush, clRed);
    EXPECT_EQ(f.Surface.Brush()->Color(), clWhite);
    TTeeFont font;
    font.SetColor(clRed);
    f.Surface.UseFont(&font);
    EXPECT_EQ(f.Surface.Font()->Color(), clBlack);
}

TEST(TeeCanvasSelectionTest, DarkenedBrushColourGoesToTheFillOrTheHatchBackground) {
    TFixture f(4, 4);
    f.Surface.Brush()->SetStyle(bsSolid);
    f.Surface.DarkenBrushColor(clWhite, 128);
    EXPECT_EQ(f.Surface.Brush()->Color(), TColor(0x7F7F7F));
    f.Surface.Brush()->SetStyle(bsCross);
    f.Surface.Brush()->SetColor(clRed);
    f.Surface.DarkenBrushColor(clWhite, 64);
    EXPECT_EQ(f.Surface.Brush()->Color(), clRed);
    EXPECT_EQ(f.Surface.GetBackgroundColor(), TColor(0xBFBFBF));
}

TEST(TeeCanvasSelectionTest, FontIsZoomedAndRemembered) {
    TFixture f(4, 4);
    f.Surface.SetFontZoomPercent(150);
    TTeeFont font;
    font.SetSize(9);
    font.SetInterCharSize(2);
    f.Surface.UseFont(&font);
    EXPECT_EQ(f.Surface.Font()->Size(), 14);  // 13.5 rounds to even
    EXPECT_EQ(font.Size(), 9);
    EXPECT_EQ(f.Surface.CharacterExtra(), 2);
    EXPECT_EQ(f.Surface.SelectedFont(), &font);
    EXPECT_EQ(font.FontOwnerSurface, &f.Surface);
    f.Surface.ResetDrawingState();
    EXPECT_EQ(f.Surface.SelectedFont(), nullptr);
}

}  // namespace
