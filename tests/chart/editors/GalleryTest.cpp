// The series gallery: the grid of sample charts (layout, focus by clicks and keys, disabled
// types, the variants pop-up) and the gallery dialogs behind the series list's Add and Change.
#include <gtest/gtest.h>

#include <QTest>
#include <QWindow>

#include "chart/editors/ChartListBox.h"
#include "chart/editors/GalleryForm.h"
#include "chart/editors/GalleryPanel.h"
#include "chart/editors/SeriesGallery.h"
#include "chart/editors/SubGalleryForm.h"
#include "chart/engine/BarSeries.h"
#include "chart/engine/BasicFunctions.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartEngineStartup.h"
#include "chart/engine/ChartTitle.h"
#include "chart/engine/LineSeries.h"
#include "chart/engine/PointSeries.h"
#include "chart/engine/SeriesTypes.h"
#include "chart/engine/StandardSeries.h"
#include "chart/engine/grid3d/Point3DSeries.h"
#include "chart/foundation/EditorOptions.h"
#include "chart/foundation/FoundationStartup.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/TeeFont.h"
#include "platform/classes/Cursors.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Form.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/RecordingDialogService.h"
#include "platform/ui/TabControl.h"
#include "tests/chart/editors/ModalRunner.h"
#include "tests/platform/ui/UserInput.h"
#include "tests/support/ScratchSettings.h"

namespace {

// The library started as the program does, with fresh registries that only the test fills.
struct TGalleryStartup {
    TGalleryStartup() {
        LoadCoreTexts();
        LoadExtendedTexts();
        FoundationUnitStartup();
        ChartEngineUnitStartup();
        FreeSeriesTypeRegistries();
    }
    ~TGalleryStartup() {
        SeriesGalleryUnitFinalization();
        FreeSeriesTypeRegistries();
        ChartEngineUnitShutdown();
        FoundationUnitShutdown();
        FreeExtendedTexts();
        FreeCoreTexts();
    }
};

const std::string PageA = "Page A";
const std::string PageB = "Page B";
const std::string Desc = "Sample";

// n entries of the page: line series variants, numbered from 1.
void RegisterPage(const std::string& page, int n) {
    for (int i = 1; i <= n; ++i)
        AddSeriesTypeEntry(&TLineSeries::StaticClass(), nullptr, &Desc, &page, 1, i);
}

struct TPanelFixture {
    TGalleryStartup startup;
    TScratchSettings settings;
    TRecordingDialogService dialogs;
    TForm form{nullptr};
    TChartGalleryPanel* panel = new TChartGalleryPanel(&form);
    int chosen = 0;

    TPanelFixture() {
        form.SetBounds(0, 0, 420, 320);
        panel->SetParent(&form);
        panel->SetBounds(0, 0, 401, 301);
        panel->OnSelectedChart = [this](TObject*) { ++chosen; };
    }
    void Show() {
        form.Show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.Widget()->windowHandle()));
    }
    int Focused() const { return panel->Charts().IndexOf(panel->SelectedChart()); }
    static QPoint Middle(TControl* c) { return QPoint(c->Width() / 2, c->Height() / 3); }
};

