// The surface and contour series editors: loading changes nothing, each control writes its
// property, the drawing modes exclude each other, and the contour levels follow the rules of
// automatic and hand-edited levels, colours, pens and the position at the bottom.
#include <gtest/gtest.h>

#include "chart/editors/ContourSeriesEditor.h"
#include "chart/editors/Grid3DSeriesEditor.h"
#include "chart/editors/PenDialog.h"
#include "chart/editors/PointerEditor.h"
#include "chart/editors/SeriesPage.h"
#include "chart/editors/SurfaceSeriesEditor.h"
#include "chart/engine/Chart.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/engine/grid3d/ContourSeries.h"
#include "chart/engine/grid3d/SurfaceSeries.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/RecordingDialogService.h"
#include "platform/ui/ScrollBar.h"
#include "platform/ui/UpDown.h"
#include "tests/chart/editors/LibraryStartup.h"
#include "tests/chart/editors/ModalRunner.h"
#include "tests/chart/editors/SeriesPageTabs.h"
#include "tests/platform/ui/UserInput.h"

namespace {

struct GridEditorsTest : ::testing::Test {
    TLibraryStartup startup;
    TRecordingDialogService dialogs;
    TForm window{nullptr};
    TChart* chart = nullptr;
    TForm* editor = nullptr;

