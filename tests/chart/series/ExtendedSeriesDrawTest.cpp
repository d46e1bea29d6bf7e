// What the statistical, variant and share series draw, read off the recording surface of a chart
// whose axes run 0 .. 600 across (pixel 100 + x) and 0 .. 260 up (pixel 280 - y).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "chart/engine/PieSeries.h"
#include "chart/engine/SeriesPointer.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/series/shares/FunnelSeries.h"
#include "chart/series/shares/PyramidSeries.h"
#include "chart/series/shares/VolumePipeSeries.h"
#include "chart/series/stats/BoxSeries.h"
#include "chart/series/stats/HistogramSeries.h"
#include "chart/series/variant/Bar3DSeries.h"
#include "chart/series/variant/BarJoinSeries.h"
#include "chart/series/variant/BezierSeries.h"
#include "chart/series/variant/DonutSeries.h"
#include "chart/series/variant/LinePointSeries.h"
#include "tests/chart/series/PriceChartFixture.h"

namespace {

using ExtendedSeriesDrawTest = PriceChartFixture;

// The calls of op drawn with a pen of that colour.
int CountWithPen(const std::vector<TCanvas3DCall>& calls, const std::string& op, TColor pen) {
    return int(std::count_if(calls.begin(), calls.end(), [&](const TCanvas3DCall& c) {
        return c.Op == op && c.PenColor == pen;
    }));
}

TEST_F(ExtendedSeriesDrawTest, BoxOfTheWorkedSampleAndItsExtremeOutlier) {
    auto* box = Add<TBoxSeries>();
    box->SetPosition(300);
    for (double v : {100, 1, 2, 3, 4, 5, 6, 7, 8, 9}) box->AddValue(v);  // any order
    box->ExtrOut()->SetStyle(psDiamond);
    DrawPoints(*box);
    EXPECT_DOUBLE_EQ(box->Median(), 5.5);
    EXPECT_DOUBLE_EQ(box->Quartile1(), 2.75);
    EXPECT_DOUBLE_EQ(box->Quartile3(), 8.25);
    EXPECT_EQ(box->AdjacentPoint3(), 9);
    // The one extreme outlier, a diamond at (Position, 100); no mild one.
    const auto diamonds = CallsOf("Polygon");
    ASSERT_EQ(diamonds.size(), 1u);
    const std::vector<int>& d = diamonds[0].Args;
    EXPECT_EQ((d[0] + d[4]) / 2, 400);
    EXPECT_EQ((d[3] + d[7]) / 2, 180);
    EXPECT_TRUE(CallsOf("Ellipse").empty());
    // The box from the first to the third quartile, 15 pixels each side of the position.
    const TRect r = box->BoxRect();
    EXPECT_EQ(r.Left, 385);
    EXPECT_EQ(r.Right, 415);
    EXPECT_EQ(r.Top, box->YValueToPixel(8.25));
    EXPECT_EQ(r.Bottom, box->YValueToPixel(2.75));
    // The median across the box; the whiskers to 1 and 9 with their end strokes.
    const std::vector<std::string> lines = Ops({"MoveTo", "LineTo"});
    const int median = box->YValueToPixel(5.5);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "MoveTo 385 " + std::to_string(median)),
              lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "LineTo 400 279"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "LineTo 400 271"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "MoveTo 385 271"), lines.end());
    // The box's own edge, beyond the samples' markers, is the box's.
    EXPECT_EQ(box->ValueIndexAt(415, box->YValueToPixel(5)), 0);
    EXPECT_EQ(box->ValueIndexAt(420, box->YValueToPixel(5)), -1);
}

