// Paths: gathering figures, reading them back, filling, stroking, widening and clipping.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Path.h"
#include "platform/graphics/TextMeasurer.h"
#include "tests/platform/graphics/PixelMap.h"

namespace {

// Two white bitmaps drawn with black pens and brushes: one through a path, one directly.
struct TPair {
    TBitmap ViaPath, Direct;
    TPair(int w, int h) : ViaPath(w, h), Direct(w, h) {
        for (TBitmap* b : {&ViaPath, &Direct}) b->Canvas()->Brush()->SetColor(clBlack);
    }
    TCanvas& P() { return *ViaPath.Canvas(); }
    TCanvas& D() { return *Direct.Canvas(); }
};

}  // namespace

TEST(Path, FillsTheSamePixelsAsTheCanvasFills) {
    struct TCase {
        const char* Name;
        std::function<void(TCanvas&)> Figure;
        std::function<void(TCanvas&)> Direct;
    };
    const TPoint star[] = {{6, 0}, {9, 11}, {0, 4}, {12, 4}, {3, 11}};
    const TCase cases[] = {
        {"rectangle", [](TCanvas& c) { c.Rectangle(1, 2, 9, 7); },
         [](TCanvas& c) { c.FillRect(Rect(1, 2, 9, 7)); }},
        {"self-crossing star by alternate fill", [&](TCanvas& c) { c.Polygon(star); },
         [&](TCanvas& c) {
             c.Pen()->SetStyle(psClear);
             c.Polygon(star);
         }},
        {"lines closed by CloseFigure",
         [](TCanvas& c) {
             c.MoveTo(0, 0);
             c.LineTo(10, 0);
             c.LineTo(10, 6);
             c.LineTo(0, 6);
             c.CloseFigure();
         },
         [](TCanvas& c) { c.FillRect(Rect(0, 0, 10, 6)); }},
    };
    for (const TCase& k : cases) {
        TPair s(13, 13);
        s.P().BeginPath();
        k.Figure(s.P());
        s.P().EndPath();
        EXPECT_TRUE(s.P().FillPath()) << k.Name;
        k.Direct(s.D());
        EXPECT_EQ(PixelMap(s.ViaPath), PixelMap(s.Direct)) << k.Name;
    }
}

TEST(Path, StrokingFollowsThePenAsLinesDo) {
    TPair s(8, 6);
    const TPoint zigzag[] = {{0, 0}, {6, 0}, {6, 4}, {1, 5}};
    s.P().BeginPath();
    s.P().Polyline(zigzag);
    s.P().EndPath();
    EXPECT_TRUE(s.P().StrokePath());
    s.D().Polyline(zigzag);
    EXPECT_EQ(PixelMap(s.ViaPath), PixelMap(s.Direct));
    EXPECT_FALSE(s.P().StrokePath());  // the path was used up
}

TEST(Path, PointsAndTypesReadBackInLogicalUnits) {
    TBitmap b(20, 20);
    TCanvas& c = *b.Canvas();
    c.SetMapMode(MM_ANISOTROPIC);
    c.SetViewportExt({2, 2});
    std::vector<TPoint> points;
    std::vector<uint8_t> types;
    c.BeginPath();
    c.MoveTo(1, 1);
    c.LineTo(5, 1);
    c.LineTo(5, 4);
    c.CloseFigure();
    EXPECT_FALSE(c.GetPath(points, types));  // still open
    const TPoint tri[] = {{0, 0}, {2, 0}, {0, 2}};
    c.Polyline(tri);
    c.EndPath();
    ASSERT_TRUE(c.GetPath(points, types));
    EXPECT_EQ(points, (std::vector<TPoint>{{1, 1}, {5, 1}, {5, 4}, {0, 0}, {2, 0}, {0, 2}}));
    EXPECT_EQ(types, (std::vector<uint8_t>{PT_MOVETO, PT_LINETO, PT_LINETO | PT_CLOSEFIGURE,
                                           PT_MOVETO, PT_LINETO, PT_LINETO}));
}

TEST(Path, CurvesStayBeziersUntilFlattened) {
    TBitmap b(120, 80);
    TCanvas& c = *b.Canvas();
    c.BeginPath();
    c.Ellipse(10, 10, 110, 70);
    c.EndPath();
    std::vector<TPoint> points;
    std::vector<uint8_t> types;
    ASSERT_TRUE(c.GetPath(points, types));
    ASSERT_EQ(types.size(), 13u);  // a start and four quarter curves
    EXPECT_EQ(types[0], PT_MOVETO);
    EXPECT_EQ(types[12], PT_BEZIERTO | PT_CLOSEFIGURE);
    ASSERT_TRUE(c.FlattenPath());
    ASSERT_TRUE(c.GetPath(points, types));
    EXPECT_GT(points.size(), 40u);
    for (size_t i = 0; i < points.size(); ++i) {
        EXPECT_NE(types[i] & ~PT_CLOSEFIGURE, PT_BEZIERTO) << i;
        // Every point lies on the ellipse, to within a pixel.
        const double u = (points[i].X - 60) / 50.0, v = (points[i].Y - 40) / 30.0;
        EXPECT_NEAR(std::hypot(u, v), 1.0, 0.03) << i;
    }
}

