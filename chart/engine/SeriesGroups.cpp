#include "chart/engine/SeriesGroups.h"

#include <algorithm>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartSeries.h"
#include "platform/classes/Publisher.h"

const TEnumInfo& SeriesGroupActiveNames() {
    static const TEnumInfo names{"gaYes", "gaNo", "gaSome"};
    return names;
}

TSeriesGroup::TSeriesGroup(TCollection* collection) : TCollectionItem(collection) {
    auto* owner = collection ? dynamic_cast<TComponent*>(collection->GetOwner()) : nullptr;
    FSeries = std::make_unique<TCustomSeriesList>(owner);
    FName = "Group";
    if (collection) FName += std::to_string(collection->Count());
}

TSeriesGroup::~TSeriesGroup() = default;

void TSeriesGroup::Publish(TPublisher<TSeriesGroup>& p) {
    p.Enumeration("Active", SeriesGroupActiveNames(), &TSeriesGroup::Active,
                  &TSeriesGroup::SetActive)
        .Default(gaYes);
    p.String("Name", &TSeriesGroup::Name, &TSeriesGroup::SetName);
}

TSeriesGroupActive TSeriesGroup::Active() const {
    const int active = int(std::count_if(FSeries->begin(), FSeries->end(),
                                         [](const TChartSeries* s) { return s->Active(); }));
    if (active == FSeries->Count()) return gaYes;
    return active == 0 ? gaNo : gaSome;
}

void TSeriesGroup::SetActive(TSeriesGroupActive value) {
    if (value == gaSome || value == Active()) return;
    for (TChartSeries* s : *FSeries) s->SetActive(value == gaYes);
}

void TSeriesGroup::Assign(const TPersistent* source) {
    auto* other = dynamic_cast<const TSeriesGroup*>(source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    FName = other->FName;
    FSeries->Assign(*other->FSeries);
}

TSeriesGroups::TSeriesGroups(TCustomAxisPanel* chart)
    : TOwnedCollection(chart, &TSeriesGroup::StaticClass()) {}

TSeriesGroup* TSeriesGroups::GetGroup(int index) const {
    return static_cast<TSeriesGroup*>(Items(index));
}

int TSeriesGroups::IndexOfSeries(const TChartSeries* series) const {
    for (int i = 0; i < Count(); ++i)
        if (GetGroup(i)->Series().IndexOf(series) >= 0) return i;
    return -1;
}

void TSeriesGroups::RemoveSeries(const TChartSeries* series) {
    for (int i = 0; i < Count(); ++i) GetGroup(i)->Series().Remove(series);
}