TEST_F(ExtendedSeriesDrawTest, OutlierMarkersAtTheFenceBoundaries) {
    auto* box = Add<TBoxSeries>();
    box->SetPosition(300);
    box->SetUseCustomValues(true);
    box->SetQuartile1(10);
    box->SetQuartile3(20);
    box->SetMedian(15);
    box->SetInnerFence1(5);
    box->SetInnerFence3(25);
    box->SetOuterFence1(0);
    box->SetOuterFence3(30);
    box->SetAdjacentPoint1(6);
    box->SetAdjacentPoint3(24);
    box->ExtrOut()->SetStyle(psDiamond);
    for (double v : {5, 25, 0, 30, -1, 31, 12}) box->AddValue(v);
    DrawPoints(*box);
    // On an inner fence: no marker; on an outer fence: mild; beyond: extreme.
    std::vector<int> mild, extreme;
    for (const TCanvas3DCall& c : CallsOf("Ellipse")) mild.push_back((c.Args[1] + c.Args[3]) / 2);
    for (const TCanvas3DCall& c : CallsOf("Polygon"))
        extreme.push_back((c.Args[3] + c.Args[7]) / 2);
    std::sort(mild.begin(), mild.end());
    std::sort(extreme.begin(), extreme.end());
    EXPECT_EQ(mild, (std::vector<int>{250, 280}));
    EXPECT_EQ(extreme, (std::vector<int>{249, 281}));
    // The given statistics stay, and the axis reaches the outer fences.
    EXPECT_EQ(box->Median(), 15);
    box->Clear();
    box->AddValue(12);
    EXPECT_EQ(box->GetMaxYValue(), 30);
    EXPECT_EQ(box->GetMinYValue(), 0);
}

TEST_F(ExtendedSeriesDrawTest, HorizontalBoxLiesAlongTheValues) {
    auto* box = Add<THorizBoxSeries>();
    box->SetPosition(100);
    for (double v : {10, 20, 30, 40, 50, 60, 70, 80, 90, 500}) box->AddValue(v);
    DrawPoints(*box);
    const TRect r = box->BoxRect();
    EXPECT_EQ(r.Top, 180 - 15);
    EXPECT_EQ(r.Bottom, 180 + 15);
    EXPECT_EQ(r.Left, box->XValueToPixel(27.5));
    EXPECT_EQ(r.Right, box->XValueToPixel(82.5));
    EXPECT_EQ(box->GetMinYValue(), 100);
    EXPECT_EQ(box->GetMaxXValue(), 500);
}

TEST_F(ExtendedSeriesDrawTest, HistogramBarsTouchSharingOneColumn) {
    auto* h = Add<THistogramSeries>();
    for (double x : {100, 200, 300, 400}) h->AddXYPoint(x, x == 100 ? 50 : 80);
    DrawPoints(*h);
    h->ComputeVisibleRange();
    std::vector<TRect> bars(4);
    for (int i = 0; i < 4; ++i) h->CalcBarBounds(i, bars[size_t(i)]);
    EXPECT_EQ(bars[0].Left, 149);
    EXPECT_EQ(bars[0].Right, 251);
    for (int i = 1; i < 4; ++i) {
        EXPECT_EQ(bars[size_t(i)].Left, bars[size_t(i - 1)].Right - 1);  // the shared column
        EXPECT_EQ(bars[size_t(i)].Right - bars[size_t(i)].Left, 101);
        EXPECT_EQ(bars[size_t(i)].Bottom, 280);  // down to the axis end
    }
    // The skyline: one top edge per bar; the last bar closes the outline.
    const auto tops = Ops({"LineTo"});
    EXPECT_NE(std::find(tops.begin(), tops.end(), "LineTo 551 200"), tops.end());
    EXPECT_EQ(h->ValueIndexAt(300, 250), 1);
    EXPECT_EQ(h->ValueIndexAt(250, 250), 0);  // the shared column is the first bar's
    EXPECT_EQ(h->ValueIndexAt(300, 100), -1);
    // A transparent fill blends each bar; without transparency nothing is blended.
    EXPECT_TRUE(Canvas->Blends.empty());
    h->SetTransparency(30);
    DrawPoints(*h);
    EXPECT_EQ(Canvas->Blends, (std::vector<int>{30, 30, 30, 30}));
}

TEST_F(ExtendedSeriesDrawTest, HistogramOfOnePointTakesHalfABar) {
    auto* h = Add<THistogramSeries>();
    h->AddXYPoint(300, 100);
    DrawPoints(*h);
    TRect r;
    h->CalcBarBounds(0, r);
    const int half = 600 / 1 / 2;
    EXPECT_EQ(r.Left, 400 - half - 1);
    EXPECT_EQ(r.Right, 400 + half + 1);
    EXPECT_FALSE(CallsOf("Rectangle").empty());
}