    GridEditorsTest() {
        window.SetBounds(0, 0, 480, 320);
        chart = new TChart(&window);
        chart->SetName("Chart1");
        window.Show();
    }
    ~GridEditorsTest() override {
        if (editor) TObject::Free(editor);
    }
    template <class TSeries>
    TSeries* AddSeries(const char* name = "Series1") {
        auto* series = new TSeries(&window);
        series->SetName(name);
        series->SetParentChart(chart);
        for (int x = 1; x <= 4; ++x)
            for (int z = 1; z <= 4; ++z) series->AddXYZValues(x, x * z, z);
        return series;
    }
    std::string Bytes() {
        TMemoryStream s;
        WriteComponentToStream(s, chart);
        return std::string(s.Memory(), size_t(s.Size()));
    }
    template <class TEditor>
    TEditor& Open(TChartSeries* series) {
        auto* e = new TEditor(&window);
        editor = e;
        e->SetParent(&window);
        e->SetTagObject(series);
        e->Show();
        return *e;
    }
    static void Click(TControl* c) { TUserInput().Click(c, QPoint(6, c->Height() / 2)); }
};

// --- Surface.

TEST_F(GridEditorsTest, SurfaceLoadsWithoutChangeAndEachControlWrites) {
    auto* surface = AddSeries<TSurfaceSeries>();
    surface->SetWireFrame(true);
    surface->SetTransparency(30);
    const std::string before = Bytes();
    auto& e = Open<TSurfaceSeriesEditor>(surface);
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(e.RadioGroup1->ItemIndex(), 1);
    EXPECT_EQ(e.Edit1->Text(), "30");
    EXPECT_EQ(e.UDTransp->Increment(), 5);
    EXPECT_EQ(e.Button2->Pen(), surface->Pen());
    EXPECT_EQ(e.BSideLines->Pen(), surface->SideLines());

    // DotFrame on a wire frame turns the wire frame off; Solid turns both off.
    e.RadioGroup1->SetItemIndex(2);
    EXPECT_TRUE(surface->DotFrame());
    EXPECT_FALSE(surface->WireFrame());
    e.RadioGroup1->SetItemIndex(1);
    EXPECT_TRUE(surface->WireFrame());
    EXPECT_FALSE(surface->DotFrame());
    e.RadioGroup1->SetItemIndex(0);
    EXPECT_FALSE(surface->WireFrame());
    EXPECT_FALSE(surface->DotFrame());

    Click(e.CBSmooth);
    EXPECT_TRUE(surface->SmoothPalette());
    Click(e.CBFastBrush);
    EXPECT_TRUE(surface->FastBrush());
    Click(e.CBHideCells);
    EXPECT_TRUE(surface->HideCells());
    e.Edit1->SetText("55");
    EXPECT_EQ(surface->Transparency(), 55);
}

// --- Contour.

struct ContourEditorTest : GridEditorsTest {
    TContourSeries* contour = AddSeries<TContourSeries>();
    TContourSeriesEditor& Open() { return GridEditorsTest::Open<TContourSeriesEditor>(contour); }
    static void SetIndex(TContourSeriesEditor& e, int index) {
        e.ELevel->SetText(std::to_string(index));
    }
};

TEST_F(ContourEditorTest, LoadingChangesNothingAndShowsTheFirstLevel) {
    contour->SetYPosition(2.5);
    const std::string before = Bytes();
    auto& e = Open();
    EXPECT_EQ(Bytes(), before);
    EXPECT_TRUE(e.CBAutoLevels->Checked());
    EXPECT_EQ(e.SENum->Text(), "10");
    EXPECT_EQ(e.UDLevel->Max(), 9);
    EXPECT_EQ(e.SBLevel->Max(), 9);
    EXPECT_EQ(e.EValue->Text(), "1");
    EXPECT_TRUE(e.cbDefaultPen->Checked());
    EXPECT_FALSE(e.BLevelPen->Enabled());
    EXPECT_EQ(e.SEYPos->Text(), "2.5");
    EXPECT_FALSE(e.CBBottom->Checked());
    EXPECT_TRUE(e.CBBottom->Enabled());
    EXPECT_FALSE(e.CBInterpolate->Enabled());
    ASSERT_NE(e.PointerEditor(), nullptr);
    e.PageControl1->SetActivePage(e.TabPointer);  // the embedded editor loads when seen
    EXPECT_EQ(e.PointerEditor()->Pointer(), contour->Pointer());
    SetIndex(e, 1);
    EXPECT_EQ(e.SBLevel->Position(), 1);
    EXPECT_EQ(e.EValue->Text(), "2.667");
    EXPECT_EQ(Bytes(), before);
}

TEST_F(ContourEditorTest, EachOptionWritesItsProperty) {
    auto& e = Open();
    struct Case {
        TCheckBox* box;
        std::function<bool()> property;
    } boxes[] = {
        {e.CBSmooth, [&] { return contour->Smoothing()->Active(); }},
        {e.CBInterpolate, [&] { return contour->Smoothing()->Interpolate(); }},
        {e.CBMarks, [&] { return contour->Marks()->Visible(); }},
        {e.CBMarksSegments, [&] { return contour->ContourMarks()->AtSegments(); }},
        {e.CBMarksColor, [&] { return contour->ContourMarks()->ColorLevel(); }},
        {e.CBOverlap, [&] { return contour->ContourMarks()->AntiOverlap(); }},
        {e.CBYPosLevel, [&] { return contour->YPositionLevel(); }},
    };
    for (const Case& c : boxes) {
        c.box->SetChecked(!c.box->Checked());
        EXPECT_EQ(c.property(), c.box->Checked()) << c.box->Caption();
    }
    EXPECT_TRUE(e.CBInterpolate->Enabled());
    EXPECT_FALSE(e.BMarksColor->Enabled());
    EXPECT_FALSE(e.SEYPos->Enabled());
    e.Edit1->SetText("9");
    EXPECT_EQ(contour->ContourMarks()->Density(), 9);
    e.Edit2->SetText("-20");
    EXPECT_EQ(contour->ContourMarks()->Margin(), -20);
    e.Edit3->SetText("40");
    EXPECT_EQ(contour->Transparency(), 40);
    contour->Brush()->Image()->SetGraphic(nullptr);
    e.CBFill->SetChecked(false);
    EXPECT_EQ(contour->Brush()->Style(), bsClear);
    e.CBFill->SetChecked(true);
    EXPECT_EQ(contour->Brush()->Style(), bsSolid);
    EXPECT_EQ(contour->Brush()->ImageIfAny(), nullptr);
}

TEST_F(ContourEditorTest, NumberRebuildsAutomaticLevelsAndLimitsTheIndex) {
    auto& e = Open();
    SetIndex(e, 8);
    e.SENum->SetText("5");
    EXPECT_EQ(contour->Levels()->Count(), 5);
    EXPECT_EQ(e.UDLevel->Max(), 4);
    EXPECT_EQ(e.UDLevel->Position(), 4);
    EXPECT_EQ(e.ELevel->Text(), "4");
    EXPECT_EQ(e.EValue->Text(), "16");
    EXPECT_TRUE(e.EValue->Enabled());
}

TEST_F(ContourEditorTest, EditingALevelEndsAutomaticLevelsUntilTurnedOnAgain) {
    auto& e = Open();
    SetIndex(e, 2);
    dialogs.ColorAnswers.push_back(clFuchsia);
    Click(e.SHColor);
    EXPECT_EQ(contour->Levels()->GetLevel(2)->Color(), clFuchsia);
    EXPECT_EQ(e.SHColor->Color(), clFuchsia);
    EXPECT_FALSE(contour->AutomaticLevels());
    EXPECT_FALSE(e.CBAutoLevels->Checked());
    EXPECT_FALSE(e.SENum->Enabled());
    EXPECT_FALSE(e.CBColorEach->Enabled());
    e.EValue->SetText("3.25");
    EXPECT_EQ(contour->Levels()->GetLevel(2)->UpToValue(), 3.25);
    // Text that is no number is reported and leaves the level as it was.
    e.EValue->SetText("three");
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0].Text, "'three' is not a valid floating point value.");
    EXPECT_EQ(contour->Levels()->GetLevel(2)->UpToValue(), 3.25);

    Click(e.CBAutoLevels);
    EXPECT_TRUE(contour->AutomaticLevels());
    EXPECT_EQ(contour->Levels()->Count(), 10);
    EXPECT_NE(contour->Levels()->GetLevel(2)->Color(), clFuchsia);
    EXPECT_TRUE(e.SENum->Enabled());
}