TEST(Path, ArcToDrawsFromThePenAndEndsOnTheArc) {
    TPair s(24, 24);
    s.P().Brush()->SetStyle(bsClear);
    s.P().MoveTo(0, 0);
    s.P().ArcTo(2, 2, 22, 22, 22, 12, 12, 2);  // a quarter from 3 o'clock to 12
    EXPECT_EQ(s.P().PenPos(), Point(12, 2));
    EXPECT_EQ(s.P().Pixel(0, 0), clBlack);   // the joining line
    EXPECT_EQ(s.P().Pixel(19, 5), clBlack);  // on the arc
    EXPECT_EQ(s.P().Pixel(4, 19), clWhite);  // on the rest of the ellipse
    std::vector<TPoint> points;
    std::vector<uint8_t> types;
    s.P().BeginPath();
    s.P().MoveTo(0, 0);
    s.P().ArcTo(2, 2, 22, 22, 22, 12, 12, 2);
    s.P().EndPath();
    ASSERT_TRUE(s.P().GetPath(points, types));
    EXPECT_EQ(points.front(), Point(0, 0));
    EXPECT_EQ(points[1], Point(22, 12));
    EXPECT_EQ(points.back(), Point(12, 2));
}

TEST(Path, SelectClipPathCombinesWithTheClip) {
    struct TCase {
        TRegionCombineMode Mode;
        const char* Map;
    };
    const TCase cases[] = {
        {RGN_COPY, "......\n.###..\n.###..\n......\n"},
        {RGN_AND, "......\n..##..\n..##..\n......\n"},
        {RGN_OR, "......\n.####.\n.####.\n......\n"},
        {RGN_DIFF, "......\n....#.\n....#.\n......\n"},
        {RGN_XOR, "......\n.#..#.\n.#..#.\n......\n"},
    };
    for (const TCase& k : cases) {
        TBitmap b(6, 4);
        TCanvas& c = *b.Canvas();
        c.IntersectClipRect(Rect(2, 1, 5, 3));
        c.BeginPath();
        c.Rectangle(1, 1, 4, 3);
        c.EndPath();
        ASSERT_TRUE(c.SelectClipPath(k.Mode));
        c.Brush()->SetColor(clBlack);
        c.FillRect(Rect(0, 0, 6, 4));
        EXPECT_EQ(PixelMap(b), k.Map) << k.Mode;
    }
}

TEST(Path, WithoutAFinishedPathNothingHappens) {
    TBitmap b(4, 4);
    TCanvas& c = *b.Canvas();
    const std::function<bool()> operations[] = {
        [&] { return c.StrokePath(); },        [&] { return c.FillPath(); },
        [&] { return c.StrokeAndFillPath(); }, [&] { return c.WidenPath(); },
        [&] { return c.FlattenPath(); },       [&] { return c.SelectClipPath(RGN_AND); },
    };
    for (const auto& op : operations) EXPECT_FALSE(op());
    c.BeginPath();
    c.Rectangle(0, 0, 3, 3);
    for (const auto& op : operations) EXPECT_FALSE(op());  // still open
    c.AbortPath();
    c.EndPath();
    for (const auto& op : operations) EXPECT_FALSE(op());
    EXPECT_FALSE(c.HasClip());
    EXPECT_EQ(PixelMap(b), Rows({"....", "....", "....", "...."}));
}

TEST(Path, WidenedLineIsABandThePenWidthAcross) {
    TBitmap b(20, 12);
    TCanvas& c = *b.Canvas();
    c.Pen()->SetWidth(4);
    c.Pen()->SetEndCap(pecFlat);
    c.BeginPath();
    c.MoveTo(2, 6);
    c.LineTo(18, 6);
    c.EndPath();
    ASSERT_TRUE(c.WidenPath());
    c.Brush()->SetColor(clBlack);
    ASSERT_TRUE(c.FillPath());
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 20; ++x)
            EXPECT_EQ(c.Pixel(x, y) == clBlack, x >= 2 && x < 18 && y >= 4 && y < 8)
                << x << "," << y;
}

TEST(Path, TextOutlinesAreClosedFiguresInTheTextCell) {
    TBitmap b(100, 40);
    TCanvas& c = *b.Canvas();
    c.Font()->SetHeight(-20);
    c.BeginPath();
    c.TextOut(10, 5, "Ho");
    c.EndPath();
    EXPECT_EQ(c.PenPos(), Point(10 + c.TextWidth("Ho"), 5));
    std::vector<TPoint> points;
    std::vector<uint8_t> types;
    ASSERT_TRUE(c.GetPath(points, types));
    int figures = 0;
    for (size_t i = 0; i < points.size(); ++i) {
        if (types[i] == PT_MOVETO) {
            ++figures;
            if (i > 0) {
                EXPECT_TRUE(types[i - 1] & PT_CLOSEFIGURE) << i;
            }
        }
        EXPECT_GE(points[i].X, 10);
        EXPECT_LE(points[i].X, 10 + c.TextWidth("Ho"));
        EXPECT_GE(points[i].Y, 5);
        EXPECT_LE(points[i].Y, 5 + c.TextHeight("Ho"));
    }
    EXPECT_GE(figures, 3);                                // an H and the two contours of an o
    EXPECT_EQ(PixelMap(b).find('#'), std::string::npos);  // nothing drawn yet
}
