// The Temperatures page's two charts: the temperature plot follows the table's posts, deletes and
// the dataset shown; the points chart marks every point, the current one and the dialog's offered
// one on the profile, at equal scales.
#include "chart/engine/AxisTitle.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartTitle.h"
#include "chart/engine/DBChart.h"
#include "chart/engine/LineSeries.h"
#include "chart/engine/PointSeries.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeFont.h"
#include "platform/ui/BitBtn.h"
#include "platform/ui/Button.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/ScrollBar.h"
#include "tests/workbench/windows/WindowFixture.h"
#include "workbench/EqualScaleLimits.h"
#include "workbench/ProfileEdits.h"
#include "workbench/windows/NewTemperaturePointDialog.h"

namespace {

using TPoints = std::vector<std::pair<double, double>>;

TPoints PointsOf(const TChartSeries& s) {
    TPoints points;
    for (int i = 0; i < s.Count(); ++i) points.emplace_back(s.XValues()[i], s.YValues()[i]);
    return points;
}

void ExpectPoints(const TPoints& got, const TPoints& want) {
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < got.size(); ++i) {
        EXPECT_NEAR(got[i].first, want[i].first, 1e-12) << i;
        EXPECT_NEAR(got[i].second, want[i].second, 1e-12) << i;
    }
}

// A dataset whose profile runs (0,1) -> (2,1) -> (2,0): length 3.
struct TChartsFixture : TMainWindowFixture {
    TChartsFixture() {
        Start();
        InsertDataset("Cylinder");
        window->PageControl1->SetActivePage(window->tsTemperature);
        ReplaceGeneratrix(Db(), {{0, 1}, {{2, 1}, {2, 0}}});
        dialogs.Messages.clear();
    }
    TClientDataSet& T() { return Db().cdsTemperatures; }
    void AddPoint(double xi, double t) {
        T().Append();
        T().FieldByName("Xi")->SetAsFloat(xi);
        T().FieldByName("T")->SetAsFloat(t);
        T().Post();
    }
};

TEST(TemperatureCharts, SettingsOfBothCharts) {
    TChartsFixture f;
    TFMainDB& w = *f.window;
    for (TCustomChart* chart :
         {static_cast<TCustomChart*>(w.chTDPoints), static_cast<TCustomChart*>(w.dbchTD)}) {
        EXPECT_FALSE(chart->View3D());
        EXPECT_FALSE(chart->Legend()->Visible());
        EXPECT_EQ(chart->Color(), clWhite);
        EXPECT_EQ(chart->Hint(), "Double-click to Edit");
        EXPECT_EQ(chart->Title()->Font()->Name(), "Calibri");
        EXPECT_EQ(chart->Title()->Font()->Size(), 12);
    }
    EXPECT_EQ(w.chTDPoints->Title()->Text()->Text(), "Cylinder\r\n");
    EXPECT_EQ(w.chTDPoints->BottomAxis()->Title()->Caption(), "Z");
    EXPECT_EQ(w.chTDPoints->LeftAxis()->Title()->Caption(), "Y");
    EXPECT_EQ(w.chTDPoints->LeftAxis()->Title()->Angle(), 0);
    EXPECT_EQ(w.chTDPoints->LeftAxis()->AxisValuesFormat(), "###0.########");
    EXPECT_EQ(w.dbchTD->BottomAxis()->Title()->Caption(), "Xi");
    EXPECT_EQ(w.dbchTD->BottomAxis()->AxisValuesFormat(), "0.########");
    EXPECT_EQ(w.dbchTD->LeftAxis()->Title()->Caption(), "Temperature (K)");
    EXPECT_EQ(w.dbchTD->LeftAxis()->AxisValuesFormat(), "   ###0.####");
    const TSeriesPointer* circle = w.seTemperature->Pointer();
    EXPECT_TRUE(circle->Visible());
    EXPECT_EQ(circle->Style(), psCircle);
    EXPECT_EQ(circle->HorizSize(), 3);
    EXPECT_EQ(circle->Pen()->Color(), TColor(0xA00000));
    EXPECT_EQ(circle->Brush()->Color(), clWhite);
    EXPECT_EQ(w.sPoints->Pointer()->Brush()->Style(), bsClear);
    EXPECT_EQ(w.sCurrentPoint->Pointer()->Brush()->Style(), bsSolid);
    EXPECT_EQ(w.sFloatingPoint->Pointer()->Style(), psDiamond);
    EXPECT_EQ(w.sFloatingPoint->Pointer()->Pen()->Width(), 2);
    EXPECT_FALSE(w.sFloatingPoint->Active());
}

