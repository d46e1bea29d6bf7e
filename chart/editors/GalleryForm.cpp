#include "chart/editors/GalleryForm.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "chart/editors/ChartListBox.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/GalleryPanel.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartEngineStartup.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/SeriesCreation.h"
#include "chart/engine/SeriesTypes.h"
#include "chart/foundation/EditorOptions.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Panel.h"
#include "platform/ui/Splitter.h"

namespace {

const char* const AllPages = "(all)";

// The first registration's description of the class, on one line.
std::string TypeTitle(TClass seriesClass) {
    const TTeeSeriesType* entry = SeriesTypeList().FindBySeriesClass(seriesClass);
    std::string title = entry && entry->DescriptionText ? *entry->DescriptionText : std::string();
    std::replace(title.begin(), title.end(), LineSeparator, ' ');
    return title;
}

}  // namespace

TTeeGalleryForm::TTeeGalleryForm(TComponent* owner) : TForm(owner) {
    SetCaption("DarEzaro Pro Gallery");
    SetPosition(poScreenCenter);
    SetBounds(0, 0, 560, 400);
    BuildControls();
    // The unseen chart: owned by the form, never shown.
    FChart = new TChart(this);
    ChartListBox1->SetChart(FChart);
    FillPages();
    CBSmooth->SetChecked(ReadEditorOptionBool("SmoothGallery", false));
    ConnectHandlers();
    DoCreate();
}

TTeeGalleryForm::~TTeeGalleryForm() = default;

void TTeeGalleryForm::BuildControls() {
    Panel1 = MakeControl<TPanel>(this);
    Panel1->SetAlign(alTop);
    Panel1->SetBevelOuter(bvNone);
    Panel1->SetHeight(34);
    MakeLabel(Panel1, 8, 10, "&Gallery:");
    CBPage = MakeControl<TComboBox>(Panel1, 60, 6, 150, 22);
    CBPage->SetDropDownCount(25);
    CB3D = MakeCheckBox(Panel1, 224, 8, 50, "&3D");
    CB3D->SetChecked(true);
    CBSmooth = MakeCheckBox(Panel1, 280, 8, 80, "&Smooth");
    CBSmooth->SetChecked(true);

    PanelBottom = MakeControl<TPanel>(this);
    PanelBottom->SetAlign(alBottom);
    PanelBottom->SetBevelOuter(bvNone);
    PanelBottom->SetHeight(36);
    BOK = MakePushButton(PanelBottom, 396, 6, 75, "OK");
    BOK->SetDefault(true);
    BOK->SetModalResult(mrOk);
    BCancel = MakePushButton(PanelBottom, 476, 6, 75, "Cancel");
    BCancel->SetCancel(true);
    BCancel->SetModalResult(mrCancel);

    ChartListBox1 = MakeControl<TChartListBox>(this);
    ChartListBox1->SetAlign(alLeft);
    ChartListBox1->SetWidth(170);
    ChartListBox1->AllowAddSeries = false;
    ChartListBox1->AllowDeleteSeries = false;
    ChartListBox1->EnableChangeColor = false;
    ChartListBox1->EnableDragSeries = false;
    ChartListBox1->EnableChangeType = false;
    ChartListBox1->SetShowSection(clsActive, false);
    ChartListBox1->SetShowSection(clsColor, false);
    ChartListBox1->SetMultiSelect(false);
    Splitter1 = MakeControl<TSplitter>(this);
    Splitter1->SetAlign(alLeft);
    ChartGalleryPanel1 = MakeControl<TChartGalleryPanel>(this);
    ChartGalleryPanel1->SetAlign(alClient);
}

void TTeeGalleryForm::FillPages() {
    // "(all)" first, then the gallery pages of the registered series in name order; the standard
    // page is chosen.
    const TTeeSeriesTypes& types = SeriesTypeList();
    for (int i = 0; i < types.Count(); ++i) {
        const TTeeSeriesType& entry = *types[i];
        if (entry.FunctionClassRef || !entry.PageText) continue;
        if (CBPage->Items()->IndexOf(*entry.PageText) < 0) CBPage->Items()->Add(*entry.PageText);
    }
    std::vector<std::string> pages;
    for (int i = 0; i < CBPage->Items()->Count(); ++i) pages.push_back(CBPage->Items()->Get(i));
    std::sort(pages.begin(), pages.end());
    CBPage->Items()->Clear();
    CBPage->Items()->Add(AllPages);
    for (const std::string& page : pages) CBPage->Items()->Add(page);
    CBPage->SetItemIndex(CBPage->Items()->IndexOf(TxtStandard));
}

void TTeeGalleryForm::ConnectHandlers() {
    ChartGalleryPanel1->OnSelectedChart = [this](TObject*) { SetModalResult(mrOk); };
    CBPage->OnChange = [this](TObject*) { CBPageChange(); };
    ChartListBox1->OnClick = [this](TObject*) { ChartListBox1Click(); };
    CB3D->OnClick = [this](TObject*) { ChartGalleryPanel1->SetView3D(CB3D->Checked()); };
    CBSmooth->OnClick = [this](TObject*) { ChartGalleryPanel1->SetSmooth(CBSmooth->Checked()); };
}

void TTeeGalleryForm::DoShow() {
    CBPageChange();
    TForm::DoShow();
}

void TTeeGalleryForm::CBPageChange() {
    const int index = CBPage->ItemIndex();
    const std::string page = index < 0 ? std::string() : CBPage->Items()->Get(index);
    const bool all = page == AllPages;
    FChart->FreeSeriesOfClass(nullptr);
    // The list shows the types sorted by their titles.
    std::vector<std::pair<std::string, TClass>> listed;
    const TTeeSeriesTypes& types = SeriesTypeList();
    for (int i = 0; i < types.Count(); ++i) {
        const TTeeSeriesType& entry = *types[i];
        if (entry.FunctionClassRef || !entry.SeriesClassRef || entry.VariantIndex != 0) continue;
        if (!all && (!entry.PageText || *entry.PageText != page)) continue;
        listed.emplace_back(TypeTitle(entry.SeriesClassRef), entry.SeriesClassRef);
    }
    std::stable_sort(listed.begin(), listed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [title, seriesClass] : listed)
        CreateChartSeries(this, FChart, seriesClass)->SetTitle(title);
    ChartListBox1->Items()->BeginUpdate();
    ChartListBox1->FillSeries(nullptr);
    ChartListBox1->Items()->EndUpdate();
    if (ChartListBox1->ItemIndex() < 0 && ChartListBox1->Items()->Count() > 0)
        ChartListBox1->SetItemIndex(0);
    ChartListBox1Click();
}

void TTeeGalleryForm::ChartListBox1Click() {
    TChartSeries* series = ChartListBox1->SelectedSeriesObject();
    if (!series || &series->ClassType() == FShownClass) return;
    TChartGalleryPanel* panel = ChartGalleryPanel1;
    panel->SetNumRows(3);
    panel->DisplaySub = false;
    const TTeeSeriesType* entry = SeriesTypeList().FindBySeriesClass(&series->ClassType());
    panel->ShowVariantsOf(&series->ClassType(), entry ? entry->SampleSeriesCount : 1);
    const int count = panel->Charts().Count();
    if (count > panel->NumRows() * panel->NumCols())
        panel->SetNumRows(count / panel->NumCols() + 1);
    panel->ShowSelectedLooks();
    FShownClass = &series->ClassType();
    if (ChartListBox1->Showing() && ChartListBox1->CanFocus()) ChartListBox1->SetFocus();
}
