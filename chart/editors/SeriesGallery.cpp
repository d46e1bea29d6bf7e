#include "chart/editors/SeriesGallery.h"

#include <algorithm>
#include <cstdint>
#include <memory>

#include "chart/editors/ChartListBox.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/GalleryForm.h"
#include "chart/editors/GalleryPanel.h"
#include "chart/editors/OwnedForm.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/ColorPalettes.h"
#include "chart/engine/SeriesCreation.h"
#include "chart/engine/SeriesTypes.h"
#include "chart/engine/StandardSeries.h"
#include "chart/engine/TeeFunction.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/foundation/EditorOptions.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/rtl/ValueGuard.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Panel.h"
#include "platform/ui/TabControl.h"

namespace {

const char* const RememberSizeOption = "RememberGallerySize";
const char* const WidthOption = "GalleryWidth";
const char* const HeightOption = "GalleryHeight";
constexpr int MinimumGallerySize = 100;

// The gallery page names of the tab, in registration order of first appearance, "Standard"
// first.
void FillPageTabs(TStrings& tabs, bool functions) {
    tabs.Clear();
    const TTeeSeriesTypes& types = SeriesTypeList();
    for (int i = 0; i < types.Count(); ++i) {
        const TTeeSeriesType& entry = *types[i];
        if (entry.SampleSeriesCount < 1 || !entry.PageText) continue;
        if ((entry.FunctionClassRef != nullptr) != functions) continue;
        if (tabs.IndexOf(*entry.PageText) < 0) tabs.Add(*entry.PageText);
    }
    const int standard = tabs.IndexOf(TxtStandard);
    if (standard > 0) {
        const std::string first = tabs.Get(0);
        tabs.Put(0, TxtStandard);
        tabs.Put(standard, first);
    }
}

// The chart's settings and a new series of the choice in it.
TChartSeries* CreateChosenSeries(const TGalleryChoice& choice, TCustomAxisPanel* chart,
                                 TChartSeries* reference) {
    chart->SetView3D(choice.View3D);
    if (auto* custom = dynamic_cast<TCustomChart*>(chart))
        custom->SetColorPaletteIndex(choice.PaletteIndex);
    TComponent* owner = reference ? reference->Owner() : chart->Owner();
    TChartSeries* series =
        CreateChartSeries(owner, chart, choice.SeriesClass, choice.FunctionClass);
    series->ApplyGalleryVariant(series, choice.SubIndex);
    return series;
}

}  // namespace

TTeeGallery::TTeeGallery(TComponent* owner) : TForm(owner) {
    SetCaption("DarEzaro Gallery");
    SetPosition(poScreenCenter);
    SetBounds(0, 0, 480, 400);
    P1 = MakeControl<TPanel>(this);
    P1->SetAlign(alBottom);
    P1->SetBevelOuter(bvNone);
    P1->SetHeight(36);
    CB3D = MakeCheckBox(P1, 8, 8, 50, "&3D");
    CB3D->SetChecked(true);
    CBSmooth = MakeCheckBox(P1, 62, 8, 70, "&Smooth");
    CBPalette = MakeControl<TComboBox>(P1, 136, 6, 130, 22);
    CBPalette->SetDropDownCount(25);
    Button1 = MakePushButton(P1, 316, 6, 75, "OK");
    Button1->SetDefault(true);
    Button1->SetModalResult(mrOk);
    Button2 = MakePushButton(P1, 396, 6, 75, "Cancel");
    Button2->SetCancel(true);
    Button2->SetModalResult(mrCancel);

    TabTypes = MakeControl<TTabControl>(this);
    TabTypes->SetAlign(alClient);
    TabTypes->SetHotTrack(true);
    TabTypes->Tabs()->Add(TxtSeries);
    TabTypes->Tabs()->Add(TxtFunctions);
    TabPages = MakeControl<TTabControl>(TabTypes);
    TabPages->SetAlign(alClient);
    ChartGalleryPanel1 = MakeControl<TChartGalleryPanel>(TabPages);
    ChartGalleryPanel1->SetAlign(alClient);
    ChartGalleryPanel1->SetTabStop(true);
    ChartGalleryPanel1->OnSelectedChart = [this](TObject*) { SetModalResult(mrOk); };

    TColorPalettes::AddNamesTo(*CBPalette->Items(), false);
    if (auto* sorted = dynamic_cast<TStringList*>(CBPalette->Items())) sorted->Sort();

    TabTypes->OnChange = [this](TObject*) { TabTypesChange(); };
    TabPages->OnChange = [this](TObject*) { TabPagesChange(); };
    CBPalette->OnChange = [this](TObject*) { CBPaletteChange(); };
    CB3D->OnClick = [this](TObject*) { ChartGalleryPanel1->SetView3D(CB3D->Checked()); };
    CBSmooth->OnClick = [this](TObject*) {
        ChartGalleryPanel1->SetSmooth(CBSmooth->Checked());
        WriteEditorOptionBool("SmoothGallery", CBSmooth->Checked());
    };
    DoCreate();
}

