// The tools that answer the mouse over series points and marks, on the bench: the nearest
// point (ties in whole pixels go to the lower index; nothing without a series; gone when the
// mouse leaves; drawn in NOT-XOR without repainting when asked), the marks tip (the point's
// mark text in the tool's style as the chart's hint, a second tool on the chart keeping its
// hint, the delays being the application's), and dragging marks to places of their own.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "chart/engine/PointSeries.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "chart/tools/overlay/DragMarksTool.h"
#include "chart/tools/overlay/MarksTipTool.h"
#include "chart/tools/overlay/NearestTool.h"
#include "platform/classes/Cursors.h"
#include "platform/ui/Application.h"
#include "tests/chart/tools/ToolBench.h"

namespace {

struct NearestToolTest : ::testing::Test {
    TToolBench bench;
    TPointSeries* series = bench.AddSeries({{20, 40}, {40, 40}, {80, 10}});
    TNearestTool* tool = bench.AddTool<TNearestTool>();
    int changes = 0;
    NearestToolTest() {
        tool->OnChange = [this](TObject*) { ++changes; };
        bench.Render();
    }
};

TEST_F(NearestToolTest, WithoutASeriesMovesDoNothing) {
    bench.Move(bench.XPixel(20), bench.YPixel(40));
    EXPECT_EQ(tool->Point(), -1);
    EXPECT_EQ(changes, 0);
}

TEST_F(NearestToolTest, TheNearestPointInWholePixelsTiesGoingToTheLowerIndex) {
    tool->SetSeries(series);
    const int a = bench.XPixel(20), b = bench.XPixel(40);
    // Far below both points, half way between them: the distances round to the same number
    // of pixels even where point 1 lies a pixel nearer.
    const int mid = (a + b + 1) / 2, below = bench.YPixel(40) + 100;
    ASSERT_LE(std::abs((mid - a) - (b - mid)), 1);
    const struct {
        const char* What;
        int X, Y;
        int Point;
    } cases[] = {
        {"on point 2 (its own hit test)", bench.XPixel(80), bench.YPixel(10), 2},
        {"near point 1", b + 6, bench.YPixel(40) - 9, 1},
        {"a tie in whole pixels", mid, below, 0},
        {"near point 0", a - 30, below, 0},
    };
    for (const auto& c : cases) {
        bench.Move(c.X, c.Y);
        EXPECT_EQ(tool->Point(), c.Point) << c.What;
    }
    EXPECT_EQ(changes, 4);
    EXPECT_EQ(TNearestTool::NearestPoint(*series, mid, below), 0);
}

TEST_F(NearestToolTest, AnEmptySeriesHasNoNearestPoint) {
    series->Clear();
    EXPECT_EQ(TNearestTool::NearestPoint(*series, 100, 100), -1);
}

TEST_F(NearestToolTest, LeavingTheChartTakesTheMarkAway) {
    tool->SetSeries(series);
    bench.Move(bench.XPixel(40) + 5, bench.YPixel(40) + 5);
    EXPECT_EQ(tool->Point(), 1);
    bench.Leave();
    EXPECT_EQ(tool->Point(), -1);
}

TEST_F(NearestToolTest, WithoutFullRepaintTheMarkIsNotXorAndGoesAwayWithTheMouse) {
    tool->SetSeries(series);
    tool->SetFullRepaint(false);
    tool->Pen()->SetStyle(psSolid);
    tool->Pen()->SetColor(clRed);
    bench.Render();
    const std::vector<uint8_t> drawn = bench.FrontPixels();
    const int64_t passes = bench.Chart().DrawPasses;
    const int64_t invalidations = bench.Chart().Invalidations;
    bench.Move(bench.XPixel(40) + 5, bench.YPixel(40) + 5);
    EXPECT_NE(bench.FrontPixels(), drawn);
    bench.Move(bench.XPixel(20) - 5, bench.YPixel(40) + 7);
    bench.Leave();
    EXPECT_EQ(bench.FrontPixels(), drawn);
    EXPECT_EQ(bench.Chart().DrawPasses, passes);
    EXPECT_EQ(bench.Chart().Invalidations, invalidations);
}

struct MarksTipToolTest : ::testing::Test {
    TToolBench bench;
    TPointSeries* series = bench.AddSeries({{20, 40}, {60, 70}});
    TMarksTipTool* tool = bench.AddTool<TMarksTipTool>();
    MarksTipToolTest() {
        series->SetPointLabel(1, "second");
        bench.Render();
    }
    void OverPoint(int index) {
        bench.Move(series->PointXPixel(index), series->PointYPixel(index));
    }
};

TEST_F(MarksTipToolTest, ThePointsMarkTextInTheToolsStyleIsTheChartsHint) {
    OverPoint(1);
    EXPECT_EQ(bench.Chart().Hint(), "second");
    ASSERT_EQ(bench.Hints.Shown.size(), 1u);
    EXPECT_EQ(bench.Hints.Shown[0].HintStr, "second");
    // The series' own style is left as it was.
    EXPECT_EQ(series->Marks()->Style(), smsLabel);
    tool->SetStyle(smsValue);
    tool->OnGetText = [](TMarksTipTool*, std::string& text) { text = "<" + text + ">"; };
    OverPoint(0);
    EXPECT_EQ(bench.Chart().Hint(), "<40>");
    // Off every point the hint goes.
    bench.Move(5, 5);
    EXPECT_EQ(bench.Chart().Hint(), "");
}

TEST_F(MarksTipToolTest, AClickToolIgnoresMoves) {
    tool->SetMouseAction(mtmClick);
    OverPoint(1);
    EXPECT_EQ(bench.Chart().Hint(), "");
    bench.Press(series->PointXPixel(1), series->PointYPixel(1));
    EXPECT_EQ(bench.Chart().Hint(), "second");
}

TEST_F(MarksTipToolTest, ASecondToolOnTheChartKeepsTheHintWhenTheMouseLeavesAPoint) {
    auto* other = bench.AddTool<TMarksTipTool>();
    other->SetSeries(series);
    OverPoint(1);
    EXPECT_EQ(bench.Chart().Hint(), "second");
    bench.Move(5, 5);
    EXPECT_EQ(bench.Chart().Hint(), "second");
}

TEST_F(MarksTipToolTest, ItsDelaysAreTheApplications) {
    ASSERT_NE(Application, nullptr);
    const int pause = Application->HintPause(), hide = Application->HintHidePause();
    tool->SetMouseDelay(750);
    tool->SetHideDelay(4000);
    EXPECT_EQ(Application->HintPause(), 750);
    EXPECT_EQ(Application->HintHidePause(), 4000);
    auto* other = bench.AddTool<TMarksTipTool>();
    EXPECT_EQ(other->MouseDelay(), 750);
    Application->SetHintPause(pause);
    Application->SetHintHidePause(hide);
}

// A surface that keeps a hint with each point it draws.
class THintKeepingCanvas : public TTeeCanvas3D, public ITeePointHints {
public:
    void AddPointHint(const std::string& name, const std::string& text) override {
        Kept.emplace_back(name, text);
    }
    std::vector<std::pair<std::string, std::string>> Kept;
};

TEST_F(MarksTipToolTest, ASurfaceThatKeepsHintsGetsEveryPointsTipAndNoHintShows) {
    auto canvas = std::make_unique<THintKeepingCanvas>();
    THintKeepingCanvas* kept = canvas.get();
    bench.Chart().ReplaceCanvas(std::move(canvas));
    series->SetPointLabel(0, "first");
    tool->OnGetText = [](TMarksTipTool*, std::string& text) { text += "!"; };
    bench.Render();
    using TKept = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(kept->Kept, (TKept{{"Series1_0", "first!"}, {"Series1_1", "second!"}}));
    OverPoint(1);
    EXPECT_EQ(bench.Chart().Hint(), "");
    EXPECT_TRUE(bench.Hints.Shown.empty());
}

struct DragMarksToolTest : ::testing::Test {
    TToolBench bench;
    TPointSeries* series = bench.AddSeries({{20, 40}, {60, 50}});
    TDragMarksTool* tool = bench.AddTool<TDragMarksTool>();
    DragMarksToolTest() {
        series->Marks()->SetVisible(true);
        bench.Render();
    }
    TPoint MarkCentre(int index) {
        const TSeriesMarkPosition* p = series->Marks()->Positions().Position(index);
        return p ? TPoint{p->LeftTop.X + p->Width / 2, p->LeftTop.Y + p->Height / 2}
                 : TPoint{-1, -1};
    }
};

TEST_F(DragMarksToolTest, DraggingAMarkGivesItAPlaceOfItsOwn) {
    std::vector<int> dragging, dragged;
    tool->OnDraggingMark = [&](TDragMarksTool*, int i, TMouseButton, TShiftState, int, int) {
        dragging.push_back(i);
    };
    tool->OnDraggedMark = [&](TDragMarksTool*, int i, TMouseButton, TShiftState, int, int) {
        dragged.push_back(i);
    };
    const TSeriesMarkPosition before = *series->Marks()->Positions().Position(1);
    const TPoint c = MarkCentre(1);
    bench.Move(c.X, c.Y);
    EXPECT_EQ(bench.Chart().Cursor(), crHandPoint);
    bench.Drag(c.X, c.Y, c.X + 12, c.Y - 7);
    const TSeriesMarkPosition& after = *series->Marks()->Positions().Position(1);
    EXPECT_TRUE(after.Custom);
    EXPECT_EQ(after.LeftTop, (TPoint{before.LeftTop.X + 12, before.LeftTop.Y - 7}));
    EXPECT_EQ(after.ArrowTo, (TPoint{before.ArrowTo.X + 12, before.ArrowTo.Y - 7}));
    EXPECT_EQ(after.ArrowFrom, before.ArrowFrom);
    EXPECT_FALSE(dragging.empty());
    EXPECT_EQ(dragged, (std::vector<int>{1}));
    EXPECT_EQ(tool->DraggedIndex(), -1);
}

TEST_F(DragMarksToolTest, OnlyTheToolsSeriesMarksAreTaken) {
    TPointSeries* other = bench.AddSeries({{40, 80}});
    other->Marks()->SetVisible(true);
    tool->SetSeries(other);
    bench.Render();
    // A mark of the first series is not the tool's.
    const TPoint c = MarkCentre(0);
    bench.Drag(c.X, c.Y, c.X + 12, c.Y + 12);
    EXPECT_FALSE(series->Marks()->Positions().Position(0)->Custom);
    EXPECT_FALSE(other->Marks()->Positions().Position(0)->Custom);
    EXPECT_EQ(tool->DraggedIndex(), -1);
}

}  // namespace
