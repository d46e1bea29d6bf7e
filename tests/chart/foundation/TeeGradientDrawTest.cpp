#include <gtest/gtest.h>

#include <set>

#include "chart/foundation/TeeGradient.h"
#include "tests/chart/foundation/GeometryPrinters.h"
#include "tests/chart/foundation/RecordingCanvas3D.h"
#include "tests/chart/foundation/SurfaceFixture.h"

namespace {

using TDrawn = TSurfaceOnBitmap<TTeeCanvas3D>;
using TRecorded = TSurfaceOnBitmap<TRecordingCanvas3D>;

TEST(TeeGradientDrawTest, BandsAreAtMost256AndNeedTwoRows) {
    struct TCase {
        int Height;
        size_t Colours;  // distinct colours down the first column
    };
    for (const TCase& c : {TCase{1, 1}, TCase{2, 2}, TCase{300, 256}}) {
        TDrawn f(3, c.Height);
        f.Surface.FillGradient(TRect{0, 0, 3, c.Height}, clWhite, clYellow, gdTopBottom, 50, 0, 0);
        std::set<TColor> colours;
        for (int y = 0; y < c.Height; ++y) colours.insert(f.At(0, y));
        EXPECT_EQ(colours.size(), c.Colours) << "height " << c.Height;
        if (c.Height == 1) {
            EXPECT_EQ(f.At(0, 0), clWhite);  // nothing painted
        }
    }
}

TEST(TeeGradientDrawTest, EachDirectionPutsItsColoursAtItsEdges) {
    struct TCase {
        TGradientDirection Direction;
        TPoint StartAt, EndAt;
    };
    // White to yellow in a 20 x 20 square.
    const TCase cases[] = {
        {gdTopBottom, {10, 19}, {10, 0}},     {gdBottomTop, {10, 0}, {10, 19}},
        {gdLeftRight, {19, 10}, {0, 10}},     {gdRightLeft, {0, 10}, {19, 10}},
        {gdFromCenter, {9, 9}, {0, 0}},       {gdFromTopLeft, {19, 19}, {0, 0}},
        {gdFromBottomLeft, {19, 0}, {0, 19}},
    };
    for (const TCase& c : cases) {
        TDrawn f(22, 22);
        f.Surface.FillGradient(TRect{1, 1, 21, 21}, clWhite, clBlack, c.Direction, 50, 0, 0);
        const TColor start = f.At(c.StartAt.X + 1, c.StartAt.Y + 1);
        const TColor end = f.At(c.EndAt.X + 1, c.EndAt.Y + 1);
        EXPECT_GT(start & 0xFF, 200u) << "direction " << c.Direction;
        EXPECT_LT(end & 0xFF, 40u) << "direction " << c.Direction;
        for (int i = 0; i < 22; ++i) {  // nothing beyond the rectangle
            EXPECT_EQ(f.At(i, 0), clWhite) << "direction " << c.Direction;
            EXPECT_EQ(f.At(i, 21), clWhite) << "direction " << c.Direction;
            EXPECT_EQ(f.At(0, i), clWhite) << "direction " << c.Direction;
            EXPECT_EQ(f.At(21, i), clWhite) << "direction " << c.Direction;
        }
    }
}

TEST(TeeGradientDrawTest, BalanceBendsTheSteps) {
    // Eleven rows, one band each, black to white: band i is row 10 - i.
    struct TCase {
        int Balance;
        int Band;
        uint8_t Grey;
    };
    const TCase cases[] = {
        {50, 0, 0},   {50, 5, 127}, {50, 10, 255},  // i * 255 div 10
        {100, 5, 76},                               // 255 * (6 / 11)^2 = 75.9
        {0, 5, 188},                                // 255 * (6 / 11)^0.5 = 188.3
    };
    for (const TCase& c : cases) {
        TDrawn f(2, 11);
        f.Surface.FillGradient(TRect{0, 0, 2, 11}, clBlack, clWhite, gdTopBottom, c.Balance, 0, 0);
        EXPECT_EQ(f.At(0, 10 - c.Band), RGB(c.Grey, c.Grey, c.Grey))
            << "balance " << c.Balance << " band " << c.Band;
    }
}

TEST(TeeGradientDrawTest, MiddleColourHalvesMeetInTheMiddle) {
    TDrawn f(4, 10);
    TTeeGradient g;
    g.SetStartColor(clRed);
    g.SetMidColor(clLime);
    g.SetEndColor(clBlue);
    g.DrawInRect(f.Surface, TRect{0, 0, 4, 10});
    EXPECT_EQ(f.At(0, 9), clRed);   // bottom of the lower half: start
    EXPECT_EQ(f.At(0, 5), clLime);  // top of the lower half: middle
    EXPECT_EQ(f.At(0, 4), clLime);  // bottom of the upper half: middle
    EXPECT_EQ(f.At(0, 0), clBlue);  // top: end
}

TEST(TeeGradientDrawTest, RadialPaintsEllipsesFromTheEndColourInward) {
    TRecorded f(12, 12);
    f.Surface.FillGradient(TRect{0, 0, 10, 10}, clBlack, clWhite, gdRadial, 50, 0, 0);
    const auto& calls = f.Surface.Calls();
    ASSERT_EQ(calls.size(), 12u);  // the end colour, then k = 10 down to 0
    EXPECT_EQ(calls[0].Op, "FillRect");
    EXPECT_EQ(calls[0].BrushColor, clWhite);
    EXPECT_EQ(calls[1].Args, (std::vector<int>{1, 1, 11, 11}));  // centre offset by one
    EXPECT_EQ(calls[1].BrushColor, clWhite);
    EXPECT_EQ(calls[6].BrushColor, RGB(128, 128, 128));  // k = 5: 127.5 rounds to even
    EXPECT_EQ(calls[11].Args, (std::vector<int>{6, 6, 6, 6}));
    EXPECT_EQ(calls[11].BrushColor, clBlack);
    EXPECT_EQ(f.Surface.Pen()->Style(), psSolid);  // restored
    EXPECT_EQ(SavedClipCount(), 0);

    // A rectangle without area gets the end colour and nothing to divide.
    f.Surface.ClearCalls();
    f.Surface.FillGradient(TRect{5, 5, 5, 5}, clBlack, clWhite, gdRadial, 50, 0, 0);
    ASSERT_EQ(f.Surface.Calls().size(), 1u);
    EXPECT_EQ(f.Surface.Calls()[0].Op, "FillRect");
}

TEST(TeeGradientDrawTest, TurnedGradientIsPaintedIntoALargerBitmap) {
    EXPECT_EQ(RotatedGradientSize(100, 50, 30), (TSize{114, 95}));
    EXPECT_EQ(RotatedGradientSize(100, 50, 0), (TSize{102, 52}));
    EXPECT_EQ(RotatedGradientSize(100, 50, 90), (TSize{52, 102}));
}

}  // namespace