TTeeGallery::~TTeeGallery() {
    if (ReadEditorOptionBool(RememberSizeOption, true)) {
        WriteEditorOptionInt(WidthOption, Width());
        WriteEditorOptionInt(HeightOption, Height());
    }
}

void TTeeGallery::RemoveFunctionsTab() {
    if (TabTypes->Tabs()->Count() > 1) TabTypes->Tabs()->Delete(1);
    ChartGalleryPanel1->FunctionsMode = false;
}

void TTeeGallery::RemoveSeriesTab() {
    if (TabTypes->Tabs()->Count() > 1) TabTypes->Tabs()->Delete(0);
    FunctionsOnly = true;
}

int TTeeGallery::SelectedPalette() const {
    const int index = CBPalette->ItemIndex();
    if (index < 0) return -1;
    return int(reinterpret_cast<intptr_t>(CBPalette->Items()->Objects(index)));
}

void TTeeGallery::SelectPalette(int number) {
    TStrings* items = CBPalette->Items();
    for (int i = 0; i < items->Count(); ++i)
        if (reinterpret_cast<intptr_t>(items->Objects(i)) == number) {
            CBPalette->SetItemIndex(i);
            return;
        }
    CBPalette->SetItemIndex(-1);
}

void TTeeGallery::DoShow() {
    {
        // Showing the stored setting is no change of it.
        TNotifyEvent click = std::move(CBSmooth->OnClick);
        CBSmooth->OnClick = nullptr;
        CBSmooth->SetChecked(ChartGalleryPanel1->Smooth());
        CBSmooth->OnClick = std::move(click);
    }
    TabTypes->SetTabIndex(0);
    TabTypesChange();
    if (ReadEditorOptionBool(RememberSizeOption, true)) {
        const int width = std::max(MinimumGallerySize, ReadEditorOptionInt(WidthOption, Width()));
        const int height =
            std::max(MinimumGallerySize, ReadEditorOptionInt(HeightOption, Height()));
        SetBounds(Left(), Top(), width, height);
    }
    ApplyFormHook(this);
    TForm::DoShow();
}

void TTeeGallery::TabTypesChange() {
    FillPageTabs(*TabPages->Tabs(), FunctionsOnly || TabTypes->TabIndex() == 1);
    TabPages->SetTabIndex(0);
    TabPagesChange();
}

void TTeeGallery::TabPagesChange() {
    TChartGalleryPanel* panel = ChartGalleryPanel1;
    panel->FunctionsMode = FunctionsOnly || TabTypes->TabIndex() == 1;
    panel->SetView3D(CB3D->Checked());
    const int page = TabPages->TabIndex();
    if (page < 0)
        panel->ClearCharts();
    else
        panel->CreateGalleryPage(TabPages->Tabs()->Get(page));
    CBPaletteChange();
}

void TTeeGallery::CBPaletteChange() {
    const int palette = SelectedPalette();
    if (palette < 0) return;
    TChartList& charts = ChartGalleryPanel1->Charts();
    for (int i = 0; i < charts.Count(); ++i) {
        charts[i]->SetColorPaletteIndex(palette);
        if (charts[i]->SeriesCount() > 0)
            charts[i]->GetSeries(0)->Apply3DFromGallery(CB3D->Checked());
    }
}

