// The cursor tool through real mouse sequences on the bench: where it first stands, snapping
// (ties to the lowest index, nothing to snap to on an empty series), the hit test of every
// style, dragging one line at a time and never out of the axes, the claim that keeps later
// tools and the chart's zoom from a press, and its XOR figure that a move takes away again
// without a drawing pass. Then the tool made from the tools page, edited there and streamed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/engine/ChartAxis.h"
#include "chart/engine/PointSeries.h"
#include "chart/foundation/ComboFlat.h"
#include "chart/foundation/TeeZoom.h"
#include "chart/tools/overlay/CursorTool.h"
#include "chart/tools/overlay/CursorToolEditor.h"
#include "platform/classes/Cursors.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/UpDown.h"
#include "tests/chart/editors/EditorSteps.h"
#include "tests/chart/tools/ToolBench.h"
#include "tests/chart/tools/ToolRoundTrip.h"
#include "tests/chart/tools/ToolsPageDriver.h"

namespace {

struct TCursorChange {
    int X, Y;
    double XValue, YValue;
    TChartSeries* Series;
    int Index;
};

struct CursorToolTest : ::testing::Test {
    TToolBench bench;
    TCursorTool* cursor = bench.AddTool<TCursorTool>();
    std::vector<TCursorChange> changes;
    std::vector<TCursorChange> snaps;

    CursorToolTest() {
        cursor->OnChange = [this](TCursorTool*, int x, int y, double xv, double yv, TChartSeries* s,
                                  int index) {
            changes.push_back({x, y, xv, yv, s, index});
        };
        cursor->OnSnapChange = [this](TCursorTool*, int x, int y, double xv, double yv,
                                      TChartSeries* s, int index) {
            snaps.push_back({x, y, xv, yv, s, index});
        };
    }
    // The mouse over the point of the values.
    void MoveToValues(double x, double y) { bench.Move(bench.XPixel(x), bench.YPixel(y)); }
};

TEST_F(CursorToolTest, AFirstDrawingPlacesItAtTheAxesCentreAndReportsOnce) {
    bench.Render();
    const TChartAxis& h = bench.Bottom();
    const TChartAxis& v = bench.Left();
    EXPECT_EQ(cursor->XPixel(), (h.StartPos() + h.EndPos()) / 2);
    EXPECT_EQ(cursor->YPixel(), (v.StartPos() + v.EndPos()) / 2);
    EXPECT_NEAR(cursor->XValue(), 50, 0.5);
    EXPECT_NEAR(cursor->YValue(), 50, 0.5);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].X, cursor->XPixel());
    EXPECT_EQ(changes[0].Index, -1);
    bench.Render();
    EXPECT_EQ(changes.size(), 1u);
}

TEST_F(CursorToolTest, SnapsToTheNearestPointByItsStyleTiesGoingToTheLowestIndex) {
    // Points 0 and 1 share their X, so they tie whenever only X counts.
    const std::vector<std::pair<double, double>> points = {{30, 90}, {30, 10}, {70, 50}, {90, 52}};
    const struct {
        const char* What;
        TCursorToolStyle Style;
        TSnapStyle SnapStyle;
        double MouseX, MouseY;
        int Index;
    } cases[] = {
        {"both: the nearest in the plane", cssBoth, TSnapStyle::ssDefault, 72, 47, 2},
        {"snap vertical: X alone, a tie", cssBoth, TSnapStyle::ssVertical, 31, 50, 0},
        {"snap horizontal: Y alone", cssBoth, TSnapStyle::ssHorizontal, 31, 51.8, 3},
        {"horizontal cursor: Y alone", cssHorizontal, TSnapStyle::ssDefault, 31, 51.8, 3},
        {"vertical cursor: X alone, a tie", cssVertical, TSnapStyle::ssDefault, 29, 50, 0},
        {"scope: the nearest in the plane", cssScope, TSnapStyle::ssDefault, 35, 85, 0},
    };
    TPointSeries* series = bench.AddSeries(points);
    cursor->SetSnap(true);
    cursor->SetFollowMouse(true);
    cursor->SetSeries(series);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        cursor->SetStyle(c.Style);
        cursor->SetSnapStyle(c.SnapStyle);
        bench.Render();
        changes.clear();
        MoveToValues(c.MouseX, c.MouseY);
        ASSERT_EQ(changes.size(), 1u);
        EXPECT_EQ(changes[0].Index, c.Index);
        EXPECT_EQ(changes[0].Series, series);
        const auto [px, py] = points[size_t(c.Index)];
        // The style says which values the point gives.
        if (c.Style != cssVertical) {
            EXPECT_EQ(cursor->YValue(), py);
        }
        if (c.Style != cssHorizontal) {
            EXPECT_EQ(cursor->XValue(), px);
        }
        EXPECT_EQ(cursor->XPixel(), bench.XPixel(cursor->XValue()));
    }
}

