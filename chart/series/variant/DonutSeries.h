#pragma once
// A pie with a hole: half the pie's diameter from the start, and kept when a plain pie is
// assigned to it.
#include "chart/engine/PieSeries.h"

class TDonutSeries : public TPieSeries {
    KV_DECLARE_CLASS(TDonutSeries, TPieSeries)
public:
    explicit TDonutSeries(TComponent* owner);
    ~TDonutSeries() override;
    static std::string EditorClassName() { return "TDonutSeriesEditor"; }

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TDonutSeries>& p);
};
