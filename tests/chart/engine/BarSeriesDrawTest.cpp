// How a bar is painted: its rectangle with and without a pen, bars that touch, the styles in
// 2-D and 3-D, degenerate bars, the darkened outline, the shadow, the relative gradient, the
// bevel, the tick lines, and which bar a click finds.
#include <string>
#include <vector>

#include "SeriesDrawFixture.h"
#include "chart/engine/BarSeries.h"
#include "chart/engine/BarSeriesGradient.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/HorizBarSeries.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/ColorRoutines.h"
#include "chart/foundation/TeeShadow.h"

namespace {

// Also writes down the solids, with the surface's number of cylinder sides at that moment.
class TBarRecorder : public TRecordingCanvas3D {
public:
    void DrawCuboid(int l, int r, int t, int b, int z0, int z1, bool) override {
        Solids.push_back("Cuboid " + Join({l, r, t, b, z0, z1}));
    }
    void DrawCylinder(bool v, int l, int t, int r, int b, int z0, int z1, bool) override {
        Solids.push_back("Cylinder " + Join({v, l, t, r, b, z0, z1}) + " sides " +
                         std::to_string(CylinderSides()));
    }
    void DrawPyramid(bool v, int l, int t, int r, int b, int z0, int z1, bool) override {
        Solids.push_back("Pyramid " + Join({v, l, t, r, b, z0, z1}));
    }
    void DrawCone(bool v, int l, int t, int r, int b, int z0, int z1, bool, int) override {
        Solids.push_back("Cone " + Join({v, l, t, r, b, z0, z1}));
    }
    static std::string Join(std::initializer_list<int> args) {
        std::string s;
        for (int a : args) s += (s.empty() ? "" : " ") + std::to_string(a);
        return s;
    }
    std::vector<std::string> Solids;
};

std::string BarRecorderArgs(const TRect& r) {
    return TBarRecorder::Join({r.Left, r.Top, r.Right, r.Bottom});
}

class BarSeriesDrawTest : public SeriesDrawFixture {
protected:
    void SetUp() override {
        SeriesDrawFixture::SetUp();
        auto canvas = std::make_unique<TBarRecorder>();
        Recorder = canvas.get();
        Canvas = canvas.get();
        Chart->ReplaceCanvas(std::move(canvas));
        Canvas->SetBufferedDisplay(false);
        FixPlotArea();
        Bars->Marks()->SetVisible(false);
        Chart->AddSeries(Bars);
        for (double v : {4.0, 8.0, 0.0, 6.0}) Bars->AddValue(v);
        Chart->LeftAxis()->SetLimits(-2, 10);
        Bars->SetSeriesColor(0x336699);
    }
    // Draws the chart, then point index alone.
    void DrawBar(int index) {
        Draw();
        Canvas->ClearCalls();
        Recorder->Solids.clear();
        Bars->DrawValue(index);
    }
    TRect RectOf(int index) {
        TRect r;
        Bars->CalcBarRect(index, r);
        return r;
    }
    int Py(double y) const { return Chart->LeftAxis()->PixelOfValue(y); }