TEST_F(CursorToolTest, OnAnEmptySeriesNothingIsSnappedAndTheIndexIsMinusOne) {
    cursor->SetSnap(true);
    cursor->SetFollowMouse(true);
    cursor->SetSeries(bench.AddSeries());
    bench.Render();
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].Index, -1);
    MoveToValues(20, 30);
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[1].Index, -1);
    EXPECT_NEAR(cursor->XValue(), 20, 0.5);
    EXPECT_NEAR(cursor->YValue(), 30, 0.5);
}

TEST_F(CursorToolTest, OnSnapChangeFiresOnlyWhenTheSnappedPointChanges) {
    cursor->SetSnap(true);
    cursor->SetFollowMouse(true);
    cursor->SetSeries(bench.AddSeries({{20, 20}, {80, 80}}));
    bench.Render();
    for (const double x : {15.0, 25.0, 22.0, 75.0, 85.0}) MoveToValues(x, x);
    ASSERT_EQ(snaps.size(), 2u);
    EXPECT_EQ(snaps[0].Index, 0);
    EXPECT_EQ(snaps[1].Index, 1);
    EXPECT_EQ(changes.size(), 6u);  // the first drawing and every move
}

TEST_F(CursorToolTest, TheHitTestOfEveryStyle) {
    enum { None = 0, H = 1, V = 2, Both = 3 };
    const struct {
        const char* Where;
        int Dx, Dy;
        int Expected[5];  // horizontal, vertical, both, scope, scope only
    } cases[] = {
        {"on the crossing", 0, 0, {H, V, Both, Both, Both}},
        {"on the horizontal line", 30, 0, {H, None, H, H, H}},
        {"on the vertical line", 0, 30, {None, V, V, V, V}},
        {"within the tolerance", 3, 40, {None, V, V, V, V}},
        {"beyond the tolerance", 4, 40, {None, None, None, None, None}},
        {"away from both", 30, 30, {None, None, None, None, None}},
    };
    bench.Render();
    const int x = cursor->XPixel(), y = cursor->YPixel();
    for (const auto& c : cases)
        for (int style = cssHorizontal; style <= cssScopeOnly; ++style) {
            SCOPED_TRACE(testing::Message() << c.Where << ", style " << style);
            cursor->SetStyle(TCursorToolStyle(style));
            bench.Press(x + c.Dx, y + c.Dy);
            EXPECT_EQ(int(cursor->Dragging()), c.Expected[style]);
            bench.Release(x + c.Dx, y + c.Dy);
            EXPECT_EQ(cursor->Dragging(), TCursorTool::dpNone);
        }
    // A line across the whole axis is hit only within the axis.
    cursor->SetStyle(cssBoth);
    EXPECT_EQ(cursor->LineAtPoint(bench.Bottom().StartPos() - 2, y), TCursorTool::dpNone);
    EXPECT_EQ(cursor->LineAtPoint(bench.Bottom().StartPos(), y), TCursorTool::dpHorizontal);
}

TEST_F(CursorToolTest, MovingOverALineShowsItsCursorAndClaimsTheMove) {
    TPhaseProbe* later = bench.AddTool<TPhaseProbe>();
    bench.Render();
    const int x = cursor->XPixel(), y = cursor->YPixel();
    const struct {
        int Dx, Dy;
        TCursor Shown;
        bool Claimed;
    } cases[] = {{30, 0, crVSplit, true},
                 {0, 30, crHSplit, true},
                 {0, 0, crSizeAll, true},
                 {30, 30, crDefault, false}};
    for (const auto& c : cases) {
        bench.Chart().SetCursor(crDefault);
        later->Mouse.clear();
        bench.Move(x + c.Dx, y + c.Dy);
        EXPECT_EQ(bench.Chart().Cursor(), c.Shown) << c.Dx << "," << c.Dy;
        EXPECT_EQ(later->Mouse.empty(), c.Claimed) << c.Dx << "," << c.Dy;
    }
}

