#pragma once
// Any number of complete charts inside one chart. Each entry of Charts owns an inner chart with
// its own series, axes and settings, placed by a rectangle in the outer chart's pixels. After
// the outer chart has drawn, every inner chart draws onto its canvas, later entries over earlier
// ones; a mouse event inside inner charts goes to the topmost one first. The inner charts are
// stored inside the tool's stream as complete component streams ("InnerChart").
#include <string>

#include "chart/engine/ChartTools.h"
#include "platform/classes/Collection.h"

class TChart;
class TInnerChart;
class TStream;
class TSubChartTool;

class TSubChart : public TCollectionItem {
    KV_DECLARE_CLASS(TSubChart, TCollectionItem)
public:
    // Made with its inner chart (at 50, 50, 150 x 100), except while the tool is being read:
    // then the stream brings it.
    explicit TSubChart(TCollection* collection);
    ~TSubChart() override;

    TSubChartTool* Tool() const { return FTool; }
    void SetTool(TSubChartTool* tool) { FTool = tool; }
    // The inner chart, made when missing.
    TInnerChart* Chart();
    // Copies the chart into the inner chart.
    void SetChart(const TChart* value);
    // The item takes the chart over, freeing any other it held.
    void AdoptChart(TInnerChart* chart);

    int Left() const;
    void SetLeft(int value);
    int Top() const;
    void SetTop(int value);
    int Width() const;
    void SetWidth(int value);
    int Height() const;
    void SetHeight(int value);

    std::string DisplayName() const override;
    // From another item: a copy of its chart, series and all.
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TSubChart>& p);

protected:
    // "InnerChart": the inner chart as a component stream, always written.
    void DefineProperties(TFiler& filer) override;

private:
    void ReadInnerChart(TStream& stream);
    void WriteInnerChart(TStream& stream);

    TSubChartTool* FTool = nullptr;
    TInnerChart* FChart = nullptr;  // owned
};

class TChartCollection : public TOwnedCollection {
    KV_DECLARE_CLASS(TChartCollection, TOwnedCollection)
public:
    explicit TChartCollection(TSubChartTool* tool);
    TSubChart* Item(int index) const { return static_cast<TSubChart*>(Items(index)); }
    TSubChartTool* Tool() const { return FTool; }
    // A new entry with its inner chart.
    TSubChart* AddChart();

private:
    TSubChartTool* FTool;
};

class TSubChartTool : public TTeeCustomTool {
    KV_DECLARE_CLASS(TSubChartTool, TTeeCustomTool)
public:
    explicit TSubChartTool(TComponent* owner);
    ~TSubChartTool() override;

    TChartCollection* Charts() const { return FCharts.get(); }
    void SetCharts(const TChartCollection* value);

    void SetParentChart(TCustomAxisPanel* value) override;
    void ChartDrawEvent(TChartToolEvent event) override;
    void ChartMouseEvent(TChartMouseEvent kind, TMouseButton button, TShiftState shift, int x,
                         int y) override;

    static std::string KindName() { return "SubChart"; }
    static std::string KindDescription() { return "Multiple Charts inside a single Chart"; }
    static std::string EditorClassName() { return "TSubChartEditor"; }

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TSubChartTool>& p);

private:
    std::unique_ptr<TChartCollection> FCharts;
};
