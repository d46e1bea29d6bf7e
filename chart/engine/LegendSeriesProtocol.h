#pragma once
// What the legend asks of a series about its legend entries: how many there are, their colours,
// which point each stands for, and the symbol drawn for one (or for the whole series, -1). These
// answer as every series does by default (one entry per point, in the point's colour, drawn as
// the chart's legend-symbol rectangle); series types that list something else override them on
// the series and the legend reaches them through these few calls.
#include "platform/graphics/Colors.h"
#include "platform/graphics/Geometry.h"

class TChartSeries;

int SeriesLegendItemCount(const TChartSeries& series);
TColor SeriesLegendItemColor(const TChartSeries& series, int legendIndex);
int SeriesLegendToValueIndex(const TChartSeries& series, int legendIndex);
// The symbol of entry valueIndex, or of the whole series for -1, on the series' chart surface;
// nothing for a clNone colour.
void DrawSeriesLegendSymbol(TChartSeries& series, int valueIndex, const TRect& rect);
