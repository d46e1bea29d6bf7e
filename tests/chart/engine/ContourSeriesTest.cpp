// Contour lines: where a level crosses a triangle and a cell (every sign case), segments joined
// and merged into lines, automatic and hand-made levels, a flat grid, the legend of levels, and
// clicks answering a level.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "ChartStubs.h"
#include "chart/engine/BasicFunctions.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/engine/SeriesTypes.h"
#include "chart/engine/grid3d/ContourSeries.h"
#include "chart/engine/grid3d/GridSeriesRegistration.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Streams.h"
#include "tests/chart/foundation/RecordingCanvas3D.h"

namespace {

using P = TContourPoint;

// The height from the level at a point of the triangle, by its linear interpolation.
double HeightAt(const std::array<P, 3>& p, const std::array<double, 3>& h, const P& q) {
    const double det =
        (p[1].X - p[0].X) * (p[2].Z - p[0].Z) - (p[2].X - p[0].X) * (p[1].Z - p[0].Z);
    const double a = ((p[1].X - q.X) * (p[2].Z - q.Z) - (p[2].X - q.X) * (p[1].Z - q.Z)) / det;
    const double b = ((p[2].X - q.X) * (p[0].Z - q.Z) - (p[0].X - q.X) * (p[2].Z - q.Z)) / det;
    return a * h[0] + b * h[1] + (1 - a - b) * h[2];
}

TEST(ContourTracing, EverySignCaseOfATriangle) {
    const std::array<P, 3> p{P{0, 0}, P{4, 2}, P{0, 4}};
    const double values[] = {-2, 0, 3};
    for (double h0 : values)
        for (double h1 : values)
            for (double h2 : values) {
                const std::array<double, 3> h{h0, h1, h2};
                SCOPED_TRACE(std::to_string(h0) + " " + std::to_string(h1) + " " +
                             std::to_string(h2));
                int above = 0, below = 0, zero = 0;
                for (double v : h) (v > 0 ? above : v < 0 ? below : zero)++;
                // A segment wherever the level really cuts the triangle or runs along a side
                // (a flat triangle gives its side from the last vertex to the first).
                const bool expected = (above > 0 && below > 0) || zero >= 2;
                TContourSegment s;
                ASSERT_EQ(TriangleLevelSegment(p, h, s), expected);
                if (!expected) continue;
                EXPECT_FALSE(s.A == s.B);
                EXPECT_NEAR(HeightAt(p, h, s.A), 0, 1e-12);
                EXPECT_NEAR(HeightAt(p, h, s.B), 0, 1e-12);
            }
    // By hand: the sides from (0, 0) at -2 to (0, 4) and to (4, 2), both at 3, are cut two
    // fifths along.
    TContourSegment s;
    ASSERT_TRUE(TriangleLevelSegment(p, {-2, 3, 3}, s));
    EXPECT_NEAR(s.A.X, 0, 1e-12);
    EXPECT_NEAR(s.A.Z, 1.6, 1e-12);
    EXPECT_NEAR(s.B.X, 1.6, 1e-12);
    EXPECT_NEAR(s.B.Z, 0.8, 1e-12);
}

TEST(ContourTracing, ALevelEqualToCornersRunsThroughThem) {
    // Corners 1 and 3 at the level; the centre (mean height 1) too.
    const std::array<P, 4> corners{P{0, 0}, P{1, 0}, P{1, 1}, P{0, 1}};
    std::array<TContourSegment, 4> found;
    const int n = CellLevelSegments(corners, {0, 1, 2, 1}, 1, found);
    ASSERT_GT(n, 0);
    std::vector<P> ends;
    for (int i = 0; i < n; ++i) {
        ends.push_back(found[size_t(i)].A);
        ends.push_back(found[size_t(i)].B);
    }
    auto has = [&](P q) { return std::find(ends.begin(), ends.end(), q) != ends.end(); };
    EXPECT_TRUE(has(P{1, 0}));
    EXPECT_TRUE(has(P{0.5, 0.5}));
    EXPECT_TRUE(has(P{0, 1}));
    // A level through one corner only, the others above, touches a point: no segment.
    EXPECT_EQ(CellLevelSegments(corners, {0, 1, 2, 1}, 0, found), 0);
}

TEST(ContourTracing, SegmentsJoinAndLinesGrowingTogetherMerge) {
    TLevelSegments lines;
    AddLevelSegment(lines, {P{0, 0}, P{1, 0}});
    AddLevelSegment(lines, {P{3, 0}, P{2, 0}});
    ASSERT_EQ(lines.size(), 2u);
    // Within the coincidence tolerance, (1, 0) is met; the line then meets the other's end.
    AddLevelSegment(lines, {P{1.00001, 0}, P{2, 0}});
    ASSERT_EQ(lines.size(), 1u);
    const std::vector<P>& line = lines[0].Points;
    ASSERT_EQ(line.size(), 4u);
    EXPECT_EQ(line.front().X, 0);
    EXPECT_EQ(line[1].X, 1);
    EXPECT_EQ(line[2].X, 2);
    EXPECT_EQ(line.back().X, 3);
    // Segments meeting a line's first point go in front of it.
    AddLevelSegment(lines, {P{-1, 0}, P{0, 0}});
    EXPECT_EQ(lines[0].Points.front().X, -1);
    EXPECT_EQ(lines[0].Points.size(), 5u);
}

class ContourSeriesTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterTestChartClasses();
        auto canvas = std::make_unique<TRecordingCanvas3D>();
        Canvas = canvas.get();
        Chart->ReplaceCanvas(std::move(canvas));
        Chart->SetBounds(0, 0, 400, 300);
        Chart->SetView3D(false);
        Chart->AddSeries(Series);
    }
    // Heights rising with x: the lines of level v run along x = v.
    void Ramp(int numX, int numZ) {
        for (int z = 0; z < numZ; ++z)
            for (int x = 0; x < numX; ++x) Series->AddXYZValues(x, x, z);
    }
    void Draw() {
        TBitmap target(400, 300);
        target.SetPixelFormat(pf24bit);
        Chart->Draw(target.Canvas(), TRect{0, 0, 400, 300});
    }

    TFormatSettingsGuard PinnedFormats{TFormatSettings{}};
    TComponent Form{nullptr};
    TTestChart* Chart = new TTestChart(&Form);
    TRecordingCanvas3D* Canvas = nullptr;
    TContourSeries* Series = new TContourSeries(&Form);
};

