// The circled base and the pie: the circle's rectangle and rotation, angles and points, the 3-D
// view a pie imposes, the slice angles (zero totals too), the "other" slice, several pies in a
// grid, exploded slices, the far-side-first order in 3-D, clicks, legend and gallery.
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "SeriesDrawFixture.h"
#include "chart/engine/Callout.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartLegend.h"
#include "chart/engine/ChartWalls.h"
#include "chart/engine/PieSeries.h"
#include "chart/engine/SeriesMarkPositions.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/TeeShadow.h"
#include "chart/foundation/View3DOptions.h"
#include "platform/rtl/Streams.h"

namespace {

constexpr double Pi = std::numbers::pi;

class PieSeriesTest : public SeriesDrawFixture {
protected:
    TPieSeries* NewPie(std::vector<double> values) {
        auto* p = new TPieSeries(&Form);
        Chart->AddSeries(p);
        p->Marks()->SetVisible(false);
        p->Shadow()->SetVisible(false);
        for (double v : values) p->AddValue(v);
        return p;
    }
    std::vector<double> Ends(TPieSeries& p) {
        std::vector<double> out;
        for (const auto& a : p.Angles()) out.push_back(a.End);
        return out;
    }
};

// --- The circled base.

TEST_F(PieSeriesTest, RotationKeepsTheRemainderOf360) {
    TPieSeries* p = NewPie({});
    p->SetRotationAngle(370);
    EXPECT_EQ(p->RotationAngle(), 10);
    p->SetRotationAngle(-30);
    EXPECT_EQ(p->RotationAngle(), -30);
    EXPECT_NEAR(p->RotationRadians(), -Pi / 6, 1e-15);
}

TEST_F(PieSeriesTest, PointsAndAnglesConvert) {
    TPieSeries* p = NewPie({});
    p->CircleXCenter = 100;
    p->CircleYCenter = 50;
    p->XRadius = 40;
    p->YRadius = 20;
    struct {
        int x, y;
        double angle;
    } cases[] = {{100, 80, 3 * Pi / 2}, {100, 10, Pi / 2}, {140, 50, 0}, {60, 50, Pi}};
    for (const auto& c : cases)
        EXPECT_NEAR(p->PointToAngle(c.x, c.y), c.angle, 1e-12) << c.x << "," << c.y;
    int x, y;
    p->AngleToPoint(Pi / 2, 40, 20, x, y);
    EXPECT_EQ(TPoint(x, y), TPoint(100, 30));
    // The rotation turns both ways of the conversion.
    p->SetRotationAngle(90);
    p->AngleToPoint(0, 40, 20, x, y);
    EXPECT_EQ(TPoint(x, y), TPoint(100, 30));
    EXPECT_NEAR(p->PointToAngle(100, 30), 0, 1e-12);
}

TEST_F(PieSeriesTest, CircleRectangleIsNormalised) {
    TPieSeries* p = NewPie({});
    p->CircleRect = TRect{0, 0, 101, 50};
    p->NormalizeCircle();
    EXPECT_EQ(p->CircleRect, (TRect{0, 0, 100, 50}));
    EXPECT_EQ(p->CircleXCenter, 50);
    EXPECT_EQ(p->CircleYCenter, 25);
    p->CircleRect = TRect{10, 10, 13, 13};
    p->NormalizeCircle();
    EXPECT_EQ(p->CircleRect, (TRect{10, 10, 14, 14}));
}

TEST_F(PieSeriesTest, CircledKeepsThePieRoundAndIsShared) {
    TPieSeries* a = NewPie({1, 2});
    TPieSeries* b = NewPie({3});
    a->SetCustomXRadius(30);
    EXPECT_EQ(b->CustomXRadius(), 30);
    a->SetCircled(true);
    EXPECT_TRUE(b->Circled());
    EXPECT_EQ(b->CustomXRadius(), 0) << "Circled resets the custom radii";
    Draw();
    EXPECT_NEAR(a->XRadius, a->YRadius, 1);
}

TEST_F(PieSeriesTest, APieImposesItsViewAndGivesItBack) {
    TView3DOptions& view = *Chart->View3DOptions();
    view.SetOrthogonal(true);
    view.SetElevation(345);
    TPieSeries* p = NewPie({1});
    EXPECT_FALSE(view.Orthogonal());
    EXPECT_EQ(view.Elevation(), 315);
    EXPECT_EQ(view.Rotation(), 360);
    p->SetActive(false);
    EXPECT_TRUE(view.Orthogonal());
    EXPECT_EQ(view.Elevation(), 345);
    p->SetActive(true);
    EXPECT_EQ(view.Elevation(), 315);
    p->SetParentChart(nullptr);
    EXPECT_TRUE(view.Orthogonal());
    EXPECT_EQ(view.Elevation(), 345);
}

TEST_F(PieSeriesTest, BackgroundIsTheCircleColourElseAnOpaqueBackWallElseTheChart) {
    auto* chart = new TChart(&Form);
    chart->SetColor(clYellow);
    auto* p = new TPieSeries(&Form);
    chart->AddSeries(p);
    chart->BackWall()->SetTransparent(false);
    chart->BackWall()->SetColor(clAqua);
    EXPECT_EQ(p->EffectiveBackColor(), clAqua);
    chart->BackWall()->SetTransparent(true);
    EXPECT_EQ(p->EffectiveBackColor(), clYellow);
    p->SetCircleBackColor(clRed);
    EXPECT_EQ(p->EffectiveBackColor(), clRed);
    EXPECT_TRUE(p->HasCircleBackColor());
}

// --- Angles and the other slice.

TEST_F(PieSeriesTest, SlicesShareTheAngleByAbsoluteValue) {
    TPieSeries* p = NewPie({1, -1, 2});
    Draw();
    const std::vector<double> ends = Ends(*p);
    ASSERT_EQ(ends.size(), 3u);
    EXPECT_NEAR(ends[0], Pi / 2, 1e-12);
    EXPECT_NEAR(ends[1], Pi, 1e-12);
    EXPECT_EQ(ends[2], 2 * Pi);
    EXPECT_NEAR(p->Angles()[1].Middle, 3 * Pi / 4, 1e-12);
    p->SetAngleSize(180);
    Draw();
    EXPECT_EQ(Ends(*p).back(), Pi);
}

TEST_F(PieSeriesTest, WithAZeroTotalTheFirstSliceIsTheWholePie) {
    TPieSeries* p = NewPie({0, 0, 0});
    Draw();
    const auto& a = p->Angles();
    ASSERT_EQ(a.size(), 3u);
    EXPECT_EQ(a[0].Start, 0);
    EXPECT_EQ(a[0].End, 2 * Pi);
    EXPECT_EQ(a[1].Start, a[1].End);
    EXPECT_EQ(a[2].Start, a[2].End);
}

TEST_F(PieSeriesTest, SmallValuesGatherIntoTheOtherSlice) {
    TPieSeries* p = NewPie({50, 30, 15, 3, 2});
    p->OtherSlice()->SetStyle(poBelowPercent);
    p->OtherSlice()->SetValue(5);
    Draw();
    ASSERT_EQ(p->Count(), 6);
    EXPECT_EQ(p->OtherSliceIndex(), 5);
    EXPECT_EQ(p->YValues()[5], 5);
    EXPECT_EQ(p->PointLabel(5), "Other");
    EXPECT_TRUE(p->IsGrouped(3));
    EXPECT_TRUE(p->IsGrouped(4));
    EXPECT_FALSE(p->IsGrouped(2));
    // Percentages still refer to the 100 of the values given.
    EXPECT_EQ(p->PercentText(0, false), "50 %");
    EXPECT_EQ(p->PercentText(5, false), "5 %");
    const auto& a = p->Angles();
    EXPECT_EQ(a[3].Start, a[3].End) << "a grouped point has no slice";
    EXPECT_NEAR(a[5].End - a[5].Start, 0.05 * 2 * Pi, 1e-12);
    // The main legend lists the others, the other slice's own legend the grouped points.
    EXPECT_EQ(p->CountLegendItems(), 4);
    EXPECT_EQ(p->LegendToValueIndex(3), 5);
    p->DrawingOtherLegend = true;
    EXPECT_EQ(p->CountLegendItems(), 2);
    EXPECT_EQ(p->LegendToValueIndex(1), 4);
    p->DrawingOtherLegend = false;
    // A second drawing makes the slice anew, not a second one.
    Draw();
    EXPECT_EQ(p->Count(), 6);
    // The stored points never hold it.
    TMemoryStream stream;
    p->WriteDataStream(stream);
    EXPECT_EQ(p->Count(), 5);
    EXPECT_EQ(p->OtherSliceIndex(), -1);
}

TEST_F(PieSeriesTest, OtherSliceTextAndLegend) {
    TPieSeries* p = NewPie({});
    EXPECT_EQ(p->OtherSlice()->Text(), "Other");
    p->OtherSlice()->SetText("Rest");
    EXPECT_EQ(p->OtherSlice()->Text(), "Rest");
    TChartLegend* legend = p->OtherSlice()->Legend();
    EXPECT_FALSE(legend->Visible());
    EXPECT_EQ(legend->Series(), p);
    p->OtherSlice()->SetLegend(nullptr);
    EXPECT_EQ(p->OtherSlice()->LegendIfAny(), nullptr);
}

// --- Several pies, exploded slices, order, clicks.

TEST_F(PieSeriesTest, SeveralPiesShareTheChartInAGrid) {
    struct {
        int pies, columns, rows;
    } cases[] = {{4, 2, 2}, {5, 2, 3}, {2, 1, 2}};
    for (const auto& c : cases) {
        Chart->FreeSeriesOfClass(nullptr);
        std::vector<TPieSeries*> pies;
        for (int k = 0; k < c.pies; ++k) pies.push_back(NewPie({1, 2}));
        Draw();
        const TRect chart = Chart->ChartRect();
        const int w = (chart.Right - chart.Left) / c.columns;
        const int h = (chart.Bottom - chart.Top) / c.rows;
        for (int k = 0; k < c.pies; ++k) {
            const int column = (pies[k]->CircleXCenter - chart.Left) / w;
            const int row = (pies[k]->CircleYCenter - chart.Top) / h;
            EXPECT_EQ(column, k % c.columns) << c.pies << " pies, pie " << k;
            EXPECT_EQ(row, k / c.columns) << c.pies << " pies, pie " << k;
            EXPECT_LE(pies[k]->CircleWidth, w);
        }
    }
}

TEST_F(PieSeriesTest, TheBiggestSliceMovesOutAndTheCircleMakesRoom) {
    TPieSeries* p = NewPie({1, 3, 1, 1});
    Draw();
    const int radius = p->XRadius;
    p->SetExplodeBiggest(30);
    Draw();
    EXPECT_EQ(p->ExplodedSlice().Value(1), 30);
    EXPECT_LT(p->XRadius, radius);
    int dx, dy;
    p->ExplodeOffset(1, dx, dy);
    const double middle = p->Angles()[1].Middle;
    EXPECT_EQ(dx, int(std::nearbyint(std::cos(middle) * p->XRadius * 0.3)));
    EXPECT_EQ(dy, int(std::nearbyint(std::sin(middle) * p->YRadius * 0.3)));
    p->ExplodeOffset(0, dx, dy);
    EXPECT_EQ(TPoint(dx, dy), TPoint(0, 0));
}

TEST_F(PieSeriesTest, AThinSliceIsNotDrawnUnlessItIsTheOnlyOne) {
    TPieSeries* p = NewPie({100000, 1});
    Draw();
    int pies = 0;
    for (const TCanvas3DCall& c : Canvas->Calls()) pies += c.Op == "Pie";
    EXPECT_EQ(pies, 1);
    p->Delete(1);
    Draw();
    pies = 0;
    for (const TCanvas3DCall& c : Canvas->Calls()) pies += c.Op == "Pie";
    EXPECT_EQ(pies, 1);
}

TEST_F(PieSeriesTest, ClicksFindTheSliceUnderThem) {
    TPieSeries* p = NewPie({1, 1, 1, 1});
    Draw();
    // The four quarters from 0 counter-clockwise: upper right, upper left, lower left, lower
    // right.
    const int cx = p->CircleXCenter, cy = p->CircleYCenter, r = p->YRadius / 2;
    struct {
        int x, y, index;
    } cases[] = {{cx + r, cy - r, 0},
                 {cx - r, cy - r, 1},
                 {cx - r, cy + r, 2},
                 {cx + r, cy + r, 3},
                 {cx + 3 * p->XRadius, cy, -1}};
    for (const auto& c : cases) EXPECT_EQ(p->ValueIndexAt(c.x, c.y), c.index) << c.x << "," << c.y;
}

TEST_F(PieSeriesTest, In3DTheFarSideIsDrawnFirst) {
    struct TSlices : TRecordingCanvas3D {
        void DrawPieSlice3D(int, int, int, int, int, int, double start, double, bool, bool, int,
                            const TCustomTeeGradient*) override {
            Starts.push_back(start);
        }
        std::vector<double> Starts;
    };
    auto canvas = std::make_unique<TSlices>();
    TSlices* slices = canvas.get();
    Chart->ReplaceCanvas(std::move(canvas));
    Canvas = slices;
    Canvas->SetBufferedDisplay(false);
    Chart->SetView3D(true);
    TPieSeries* p = NewPie({1, 1, 1, 1});
    p->SetAngleSize(180);  // a half pie: drawn in order of depth
    Draw();
    // Quarters of the half pie; the far side is at a quarter of the size (45 degrees): the slices
    // go by the distance of their middles from it, the farthest last.
    ASSERT_EQ(slices->Starts.size(), 4u);
    double last = 0;
    for (double start : slices->Starts) {
        const double distance = std::fabs(start + Pi / 8 - Pi / 4);
        EXPECT_GE(distance, last - 1e-12);
        last = distance;
    }
    EXPECT_NEAR(slices->Starts.back(), 3 * Pi / 4, 1e-12);
}

TEST_F(PieSeriesTest, MarksSitOutsideTheSliceWithAnOptionalLeg) {
    TPieSeries* p = NewPie({1, 1, 1, 1});
    p->Marks()->SetVisible(true);
    p->SetAutoMarkPosition(false);
    p->PieMarks()->SetLegSize(10);
    struct {
        int length;
        bool legInward;  // the leg fits between the callout's start and end
    } cases[] = {{40, true}, {8, false}};
    for (const auto& c : cases) {
        p->Marks()->Callout()->SetLength(c.length);
        Draw();
        const TSeriesMarkPosition* m = p->Marks()->Positions().Position(0);  // upper right
        ASSERT_NE(m, nullptr);
        int ex, ey, sx, sy;
        p->AngleToPoint(Pi / 4, p->XRadius + c.length, p->YRadius + c.length, ex, ey);
        p->AngleToPoint(Pi / 4, p->XRadius, p->YRadius, sx, sy);
        EXPECT_EQ(m->ArrowFrom, TPoint(sx, sy)) << c.length;
        EXPECT_TRUE(m->HasMid);
        if (c.legInward) {
            EXPECT_EQ(m->MidPoint, TPoint(ex - 10, ey));
            EXPECT_EQ(m->ArrowTo, TPoint(ex, ey));
            EXPECT_EQ(m->LeftTop, TPoint(ex, ey - m->Height));
        } else {
            EXPECT_EQ(m->MidPoint, TPoint(sx, ey));
            EXPECT_EQ(m->ArrowTo, TPoint(ex + 10, ey));
            EXPECT_EQ(m->LeftTop, TPoint(ex + 10, ey - m->Height));
        }
    }
    // A mark on the lower left hangs to the left of and below its callout's end.
    const TSeriesMarkPosition* m = p->Marks()->Positions().Position(2);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->LeftTop.Y, m->ArrowTo.Y);
    EXPECT_GT(m->MidPoint.X, m->LeftTop.X + m->Width - 1);
}

