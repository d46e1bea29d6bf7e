#pragma once
// Candles labelled with their four prices: open to the left of the body, close to its right,
// high above and low below, each formatted with the series' ValueFormat.
#include "chart/series/price/CandleSeries.h"

class TBigCandleSeries : public TCandleSeries {
    KV_DECLARE_CLASS(TBigCandleSeries, TCandleSeries)
public:
    explicit TBigCandleSeries(TComponent* owner);

    // Pixels between the body and the open and close marks, and between the high and low marks
    // and their prices.
    int HorizGap() const { return FHorizGap; }
    void SetHorizGap(int value) { ChangeField(FHorizGap, value); }
    int VertGap() const { return FVertGap; }
    void SetVertGap(int value) { ChangeField(FVertGap, value); }

    // The text passed in is not shown: the four prices are. The position ends at the low mark's.
    void DrawMark(int valueIndex, const std::string& text, TSeriesMarkPosition& position) override;
    static void Publish(TPublisher<TBigCandleSeries>& p);

private:
    int FHorizGap = 20;
    int FVertGap = 6;
};
