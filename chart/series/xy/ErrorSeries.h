#pragma once
// Whiskers alone, in any of the six directions, in the series' colour: the error pen and the
// series colour follow each other.
#include "chart/series/xy/CustomErrorSeries.h"

class TErrorSeries : public TCustomErrorSeries {
    KV_DECLARE_CLASS(TErrorSeries, TCustomErrorSeries)
public:
    explicit TErrorSeries(TComponent* owner);
    ~TErrorSeries() override;
    static void Publish(TPublisher<TErrorSeries>& p);
};