TEST_F(ExtendedSeriesDrawTest, HorizontalHistogramBarsShareOneRow) {
    auto* h = Add<THorizHistogramSeries>();
    for (double y : {50, 100, 150}) h->AddXYPoint(200, y);
    DrawPoints(*h);
    h->ComputeVisibleRange();
    const TRect expected[3] = {{100, 206, 301, 256}, {100, 155, 301, 207}, {100, 105, 301, 156}};
    for (int i = 0; i < 3; ++i) {
        TRect r;
        h->CalcBarBounds(i, r);
        EXPECT_EQ(r, expected[i]) << i;
    }
    EXPECT_EQ(h->ValueIndexAt(200, 180), 1);
}

TEST_F(ExtendedSeriesDrawTest, BezierCurvesOfThreeAndFivePointsInEachStyle) {
    auto* b = Add<TBezierSeries>();
    b->Pointer()->SetVisible(false);
    b->SetNumBezierPoints(8);
    const struct {
        TBezierStyle style;
        int count;
        int pieces;
        int endX;  // of the last curve's end point
    } cases[] = {
        {bsBezier3, 3, 8, 200}, {bsBezier3, 5, 16, 400}, {bsBezier4, 3, 0, 0},
        {bsBezier4, 5, 8, 300}, {bsWindows, 3, 8, 200},  {bsWindows, 5, 8, 200},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(int(c.style)) + " " + std::to_string(c.count));
        b->Clear();
        for (int i = 0; i < c.count; ++i) b->AddXYPoint(100 * i, i % 2 ? 200 : 0);
        b->SetBezierStyle(c.style);
        DrawPoints(*b);
        const auto pieces = CallsOf("LineTo");
        ASSERT_EQ(int(pieces.size()), c.pieces);
        EXPECT_EQ(Ops({"MoveTo"}).front(), "MoveTo 100 280");
        if (c.pieces == 0) continue;
        // Each curve ends on its end point, bending towards the points between.
        EXPECT_EQ(pieces.back().Args[0], 100 + c.endX);
        EXPECT_EQ(pieces.back().Args[1], c.endX % 200 ? 80 : 280);
        EXPECT_LT(pieces[3].Args[1], 280);
        EXPECT_GT(pieces[3].Args[1], 80);
    }
}

TEST_F(ExtendedSeriesDrawTest, BezierPointsBelowTwoAreRefused) {
    auto* b = Add<TBezierSeries>();
    try {
        b->SetNumBezierPoints(1);
        FAIL() << "accepted";
    } catch (const ChartException& e) {
        EXPECT_STREQ(e.what(), "Number of Bezier points should be > 1");
    }
    EXPECT_EQ(b->NumBezierPoints(), 32);
    b->SetNumBezierPoints(2);
    EXPECT_EQ(b->NumBezierPoints(), 2);
}

TEST_F(ExtendedSeriesDrawTest, DonutKeepsItsHole) {
    auto* donut = Add<TDonutSeries>();
    EXPECT_EQ(donut->DonutPercent(), 50);
    auto* pie = Add<TPieSeries>();
    donut->Assign(pie);
    EXPECT_EQ(donut->DonutPercent(), 50);
    auto* other = Add<TDonutSeries>();
    other->SetDonutPercent(30);
    donut->Assign(other);
    EXPECT_EQ(donut->DonutPercent(), 30);
}

TEST_F(ExtendedSeriesDrawTest, LinePointGuidesReachTheAxesWhereTheyStand) {
    auto* s = Add<TMyPointSeries>();
    s->AddXYPoint(200, 100);
    Chart->SetAxisVisible(true);
    Chart->BottomAxis()->SetPositionPercent(50);  // the horizontal axis across the middle
    DrawPoints(*s);
    const auto guides = CallsOf("Polyline");
    ASSERT_EQ(guides.size(), 1u);
    EXPECT_EQ(guides[0].PenColor, clRed);
    const int left = Chart->LeftAxis()->AxisPosition();
    const int bottom = Chart->BottomAxis()->AxisPosition();
    EXPECT_LT(bottom, Chart->ChartRect().Bottom - 50);  // moved up from the plot's edge
    const int x = s->PointXPixel(0), y = s->PointYPixel(0);
    EXPECT_EQ(guides[0].Args, (std::vector<int>{left, y, x, y, x, bottom}));
}

