#include "chart/series/stats/BoxSeries.h"

TBoxSeries::TBoxSeries(TComponent* owner) : TCustomBoxSeries(owner) {}
TBoxSeries::~TBoxSeries() = default;

THorizBoxSeries::THorizBoxSeries(TComponent* owner) : TCustomBoxSeries(owner) {
    MakeXMandatory();
    SetVerticalQuietly(false);
}
THorizBoxSeries::~THorizBoxSeries() = default;