// --- The gallery choice and the list box's entries.

bool ShowSeriesGallery(TComponent* owner, TChartSeries* reference, TCustomAxisPanel* chart,
                       bool addMode, bool checkSeries, TGalleryChoice& choice) {
    choice.View3D = chart->View3D();
    auto* custom = dynamic_cast<TCustomChart*>(chart);
    choice.PaletteIndex = custom ? custom->ColorPaletteIndex() : 0;
    if (ReadEditorOptionInt("GalleryMode", 0) == 0) {
        TOwnedForm<TTeeGallery> gallery(new TTeeGallery(owner));
        TChartGalleryPanel* panel = gallery->ChartGalleryPanel1;
        gallery->CB3D->SetChecked(choice.View3D);
        panel->SelectedSeries = reference;
        if (!addMode) gallery->RemoveFunctionsTab();
        panel->CheckSeries = checkSeries;
        gallery->SelectPalette(choice.PaletteIndex);
        if (gallery->ShowModal() != mrOk) return false;
        if (gallery->SelectedPalette() >= 0) choice.PaletteIndex = gallery->SelectedPalette();
        if (!panel->GetSelected(choice.SeriesClass, choice.FunctionClass, choice.SubIndex))
            return false;
        choice.View3D = gallery->CB3D->Checked() && panel->SelectedChart()->View3D();
        return true;
    }
    TOwnedForm<TTeeGalleryForm> gallery(new TTeeGalleryForm(owner));
    TChartGalleryPanel* panel = gallery->ChartGalleryPanel1;
    gallery->CB3D->SetChecked(choice.View3D);
    ApplyFormHook(gallery.get());
    if (gallery->ShowModal() != mrOk) return false;
    if (!panel->GetSelected(choice.SeriesClass, choice.FunctionClass, choice.SubIndex))
        return false;
    choice.View3D = gallery->CB3D->Checked() && panel->SelectedChart()->View3D();
    return true;
}

TChartSeries* AddSeriesFromGallery(TComponent* owner, TCustomAxisPanel* chart,
                                   TChartSeries* current) {
    if (!chart) return nullptr;
    TGalleryChoice choice;
    if (!ShowSeriesGallery(owner, current, chart, true, false, choice)) return nullptr;
    return CreateChosenSeries(choice, chart, current);
}

TClass ChangeSeriesTypeFromGallery(TComponent* owner, TChartSeries*& series) {
    TCustomAxisPanel* chart = series->ParentChart();
    TGalleryChoice choice;
    if (!chart || !ShowSeriesGallery(owner, series, chart, false, true, choice))
        return &series->ClassType();
    TChartSeries* fresh = CreateChosenSeries(choice, chart, series);
    TChartSeries* old = series;
    ReplaceSeries(old, fresh);
    series = fresh;
    // Taking over the old series' settings undid the variant.
    fresh->ApplyGalleryVariant(fresh, choice.SubIndex);
    return &series->ClassType();
}

TClass ShowFunctionGallery(TForm* owner) {
    TOwnedForm<TTeeGallery> gallery(new TTeeGallery(owner));
    gallery->RemoveSeriesTab();
    if (gallery->ShowModal() != mrOk) return nullptr;
    TClass seriesClass = nullptr;
    TClass functionClass = nullptr;
    int subIndex = 0;
    if (!gallery->ChartGalleryPanel1->GetSelected(seriesClass, functionClass, subIndex))
        return nullptr;
    return functionClass;
}

void SeriesGalleryUnitStartup() {
    RegisterStandardSeriesTypes();
    TeeAddGalleryProc = [](TComponent* owner, TCustomAxisPanel* chart, TChartSeries* current) {
        return AddSeriesFromGallery(owner, chart, current);
    };
    TeeChangeGalleryProc = [](TComponent* owner, TChartSeries*& series) {
        return ChangeSeriesTypeFromGallery(owner, series);
    };
}

void SeriesGalleryUnitFinalization() {
    TeeAddGalleryProc = nullptr;
    TeeChangeGalleryProc = nullptr;
}
