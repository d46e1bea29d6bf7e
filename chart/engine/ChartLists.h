#pragma once
// The lists a chart keeps besides its custom axes: its series, all its axes and its tools. The
// series lists own nothing; the axis and tool lists free their items when cleared.
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/classes/Collection.h"
#include "platform/classes/Object.h"

class TChartAxis;
class TChartSeries;
class TComponent;
class TCustomAxisPanel;
class TSeriesGroup;
class TSeriesGroups;
class TTeeCustomTool;
class TAxisHost;

// A plain list of series with the component that keeps it (a chart or a group's chart).
class TCustomSeriesList {
public:
    explicit TCustomSeriesList(TComponent* owner = nullptr) : FOwner(owner) {}
    virtual ~TCustomSeriesList();

    TComponent* Owner() const { return FOwner; }
    int Count() const { return int(FItems.size()); }
    TChartSeries* GetSeries(int index) const { return FItems.at(size_t(index)); }
    TChartSeries* operator[](int index) const { return GetSeries(index); }
    void Add(TChartSeries* series) { FItems.push_back(series); }
    int IndexOf(const TChartSeries* series) const;
    // The former index, -1 when the series was not listed.
    int Remove(const TChartSeries* series);
    void Exchange(int indexA, int indexB);
    void Clear() { FItems.clear(); }
    void Assign(const TCustomSeriesList& source) { FItems = source.FItems; }
    auto begin() const { return FItems.begin(); }
    auto end() const { return FItems.end(); }

protected:
    std::vector<TChartSeries*> FItems;

private:
    TComponent* FOwner;
};

// The chart's series in drawing order, with the chart's series groups.
class TChartSeriesList : public TCustomSeriesList {
public:
    explicit TChartSeriesList(TCustomAxisPanel* chart);
    ~TChartSeriesList() override;

    TSeriesGroups* GroupCollection() const { return FGroups.get(); }
    TChartSeries* LastSeries() const { return FItems.empty() ? nullptr : FItems.back(); }
    void SetSeries(int index, TChartSeries* series) { FItems.at(size_t(index)) = series; }
    // Clear of every series.
    void ClearValues();
    // Every series Active; true for an empty list.
    bool AllActive() const;
    void SetAllActive(bool value);
    TSeriesGroup* AddGroup(const std::string& name);

private:
    std::unique_ptr<TSeriesGroups> FGroups;
};

// Every axis of a chart in creation order: the six standard axes (bottom, top, left, right,
// depth, depth-top), then the custom ones, which the list reads from the chart's custom-axes
// collection (so an axis is listed from the moment it joins the collection to the moment it
// leaves it). Clear frees them all.
class TChartAxes {
public:
    using TAxisSpaceHook = std::function<int(TChartAxis& axis, int size)>;

    explicit TChartAxes(TCustomAxisPanel* chart) : FChart(chart) {}
    ~TChartAxes();
    TChartAxes(const TChartAxes&) = delete;
    TChartAxes& operator=(const TChartAxes&) = delete;

    TCustomAxisPanel* Chart() const { return FChart; }
    int Count() const;
    TChartAxis* GetAxis(int index) const;
    TChartAxis* operator[](int index) const { return GetAxis(index); }
    int IndexOf(const TChartAxis* axis) const;
    // Every axis as a list of its own, which stays valid while axes come and go.
    std::vector<TChartAxis*> List() const;
    // A standard axis joins / leaves (the chart's own bookkeeping).
    void Add(TChartAxis* axis) { FStandard.push_back(axis); }
    void Remove(const TChartAxis* axis);
    // Frees the axes one by one from the front.
    void Clear();

    TChartAxis* Bottom() const;
    TChartAxis* Top() const;
    TChartAxis* Left() const;
    TChartAxis* Right() const;
    TChartAxis* Depth() const;
    TChartAxis* DepthTop() const;
    bool Behind() const;
    void SetBehind(bool value);
    bool Visible() const;
    void SetVisible(bool value);

    // Off: the axes clamp their pixels. Every axis picks its pixel routines again.
    bool FastPixelMode() const { return FFastPixelMode; }
    void SetFastPixelMode(bool value);
    // May change the room an axis takes beside the chart rectangle.
    TAxisSpaceHook AxisSpaceHook;

private:
    int CustomCount() const;

    TCustomAxisPanel* FChart;
    std::vector<TChartAxis*> FStandard;  // owned: freed by Clear
    bool FFastPixelMode = false;
};

// The chart's custom axes, items of class TChartAxis made for the chart's axes.
class TChartCustomAxes : public TOwnedCollection {
    KV_DECLARE_CLASS(TChartCustomAxes, TOwnedCollection)
public:
    explicit TChartCustomAxes(TCustomAxisPanel* chart);
    TCustomAxisPanel* Chart() const { return FChart; }
    TChartAxis* GetAxis(int index) const;

private:
    TCustomAxisPanel* FChart;
};

// The chart's tools in order. Clear frees them.
class TChartTools {
public:
    explicit TChartTools(TCustomAxisPanel* chart) : FChart(chart) {}
    ~TChartTools();
    TChartTools(const TChartTools&) = delete;
    TChartTools& operator=(const TChartTools&) = delete;

    TCustomAxisPanel* Chart() const { return FChart; }
    int Count() const { return int(FItems.size()); }
    TTeeCustomTool* GetTool(int index) const { return FItems.at(size_t(index)); }
    TTeeCustomTool* operator[](int index) const { return GetTool(index); }
    int IndexOf(const TTeeCustomTool* tool) const;
    // Joins the chart (which appends it), or is just appended for a list without a chart.
    TTeeCustomTool* AddTool(TTeeCustomTool* tool);
    // A new tool of the class, owned by the chart.
    TTeeCustomTool* AddToolOfClass(TClass toolClass);
    // The list's own bookkeeping; tools call these from their SetParentChart.
    void Append(TTeeCustomTool* tool) { FItems.push_back(tool); }
    void Remove(const TTeeCustomTool* tool);
    // The tools at the two positions trade places (the order they are drawn and handled in).
    void Exchange(int index1, int index2) {
        std::swap(FItems.at(size_t(index1)), FItems.at(size_t(index2)));
    }
    // Frees the tools one by one from the front.
    void Clear();
    auto begin() const { return FItems.begin(); }
    auto end() const { return FItems.end(); }

private:
    TCustomAxisPanel* FChart;
    std::vector<TTeeCustomTool*> FItems;
};
