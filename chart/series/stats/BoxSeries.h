#pragma once
// The box plot standing upright at Position on the horizontal axis, and the one lying along
// the horizontal axis at Position on the vertical axis.
#include "chart/series/stats/CustomBoxSeries.h"

class TBoxSeries : public TCustomBoxSeries {
    KV_DECLARE_CLASS(TBoxSeries, TCustomBoxSeries)
public:
    explicit TBoxSeries(TComponent* owner);
    ~TBoxSeries() override;
};

class THorizBoxSeries : public TCustomBoxSeries {
    KV_DECLARE_CLASS(THorizBoxSeries, TCustomBoxSeries)
public:
    explicit THorizBoxSeries(TComponent* owner);
    ~THorizBoxSeries() override;
};
