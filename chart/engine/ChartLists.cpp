#include "chart/engine/ChartLists.h"

#include <algorithm>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/ChartTools.h"
#include "chart/engine/SeriesGroups.h"

// --- Series lists.

TCustomSeriesList::~TCustomSeriesList() = default;

int TCustomSeriesList::IndexOf(const TChartSeries* series) const {
    auto it = std::find(FItems.begin(), FItems.end(), series);
    return it == FItems.end() ? -1 : int(it - FItems.begin());
}

int TCustomSeriesList::Remove(const TChartSeries* series) {
    const int index = IndexOf(series);
    if (index >= 0) FItems.erase(FItems.begin() + index);
    return index;
}

void TCustomSeriesList::Exchange(int indexA, int indexB) {
    std::swap(FItems.at(size_t(indexA)), FItems.at(size_t(indexB)));
}

TChartSeriesList::TChartSeriesList(TCustomAxisPanel* chart)
    : TCustomSeriesList(chart), FGroups(std::make_unique<TSeriesGroups>(chart)) {}

TChartSeriesList::~TChartSeriesList() = default;

void TChartSeriesList::ClearValues() {
    for (TChartSeries* s : FItems) s->Clear();
}

bool TChartSeriesList::AllActive() const {
    return std::all_of(FItems.begin(), FItems.end(), [](TChartSeries* s) { return s->Active(); });
}

void TChartSeriesList::SetAllActive(bool value) {
    for (TChartSeries* s : FItems) s->SetActive(value);
}

TSeriesGroup* TChartSeriesList::AddGroup(const std::string& name) {
    auto* group = static_cast<TSeriesGroup*>(FGroups->Add());
    group->SetName(name);
    return group;
}

// --- Axes.

TChartAxes::~TChartAxes() { Clear(); }

int TChartAxes::CustomCount() const {
    const TChartCustomAxes* custom = FChart->CustomAxes();
    return custom ? custom->Count() : 0;
}

int TChartAxes::Count() const { return int(FStandard.size()) + CustomCount(); }

TChartAxis* TChartAxes::GetAxis(int index) const {
    const int standard = int(FStandard.size());
    if (index >= 0 && index < standard) return FStandard[size_t(index)];
    return FChart->CustomAxes()->GetAxis(index - standard);
}

int TChartAxes::IndexOf(const TChartAxis* axis) const {
    for (int i = 0; i < Count(); ++i)
        if (GetAxis(i) == axis) return i;
    return -1;
}

std::vector<TChartAxis*> TChartAxes::List() const {
    std::vector<TChartAxis*> list(FStandard);
    for (int i = 0; i < CustomCount(); ++i) list.push_back(FChart->CustomAxes()->GetAxis(i));
    return list;
}

void TChartAxes::Remove(const TChartAxis* axis) {
    auto it = std::find(FStandard.begin(), FStandard.end(), axis);
    if (it != FStandard.end()) FStandard.erase(it);
}

void TChartAxes::Clear() {
    // An axis leaves the list as it is freed (a standard one through its chart, a custom one
    // with its collection); what is left after it is taken out here.
    while (Count() > 0) {
        TChartAxis* axis = GetAxis(0);
        delete axis;
        Remove(axis);
    }
}

TChartAxis* TChartAxes::Bottom() const { return FChart->BottomAxis(); }
TChartAxis* TChartAxes::Top() const { return FChart->TopAxis(); }
TChartAxis* TChartAxes::Left() const { return FChart->LeftAxis(); }
TChartAxis* TChartAxes::Right() const { return FChart->RightAxis(); }
TChartAxis* TChartAxes::Depth() const { return FChart->DepthAxis(); }
TChartAxis* TChartAxes::DepthTop() const { return FChart->DepthTopAxis(); }
bool TChartAxes::Behind() const { return FChart->AxisBehind(); }
void TChartAxes::SetBehind(bool value) { FChart->SetAxisBehind(value); }
bool TChartAxes::Visible() const { return FChart->AxisVisible(); }
void TChartAxes::SetVisible(bool value) { FChart->SetAxisVisible(value); }

void TChartAxes::SetFastPixelMode(bool value) {
    FFastPixelMode = value;
    for (TChartAxis* axis : List()) axis->SelectPixelCalculators();
}

// --- Custom axes.

TChartCustomAxes::TChartCustomAxes(TCustomAxisPanel* chart)
    : TOwnedCollection(chart, &TChartAxis::StaticClass()), FChart(chart) {}

TChartAxis* TChartCustomAxes::GetAxis(int index) const {
    return static_cast<TChartAxis*>(Items(index));
}

// The host of an axis the collection makes is the collection's chart.
TChartAxis::TChartAxis(TCollection* collection)
    : TChartAxis(
          [collection]() -> TAxisHost* {
              auto* axes = dynamic_cast<TChartCustomAxes*>(collection);
              return axes ? axes->Chart() : nullptr;
          }(),
          collection) {}

// --- Tools.

TChartTools::~TChartTools() { Clear(); }

int TChartTools::IndexOf(const TTeeCustomTool* tool) const {
    auto it = std::find(FItems.begin(), FItems.end(), tool);
    return it == FItems.end() ? -1 : int(it - FItems.begin());
}

TTeeCustomTool* TChartTools::AddTool(TTeeCustomTool* tool) {
    if (FChart)
        tool->SetParentChart(FChart);
    else
        Append(tool);
    return tool;
}

TTeeCustomTool* TChartTools::AddToolOfClass(TClass toolClass) {
    return AddTool(CreateAs<TTeeCustomTool>(toolClass, FChart));
}

void TChartTools::Remove(const TTeeCustomTool* tool) {
    auto it = std::find(FItems.begin(), FItems.end(), tool);
    if (it != FItems.end()) FItems.erase(it);
}

void TChartTools::Clear() {
    while (!FItems.empty()) {
        TTeeCustomTool* tool = FItems.front();
        Remove(tool);  // before it goes, so that its leaving finds nothing to do here
        TObject::Free(tool);
    }
}
