// The two result plots, opened from the results browser with the user's clicks: the series and
// their points for a run of two viewing conditions and three wavelengths, the spin edits' limits,
// titles and axis titles as the choices change, and the local-hemispherical kind.
#include <gtest/gtest.h>

#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "chart/editors/ChartEditForm.h"
#include "chart/editors/ChartEditor.h"
#include "chart/engine/AxisTitle.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartLegend.h"
#include "chart/engine/ChartTitle.h"
#include "chart/engine/LineSeries.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "controls/RzSpinEdit.h"
#include "platform/ui/Button.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/StatusBar.h"
#include "tests/platform/ui/UserInput.h"
#include "tests/support/ScratchSettings.h"
#include "tests/workbench/WorkbenchFixtures.h"
#include "tests/workbench/windows/WindowFixture.h"
#include "workbench/ResultsDatabase.h"
#include "workbench/windows/PlotAgainstVCWindow.h"
#include "workbench/windows/PlotAgainstWWindow.h"
#include "workbench/windows/ResultsWindow.h"

namespace {

using TPoints = std::vector<std::pair<double, double>>;

TPoints PointsOf(const TChartSeries* s) {
    TPoints points;
    for (int i = 0; i < s->Count(); ++i) points.emplace_back(s->XValues()[i], s->YValues()[i]);
    return points;
}

std::string TitleOf(const TChart* chart) { return chart->Title()->Text()->Text(); }

struct ResultPlotsTest : ::testing::Test {
    TMainWindowFixture f;
    TFResults* browser = nullptr;

    void SetUp() override {
        f.Start();
        f.dialogs.Messages.clear();
        browser = new TFResults(f.window, Db());
        browser->Show();
    }
    TResultsDatabase& Db() { return f.window->Data().Results; }

    // A run of `kind` with the viewing conditions' first parameters `params` (the second is 5,
    // the third 60 - 10 v) and the wavelengths 0 (total), 1, 2.5 and 4: EEiso of condition v at
    // index k is 0.5 + k / 10 + v / 100, EE that plus 0.001, RT 1000 + 100 k + v.
    void AddRun(const std::string& name, int kind, const std::vector<double>& params) {
        TClientDataSet& r = Db().cdsResults;
        const int nv = int(params.size());
        r.Append();
        r.FieldByName("DatasetName")->SetAsString(name);
        r.FieldByName("DateTime")->SetAsDateTime(46000);
        r.FieldByName("StartDateTime")->SetAsDateTime(46001 + r.RecordCount());
        r.FieldByName("ViewIndex")->SetAsInteger(kind);
        r.FieldByName("Tref")->SetAsFloat(1273.15);
        r.FieldByName("nw")->SetAsInteger(3);
        r.FieldByName("nv")->SetAsInteger(nv);
        r.Post();
        const double wavelengths[] = {0, 1, 2.5, 4};
        for (int k = 0; k <= 3; ++k)
            for (int v = 1; v <= nv; ++v) {
                const double ee = 0.5 + k / 10.0 + v / 100.0;
                AddRow(Db().cdsSEERT, {{"Wavelength", wavelengths[k]},
                                       {"ivc", v},
                                       {"param1", params[size_t(v - 1)]},
                                       {"param2", 5},
                                       {"param3", 60 - 10.0 * v},
                                       {"EEiso", ee},
                                       {"EE", ee + 0.001},
                                       {"RT", 1000 + 100.0 * k + v}});
            }
        PostIfEditing(r);
    }

    // Clicks the button and runs `inside` while the modal plot window it opens is shown; the
    // window is gone after the click.
    template <class TWindow>
    void WithPlot(TControl* button, const std::function<void(TWindow&)>& inside) {
        TWindow* plot = nullptr;
        bool ran = false;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] {
            for (int i = 0; i < browser->ComponentCount() && !plot; ++i)
                plot = dynamic_cast<TWindow*>(browser->Components(i));
            if (ran || !plot || !plot->Visible()) return;
            ran = true;
            timer.stop();
            inside(*plot);
            plot->Close();
        });
        timer.start(0);
        f.Click(button);
        EXPECT_TRUE(ran);
        for (int i = 0; i < browser->ComponentCount(); ++i)
            EXPECT_EQ(dynamic_cast<TWindow*>(browser->Components(i)), nullptr);
    }
};