TEST(TemperatureCharts, TheTemperaturePlotFollowsPostsDeletesAndTheDatasetShown) {
    TChartsFixture f;
    TFMainDB& w = *f.window;
    f.AddPoint(0.5, 900);
    f.AddPoint(0.25, 1000);
    f.AddPoint(1, 800);
    ExpectPoints(PointsOf(*w.seTemperature), {{0.25, 1000}, {0.5, 900}, {1, 800}});
    // An edited temperature.
    f.T().First();
    f.T().Edit();
    f.T().FieldByName("T")->SetAsFloat(1100);
    f.T().Post();
    ExpectPoints(PointsOf(*w.seTemperature), {{0.25, 1100}, {0.5, 900}, {1, 800}});
    // A deleted point, through the navigator.
    f.T().Last();
    f.ClickNavigator(w.dbnT, nbDelete);
    ExpectPoints(PointsOf(*w.seTemperature), {{0.25, 1100}, {0.5, 900}});
    // Another dataset shows its own (no) points; back on the first, its points again.
    f.InsertDataset("Other");
    EXPECT_EQ(f.Db().cdsMainDatasetName->AsString(), "Other");
    EXPECT_EQ(w.seTemperature->Count(), 0);
    EXPECT_EQ(w.sPoints->Count(), 0);
    f.Db().cdsMain.First();
    ASSERT_EQ(f.Db().cdsMainDatasetName->AsString(), "Cylinder");
    ExpectPoints(PointsOf(*w.seTemperature), {{0.25, 1100}, {0.5, 900}});
    // Clear All leaves no point behind.
    f.Click(w.btnClearAll);
    EXPECT_TRUE(f.T().IsEmpty());
    EXPECT_EQ(w.seTemperature->Count(), 0);
    EXPECT_EQ(w.sPoints->Count(), 0);
}

// Both plots of the dataset are titled with its name: at start-up, and as the user moves to
// another dataset, whether its profile can be drawn or not.
TEST(TemperatureCharts, ThePlotsAreTitledWithTheDatasetsName) {
    TChartsFixture f;
    f.InsertDataset("No profile");
    f.Click(f.window->btnClose);
    f.Stop();
    TFMainDB& w = f.Start();
    ASSERT_EQ(f.Db().cdsMainDatasetName->AsString(), "Cylinder");
    EXPECT_EQ(w.dbchTD->Title()->Text()->Text(), "Cylinder\r\n");
    EXPECT_EQ(w.chCavity->Title()->Text()->Text(), "Cylinder\r\n");
    QApplication::setActiveWindow(w.Widget());
    w.dbgDatasets->SetFocus();
    f.Key(w.dbgDatasets, Qt::Key_Down);
    ASSERT_EQ(f.Db().cdsMainDatasetName->AsString(), "No profile");
    EXPECT_EQ(w.dbchTD->Title()->Text()->Text(), "No profile\r\n");
    EXPECT_EQ(w.chCavity->Title()->Text()->Text(), "No profile\r\n");
    f.Key(w.dbgDatasets, Qt::Key_Up);
    EXPECT_EQ(w.dbchTD->Title()->Text()->Text(), "Cylinder\r\n");
}

TEST(TemperatureCharts, PointsOnTheProfileAtEqualScales) {
    TChartsFixture f;
    TFMainDB& w = *f.window;
    w.pcT->SetActivePageIndex(0);
    f.Click(w.btnAddNodes);
    ExpectPoints(PointsOf(*w.sPoints), {{0, 1}, {2, 1}, {2, 0}});
    // The axes fixed by the equal-scale rule for the chart's plotting area.
    const TRect plot = w.chTDPoints->ChartRect();
    ASSERT_GT(plot.Width() * plot.Height(), 0);
    const auto limits = EqualScaleLimits({0, 2, -1, 1, 2, 2}, plot.Width(), plot.Height()).value();
    TChartAxis* bottom = w.chTDPoints->BottomAxis();
    TChartAxis* left = w.chTDPoints->LeftAxis();
    EXPECT_FALSE(bottom->Automatic());
    EXPECT_DOUBLE_EQ(bottom->Minimum(), limits.Horizontal.Min);
    EXPECT_DOUBLE_EQ(bottom->Maximum(), limits.Horizontal.Max);
    EXPECT_DOUBLE_EQ(left->Minimum(), limits.Vertical.Min);
    EXPECT_DOUBLE_EQ(left->Maximum(), limits.Vertical.Max);

    // The current point follows the cursor.
    f.T().SetRecNo(2);
    ExpectPoints(PointsOf(*w.sCurrentPoint), {{2, 1}});
    f.T().Last();
    ExpectPoints(PointsOf(*w.sCurrentPoint), {{2, 0}});

    // A changed profile moves the points with it, at their Xi.
    ReplaceGeneratrix(f.Db(), {{0, 2}, {{4, 2}, {4, 0}}});
    w.CavityChanged();
    ExpectPoints(PointsOf(*w.sPoints), {{0, 2}, {4, 2}, {4, 0}});

    // The dialog's offered point shows while the dialog lives, and goes with it.
    {
        TFNewTPoint d(nullptr, f.Db(), *w.sFloatingPoint);
        EXPECT_TRUE(w.sFloatingPoint->Active());
        d.sbXi->SetPosition(50000);
        ExpectPoints(PointsOf(*w.sFloatingPoint), {{3, 2}});
    }
    EXPECT_FALSE(w.sFloatingPoint->Active());
}

}  // namespace