TEST_F(ExtendedSeriesDrawTest, BarJoinDrawsOneJoinLessThanBarsAtEveryRepaint) {
    auto* s = Add<TBarJoinSeries>();
    s->JoinPen()->SetColor(clFuchsia);
    for (double v : {50, 120, 80, 200}) s->AddValue(v);
    Chart->BottomAxis()->SetLimits(-1, 4);
    for (int repaint = 0; repaint < 2; ++repaint) {
        Draw();
        EXPECT_EQ(CountWithPen(Canvas->Calls(), "LineTo", clFuchsia), 3);
    }
    s->SetBarStyle(bsCone);
    Draw();
    const auto joins = Canvas->Calls();
    EXPECT_EQ(CountWithPen(joins, "LineTo", clFuchsia), 3);
    // One bar joins nothing.
    s->SetActive(false);
    auto* one = Add<TBarJoinSeries>();
    one->JoinPen()->SetColor(clAqua);
    one->AddValue(10);
    Draw();
    EXPECT_EQ(CountWithPen(Canvas->Calls(), "LineTo", clAqua), 0);
}

TEST_F(ExtendedSeriesDrawTest, Bar3DFloatsFromItsOffset) {
    auto* s = Add<TBar3DSeries>();
    s->SetMultiBar(mbNone);
    s->AddBar3D(100, 10, 4);
    s->AddBar3D(300, 20, 90);  // an offset above every value
    DrawPoints(*s);
    TRect r;
    s->CalcBarRect(0, r);
    EXPECT_EQ(r.Top, 270);
    EXPECT_EQ(r.Bottom, 276);
    EXPECT_EQ(s->GetMaxYValue(), 90);
    s->SetMultiBar(mbStacked);
    EXPECT_LT(s->GetMaxYValue(), 120);  // stacked: the offsets stack, the axis is not widened
    EXPECT_FALSE(s->OffersStackVariants());
}

TEST_F(ExtendedSeriesDrawTest, PyramidSlicesOfOneOneTwo) {
    auto* p = Add<TPyramidSeries>();
    for (double v : {1, 1, 2}) p->AddValue(v);
    EXPECT_EQ(p->GetMaxYValue(), 4);
    EXPECT_EQ(p->GetMinYValue(), 0);
    EXPECT_EQ(p->GetMinXValue(), 0);
    auto* second = Add<TPyramidSeries>();
    second->AddValue(5);
    EXPECT_EQ(second->GetMinXValue(), 1);
    int left = -1, right = -1;
    p->HorizontalMarginsNeeded(left, right);
    EXPECT_EQ(left, 20);
    EXPECT_EQ(right, 20);
    Chart->LeftAxis()->SetLimits(0, 4);
    DrawPoints(*p);
    const int cx = p->XValueToPixel(0);
    const double bottoms[] = {0, 1, 2}, tops[] = {1, 2, 4};
    const int halves[] = {150, 112, 75};
    for (int i = 0; i < 3; ++i) {
        TRect r;
        TPyramidSlice slice;
        ASSERT_TRUE(p->SliceOf(i, r, slice));
        EXPECT_EQ(r.Bottom, p->YValueToPixel(bottoms[i]));
        EXPECT_EQ(r.Top, p->YValueToPixel(tops[i]));
        EXPECT_EQ(r.Left, cx - halves[i]);
        EXPECT_EQ(r.Right, cx + halves[i]);
    }
    EXPECT_FALSE(Canvas->Calls().empty());
    EXPECT_EQ(p->ValueIndexAt(cx, p->YValueToPixel(3)), 2);
}

TEST_F(ExtendedSeriesDrawTest, PyramidOfZeroSumDrawsAndHitsNothing) {
    auto* p = Add<TPyramidSeries>();
    for (double v : {2, -2}) p->AddValue(v);
    DrawPoints(*p);
    EXPECT_TRUE(Canvas->Calls().empty());
    for (int y = 0; y < 300; y += 10) EXPECT_EQ(p->ValueIndexAt(400, y), -1);
}