TEST_F(CursorToolTest, DraggingMovesOneLineAtATimeAndStopsAtTheAxes) {
    bench.Render();
    const int x = cursor->XPixel(), y = cursor->YPixel();
    const double y0 = cursor->YValue();
    // The vertical line: X follows, Y stays.
    bench.Press(x, y + 30);
    bench.Move(x + 40, y + 30);
    EXPECT_EQ(cursor->XPixel(), x + 40);
    EXPECT_EQ(cursor->YValue(), y0);
    // Beyond the end of the axis the cursor stays where it was last inside.
    bench.Move(bench.Bottom().EndPos() + 20, y + 30);
    EXPECT_EQ(cursor->XPixel(), x + 40);
    bench.Move(bench.Bottom().EndPos(), y + 30);
    EXPECT_EQ(cursor->XPixel(), bench.Bottom().EndPos());
    bench.Release(bench.Bottom().EndPos(), y + 30);
    // After the release a move moves nothing.
    const size_t reported = changes.size();
    bench.Move(x, y + 30);
    EXPECT_EQ(cursor->XPixel(), bench.Bottom().EndPos());
    EXPECT_EQ(changes.size(), reported);

    // The horizontal line: Y follows, X stays.
    const double x1 = cursor->XValue();
    bench.Drag(x - 50, y, x - 50, y - 60);
    EXPECT_EQ(cursor->YPixel(), y - 60);
    EXPECT_EQ(cursor->XValue(), x1);
    // Any button drags: the cursor does not look at it.
    bench.Drag(x - 50, y - 60, x - 50, y - 40, mbRight);
    EXPECT_EQ(cursor->YPixel(), y - 40);
}

TEST_F(CursorToolTest, OnGetAxisRectNarrowsWhereItIsHitAndWhereItMoves) {
    cursor->SetFollowMouse(true);
    bench.Render();
    const int x = cursor->XPixel(), y = cursor->YPixel();
    cursor->OnGetAxisRect = [&](TCursorTool*, TRect& r) { r.Right = x + 50; };
    EXPECT_EQ(cursor->LineAtPoint(x + 50, y), TCursorTool::dpHorizontal);
    EXPECT_EQ(cursor->LineAtPoint(x + 51, y), TCursorTool::dpNone);
    bench.Move(x + 60, y + 10);
    EXPECT_EQ(cursor->XPixel(), x);
    bench.Move(x + 40, y + 10);
    EXPECT_EQ(cursor->XPixel(), x + 40);
    // The chart rectangle instead of the axes: the handler is not asked.
    cursor->FullChartRect = true;
    EXPECT_EQ(cursor->CursorRect(false), bench.Chart().ChartRect());
}

TEST_F(CursorToolTest, FollowingTheMouseNeverStartsADrag) {
    cursor->SetFollowMouse(true);
    bench.Render();
    bench.Press(cursor->XPixel(), cursor->YPixel());
    EXPECT_EQ(cursor->Dragging(), TCursorTool::dpNone);
    bench.Release(cursor->XPixel(), cursor->YPixel());
    bench.Move(100, 100);
    EXPECT_EQ(cursor->XPixel(), 100);
    EXPECT_EQ(cursor->YPixel(), 100);
}

