#pragma once
// Candles with their Darvas boxes laid over them as translucent rectangles (FindDarvasBoxes).
// The boxes are found again at every drawing, after the candles.
#include <memory>
#include <vector>

#include "chart/series/algo/DarvasBoxes.h"
#include "chart/series/price/CandleSeries.h"

class TChartBrush;

class TDarvasSeries : public TCandleSeries {
    KV_DECLARE_CLASS(TDarvasSeries, TCandleSeries)
public:
    explicit TDarvasSeries(TComponent* owner);
    ~TDarvasSeries() override;

    // A back colour of clDefault fills with the chart's palette colour 1.
    TChartBrush* BoxBrush() const { return FBoxBrush.get(); }
    void SetBoxBrush(const TChartBrush* value);
    TChartPen* BoxPen() const { return FBoxPen.get(); }
    void SetBoxPen(const TChartPen* value);

    // The boxes of the last drawing and their screen rectangles.
    const std::vector<TDarvasBox>& Boxes() const { return FBoxes; }
    const std::vector<TRect>& BoxRects() const { return FBoxRects; }

    void DrawAllValues() override;
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TDarvasSeries>& p);

private:
    std::unique_ptr<TChartBrush> FBoxBrush;
    std::unique_ptr<TChartPen> FBoxPen;
    std::vector<TDarvasBox> FBoxes;
    std::vector<TRect> FBoxRects;
};
