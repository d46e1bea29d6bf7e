#pragma once
// Draws one series' legend symbol into any canvas: the editor's lists and colour boxes show the
// series as the legend would.
#include "platform/graphics/Geometry.h"

class TCanvas;
class TChartSeries;
class TCustomAxisPanel;

// A series without a chart is attached for the drawing to chart, or to a temporary chart when
// chart is none, and detached again afterwards. The chart's surface is given back its own canvas
// and buffer on every path out.
void PaintSeriesLegend(TChartSeries& series, TCanvas& canvas, const TRect& rect,
                       TCustomAxisPanel* chart = nullptr);
