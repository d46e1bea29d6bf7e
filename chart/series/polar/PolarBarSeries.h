#pragma once
// Each point a radial line from the centre to its place, in the point's colour.
#include "chart/series/polar/PolarSeries.h"

class TPolarBarSeries : public TPolarSeries {
    KV_DECLARE_CLASS(TPolarBarSeries, TPolarSeries)
public:
    explicit TPolarBarSeries(TComponent* owner);
    ~TPolarBarSeries() override;

protected:
    void DrawValueLine(int valueIndex, int x, int y) override;
};