TEST(GalleryPanel, RowsFollowTheCountOfThePageAndChartsSitInTheirCells) {
    TPanelFixture f;
    RegisterStandardSeriesTypes();  // nine types on "Standard"
    RegisterPage(PageA, 13);
    RegisterPage(PageB, 12);
    struct {
        const std::string* page;
        int charts, rows;
    } cases[] = {{&TxtStandard, 9, 3}, {&PageA, 13, 4}, {&PageB, 12, 3}, {&PageA, 13, 4}};
    for (const auto& c : cases) {
        f.panel->CreateGalleryPage(*c.page);
        EXPECT_EQ(f.panel->Charts().Count(), c.charts) << *c.page;
        EXPECT_EQ(f.panel->NumRows(), c.rows) << *c.page;
    }
    // 13 charts, 4 rows of (301 - 1) / 4 = 75 by (401 - 1) / 4 = 100, one pixel inside.
    TGalleryChart* sixth = f.panel->Charts()[5];
    EXPECT_EQ(sixth->Left(), 101);
    EXPECT_EQ(sixth->Top(), 76);
    EXPECT_EQ(sixth->Width(), 99);
    EXPECT_EQ(sixth->Height(), 74);
    EXPECT_EQ(sixth->Name(), "TeeGalleryChart6");
    EXPECT_EQ(sixth->Tag(), 6);  // the entry's variant
    f.panel->SetNumCols(5);
    EXPECT_EQ(sixth->Left(), 1);
    EXPECT_EQ(sixth->Top(), 76);

    // The first chart has the focus looks; the title splits at the line separator.
    f.panel->CreateGalleryPage(TxtStandard);
    EXPECT_TRUE(f.panel->Charts()[0]->Lit());
    EXPECT_EQ(f.panel->Charts()[0]->Title()->Font()->Size(), 10);
    EXPECT_FALSE(f.panel->Charts()[1]->Lit());
    EXPECT_EQ(f.panel->Charts()[0]->SeriesCount(), 2);
    EXPECT_EQ(f.panel->Charts()[5]->SeriesCount(), 1);  // the pie
}

// A function that shows itself over bars instead of the line series its sample is made with,
// as a function computed into another kind of series does.
class TBarsSampleFunction : public TTeeFunction {
    KV_DECLARE_CLASS(TBarsSampleFunction, TTeeFunction)
public:
    using TTeeFunction::TTeeFunction;
    void PrepareGalleryChart(TCustomAxisPanel& chart) override {
        chart.FreeSeriesOfClass(nullptr);
        auto* bars = new TBarSeries(&chart);
        chart.AddSeries(bars);
        bars->PrepareForGallery(true);
    }
};

TEST(GalleryPanel, AFunctionDressesItsOwnSampleChart) {
    TPanelFixture f;
    RegisterFunctionClass(&TAddTeeFunction::StaticClass(), &Desc, &PageA, 1);
    RegisterFunctionClass(&TBarsSampleFunction::StaticClass(), &Desc, &PageA, 1);
    f.panel->FunctionsMode = true;
    f.panel->CreateGalleryPage(PageA);
    ASSERT_EQ(f.panel->Charts().Count(), 2);
    // The base dresses every series of the sample in its gallery look: sample points, each
    // point in a colour of its own.
    TGalleryChart* plain = f.panel->Charts()[0];
    ASSERT_EQ(plain->SeriesCount(), 1);
    EXPECT_TRUE(plain->GetSeries(0)->InheritsFrom(TLineSeries::StaticClass()));
    EXPECT_GT(plain->GetSeries(0)->Count(), 0);
    EXPECT_TRUE(plain->GetSeries(0)->ColorEachPoint());
    // The override put its own kind of series in the line series' place.
    TGalleryChart* bars = f.panel->Charts()[1];
    ASSERT_EQ(bars->SeriesCount(), 1);
    EXPECT_TRUE(bars->GetSeries(0)->InheritsFrom(TBarSeries::StaticClass()));
    EXPECT_GT(bars->GetSeries(0)->Count(), 0);
}

