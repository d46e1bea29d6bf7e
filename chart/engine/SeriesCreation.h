#pragma once
// Making chart objects with unique component names ("Series" plus a number, "TeeFunction" plus a
// number, "ChartTool" plus a number), copying series and tools, and putting a series of another
// class in the place of one, keeping its name, place, data, settings, function, dependents and
// tools.
#include <string>

#include "platform/classes/Object.h"

class TComponent;
class TCustomAxisPanel;
class TChartSeries;
class TTeeCustomTool;
class TTeeFunction;

// "Series" and the first number from 1 whose name the owner does not hold.
std::string UniqueSeriesName(const TComponent* owner);

// A new series of the class, named and in the chart (when one is given), with a new function
// of functionClass (when one is given). The owner is the given one, else the chart; a chart
// that owns one of its series owns the new one too, whatever owner is given.
TChartSeries* CreateChartSeries(TComponent* owner, TCustomAxisPanel* chart, TClass seriesClass,
                                TClass functionClass = nullptr);
// A new function owned by the series' owner, attached to the series and named.
TTeeFunction* CreateSeriesFunction(TChartSeries* series, TClass functionClass);

// A series of the same class (and with a function of the same class) with every setting of
// series: in series' own chart and owner, in another chart, or with another owner too.
TChartSeries* CloneSeries(TChartSeries* series);
TChartSeries* CloneSeries(TChartSeries* series, TCustomAxisPanel* chart);
TChartSeries* CloneSeries(TChartSeries* series, TComponent* owner, TCustomAxisPanel* chart);
TTeeCustomTool* CloneChartTool(TTeeCustomTool* tool, TComponent* owner);

// newSeries takes everything of oldSeries (settings, function, points or sources, handlers
// other than mouse enter and leave, dependents, series tools, place in the chart, name);
// oldSeries is freed and the reference cleared.
void ReplaceSeries(TChartSeries*& oldSeries, TChartSeries* newSeries);
// The series unchanged when it is exactly of the new class; else a new series of that class
// replaces it (ReplaceSeries) and the reference names the new one.
TChartSeries* ChangeSeriesClass(TChartSeries*& series, TClass newClass);
