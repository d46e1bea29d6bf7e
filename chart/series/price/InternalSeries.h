#pragma once
// The series a function makes for its extra result lines (signal, histogram, lower band, DI
// lines). The function owns them, so they go with it; they stay out of the legend, the editors'
// series lists and the chart's stream; and before each computation they take the parent
// series' chart, vertical axis, X date-time flag and draw-values events, so that they are drawn
// with it.
#include "chart/engine/ChartSeries.h"

// Marks a series just made by a function as one of its own, in colour (clDefault: as made).
void MarkInternalSeries(TChartSeries& series, TColor color);
// The series is drawn where parent is drawn.
void FollowParentSeries(TChartSeries& series, const TChartSeries& parent);

// A new series of class T owned by the function, marked as its own.
template <class T>
T* MakeInternalSeries(TComponent* function, TColor color) {
    T* series = new T(function);
    MarkInternalSeries(*series, color);
    return series;
}