// --- Gallery.

TEST_F(PieSeriesTest, GalleryLooksAndSamples) {
    TPieSeries* p = NewPie({});
    std::vector<std::string> names;
    p->ListGalleryVariants([&](const std::string& n) { names.push_back(n); });
    EXPECT_EQ(names, (std::vector<std::string>{"Normal", "Patterns", "Exploded", "Shadow", "Marks",
                                               "Semi Pie", "No Border", "Dark Border"}));
    p->FillSampleValues(10);
    ASSERT_EQ(p->Count(), 10);
    EXPECT_EQ(p->PointLabel(0), "Cars");
    EXPECT_EQ(p->PointLabel(7), "Chairs");
    EXPECT_EQ(p->PointLabel(8), "Cars");
    for (int i = 0; i < p->Count(); ++i) {
        EXPECT_GE(p->YValues()[i], 1);
        EXPECT_LE(p->YValues()[i], 1000);
    }
    p->ApplyGalleryVariant(p, 4);
    EXPECT_EQ(p->Count(), 2);
    EXPECT_EQ(p->PointLabel(1), "B");
    EXPECT_EQ(p->YValues()[1], 72);
    p->ApplyGalleryVariant(p, 5);
    EXPECT_EQ(p->AngleSize(), 180);
    EXPECT_EQ(TCustomChartElement::EditorClassNameOf(&TPieSeries::StaticClass()),
              "TPieSeriesEditor");
}

}  // namespace
