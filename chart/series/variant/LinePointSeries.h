#pragma once
// A point series that draws, for every point, guide lines from the vertical axis across to the
// point and down to the horizontal axis, wherever those axes are placed.
#include <memory>

#include "chart/engine/PointSeries.h"

class TMyPointSeries : public TPointSeries {
    KV_DECLARE_CLASS(TMyPointSeries, TPointSeries)
public:
    explicit TMyPointSeries(TComponent* owner);
    ~TMyPointSeries() override;
    static std::string EditorClassName() { return "TLinePointEditor"; }

    TChartPen* LinesPen() const { return FLinesPen.get(); }
    void SetLinesPen(const TChartPen* value) { FLinesPen->Assign(value); }

    void DrawValue(int valueIndex) override;

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TMyPointSeries>& p);

private:
    std::unique_ptr<TChartPen> FLinesPen;
};
