#include "chart/tools/SeriesToolArea.h"

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartTools.h"
#include "chart/foundation/Canvas3D.h"

TRect SeriesToolArea(const TTeeCustomToolSeries& tool) {
    TCustomAxisPanel& chart = *tool.ParentChart();
    if (!tool.Series()) return chart.ChartRect();
    const TChartAxis* h = tool.GetHorizAxis();
    const TChartAxis* v = tool.GetVertAxis();
    return TRect{h->StartPos(), v->StartPos(), h->EndPos(), v->EndPos()};
}

bool ClipToSeriesToolArea(const TTeeCustomToolSeries& tool) {
    TCustomAxisPanel& chart = *tool.ParentChart();
    if (!chart.ClipAllowed()) return false;
    chart.Canvas3D()->ClipToCube(SeriesToolArea(tool), 0, chart.Width3D());
    return true;
}
