// The answers a host gives the label routines unless it knows better: a chart without series,
// label events or surface.
#include "chart/engine/AxisHost.h"

void TAxisHost::ForEachSeries(bool, const std::function<void(TChartSeries&)>&) {}
std::string TAxisHost::SeriesMarkText(TChartSeries&, int) { return {}; }
std::string TAxisHost::SeriesLegendTitle(int) { return {}; }
void TAxisHost::GetAxisLabel(TChartAxis&, TChartSeries*, int, std::string&) {}
void TAxisHost::GetNextAxisLabel(TChartAxis&, int, double&, bool& stop) { stop = true; }
