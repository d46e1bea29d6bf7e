// The line family drawn on a recording surface: segments by null rule, the first segment cut at
// the chart's edge, pointers one point behind, the shadow and outline passes; and its stacking,
// clicks and copies.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "ChartStubs.h"
#include "chart/engine/AreaSeries.h"
#include "chart/engine/Callout.h"
#include "chart/engine/LineSeries.h"
#include "chart/engine/LineSeriesClasses.h"
#include "chart/engine/PointSeries.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeShadow.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/Streams.h"
#include "tests/chart/engine/WidthRecorder.h"
#include "tests/chart/foundation/RecordingCanvas3D.h"

namespace {

std::string Pt(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }

class LineSeriesDrawTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterTestChartClasses();
        RegisterLineSeriesClasses();
        auto canvas = std::make_unique<TWidthRecorder>();
        Canvas = canvas.get();
        Chart->ReplaceCanvas(std::move(canvas));
        Chart->SetBounds(0, 0, 400, 300);
        Chart->SetView3D(false);
        Chart->BottomAxis()->SetLimits(0, 4);
        Chart->LeftAxis()->SetLimits(0, 60);
    }
    template <class T>
    T* Add(std::initializer_list<double> ys) {
        auto* s = new T(&Form);
        Chart->AddSeries(s);
        double x = 0;
        for (double y : ys) s->AddXYPoint(x++, y);
        return s;
    }
    void Draw() {
        TBitmap target(400, 300);
        target.SetPixelFormat(pf24bit);
        Chart->Draw(target.Canvas(), TRect{0, 0, 400, 300});
    }
    // The chart laid out, then the series drawn alone; the record as readable lines.
    std::vector<std::string> Drawn(TChartSeries& s) {
        Draw();
        Canvas->ClearCalls();
        s.ComputeVisibleRange();
        s.DrawAllValues();
        return Record();
    }
    // Lines as "a-b" segments (each LineTo from the pen's position), shapes with their corners.
    std::vector<std::string> Record() const {
        std::vector<std::string> out;
        int penX = 0, penY = 0;
        for (const TCanvas3DCall& c : Canvas->Calls()) {
            if (c.Op == "MoveTo") {
                penX = c.Args[0];
                penY = c.Args[1];
            } else if (c.Op == "LineTo") {
                out.push_back(Pt(penX, penY) + "-" + Pt(c.Args[0], c.Args[1]));
                penX = c.Args[0];
                penY = c.Args[1];
            } else {
                std::ostringstream s;
                s << c.Op;
                for (int a : c.Args) s << ' ' << a;
                out.push_back(s.str());
            }
        }
        return out;
    }
    static std::string P(const TChartSeries& s, int i) {
        return Pt(s.PointXPixel(i), s.PointYPixel(i));
    }
    static std::string Seg(const TChartSeries& s, int a, int b) { return P(s, a) + "-" + P(s, b); }

    TComponent Form{nullptr};
    TTestChart* Chart = new TTestChart(&Form);
    TWidthRecorder* Canvas = nullptr;
};

TEST_F(LineSeriesDrawTest, NullPointsAsGapsJoinsOrPoints) {
    struct {
        TTreatNullsStyle treat;
        std::vector<std::pair<int, int>> segments;
    } cases[] = {
        {tnDontPaint, {{0, 1}, {3, 4}}},
        {tnSkip, {{0, 1}, {1, 3}, {3, 4}}},
        {tnIgnore, {{0, 1}, {1, 2}, {2, 3}, {3, 4}}},
    };
    for (const auto& c : cases) {
        auto* s = Add<TLineSeries>({10, 20, 30, 40, 50});
        s->SetPointColor(2, clNone);
        s->SetTreatNulls(c.treat);
        const std::vector<std::string> drawn = Drawn(*s);
        std::vector<std::string> expected;
        for (auto [a, b] : c.segments) expected.push_back(Seg(*s, a, b));
        EXPECT_EQ(drawn, expected) << int(c.treat);
        // A null point drawn like any other is reached in the series colour, not in clNone.
        for (const TCanvas3DCall& call : Canvas->Calls())
            if (call.Op == "LineTo") {
                EXPECT_EQ(call.PenColor, s->SeriesColor()) << int(c.treat);
            }
        delete s;
    }
}