TEST_F(ExtendedSeriesDrawTest, FunnelOrdersItsQuotesAndExplainsThreeColours) {
    auto* f = Add<TFunnelSeries>();
    f->AddSegment(10, 10);
    f->AddSegment(30, 22.5);
    f->AddSegment(20, 13);
    EXPECT_EQ(f->QuoteValues()[0], 30);
    EXPECT_EQ(f->QuoteValues()[2], 10);
    EXPECT_EQ(f->OpportunityValues()[0], 22.5);  // the opportunities move with their quotes
    EXPECT_EQ(f->XValues()[2], 2);
    EXPECT_EQ(f->SegmentColor(0), clYellow);  // 75 %
    EXPECT_EQ(f->SegmentColor(1), clRed);     // 65 %
    EXPECT_EQ(f->SegmentColor(2), clGreen);   // 100 %
    EXPECT_EQ(f->CountLegendItems(), 3);
    EXPECT_EQ(f->LegendItemText(0, ltsPlain), "Exceeds quota");
    EXPECT_EQ(f->LegendItemText(1, ltsPlain), "30.00 % within quota");
    EXPECT_EQ(f->LegendItemText(2, ltsPlain), "30.00 % or more below quota");
    EXPECT_EQ(f->ValueMarkText(0), "75.00 %");
    Chart->SetAxisVisible(true);
    Chart->BottomAxis()->SetLimits(-0.5, 2.5);
    Chart->LeftAxis()->SetLimits(0, 30);
    Draw();
    EXPECT_FALSE(Chart->LeftAxis()->Visible());
    f->ComputeVisibleRange();
    const auto filled = f->FillPolygon(2);
    EXPECT_EQ(filled.size(), 4u);  // a full segment
    const TPoint inside{(filled[0].X + filled[1].X) / 2, (filled[0].Y + filled[3].Y) / 2};
    EXPECT_EQ(f->ValueIndexAt(inside.X, inside.Y), 2);

    auto* sorted = Add<TFunnelSeries>();
    sorted->SetQuotesSorted(true);
    for (double q : {10, 30, 20}) sorted->AddSegment(q, q);
    EXPECT_EQ(sorted->QuoteValues()[0], 10);
    EXPECT_EQ(sorted->QuoteValues()[1], 30);
}

TEST_F(ExtendedSeriesDrawTest, PipeSegmentsSplitTheChartRectangleByShare) {
    auto* p = Add<TVolumePipeSeries>();
    p->Marks()->SetVisible(false);
    p->Gradient()->SetVisible(false);
    for (double v : {1, 1, 1, 1}) p->AddValue(v);
    p->SetConePercent(0);
    Draw();
    ASSERT_EQ(p->Segments().size(), 4u);
    for (const TPipeSegment& s : p->Segments()) EXPECT_NEAR(s.Right - s.Left, 149, 1);
    EXPECT_EQ(CallsOf("Polygon").size(), 5u);  // four segments and the outline
    EXPECT_FALSE(Chart->LeftAxis()->Visible());
    const TPipeSegment& third = p->Segments()[2];
    EXPECT_EQ(p->ValueIndexAt((third.Left + third.Right) / 2, 150), 2);
    // Beyond 100 it draws like 100, every cut a number within the pipe.
    p->SetConePercent(150);
    Draw();
    const std::vector<TPipeSegment> closed = p->Segments();
    p->SetConePercent(100);
    Draw();
    ASSERT_EQ(closed.size(), p->Segments().size());
    for (size_t i = 0; i < closed.size(); ++i) {
        EXPECT_EQ(closed[i].Right, p->Segments()[i].Right);
        EXPECT_EQ(closed[i].Quad[1], p->Segments()[i].Quad[1]);
    }
    EXPECT_EQ(closed.back().Right, p->Outline().P1.X);
    // A null point has no segment and is never hit.
    p->SetPointColor(1, clNone);
    Draw();
    EXPECT_EQ(p->Segments().size(), 3u);
    EXPECT_EQ(p->SegmentOf(1), nullptr);
}

}  // namespace
