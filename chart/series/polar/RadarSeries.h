#pragma once
// One spoke per point, equally spaced from the top, labelled with the point labels; the rings and
// the background are regular polygons with a side per spoke. Every radar of a chart takes the
// spoke count of its series with the most points.
#include "chart/series/polar/CustomPolarSeries.h"

class TRadarSeries : public TCustomPolarSeries {
    KV_DECLARE_CLASS(TRadarSeries, TCustomPolarSeries)
public:
    explicit TRadarSeries(TComponent* owner);
    ~TRadarSeries() override;

    // The spokes of the chart: the largest point count of its active series.
    int SpokeCountOfChart() const;

    void PrepareForChartDraw() override;
    double XValueAt(int index) const override;
    std::string AngleLabelText(int index, double angle) override;
    void AddRandomValues(int numValues, bool onlyMandatory) override;
    void PrepareForGallery(bool enabled) override;
    int DefaultSampleCount() const override { return 5; }
};
