// The rotate tool through the bench's mouse and manual clock: the turn per pixel by speed, the
// angle limits of the normal canvas against a canvas that turns freely, inertia tick by tick
// until it stops, the outline mode's single repaint, the cursor, and its editor and stream.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "chart/foundation/ChartPen.h"
#include "chart/foundation/ResourceRoutines.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "chart/foundation/View3DOptions.h"
#include "chart/tools/view/RotateTool.h"
#include "chart/tools/view/RotateToolEditor.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Screen.h"
#include "platform/ui/ScrollBar.h"
#include "tests/chart/editors/EditorSteps.h"
#include "tests/chart/tools/ToolBench.h"
#include "tests/chart/tools/ToolRoundTrip.h"
#include "tests/chart/tools/ToolsPageDriver.h"

namespace {

// A canvas that turns freely, as a 3-D renderer's would.
class TFreeTurningCanvas : public TTeeCanvas3D {
public:
    bool SupportsFreeRotation() override { return true; }
};

struct RotateToolTest : testing::Test {
    TToolBench bench;
    TRotateTool* tool = nullptr;
    TView3DOptions& View() { return *bench.Chart().View3DOptions(); }
    RotateToolTest() {
        bench.AddSeries({{10, 10}, {90, 90}});
        tool = bench.AddTool<TRotateTool>();
    }
    void SetAngles(double rotation, double elevation) {
        View().SetRotationExact(rotation);
        View().SetElevationExact(elevation);
    }
    // A press at (100, 100), one move by (dx, dy), the release there.
    void DragBy(int dx, int dy) {
        bench.Press(100, 100);
        bench.Move(100 + dx, 100 + dy);
        bench.Release(100 + dx, 100 + dy);
    }
};

TEST_F(RotateToolTest, SpeedScalesTheTurnPerPixel) {
    const struct {
        int Speed;
        double Factor;
    } speeds[] = {{0, 0.5}, {50, 1}, {150, 2}, {300, 3.5}};
    for (const auto& s : speeds) {
        SCOPED_TRACE(s.Speed);
        tool->SetSpeed(s.Speed);
        SetAngles(100, 300);
        DragBy(40, -30);
        EXPECT_NEAR(tool->RotationIncrement(), 40 * 90.0 / TToolBench::Width * s.Factor, 1e-12);
        EXPECT_NEAR(tool->ElevationIncrement(), 30 * 90.0 / TToolBench::Height * s.Factor, 1e-12);
        EXPECT_NEAR(View().RotationExact(), 100 + tool->RotationIncrement(), 1e-9);
        EXPECT_NEAR(View().ElevationExact(), 300 + tool->ElevationIncrement(), 1e-9);
    }
    tool->SetInverted(true);
    tool->SetSpeed(50);
    SetAngles(100, 300);
    DragBy(40, 0);
    EXPECT_NEAR(View().RotationExact(), 100 - 9, 1e-9);
    EXPECT_FALSE(View().Orthogonal());
    EXPECT_TRUE(bench.Chart().View3D());
}

TEST_F(RotateToolTest, AngleLimitsOnTheNormalAndTheFreeCanvas) {
    const struct {
        bool Free;
        double Rotation, Elevation;
        int Dx, Dy;
        double NewRotation, NewElevation;
    } cases[] = {
        // The normal canvas: rotation wraps, elevation stays within 270..360.
        {false, 350, 350, 80, -200, 350 + 18 - 360, 360},
        {false, 5, 290, -80, 200, 5 - 18 + 360, 270},
        // A canvas turning freely wraps both.
        {true, 350, 350, 80, -200, 350 + 18 - 360, 350 + 60 - 360},
        {true, 5, 10, -80, 200, 5 - 18 + 360, 10 - 60 + 360},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Free << " " << c.Rotation << " " << c.Elevation);
        if (c.Free) bench.Chart().ReplaceCanvas(std::make_unique<TFreeTurningCanvas>());
        SetAngles(c.Rotation, c.Elevation);
        DragBy(c.Dx, c.Dy);
        EXPECT_NEAR(View().RotationExact(), c.NewRotation, 1e-9);
        EXPECT_NEAR(View().ElevationExact(), c.NewElevation, 1e-9);
    }
    // One style turns only its own angle.
    tool->SetStyle(rsElevation);
    SetAngles(100, 300);
    DragBy(40, -30);
    EXPECT_EQ(View().RotationExact(), 100);
    EXPECT_NE(View().ElevationExact(), 300);
}