TEST(GalleryPanel, ClicksAndKeysMoveTheFocusAndChoose) {
    TPanelFixture f;
    RegisterPage(PageA, 6);  // two rows of four: 0 1 2 3 / 4 5
    f.panel->CreateGalleryPage(PageA);
    f.Show();
    TUserInput input;
    EXPECT_EQ(f.Focused(), 0);
    TGalleryChart* third = f.panel->Charts()[2];
    input.Click(third, f.Middle(third));
    EXPECT_EQ(f.Focused(), 2);
    EXPECT_TRUE(third->Lit());
    EXPECT_FALSE(f.panel->Charts()[0]->Lit());
    EXPECT_EQ(f.chosen, 0);

    struct {
        int key;
        int focused;
    } moves[] = {{Qt::Key_Right, 3}, {Qt::Key_Right, 3},  // the last column
                 {Qt::Key_Down, 3},                       // no chart below
                 {Qt::Key_Left, 2},  {Qt::Key_Left, 1},  {Qt::Key_Down, 5},
                 {Qt::Key_Down, 5},  // the last row
                 {Qt::Key_Up, 1},    {Qt::Key_Left, 0},  {Qt::Key_Left, 0}};
    for (const auto& m : moves) {
        TUserInput::Key(&f.form, m.key);
        EXPECT_EQ(f.Focused(), m.focused) << m.key;
    }
    TUserInput::Key(&f.form, Qt::Key_Return);
    EXPECT_EQ(f.chosen, 1);
    TGalleryChart* fifth = f.panel->Charts()[4];
    input.DoubleClick(fifth, f.Middle(fifth));
    EXPECT_EQ(f.Focused(), 4);
    EXPECT_EQ(f.chosen, 2);

    TClass seriesClass = nullptr;
    TClass functionClass = &TLineSeries::StaticClass();
    int sub = -1;
    ASSERT_TRUE(f.panel->GetSelected(seriesClass, functionClass, sub));
    EXPECT_EQ(seriesClass, &TLineSeries::StaticClass());
    EXPECT_EQ(functionClass, nullptr);
    EXPECT_EQ(sub, 5);
    f.panel->ClearCharts();
    EXPECT_FALSE(f.panel->GetSelected(seriesClass, functionClass, sub));
}

TEST(GalleryPanel, TypesThatCannotTakeTheReferenceDataAreNeverFocused) {
    TPanelFixture f;
    for (TClass c : std::initializer_list<TClass>{
             &TBubble3DSeries::StaticClass(), &TPointSeries::StaticClass(),
             &TPoint3DSeries::StaticClass(), &TLineSeries::StaticClass()})
        AddSeriesTypeEntry(c, nullptr, &Desc, &PageA, 1, 0);
    TLineSeries reference(nullptr);
    f.panel->SelectedSeries = &reference;
    f.panel->CheckSeries = true;
    f.panel->CreateGalleryPage(PageA);
    f.Show();
    TChartList& charts = f.panel->Charts();
    EXPECT_TRUE(charts[0]->Disabled());
    EXPECT_EQ(charts[0]->Cursor(), crNo);
    EXPECT_TRUE(charts[2]->Disabled());
    EXPECT_EQ(charts[1]->Cursor(), crHandPoint);
    EXPECT_EQ(f.Focused(), 3);  // the reference's own type

    TUserInput input;
    input.Click(charts[2], f.Middle(charts[2]));
    input.DoubleClick(charts[0], f.Middle(charts[0]));
    EXPECT_EQ(f.Focused(), 3);
    EXPECT_EQ(f.chosen, 0);
    TUserInput::Key(&f.form, Qt::Key_Left);  // onto a disabled one: nothing
    EXPECT_EQ(f.Focused(), 3);
    input.Click(charts[1], f.Middle(charts[1]));
    EXPECT_EQ(f.Focused(), 1);
    TUserInput::Key(&f.form, Qt::Key_Left);
    EXPECT_EQ(f.Focused(), 1);
}

TEST(GalleryPanel, SmoothIsStoredOnlyWhenItChanged) {
    TGalleryStartup startup;
    TScratchSettings settings;
    {
        TChartGalleryPanel panel(nullptr);
        EXPECT_FALSE(panel.Smooth());
    }
    // Unchanged: nothing written, so a stored value another gallery wrote meanwhile stays.
    {
        TChartGalleryPanel panel(nullptr);
        WriteEditorOptionBool("SmoothGallery", true);
    }
    EXPECT_TRUE(ReadEditorOptionBool("SmoothGallery", false));
    {
        TChartGalleryPanel panel(nullptr);
        EXPECT_TRUE(panel.Smooth());
        panel.SetSmooth(false);
    }
    EXPECT_FALSE(ReadEditorOptionBool("SmoothGallery", true));
}

