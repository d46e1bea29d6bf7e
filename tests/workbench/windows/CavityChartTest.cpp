// The Cavity page's profile plot: the profile and its mirror drawn at equal scales (limits for a
// long and for a tall profile), the highlighted surface following the current row and the check
// box, and the plot following a changed profile, as the temperature points chart does.
#include "chart/engine/AxisTitle.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartTitle.h"
#include "chart/engine/grid3d/Point3DSeries.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeFont.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/StatusBar.h"
#include "tests/workbench/windows/WindowFixture.h"
#include "workbench/EqualScaleLimits.h"
#include "workbench/ProfileEdits.h"

namespace {

using TPoints = std::vector<std::pair<double, double>>;

TPoints PointsOf(const TChartSeries* s) {
    TPoints points;
    for (int i = 0; i < s->Count(); ++i) points.emplace_back(s->XValues()[i], s->YValues()[i]);
    return points;
}

// The axes of the chart hold the equal-scale limits of the profile for its plotting area.
void ExpectEqualScales(TCustomChart* chart, const TProfileBounds& bounds) {
    const TRect plot = chart->ChartRect();
    ASSERT_GT(plot.Width() * plot.Height(), 0);
    const TEqualScaleLimits limits = EqualScaleLimits(bounds, plot.Width(), plot.Height()).value();
    EXPECT_FALSE(chart->BottomAxis()->Automatic());
    EXPECT_FALSE(chart->LeftAxis()->Automatic());
    EXPECT_DOUBLE_EQ(chart->BottomAxis()->Minimum(), limits.Horizontal.Min);
    EXPECT_DOUBLE_EQ(chart->BottomAxis()->Maximum(), limits.Horizontal.Max);
    EXPECT_DOUBLE_EQ(chart->LeftAxis()->Minimum(), limits.Vertical.Min);
    EXPECT_DOUBLE_EQ(chart->LeftAxis()->Maximum(), limits.Vertical.Max);
}

struct TProfileFixture : TMainWindowFixture {
    TProfileFixture() {
        Start();
        InsertDataset("Tube");
        window->PageControl1->SetActivePage(window->tsCavity);
    }
};

TEST(CavityChart, ProfileAndMirrorAtEqualScales) {
    TProfileFixture f;
    TFMainDB& w = *f.window;
    EXPECT_FALSE(w.chCavity->View3D());
    EXPECT_EQ(w.chCavity->Title()->Font()->Size(), 10);
    EXPECT_EQ(w.chCavity->LeftAxis()->Title()->Caption(), "Y");
    EXPECT_EQ(w.chCavity->LeftAxis()->Title()->Angle(), 0);
    EXPECT_EQ(w.chCavity->LeftAxis()->AxisValuesFormat(), "   ###0.#########");
    EXPECT_EQ(w.sUpper->LinePen()->Width(), 3);
    EXPECT_EQ(w.sUpper->LinePen()->Color(), TColor(0x804000));
    EXPECT_FALSE(w.sUpper->Pointer()->Visible());
    EXPECT_EQ(w.ssUpper->LinePen()->Color(), clRed);

    // A long profile (10 by 1) fills the width; the vertical range widens.
    ReplaceGeneratrix(f.Db(), {{0, 0}, {{0, 1}, {10, 1}, {10, 0}}});
    w.CavityChanged();
    EXPECT_EQ(PointsOf(w.sUpper), (TPoints{{0, 0}, {0, 1}, {10, 1}, {10, 0}}));
    EXPECT_EQ(PointsOf(w.sLower), (TPoints{{0, 0}, {0, -1}, {10, -1}, {10, 0}}));
    EXPECT_EQ(w.chCavity->Title()->Text()->Text(), "Tube\r\n");
    ExpectEqualScales(w.chCavity, {0, 10, -1, 1, 10, 2});
    EXPECT_GT(w.chCavity->LeftAxis()->Maximum(), 1.04);
    // The temperature points chart draws the same outline, at its own equal scales.
    EXPECT_EQ(PointsOf(w.sCavityUpper), PointsOf(w.sUpper));
    EXPECT_EQ(PointsOf(w.sCavityLower), PointsOf(w.sLower));

    // A tall one (1 long, radius 10): the vertical limits are the range with 2 % margins, and
    // the Z range starts 0.02 before the profile, one vertical unit per pixel wide.
    ReplaceGeneratrix(f.Db(), {{0, 0}, {{0, 10}, {1, 10}, {1, 0}}});
    w.CavityChanged();
    ExpectEqualScales(w.chCavity, {0, 1, -10, 10, 1, 20});
    EXPECT_DOUBLE_EQ(w.chCavity->LeftAxis()->Minimum(), -10.4);
    EXPECT_DOUBLE_EQ(w.chCavity->LeftAxis()->Maximum(), 10.4);
    EXPECT_DOUBLE_EQ(w.chCavity->BottomAxis()->Minimum(), -0.02);
    w.PageControl1->SetActivePage(w.tsTemperature);
    w.DrawTemperaturePoints();
    ExpectEqualScales(w.chTDPoints, {0, 1, -10, 10, 1, 20});
}

TEST(CavityChart, HighlightedSurfaceFollowsTheRowAndTheCheckBox) {
    TProfileFixture f;
    TFMainDB& w = *f.window;
    ReplaceGeneratrix(f.Db(), {{0, 0}, {{0, 1}, {3, 1}, {3, 0}}});
    w.CavityChanged();
    TClientDataSet& t = f.Db().cdsCavity;
    t.First();
    EXPECT_EQ(w.ssUpper->Count(), 0);  // unchecked
    f.Click(w.cbHighlight, QPoint(6, w.cbHighlight->Height() / 2));
    ASSERT_TRUE(w.cbHighlight->Checked());
    EXPECT_EQ(PointsOf(w.ssUpper), (TPoints{{0, 0}, {0, 1}}));  // from the start node
    EXPECT_EQ(PointsOf(w.ssLower), (TPoints{{0, 0}, {0, -1}}));
    EXPECT_EQ(w.sbCavity->SimpleText(), "Record 1 of 3");
    t.SetRecNo(2);
    EXPECT_EQ(PointsOf(w.ssUpper), (TPoints{{0, 1}, {3, 1}}));
    // Row 2 deleted: the profile is drawn anew, and the highlight with it.
    f.ClickNavigator(w.dnCavity, nbDelete);
    EXPECT_EQ(PointsOf(w.sUpper), (TPoints{{0, 0}, {0, 1}, {3, 0}}));
    EXPECT_EQ(PointsOf(w.ssUpper), (TPoints{{0, 1}, {3, 0}}));
    f.Click(w.cbHighlight, QPoint(6, w.cbHighlight->Height() / 2));
    EXPECT_EQ(w.ssUpper->Count(), 0);
}

}  // namespace