namespace {

TEST(TeeGradientDrawTest, SubGradientIsLaidOverThroughItsTransparency) {
    struct TCase {
        int Transparency;
        TColor Result;
    };
    for (const TCase& c : {TCase{100, clRed}, TCase{0, clBlue}}) {
        TDrawn f(10, 10);
        TTeeGradient g;
        g.SetStartColor(clRed);
        g.SetEndColor(clRed);
        g.SubGradient()->SetVisible(true);
        g.SubGradient()->SetStartColor(clBlue);
        g.SubGradient()->SetEndColor(clBlue);
        g.SubGradient()->SetTransparency(c.Transparency);
        g.DrawInRect(f.Surface, TRect{0, 0, 10, 10});
        EXPECT_EQ(f.At(5, 5), c.Result) << "transparency " << c.Transparency;
    }
}

TEST(TeeGradientDrawTest, TurnedGradientGoesThroughTheRotationHookAndStaysInItsRect) {
    static TSize turned;
    GradientRotationHook = [](const TCustomTeeGradient&, TBitmap& bitmap) {
        turned = TSize{bitmap.Width(), bitmap.Height()};
    };
    TDrawn f(130, 80);
    f.Surface.Pen()->SetStyle(psClear);
    TTeeGradient g;
    g.SetStartColor(clRed);
    g.SetEndColor(clRed);
    g.SetAngle(30);
    g.DrawInRect(f.Surface, TRect{10, 10, 110, 60});
    GradientRotationHook = nullptr;
    EXPECT_EQ(turned, (TSize{114, 95}));
    EXPECT_EQ(f.At(10, 10), clRed);
    EXPECT_EQ(f.At(109, 59), clRed);
    EXPECT_EQ(f.At(9, 9), clWhite);
    EXPECT_EQ(f.At(110, 60), clWhite);
    EXPECT_EQ(SavedClipCount(), 0);
}

TEST(TeeGradientDrawTest, PolygonGradientStaysInsideAndKeepsItsOutline) {
    TDrawn f(20, 20);
    TTeeGradient g;
    g.SetStartColor(clRed);
    g.SetEndColor(clRed);
    f.Surface.Pen()->SetColor(clBlue);
    const TPoint triangle[] = {{2, 2}, {17, 2}, {2, 17}};
    f.Surface.FillPolygonGradient(triangle, 2, g);
    EXPECT_EQ(f.At(5, 5), clRed);
    EXPECT_EQ(f.At(15, 15), clWhite);  // beyond the diagonal
    EXPECT_EQ(f.At(2, 10), clBlue);    // outline over the fill
    EXPECT_EQ(f.Surface.Brush()->Style(), bsSolid);
}

}  // namespace