// A pop-up the user's part failed to close is closed, so that the test goes on.
void CloseIfOpen(TSubGalleryForm& popup) {
    EXPECT_NE(popup.ModalResult(), mrNone);
    if (popup.ModalResult() == mrNone) popup.SetModalResult(mrCancel);
}

TEST(GalleryPanel, TheVariantsPopUpRestylesOrRebuildsTheFocusedSample) {
    TPanelFixture f;
    AddSeriesTypeEntry(&TPointSeries::StaticClass(), nullptr, &Desc, &PageA, 2, 0);
    AddSeriesTypeEntry(&TBarSeries::StaticClass(), nullptr, &Desc, &PageA, 2, 0);
    f.panel->CreateGalleryPage(PageA);
    f.Show();
    TGalleryChart* bars = f.panel->Charts()[1];
    TUserInput input;
    input.Click(bars, f.Middle(bars));
    ASSERT_EQ(f.Focused(), 1);
    TChartSeries* firstSeries = bars->GetSeries(0);
    int subSelected = 0;
    f.panel->OnSubSelected = [&](TObject*) { ++subSelected; };

    // Alt+Down opens the variants; a double click on the second one restyles the series.
    std::vector<std::string> titles;
    TModalRunner<TSubGalleryForm> second(f.panel, [&](TSubGalleryForm& popup) {
        TChartList& variants = popup.Gallery->Charts();
        for (int i = 0; i < variants.Count(); ++i)
            titles.push_back(variants[i]->Title()->Text()->Get(0));
        input.DoubleClick(variants[1], f.Middle(variants[1]));
        CloseIfOpen(popup);
    });
    TUserInput::Key(&f.form, Qt::Key_Down, {}, Qt::AltModifier);
    ASSERT_TRUE(second.Ran());
    ASSERT_GE(titles.size(), 2u);
    EXPECT_EQ(subSelected, 1);
    EXPECT_EQ(bars->Tag(), 1);
    EXPECT_EQ(bars->GetSeries(0), firstSeries);
    EXPECT_TRUE(bars->Lit());

    // The first (plain) variant makes the series anew.
    TModalRunner<TSubGalleryForm> plain(f.panel, [&](TSubGalleryForm& popup) {
        TGalleryChart* normal = popup.Gallery->Charts()[0];
        input.DoubleClick(normal, f.Middle(normal));
        CloseIfOpen(popup);
    });
    TUserInput::Key(&f.form, Qt::Key_Down, {}, Qt::AltModifier);
    ASSERT_TRUE(plain.Ran());
    EXPECT_EQ(bars->Tag(), 0);
    EXPECT_EQ(bars->SeriesCount(), 2);
    EXPECT_EQ(bars->GetSeries(0)->ClassName(), "TBarSeries");

    // Escape cancels: nothing chosen.
    TModalRunner<TSubGalleryForm> cancel(f.panel, [&](TSubGalleryForm& popup) {
        popup.Gallery->SelectedChart()->SetFocus();
        TUserInput::Key(popup.Gallery, Qt::Key_Escape);
        EXPECT_EQ(popup.ModalResult(), mrCancel);
        CloseIfOpen(popup);
    });
    TUserInput::Key(&f.form, Qt::Key_Down, {}, Qt::AltModifier);
    ASSERT_TRUE(cancel.Ran());
    EXPECT_EQ(subSelected, 2);
}

// --- The gallery dialogs.

struct TDialogFixture {
    TGalleryStartup startup;
    TScratchSettings settings;
    TRecordingDialogService dialogs;
    TForm form{nullptr};
    TChart* chart = new TChart(&form);
    TChartListBox* list = new TChartListBox(&form);
    TLineSeries* line = new TLineSeries(&form);

