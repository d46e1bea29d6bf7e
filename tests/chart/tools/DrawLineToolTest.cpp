// The draw line tool through mouse sequences on the bench: drawing a line (a click alone draws
// none, another button nothing), the hit test of every style, selecting (and refusing to),
// dragging the whole line or one end, the cursor over lines, switching selection off; the lines
// stay in axis values, so they scroll with the axis, and they go through the text and the
// binary chart stream with and without a pen of their own. Drawing while dragging is NOT-XOR:
// the chart is never drawn again, and moving back restores every pixel.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/engine/ChartAxis.h"
#include "chart/foundation/ChartPen.h"
#include "chart/tools/overlay/DrawLineTool.h"
#include "platform/classes/Cursors.h"
#include "tests/chart/tools/ToolBench.h"
#include "tests/chart/tools/ToolRoundTrip.h"

namespace {

struct DrawLineToolTest : ::testing::Test {
    TToolBench bench;
    TDrawLineTool* tool = bench.AddTool<TDrawLineTool>();
    std::vector<std::string> events;

    DrawLineToolTest() {
        bench.Render();
        tool->OnNewLine = [this](TObject*) { events.push_back("new"); };
        tool->OnSelect = [this](TObject*) { events.push_back("select"); };
        tool->OnDragLine = [this](TObject*) { events.push_back("drag"); };
        tool->OnDraggedLine = [this](TObject*) { events.push_back("dragged"); };
    }
    // A line drawn by the mouse between two points given in axis values.
    TDrawLine* DrawByMouse(double x0, double y0, double x1, double y1) {
        const int before = tool->Lines()->Count();
        bench.Drag(bench.XPixel(x0), bench.YPixel(y0), bench.XPixel(x1), bench.YPixel(y1));
        if (tool->Lines()->Count() != before + 1) return nullptr;
        return tool->Lines()->Line(before);
    }
    TDrawLine* AddLine(TDrawLineStyle style, double x0, double y0, double x1, double y1) {
        auto* line = static_cast<TDrawLine*>(tool->Lines()->Add());
        line->SetStyle(style);
        line->SetX0(x0);
        line->SetY0(y0);
        line->SetX1(x1);
        line->SetY1(y1);
        return line;
    }
};

TEST_F(DrawLineToolTest, DrawingKeepsTheLineInAxisValuesAndSelectsIt) {
    TDrawLine* line = DrawByMouse(20, 20, 60, 80);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->StartPixel(), (TPoint{bench.XPixel(20), bench.YPixel(20)}));
    EXPECT_EQ(line->EndPixel(), (TPoint{bench.XPixel(60), bench.YPixel(80)}));
    EXPECT_DOUBLE_EQ(line->X0(), bench.Bottom().ValueAtPixel(bench.XPixel(20)));
    EXPECT_DOUBLE_EQ(line->Y1(), bench.Left().ValueAtPixel(bench.YPixel(80)));
    EXPECT_EQ(line->Style(), dlLine);
    EXPECT_EQ(tool->Selected(), line);
    EXPECT_EQ(events.back(), "new");
    EXPECT_FALSE(tool->Drawing());
    // The press was the tool's: the chart did not zoom into the dragged rectangle.
    EXPECT_EQ(bench.Bottom().Minimum(), 0);
    EXPECT_EQ(bench.Bottom().Maximum(), 100);

    // A new style for new lines only.
    tool->SetStyle(dlRectangle);
    tool->SetSelectNewLines(false);
    TDrawLine* second = DrawByMouse(10, 10, 30, 30);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->Style(), dlRectangle);
    EXPECT_EQ(line->Style(), dlLine);
    EXPECT_EQ(tool->Selected(), nullptr);
}

TEST_F(DrawLineToolTest, AClickAloneOrAnotherButtonDrawsNothing) {
    bench.Press(100, 100);
    bench.Release(100, 100);
    EXPECT_EQ(tool->Lines()->Count(), 0);
    EXPECT_EQ(DrawByMouse(10, 10, 50, 50) != nullptr, true);
    bench.Drag(200, 100, 250, 150, mbRight);
    EXPECT_EQ(tool->Lines()->Count(), 1);
    // Its own button may be another one.
    tool->SetButton(mbRight);
    bench.Drag(200, 100, 250, 150, mbRight);
    EXPECT_EQ(tool->Lines()->Count(), 2);
}