TEST_F(ResultPlotsTest, AgainstWavelengthPerViewingCondition) {
    AddRun("Cone", 1, {10, 20});
    WithPlot<TFPlotAgainstW>(browser->btnPlotAgainstW, [&](TFPlotAgainstW& w) {
        EXPECT_EQ(w.Caption(), "KAVRI320: Dependences on Wavelength");
        EXPECT_EQ(w.PageControl1->ActivePageIndex(), 0);
        EXPECT_EQ(w.PageControl1->Pages(1)->Caption(), "Radiance Temperarure");
        EXPECT_EQ(w.StatusBar1->Panels()->Items(0)->Text(),
                  "Directional Effective Emissivity and Radiance Temperature");
        EXPECT_EQ(w.StatusBar1->Panels()->Items(1)->Text(), "Number of Viewing Conditions: 2");
        EXPECT_EQ(w.StatusBar1->Panels()->Items(2)->Text(), "T ref = 1273.15 K");
        EXPECT_EQ(w.seiVC->Min(), 1);
        EXPECT_EQ(w.seiVC->Max(), 2);
        ASSERT_EQ(w.chEE->SeriesCount(), 2);
        ASSERT_EQ(w.chRT->SeriesCount(), 1);
        EXPECT_EQ(w.chEE->GetSeries(0), w.Isothermal);
        EXPECT_TRUE(w.chEE->Legend()->Visible());
        EXPECT_TRUE(w.chEE->Legend()->CheckBoxes());
        EXPECT_EQ(w.chEE->Legend()->Alignment(), laBottom);
        EXPECT_EQ(w.chEE->Legend()->Symbol()->Width(), 35);
        EXPECT_FALSE(w.chRT->Legend()->Visible());
        EXPECT_EQ(w.chEE->ColorPaletteIndex(), 13);
        EXPECT_EQ(w.Isothermal->SeriesColor(), TColor(10485760));
        EXPECT_EQ(w.Isothermal->Pointer()->Brush()->Color(), TColor(10485760));
        EXPECT_EQ(w.Nonisothermal->Pointer()->Brush()->Color(), clWhite);
        EXPECT_EQ(w.LineSeries1->SeriesColor(), clMaroon);
        EXPECT_EQ(w.LineSeries1->Title(), "Nonisothermal");
        EXPECT_EQ(w.chRT->LeftAxis()->Title()->Caption(), "Radiance Temperature (K)");
        EXPECT_EQ(w.chEE->BottomAxis()->Title()->Caption(), "Wavelength (\u00B5m)");

        // Condition 1 first; the totals are not plotted. Values went through single precision.
        auto expectSeries = [&](int v) {
            TPoints iso, non, rt;
            for (int k = 1; k <= 3; ++k) {
                const double x = (double[]){0, 1, 2.5, 4}[k];
                const double ee = 0.5 + k / 10.0 + v / 100.0;
                iso.emplace_back(x, double(float(ee)));
                non.emplace_back(x, double(float(ee + 0.001)));
                rt.emplace_back(x, 1000 + 100.0 * k + v);
            }
            EXPECT_EQ(PointsOf(w.Isothermal), iso) << v;
            EXPECT_EQ(PointsOf(w.Nonisothermal), non) << v;
            EXPECT_EQ(PointsOf(w.LineSeries1), rt) << v;
        };
        expectSeries(1);
        EXPECT_EQ(TitleOf(w.chEE),
                  "Cone: Directional Effective Emissivity\r\nZB = 10.0; RB = 5.0; b (\u00B0) = "
                  "50.0\r\n");
        // The user steps the spin edit up to condition 2 with a click on its up arrow, and no
        // further.
        const TRzControlButton* up = w.seiVC->GetButton(sbUp);
        f.Click(w.seiVC,
                up->Widget()->mapTo(w.seiVC->Widget(), QPoint(up->Width() / 2, up->Height() / 2)));
        EXPECT_EQ(w.seiVC->IntValue(), 2);
        expectSeries(2);
        EXPECT_EQ(TitleOf(w.chRT),
                  "Cone: Radiance Temperature from Directional Effective Emissivity\r\n"
                  "ZB = 20.0; RB = 5.0; b (\u00B0) = 40.0\r\n");
        w.seiVC->SetIntValue(7);
        EXPECT_EQ(w.seiVC->IntValue(), 2);
    });
}

// A double-click on a plot opens the chart editor, with the workbench's settings, on the chart
// of the page shown; closing it leaves the plot window open.
TEST_F(ResultPlotsTest, ADoubleClickOpensTheChartEditorOnThePlotShown) {
    TScratchSettings settings;  // the editor writes its options on closing
    AddRun("Cone", 1, {10, 20});
    WithPlot<TFPlotAgainstW>(browser->btnPlotAgainstW, [&](TFPlotAgainstW& w) {
        EXPECT_EQ(w.ce->Title, "Edit Graph");
        EXPECT_EQ(w.ce->HideTabs, TChartEditorHiddenTabs({cetGeneral, cetPaging, cetWalls, cet3D,
                                                          cetExportNative, cetTools}));
        EXPECT_TRUE(w.ce->HighLightTabs);
        EXPECT_EQ(w.ce->Options, TChartEditorOptions({ceTitle}));
        for (TChart* chart : {w.chEE, w.chRT}) {
            w.PageControl1->SetActivePageIndex(chart == w.chEE ? 0 : 1);
            TCustomChart* edited = nullptr;
            w.ce->OnShow = [&](TObject* sender) {
                auto* form = static_cast<TChartEditForm*>(sender);
                form->OnShow = [&, form](TObject*) {
                    QTimer::singleShot(0, [&, form] {
                        edited = form->Chart();
                        f.Click(form->BClose);
                    });
                };
            };
            TUserInput().DoubleClick(chart, QPoint(chart->Width() / 2, chart->Height() / 2));
            EXPECT_EQ(edited, chart);
            EXPECT_TRUE(w.Visible());
        }
    });
}