TEST_F(LineSeriesDrawTest, NullFirstPointSkippedStartsAtTheFirstRealOne) {
    auto* s = Add<TLineSeries>({10, 20, 30});
    s->SetPointColor(0, clNone);
    s->SetTreatNulls(tnSkip);
    const std::vector<std::string> drawn = Drawn(*s);
    EXPECT_EQ(drawn, (std::vector<std::string>{Seg(*s, 1, 2)}));
}

TEST_F(LineSeriesDrawTest, FirstVisibleSegmentIsCutAtTheChartEdge) {
    // The point before the range is out of reach; the segment from it starts at the left edge.
    auto* s = Add<TLineSeries>({0, 10, 20, 30, 40});
    s->ReachesRangeEdge = false;
    Chart->BottomAxis()->SetLimits(1.5, 4);
    std::vector<std::string> drawn = Drawn(*s);
    ASSERT_EQ(s->FirstInView, 2);
    const int left = Chart->ChartRect().Left;
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(drawn[0], Pt(left, s->YValueToPixel(15)) + "-" + P(*s, 2));
    EXPECT_EQ(drawn[1], Seg(*s, 2, 3));
    // Stairs keep the earlier point's height up to the step.
    s->SetStairs(true);
    drawn = Drawn(*s);
    EXPECT_EQ(drawn[0],
              Pt(left, s->PointYPixel(1)) + "-" + Pt(s->PointXPixel(2), s->PointYPixel(1)));
}

TEST_F(LineSeriesDrawTest, EdgeCutOnALogarithmicAxisInterpolatesTheLogarithms) {
    auto* s = Add<TLineSeries>({1, 10, 1000, 1000});
    s->ReachesRangeEdge = false;
    Chart->LeftAxis()->SetLogarithmic(true);
    Chart->LeftAxis()->SetLimits(1, 10000);
    Chart->BottomAxis()->SetLimits(1.5, 3);
    Drawn(*s);
    const auto& calls = Canvas->Calls();
    ASSERT_GE(calls.size(), 2u);
    // Halfway between 10 and 1000 on a log scale is 100 (a straight blend would give 505);
    // the logarithms may round either way by a pixel.
    EXPECT_EQ(calls[0].Op, "MoveTo");
    EXPECT_EQ(calls[0].Args[0], Chart->ChartRect().Left);
    EXPECT_NEAR(calls[0].Args[1], s->YValueToPixel(100), 1);
    EXPECT_EQ(calls[1].Args, (std::vector<int>{s->PointXPixel(2), s->PointYPixel(2)}));
}

TEST_F(LineSeriesDrawTest, PointersAreDrawnOnePointBehindTheSegments) {
    auto* s = Add<TLineSeries>({10, 20, 30});
    s->Pointer()->SetVisible(true);
    s->Pointer()->SetStyle(psCircle);
    s->Pointer()->SetSize(3);
    auto ellipse = [&](int i) {
        const int x = s->PointXPixel(i), y = s->PointYPixel(i);
        return "Ellipse " + std::to_string(x - 3) + " " + std::to_string(y - 3) + " " +
               std::to_string(x + 3) + " " + std::to_string(y + 3);
    };
    const std::vector<std::string> drawn = Drawn(*s);
    EXPECT_EQ(drawn, (std::vector<std::string>{Seg(*s, 0, 1), ellipse(0), Seg(*s, 1, 2), ellipse(1),
                                               ellipse(2)}));
}

