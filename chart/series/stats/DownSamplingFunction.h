#pragma once
// Reduces a long source to far fewer points that keep its look, so that a chart of millions of
// points draws fast. It reduces the points the source shows: after a zoom, a recalculation
// works on the visible points only.
#include <cstdint>
#include <vector>

#include "chart/engine/TeeFunction.h"
#include "chart/series/numeric/DownSampling.h"

const TEnumInfo& DownSampleMethodNames();

class TDownSamplingFunction : public TTeeFunction {
    KV_DECLARE_CLASS(TDownSamplingFunction, TTeeFunction)
public:
    explicit TDownSamplingFunction(TComponent* owner);
    ~TDownSamplingFunction() override;

    TDownSampleMethod DownSampleMethod() const { return FMethod; }
    void SetDownSampleMethod(TDownSampleMethod value);
    // The Douglas-Peucker distance, or the width of a group in positions; at least 0.
    double Tolerance() const { return FTolerance; }
    void SetTolerance(double value);
    // Above 0: about this many result points, in place of Tolerance. Read at the next
    // recalculation.
    int DisplayedPointCount() const { return FDisplayedPointCount; }
    void SetDisplayedPointCount(int value) { FDisplayedPointCount = value; }

    void ComputeFromSources(TChartSeries* source) override;
    static void Publish(TPublisher<TDownSamplingFunction>& p);

private:
    // The source's points in view: first .. last; none when last < first.
    void VisibleRange(TChartSeries& source, int& first, int& last);

    TDownSampleMethod FMethod = dsDouglas;
    double FTolerance = 1;
    int FDisplayedPointCount = 0;
    // Kept between calculations for their capacity.
    std::vector<uint8_t> FNulls;
    std::vector<TSampledPoint> FResult;
};
