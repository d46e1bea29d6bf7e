#pragma once
// Vertical bars: each point a bar from its origin up (or down) to its value, across the
// horizontal axis.
#include "chart/engine/CustomBarSeries.h"

class TBarSeries : public TCustomBarSeries {
    KV_DECLARE_CLASS(TBarSeries, TCustomBarSeries)
public:
    explicit TBarSeries(TComponent* owner);
    ~TBarSeries() override;

    const TChartPen* CalcBarRect(int valueIndex, TRect& rect) override;
    void DrawBar(int valueIndex, int barStart, int barEnd) override;
    bool BarContains(int valueIndex, const TPoint& point) override;
    void DrawTickLine(int position, TBarStyle style) override;
    // The marks font's line height.
    int MarkExtent(int valueIndex) override;
    void DrawMark(int valueIndex, const std::string& text, TSeriesMarkPosition& position) override;
    // Each series of mbSideAll has positions of its own.
    bool HasZOrderSiblings() const override;

    static void Publish(TPublisher<TBarSeries>& p);
};