TEST_F(LineSeriesDrawTest, StackedSumsAndHundredPercentWithAZeroTotal) {
    auto* a = Add<TLineSeries>({10, 0, 5});
    auto* b = Add<TLineSeries>({20, 0, 15});
    b->SetStacked(cssStack);
    EXPECT_EQ(a->Stacked(), cssStack);  // spreads to the other line series
    Draw();
    EXPECT_EQ(b->PointYPixel(0), b->YValueToPixel(30));
    EXPECT_EQ(b->OriginPosition(0), b->YValueToPixel(10));
    EXPECT_EQ(b->GetMaxYValue(), 30);
    b->SetStacked(cssStack100);
    Draw();
    EXPECT_EQ(a->PointYPixel(2), a->YValueToPixel(25));
    EXPECT_EQ(b->PointYPixel(2), b->YValueToPixel(100));
    // All values 0 at point 1: both sit at the axis' end pixel.
    EXPECT_EQ(a->PointYPixel(1), Chart->LeftAxis()->EndPos());
    EXPECT_EQ(b->PointYPixel(1), Chart->LeftAxis()->EndPos());
    EXPECT_EQ(b->GetMaxYValue(), 100);
    EXPECT_EQ(b->GetMinYValue(), 0);
    // A point series is no line series: it does not follow.
    auto* p = Add<TPointSeries>({1});
    a->SetStacked(cssNone);
    EXPECT_EQ(b->Stacked(), cssNone);
    EXPECT_EQ(p->Stacked(), cssNone);
}

TEST_F(LineSeriesDrawTest, ExtremesSkipNullsUnlessIgnored) {
    auto* s = Add<TLineSeries>({10, 90, 30});
    s->SetPointColor(1, clNone);
    EXPECT_EQ(s->GetMaxYValue(), 30);
    s->SetTreatNulls(tnIgnore);
    EXPECT_EQ(s->GetMaxYValue(), 90);
}

TEST_F(LineSeriesDrawTest, ClicksOnPointersAndSegments) {
    auto* s = Add<TLineSeries>({10, 30, 20});
    s->Pointer()->SetVisible(true);
    std::vector<int> clicked;
    s->OnClickPointer = [&](TCustomSeries&, int index, int, int) { clicked.push_back(index); };
    Draw();
    s->ComputeVisibleRange();
    EXPECT_EQ(s->ValueIndexAt(s->PointXPixel(1) + 2, s->PointYPixel(1) - 1), 1);
    EXPECT_EQ(clicked, std::vector<int>{1});
    // Halfway along the segment from point 1 to point 2 (an exact pixel of the line).
    const int mx = (s->PointXPixel(1) + s->PointXPixel(2)) / 2;
    const int x1 = s->PointXPixel(1), y1 = s->PointYPixel(1);
    const int x2 = s->PointXPixel(2), y2 = s->PointYPixel(2);
    const int my = y1 + (y2 - y1) * (mx - x1) / (x2 - x1);
    EXPECT_EQ(s->ValueIndexAt(mx, my), 1);
    EXPECT_EQ(s->ValueIndexAt(mx, my - 40), -1);
    s->SetClickableLine(false);
    EXPECT_EQ(s->ValueIndexAt(mx, my), -1);
}

TEST_F(LineSeriesDrawTest, ShadowAndOutlineLeaveTheSeriesColourAsItWas) {
    auto* s = Add<TLineSeries>({10, 20});
    const TColor automatic = s->SeriesColor();
    ASSERT_EQ(s->Color(), clDefault);
    s->Shadow()->SetColor(clGray);
    s->Shadow()->SetHorizSize(3);
    s->Shadow()->SetVertSize(3);
    s->OutLine()->SetVisible(true);
    s->OutLine()->SetColor(clRed);
    s->OutLine()->SetWidth(2);
    s->LinePen()->SetWidth(3);
    Draw();
    const int hStart = Chart->BottomAxis()->StartPos();
    Chart->Events.clear();
    Canvas->ClearCalls();
    s->DrawAllValues();
    const auto& calls = Canvas->Calls();
    ASSERT_EQ(calls.size(), 6u);  // shadow, outline, line: a move and a line each
    // The shadow copy, shifted by its sizes, in its colour; then the wide outline.
    EXPECT_EQ(calls[1].Args, (std::vector<int>{s->PointXPixel(1) + 3, s->PointYPixel(1) + 3}));
    EXPECT_EQ(calls[1].PenColor, clGray);
    EXPECT_EQ(calls[3].PenColor, clRed);
    EXPECT_EQ(calls[5].PenColor, automatic);
    EXPECT_EQ(s->Color(), clDefault);
    EXPECT_EQ(s->SeriesColor(), automatic);
    EXPECT_EQ(s->LinePen()->Width(), 3);
    EXPECT_EQ(Chart->BottomAxis()->StartPos(), hStart);
    EXPECT_TRUE(Chart->Events.empty());
    // Still automatic, so not streamed.
    TMemoryStream binary, text;
    WriteComponentToStream(binary, s);
    binary.SetPosition(0);
    ObjectBinaryToText(binary, text);
    EXPECT_EQ(std::string(text.Memory(), size_t(text.Size())).find("SeriesColor"),
              std::string::npos);
}