TEST_F(ContourSeriesTest, AutomaticLevelsSpreadOverTheHeights) {
    Ramp(10, 3);
    Series->PrepareForChartDraw();
    ASSERT_EQ(Series->Levels()->Count(), 10);
    for (int k = 0; k < 10; ++k) {
        EXPECT_EQ(Series->Levels()->GetLevel(k)->UpToValue(), k);
        // No point has a colour of its own: the chart's palette colour of the level.
        EXPECT_EQ(Series->Levels()->GetLevel(k)->ActualColor(), Chart->PaletteColor(k));
    }
    Series->SetNumLevels(4);
    Series->PrepareForChartDraw();
    ASSERT_EQ(Series->Levels()->Count(), 4);
    EXPECT_EQ(Series->Levels()->GetLevel(3)->UpToValue(), 9);
    EXPECT_TRUE(Series->AutomaticLevels());
    // A level edited or added by hand ends the automatic levels.
    Series->Levels()->GetLevel(1)->SetUpToValue(2.5);
    EXPECT_FALSE(Series->AutomaticLevels());
    Series->SetAutomaticLevels(true);
    EXPECT_EQ(Series->Levels()->Count(), 0);
    Series->Levels()->Add();
    EXPECT_FALSE(Series->AutomaticLevels());
    EXPECT_EQ(Series->NumLevels(), 1);
}

