#pragma once
// Statistics of a range of points, or of one point index across several sources: standard
// deviation, root mean square, population variance, point count and running total. The base's
// Period, PeriodStyle and PeriodAlign decide the ranges and where each result goes.
#include <string>
#include <vector>

#include "chart/engine/TeeFunction.h"

// The standard deviation over n - 1 values of freedom, or over n when Complete.
class TStdDeviationFunction : public TTeeFunction {
    KV_DECLARE_CLASS(TStdDeviationFunction, TTeeFunction)
public:
    using TTeeFunction::TTeeFunction;
    bool Complete() const { return FComplete; }
    void SetComplete(bool value);
    double Calculate(TChartSeries& source, int first, int last) override;
    double CalculateAcross(const std::vector<TChartSeries*>& sources, int index) override;
    std::string EditorClassName() const override { return "TRMSFuncEditor"; }
    static void Publish(TPublisher<TStdDeviationFunction>& p);

private:
    bool FComplete = false;
};

// sqrt(sum of v^2 / (n - 1)), or over n when Complete.
class TRMSFunction : public TTeeFunction {
    KV_DECLARE_CLASS(TRMSFunction, TTeeFunction)
public:
    using TTeeFunction::TTeeFunction;
    bool Complete() const { return FComplete; }
    void SetComplete(bool value);
    double Calculate(TChartSeries& source, int first, int last) override;
    double CalculateAcross(const std::vector<TChartSeries*>& sources, int index) override;
    std::string EditorClassName() const override { return "TRMSFuncEditor"; }
    static void Publish(TPublisher<TRMSFunction>& p);

private:
    bool FComplete = false;
};

// The population variance of the mandatory values (never another list).
class TVarianceFunction : public TTeeFunction {
    KV_DECLARE_CLASS(TVarianceFunction, TTeeFunction)
public:
    using TTeeFunction::TTeeFunction;
    double Calculate(TChartSeries& source, int first, int last) override;
    double CalculateAcross(const std::vector<TChartSeries*>& sources, int index) override;
};

// The number of points of the range, null points included; across sources, how many sources
// have the point.
class TCountTeeFunction : public TTeeFunction {
    KV_DECLARE_CLASS(TCountTeeFunction, TTeeFunction)
public:
    using TTeeFunction::TTeeFunction;
    double Calculate(TChartSeries& source, int first, int last) override;
    double CalculateAcross(const std::vector<TChartSeries*>& sources, int index) override;
};

// The running total: each result is the range's first value plus the result before it, so
// with the default period of one point the series sums its source up.
class TCumulative : public TTeeFunction {
    KV_DECLARE_CLASS(TCumulative, TTeeFunction)
public:
    explicit TCumulative(TComponent* owner);
    double Calculate(TChartSeries& source, int first, int last) override;
    double CalculateAcross(const std::vector<TChartSeries*>& sources, int index) override;
};