TEST_F(ResultPlotsTest, AgainstAParameterAtAWavelengthOrTheTotal) {
    // The conditions' first parameter falls: the points still run in ascending X.
    AddRun("Cone", 1, {20, 10});
    WithPlot<TFPlotAgainstVC>(browser->btnPlotAgainstVC, [&](TFPlotAgainstVC& w) {
        EXPECT_EQ(w.Caption(), "KAVRI320: Dependences on Viewing Conditions Parameter");
        EXPECT_EQ(w.PageControl1->Pages(1)->Caption(), "Rad. Temperarure");
        EXPECT_EQ(w.StatusBar1->Panels()->Items(1)->Text(), "Number of Wavelength: 3");
        EXPECT_EQ(w.seiW->Min(), 0);
        EXPECT_EQ(w.seiW->Max(), 3);
        EXPECT_TRUE(w.rgParameter->Visible());
        ASSERT_EQ(w.rgParameter->Items()->Count(), 3);
        EXPECT_EQ(w.rgParameter->ItemIndex(), 2);  // the angle
        EXPECT_EQ(w.chEE->Legend()->Symbol()->Width(), 30);
        EXPECT_EQ(w.Nonisothermal->SeriesColor(), clRed);

        // The total, against the angle b = 60 - 10 v.
        EXPECT_EQ(TitleOf(w.chEE), "Cone; Total\r\n");
        EXPECT_EQ(TitleOf(w.chRT), "Cone\r\n");
        EXPECT_EQ(w.chRT->LeftAxis()->Title()->Caption(), "Radiation Temperature (K)");
        EXPECT_EQ(w.chEE->BottomAxis()->Title()->Caption(), "b (\u00B0)");
        EXPECT_EQ(PointsOf(w.Isothermal),
                  (TPoints{{40, double(float(0.52))}, {50, double(float(0.51))}}));
        EXPECT_EQ(PointsOf(w.Series10), (TPoints{{40, 1002}, {50, 1001}}));

        // Wavelength 2 (2.5 µm), against ZB, chosen with a click.
        w.seiW->SetIntValue(2);
        f.ClickRadio(w.rgParameter, 0);
        EXPECT_EQ(w.rgParameter->ItemIndex(), 0);
        EXPECT_EQ(TitleOf(w.chEE), "Cone; Wavelength =    2.5000 \u00B5m\r\n");
        EXPECT_EQ(TitleOf(w.chRT), "Cone; Wavelength =    2.5000 \u00B5m\r\n");
        EXPECT_EQ(w.chRT->LeftAxis()->Title()->Caption(), "Radiance Temperature (K)");
        EXPECT_EQ(w.chRT->BottomAxis()->Title()->Caption(), "ZB");
        EXPECT_EQ(PointsOf(w.Nonisothermal),
                  (TPoints{{10, double(float(0.721))}, {20, double(float(0.711))}}));
        EXPECT_EQ(PointsOf(w.Series10), (TPoints{{10, 1202}, {20, 1201}}));
    });
}

TEST_F(ResultPlotsTest, LocalHemisphericalPlotsAgainstXiAndOneConditionGivesOnePoint) {
    AddRun("Wall", 4, {0.25});
    WithPlot<TFPlotAgainstVC>(browser->btnPlotAgainstVC, [&](TFPlotAgainstVC& w) {
        EXPECT_FALSE(w.rgParameter->Visible());
        EXPECT_EQ(w.chEE->BottomAxis()->Title()->Caption(), "Xi");
        EXPECT_EQ(PointsOf(w.Isothermal), (TPoints{{0.25, double(float(0.51))}}));
    });
    WithPlot<TFPlotAgainstW>(browser->btnPlotAgainstW, [&](TFPlotAgainstW& w) {
        EXPECT_EQ(w.seiVC->Max(), 1);
        EXPECT_EQ(w.Isothermal->Count(), 3);
        EXPECT_EQ(TitleOf(w.chEE),
                  "Wall: Local Hemispherical Effective Emissivity\r\nXi = 0.25\r\n");
    });
}

// Over a results database with no stored run (nothing to plot: no viewing condition, no
// wavelength), both windows open with empty plots; the wavelength plot's spin edit once set its
// range to 1..0 on every redraw, and each change of its text redrew again, without end.
TEST_F(ResultPlotsTest, OverNoStoredRunBothWindowsOpenWithEmptyPlots) {
    ASSERT_EQ(Db().cdsResults.RecordCount(), 0);
    {
        TFPlotAgainstW w(nullptr, Db());
        for (const TLineSeries* s : {w.Isothermal, w.Nonisothermal, w.LineSeries1})
            EXPECT_EQ(s->Count(), 0);
        EXPECT_EQ(w.StatusBar1->Panels()->Items(1)->Text(), "Number of Viewing Conditions: 0");
    }
    {
        TFPlotAgainstVC w(nullptr, Db());
        for (const TLineSeries* s : {w.Isothermal, w.Nonisothermal, w.Series10})
            EXPECT_EQ(s->Count(), 0);
        EXPECT_EQ(w.seiW->IntValue(), 0);
    }
}

}  // namespace
