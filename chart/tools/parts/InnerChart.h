#pragma once
// A complete chart placed inside another chart by a sub-chart tool: it never has a window of its
// own; the tool draws it onto the outer chart's canvas at its bounds (pixel positions in the outer
// chart) and hands it the mouse events that fall there. A new one shows no legend, titles,
// margins or bevel, over a transparent background.
#include "chart/engine/Chart.h"

class TSubChart;
class TSubChartTool;

class TInnerChart : public TChart {
    KV_DECLARE_CLASS(TInnerChart, TChart)
public:
    explicit TInnerChart(TComponent* owner);
    ~TInnerChart() override;

    // Shows the legend and titles and takes the panel colour again, as a plain chart starts.
    void ResetToPublishedDefaults();

    TSubChart* Item() const { return FItem; }
    void SetItem(TSubChart* item) { FItem = item; }
    TSubChartTool* Tool() const;

    // Asks the outer chart to repaint: that is where this chart shows.
    void Invalidate() override;
    void SetBounds(int left, int top, int width, int height) override;

    // Its parent component is the tool; given a sub-chart tool while linked to an item, the
    // tool becomes the item's and this chart its inner chart.
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* value) override;

    // The outer chart's mouse events, at outer chart pixels (where this chart was drawn).
    void ForwardMouse(TChartMouseEvent kind, TMouseButton button, TShiftState shift, int x, int y);
    // Whether the last forwarded event was taken: claimed by a handler or tool, or a zoom or
    // pan drag is under way.
    bool MouseTaken() const;

private:
    TSubChart* FItem = nullptr;
};
