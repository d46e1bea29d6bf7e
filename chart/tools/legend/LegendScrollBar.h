#pragma once
// A drawn scroll bar along the chart's legend: it scrolls the legend's first shown item, or the
// chart's pages when the chart is paged, and makes the legend leave room for itself.
#include "chart/tools/legend/TeeScrollBar.h"

class TChartLegend;

class TLegendScrollBar : public TTeeScrollBar {
    KV_DECLARE_CLASS(TLegendScrollBar, TTeeScrollBar)
public:
    explicit TLegendScrollBar(TComponent* owner);
    ~TLegendScrollBar() override;

    int PageSize() override;
    int PageStep() override;
    int Position() override;
    void SetPosition(int value) override;
    bool CalcBounds(TRect& rect) override;
    int Max() override;

    void SetParentChart(TCustomAxisPanel* value) override;

    static std::string KindName() { return "Legend Scrollbar"; }
    static std::string KindDescription() {
        return "Displays a scrollbar at Chart Legend to enable scroll it by dragging the mouse.";
    }

private:
    TChartLegend* Legend() const;
    bool Paged() const;
    void Hook(bool install);
};
