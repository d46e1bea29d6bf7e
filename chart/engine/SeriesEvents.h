#pragma once
// What a chart tells its listeners about its series and pages.
#include "chart/foundation/TeePanel.h"

class TCustomChartSeries;

// The kinds of series events, numbered as listeners expect them.
enum TChartSeriesEvent {
    seAdd = 0,
    seRemove = 1,
    seChangeTitle = 2,
    seChangeColor = 3,
    seSwap = 4,  // the order of two series: no series
    seChangeActive = 5,
    seDataChanged = 6
};

class TTeeSeriesEvent : public TTeeEvent {
public:
    TChartSeriesEvent Event = seAdd;
    TCustomChartSeries* Series = nullptr;
};

// The current page or the page size changed.
class TChartChangePage : public TTeeEvent {};
