// The line family in a 3-D chart: a ribbon per segment between the series' depths, stair planes
// with the rising plane darker, the band below a line, steep segments darkened, and the closing
// side of an area.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "ChartStubs.h"
#include "chart/engine/AreaSeries.h"
#include "chart/engine/LineSeries.h"
#include "chart/foundation/ColorRoutines.h"
#include "platform/graphics/Bitmap.h"
#include "tests/chart/foundation/RecordingCanvas3D.h"

namespace {

// Writes down the planes and quads by name with the brush colour, instead of their polygons.
class TPlaneRecorder : public TRecordingCanvas3D {
public:
    void FillPlaneAlongDepth(TPoint p0, TPoint p1, int z0, int z1) override {
        Log("Ribbon", {p0.X, p0.Y, p1.X, p1.Y, z0, z1});
    }
    void FillPlaneAtX(int x, int top, int bottom, int z0, int z1) override {
        Log("AtX", {x, top, bottom, z0, z1});
    }
    void FillPlaneAtY(int left, int y, int right, int z0, int z1) override {
        Log("AtY", {left, y, right, z0, z1});
    }
    void FillQuadAtZ(TPoint a, TPoint b, TPoint c, TPoint d, int z) override {
        Log("Quad", {a.X, a.Y, b.X, b.Y, c.X, c.Y, d.X, d.Y, z});
    }
    void Log(const char* op, std::initializer_list<int> args) {
        std::ostringstream s;
        s << op;
        for (int a : args) s << ' ' << a;
        Entries.push_back(s.str());
        Brushes.push_back(Brush()->Color());
    }
    std::vector<std::string> Entries;
    std::vector<TColor> Brushes;
};

// A chart that gives its series depth, as the chart component does.
class TDepthChart : public TTestChart {
public:
    using TTestChart::TTestChart;
    void AdjustChartRectFor3D() override { CalcDepthSizes(); }
};

class LineSeries3DTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterTestChartClasses();
        auto canvas = std::make_unique<TPlaneRecorder>();
        Canvas = canvas.get();
        Chart->ReplaceCanvas(std::move(canvas));
        Chart->SetBounds(0, 0, 400, 300);
        Chart->SetView3D(true);
        Chart->BottomAxis()->SetLimits(0, 2);
        Chart->LeftAxis()->SetLimits(0, 40);
    }
    template <class T>
    T* Add(std::initializer_list<double> ys) {
        auto* s = new T(&Form);
        Chart->AddSeries(s);
        s->SetSeriesColor(clBlue);
        double x = 0;
        for (double y : ys) s->AddXYPoint(x++, y);
        return s;
    }
    void DrawAlone(TChartSeries& s) {
        TBitmap target(400, 300);
        target.SetPixelFormat(pf24bit);
        Chart->Draw(target.Canvas(), TRect{0, 0, 400, 300});
        Canvas->Entries.clear();
        Canvas->Brushes.clear();
        s.ComputeVisibleRange();
        s.DrawAllValues();
    }
    static std::string Join(std::initializer_list<int> v) {
        std::ostringstream s;
        for (int a : v) s << ' ' << a;
        return s.str();
    }

    TComponent Form{nullptr};
    TDepthChart* Chart = new TDepthChart(&Form);
    TPlaneRecorder* Canvas = nullptr;
};

TEST_F(LineSeries3DTest, ARibbonPerSegmentBetweenTheSeriesDepths) {
    auto* s = Add<TLineSeries>({10, 10, 10});
    DrawAlone(*s);
    const int f = s->FrontDepth, b = s->BackDepth;
    auto x = [&](int i) { return s->PointXPixel(i); };
    const int y = s->PointYPixel(0);
    EXPECT_EQ(Canvas->Entries,
              (std::vector<std::string>{"Ribbon" + Join({x(0), y, x(1), y, f, b}),
                                        "Ribbon" + Join({x(1), y, x(2), y, f, b})}));
    EXPECT_LT(f, b);
}

TEST_F(LineSeries3DTest, StairPlanesWithTheRisingOneDarker) {
    auto* s = Add<TLineSeries>({10, 30});
    s->SetStairs(true);
    DrawAlone(*s);
    const int f = s->FrontDepth, b = s->BackDepth;
    const int x0 = s->PointXPixel(0), x1 = s->PointXPixel(1);
    const int y0 = s->PointYPixel(0), y1 = s->PointYPixel(1);
    EXPECT_EQ(Canvas->Entries, (std::vector<std::string>{"AtY" + Join({x0, y0, x1, f, b}),
                                                         "AtX" + Join({x1, y0, y1, f, b})}));
    EXPECT_EQ(Canvas->Brushes, (std::vector<TColor>{clBlue, DarkenColor(clBlue, 64)}));
    s->SetInvertedStairs(true);
    DrawAlone(*s);
    EXPECT_EQ(Canvas->Entries, (std::vector<std::string>{"AtX" + Join({x0, y0, y1, f, b}),
                                                         "AtY" + Join({x0, y1, x1, f, b})}));
}

TEST_F(LineSeries3DTest, SteepRisingSegmentsAreDarkened) {
    auto* s = Add<TLineSeries>({0, 40, 40});
    DrawAlone(*s);
    ASSERT_EQ(Canvas->Brushes.size(), 2u);
    EXPECT_EQ(Canvas->Brushes[0], DarkenColor(clBlue, 64));
    EXPECT_EQ(Canvas->Brushes[1], clBlue);
}

TEST_F(LineSeries3DTest, LineHeightBandBelowTheLineClosedAtTheEnd) {
    auto* s = Add<TLineSeries>({10, 10});
    s->SetLineHeight(5);
    DrawAlone(*s);
    const int f = s->FrontDepth, b = s->BackDepth;
    const int x0 = s->PointXPixel(0), x1 = s->PointXPixel(1), y = s->PointYPixel(0);
    EXPECT_EQ(Canvas->Entries,
              (std::vector<std::string>{"Quad" + Join({x1, y, x0, y, x0, y + 5, x1, y + 5, f}),
                                        "AtX" + Join({x1, y, y + 5, f, b}),
                                        "Ribbon" + Join({x0, y, x1, y, f, b})}));
    int top = 0, bottom = 0;
    s->VerticalMarginsNeeded(top, bottom);
    EXPECT_EQ(bottom, 5);
}

TEST_F(LineSeries3DTest, AreaClosesItsSideAtTheLastPoint) {
    auto* s = Add<TAreaSeries>({10, 20});
    DrawAlone(*s);
    const int f = s->FrontDepth, b = s->BackDepth;
    const int x1 = s->PointXPixel(1), y1 = s->PointYPixel(1);
    const int bottom = Chart->LeftAxis()->EndPos();
    ASSERT_EQ(Canvas->Entries.size(), 2u);
    EXPECT_EQ(Canvas->Entries[0].substr(0, 6), "Ribbon");
    EXPECT_EQ(Canvas->Entries[1], "AtX" + Join({x1, y1, bottom, f, b}));
    EXPECT_EQ(Canvas->Brushes[1], DarkenColor(clBlue, 64));
}

}  // namespace
