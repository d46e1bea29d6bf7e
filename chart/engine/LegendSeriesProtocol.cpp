#include "chart/engine/LegendSeriesProtocol.h"

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartSeries.h"
#include "chart/foundation/TeeCanvas3D.h"

int SeriesLegendItemCount(const TChartSeries& series) { return series.Count(); }

TColor SeriesLegendItemColor(const TChartSeries& series, int legendIndex) {
    return series.ValueColor(legendIndex);
}

int SeriesLegendToValueIndex(const TChartSeries&, int legendIndex) { return legendIndex; }

void DrawSeriesLegendSymbol(TChartSeries& series, int valueIndex, const TRect& rect) {
    TCustomAxisPanel* chart = series.ParentChart();
    if (!chart || !chart->Canvas3D()) return;
    const TColor color =
        valueIndex == -1 ? series.SeriesColor() : SeriesLegendItemColor(series, valueIndex);
    if (color == clNone) return;
    chart->Canvas3D()->Brush()->SetColor(color);
    chart->DrawLegendSymbolRect(rect);
}
