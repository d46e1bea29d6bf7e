#pragma once
// One vertical line a point from its high to its low (the series' Pen, in the point's colour),
// with a marker at each end (HighPointer, LowPointer). Clicking a marker or the line finds the
// point.
#include <memory>

#include "chart/engine/SeriesPointer.h"
#include "chart/series/xy/BaseHighLowSeries.h"

class THighLowLineSeries : public TBaseHighLowSeries {
    KV_DECLARE_CLASS(THighLowLineSeries, TBaseHighLowSeries)
public:
    explicit THighLowLineSeries(TComponent* owner);
    ~THighLowLineSeries() override;
    static std::string EditorClassName() { return "THighLowLineEditor"; }

    TSeriesPointer* HighPointer() const { return FHighPointer.get(); }
    void SetHighPointer(const TSeriesPointer* value) { FHighPointer->Assign(value); }
    TSeriesPointer* LowPointer() const { return FLowPointer.get(); }
    void SetLowPointer(const TSeriesPointer* value) { FLowPointer->Assign(value); }

    void DrawValue(int valueIndex) override;
    int ValueIndexAt(int x, int y) override;
    void HorizontalMarginsNeeded(int& left, int& right) override;
    void VerticalMarginsNeeded(int& top, int& bottom) override;
    void SetParentChart(TCustomAxisPanel* value) override;
    void PrepareForGallery(bool enabled) override;

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<THighLowLineSeries>& p);

private:
    std::unique_ptr<TSeriesPointer> FHighPointer;
    std::unique_ptr<TSeriesPointer> FLowPointer;
};
