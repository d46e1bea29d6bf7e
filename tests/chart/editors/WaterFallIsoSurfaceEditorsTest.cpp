// The water-fall and isosurface editors: the surface editor's controls and page plus the pen of
// the lines between the bands; loading writes nothing, each control writes its property.
#include "chart/editors/Grid3DSeriesEditor.h"
#include "chart/editors/IsoSurfaceEditor.h"
#include "chart/editors/PenDialog.h"
#include "chart/editors/SeriesPage.h"
#include "chart/editors/WaterFallEditor.h"
#include "chart/engine/grid3d/IsoSurfaceSeries.h"
#include "chart/engine/grid3d/SurfaceSeries.h"
#include "chart/foundation/ChartPen.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/RadioGroup.h"
#include "tests/chart/editors/EditorSteps.h"
#include "tests/chart/editors/ModalRunner.h"
#include "tests/chart/editors/SeriesEditorFixture.h"
#include "tests/chart/editors/SeriesPageTabs.h"

namespace {

struct WaterFallIsoSurfaceTest : SeriesEditorFixture {
    template <class TSeries>
    TSeries* AddGrid(const char* name = "Series1") {
        auto* series = new TSeries(&window);
        series->SetName(name);
        chart->AddSeries(series);
        for (int x = 1; x <= 4; ++x)
            for (int z = 1; z <= 4; ++z) series->AddXYZValues(x, x * z, z);
        return series;
    }
    // The pen dialog of button: width 3 and OK.
    void WidenThroughDialog(TButtonPen* button) {
        TModalRunner<TPenDialog> runner(&window, [&](TPenDialog& d) {
            d.SEWidth->SetText("3");
            Click(d.BOk);
        });
        Click(button);
        EXPECT_TRUE(runner.Ran());
    }
};

TEST_F(WaterFallIsoSurfaceTest, RegisteredUnderTheNamesTheSeriesGive) {
    EXPECT_EQ(GetClass(TWaterFallSeries::EditorClassName()), &TWaterFallEditor::StaticClass());
    EXPECT_EQ(GetClass(TIsoSurfaceSeries::EditorClassName()), &TIsoSurfaceEditor::StaticClass());
}

TEST_F(WaterFallIsoSurfaceTest, WaterFallLoadsWithoutChangeAndEachControlWrites) {
    auto* series = AddGrid<TWaterFallSeries>();
    series->SetTransparency(25);
    series->WaterLines()->SetColor(clMaroon);
    const std::string before = Bytes();
    auto* editor = Open<TWaterFallEditor>(series);
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(editor->BLines->Caption(), "&Lines...");
    EXPECT_EQ(editor->BLines->Pen(), series->WaterLines());
    EXPECT_TRUE(editor->CBSmooth->Visible());
    EXPECT_EQ(editor->Edit1->Text(), "25");
    RunSteps({
        {"wire frame", [&] { editor->RadioGroup1->SetItemIndex(1); },
         [&] { return series->WireFrame(); }},
        {"smooth palette", [&] { Click(editor->CBSmooth); },
         [&] { return series->SmoothPalette(); }},
        {"hidden cells", [&] { Click(editor->CBHideCells); }, [&] { return series->HideCells(); }},
        {"transparency", [&] { editor->Edit1->SetText("40"); },
         [&] { return series->Transparency() == 40; }},
        {"water lines", [&] { WidenThroughDialog(editor->BLines); },
         [&] { return series->WaterLines()->Width() == 3 && series->Pen()->Width() == 1; }},
    });
}

TEST_F(WaterFallIsoSurfaceTest, IsoSurfaceHidesSmoothAndEditsTheBandPen) {
    auto* series = AddGrid<TIsoSurfaceSeries>();
    series->SetWireFrame(true);
    const std::string before = Bytes();
    auto* editor = Open<TIsoSurfaceEditor>(series);
    EXPECT_EQ(Bytes(), before);
    EXPECT_FALSE(editor->CBSmooth->Visible());
    EXPECT_EQ(editor->BBandsPen->Caption(), "&Bands Pen...");
    EXPECT_EQ(editor->BBandsPen->Pen(), series->BandPen());
    EXPECT_EQ(editor->RadioGroup1->ItemIndex(), 1);
    RunSteps({
        {"solid", [&] { editor->RadioGroup1->SetItemIndex(0); },
         [&] { return !series->WireFrame() && !series->DotFrame(); }},
        {"fast brush", [&] { Click(editor->CBFastBrush); }, [&] { return series->FastBrush(); }},
        {"band pen", [&] { WidenThroughDialog(editor->BBandsPen); },
         [&] { return series->BandPen()->Width() == 3 && series->Pen()->Width() == 1; }},
    });
}

TEST_F(WaterFallIsoSurfaceTest, WithoutASeriesThePenButtonsStayUnlinked) {
    auto* water = Open<TWaterFallEditor>(nullptr);
    auto* iso = Open<TIsoSurfaceEditor>(nullptr);
    EXPECT_EQ(water->BLines->Pen(), nullptr);
    EXPECT_EQ(iso->BBandsPen->Pen(), nullptr);
    // A plain surface in an isosurface editor has no band pen to show.
    auto* surface = AddGrid<TSurfaceSeries>();
    TObject::Free(iso);
    iso = Open<TIsoSurfaceEditor>(surface);
    EXPECT_EQ(iso->BBandsPen->Pen(), nullptr);
    EXPECT_EQ(iso->Series(), surface);
}

TEST_F(WaterFallIsoSurfaceTest, OnTheSeriesPageEachAddsOneGrid3DTab) {
    auto* water = AddGrid<TWaterFallSeries>();
    auto* iso = AddGrid<TIsoSurfaceSeries>("Series2");
    auto* page = new TFormTeeSeries(&window);
    page->SetParent(&window);
    page->SetChart(chart);
    window.Show();
    page->Show();
    const std::string before = Bytes();
    for (TChartSeries* series :
         {static_cast<TChartSeries*>(water), static_cast<TChartSeries*>(iso)}) {
        page->SelectSeries(series);
        page->Reload();
        EXPECT_EQ(
            VisibleTabCaptions(*page),
            (std::vector<std::string>{"Format", "Grid 3D", "General", "Marks", "Data Source"}));
        TTabSheet* grid = page->PageSeries->Pages(1);
        ASSERT_EQ(grid->ControlCount(), 1);
        EXPECT_EQ(grid->Controls(0)->TagObject(), series);
    }
    EXPECT_EQ(Bytes(), before);
    TObject::Free(page);
}

}  // namespace