TEST_F(RotateToolTest, InertiaSlowsDownAtEachDrawingAndStops) {
    tool->SetInertia(50);
    SetAngles(100, 300);
    bench.Render();
    DragBy(40, 0);
    ASSERT_TRUE(tool->Turning());
    // Each drawing event takes (100 - Inertia) per mille off the turn.
    double increment = tool->RotationIncrement();
    tool->ChartDrawEvent(cteAfterDraw);
    EXPECT_NEAR(tool->RotationIncrement(), increment * 0.95, 1e-12);
    increment = tool->RotationIncrement();
    int ticks = 0;
    while (tool->Turning() && ticks < 1000) {
        const double before = View().RotationExact();
        bench.Clock.Advance(1);
        ++ticks;
        // Each tick turns by the increment left; each drawing pass slows it down.
        double turned = View().RotationExact() - before;
        if (turned < -180) turned += 360;
        EXPECT_NEAR(turned, increment, 1e-9) << ticks;
        bench.Render();
        EXPECT_LT(std::fabs(tool->RotationIncrement()), std::fabs(increment)) << ticks;
        increment = tool->RotationIncrement();
    }
    EXPECT_FALSE(tool->Turning());
    EXPECT_GT(ticks, 10);
    EXPECT_LE(std::fabs(tool->RotationIncrement()), 0.01);
    const double still = View().RotationExact();
    bench.Clock.Advance(100);
    EXPECT_EQ(View().RotationExact(), still);

    // Without inertia the view stops with the mouse.
    tool->SetInertia(0);
    DragBy(40, 0);
    EXPECT_FALSE(tool->Turning());
    const double stopped = View().RotationExact();
    bench.Clock.Advance(100);
    EXPECT_EQ(View().RotationExact(), stopped);
}

TEST_F(RotateToolTest, OutlineModeRepaintsOnceAtTheRelease) {
    bench.Render();
    // A hidden pen: the chart keeps repainting itself as the view turns.
    bench.Press(100, 100);
    bench.Move(110, 100);
    EXPECT_TRUE(bench.Chart().AutoRepaint());
    bench.Release(110, 100);

    // A visible pen: repaints are held back while the outline moves, and the release gives
    // one.
    tool->Pen()->SetVisible(true);
    bench.Press(100, 100);
    for (int x = 105; x <= 120; x += 5) {
        bench.Move(x, 100);
        EXPECT_FALSE(bench.Chart().AutoRepaint());
    }
    const int64_t before = bench.Chart().Invalidations;
    bench.Release(120, 100);
    EXPECT_TRUE(bench.Chart().AutoRepaint());
    EXPECT_EQ(bench.Chart().Invalidations, before + 1);
}

TEST_F(RotateToolTest, OnlyItsButtonTurnsAndTheCursorComesBack) {
    SetAngles(100, 300);
    Screen()->SetCursor(crDefault);
    bench.Press(100, 100, mbRight);
    EXPECT_FALSE(tool->Dragging());
    bench.Move(140, 100);
    bench.Release(140, 100, mbRight);
    EXPECT_EQ(View().RotationExact(), 100);

    int rotated = 0;
    tool->OnRotate = [&](TObject*) { ++rotated; };
    bench.Press(100, 100);
    EXPECT_EQ(Screen()->Cursor(), crTeeHand);
    bench.Move(110, 100);
    bench.Move(120, 100);
    bench.Release(120, 100);
    EXPECT_EQ(rotated, 2);
    EXPECT_EQ(Screen()->Cursor(), crDefault);
}

TEST(RotateToolEditing, FromTheGalleryEditedAndStreamed) {
    TToolBench bench;
    TToolsPageDriver page{bench};
    auto* tool = dynamic_cast<TRotateTool*>(page.AddFromGallery(&TRotateTool::StaticClass()));
    ASSERT_NE(tool, nullptr);
    auto* editor = page.Editor<TRotateToolEditor>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->CBButton->ItemIndex(), 0);
    RunSteps({
        {"inverted", [&] { TToolsPageDriver::Click(editor->CBInverted); },
         [&] { return tool->Inverted(); }},
        {"elevation only", [&] { Choose(editor->CBStyle, 2); },
         [&] { return tool->Style() == rsElevation; }},
        {"the middle button is the second item", [&] { Choose(editor->CBButton, 1); },
         [&] { return tool->Button() == mbMiddle; }},
        {"the right button the third", [&] { Choose(editor->CBButton, 2); },
         [&] { return tool->Button() == mbRight; }},
        {"speed", [&] { editor->ESpeed->SetText("150"); }, [&] { return tool->Speed() == 150; }},
        {"inertia", [&] { editor->SBInertia->SetPosition(30); },
         [&] { return tool->Inertia() == 30; }},
    });
    ExpectToolRoundTrips(bench, *tool);
}

}  // namespace
