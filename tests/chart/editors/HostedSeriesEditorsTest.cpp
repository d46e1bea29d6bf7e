// The circular and 3-D series editors and the tool editor bases as the series page and the tools
// page find them: registered under the names their elements report, embedded in "Format" with
// the tabs they add, and shown without writing anything.
#include "chart/editors/AxisToolEditor.h"
#include "chart/editors/CircledSeriesEditor.h"
#include "chart/editors/ColorGridEditor.h"
#include "chart/editors/GradientEditor.h"
#include "chart/editors/Grid3DSeriesEditor.h"
#include "chart/editors/PieSeriesEditor.h"
#include "chart/editors/Point3DSeriesEditor.h"
#include "chart/editors/PointerEditor.h"
#include "chart/editors/SeriesPage.h"
#include "chart/editors/SeriesToolEditor.h"
#include "chart/editors/TowerSeriesEditor.h"
#include "chart/editors/VectorSeriesEditor.h"
#include "chart/engine/ChartTools.h"
#include "chart/engine/LineSeries.h"
#include "chart/engine/PieSeries.h"
#include "chart/engine/SeriesDataStream.h"
#include "chart/engine/grid3d/ColorGridSeries.h"
#include "chart/engine/grid3d/Point3DSeries.h"
#include "chart/engine/grid3d/TowerSeries.h"
#include "chart/engine/grid3d/Vector3DSeries.h"
#include "chart/foundation/TeeButtons.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicFormats.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/PageControl.h"
#include "tests/chart/editors/EditorSteps.h"
#include "tests/chart/editors/SeriesEditorFixture.h"
#include "tests/chart/editors/SeriesPageTabs.h"
#include "tests/support/TempDir.h"

namespace {

struct HostedSeriesEditorsTest : SeriesEditorFixture {
    TFormTeeSeries* page = nullptr;

