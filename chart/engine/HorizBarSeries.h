#pragma once
// Horizontal bars: each point a bar from its origin right (or left) to its value, across the
// vertical axis; X holds the values and Y the positions.
#include "chart/engine/CustomBarSeries.h"

class THorizBarSeries : public TCustomBarSeries {
    KV_DECLARE_CLASS(THorizBarSeries, TCustomBarSeries)
public:
    explicit THorizBarSeries(TComponent* owner);
    ~THorizBarSeries() override;

    const TChartPen* CalcBarRect(int valueIndex, TRect& rect) override;
    void DrawBar(int valueIndex, int barStart, int barEnd) override;
    bool BarContains(int valueIndex, const TPoint& point) override;
    void DrawTickLine(int position, TBarStyle style) override;
    // The width of the point's mark; for -1 the widest visible mark.
    int MarkExtent(int valueIndex) override;
    void DrawMark(int valueIndex, const std::string& text, TSeriesMarkPosition& position) override;

    static void Publish(TPublisher<THorizBarSeries>& p);
};
