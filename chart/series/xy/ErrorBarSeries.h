#pragma once
// Bars with a whisker on top; the bars keep their own colour, apart from the error pen's.
#include "chart/series/xy/CustomErrorSeries.h"

class TErrorBarSeries : public TCustomErrorSeries {
    KV_DECLARE_CLASS(TErrorBarSeries, TCustomErrorSeries)
public:
    explicit TErrorBarSeries(TComponent* owner);
    ~TErrorBarSeries() override;
};