TEST_F(DrawLineToolTest, LinesScrollWithTheirAxis) {
    TDrawLine* line = AddLine(dlLine, 20, 30, 40, 50);
    bench.Render();
    const TPoint before = line->StartPixel();
    bench.Bottom().ScrollRange(10, false);
    bench.Render();
    EXPECT_LT(line->StartPixel().X, before.X);
    EXPECT_EQ(line->StartPixel().X, bench.XPixel(20));
    EXPECT_EQ(line->StartPixel().Y, before.Y);
    EXPECT_DOUBLE_EQ(line->X0(), 20);
}

TEST_F(DrawLineToolTest, TheHitTestOfEveryStyle) {
    // In pixels: from (100, 100) to (200, 160).
    const double x0 = bench.Bottom().ValueAtPixel(100), x1 = bench.Bottom().ValueAtPixel(200);
    const double y0 = bench.Left().ValueAtPixel(100), y1 = bench.Left().ValueAtPixel(160);
    const struct {
        TDrawLineStyle Style;
        int X, Y;
        TDrawLinePart Kind;
        bool Hit;
    } cases[] = {
        {dlLine, 150, 130, dlpBody, true},
        {dlLine, 150, 140, dlpBody, false},
        {dlLine, 103, 97, dlpStart, true},
        {dlLine, 104, 100, dlpStart, false},
        {dlLine, 197, 163, dlpEnd, true},
        {dlLine, 150, 130, dlpEnd, false},
        {dlHorizParallel, 150, 100, dlpBody, true},
        {dlHorizParallel, 150, 160, dlpBody, true},
        {dlHorizParallel, 150, 130, dlpBody, false},
        {dlVertParallel, 100, 130, dlpBody, true},
        {dlVertParallel, 200, 130, dlpBody, true},
        {dlVertParallel, 150, 130, dlpBody, false},
        {dlRectangle, 150, 130, dlpBody, true},
        {dlRectangle, 200, 160, dlpBody, true},
        {dlRectangle, 201, 130, dlpBody, false},
        {dlEllipse, 101, 159, dlpBody, true},
    };
    for (const auto& c : cases) {
        TDrawLine* line = AddLine(c.Style, x0, y0, x1, y1);
        ASSERT_EQ(line->StartPixel(), (TPoint{100, 100}));
        EXPECT_EQ(line->Clicked(c.X, c.Y, 0, c.Kind), c.Hit)
            << int(c.Style) << " at " << c.X << "," << c.Y << " kind " << int(c.Kind);
        delete line;
    }
}

TEST_F(DrawLineToolTest, SelectingDraggingTheLineOrOneEnd) {
    TDrawLine* a = AddLine(dlLine, 10, 10, 30, 10);
    TDrawLine* b = AddLine(dlLine, 10, 50, 30, 50);
    bench.Render();
    // Refused: nothing is selected and nothing moves.
    tool->OnSelecting = [](TDrawLineTool*, TDrawLine*, bool& allow) { allow = false; };
    bench.Drag(bench.XPixel(20), bench.YPixel(10), bench.XPixel(20), bench.YPixel(20));
    EXPECT_EQ(tool->Selected(), nullptr);
    EXPECT_DOUBLE_EQ(a->Y0(), 10);
    tool->OnSelecting = nullptr;

    // Selected by its body and dragged whole at once.
    const TPoint a0 = a->StartPixel(), a1 = a->EndPixel();
    bench.Drag(bench.XPixel(20), a0.Y, bench.XPixel(20) + 15, a0.Y - 25);
    EXPECT_EQ(tool->Selected(), a);
    EXPECT_EQ(a->StartPixel(), (TPoint{a0.X + 15, a0.Y - 25}));
    EXPECT_EQ(a->EndPixel(), (TPoint{a1.X + 15, a1.Y - 25}));
    EXPECT_EQ(events, (std::vector<std::string>{"select", "drag", "drag", "drag", "drag", "drag",
                                                "dragged"}));

    // Its end handle takes the end alone to the mouse.
    const TPoint start = a->StartPixel(), end = a->EndPixel();
    bench.Drag(end.X + 2, end.Y - 2, end.X + 40, end.Y + 30);
    EXPECT_EQ(a->StartPixel(), start);
    EXPECT_EQ(a->EndPixel(), (TPoint{end.X + 40, end.Y + 30}));

    // The cursor over the selected line's handle, over another line, and elsewhere.
    bench.Move(start.X, start.Y);
    EXPECT_EQ(bench.Chart().Cursor(), crCross);
    bench.Move(bench.XPixel(20), b->StartPixel().Y);
    EXPECT_EQ(bench.Chart().Cursor(), crHandPoint);

    // A press beside every line clears the selection (and starts a new line).
    bench.Drag(300, 250, 310, 250);
    EXPECT_NE(tool->Selected(), a);
    EXPECT_EQ(tool->Lines()->Count(), 3);
}

