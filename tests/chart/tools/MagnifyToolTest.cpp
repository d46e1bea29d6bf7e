// The magnifier over a known pattern: the centre of its box enlarged, no zoom at the least
// percentage, the round glass without square corners; the wheel's clamps, the box following
// the mouse; its stream and its editor.
#include <gtest/gtest.h>

#include "chart/engine/AxisPanel.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/tools/annotation/AnnotationToolEditor.h"
#include "chart/tools/annotation/MagnifyTool.h"
#include "chart/tools/annotation/MagnifyToolEditor.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/TrackBar.h"
#include "tests/chart/tools/ToolBench.h"
#include "tests/chart/tools/ToolEditorLoad.h"
#include "tests/chart/tools/ToolRoundTrip.h"

namespace {

// Paints red left of x = 30 and blue from there, over the magnifier's first box.
class TStripesTool : public TTeeCustomTool {
public:
    using TTeeCustomTool::TTeeCustomTool;
    void ChartDrawEvent(TChartToolEvent event) override {
        if (event != cteAfterDraw || !ParentChart()) return;
        TCanvas3D& c = *ParentChart()->Canvas3D();
        c.Pen()->SetStyle(psClear);
        c.Brush()->SetStyle(bsSolid);
        c.Brush()->SetColor(clRed);
        c.FillRectangle(TRect{0, 0, 30, 80});
        c.Brush()->SetColor(clBlue);
        c.FillRectangle(TRect{30, 0, 80, 80});
    }
};

struct MagnifyToolTest : ::testing::Test {
    TToolBench bench;
    TStripesTool* stripes = bench.AddTool<TStripesTool>();
    TMagnifyTool* glass = bench.AddTool<TMagnifyTool>();
};

TEST_F(MagnifyToolTest, ShowsTheCentreOfItsBoxEnlarged) {
    EXPECT_EQ(glass->ShapeBounds(), (TRect{10, 10, 59, 59}));
    EXPECT_EQ(glass->Shape()->Transparency(), 0);
    EXPECT_EQ(glass->Shape()->Brush()->Style(), bsClear);
    glass->Pen()->SetVisible(false);
    // At 50 percent the middle 26 columns of the box (x = 22 .. 47) fill it: the 8 red ones
    // (22 .. 29) become 15, the stripes' edge moves from x = 30 to x = 25.
    bench.Render();
    for (int x = 10; x <= 59; ++x) EXPECT_EQ(bench.FrontPixel(x, 30), x < 25 ? clRed : clBlue) << x;
    EXPECT_EQ(bench.FrontPixel(24, 12), clRed);
    EXPECT_EQ(bench.FrontPixel(25, 57), clBlue);
    // Outside the box the stripes are as painted.
    EXPECT_EQ(bench.FrontPixel(5, 30), clRed);
    // At the least percentage nothing is enlarged.
    glass->SetPercent(0.001);
    bench.Render();
    EXPECT_EQ(bench.FrontPixel(12, 30), clRed);
    EXPECT_EQ(bench.FrontPixel(27, 30), clRed);
    EXPECT_EQ(bench.FrontPixel(34, 30), clBlue);
}

TEST_F(MagnifyToolTest, TheOutlineSquareOrRound) {
    glass->Pen()->SetColor(clLime);
    bench.Render();
    EXPECT_EQ(bench.FrontPixel(10, 10), clLime);
    glass->SetCircled(true);
    bench.Render();
    // No square corner: the stripes show there.
    EXPECT_EQ(bench.FrontPixel(10, 10), clRed);
    EXPECT_EQ(bench.FrontPixel(10, 34), clLime);
}

TEST_F(MagnifyToolTest, TheWheelZoomsWithinItsLimitsOverTheGlassOnly) {
    bench.Render();
    glass->SetPercent(3);
    bench.Wheel(-120, 30, 30);
    EXPECT_DOUBLE_EQ(glass->Percent(), 0.001);
    glass->SetPercent(98);
    bench.Wheel(120, 30, 30);
    EXPECT_DOUBLE_EQ(glass->Percent(), 100);
    glass->SetPercent(50);
    bench.Wheel(120, 200, 200);
    EXPECT_DOUBLE_EQ(glass->Percent(), 50);
    glass->SetWheelZoom(-10);
    bench.Wheel(-120, 30, 30);
    EXPECT_DOUBLE_EQ(glass->Percent(), 40);
    glass->SetWheelZoom(0);
    bench.Wheel(-120, 30, 30);
    EXPECT_DOUBLE_EQ(glass->Percent(), 40);
}

TEST_F(MagnifyToolTest, FollowingTheMouseKeepsTheGlassCentredWithoutDragging) {
    glass->SetFollowMouse(true);
    bench.Render();
    bench.Move(200, 150);
    EXPECT_EQ(glass->ShapeBounds(), (TRect{175, 125, 224, 174}));
    bench.Move(100, 100);
    EXPECT_EQ(glass->ShapeBounds(), (TRect{75, 75, 124, 124}));
}

TEST_F(MagnifyToolTest, StreamedAndEdited) {
    // The stripes are no tool of the stream.
    stripes->SetParentChart(nullptr);
    glass->SetCircled(true);
    glass->SetFollowMouse(true);
    glass->SetPercent(30);
    glass->SetSmooth(true);
    glass->SetWheelZoom(-7);
    glass->SetAllowResize(false);
    ExpectToolRoundTrips(bench, *glass);
    TComponent owner(nullptr);
    auto* editor = ShowToolEditor<TMagnifyToolEditor>(bench, *glass, owner);
    EXPECT_EQ(editor->Tool(), glass);
    EXPECT_EQ(editor->TBFactor->Position(), 30);
    EXPECT_TRUE(editor->CBCircled->Checked());
    EXPECT_FALSE(editor->CBResize->Checked());
    ASSERT_NE(editor->AnnotationEditor(), nullptr);
    EXPECT_EQ(editor->PageControl1->PageCount(), 3);
    editor->TBFactor->SetPosition(70);
    EXPECT_DOUBLE_EQ(glass->Percent(), 70);
    editor->CBFollow->SetChecked(false);
    EXPECT_FALSE(glass->FollowMouse());
}

}  // namespace
