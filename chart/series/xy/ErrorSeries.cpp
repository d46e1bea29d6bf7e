#include "chart/series/xy/ErrorSeries.h"

#include "platform/classes/Publisher.h"

TErrorSeries::TErrorSeries(TComponent* owner) : TCustomErrorSeries(owner) {}
TErrorSeries::~TErrorSeries() = default;

void TErrorSeries::Publish(TPublisher<TErrorSeries>& p) {
    using S = TErrorSeries;
    p.Enumeration("ErrorStyle", ErrorSeriesStyleNames(), &S::ErrorStyle, &S::SetErrorStyle)
        .Default(essTopBottom);
}