TEST_F(LineSeriesDrawTest, OutlineIsTwiceItsWidthPlusTheLineUnderTheLine) {
    auto* s = Add<TLineSeries>({10, 20});
    s->OutLine()->SetVisible(true);
    s->OutLine()->SetWidth(2);
    s->LinePen()->SetWidth(3);
    Draw();
    Canvas->Widths.clear();
    s->DrawAllValues();
    EXPECT_EQ(Canvas->Widths, (std::vector<int>{2 * 2 + 3, 3}));
    // A hidden line pen counts as one pixel.
    s->LinePen()->SetVisible(false);
    Canvas->Widths.clear();
    s->DrawAllValues();
    ASSERT_FALSE(Canvas->Widths.empty());
    EXPECT_EQ(Canvas->Widths[0], 2 * 2 + 1);
    EXPECT_FALSE(s->LinePen()->Visible());
    // Margins: the outline's width, and with stairs the line's.
    s->LinePen()->SetVisible(true);
    int left = 0, right = 0;
    s->HorizontalMarginsNeeded(left, right);
    EXPECT_EQ(left, 2);
    s->OutLine()->SetVisible(false);
    s->SetStairs(true);
    left = right = 0;
    s->HorizontalMarginsNeeded(left, right);
    EXPECT_EQ(left, 3);
}

TEST_F(LineSeriesDrawTest, AssignKeepsOrHidesThePointer) {
    auto* line = Add<TLineSeries>({1, 2});
    auto* point = Add<TPointSeries>({1, 2});
    auto* other = Add<TLineSeries>({1});
    other->Pointer()->SetVisible(true);
    other->Pointer()->SetStyle(psDiamond);
    line->Assign(other);
    EXPECT_TRUE(line->Pointer()->Visible());
    EXPECT_EQ(line->Pointer()->Style(), psDiamond);
    line->Assign(point);
    EXPECT_FALSE(line->Pointer()->Visible());
    EXPECT_TRUE(line->DrawLine());
    point->Assign(other);
    EXPECT_TRUE(point->Pointer()->Visible());
    EXPECT_FALSE(point->DrawLine());
    EXPECT_FALSE(point->ClickableLine());
}

TEST_F(LineSeriesDrawTest, TheWorkbenchPlotLookStreamsAndReadsBack) {
    auto* s = new TLineSeries(Chart);
    s->SetName("Series1");
    Chart->AddSeries(s);
    s->Pointer()->SetVisible(true);
    s->Pointer()->SetStyle(psCircle);
    s->Pointer()->SetSize(3);
    s->Pointer()->Brush()->SetColor(clWhite);
    s->SetTreatNulls(tnSkip);
    TMemoryStream stream;
    WriteComponentToStream(stream, Chart);
    stream.SetPosition(0);
    TTestChart copy(nullptr);
    ReadComponentFromStream(stream, &copy);
    ASSERT_EQ(copy.SeriesCount(), 1);
    auto* read = dynamic_cast<TLineSeries*>(copy.GetSeries(0));
    ASSERT_NE(read, nullptr);
    EXPECT_TRUE(read->Pointer()->Visible());
    EXPECT_EQ(read->Pointer()->Style(), psCircle);
    EXPECT_EQ(read->Pointer()->HorizSize(), 3);
    EXPECT_EQ(read->TreatNulls(), tnSkip);
}

