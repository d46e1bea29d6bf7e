#include "chart/series/xy/ErrorBarSeries.h"

TErrorBarSeries::TErrorBarSeries(TComponent* owner) : TCustomErrorSeries(owner) {
    SetDrawsBars(true);
    StoreErrorStyle(essTop);
}
TErrorBarSeries::~TErrorBarSeries() = default;