    TBarSeries* Bars = new TBarSeries(&Form);
    TBarRecorder* Recorder = nullptr;
};

TEST_F(BarSeriesDrawTest, BarRectangleWithAndWithoutPen) {
    Draw();
    const int x = Bars->PointXPixel(1), size = Bars->BarSize();
    EXPECT_EQ(RectOf(1), (TRect{x, Py(8), x + size + 1, Py(0)}));
    // Without an outline the fill covers the pixels the outline would have taken.
    Bars->Pen()->SetVisible(false);
    EXPECT_EQ(RectOf(1), (TRect{x, Py(8), x + size + 2, Py(0) + 1}));
    // At 100 percent each bar reaches the next one's start (less half the pen).
    Bars->Pen()->SetVisible(true);
    Bars->Pen()->SetWidth(2);
    Bars->SetBarWidthPercent(100);
    Draw();
    EXPECT_EQ(RectOf(1).Right, Bars->PointXPixel(2) + 1 - 1);
    EXPECT_EQ(RectOf(3).Right, Bars->PointXPixel(3) + Bars->BarSize() + 1 - 1);
}

TEST_F(BarSeriesDrawTest, FlatStylesIn2D) {
    Draw();
    const TRect r = RectOf(1);
    const int mid = (r.Left + r.Right) / 2, top = r.Top, bottom = r.Bottom;
    const int middle = (top + bottom) / 2;
    auto args = [](std::initializer_list<int> a) { return std::vector<int>(a); };
    struct {
        TBarStyle style;
        std::string op;
        std::vector<int> args;
    } cases[] = {
        {bsRectangle, "Rectangle", args({r.Left, top, r.Right, bottom})},
        {bsPyramid, "Polygon", args({r.Left, bottom, mid, top, r.Right, bottom})},
        {bsInvPyramid, "Polygon", args({r.Left, top, mid, bottom, r.Right, top})},
        {bsCone, "Polygon", args({r.Left, bottom, mid, top, r.Right, bottom})},
        {bsEllipse, "Ellipse", args({r.Left, top, r.Right, bottom})},
        {bsDiamond, "Polygon", args({mid, top, r.Right, middle, mid, bottom, r.Left, middle})},
        {bsCilinder, "Rectangle", args({r.Left, top, r.Right, bottom})},
    };
    for (const auto& c : cases) {
        Bars->SetBarStyle(c.style);
        DrawBar(1);
        ASSERT_FALSE(Canvas->Calls().empty()) << "style " << c.style;
        EXPECT_EQ(Canvas->Calls().front().Op, c.op) << "style " << c.style;
        EXPECT_EQ(Canvas->Calls().front().Args, c.args) << "style " << c.style;
    }
    // The slanted cube is a rectangle split at its middle.
    Bars->SetBarStyle(bsSlantCube);
    DrawBar(1);
    EXPECT_EQ(
        Ops({"Rectangle", "MoveTo", "LineTo"}),
        (std::vector<std::string>{"Rectangle " + BarRecorderArgs(r),
                                  "MoveTo " + std::to_string(mid) + " " + std::to_string(top),
                                  "LineTo " + std::to_string(mid) + " " + std::to_string(bottom)}));
}

TEST_F(BarSeriesDrawTest, SolidsIn3DAndTheSlantCubeKeepsTheSurfaceSides) {
    Chart->SetView3D(true);
    Bars->SetBarStyle(bsSlantCube);
    DrawBar(1);
    ASSERT_EQ(Recorder->Solids.size(), 1u);
    EXPECT_NE(Recorder->Solids[0].find("sides 4"), std::string::npos) << Recorder->Solids[0];
    EXPECT_EQ(Canvas->CylinderSides(), 16);
    const TRect r = RectOf(1);
    struct {
        TBarStyle style;
        std::string solid;
    } cases[] = {
        {bsRectangle, "Cuboid " + TBarRecorder::Join({r.Left, r.Right, r.Top, r.Bottom,
                                                      Bars->FrontDepth, Bars->BackDepth})},
        {bsPyramid, "Pyramid " + TBarRecorder::Join({1, r.Left, r.Top, r.Right, r.Bottom,
                                                     Bars->FrontDepth, Bars->BackDepth})},
        {bsInvCone, "Cone " + TBarRecorder::Join({1, r.Left, r.Bottom, r.Right, r.Top,
                                                  Bars->FrontDepth, Bars->BackDepth})},
    };
    for (const auto& c : cases) {
        Bars->SetBarStyle(c.style);
        DrawBar(1);
        EXPECT_EQ(Recorder->Solids, std::vector<std::string>{c.solid}) << "style " << c.style;
    }
}

TEST_F(BarSeriesDrawTest, AZeroHeightBarIsALineInTheBrushColour) {
    DrawBar(2);
    const int x = Bars->PointXPixel(2);
    EXPECT_EQ(Ops({"Rectangle", "MoveTo", "LineTo"}),
              (std::vector<std::string>{"MoveTo " + std::to_string(x) + " " + std::to_string(Py(0)),
                                        "LineTo " + std::to_string(x + Bars->BarSize() + 1) + " " +
                                            std::to_string(Py(0))}));
    EXPECT_EQ(Canvas->Calls().back().PenColor, 0x336699);
}

TEST_F(BarSeriesDrawTest, DarkPenDarkensTheOutlineInThePointsColour) {
    Bars->SetDarkPen(130);
    DrawBar(1);
    ASSERT_FALSE(Canvas->Calls().empty());
    EXPECT_EQ(Canvas->Calls().front().PenColor, DarkenColor(0x336699, 125));
    EXPECT_EQ(Canvas->Calls().front().BrushColor, 0x336699);
}

TEST_F(BarSeriesDrawTest, AStyleBeyondTheLastDrawsNothing) {
    Bars->TickLines()->SetVisible(true);
    Bars->OnGetBarStyle = [](TCustomBarSeries&, int, TBarStyle& style) {
        style = static_cast<TBarStyle>(13);
    };
    DrawBar(1);
    EXPECT_TRUE(Canvas->Calls().empty());
}

TEST_F(BarSeriesDrawTest, TickLinesCrossTheBarStrictlyInside) {
    Bars->TickLines()->SetVisible(true);
    Bars->TickLines()->SetColor(clRed);
    Chart->SetAxisVisible(true);  // the axis walk registers the ticks
    Chart->LeftAxis()->SetIncrement(2);
    DrawBar(1);
    const TRect r = RectOf(1);
    std::vector<std::string> expected;
    for (int tick : Chart->LeftAxis()->TickPositions())
        if (tick > r.Top && tick < r.Bottom) {
            expected.push_back("MoveTo " + std::to_string(r.Left) + " " + std::to_string(tick));
            expected.push_back("LineTo " + std::to_string(r.Right) + " " + std::to_string(tick));
        }
    EXPECT_FALSE(expected.empty());
    EXPECT_EQ(Ops({"MoveTo", "LineTo"}), expected);
}

TEST_F(BarSeriesDrawTest, ShadowIsTheBarShiftedInTheShadowColour) {
    Bars->Shadow()->SetSmooth(false);
    DrawBar(1);
    EXPECT_EQ(Ops({"Rectangle"}).size(), 1u) << "a shadow of size 0 draws nothing";
    Bars->Shadow()->SetHorizSize(3);
    Bars->Shadow()->SetVertSize(2);
    DrawBar(1);
    const TRect r = RectOf(1);
    EXPECT_EQ(
        Ops({"Rectangle"}),
        (std::vector<std::string>{
            "Rectangle " + BarRecorderArgs(TRect{r.Left + 3, r.Top + 2, r.Right + 3, r.Bottom}),
            "Rectangle " + BarRecorderArgs(r)}));
    EXPECT_EQ(Canvas->Calls().front().BrushColor, 0x808080);
    EXPECT_EQ(Canvas->Calls().back().BrushColor, 0x336699);
    EXPECT_EQ(Bars->Pen()->Color(), clBlack) << "the pen's colour comes back";
}

TEST_F(BarSeriesDrawTest, RelativeGradientEndsBetweenStartAndPointColour) {
    Bars->SetBarStyle(bsRectGradient);
    Bars->Gradient()->SetStartColor(clWhite);
    Bars->SetColorEachPoint(false);
    Bars->SetSeriesColor(clRed);
    DrawBar(3);
    EXPECT_EQ(Bars->Gradient()->EndColor(), clRed) << "not relative: the point's colour";
    Bars->Gradient()->SetRelative(true);
    // Value 4 of 0..8: halfway, each channel from 255 towards the red point's 0 (255 - 127.5,
    // the half to the even neighbour).
    DrawBar(0);
    EXPECT_EQ(Bars->Gradient()->EndColor(), RGB(255, 127, 127));
    DrawBar(1);
    EXPECT_EQ(Bars->Gradient()->EndColor(), clRed);
    DrawBar(2);
    EXPECT_EQ(Bars->Gradient()->EndColor(), clWhite);
}

TEST_F(BarSeriesDrawTest, BevelLightensTheUpperLeftAndDarkensTheLowerRight) {
    struct TBevelRecorder : TBarRecorder {
        void DrawBevelFrame(TRect& r, TColor a, TColor b, int w) override {
            Bevel = {r.Left, r.Top, r.Right, r.Bottom, int(a), int(b), w};
        }
        std::vector<int> Bevel;
    };
    auto canvas = std::make_unique<TBevelRecorder>();
    TBevelRecorder* bevel = canvas.get();
    Chart->ReplaceCanvas(std::move(canvas));
    Recorder = bevel;
    Canvas = bevel;
    Canvas->SetBufferedDisplay(false);
    Bars->SetBarStyle(bsBevel);
    Bars->SetBevelSize(3);
    DrawBar(1);
    const TRect r = RectOf(1);
    EXPECT_EQ(bevel->Bevel, (std::vector<int>{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1,
                                              int(LightenColor(0x336699, 128)),
                                              int(DarkenColor(0x336699, 64)), 3}));
}

TEST_F(BarSeriesDrawTest, ClicksFindTheBarUnderThem) {
    Draw();
    Bars->ComputeVisibleRange();
    const TRect r = RectOf(1);
    const int mid = (r.Left + r.Right) / 2;
    struct {
        TBarStyle style;
        TPoint point;
        int index;
    } cases[] = {
        {bsRectangle, {mid, (r.Top + r.Bottom) / 2}, 1},
        {bsRectangle, {r.Left + 1, r.Top + 1}, 1},
        {bsRectangle, {mid, r.Top - 3}, -1},
        {bsPyramid, {mid, r.Top + 2}, 1},
        {bsPyramid, {r.Left + 1, r.Top + 2}, -1},    // beside the apex
        {bsInvPyramid, {r.Left + 1, r.Top + 2}, 1},  // under the wide top
        {bsEllipse, {r.Left + 1, r.Top + 1}, -1},
    };
    for (const auto& c : cases) {
        Bars->SetBarStyle(c.style);
        EXPECT_EQ(Bars->ValueIndexAt(c.point.X, c.point.Y), c.index)
            << "style " << c.style << " at " << c.point.X << "," << c.point.Y;
    }
}

}  // namespace