TEST_F(LineSeriesDrawTest, AreaFillsDownToTheAxisOrTheOrigin) {
    auto* s = Add<TAreaSeries>({10, 20});
    s->LinePen()->SetVisible(false);
    std::vector<std::string> drawn = Drawn(*s);
    const int bottom = Chart->LeftAxis()->EndPos();
    auto quad = [&](int base0, int base1) {
        return "Polygon " + std::to_string(s->PointXPixel(0)) + " " + std::to_string(base0) + " " +
               std::to_string(s->PointXPixel(0)) + " " + std::to_string(s->PointYPixel(0)) + " " +
               std::to_string(s->PointXPixel(1)) + " " + std::to_string(s->PointYPixel(1)) + " " +
               std::to_string(s->PointXPixel(1)) + " " + std::to_string(base1);
    };
    EXPECT_EQ(drawn, std::vector<std::string>{quad(bottom, bottom)});
    // An origin above every value: the area hangs from it, and the axis includes it.
    s->SetUseYOrigin(true);
    s->SetYOrigin(50);
    EXPECT_EQ(s->GetMaxYValue(), 50);
    drawn = Drawn(*s);
    EXPECT_EQ(drawn, std::vector<std::string>{quad(s->YValueToPixel(50), s->YValueToPixel(50))});
}

TEST_F(LineSeriesDrawTest, MultiAreaIsAViewOfStackedAndGroupsStackApart) {
    auto* a = Add<TAreaSeries>({10, 10});
    auto* b = Add<TAreaSeries>({5, 5});
    a->SetStacked(cssOverlap);
    EXPECT_EQ(a->MultiArea(), maNone);
    a->SetMultiArea(maNone);
    EXPECT_EQ(a->Stacked(), cssNone);
    b->SetMultiArea(maStacked);
    EXPECT_EQ(a->Stacked(), cssStack);
    Draw();
    EXPECT_EQ(b->PointYPixel(0), b->YValueToPixel(15));
    b->SetStackGroup(1);
    Draw();
    EXPECT_EQ(b->PointYPixel(0), b->YValueToPixel(5));
    // In 3-D the second group takes a row of its own.
    Chart->SetView3D(true);
    Draw();
    EXPECT_NE(a->DrawDepthIndex, b->DrawDepthIndex);
}

TEST_F(LineSeriesDrawTest, PointSeriesDefaultsAndGallery) {
    auto* p = Add<TPointSeries>({1, 2});
    EXPECT_TRUE(p->Pointer()->Visible());
    EXPECT_EQ(p->Marks()->Callout()->Length(), 0);
    EXPECT_EQ(TChartSeries::EditorClassNameOf(&TPointSeries::StaticClass()),
              "TSeriesPointerEditor");
    p->SetTransparency(40);
    EXPECT_EQ(p->Pointer()->Transparency(), 40);
    std::vector<std::string> variants;
    p->ListGalleryVariants([&](const std::string& v) { variants.push_back(v); });
    EXPECT_EQ(variants.size(), 14u);
    Chart->SetBounds(0, 0, 40, 40);
    p->PrepareForGallery(true);
    EXPECT_EQ(p->Pointer()->HorizSize(), 4);
    // Each point's colour shows through the pointer.
    p->Pointer()->SetBrushColor(clRed);
    p->SetColorEachPoint(true);
    EXPECT_EQ(p->Pointer()->BrushColor(), clDefault);
}

TEST_F(LineSeriesDrawTest, LegendSymbolIsALineOrThePointerOverALine) {
    auto* s = Add<TLineSeries>({10, 20});
    Draw();
    const TRect symbol{10, 20, 40, 32};
    Canvas->ClearCalls();
    s->DrawLegendSymbol(-1, symbol);
    EXPECT_EQ(Record(), std::vector<std::string>{Pt(10, 26) + "-" + Pt(40, 26)});
    // The pointer over the line, no larger than a third of the symbol.
    s->Pointer()->SetVisible(true);
    s->Pointer()->SetStyle(psCircle);
    s->Pointer()->SetSize(8);
    Canvas->ClearCalls();
    s->DrawLegendSymbol(-1, symbol);
    EXPECT_EQ(Record(),
              (std::vector<std::string>{Pt(10, 26) + "-" + Pt(40, 26), "Ellipse 17 22 33 30"}));
}

