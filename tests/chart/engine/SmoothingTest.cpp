// The B-spline's curve (through its points, its ends, its corners) and the smoothing function
// that fills a series with it.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "ChartStubs.h"
#include "chart/engine/BSpline.h"
#include "chart/engine/SeriesTypes.h"
#include "chart/engine/SmoothingFunction.h"
#include "chart/engine/grid3d/Point3DSeries.h"
#include "platform/rtl/Exceptions.h"

namespace {

// Uneven x steps and a wavy y, so that no curve meets the points by accident.
std::vector<T2DPoint> Wavy(int n) {
    std::vector<T2DPoint> points;
    double x = 0;
    for (int i = 0; i < n; ++i) {
        x += 0.5 + (i % 3) * 0.7;
        points.push_back({x, std::sin(1.3 * i) * 10 + i});
    }
    return points;
}

void Fill(TBSpline& spline, const std::vector<T2DPoint>& points) {
    for (const T2DPoint& p : points) spline.AppendControlPoint(p.X, p.Y);
}

// Whether c lies on the line through a and b (within rounding).
double OffLine(T2DPoint a, T2DPoint b, T2DPoint c) {
    return std::abs((b.X - a.X) * (c.Y - a.Y) - (b.Y - a.Y) * (c.X - a.X));
}

TEST(BSplineTest, InterpolatingCurvePassesThroughEveryPoint) {
    for (int n : {3, 4, 12, 50}) {
        SCOPED_TRACE(std::to_string(n) + " points");
        const std::vector<T2DPoint> points = Wavy(n);
        TBSpline spline;
        Fill(spline, points);
        spline.SetInterpolate(true);
        ASSERT_EQ(spline.VertexCount(), n);
        // Point i sits at the curve position of vertex i.
        for (int i = 0; i < n; ++i) {
            const T2DPoint p = spline.CurvePoint(double(i) / (n - 1));
            EXPECT_NEAR(p.X, points[size_t(i)].X, 1e-9) << "point " << i;
            EXPECT_NEAR(p.Y, points[size_t(i)].Y, 1e-9) << "point " << i;
        }
        // Between the points it is a curve, not the polyline.
        const T2DPoint mid = spline.CurvePoint(0.5 / (n - 1));
        EXPECT_GT(OffLine(points[0], points[1], mid), 1e-6);
    }
}

TEST(BSplineTest, EndsAreExactlyTheFirstAndLastPoints) {
    const std::vector<T2DPoint> points = Wavy(7);
    for (bool interpolate : {false, true}) {
        TBSpline spline;
        Fill(spline, points);
        spline.SetInterpolate(interpolate);
        const T2DPoint first = spline.CurvePoint(0), last = spline.CurvePoint(1);
        EXPECT_EQ(first.X, points.front().X);
        EXPECT_EQ(first.Y, points.front().Y);
        EXPECT_EQ(last.X, points.back().X);
        EXPECT_EQ(last.Y, points.back().Y);
        // Just inside the end the curve is read from the last vertices, phantom included.
        const T2DPoint nearEnd = spline.CurvePoint(1 - 1e-12);
        EXPECT_NEAR(nearEnd.X, points.back().X, 1e-9);
        EXPECT_NEAR(nearEnd.Y, points.back().Y, 1e-9);
    }
}

TEST(BSplineTest, FewPoints) {
    TBSpline spline;
    EXPECT_EQ(spline.CurvePoint(0.5).X, 0);
    EXPECT_EQ(spline.VertexCount(), 0);
    // One point: the curve is that point, not the origin.
    spline.AppendControlPoint(3, -2);
    for (double t : {0.0, 0.3, 1.0}) {
        EXPECT_EQ(spline.CurvePoint(t).X, 3);
        EXPECT_EQ(spline.CurvePoint(t).Y, -2);
    }
    EXPECT_EQ(spline.VertexCount(), 0);
    // Two points, approximating: the straight segment, evenly.
    spline.AppendControlPoint(7, 6);
    for (double t : {0.1, 0.25, 0.5, 0.9}) {
        const T2DPoint p = spline.CurvePoint(t);
        EXPECT_NEAR(p.X, 3 + 4 * t, 1e-12);
        EXPECT_NEAR(p.Y, -2 + 8 * t, 1e-12);
    }
}

TEST(BSplineTest, KnuckleGivesACornerAtItsPoint) {
    const T2DPoint a{0, 0}, corner{4, 4}, c{8, 0};
    for (bool interpolate : {false, true}) {
        SCOPED_TRACE(interpolate ? "interpolating" : "approximating");
        TBSpline spline;
        Fill(spline, {a, corner, c});
        spline.MarkKnuckle(2, true);
        spline.SetInterpolate(interpolate);
        EXPECT_TRUE(spline.IsKnuckle(2));
        ASSERT_EQ(spline.VertexCount(), 5);  // the knuckle is three vertices
        const T2DPoint at = spline.CurvePoint(0.5);
        EXPECT_NEAR(at.X, corner.X, 1e-12);
        EXPECT_NEAR(at.Y, corner.Y, 1e-12);
        // Straight into the corner and straight out of it.
        for (double t : {0.3, 0.45, 0.49})
            EXPECT_LT(OffLine(a, corner, spline.CurvePoint(t)), 1e-9);
        for (double t : {0.51, 0.55, 0.7})
            EXPECT_LT(OffLine(corner, c, spline.CurvePoint(t)), 1e-9);
    }
}

TEST(BSplineTest, KnuckleMarksByPointNumber) {
    TBSpline spline;
    Fill(spline, Wavy(5));
    ASSERT_EQ(spline.Capacity(), 5);
    // The first and last points are never knuckles; the last one's mark is still kept.
    spline.MarkKnuckle(1, true);
    spline.MarkKnuckle(5, true);
    spline.MarkKnuckle(3, true);
    EXPECT_FALSE(spline.IsKnuckle(1));
    EXPECT_FALSE(spline.IsKnuckle(5));
    EXPECT_TRUE(spline.IsKnuckle(3));
    EXPECT_EQ(spline.VertexCount(), 7);
    EXPECT_THROW(spline.MarkKnuckle(6, true), ERangeError);
    EXPECT_THROW(spline.MarkKnuckle(0, true), ERangeError);
    // The growth at the sixth point clears every mark; point 5 is then an inner point.
    spline.AppendControlPoint(20, 1);
    EXPECT_EQ(spline.Capacity(), 10);
    EXPECT_FALSE(spline.IsKnuckle(3));
    EXPECT_FALSE(spline.IsKnuckle(5));
    EXPECT_EQ(spline.VertexCount(), 6);
}

TEST(BSplineTest, OptionsAndClear) {
    TBSpline spline;
    EXPECT_FALSE(spline.Interpolate());
    EXPECT_EQ(spline.SegmentCount(), 100);
    spline.SetSegmentCount(1000);
    EXPECT_EQ(spline.SegmentCount(), 600);
    Fill(spline, Wavy(4));
    EXPECT_EQ(spline.VertexCount(), 4);
    EXPECT_TRUE(spline.Built());
    spline.SetInterpolate(true);
    EXPECT_FALSE(spline.Built());
    spline.MarkKnuckle(2, true);
    spline.Clear();
    EXPECT_EQ(spline.PointCount(), 0);
    EXPECT_EQ(spline.Capacity(), 0);
    EXPECT_FALSE(spline.Interpolate());
    EXPECT_EQ(spline.SegmentCount(), 100);
    EXPECT_EQ(spline.VertexCount(), 0);
    spline.AppendControlPoint(1, 2);
    EXPECT_EQ(spline.ControlPoint(1).Y, 2);
    EXPECT_THROW(spline.ControlPoint(2), ERangeError);
    // The mark made before Clear went with the growth of the new points.
    Fill(spline, Wavy(2));
    EXPECT_FALSE(spline.IsKnuckle(2));
    EXPECT_EQ(spline.VertexCount(), 3);
}

// A source in a chart and a series smoothed from it.
struct TSmoothScene {
    TComponent Form{nullptr};
    TTestChart* Chart = new TTestChart(&Form);
    TTestSeries* Source = new TTestSeries(&Form);
    TTestSeries* Result = new TTestSeries(&Form);
    TSmoothingFunction* Function = new TSmoothingFunction(&Form);
    TSmoothScene() {
        RegisterTestChartClasses();
        Chart->AddSeries(Source);
        Chart->AddSeries(Result);
        Result->SetFunction(Function);
    }
    void Smooth(const std::vector<T2DPoint>& points) {
        for (const T2DPoint& p : points) Source->AddXYPoint(p.X, p.Y);
        Result->SetDataSource(Source);
    }
    T2DPoint Point(int i) const { return {Result->XValues()[i], Result->YValues()[i]}; }
};

TEST(SmoothingFunctionTest, FillsSegmentsPlusOnePointsThroughTheSource) {
    TSmoothScene scene;
    EXPECT_TRUE(scene.Function->Interpolate());
    EXPECT_EQ(scene.Function->Factor(), 4);
    EXPECT_EQ(scene.Function->Period(), 1);
    EXPECT_TRUE(scene.Function->SingleSource);
    const std::vector<T2DPoint> points = Wavy(6);
    scene.Smooth(points);
    // 6 points x 4 = 24 segments, 25 points from the first source point to the last.
    ASSERT_EQ(scene.Result->Count(), 25);
    EXPECT_EQ(scene.Result->XValues().Order(), loAscending);
    EXPECT_EQ(scene.Result->YValues().Order(), loNone);
    EXPECT_EQ(scene.Point(0).X, points.front().X);
    EXPECT_EQ(scene.Point(24).Y, points.back().Y);
    scene.Function->SetFactor(5);  // 30 segments: every 6th lands on a source point
    ASSERT_EQ(scene.Result->Count(), 31);
    for (int i = 0; i < 6; ++i) {
        EXPECT_NEAR(scene.Point(6 * i).X, points[size_t(i)].X, 1e-9) << i;
        EXPECT_NEAR(scene.Point(6 * i).Y, points[size_t(i)].Y, 1e-9) << i;
    }
    // A factor below 1 is 1; approximating no longer meets the inner points.
    scene.Function->SetFactor(0);
    EXPECT_EQ(scene.Function->Factor(), 1);
    EXPECT_EQ(scene.Result->Count(), 7);
    scene.Function->SetInterpolate(false);
    EXPECT_EQ(scene.Result->Count(), 7);
    EXPECT_GT(std::abs(scene.Point(1).Y - points[1].Y), 1e-3);
}

TEST(SmoothingFunctionTest, SegmentCountIsCappedAt600) {
    TSmoothScene scene;
    scene.Smooth(Wavy(200));
    EXPECT_EQ(scene.Result->Count(), 601);
}

TEST(SmoothingFunctionTest, OnePointAndNoPoint) {
    TSmoothScene scene;
    scene.Smooth({{2.5, 7}});
    ASSERT_EQ(scene.Result->Count(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(scene.Point(i).X, 2.5);
        EXPECT_EQ(scene.Point(i).Y, 7);
    }
    scene.Source->Clear();
    scene.Result->RefreshFromSource();
    EXPECT_EQ(scene.Result->Count(), 0);
}

// A large source is solved in linear time and memory: 10,001 points interpolated (a full
// matrix would need 800 MB), sampled into 600 segments of which every third lands on a point.
TEST(SmoothingFunctionTest, LargeSourceIsInterpolatedWithoutAFullMatrix) {
    TSmoothScene scene;
    const std::vector<T2DPoint> points = Wavy(10001);
    scene.Smooth(points);
    ASSERT_EQ(scene.Result->Count(), 601);
    for (int k = 0; k <= 600; k += 3) {
        const size_t i = size_t(k) * 10000 / 600;
        EXPECT_NEAR(scene.Point(k).X, points[i].X, 1e-9) << k;
        EXPECT_NEAR(scene.Point(k).Y, points[i].Y, 1e-9) << k;
    }
}

// The parent's orders and visible range follow how it lies against the source: the same way,
// points in position order and the axis range's part drawn; crosswise, points in curve order and
// all considered. A parent with depth values keeps its own.
TEST(SmoothingFunctionTest, TheParentsOrdersFollowHowItLiesAgainstTheSource) {
    TSmoothScene scene;
    for (int i = 0; i < 4; ++i) scene.Source->AddXYPoint(i, i * i);
    const struct {
        const char* Name;
        TChartSeries* Parent;
        TChartListOrder X, Y;
        bool Clips;
    } cases[] = {
        {"same way", new TTestSeries(&scene.Form), loAscending, loNone, true},
        {"crosswise", new TTestHorizSeries(&scene.Form), loAscending, loNone, false},
        {"with depth", new TPoint3DSeries(&scene.Form), loNone, loNone, false},
    };
    for (const auto& c : cases) {
        scene.Chart->AddSeries(c.Parent);
        // The opposite of what the smoothing should leave.
        c.Parent->ClipsToAxisRange = !c.Clips;
        if (c.Parent->HasOwnDepth) c.Parent->ClipsToAxisRange = c.Clips;
        c.Parent->SetFunction(new TSmoothingFunction(&scene.Form));
        c.Parent->SetDataSource(scene.Source);
        EXPECT_EQ(c.Parent->Count(), 17) << c.Name;
        EXPECT_EQ(c.Parent->XValues().Order(), c.X) << c.Name;
        EXPECT_EQ(c.Parent->YValues().Order(), c.Y) << c.Name;
        EXPECT_EQ(c.Parent->ClipsToAxisRange, c.Clips) << c.Name;
    }
}

TEST(SmoothingFunctionTest, RegisteredOnTheExtendedPage) {
    LoadCoreTexts();
    LoadExtendedTexts();
    SmoothingFunctionUnitStartup();
    SmoothingFunctionUnitStartup();
    auto entries = [] {
        std::vector<TTeeSeriesType*> found;
        for (int i = 0; i < SeriesTypeList().Count(); ++i)
            if (SeriesTypeList()[i]->FunctionClassRef == &TSmoothingFunction::StaticClass())
                found.push_back(SeriesTypeList()[i]);
        return found;
    };
    ASSERT_EQ(entries().size(), 1u);
    EXPECT_EQ(*entries()[0]->DescriptionText, "Smoothing");
    EXPECT_EQ(*entries()[0]->PageText, "Extended");
    EXPECT_EQ(entries()[0]->SampleSeriesCount, 1);
    EXPECT_EQ(FindClass("TSmoothingFunction"), &TSmoothingFunction::StaticClass());
    EXPECT_EQ(TSmoothingFunction(nullptr).EditorClassName(), "TSmoothFuncEditor");
    SmoothingFunctionUnitShutdown();
    EXPECT_EQ(entries().size(), 1u);
    SmoothingFunctionUnitShutdown();
    EXPECT_TRUE(entries().empty());
}

}  // namespace
