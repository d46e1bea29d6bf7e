#pragma once
// Named groups of a chart's series that can be switched on and off together.
#include <memory>
#include <string>

#include "chart/engine/ChartLists.h"
#include "platform/classes/Collection.h"

enum TSeriesGroupActive { gaYes, gaNo, gaSome };
const TEnumInfo& SeriesGroupActiveNames();

class TSeriesGroup : public TCollectionItem {
    KV_DECLARE_CLASS(TSeriesGroup, TCollectionItem)
public:
    // Named "Group" and the collection's count ("Group1" for the first).
    explicit TSeriesGroup(TCollection* collection);
    ~TSeriesGroup() override;

    // gaYes when the group has no series or all are Active, gaNo when none is, else gaSome.
    TSeriesGroupActive Active() const;
    // gaSome, or the state the group is in, changes nothing.
    void SetActive(TSeriesGroupActive value);
    const std::string& Name() const { return FName; }
    void SetName(const std::string& value) { FName = value; }
    TCustomSeriesList& Series() { return *FSeries; }
    const TCustomSeriesList& Series() const { return *FSeries; }
    void SetSeries(const TCustomSeriesList& list) { FSeries->Assign(list); }
    void Add(TChartSeries* series) { FSeries->Add(series); }

    std::string DisplayName() const override { return FName; }
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TSeriesGroup>& p);

private:
    std::string FName;
    std::unique_ptr<TCustomSeriesList> FSeries;
};

class TSeriesGroups : public TOwnedCollection {
    KV_DECLARE_CLASS(TSeriesGroups, TOwnedCollection)
public:
    explicit TSeriesGroups(TCustomAxisPanel* chart);
    TSeriesGroup* GetGroup(int index) const;
    // The first group holding the series, -1 when none.
    int IndexOfSeries(const TChartSeries* series) const;
    // Takes the series out of every group (it leaves the chart).
    void RemoveSeries(const TChartSeries* series);
};
