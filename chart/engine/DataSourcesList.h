#pragma once
// The components that feed a series, in order: other series, or data-source components. The
// first entry is the series' DataSource. The list owns none of them.
//
// Taking an entry out by any list operation lets the series go of it (UnlinkDataSource), so
// both sides of a link stay in step whichever way an entry leaves.
#include <cstddef>
#include <vector>

class TChartSeries;
class TComponent;

class TDataSourcesList {
public:
    explicit TDataSourcesList(TChartSeries* series) : FSeries(series) {}
    TDataSourcesList(const TDataSourcesList&) = delete;
    TDataSourcesList& operator=(const TDataSourcesList&) = delete;

    int Count() const { return int(FItems.size()); }
    TComponent* operator[](int index) const { return FItems.at(size_t(index)); }
    // None when the list is empty.
    TComponent* First() const { return FItems.empty() ? nullptr : FItems.front(); }
    int IndexOf(const TComponent* component) const;
    auto begin() const { return FItems.begin(); }
    auto end() const { return FItems.end(); }

    // Validates and appends a further source; its index, -1 when it was listed already.
    int AddSource(TComponent* component);
    void Remove(TComponent* component);
    void Delete(int index);
    // The series leaves the dependents of its source series, the list empties, and a series
    // whose points were not entered by hand loses them.
    void Clear();

private:
    friend class TChartSeries;
    // Plain list changes, without telling anybody.
    void Append(TComponent* component) { FItems.push_back(component); }
    void Erase(const TComponent* component);
    // An entry taken out of the list: the free notification, the dependents of a source
    // series, the chart and a source component all let go of the series.
    void LetGo(TComponent* component);

    TChartSeries* FSeries;
    std::vector<TComponent*> FItems;
    // Unlinking the first entry clears the list, and clearing unlinks: this stops the circle.
    bool FClearing = false;
};
