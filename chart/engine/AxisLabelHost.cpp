// The answers a host gives the label routines unless it knows better: a chart without series,
// label events or surface.
#include "chart/engine/AxisHost.h"
#include "chart/engine/ChartSeries.h"

void TAxisHost::ForEachSeries(bool, const std::function<void(TChartSeries&)>&) {}
bool TAxisHost::SeriesUsesAxis(TChartSeries&, const TChartAxis&) { return false; }
bool TAxisHost::SeriesHasZValues(TChartSeries&) { return false; }
void TAxisHost::SeriesZRange(TChartSeries&, double& minimum, double& maximum) {
    minimum = maximum = 0;
}
void TAxisHost::SeriesVisiblePoints(TChartSeries& series, int& first, int& last) {
    first = series.Count() > 0 ? 0 : -1;
    last = series.Count() - 1;
}
std::string TAxisHost::SeriesMarkText(TChartSeries&, int) { return {}; }
std::string TAxisHost::SeriesLegendTitle(int) { return {}; }
void TAxisHost::GetAxisLabel(TChartAxis&, TChartSeries*, int, std::string&) {}
void TAxisHost::GetNextAxisLabel(TChartAxis&, int, double&, bool& stop) { stop = true; }
