#pragma once
// The dial gauge's hand: a bar Offset percent of the dial's radius behind the centre, pointing
// out to Distance percent short of the rim.
#include "chart/series/gauge/GaugeSeriesPointer.h"

class TGaugeHand : public TGaugeSeriesPointer {
    KV_DECLARE_CLASS(TGaugeHand, TGaugeSeriesPointer)
public:
    explicit TGaugeHand(TChartSeries* series = nullptr);
    ~TGaugeHand() override;

    // Percent of the radius left between the tip and the rim.
    int Distance() const { return FDistance; }
    void SetDistance(int value);
    // Percent of the radius the hand reaches back behind the centre.
    int Offset() const { return FOffset; }
    void SetOffset(int value);

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TGaugeHand>& p);

private:
    int FDistance = 30;
    int FOffset = 80;
};
