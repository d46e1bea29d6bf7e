#pragma once
// One of the two alternating brushes of a grid band: a chart brush with a gradient that may
// fill instead, and a transparency. Its background colour starts as clNone, which the band
// reads as the colour of the chart's back wall.
#include <memory>

#include "chart/foundation/ChartBrush.h"

class TTeeGradient;

class TGridBandBrush : public TChartBrush {
    KV_DECLARE_CLASS(TGridBandBrush, TChartBrush)
public:
    // Changes of the brush and of its gradient go to onChange.
    explicit TGridBandBrush(TNotifyEvent onChange = nullptr);
    ~TGridBandBrush() override;

    TTeeGradient* Gradient() const { return FGradient.get(); }
    void SetGradient(const TTeeGradient* value);
    // 0 .. 100 percent.
    int Transparency() const { return FTransparency; }
    void SetTransparency(int value);

    // The gradient and the transparency, then the brush.
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TGridBandBrush>& p);

private:
    std::unique_ptr<TTeeGradient> FGradient;
    int FTransparency = 0;
};
