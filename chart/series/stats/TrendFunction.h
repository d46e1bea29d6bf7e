#pragma once
// Least-squares trends of a series' values against their positions: the straight line
// (TTrendFunction), the exponential curve A e^(b x) (TExpTrendFunction) and a level line at
// Pearson's correlation r (TCorrelationFunction). With Period 0 one trend covers the series;
// with a period each range gets its own.
//
// The exponential trend fits ln(value), so it skips values of 0 and below: they have no
// logarithm, and counting them as ln = 0 (the value 1) would bend the curve towards points
// that are not there.
#include <vector>

#include "chart/engine/TeeFunction.h"
#include "chart/series/numeric/TrendSums.h"

enum TTrendStyle : unsigned char { tsNormal = 0, tsExponential = 2 };

class TCustomTrendFunction : public TTeeFunction {
    KV_DECLARE_CLASS(TCustomTrendFunction, TTeeFunction)
public:
    explicit TCustomTrendFunction(TComponent* owner);
    TTrendStyle TrendStyle() const { return FTrendStyle; }

    double Calculate(TChartSeries& source, int first, int last) override;
    double CalculateAcross(const std::vector<TChartSeries*>& sources, int index) override;
    void ComputeWholeRange(TChartSeries& source, TChartValueList& positions) override;
    void ComputePeriod(TChartSeries& source, int first, int last, double position) override;

protected:
    // Sums over first .. last (-1: every point) into FSums; false with fewer than two points.
    bool CalculateSums(TChartSeries& source, int first, int last);
    // Where a trend of first .. last starts and ends: those points' positions when the
    // positions are ordered, else the smallest and largest of all.
    void TrendEnds(TChartSeries& source, int first, int last, double& start, double& end) const;
    TTrendStyle FTrendStyle = tsNormal;
    TTrendSums FSums;
};

class TTrendFunction : public TCustomTrendFunction {
    KV_DECLARE_CLASS(TTrendFunction, TCustomTrendFunction)
public:
    using TCustomTrendFunction::TCustomTrendFunction;
};

class TExpTrendFunction : public TCustomTrendFunction {
    KV_DECLARE_CLASS(TExpTrendFunction, TCustomTrendFunction)
public:
    explicit TExpTrendFunction(TComponent* owner);
};

class TCorrelationFunction : public TCustomTrendFunction {
    KV_DECLARE_CLASS(TCorrelationFunction, TCustomTrendFunction)
public:
    using TCustomTrendFunction::TCustomTrendFunction;
    // r of the range; 1 for fewer than two points or values that do not vary.
    double Calculate(TChartSeries& source, int first, int last) override;
    double CalculateAcross(const std::vector<TChartSeries*>&, int) override { return 0; }
    void ComputePeriod(TChartSeries& source, int first, int last, double position) override;
};
