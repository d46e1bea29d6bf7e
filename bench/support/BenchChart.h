#pragma once
// What the chart benchmarks share: the least concrete chart (no walls, no titles, no legend) and
// the one application the program needs because a chart is a control.
#include "chart/engine/AxisPanel.h"
#include "platform/ui/Application.h"

class TBenchChart : public TCustomAxisPanel {
public:
    using TCustomAxisPanel::TCustomAxisPanel;
    void AdjustChartRectFor3D() override {}
    int WallSizeOfAxis(const TChartAxis*) override { return 0; }
    void DrawTitlesAndLegend(bool) override {}
    void DrawWalls() override {}
    bool IsFreeSeriesColor(TColor, bool, const TChartSeries*) override { return true; }
};

inline TApplication& BenchApplication() {
    static int argc = 1;
    static char name[] = "kavri320-bench";
    static char* argv[] = {name, nullptr};
    static TApplication application(argc, argv);
    return application;
}
