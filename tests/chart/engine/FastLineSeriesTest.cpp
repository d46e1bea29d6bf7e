// The fast line: which segments it draws (pixel-skip rule, nulls, stairs), the segment of a
// point added without repainting, its margins, clicks and the pen kept in step with the colour.
#include <set>

#include "SeriesDrawFixture.h"
#include "chart/engine/FastLineSeries.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/graphics/Colors.h"

namespace {

class FastLineSeriesTest : public SeriesDrawFixture {
protected:
    TFastLineSeries* NewSeries(std::initializer_list<std::pair<double, double>> points) {
        auto* s = new TFastLineSeries(&Form);
        Chart->AddSeries(s);
        for (auto [x, y] : points) s->AddXYPoint(x, y);
        return s;
    }
    // "M3" moves to point 3, "L3" draws to it, "L3|1" draws to point 3's X at point 1's Y.
    std::vector<std::string> Expected(TChartSeries& s, std::initializer_list<std::string> steps) {
        std::vector<std::string> out;
        for (const std::string& step : steps) {
            const size_t bar = step.find('|');
            const int ix = std::stoi(step.substr(1, bar));
            const int iy = bar == std::string::npos ? ix : std::stoi(step.substr(bar + 1));
            const int x = Chart->BottomAxis()->PixelOfValue(s.XValues()[ix]);
            const int y = Chart->LeftAxis()->PixelOfValue(s.YValues()[iy]);
            out.push_back(std::string(step[0] == 'M' ? "MoveTo " : "LineTo ") + std::to_string(x) +
                          " " + std::to_string(y));
        }
        return out;
    }
};

TEST_F(FastLineSeriesTest, SkipsPointsOnThePixelOfThePreviousOne) {
    // Points 1..3 share a column; 3 repeats 2 exactly.
    struct {
        bool drawAll;
        std::initializer_list<std::string> steps;
    } cases[] = {
        {true, {"M0", "L1", "L2", "L4"}},
        {false, {"M0", "L1", "L4"}},
    };
    TFastLineSeries* s = NewSeries({{0, 0}, {1, 5}, {1, 8}, {1, 8}, {2, 3}});
    for (const auto& c : cases) {
        s->SetDrawAllPoints(c.drawAll);
        DrawPoints(*s);
        EXPECT_EQ(Ops({"MoveTo", "LineTo"}), Expected(*s, c.steps))
            << "DrawAllPoints " << c.drawAll;
    }
}

TEST_F(FastLineSeriesTest, ManyPointsOverFewPixelsDrawAtMostOneSegmentPerColumnRun) {
    TFastLineSeries* s = NewSeries({});
    for (int i = 0; i < 10000; ++i) s->AddXYPoint(i, (i * 7919) % 1000);
    for (bool drawAll : {true, false}) {
        s->SetDrawAllPoints(drawAll);
        DrawPoints(*s);
        // What the rule keeps: every change of pixel, or only every change of column.
        int expected = 0, prevX = -1, prevY = -1;
        for (int i = 0; i < s->Count(); ++i) {
            const int x = Chart->BottomAxis()->PixelOfValue(i);
            const int y = Chart->LeftAxis()->PixelOfValue(s->YValues()[i]);
            if (i > 0 && x == prevX && (!drawAll || y == prevY)) continue;
            if (i > 0) ++expected;
            prevX = x;
            prevY = y;
        }
        const std::vector<std::string> lines = Ops({"LineTo"});
        EXPECT_EQ(int(lines.size()), expected) << "DrawAllPoints " << drawAll;
        if (!drawAll) {
            EXPECT_LE(int(lines.size()), Chart->BottomAxis()->AxisSize() + 1);
            std::set<std::string> columns;
            for (const std::string& l : lines) columns.insert(l.substr(0, l.rfind(' ')));
            EXPECT_EQ(columns.size(), lines.size()) << "one segment per column";
        }
    }
}

TEST_F(FastLineSeriesTest, NullPointsFollowTreatNulls) {
    struct {
        TTreatNullsStyle style;
        std::initializer_list<std::string> steps;
    } cases[] = {
        {tnIgnore, {"M0", "L1", "L2", "L3", "L4"}},
        // The pen stays at point 1, then draws on to point 3.
        {tnSkip, {"M0", "L1", "M1", "L3", "L4"}},
        // A gap from point 1 to point 3.
        {tnDontPaint, {"M0", "L1", "M2", "M3", "L4"}},
    };
    TFastLineSeries* s = NewSeries({{0, 1}, {1, 4}, {2, 9}, {3, 2}, {4, 6}});
    s->SetPointColor(2, clNone);
    EXPECT_EQ(s->TreatNulls(), tnIgnore);
    for (const auto& c : cases) {
        s->SetTreatNulls(c.style);
        DrawPoints(*s);
        EXPECT_EQ(Ops({"MoveTo", "LineTo"}), Expected(*s, c.steps)) << "style " << c.style;
    }
}

TEST_F(FastLineSeriesTest, StairsStepAlongXOrAlongYFirst) {
    TFastLineSeries* s = NewSeries({{0, 1}, {1, 4}, {2, 2}});
    s->SetStairs(true);
    DrawPoints(*s);
    EXPECT_EQ(Ops({"MoveTo", "LineTo"}), Expected(*s, {"M0", "L1|0", "L1", "L2|1", "L2"}));
    s->SetInvertedStairs(true);
    DrawPoints(*s);
    EXPECT_EQ(Ops({"MoveTo", "LineTo"}), Expected(*s, {"M0", "L0|1", "L1", "L1|2", "L2"}));
}

TEST_F(FastLineSeriesTest, DrawingStartsFromThePointBeforeTheVisibleRange) {
    TFastLineSeries* s = NewSeries({{0, 1}, {1, 4}, {2, 2}, {3, 7}, {4, 5}, {5, 3}});
    Chart->BottomAxis()->SetLimits(1.5, 3.5);
    DrawPoints(*s);
    // Points 2 and 3 are in view; the line starts at point 1 and reaches on to point 4, so
    // that it crosses both edges.
    EXPECT_EQ(Ops({"MoveTo", "LineTo"}), Expected(*s, {"M1", "L2", "L3", "L4"}));
}

TEST_F(FastLineSeriesTest, WithoutAutoRepaintAnAddedPointDrawsOneSegmentAtOnce) {
    TFastLineSeries* s = NewSeries({{0, 1}, {1, 4}, {2, 2}});
    s->AutoRepaint = false;
    std::vector<int> added;
    s->OnAfterAdd = [&](TChartSeries&, int index) { added.push_back(index); };
    Chart->LeftAxis()->SetLimits(0, 10);
    Chart->BottomAxis()->SetLimits(0, 10);
    Draw();
    Canvas->ClearCalls();
    s->AddXYPoint(3, 8);
    EXPECT_EQ(added, std::vector<int>{3}) << "the point's event still fires";
    // Nothing of the chart is drawn again: only the segment from the previous point.
    std::vector<std::string> all;
    for (const TCanvas3DCall& c : Canvas->Calls()) all.push_back(c.Op);
    EXPECT_EQ(all, (std::vector<std::string>{"MoveTo", "LineTo"}));
    EXPECT_EQ(Ops({"MoveTo", "LineTo"}), Expected(*s, {"M2", "L3"}));
    EXPECT_EQ(Canvas->Calls().back().PenColor, s->SeriesColor());
}

TEST_F(FastLineSeriesTest, MarginsAreHalfThePenRoundedUp) {
    TFastLineSeries* s = NewSeries({{0, 1}});
    for (auto [width, margin] : {std::pair{1, 1}, {2, 2}, {4, 3}, {5, 4}}) {
        s->LinePen()->SetWidth(width);
        int left = 0, right = 0, top = 0, bottom = 0;
        s->HorizontalMarginsNeeded(left, right);
        s->VerticalMarginsNeeded(top, bottom);
        EXPECT_EQ((std::vector<int>{left, right, top, bottom}),
                  (std::vector<int>{margin, margin, margin, margin}))
            << "width " << width;
    }
}

TEST_F(FastLineSeriesTest, SeriesColorAndLinePenStayAlike) {
    TFastLineSeries* s = NewSeries({});
    s->SetSeriesColor(clRed);
    EXPECT_EQ(s->LinePen()->Color(), clRed);
    TChartPen pen;
    pen.SetColor(clBlue);
    pen.SetWidth(3);
    s->SetLinePen(&pen);
    EXPECT_EQ(s->SeriesColor(), clBlue);
    EXPECT_EQ(s->LinePen()->Width(), 3);
}

TEST_F(FastLineSeriesTest, ClicksFindPointsAndTheSegmentsAfterThem) {
    TFastLineSeries* s = NewSeries({{0, 0}, {10, 10}, {20, 0}});
    Chart->LeftAxis()->SetLimits(0, 10);
    Chart->BottomAxis()->SetLimits(0, 20);
    DrawPoints(*s);
    auto px = [&](double x) { return Chart->BottomAxis()->PixelOfValue(x); };
    auto py = [&](double y) { return Chart->LeftAxis()->PixelOfValue(y); };
    EXPECT_EQ(s->ValueIndexAt(px(10), py(10)), 1);
    EXPECT_EQ(s->ValueIndexAt((px(0) + px(10)) / 2, (py(0) + py(10)) / 2), 0);
    EXPECT_EQ(s->ValueIndexAt((px(10) + px(20)) / 2, (py(0) + py(10)) / 2), 1);
    EXPECT_EQ(s->ValueIndexAt(px(10), py(0)), -1);
    // With stairs the corner lies on the line, the diagonal does not.
    s->SetStairs(true);
    EXPECT_EQ(s->ValueIndexAt(px(10), py(0)), 0);
    EXPECT_EQ(s->ValueIndexAt(px(5), py(5)), -1);
    s->FirstInView = -1;
    EXPECT_EQ(s->ValueIndexAt(px(10), py(10)), -1);
}

TEST_F(FastLineSeriesTest, GalleryVariants) {
    TFastLineSeries* s = NewSeries({});
    std::vector<std::string> names;
    s->ListGalleryVariants([&](const std::string& n) { names.push_back(n); });
    EXPECT_EQ(names, (std::vector<std::string>{"Normal", "Marks", "Dotted", "Stairs"}));
    s->ApplyGalleryVariant(s, 1);
    s->ApplyGalleryVariant(s, 2);
    s->ApplyGalleryVariant(s, 3);
    EXPECT_TRUE(s->Marks()->Visible());
    EXPECT_TRUE(s->LinePen()->SmallDots());
    EXPECT_TRUE(s->Stairs());
    EXPECT_EQ(TCustomChartElement::EditorClassNameOf(&TFastLineSeries::StaticClass()),
              "TFastLineSeriesEditor");
}

}  // namespace
