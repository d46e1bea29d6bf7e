#pragma once
// Points at free angles: the polar series of the gallery.
#include "chart/series/polar/CustomPolarSeries.h"

class TPolarSeries : public TCustomPolarSeries {
    KV_DECLARE_CLASS(TPolarSeries, TCustomPolarSeries)
public:
    explicit TPolarSeries(TComponent* owner);
    ~TPolarSeries() override;
};