TEST_F(ContourSeriesTest, LevelLinesOfARamp) {
    Ramp(5, 3);
    Series->SetNumLevels(4);  // 0, 4/3, 8/3, 4
    Draw();
    ASSERT_EQ(Series->Levels()->Count(), 4);
    // Level 4/3 runs straight across z from 0 to 2 at x = 4/3, as one line.
    const TLevelSegments& lines = Series->Levels()->GetLevel(1)->Segments;
    ASSERT_EQ(lines.size(), 1u);
    for (const P& q : lines[0].Points) EXPECT_NEAR(q.X, 4.0 / 3, 1e-12);
    double zMin = 9, zMax = -9;
    for (const P& q : lines[0].Points) {
        zMin = std::min(zMin, q.Z);
        zMax = std::max(zMax, q.Z);
    }
    EXPECT_EQ(zMin, 0);
    EXPECT_EQ(zMax, 2);
    // In 2-D, Z is on the vertical axis.
    EXPECT_EQ(Series->GetMaxYValue(), 2);
    // A click on the line answers the level, elsewhere nothing.
    const int x = Series->XValueToPixel(4.0 / 3), y = Series->YValueToPixel(1);
    EXPECT_EQ(Series->ValueIndexAt(x, y), 1);
    EXPECT_EQ(Series->ValueIndexAt(Series->XValueToPixel(2), y), -1);
    EXPECT_EQ(Series->ValueIndexAt(Series->XValueToPixel(8.0 / 3), y), 2);
}

TEST_F(ContourSeriesTest, AFlatGridHasOneLevelValueAndLinesOnlyAlongTheGrid) {
    for (int z = 0; z < 3; ++z)
        for (int x = 0; x < 3; ++x) Series->AddXYZValues(x, 5, z);
    Draw();
    ASSERT_EQ(Series->Levels()->Count(), 10);
    for (int k = 0; k < 10; ++k) EXPECT_EQ(Series->Levels()->GetLevel(k)->UpToValue(), 5);
    const TLevelSegments& lines = Series->Levels()->GetLevel(0)->Segments;
    ASSERT_FALSE(lines.empty());
    for (const TLevelSegment& line : lines)
        for (const P& q : line.Points)
            EXPECT_TRUE(q.X == std::round(q.X) || q.Z == std::round(q.Z));
}

TEST_F(ContourSeriesTest, NoLevelsDrawNothing) {
    Ramp(4, 4);
    Series->SetNumLevels(0);
    Draw();
    Canvas->ClearCalls();
    Series->DrawAllValues();
    EXPECT_TRUE(Canvas->Calls().empty());
}

TEST_F(ContourSeriesTest, FilledBandsAreDrawnWithoutJoiningTheChart) {
    Ramp(5, 3);
    Series->SetNumLevels(3);
    Series->Brush()->SetStyle(bsSolid);
    Draw();
    Chart->Events.clear();
    Canvas->ClearCalls();
    Series->DrawAllValues();
    int polygons = 0;
    for (const TCanvas3DCall& c : Canvas->Calls()) polygons += c.Op == "Polygon";
    EXPECT_GT(polygons, 0);
    EXPECT_EQ(Chart->SeriesCount(), 1);
    EXPECT_TRUE(Chart->Events.empty()) << Chart->Events.front();
    // The contour keeps its function (a copy of the whole series would have taken it).
    auto* function = new TAddTeeFunction(&Form);
    Series->SetFunction(function);
    Series->Clear();
    Ramp(5, 3);
    Draw();
    EXPECT_EQ(Series->Function(), function);
}

TEST_F(ContourSeriesTest, LegendOfLevelsEverySecondHighestFirst) {
    Ramp(10, 2);
    Series->PrepareForChartDraw();
    Series->SetLegendEvery(2);
    ASSERT_EQ(Series->CountLegendItems(), 5);
    std::vector<std::string> texts;
    for (int k = 0; k < 5; ++k) texts.push_back(Series->LegendItemText(k, ltsLeftValue));
    EXPECT_EQ(texts, (std::vector<std::string>{"9", "7", "5", "3", "1"}));
    EXPECT_EQ(Series->LegendItemText(1, ltsXValue), "7");
    EXPECT_EQ(Series->LegendItemText(1, ltsXAndValue), std::string("7\x06") + "7");
    EXPECT_EQ(Series->LegendItemColor(0), Series->Levels()->GetLevel(9)->ActualColor());
}

