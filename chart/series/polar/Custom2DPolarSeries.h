#pragma once
// The base of the polar series meant for flat charts (the wind rose and the clock): the gallery
// turns the chart's 3-D view off and shows small labels and markers.
#include "chart/series/polar/CustomPolarSeries.h"

class TCustom2DPolarSeries : public TCustomPolarSeries {
    KV_DECLARE_CLASS(TCustom2DPolarSeries, TCustomPolarSeries)
public:
    using TCustomPolarSeries::TCustomPolarSeries;

    void Apply3DFromGallery(bool enabled) override;
    void PrepareForGallery(bool enabled) override;
};