    TDialogFixture() {
        SeriesGalleryUnitStartup();
        form.SetBounds(0, 0, 400, 200);
        chart->SetParent(&form);
        chart->SetBounds(0, 0, 200, 150);
        line->SetName("Series1");
        line->SetTitle("Emissivity");
        chart->AddSeries(line);
        for (int i = 0; i < 4; ++i) line->AddXYPoint(i, i * 0.25);
        list->SetParent(&form);
        list->SetBounds(200, 0, 190, 150);
        list->SetChart(chart);
    }
    // The sample of the series class on the gallery's page, clicked, then OK.
    static void Choose(TChartGalleryPanel& panel, TClass seriesClass, TButton* ok) {
        TChartList& charts = panel.Charts();
        for (int i = 0; i < charts.Count(); ++i) {
            if (&charts[i]->GetSeries(0)->ClassType() != seriesClass) continue;
            TUserInput().Click(charts[i], TPanelFixture::Middle(charts[i]));
            break;
        }
        TUserInput().Click(ok, QPoint(10, 10));
    }
};

TEST(SeriesGallery, PagesComeFromTheRegistryWithStandardFirst) {
    TGalleryStartup startup;
    TScratchSettings settings;
    AddSeriesTypeEntry(&TBubble3DSeries::StaticClass(), nullptr, &Desc, &PageB, 1, 0);  // first
    RegisterStandardSeriesTypes();
    RegisterFunctionClass(&TAddTeeFunction::StaticClass(), &Desc, &PageA, 1);
    AddSeriesTypeEntry(&TPointSeries::StaticClass(), nullptr, &Desc, &PageA, 0, 0);  // no sample
    TTeeGallery gallery(nullptr);
    EXPECT_EQ(gallery.Caption(), "DarEzaro Gallery");
    gallery.TabTypes->SetTabIndex(0);
    gallery.TabTypesChange();
    TStrings* pages = gallery.TabPages->Tabs();
    ASSERT_EQ(pages->Count(), 2);
    EXPECT_EQ(pages->Get(0), TxtStandard);
    EXPECT_EQ(pages->Get(1), PageB);
    EXPECT_EQ(gallery.ChartGalleryPanel1->Charts().Count(), 9);
    gallery.TabTypes->SetTabIndex(1);
    gallery.TabTypesChange();
    ASSERT_EQ(pages->Count(), 1);
    EXPECT_EQ(pages->Get(0), PageA);
    EXPECT_TRUE(gallery.ChartGalleryPanel1->FunctionsMode);
    EXPECT_EQ(gallery.ChartGalleryPanel1->Charts().Count(), 1);

    // The palette list holds numbers, sorted by name, without "Default".
    ASSERT_GT(gallery.CBPalette->Items()->Count(), 1);
    EXPECT_NE(gallery.CBPalette->Items()->Get(0), TxtDefault);
    gallery.SelectPalette(3);
    EXPECT_EQ(gallery.SelectedPalette(), 3);
}

TEST(SeriesGallery, TheListBoxAddsASeriesOfTheClickedType) {
    TDialogFixture f;
    f.list->SetItemIndex(0);
    bool checked3D = true;
    TModalRunner<TTeeGallery> run(&f.form, [&](TTeeGallery& g) {
        checked3D = g.CB3D->Checked();
        EXPECT_EQ(g.ChartGalleryPanel1->SelectedChart()->GetSeries(0)->ClassName(),
                  "TLineSeries");  // the selected series' type first
        EXPECT_EQ(g.TabTypes->Tabs()->Count(), 2);
        TUserInput().Click(g.CB3D, QPoint(6, 6));
        TDialogFixture::Choose(*g.ChartGalleryPanel1, &TBarSeries::StaticClass(), g.Button1);
    });
    f.chart->SetView3D(true);
    TChartSeries* added = f.list->AddSeries();
    ASSERT_TRUE(run.Ran());
    EXPECT_TRUE(checked3D);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->ClassName(), "TBarSeries");
    EXPECT_EQ(added->Name(), "Series2");
    EXPECT_EQ(f.chart->SeriesCount(), 2);
    EXPECT_FALSE(f.chart->View3D());  // 3D unticked in the gallery

    // Cancel adds nothing.
    TModalRunner<TTeeGallery> cancel(&f.form, [&](TTeeGallery& g) {
        TUserInput().Click(g.Button2, {9, 9});
    });
    EXPECT_EQ(f.list->AddSeries(), nullptr);
    ASSERT_TRUE(cancel.Ran());
    EXPECT_EQ(f.chart->SeriesCount(), 2);
}

