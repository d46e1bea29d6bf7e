#pragma once
// The small chart of a legend palette tool: its one series shows the palette as bands, with a
// real axis for the values. It has no window; the tool draws it on the host chart, and a change
// of it repaints the host chart instead.
#include "chart/tools/parts/InnerChart.h"

class TTeeCustomTool;

class TPaletteChart : public TInnerChart {
    KV_DECLARE_CLASS(TPaletteChart, TInnerChart)
public:
    explicit TPaletteChart(TComponent* owner);

    // The tool drawing this chart: its chart is repainted instead of this one.
    TTeeCustomTool* OwnerTool() const { return FOwnerTool; }
    void SetOwnerTool(TTeeCustomTool* tool) { FOwnerTool = tool; }
    void Invalidate() override;

private:
    TTeeCustomTool* FOwnerTool = nullptr;
};
