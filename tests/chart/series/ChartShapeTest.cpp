// The shape series: every figure's primitives in 2-D and in 3-D, a shape of no width or height
// widened to a pixel, the line's direction, nothing outside the plot, the text in a colour that
// stands out, the corners made on first use, pixel shapes flat and without a depth row, and the
// hit test of each figure.
#include <gtest/gtest.h>

#include "chart/foundation/TeeFont.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/View3DOptions.h"
#include "chart/series/xy/ChartShape.h"
#include "platform/rtl/StringList.h"
#include "tests/chart/series/PriceChartFixture.h"

namespace {

class ChartShapeTest : public PriceChartFixture {
protected:
    ChartShapeTest() {
        Shape = Add<TChartShape>();
        Shape->SetX0(100);  // pixels 200 .. 300 across, 180 .. 80 up
        Shape->SetY0(100);
        Shape->SetX1(200);
        Shape->SetY1(200);
    }
    std::vector<std::string> Figure(TChartShapeStyle style) {
        Shape->SetStyle(style);
        DrawPoints(*Shape);
        return Ops();
    }
    TChartShape* Shape;
};

TEST_F(ChartShapeTest, EveryFigureIn2D) {
    // R = (200, 80, 300, 180), centre (250, 130).
    struct Case {
        TChartShapeStyle style;
        std::vector<std::string> ops;
    };
    const Case cases[] = {
        {chasRectangle, {"Rectangle 200 80 301 181"}},
        {chasCircle, {"Ellipse 200 80 300 180"}},
        {chasVertLine, {"MoveTo 250 80", "LineTo 250 180"}},
        {chasHorizLine, {"MoveTo 200 130", "LineTo 301 130"}},
        {chasTriangle, {"Polygon 200 180 250 80 300 180"}},
        {chasPyramid, {"Polygon 200 180 250 80 300 180"}},
        {chasInvertTriangle, {"Polygon 200 80 250 180 300 80"}},
        {chasInvertPyramid, {"Polygon 200 80 250 180 300 80"}},
        {chasLine, {"MoveTo 200 180", "LineTo 300 80"}},  // from point 0 to point 1
        {chasDiamond, {"Polygon 200 130 250 80 300 130 250 180"}},
        {chasCube, {"Rectangle 200 80 300 180"}},
        {chasCross, {"MoveTo 250 80", "LineTo 250 181", "MoveTo 200 130", "LineTo 301 130"}},
        {chasDiagCross, {"MoveTo 200 80", "LineTo 301 181", "MoveTo 200 180", "LineTo 301 79"}},
        {chasStar,
         {"MoveTo 250 80", "LineTo 250 181", "MoveTo 200 130", "LineTo 301 130", "MoveTo 200 80",
          "LineTo 301 181", "MoveTo 200 180", "LineTo 301 79"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        EXPECT_EQ(Figure(c.style), c.ops);
    }
}

TEST_F(ChartShapeTest, FiguresIn3DStandAtTheSeriesDepth) {
    Chart->SetView3D(true);
    Chart->View3DOptions()->SetOrthogonal(true);
    struct Case {
        TChartShapeStyle style;
        const char* op;
        size_t least;
    };
    const Case cases[] = {
        {chasRectangle, "Polygon", 1}, {chasCircle, "Ellipse", 1},  {chasTriangle, "Polygon", 1},
        {chasDiamond, "Polygon", 1},   {chasCube, "Polygon", 2},    {chasPyramid, "Polygon", 2},
        {chasStar, "LineTo", 4},       {chasVertLine, "LineTo", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        Figure(c.style);
        EXPECT_GE(CallsOf(c.op).size(), c.least);
    }
    // Moved by the depth: not where the flat figure lies.
    Figure(chasRectangle);
    ASSERT_EQ(CallsOf("Polygon").size(), 1u);
    EXPECT_NE(Ops({"Polygon"})[0], "Polygon 200 80 300 80 300 180 200 180");
    // Round corners are a flat figure's only.
    Shape->SetRoundRectangle(true);
    Figure(chasRectangle);
    EXPECT_TRUE(CallsOf("RoundRect").empty());
}

TEST_F(ChartShapeTest, RoundCornersTakeNoGradient) {
    Shape->Gradient()->SetVisible(true);
    Figure(chasRectangle);
    EXPECT_EQ(Canvas->Gradients.size(), 1u);
    Shape->SetRoundRectangle(true);
    EXPECT_EQ(Figure(chasRectangle), std::vector<std::string>{"RoundRect 200 80 300 180 12 12"});
    EXPECT_TRUE(Canvas->Gradients.empty());
}

TEST_F(ChartShapeTest, ZeroSizeOutsideAndLineDirection) {
    Shape->SetY1(100);  // no height
    EXPECT_EQ(Figure(chasRectangle), std::vector<std::string>{"Rectangle 200 180 301 182"});
    EXPECT_EQ(Shape->NormalizedShapeRect(), (TRect{200, 180, 300, 181}));
    // From upper right to lower left.
    Shape->SetX0(100);
    Shape->SetY0(200);
    Shape->SetX1(0);
    Shape->SetY1(100);
    EXPECT_EQ(Figure(chasLine), (std::vector<std::string>{"MoveTo 200 80", "LineTo 100 180"}));
    // Wholly outside the plot: neither figure nor text.
    Shape->Text()->Add("x");
    Shape->SetX0(700);
    Shape->SetX1(800);
    EXPECT_TRUE(Figure(chasRectangle).empty());
    // Not two points: nothing.
    Shape->Delete(1);
    EXPECT_TRUE(Figure(chasRectangle).empty());
}

TEST_F(ChartShapeTest, TextStandsOutFromTheFill) {
    Shape->Text()->Add("one");
    Shape->Text()->Add("two");
    struct Case {
        TColor fill, font, drawn;
    };
    const Case cases[] = {
        {clRed, clRed, clBlack}, {clBlack, clBlack, clWhite}, {clRed, clBlue, clBlue}};
    for (const Case& c : cases) {
        Shape->SetSeriesColor(c.fill);
        Shape->Font()->SetColor(c.font);
        Figure(chasRectangle);
        const std::vector<TCanvas3DCall> texts = CallsOf("Text");
        ASSERT_EQ(texts.size(), 2u);
        EXPECT_EQ(texts[1].Args[1] - texts[0].Args[1], Canvas->MeasureLineHeight());
        EXPECT_EQ(Shape->Font()->Color(), c.font);  // the shape's own font keeps its colour
    }
}

TEST_F(ChartShapeTest, CornersMadeOnFirstUse) {
    TChartShape empty(nullptr);
    empty.Clear();
    EXPECT_EQ(empty.X1(), 0);
    EXPECT_EQ(empty.Count(), 2);
    empty.Clear();
    empty.SetY0(5);
    EXPECT_EQ(empty.Count(), 1);
    EXPECT_TRUE(empty.DataEnteredByHand);
}

TEST_F(ChartShapeTest, PixelShapesAreFlatAndTakeNoDepthRow) {
    Chart->SetView3D(true);
    Shape->SetXYStyle(xysPixels);  // (100, 100) .. (200, 200) on the screen
    EXPECT_FALSE(Shape->UsesAxes());
    EXPECT_EQ(Figure(chasRectangle), std::vector<std::string>{"Rectangle 100 100 201 201"});
    Shape->SetXYStyle(xysAxisOrigin);  // width and height in pixels from point 0
    EXPECT_EQ(Shape->GetShapeRect(),
              (TRect{Shape->PointXPixel(0), Shape->PointYPixel(0), Shape->PointXPixel(0) + 200,
                     Shape->PointYPixel(0) + 200}));
}

TEST_F(ChartShapeTest, HitTestOfEachFigure) {
    Draw();
    struct Case {
        TChartShapeStyle style;
        int x, y;
        bool hit;
    };
    // The corners give (200, 180) .. (300, 80); the figures stand in (200, 80, 300, 180).
    const Case cases[] = {
        {chasRectangle, 210, 90, true},      {chasRectangle, 199, 90, false},
        {chasCircle, 250, 85, true},         {chasCircle, 205, 85, false},
        {chasVertLine, 250, 100, true},      {chasVertLine, 252, 100, false},
        {chasHorizLine, 220, 130, true},     {chasHorizLine, 220, 132, false},
        {chasTriangle, 250, 90, true},       {chasTriangle, 210, 90, false},
        {chasPyramid, 250, 170, true},       {chasInvertPyramid, 250, 90, true},
        {chasInvertTriangle, 250, 90, true}, {chasInvertTriangle, 210, 170, false},
        {chasLine, 250, 130, true},          {chasLine, 250, 133, false},
        {chasDiamond, 250, 90, true},        {chasDiamond, 210, 90, false},
        {chasCube, 300, 180, true},          {chasStar, 210, 90, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        Shape->SetStyle(c.style);
        EXPECT_EQ(Shape->ValueIndexAt(c.x, c.y), c.hit ? 0 : -1) << c.x << " " << c.y;
    }
}

TEST_F(ChartShapeTest, GalleryVariantsAndLegend) {
    std::vector<std::string> names;
    Shape->ListGalleryVariants([&](const std::string& n) { names.push_back(n); });
    ASSERT_EQ(names.size(), 15u);
    EXPECT_EQ(names[1], "Rectangle");
    EXPECT_EQ(names[14], "Hollow");
    const TChartShapeStyle styles[] = {
        chasRectangle, chasVertLine, chasHorizLine,    chasCircle, chasInvertTriangle,
        chasLine,      chasDiamond,  chasCube,         chasCross,  chasDiagCross,
        chasStar,      chasPyramid,  chasInvertPyramid};
    for (int v = 1; v <= 13; ++v) {
        Shape->ApplyGalleryVariant(Shape, v);
        EXPECT_EQ(Shape->Style(), styles[v - 1]) << v;
    }
    Shape->ApplyGalleryVariant(Shape, 14);
    EXPECT_TRUE(Shape->Transparent());
    // The legend symbol is always flat.
    Chart->SetView3D(true);
    Shape->SetStyle(chasCube);
    Draw();
    Canvas->ClearCalls();
    Shape->DrawLegendShape(-1, TRect{10, 10, 30, 20});
    EXPECT_EQ(Ops(), std::vector<std::string>{"Rectangle 10 10 30 20"});
}

}  // namespace
