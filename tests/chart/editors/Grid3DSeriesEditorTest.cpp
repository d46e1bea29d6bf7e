// The grid 3-D page on a surface and on a vector series: loading changes nothing, the pages
// switch the series' colouring, the palette grid follows the palette and edits only a custom
// one, and each control writes its property.
#include <gtest/gtest.h>

#include <vector>

#include "chart/editors/ChartGrid.h"
#include "chart/editors/GradientEditor.h"
#include "chart/editors/Grid3DSeriesEditor.h"
#include "chart/engine/Chart.h"
#include "chart/engine/grid3d/SurfaceSeries.h"
#include "chart/engine/grid3d/Vector3DSeries.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/foundation/TeeGradient.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Menus.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RecordingDialogService.h"
#include "platform/ui/UpDown.h"
#include "tests/chart/editors/LibraryStartup.h"
#include "tests/chart/editors/ModalRunner.h"
#include "tests/platform/ui/UserInput.h"

namespace {

struct Grid3DSeriesEditorTest : ::testing::Test {
    TLibraryStartup startup;
    TRecordingDialogService dialogs;
    TForm window{nullptr};
    TChart* chart = nullptr;
    TSurfaceSeries* surface = nullptr;
    TGrid3DSeriesEditor* editor = nullptr;

    Grid3DSeriesEditorTest() {
        window.SetBounds(0, 0, 480, 320);
        chart = new TChart(&window);
        chart->SetName("Chart1");
        surface = new TSurfaceSeries(&window);
        surface->SetName("Series1");
        surface->SetParentChart(chart);
        for (int x = 1; x <= 3; ++x)
            for (int z = 1; z <= 3; ++z) surface->AddXYZValues(x, x * z, z);
        surface->FillGridIndex();  // as drawing does: the grid is 3 by 3
        window.Show();
    }
    ~Grid3DSeriesEditorTest() override {
        if (editor) TObject::Free(editor);
    }
    std::string Bytes() {
        TMemoryStream s;
        WriteComponentToStream(s, chart);
        return std::string(s.Memory(), size_t(s.Size()));
    }
    TGrid3DSeriesEditor& Open(TCustom3DPaletteSeries* series) {
        editor = new TGrid3DSeriesEditor(&window);
        editor->SetParent(&window);
        editor->SetTagObject(series);
        editor->Show();
        return *editor;
    }
    static void Click(TControl* c) { TUserInput().Click(c, QPoint(6, c->Height() / 2)); }
    static void Choose(TComboBox* combo, int index) {
        combo->SetItemIndex(index);
        combo->OnChange(combo);
    }
    static void Visit(TPageControl* pages, TTabSheet* page) {
        pages->SetActivePage(page);
        pages->OnChange(pages);
    }
    std::vector<TColor> Colors() const {
        std::vector<TColor> colors;
        for (const TPaletteEntry& e : surface->Palette()) colors.push_back(e.Color);
        return colors;
    }
};

TEST_F(Grid3DSeriesEditorTest, LoadsTheSeriesWithoutChangingIt) {
    surface->SetUseColorRange(false);
    surface->SetUsePalette(true);
    surface->SetPaletteSteps(4);
    const std::string before = Bytes();
    TGrid3DSeriesEditor& e = Open(surface);
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(e.PageControl1->ActivePage(), e.TabPalette);
    EXPECT_EQ(e.PageControl2->ActivePage(), e.TabSteps);
    EXPECT_EQ(e.SEXGrid->Text(), "3");
    EXPECT_TRUE(e.CBIrreg->Visible());
    EXPECT_FALSE(e.SEXGrid->Enabled());  // no Y function: the grid cannot be generated
    EXPECT_EQ(e.SEPalette->Text(), "4");
    EXPECT_TRUE(e.CheckBox1->Checked());
    EXPECT_FALSE(e.CheckBox1->Enabled());
    EXPECT_FALSE(e.BRemove->Enabled());
    EXPECT_EQ(e.PaletteSeries()->MandatoryValueList().Name(), "Up to Value");
    ASSERT_EQ(e.PaletteSeries()->Count(), int(surface->Palette().size()));
    EXPECT_EQ(e.PaletteSeries()->ValueColor(1), surface->Palette()[1].Color);
    EXPECT_TRUE(e.ChartGrid1->IsReadOnly());
    EXPECT_FALSE(e.CBPalettes->Enabled());
    EXPECT_EQ(dynamic_cast<TCustom3DPaletteSeries*>(e.BFromColor->LinkedObject()), surface);
}

TEST_F(Grid3DSeriesEditorTest, APaletteSeriesWithoutGridHasNoGridSize) {
    auto* vectors = new TVector3DSeries(&window);
    vectors->SetParentChart(chart);
    TGrid3DSeriesEditor& e = Open(vectors);
    EXPECT_FALSE(e.SEXGrid->Enabled());
    EXPECT_FALSE(e.UDZGrid->Enabled());
    EXPECT_FALSE(e.CBIrreg->Visible());
    EXPECT_EQ(e.PageControl1->ActivePage(), e.TabRange);
}

TEST_F(Grid3DSeriesEditorTest, PagesSwitchTheColouring) {
    TGrid3DSeriesEditor& e = Open(surface);
    EXPECT_EQ(e.PageControl1->ActivePage(), e.TabRange);
    Visit(e.PageControl1, e.TabSingle);
    EXPECT_FALSE(surface->UseColorRange());
    EXPECT_FALSE(surface->UsePalette());
    EXPECT_FALSE(surface->ColorEachPoint());
    Visit(e.PageControl1, e.TabRange);
    EXPECT_TRUE(surface->UseColorRange());
    EXPECT_FALSE(surface->UsePalette());
    // A gray palette, rebuilt for the palette page; the grid stays read-only until Custom.
    Visit(e.PageControl1, e.TabPalette);
    e.PageControl2->SetActivePage(e.TabColors);
    Choose(e.CBPalStyle, int(psGrayScale));
    EXPECT_EQ(surface->PaletteStyle(), psGrayScale);
    EXPECT_FALSE(surface->UseColorRange());
    EXPECT_TRUE(surface->UsePalette());
    ASSERT_FALSE(surface->Palette().empty());
    for (TColor c : Colors()) EXPECT_EQ(GetRValue(c), GetGValue(c)) << std::hex << c;
    EXPECT_TRUE(e.ChartGrid1->IsReadOnly());
    EXPECT_EQ(e.PaletteSeries()->Count(), int(surface->Palette().size()));
    Choose(e.CBPalStyle, int(psCustom));
    EXPECT_FALSE(e.ChartGrid1->IsReadOnly());
    EXPECT_TRUE(e.CBPalettes->Enabled());
}

TEST_F(Grid3DSeriesEditorTest, InvertMakesTheReversedPaletteCustom) {
    surface->SetPaletteStyle(psRainbow);
    surface->SetUseColorRange(false);
    surface->SetUsePalette(true);
    TGrid3DSeriesEditor& e = Open(surface);
    std::vector<TColor> reversed = Colors();
    ASSERT_GT(reversed.size(), 2u);
    std::reverse(reversed.begin(), reversed.end());
    Click(e.Button4);
    EXPECT_EQ(surface->PaletteStyle(), psCustom);
    EXPECT_EQ(e.CBPalStyle->ItemIndex(), int(psCustom));
    EXPECT_EQ(Colors(), reversed);
    // The pop-up's item does the same.
    e.Invert1->OnClick(e.Invert1);
    std::reverse(reversed.begin(), reversed.end());
    EXPECT_EQ(Colors(), reversed);
    // A named palette colours the entries in turn; the first name is the default list.
    Choose(e.CBPalettes, 2);
    EXPECT_EQ(surface->Palette()[0].Color, PaletteColors(2)[0]);
    EXPECT_EQ(surface->Palette()[1].Color, PaletteColors(2)[1]);
    // A colour edited in the grid goes to its palette entry.
    e.ChartGrid1->SetCol(e.ChartGrid1->ColorsColumn());
    e.ChartGrid1->SetRow(e.ChartGrid1->FirstDataRow() + 1);
    e.ChartGrid1->SetCurrentColor(clFuchsia);
    EXPECT_EQ(surface->Palette()[1].Color, clFuchsia);
}

TEST_F(Grid3DSeriesEditorTest, EachControlWritesItsProperty) {
    surface->SetPointColor(4, clFuchsia);
    surface->SetMidColor(clYellow);
    surface->OnGetYValue = [](TChartSeries&, int x, int z) { return double(x + z); };
    TGrid3DSeriesEditor& e = Open(surface);
    EXPECT_TRUE(e.BRemove->Enabled());
    EXPECT_TRUE(e.SEXGrid->Enabled());
    EXPECT_FALSE(e.CheckBox1->Checked());
    EXPECT_TRUE(e.CheckBox1->Enabled());
    e.PageControl1->SetActivePage(e.TabPalette);
    e.PageControl2->SetActivePage(e.TabSteps);

    struct Case {
        TEdit* edit;
        const char* text;
        std::function<double()> property;
        double expected;
    } cases[] = {
        {e.EDepth, "7", [&] { return surface->TimesZOrder(); }, 7},
        {e.SEPalette, "12", [&] { return surface->PaletteSteps(); }, 12},
        {e.EPaletteMin, "2.5", [&] { return surface->PaletteMin(); }, 2.5},
        {e.EPaletteMin, "two", [&] { return surface->PaletteMin(); }, 2.5},
        {e.EPaletteStep, "0.25", [&] { return surface->PaletteStep(); }, 0.25},
        {e.Edit1, "3", [&] { return surface->LegendEvery(); }, 3},
    };
    for (const Case& c : cases) {
        c.edit->SetText(c.text);
        EXPECT_EQ(c.property(), c.expected) << c.text;
    }
    Click(e.CBUseMin);
    EXPECT_TRUE(surface->UsePaletteMin());
    EXPECT_TRUE(e.EPaletteMin->Enabled());
    Click(e.CBIrreg);
    EXPECT_TRUE(surface->IrregularGrid());
    Click(e.CBIrreg);

    e.SEXGrid->SetText("4");
    EXPECT_EQ(surface->NumXValues(), 4);
    EXPECT_EQ(surface->Count(), 4 * 3);
    e.SEZGrid->SetText("5");
    EXPECT_EQ(surface->Count(), 4 * 5);

    e.PageControl1->SetActivePage(e.TabRange);
    const TColor start = surface->StartColor(), end = surface->EndColor();
    Click(e.Button1);
    EXPECT_EQ(surface->StartColor(), end);
    EXPECT_EQ(surface->EndColor(), start);
    Click(e.CheckBox1);
    EXPECT_EQ(surface->MidColor(), clNone);
    EXPECT_FALSE(e.CheckBox1->Enabled());
    // Choosing a middle colour brings the middle back.
    dialogs.ColorAnswers.push_back(clLime);
    Click(e.BMidColor);
    EXPECT_EQ(surface->MidColor(), clLime);
    EXPECT_FALSE(e.CheckBox1->Checked());
    EXPECT_TRUE(e.CheckBox1->Enabled());

    e.PageControl1->SetActivePage(e.TabSingle);
    surface->SetPointColor(2, clBlue);
    e.BRemove->SetEnabled(true);
    Click(e.BRemove);
    for (int i = 0; i < surface->Count(); ++i) EXPECT_EQ(surface->StoredPointColor(i), clDefault);
    EXPECT_FALSE(e.BRemove->Enabled());
}

TEST_F(Grid3DSeriesEditorTest, GradientDialogGivesTheRangeOrANewPalette) {
    surface->SetMidColor(clNone);
    TGrid3DSeriesEditor& e = Open(surface);
    const TColor start = surface->StartColor(), end = surface->EndColor();
    // Gallery: the presets only; OK copies the three colours.
    TModalRunner<TTeeGradientEditor> gallery(&window, [&](TTeeGradientEditor& g) {
        EXPECT_FALSE(g.PanelTop->Visible());
        EXPECT_TRUE(g.TabDefault->TabVisible());
        EXPECT_FALSE(g.TabColors->TabVisible());
        EXPECT_EQ(g.Gradient()->StartColor(), start);
        g.Gradient()->SetStartColor(clNavy);
        g.Gradient()->SetMidColor(clSilver);
        Click(g.BOk);
    });
    Click(e.Button2);
    EXPECT_TRUE(gallery.Ran());
    EXPECT_EQ(surface->StartColor(), clNavy);
    EXPECT_EQ(surface->MidColor(), clSilver);
    EXPECT_EQ(surface->EndColor(), end);
    EXPECT_FALSE(e.CheckBox1->Checked());

    // New: from red, yellow and green; the palette takes the range's colours, the series keeps
    // its own range colours.
    e.PageControl1->SetActivePage(e.TabPalette);
    e.PageControl1->OnChange(e.PageControl1);
    TModalRunner<TTeeGradientEditor> fresh(&window, [&](TTeeGradientEditor& g) {
        EXPECT_TRUE(g.TabColors->TabVisible());
        EXPECT_EQ(g.Gradient()->StartColor(), clRed);
        EXPECT_EQ(g.Gradient()->MidColor(), clYellow);
        EXPECT_EQ(g.Gradient()->EndColor(), clGreen);
        g.Gradient()->SetMidColor(clNone);
        g.Gradient()->SetStartColor(clWhite);
        g.Gradient()->SetEndColor(clBlack);
        Click(g.BOk);
    });
    e.PageControl2->SetActivePage(e.TabColors);
    Click(e.Button3);
    EXPECT_TRUE(fresh.Ran());
    EXPECT_EQ(surface->PaletteStyle(), psCustom);
    EXPECT_TRUE(surface->UsePalette());
    EXPECT_FALSE(surface->UseColorRange());
    EXPECT_EQ(surface->StartColor(), clNavy);
    ASSERT_GT(surface->Palette().size(), 2u);
    // Black at the lowest values to white at the highest: grays, growing.
    for (size_t i = 1; i < surface->Palette().size(); ++i) {
        const TColor c = surface->Palette()[i].Color;
        EXPECT_EQ(GetRValue(c), GetBValue(c));
        EXPECT_GE(GetRValue(c), GetRValue(surface->Palette()[i - 1].Color));
    }
}

TEST_F(Grid3DSeriesEditorTest, RegisteredUnderTheNameTheSeriesGives) {
    EXPECT_EQ(GetClass(TCustom3DPaletteSeries::EditorClassName()),
              &TGrid3DSeriesEditor::StaticClass());
}

}  // namespace
