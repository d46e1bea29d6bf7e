#include "chart/series/price/InternalSeries.h"

void MarkInternalSeries(TChartSeries& series, TColor color) {
    series.InternalElement = true;
    series.SetShowInLegend(false);
    series.SetShowInEditor(false);
    if (color != clDefault) series.SetSeriesColor(color);
}

void FollowParentSeries(TChartSeries& series, const TChartSeries& parent) {
    if (series.ParentChart() != parent.ParentChart()) series.SetParentChart(parent.ParentChart());
    series.SetCustomVertAxis(parent.CustomVertAxis());
    series.SetVertAxis(parent.VertAxis());
    series.XValues().SetDateTime(parent.XValues().DateTime());
    series.BeforeDrawValues = parent.BeforeDrawValues;
    series.AfterDrawValues = parent.AfterDrawValues;
}
