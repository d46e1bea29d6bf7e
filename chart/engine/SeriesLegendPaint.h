#pragma once
// A series' legend symbol drawn outside its chart: the editors' colour boxes and list rows show
// the series as its legend does.

class TCanvas;
class TChartSeries;
class TCustomAxisPanel;
struct TRect;

// Draws the series' legend symbol into rect of canvas, through its chart's drawing surface bound
// to canvas meanwhile. A series without a chart is drawn through chart, or through a temporary
// chart when none is given, and is left without a chart again.
void PaintSeriesLegend(TChartSeries& series, TCanvas& canvas, const TRect& rect,
                       TCustomAxisPanel* chart = nullptr);
