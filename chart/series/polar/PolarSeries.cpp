#include "chart/series/polar/PolarSeries.h"

TPolarSeries::TPolarSeries(TComponent* owner) : TCustomPolarSeries(owner) {}
TPolarSeries::~TPolarSeries() = default;