TEST_F(CursorToolTest, APressOnTheCursorKeepsLaterToolsAndTheZoomFromIt) {
    bench.AddSeries({{10, 10}, {90, 90}});  // a chart with series zooms from its plot
    TPhaseProbe* later = bench.AddTool<TPhaseProbe>();
    bench.Render();
    const int x = cursor->XPixel(), y = cursor->YPixel();
    const struct {
        const char* What;
        int Dx, Dy;
        bool Claimed;
    } cases[] = {{"on the cursor", 0, 30, true}, {"beside it", 40, 30, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        later->Mouse.clear();
        bench.Press(x + c.Dx, y + c.Dy);
        EXPECT_EQ(bench.Chart().Zoom()->Active, !c.Claimed);
        EXPECT_EQ(later->Mouse.empty(), c.Claimed);
        bench.Release(x + c.Dx, y + c.Dy);
        EXPECT_FALSE(bench.Chart().Zoom()->Active);
    }
}

TEST_F(CursorToolTest, MovesRedrawOnlyTheCursorAndMovingBackRestoresEveryPixel) {
    cursor->SetFollowMouse(true);
    bench.AddSeries({{10, 10}, {50, 60}, {90, 30}});
    for (const TCursorToolStyle style : {cssBoth, cssScope, cssScopeOnly}) {
        for (const TScopeCursorStyle scope : {scsRectangle, scsCircle, scsDiamond, scsCamera}) {
            SCOPED_TRACE(testing::Message() << "style " << style << ", scope " << scope);
            cursor->SetStyle(style);
            cursor->SetScopeStyle(scope);
            cursor->SetHorizSize(style == cssBoth ? 0 : 15);
            cursor->SetVertSize(style == cssBoth ? 0 : 10);
            bench.Render();
            const std::vector<uint8_t> drawn = bench.FrontPixels();
            const int x = cursor->XPixel(), y = cursor->YPixel();
            const int64_t passes = bench.Chart().DrawPasses;
            const int64_t invalidations = bench.Chart().Invalidations;
            bench.Move(x + 37, y - 21);
            EXPECT_NE(bench.FrontPixels(), drawn);
            bench.Move(x - 50, y + 44);
            bench.Move(x, y);
            EXPECT_EQ(bench.FrontPixels(), drawn);
            EXPECT_EQ(bench.Chart().DrawPasses, passes);
            EXPECT_EQ(bench.Chart().Invalidations, invalidations);
        }
    }
}

TEST_F(CursorToolTest, ItDrawsOnlyOverTheFinishedChart) {
    // The probe watches a pixel of the vertical line.
    TPhaseProbe* probe = bench.AddTool<TPhaseProbe>();
    cursor->Pen()->SetColor(clRed);
    bench.Render();
    probe->At = TPoint{cursor->XPixel(), cursor->YPixel() + 20};
    probe->Seen.clear();
    bench.Render();
    std::vector<int> events;
    for (const auto& seen : probe->Seen) events.push_back(int(seen.Event));
    // Axes behind the series: before drawing, axes, series, after the series, after drawing.
    ASSERT_EQ(events, (std::vector<int>{2, 3, 1, 4, 0}));
    // The pen's colour XOR the chart's, XOR-ed over what the chart drew there.
    const TColor under = probe->Seen[3].Color;
    const TColor xorColor = ColorToRGB(clRed) ^ ColorToRGB(bench.Chart().Color());
    EXPECT_EQ(probe->Seen[4].Color, under ^ xorColor);
    EXPECT_EQ(bench.FrontPixel(probe->At.X, probe->At.Y), under ^ xorColor);
}

TEST_F(CursorToolTest, SettingTheStyleSnapsAgainAtOnce) {
    cursor->SetFollowMouse(true);
    cursor->SetSeries(bench.AddSeries({{20, 70}}));
    bench.Render();
    MoveToValues(40, 30);
    const double x = cursor->XValue();
    cursor->SetSnap(true);  // a plain field: nothing moves yet
    EXPECT_EQ(cursor->YValue(), bench.Left().ValueAtPixel(bench.YPixel(30)));
    cursor->SetStyle(cssHorizontal);
    EXPECT_EQ(cursor->YValue(), 70);
    EXPECT_EQ(cursor->XValue(), x);
}

TEST(CursorToolEditing, MadeFromTheToolsPageEditedThroughItsFormAndStreamed) {
    TToolBench bench;
    TPointSeries* series = bench.AddSeries({{10, 10}, {60, 40}});
    TToolsPageDriver page(bench);
    auto* cursor = dynamic_cast<TCursorTool*>(page.AddFromGallery(&TCursorTool::StaticClass()));
    ASSERT_NE(cursor, nullptr);
    EXPECT_EQ(cursor->ParentChart(), &bench.Chart());
    auto* editor = page.Editor<TCursorToolEditor>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->CBStyle->ItemIndex(), int(cssBoth));
    // Without a series no snapping can be asked for.
    EXPECT_FALSE(editor->CBSnap->Enabled());
    EXPECT_FALSE(editor->EScopeSize->Enabled());
    RunSteps({
        {"a series",
         [&] { Choose(editor->CBSeries, editor->CBSeries->Items()->IndexOfObject(series)); },
         [&] { return cursor->Series() == series && editor->CBSnap->Enabled(); }},
        {"snap", [&] { editor->CBSnap->SetChecked(true); },
         [&] { return cursor->Snap() && editor->CBSnapStyle->Enabled(); }},
        {"snap vertically", [&] { Choose(editor->CBSnapStyle, 2); },
         [&] { return cursor->SnapStyle() == TSnapStyle::ssVertical; }},
        {"a scope gets lines of 20", [&] { Choose(editor->CBStyle, 3); },
         [&] {
             return cursor->Style() == cssScope && cursor->HorizSize() == 20 &&
                    cursor->VertSize() == 20 && editor->UDHorizSize->Position() == 20 &&
                    editor->EScopeSize->Enabled();
         }},
        {"its size", [&] { editor->UDScopeSize->SetPosition(9); },
         [&] { return cursor->ScopeSize() == 9; }},
        {"a diamond", [&] { Choose(editor->CBScopeStyle, 2); },
         [&] { return cursor->ScopeStyle() == scsDiamond; }},
        {"following the mouse", [&] { editor->CBFollow->SetChecked(true); },
         [&] { return cursor->FollowMouse(); }},
        {"the tolerance", [&] { editor->UDTolerance->SetPosition(7); },
         [&] { return cursor->ClickTolerance() == 7; }},
        {"series Z", [&] { editor->CBUseSeriesZ->SetChecked(true); },
         [&] { return cursor->UseSeriesZ(); }},
    });
    cursor->Pen()->SetColor(clGreen);
    cursor->Pen()->SetWidth(2);
    ExpectToolRoundTrips(bench, *cursor);
}

}  // namespace