    void OpenPage() {
        page = new TFormTeeSeries(&window);
        page->SetParent(&window);
        page->SetBounds(0, 0, 480, 380);
        page->SetChart(chart);
        window.Show();
        page->Show();
    }
    template <class TSeries>
    TSeries* Add(const char* name) {
        auto* series = new TSeries(&window);
        series->SetName(name);
        chart->AddSeries(series);
        series->FillSampleValues(5);
        return series;
    }
    std::vector<std::string> Tabs() const { return VisibleTabCaptions(*page); }
    void Visit(const std::string& caption) {
        for (int i = 0; i < page->PageSeries->PageCount(); ++i)
            if (page->PageSeries->Pages(i)->Caption() == caption)
                page->PageSeries->SetActivePage(page->PageSeries->Pages(i));
    }
    // The form embedded in the tab of that caption.
    template <class TEditor>
    TEditor* FormOn(const std::string& caption) const {
        for (int i = 0; i < page->PageSeries->PageCount(); ++i) {
            TTabSheet* sheet = page->PageSeries->Pages(i);
            if (sheet->Caption() == caption && sheet->ControlCount() == 1)
                return dynamic_cast<TEditor*>(sheet->Controls(0));
        }
        return nullptr;
    }
};

TEST_F(HostedSeriesEditorsTest, EachElementFindsItsEditorByName) {
    auto* pie = Add<TPieSeries>("Series1");
    auto* point3D = Add<TPoint3DSeries>("Series2");
    auto* grid = Add<TColorGridSeries>("Series3");
    auto* tower = Add<TTowerSeries>("Series4");
    auto* vector = Add<TVector3DSeries>("Series5");
    const struct {
        TChartSeries* series;
        TClass editor;
    } cases[] = {
        {pie, &TPieSeriesEditor::StaticClass()},
        {point3D, &TPoint3DSeriesEditor::StaticClass()},
        {grid, &TColorGridEditor::StaticClass()},
        {tower, &TTowerSeriesEditor::StaticClass()},
        {vector, &TVectorSeriesEditor::StaticClass()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindSeriesEditorClass(*c.series), c.editor) << c.series->ClassName();
    EXPECT_EQ(
        GetClass(TCustomChartElement::EditorClassNameOf(&TTeeCustomToolSeries::StaticClass())),
        &TSeriesToolEditor::StaticClass());
    EXPECT_EQ(GetClass(TCustomChartElement::EditorClassNameOf(&TTeeCustomToolAxis::StaticClass())),
              &TAxisToolEditor::StaticClass());
}

TEST_F(HostedSeriesEditorsTest, PieAddsTheCircledPageWithoutBackgroundControls) {
    auto* pie = Add<TPieSeries>("Series1");
    Add<TLineSeries>("Series2");
    pie->SetCircled(true);
    OpenPage();
    const std::string before = Bytes();
    page->SelectSeries(pie);
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(Tabs(),
              (std::vector<std::string>{"Format", "Circled", "General", "Marks", "Data Source"}));
    auto* editor = FormOn<TPieSeriesEditor>("Format");
    auto* circled = FormOn<TCircledSeriesEditor>("Circled");
    ASSERT_NE(editor, nullptr);
    ASSERT_NE(circled, nullptr);
    EXPECT_EQ(editor->CircledPage(), circled);
    EXPECT_EQ(circled->TagObject(), pie);
    // The page loads when its tab is first opened.
    Visit("Circled");
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(circled->Series(), pie);
    EXPECT_TRUE(circled->CBCircled->Checked());
    for (TControl* c :
         {static_cast<TControl*>(circled->BBack), static_cast<TControl*>(circled->CBTransp),
          static_cast<TControl*>(circled->BGradient)})
        EXPECT_FALSE(c->Visible());
    // Shown again, the pie keeps its one circled page.
    page->Reload();
    EXPECT_EQ(Tabs().size(), 5u);
    // Another series takes both pages away.
    page->SelectSeries(chart->GetSeries(1));
    EXPECT_EQ(FormOn<TCircledSeriesEditor>("Circled"), nullptr);
}

TEST_F(HostedSeriesEditorsTest, Point3DAddsThePointPageOnItsPointer) {
    auto* series = Add<TPoint3DSeries>("Series1");
    series->SetDepthSize(2.5);
    OpenPage();
    const std::string before = Bytes();
    page->SelectSeries(series);
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(Tabs(),
              (std::vector<std::string>{"Format", "Point", "General", "Marks", "Data Source"}));
    auto* editor = FormOn<TPoint3DSeriesEditor>("Format");
    auto* point = FormOn<TSeriesPointerEditor>("Point");
    ASSERT_NE(editor, nullptr);
    ASSERT_NE(point, nullptr);
    EXPECT_EQ(editor->PointPage(), point);
    Visit("Point");
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(point->Pointer(), series->Pointer());
}

TEST_F(HostedSeriesEditorsTest, OutsideASeriesPageThePieKeepsItsCircledPageToItself) {
    auto* pie = Add<TPieSeries>("Series1");
    auto* editor = Open<TPieSeriesEditor>(pie);
    ASSERT_NE(editor->CircledPage(), nullptr);
    EXPECT_EQ(editor->CircledPage()->Owner(), editor);
    EXPECT_EQ(editor->CircledPage()->Caption(), "Circled");
    EXPECT_EQ(editor->CircledPage()->TagObject(), pie);
    TObject::Free(editor);  // frees the circled page with it
}

TEST_F(HostedSeriesEditorsTest, GridTowerAndVectorEachAddOneGrid3DPage) {
    auto* grid = Add<TColorGridSeries>("Series1");
    auto* tower = Add<TTowerSeries>("Series2");
    auto* vector = Add<TVector3DSeries>("Series3");
    Add<TLineSeries>("Series4");
    OpenPage();
    const std::string before = Bytes();
    const struct {
        TChartSeries* series;
        std::function<TGrid3DSeriesEditor*()> editorsPage;
    } cases[] = {
        {grid, [&] { return FormOn<TColorGridEditor>("Format")->Grid3DEditor(); }},
        {tower, [&] { return FormOn<TTowerSeriesEditor>("Format")->Grid3DEditor(); }},
        {vector, [&] { return FormOn<TVectorSeriesEditor>("Format")->Grid3DEditor(); }},
    };
    for (const auto& c : cases) {
        page->SelectSeries(c.series);
        page->Reload();  // shown again: still one page
        EXPECT_EQ(Tabs(), (std::vector<std::string>{"Format", "Grid 3D", "General", "Marks",
                                                    "Data Source"}))
            << c.series->Name();
        auto* grid3D = FormOn<TGrid3DSeriesEditor>("Grid 3D");
        ASSERT_NE(grid3D, nullptr);
        EXPECT_EQ(c.editorsPage(), grid3D);
        EXPECT_EQ(grid3D->TagObject(), c.series);
        Visit("Grid 3D");
        EXPECT_EQ(grid3D->Series(), c.series);
        EXPECT_EQ(Bytes(), before) << c.series->Name();
    }
    // A series without the page takes it away with the editor.
    page->SelectSeries(chart->GetSeries(3));
    EXPECT_EQ(FormOn<TGrid3DSeriesEditor>("Grid 3D"), nullptr);
}

TEST_F(HostedSeriesEditorsTest, APictureLoadedInTheGridEnablesRemovingItsColours) {
    RegisterStandardGraphicFormats();
    TTempDir dir;
    auto* grid = Add<TColorGridSeries>("Series1");
    grid->SetSeriesColor(clYellow);
    // Pictures of one colour: the series' own colour gives no point colours, another does.
    auto picture = [&](const char* name, TColor color) {
        const std::string file = dir.File(name);
        TBitmap bitmap;
        bitmap.SetSize(6, 4);
        bitmap.Canvas()->Brush()->SetColor(color);
        bitmap.Canvas()->FillRect(TRect(0, 0, 6, 4));
        bitmap.SaveToFile(file);
        return file;
    };
    const std::string red = picture("red.bmp", clRed);
    const std::string yellow = picture("yellow.bmp", clYellow);
    OpenPage();
    page->SelectSeries(grid);
    auto* editor = FormOn<TColorGridEditor>("Format");
    auto* grid3D = FormOn<TGrid3DSeriesEditor>("Grid 3D");
    ASSERT_NE(editor, nullptr);
    ASSERT_NE(grid3D, nullptr);
    for (const auto& [file, colours] : {std::pair{red, true}, std::pair{yellow, false}}) {
        grid3D->BRemove->SetEnabled(!colours);
        dialogs.FileAnswers.push_back({file, 1});
        Click(editor->Button2);
        EXPECT_EQ(grid->Count(), 6 * 4);
        EXPECT_EQ(SeriesHasPointColors(*grid), colours);
        EXPECT_EQ(grid3D->BRemove->Enabled(), colours) << file;
    }
    UnregisterStandardGraphicFormats();
}

}  // namespace