TEST_F(ContourEditorTest, EmptyAndPensOfALevel) {
    auto& e = Open();
    TContourLevel& level = *contour->Levels()->GetLevel(1);
    level.SetColor(clDefault);
    SetIndex(e, 0);
    SetIndex(e, 1);
    const TColor palette = chart->PaletteColor(1);
    EXPECT_EQ(e.SHColor->Color(), palette);
    Click(e.CBEmpty);
    EXPECT_EQ(level.Color(), clNone);
    Click(e.CBEmpty);
    EXPECT_EQ(level.Color(), clDefault);
    EXPECT_EQ(e.SHColor->Color(), palette);

    // A pen of its own, in the level's colour, until Default drops it.
    Click(e.cbDefaultPen);
    EXPECT_FALSE(level.UsesDefaultPen());
    EXPECT_TRUE(e.BLevelPen->Enabled());
    EXPECT_EQ(e.BLevelPen->Pen(), level.Pen());
    // A colour chosen in the level's pen dialog becomes the level's colour.
    TModalRunner<TPenDialog> runner(&window, [&](TPenDialog& d) {
        dialogs.ColorAnswers.push_back(clOlive);
        Click(d.BColor);
        Click(d.BOk);
    });
    Click(e.BLevelPen);
    EXPECT_TRUE(runner.Ran());
    EXPECT_EQ(level.Pen()->Color(), clOlive);
    EXPECT_EQ(level.Color(), clOlive);
    EXPECT_EQ(e.SHColor->Color(), clOlive);
    EXPECT_FALSE(e.cbDefaultPen->Checked());
    Click(e.cbDefaultPen);
    EXPECT_TRUE(level.UsesDefaultPen());
    EXPECT_FALSE(e.BLevelPen->Enabled());
    EXPECT_EQ(e.BLevelPen->Pen(), nullptr);
}

TEST_F(ContourEditorTest, AtBottomFollowsTheVerticalPosition) {
    auto& e = Open();
    const double bottom = contour->GetMinYValue();
    ASSERT_NE(bottom, 0);
    Click(e.CBBottom);
    EXPECT_EQ(contour->YPosition(), bottom);
    EXPECT_FALSE(e.CBBottom->Enabled());
    e.SEYPos->SetText("7.5");
    EXPECT_EQ(contour->YPosition(), 7.5);
    EXPECT_FALSE(e.CBBottom->Checked());
    EXPECT_TRUE(e.CBBottom->Enabled());
    e.SEYPos->SetText("seven");  // no number: kept
    EXPECT_EQ(contour->YPosition(), 7.5);
}

TEST_F(ContourEditorTest, WithoutLevelsTheLevelControlsAreDisabled) {
    contour->SetAutomaticLevels(false);
    contour->Levels()->Clear();
    auto& e = Open();
    EXPECT_FALSE(e.EValue->Enabled());
    EXPECT_FALSE(e.SHColor->Enabled());
    EXPECT_FALSE(e.cbDefaultPen->Enabled());
    EXPECT_EQ(e.BLevelPen->Pen(), nullptr);
}

TEST_F(GridEditorsTest, EditorsRegisteredUnderTheNamesTheSeriesGive) {
    EXPECT_EQ(GetClass(TSurfaceSeries::EditorClassName()), &TSurfaceSeriesEditor::StaticClass());
    EXPECT_EQ(GetClass(TContourSeries::EditorClassName()), &TContourSeriesEditor::StaticClass());
}

TEST_F(GridEditorsTest, OnTheSeriesPageEachAddsTheGrid3DTab) {
    auto* surface = AddSeries<TSurfaceSeries>();
    auto* contour = AddSeries<TContourSeries>("Series2");
    TFormTeeSeries* page = new TFormTeeSeries(&window);
    page->SetParent(&window);
    page->SetChart(chart);
    page->Show();
    auto tabs = [&] { return VisibleTabCaptions(*page); };
    using TCaptions = std::vector<std::string>;
    const std::string before = Bytes();
    for (TCustom3DGridSeries* series :
         {static_cast<TCustom3DGridSeries*>(surface), static_cast<TCustom3DGridSeries*>(contour)}) {
        page->SelectSeries(series);
        ASSERT_EQ(page->TheTabSheet->ControlCount(), 1);
        EXPECT_EQ(page->TheTabSheet->Controls(0)->ClassName(),
                  series == surface ? "TSurfaceSeriesEditor" : "TContourSeriesEditor");
        EXPECT_EQ(tabs(), (TCaptions{"Format", "Grid 3D", "General", "Marks", "Data Source"}));
        TTabSheet* grid = page->PageSeries->Pages(1);
        ASSERT_EQ(grid->ControlCount(), 1);
        auto* editor = dynamic_cast<TGrid3DSeriesEditor*>(grid->Controls(0));
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->TagObject(), series);
        page->PageSeries->SetActivePage(grid);
        EXPECT_EQ(editor->Series(), series);
    }
    EXPECT_EQ(Bytes(), before);
    TObject::Free(page);
}

}  // namespace
