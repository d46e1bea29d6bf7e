#pragma once
// The chart engine's unit-level values and routines, and its start-up: the stream classes the
// engine makes known so that stored charts find their axes by class name, and the sample values'
// generator seeded from the clock. Start-up runs after the foundation's; a nesting count makes
// repeated calls harmless, and only the last shutdown undoes them.
#include <string>

class TCanvas;
class TChartSeries;
class TStrings;
class TCustomSeriesList;

// Separates the lines of chart texts, and the columns of legend texts.
inline constexpr char LineSeparator = '\r';
inline constexpr char ColumnSeparator = '\x06';

// Every series of the list that editors list at run time (ShowInEditor), with the series as the
// entry's object and its title (or its name) as the text.
void AddSeriesToStrings(TStrings& strings, const TCustomSeriesList& seriesList, bool useTitles);

// The gallery picture of the series' class drawn at (x, y); nothing when the class has none.
void DrawSeriesGalleryBitmap(TCanvas& canvas, const TChartSeries& series, int x, int y);

void ChartEngineUnitStartup();
void ChartEngineUnitShutdown();