TEST(SeriesGallery, ChangingTheTypeReplacesTheSeriesKeepingItsDataAndName) {
    TDialogFixture f;
    Point3DSeriesUnitStartup();
    f.list->SetItemIndex(0);

    // Cancel: the series stays as it was.
    TModalRunner<TTeeGallery> cancel(&f.form, [&](TTeeGallery& g) {
        EXPECT_EQ(g.TabTypes->Tabs()->Count(), 1);  // no functions when changing
        TUserInput().Click(g.Button2, {9, 9});
    });
    f.list->ChangeTypeOfSelected();
    ASSERT_TRUE(cancel.Ran());
    ASSERT_EQ(f.chart->GetSeries(0), f.line);

    // The 3-D page: types that cannot take a line's data are greyed.
    TModalRunner<TTeeGallery> change(&f.form, [&](TTeeGallery& g) {
        const int page3D = g.TabPages->Tabs()->IndexOf(TxtExt3D);
        ASSERT_GE(page3D, 0);
        g.TabPages->SetTabIndex(page3D);
        g.TabPagesChange();
        EXPECT_TRUE(g.ChartGalleryPanel1->Charts()[0]->Disabled());
        g.TabPages->SetTabIndex(0);
        g.TabPagesChange();
        TDialogFixture::Choose(*g.ChartGalleryPanel1, &TPointSeries::StaticClass(), g.Button1);
    });
    f.list->ChangeTypeOfSelected();
    ASSERT_TRUE(change.Ran());
    TChartSeries* now = f.chart->GetSeries(0);
    EXPECT_EQ(now->ClassName(), "TPointSeries");
    EXPECT_EQ(now->Name(), "Series1");
    EXPECT_EQ(now->Title(), "Emissivity");
    EXPECT_EQ(now->Count(), 4);
    EXPECT_EQ(f.chart->SeriesCount(), 1);
}

TEST(SeriesGallery, GalleryModeOneOpensTheAlternateGallery) {
    TDialogFixture f;
    WriteEditorOptionInt("GalleryMode", 1);
    int listed = 0;
    TModalRunner<TTeeGalleryForm> run(&f.form, [&](TTeeGalleryForm& g) {
        EXPECT_EQ(g.Caption(), "DarEzaro Pro Gallery");
        EXPECT_EQ(g.CBPage->Items()->Get(0), "(all)");
        listed = g.ChartListBox1->Items()->Count();
        const int bar = g.ChartListBox1->Items()->IndexOf(TxtBar);
        ASSERT_GE(bar, 0);
        g.ChartListBox1->SetItemIndex(bar);
        g.ChartListBox1Click();
        ASSERT_GT(g.ChartGalleryPanel1->Charts().Count(), 0);
        TUserInput().Click(g.BOK, {9, 9});
    });
    TChartSeries* added = f.list->AddSeries();
    ASSERT_TRUE(run.Ran());
    EXPECT_EQ(listed, 9);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->ClassName(), "TBarSeries");
}

TEST(SeriesGallery, TheStoredSizeIsAtLeastAHundred) {
    TGalleryStartup startup;
    TScratchSettings settings;
    RegisterStandardSeriesTypes();
    WriteEditorOptionInt("GalleryWidth", 20);
    WriteEditorOptionInt("GalleryHeight", 300);
    TForm owner(nullptr);
    int width = 0;
    int height = 0;
    TModalRunner<TTeeGallery> run(&owner, [&](TTeeGallery& g) {
        width = g.Width();
        height = g.Height();
        TUserInput().Click(g.Button2, {9, 9});
    });
    EXPECT_EQ(ShowFunctionGallery(&owner), nullptr);
    ASSERT_TRUE(run.Ran());
    EXPECT_EQ(width, 100);
    EXPECT_EQ(height, 300);
    EXPECT_EQ(ReadEditorOptionInt("GalleryWidth", 0), 100);
}

}  // namespace