TEST_F(DrawLineToolTest, WithoutSelectingLinesAreStillDrawn) {
    TDrawLine* line = DrawByMouse(20, 20, 60, 20);
    ASSERT_EQ(tool->Selected(), line);
    tool->SetEnableSelect(false);
    EXPECT_EQ(tool->Selected(), nullptr);
    bench.Chart().SetCursor(crDefault);
    bench.Move(bench.XPixel(40), bench.YPixel(20));
    EXPECT_EQ(bench.Chart().Cursor(), crDefault);
    // A press on the line draws a new one rather than selecting it.
    tool->SetSelectNewLines(false);
    ASSERT_NE(DrawByMouse(40, 20, 40, 60), nullptr);
    EXPECT_EQ(tool->Selected(), nullptr);
    EXPECT_EQ(tool->Lines()->Count(), 2);
}

TEST_F(DrawLineToolTest, AGoingLineTakesTheSelectionWithIt) {
    TDrawLine* line = DrawByMouse(20, 20, 60, 20);
    ASSERT_EQ(tool->Selected(), line);
    delete line;
    EXPECT_EQ(tool->Selected(), nullptr);
}

TEST_F(DrawLineToolTest, DrawingIsNotXorOverTheFinishedChart) {
    AddLine(dlLine, 10, 90, 90, 90);
    bench.Render();
    const std::vector<uint8_t> drawn = bench.FrontPixels();
    const int64_t passes = bench.Chart().DrawPasses;
    const int x = bench.XPixel(20), y = bench.YPixel(20);
    bench.Press(x, y);
    bench.Move(x + 60, y - 40);
    EXPECT_NE(bench.FrontPixels(), drawn);
    bench.Move(x + 90, y - 10);
    bench.Move(x, y);
    EXPECT_EQ(bench.FrontPixels(), drawn);
    EXPECT_EQ(bench.Chart().DrawPasses, passes);
}

TEST_F(DrawLineToolTest, LinesGoThroughTheStreamWithAndWithoutTheirOwnPen) {
    tool->Pen()->SetColor(clNavy);
    TDrawLine* plain = AddLine(dlHorizParallel, 1.5, 2.25, 70, 80);
    TDrawLine* own = AddLine(dlEllipse, 10, 20, 30, 40);
    own->Pen()->SetColor(clRed);
    own->Pen()->SetWidth(3);
    EXPECT_FALSE(plain->HasOwnPen());
    EXPECT_TRUE(own->HasOwnPen());
    tool->SetClickTolerance(4);
    tool->SetEnableDraw(false);
    tool->SetStyle(dlVertParallel);
    ExpectToolRoundTrips(bench, *tool);
    for (const bool asText : {true, false}) {
        TComponent owner(nullptr);
        auto* read = dynamic_cast<TDrawLineTool*>(ReadBackTool(bench, *tool, asText, owner));
        ASSERT_NE(read, nullptr);
        ASSERT_EQ(read->Lines()->Count(), 2);
        const TDrawLine& p = *read->Lines()->Line(0);
        const TDrawLine& o = *read->Lines()->Line(1);
        EXPECT_FALSE(p.HasOwnPen());
        EXPECT_EQ(p.LinePen()->Color(), clNavy);
        EXPECT_TRUE(o.HasOwnPen());
        EXPECT_EQ(o.LinePen()->Color(), clRed);
        EXPECT_EQ(o.LinePen()->Width(), 3);
        EXPECT_EQ(p.X0(), 1.5);
        EXPECT_EQ(p.Y0(), 2.25);
        EXPECT_EQ(o.Style(), dlEllipse);
    }
    // Without its pen again, the line follows the tool's.
    own->SetPen(nullptr);
    EXPECT_FALSE(own->HasOwnPen());
    EXPECT_EQ(own->LinePen(), tool->Pen());
}

}  // namespace
