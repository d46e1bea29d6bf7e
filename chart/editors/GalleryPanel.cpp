#include "chart/editors/GalleryPanel.h"

#include <algorithm>
#include <memory>

#include "chart/engine/ChartEngineStartup.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/ChartTitle.h"
#include "chart/engine/LineSeries.h"
#include "chart/engine/SeriesCreation.h"
#include "chart/engine/TeeFunction.h"
#include "chart/foundation/ComponentNames.h"
#include "chart/foundation/EditorOptions.h"
#include "chart/foundation/TeeFont.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/TeeShadow.h"
#include "chart/foundation/View3DOptions.h"
#include "platform/classes/Cursors.h"
#include "platform/graphics/Colors.h"
#include "platform/ui/Form.h"

namespace {

const char* const SmoothGalleryOption = "SmoothGallery";

TChartSeries* FirstSeries(const TCustomChart* chart) {
    return chart && chart->SeriesCount() > 0 ? chart->GetSeries(0) : nullptr;
}

void SetGalleryMargins(TGalleryChart& chart, bool view3D) {
    const int margin = view3D ? 4 : 5;
    for (int i = 0; i < 4; ++i) chart.SetMargin(i, margin);
}

// The parts of a description, one title line each.
void SetTitleLines(TGalleryChart& chart, const std::string& description) {
    TStrings* lines = chart.Title()->Text();
    lines->Clear();
    size_t start = 0;
    for (;;) {
        const size_t end = description.find(LineSeparator, start);
        lines->Add(description.substr(start, end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
}

bool MatchesMode(const TTeeSeriesType& entry, const std::string& page, bool functionsMode) {
    return entry.PageText && *entry.PageText == page &&
           (entry.FunctionClassRef != nullptr) == functionsMode;
}

}  // namespace

void PrepareGallerySeries(TChartSeries& series, bool view3D, bool enabled) {
    series.Apply3DFromGallery(view3D);
    series.PrepareForGallery(enabled);
}

// --- TChartList.

int TChartList::IndexOf(const TGalleryChart* chart) const {
    const auto it = std::find(FItems.begin(), FItems.end(), chart);
    return it == FItems.end() ? -1 : int(it - FItems.begin());
}

void TChartList::Clear() {
    // Taken out first: freeing a chart may come back to the list.
    std::vector<TGalleryChart*> charts;
    charts.swap(FItems);
    for (TGalleryChart* chart : charts) TObject::Free(chart);
}

// --- TChartGalleryPanel.

TChartGalleryPanel::TChartGalleryPanel(TComponent* owner) : TCustomPanelNoCaption(owner) {
    SetParentColor(true);
    FSmooth = FSmoothAtStart = ReadEditorOptionBool(SmoothGalleryOption, false);
}

TChartGalleryPanel::~TChartGalleryPanel() {
    if (FSmooth != FSmoothAtStart) WriteEditorOptionBool(SmoothGalleryOption, FSmooth);
    FSelectedChart = nullptr;
    FCharts.Clear();
}

void TChartGalleryPanel::SetNumRows(int value) {
    FNumRows = value;
    LayoutCharts();
}

void TChartGalleryPanel::SetNumCols(int value) {
    FNumCols = value;
    LayoutCharts();
}

void TChartGalleryPanel::SetSmooth(bool value) {
    if (FSmooth == value) return;
    FSmooth = value;
    if (ComponentState().Contains(csLoading)) return;
    for (int i = 0; i < FCharts.Count(); ++i) {
        FCharts[i]->SmoothDraw = value;
        FCharts[i]->Invalidate();
    }
}

void TChartGalleryPanel::SetView3D(bool value) {
    if (FView3D == value) return;
    FView3D = value;
    for (int i = 0; i < FCharts.Count(); ++i) {
        if (TChartSeries* series = FirstSeries(FCharts[i])) series->Apply3DFromGallery(value);
        SetGalleryMargins(*FCharts[i], value);
    }
}

int TChartGalleryPanel::Border() const {
    return FNumRows > 0 && FNumCols > 0 ? BevelWidth() + BorderWidth() : 0;
}

void TChartGalleryPanel::ComputeCells() {
    const int b = Border();
    FCellHeight = FNumRows > 0 ? (Height() - b) / FNumRows : 0;
    FCellWidth = FNumCols > 0 ? (Width() - b) / FNumCols : 0;
}

void TChartGalleryPanel::PlaceChart(TGalleryChart* chart, int index) {
    if (FNumCols <= 0) return;
    const int b = Border();
    const int column = index % FNumCols;
    const int row = index / FNumCols;
    // The right and bottom edges stay one pixel inside the cell.
    const int width = std::min(FCellWidth, Width() - b) - 1;
    const int height = std::min(FCellHeight, Height() - b) - 1;
    chart->SetBounds(b + column * FCellWidth, b + row * FCellHeight, std::max(0, width),
                     std::max(0, height));
}

void TChartGalleryPanel::LayoutCharts() {
    ComputeCells();
    for (int i = 0; i < FCharts.Count(); ++i) PlaceChart(FCharts[i], i);
}

void TChartGalleryPanel::Resize() {
    TCustomPanelNoCaption::Resize();
    LayoutCharts();
}

void TChartGalleryPanel::ClearCharts() {
    // Freeing the focused sample moves the keyboard focus to another one about to go too.
    for (int i = 0; i < FCharts.Count(); ++i) FCharts[i]->OnEnter = nullptr;
    FSelectedChart = nullptr;
    FCharts.Clear();
}

void TChartGalleryPanel::CreateGalleryPage(const std::string& page) {
    const TTeeSeriesTypes& types = SeriesTypeList();
    int count = 0;
    for (int i = 0; i < types.Count(); ++i)
        if (MatchesMode(*types[i], page, FunctionsMode)) ++count;
    FNumRows = count > (FNumRows - 1) * FNumCols ? (count - 1) / FNumCols + 1 : 3;
    ComputeCells();
    ClearCharts();
    for (int i = 0; i < types.Count(); ++i)
        if (MatchesMode(*types[i], page, FunctionsMode)) CreateGalleryChart(*types[i]);
    if (SelectedSeries) {
        for (int i = 0; i < FCharts.Count(); ++i) {
            TChartSeries* series = FirstSeries(FCharts[i]);
            if (series && &series->ClassType() == &SelectedSeries->ClassType() &&
                !series->Function() && !FCharts[i]->Disabled()) {
                FSelectedChart = FCharts[i];
                break;
            }
        }
    }
    ShowSelectedLooks();
}

TGalleryChart* TChartGalleryPanel::CreateGalleryChart(const TTeeSeriesType& entry) {
    const TClass seriesClass =
        entry.SeriesClassRef ? entry.SeriesClassRef : &TLineSeries::StaticClass();
    auto* chart = new TGalleryChart(this);
    chart->SetTag(entry.VariantIndex);
    chart->SetColor(Color());
    chart->SetAutoRepaint(false);
    FCharts.Add(chart);
    SetTitleLines(*chart, entry.DescriptionText ? *entry.DescriptionText : std::string());
    chart->SetParent(this);
    chart->SetName(UniqueComponentName(this, "TeeGalleryChart"));
    PlaceChart(chart, FCharts.Count() - 1);

    const int seriesCount = std::max(1, entry.SampleSeriesCount);
    for (int i = 0; i < seriesCount; ++i) {
        TChartSeries* series =
            CreateChartSeries(nullptr, chart, seriesClass, entry.FunctionClassRef);
        if (entry.VariantIndex != 0) series->ApplyGalleryVariant(series, entry.VariantIndex);
    }
    TChartSeries* first = FirstSeries(chart);
    if (CheckSeries && SelectedSeries && !first->CanCopyFrom(*SelectedSeries)) {
        chart->SetDisabled();
    } else {
        chart->SetCursor(crHandPoint);
        chart->OnClick = [this, chart](TObject*) { SelectChart(chart); };
        chart->OnEnter = [this, chart](TObject*) {
            // Focus alone: the sub-gallery opens on a click only, not when the keyboard (or
            // the focus given with the looks) lands on the chart.
            if (chart == FSelectedChart) return;
            FSelectedChart = chart;
            ShowSelectedLooks();
        };
        chart->OnDblClick = [this, chart](TObject*) { ChartChosen(chart); };
    }
    first->Apply3DFromGallery(FView3D);
    if (entry.FunctionClassRef) {
        // The function dresses its own sample: most show themselves over sample points of
        // their series, some over another kind of series they put in its place.
        const std::unique_ptr<TTeeFunction> function(
            CreateAs<TTeeFunction>(entry.FunctionClassRef, nullptr));
        function->PrepareGalleryChart(*chart);
    } else {
        for (int i = 0; i < chart->SeriesCount(); ++i)
            chart->GetSeries(i)->PrepareForGallery(!chart->Disabled());
    }
    SetGalleryMargins(*chart, FView3D);
    chart->SmoothDraw = FSmooth;
    chart->SetAutoRepaint(true);
    return chart;
}

void TChartGalleryPanel::ShowVariantsOf(TClass seriesClass, int sampleSeriesCount) {
    ClearCharts();
    FVariantEntry = TTeeSeriesType{};
    FVariantEntry.SeriesClassRef = seriesClass;
    FVariantEntry.DescriptionText = &FVariantName;
    FVariantEntry.SampleSeriesCount = sampleSeriesCount;
    TChartSeries* lister = CreateAs<TChartSeries>(seriesClass);
    lister->ListGalleryVariants([this](const std::string& name) { AddVariantChart(name); });
    TObject::Free(lister);
}

void TChartGalleryPanel::AddVariantChart(const std::string& name) {
    FVariantName = name;
    const int variant = FCharts.Count();
    TGalleryChart* chart = CreateGalleryChart(FVariantEntry);
    for (int i = 0; i < chart->SeriesCount(); ++i)
        chart->GetSeries(i)->ApplyGalleryVariant(chart->GetSeries(i), variant);
    chart->SetTag(variant);
}

bool TChartGalleryPanel::GetSelected(TClass& seriesClass, TClass& functionClass,
                                     int& subIndex) const {
    TChartSeries* series = FirstSeries(FSelectedChart);
    if (!series) return false;
    seriesClass = &series->ClassType();
    functionClass = series->Function() ? &series->Function()->ClassType() : nullptr;
    subIndex = int(FSelectedChart->Tag());
    return true;
}

void TChartGalleryPanel::LightChart(TGalleryChart* chart) {
    TTeeGradient* gradient = chart->Gradient();
    gradient->SetDirection(gdFromTopLeft);
    gradient->SetStartColor(clSilver);
    gradient->SetEndColor(clWhite);
    gradient->SetVisible(true);
    if (FocusRotation) {
        chart->View3DOptions()->SetRotation(345);
        if (TChartSeries* series = FirstSeries(chart)) series->Apply3DFromGallery(FView3D);
    }
    TTeeFont* font = chart->Title()->Font();
    font->SetStyle(TFontStyles{fsBold});
    font->SetColor(clBlack);
    font->SetSize(10);
    TTeeShadow* shadow = font->Shadow();
    shadow->SetColor(clGray);
    shadow->SetCommonSize(2);
    shadow->SetSmoothBlur(5);
    shadow->SetVisible(true);
    chart->SetBevelOuter(bvRaised);
}

void TChartGalleryPanel::DimChart(TGalleryChart* chart) {
    chart->Gradient()->SetVisible(false);
    chart->SetBevelOuter(bvNone);
    TTeeFont* font = chart->Title()->Font();
    font->SetStyle(TFontStyles{});
    font->SetColor(clNavy);
    font->SetSize(8);
    font->Shadow()->SetVisible(false);
    if (FocusRotation) {
        chart->View3DOptions()->SetRotation(335);
        if (TChartSeries* series = FirstSeries(chart)) series->Apply3DFromGallery(FView3D);
    }
}

void TChartGalleryPanel::ShowSelectedLooks() {
    if (!FSelectedChart && FocusFirst) {
        for (int i = 0; i < FCharts.Count() && !FSelectedChart; ++i)
            if (!FCharts[i]->Disabled()) FSelectedChart = FCharts[i];
    }
    for (int i = 0; i < FCharts.Count(); ++i)
        if (FCharts[i] != FSelectedChart && FCharts[i]->Lit()) DimChart(FCharts[i]);
    if (!FSelectedChart) return;
    LightChart(FSelectedChart);
    if (FSelectedChart->Showing() && FSelectedChart->CanFocus() && !FSelectedChart->Focused())
        FSelectedChart->SetFocus();
    if (OnChangeChart) OnChangeChart(this);
}

void TChartGalleryPanel::SelectChart(TGalleryChart* chart) {
    if (chart != FSelectedChart) {
        FSelectedChart = chart;
        ShowSelectedLooks();
    }
    if (!DisplaySub || !chart) return;
    const TPoint mouse = chart->GetMouseClientPos();
    if (mouse.X >= 0 && mouse.X < 12 && mouse.Y >= chart->Height() - 12 &&
        mouse.Y < chart->Height())
        ShowSubGallery();
}

void TChartGalleryPanel::ChartChosen(TGalleryChart* chart) {
    if (chart != FSelectedChart) {
        FSelectedChart = chart;
        ShowSelectedLooks();
    }
    if (OnSelectedChart) OnSelectedChart(this);
}

void TChartGalleryPanel::FocusCell(int column, int row) {
    const int index = row * FNumCols + column;
    if (index < 0 || index >= FCharts.Count()) return;
    TGalleryChart* chart = FCharts[index];
    if (chart->Disabled() || chart == FSelectedChart) return;
    FSelectedChart = chart;
    ShowSelectedLooks();
}

void TChartGalleryPanel::KeyDown(int& key, TShiftState shift) {
    HandleKey(key, shift);
    if (key) TCustomPanelNoCaption::KeyDown(key, shift);
}

void TChartGalleryPanel::HandleKey(int& key, TShiftState shift) {
    if (key == VK_ESCAPE && IsSubPanel) {
        if (auto* form = dynamic_cast<TForm*>(Parent())) form->SetModalResult(mrCancel);
        key = 0;
        return;
    }
    if (key == VK_RETURN) {
        if (FSelectedChart) ChartChosen(FSelectedChart);
        key = 0;
        return;
    }
    if (key != VK_LEFT && key != VK_UP && key != VK_RIGHT && key != VK_DOWN) return;
    const int pressed = key;
    key = 0;
    const int index = FCharts.IndexOf(FSelectedChart);
    if (pressed == VK_DOWN && shift.Contains(ssAlt) && DisplaySub) {
        ShowSubGallery();
        return;
    }
    if (index < 0 || FNumCols <= 0) return;
    int column = index % FNumCols;
    int row = index / FNumCols;
    if (pressed == VK_LEFT && column > 0) --column;
    if (pressed == VK_UP && row > 0) --row;
    if (pressed == VK_RIGHT && column < FNumCols - 1) ++column;
    if (pressed == VK_DOWN && row < FNumRows - 1) ++row;
    FocusCell(column, row);
}