TEST_F(ContourSeriesTest, MarksAlongTheLinesAndTheirOverlap) {
    Ramp(5, 20);
    Series->SetNumLevels(40);
    Series->Marks()->SetVisible(true);
    Series->ContourMarks()->SetDensity(1);
    auto texts = [&] {
        Draw();
        Canvas->ClearCalls();
        Series->DrawAllValues();
        int n = 0;
        for (const TCanvas3DCall& c : Canvas->Calls()) n += c.Op == "Text";
        return n;
    };
    const int all = texts();
    EXPECT_GT(all, 0);
    // Lines a pixel or two apart put their marks on top of each other.
    Series->ContourMarks()->SetAntiOverlap(true);
    const int apart = texts();
    EXPECT_GT(apart, 0);
    EXPECT_LT(apart, all);
    // Marks at the points are not drawn while the marks go along the lines; otherwise each
    // stands at its point, with Z on the vertical axis.
    Canvas->ClearCalls();
    Series->DrawMarks();
    EXPECT_TRUE(Canvas->Calls().empty());
    Series->ContourMarks()->SetAtSegments(false);
    EXPECT_EQ(Series->PointYPixel(7), Series->YValueToPixel(Series->ZValues()[7]));
    Series->DrawMarks();
    EXPECT_FALSE(Canvas->Calls().empty());
}

TEST_F(ContourSeriesTest, LevelsAreStreamedOnlyWhenMadeByHand) {
    Ramp(3, 3);
    Series->PrepareForChartDraw();
    auto bytes = [](TMemoryStream& s) { return std::string(s.Memory(), size_t(s.Size())); };
    TMemoryStream automatic;
    WriteComponentToStream(automatic, Series);
    EXPECT_EQ(bytes(automatic).find("Levels"), std::string::npos);

    Series->SetAutomaticLevels(true);
    auto* low = static_cast<TContourLevel*>(Series->Levels()->Add());
    low->SetUpToValue(0.5);
    low->SetColor(clRed);
    auto* high = static_cast<TContourLevel*>(Series->Levels()->Add());
    high->SetUpToValue(1.5);
    high->Pen()->SetWidth(3);
    ASSERT_FALSE(Series->AutomaticLevels());
    TMemoryStream stream;
    WriteComponentToStream(stream, Series);
    EXPECT_NE(bytes(stream).find("Levels"), std::string::npos);
    stream.SetPosition(0);
    TContourSeries copy(nullptr);
    ReadComponentFromStream(stream, &copy);
    EXPECT_FALSE(copy.AutomaticLevels());
    ASSERT_EQ(copy.Levels()->Count(), 2);
    EXPECT_EQ(copy.Levels()->GetLevel(0)->UpToValue(), 0.5);
    EXPECT_EQ(copy.Levels()->GetLevel(0)->Color(), clRed);
    EXPECT_TRUE(copy.Levels()->GetLevel(0)->UsesDefaultPen());
    ASSERT_FALSE(copy.Levels()->GetLevel(1)->UsesDefaultPen());
    EXPECT_EQ(copy.Levels()->GetLevel(1)->Pen()->Width(), 3);
}

TEST_F(ContourSeriesTest, RegisteredOnThe3DPage) {
    LoadExtendedTexts();
    GridSeriesUnitStartup();
    const TTeeSeriesType* contour =
        SeriesTypeList().FindBySeriesClass(&TContourSeries::StaticClass());
    ASSERT_NE(contour, nullptr);
    EXPECT_EQ(*contour->DescriptionText, "Contour");
    GridSeriesUnitShutdown();
}

}  // namespace