TEST_F(LineSeriesDrawTest, HorizontalLineJoinsPointsAlongY) {
    auto* s = new THorizLineSeries(&Form);
    Chart->AddSeries(s);
    Chart->LeftAxis()->SetLimits(0, 4);
    s->AddXYPoint(30, 0);
    s->AddXYPoint(10, 1);
    s->AddXYPoint(50, 2);
    // X goes back and forth: the values are not kept in X order.
    const std::vector<std::string> drawn = Drawn(*s);
    EXPECT_EQ(s->XValues()[1], 10);
    EXPECT_EQ(drawn, (std::vector<std::string>{Seg(*s, 0, 1), Seg(*s, 1, 2)}));
    s->Marks()->SetVisible(true);
    s->SetPointLabel(1, "widest label");
    EXPECT_EQ(s->MarksMargin(), s->MaxMarkWidth());
    EXPECT_GT(s->MarksMargin(), 0);
}

// The workbench's result plot, drawn for real: white circle pointers over a blue line.
TEST(LineSeriesPixels, WorkbenchPlotLook) {
    RegisterTestChartClasses();
    TComponent form(nullptr);
    auto* chart = new TTestChart(&form);
    chart->SetBounds(0, 0, 200, 150);
    chart->SetView3D(false);
    chart->SetAxisVisible(false);
    chart->BottomAxis()->SetLimits(0, 2);
    chart->LeftAxis()->SetLimits(0, 2);
    auto* s = new TLineSeries(&form);
    chart->AddSeries(s);
    s->SetSeriesColor(clBlue);
    s->Pointer()->SetVisible(true);
    s->Pointer()->SetStyle(psCircle);
    s->Pointer()->SetSize(3);
    s->Pointer()->Brush()->SetColor(clWhite);
    s->AddXYPoint(0, 1);
    s->AddXYPoint(1, 1);
    s->AddXYPoint(2, 1);
    std::unique_ptr<TBitmap> image = chart->RenderToBitmap();
    const int y = s->PointYPixel(1);
    const int between = (s->PointXPixel(0) + s->PointXPixel(1)) / 2;
    EXPECT_EQ(image->Canvas()->Pixel(between, y), clBlue);
    EXPECT_EQ(image->Canvas()->Pixel(s->PointXPixel(1), y), clWhite);
    EXPECT_EQ(image->Canvas()->Pixel(s->PointXPixel(1), y - 3), clBlack);  // the pointer's pen
}

TEST_F(LineSeriesDrawTest, GalleryVariantsOfLinesAndAreas) {
    auto* line = Add<TLineSeries>({1, 2});
    auto* area = Add<TAreaSeries>({1, 2});
    auto names = [](TChartSeries& s) {
        std::vector<std::string> v;
        s.ListGalleryVariants([&](const std::string& n) { v.push_back(n); });
        return v;
    };
    EXPECT_EQ(names(*line),
              (std::vector<std::string>{"Normal", "Stairs", "Points", "Height", "Hollow", "Colors",
                                        "Marks", "No Border", "Outline"}));
    EXPECT_EQ(names(*area),
              (std::vector<std::string>{"Normal", "Stairs", "Marks", "Colors", "Hollow", "No Lines",
                                        "Stack", "Stack 100%", "Points", "Gradient"}));
    line->ApplyGalleryVariant(line, 3);
    EXPECT_EQ(line->LineHeight(), 5);
    line->ApplyGalleryVariant(line, 8);
    EXPECT_TRUE(line->OutLine()->Visible());
    area->ApplyGalleryVariant(area, 7);
    EXPECT_EQ(area->Stacked(), cssStack100);
    area->ApplyGalleryVariant(area, 4);
    EXPECT_EQ(area->AreaBrush(), bsClear);
}

}  // namespace
