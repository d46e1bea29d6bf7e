// The colour line through mouse sequences on the bench: where its style puts it as the axis
// changes, dragging that stops at the axis ends (unless told not to) on every orientation, the
// left button alone, drags drawn without a drawing pass, the drag events, and the drawing phase
// of each part.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/engine/ChartAxis.h"
#include "chart/tools/axis/ColorLineTool.h"
#include "tests/chart/tools/ToolBench.h"

namespace {

struct ColorLineToolTest : ::testing::Test {
    TToolBench bench;
    TColorLineTool* line = bench.AddTool<TColorLineTool>();
    ColorLineToolTest() {
        bench.AddSeries({{10, 10}, {90, 90}});
        line->SetAxis(&bench.Bottom());
        line->SetValue(50);
        line->Pen()->SetColor(clRed);
    }
    // A point on the line, halfway across the chart rectangle.
    TPoint OnLine() {
        const TRect& r = bench.Chart().ChartRect();
        const int p = line->LineAxis()->PixelOfValue(line->CurrentValue());
        return line->LineAxis()->Horizontal() ? TPoint{p, (r.Top + r.Bottom) / 2}
                                              : TPoint{(r.Left + r.Right) / 2, p};
    }
};

TEST_F(ColorLineToolTest, TheStyleFollowsTheAxisAndAnyValueSetMakesItCustom) {
    const struct {
        TColorLineStyle Style;
        double Expected;  // on an axis of 0 .. 200
    } cases[] = {{clMaximum, 200}, {clCenter, 100}, {clMinimum, 0}, {clCustom, 50}};
    for (const auto& c : cases) {
        line->SetStyle(c.Style);
        bench.Bottom().SetLimits(0, 100);
        bench.Render();
        bench.Bottom().SetLimits(0, 200);
        bench.Render();
        EXPECT_EQ(line->CurrentValue(), c.Expected) << c.Style;
    }
    line->SetStyle(clCenter);
    line->SetValue(70);
    EXPECT_EQ(line->Style(), clCustom);
    // Dragging makes it custom too.
    line->SetStyle(clCenter);
    bench.Render();
    const TPoint p = OnLine();
    bench.Drag(p.X, p.Y, p.X + 20, p.Y);
    EXPECT_EQ(line->Style(), clCustom);
    EXPECT_EQ(line->Value(), bench.Bottom().ValueAtPixel(p.X + 20));
}

TEST_F(ColorLineToolTest, ADragStopsAtTheAxisEndUnlessToldNotTo) {
    const struct {
        bool Vertical, Inverted, NoLimit;
    } cases[] = {{false, false, false}, {false, true, false}, {true, false, false},
                 {true, true, false},   {false, false, true}, {true, true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "vertical " << c.Vertical << ", inverted " << c.Inverted
                                        << ", no limit " << c.NoLimit);
        TChartAxis& axis = c.Vertical ? bench.Left() : bench.Bottom();
        bench.Bottom().SetInverted(false);
        bench.Left().SetInverted(false);
        axis.SetInverted(c.Inverted);
        line->SetAxis(&axis);
        line->SetValue(50);
        line->SetNoLimitDrag(c.NoLimit);
        bench.Render();
        const TPoint p = OnLine();
        // 30 pixels past the end pixel of the axis.
        const int beyond = axis.EndPos() + 30;
        if (c.Vertical)
            bench.Drag(p.X, p.Y, p.X, beyond);
        else
            bench.Drag(p.X, p.Y, beyond, p.Y);
        EXPECT_EQ(line->Value(), axis.ValueAtPixel(c.NoLimit ? beyond : axis.EndPos()));
        EXPECT_EQ(line->LimitValue(axis.ValueAtPixel(beyond)), axis.ValueAtPixel(axis.EndPos()));
        EXPECT_EQ(line->LimitValue(axis.ValueAtPixel(axis.StartPos() - 30)),
                  axis.ValueAtPixel(axis.StartPos()));
    }
}

TEST_F(ColorLineToolTest, OnlyTheLeftButtonDragsAndOnlyOverTheLine) {
    const struct {
        const char* What;
        TMouseButton Button;
        int Dx;
        bool Drags;
    } cases[] = {{"left on the line", mbLeft, 2, true},
                 {"right on the line", mbRight, 0, false},
                 {"middle on the line", mbMiddle, 0, false},
                 {"left 3 pixels off", mbLeft, 3, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        // A right-button drag pans the chart: every case starts from the same axes.
        line->SetValue(50);
        bench.Bottom().SetLimits(0, 100);
        bench.Left().SetLimits(0, 100);
        bench.Render();
        const TPoint p = OnLine();
        bench.Press(p.X + c.Dx, p.Y, c.Button);
        EXPECT_EQ(line->Dragging(), c.Drags);
        bench.Move(p.X + 40, p.Y);
        bench.Release(p.X + 40, p.Y, c.Button);
        EXPECT_EQ(line->Value() != 50, c.Drags);
    }
}

TEST_F(ColorLineToolTest, ADragWithoutRepaintsDrawsTheLineAloneAndRepaintsOnceAtTheEnd) {
    std::vector<std::string> events;
    line->OnBeginDragLine = [&](TColorLineTool*) { events.push_back("begin"); };
    line->OnDragLine = [&](TColorLineTool*) { events.push_back("drag"); };
    line->OnEndDragLine = [&](TColorLineTool*) { events.push_back("end"); };
    line->OnEndDragInternal = [&](TColorLineTool*) { events.push_back("internal"); };
    bench.Render();
    const TPoint p = OnLine();
    const int64_t passes = bench.Chart().DrawPasses;
    const int64_t invalidations = bench.Chart().Invalidations;
    const TColor under = bench.FrontPixel(p.X + 30, p.Y);
    ASSERT_EQ(bench.FrontPixel(p.X, p.Y), clRed);
    bench.Press(p.X, p.Y);
    bench.Move(p.X + 30, p.Y);
    // Gone from its old place, shown at the new one.
    EXPECT_NE(bench.FrontPixel(p.X, p.Y), clRed);
    EXPECT_NE(bench.FrontPixel(p.X + 30, p.Y), under);
    bench.Move(p.X + 35, p.Y);
    EXPECT_EQ(bench.Chart().DrawPasses, passes);
    EXPECT_EQ(bench.Chart().Invalidations, invalidations);
    bench.Release(p.X + 35, p.Y);
    EXPECT_EQ(bench.Chart().Invalidations, invalidations + 1);
    EXPECT_EQ(events, (std::vector<std::string>{"begin", "drag", "drag", "internal", "end"}));
    bench.Render();
    EXPECT_EQ(bench.FrontPixel(p.X + 35, p.Y), clRed);
}

TEST_F(ColorLineToolTest, ADragWithRepaintsRepaintsEveryMove) {
    line->SetDragRepaint(true);
    bench.Render();
    const TPoint p = OnLine();
    const int64_t invalidations = bench.Chart().Invalidations;
    bench.Drag(p.X, p.Y, p.X + 20, p.Y);
    EXPECT_EQ(bench.Chart().Invalidations, invalidations + 4);  // four moves of 5 pixels
}

TEST_F(ColorLineToolTest, EachPartIsDrawnInItsPhase) {
    const struct {
        bool Draw3D, DrawBehind;
        int Phase;
    } cases[] = {{true, false, cteBeforeDrawSeries},
                 {false, true, cteBeforeDrawSeries},
                 {false, false, cteAfterDraw}};
    TPhaseProbe* probe = bench.AddTool<TPhaseProbe>();
    for (const auto& c : cases) {
        line->SetDraw3D(c.Draw3D);
        line->SetDrawBehind(c.DrawBehind);
        bench.Render();
        probe->At = OnLine();
        probe->At.Y += 7;  // off the horizontal grid lines
        probe->Seen.clear();
        bench.Render();
        EXPECT_EQ(probe->PhaseOfColor(clRed), c.Phase) << c.Draw3D << c.DrawBehind;
        EXPECT_EQ(bench.FrontPixel(probe->At.X, probe->At.Y), clRed);
    }
}

}  // namespace
