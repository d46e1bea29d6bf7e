#include "chart/series/stats/TrendFunction.h"

#include <cmath>

#include "chart/engine/ChartSeries.h"
#include "chart/engine/ChartValueList.h"

TCustomTrendFunction::TCustomTrendFunction(TComponent* owner) : TTeeFunction(owner) {}

TExpTrendFunction::TExpTrendFunction(TComponent* owner) : TCustomTrendFunction(owner) {
    FTrendStyle = tsExponential;
}

double TCustomTrendFunction::Calculate(TChartSeries&, int, int) { return 0; }

double TCustomTrendFunction::CalculateAcross(const std::vector<TChartSeries*>&, int) { return 0; }

bool TCustomTrendFunction::CalculateSums(TChartSeries& source, int first, int last) {
    if (first < 0) {
        first = 0;
        last = source.Count() - 1;
    }
    FSums = TTrendSums();
    if (last - first + 1 <= 1) return false;
    const TChartValueList& x = source.NotMandatoryValueList();
    const TChartValueList& v = SourceValueList(source);
    const bool exponential = FTrendStyle == tsExponential;
    for (int i = first; i <= last; ++i) {
        if (!exponential)
            FSums.Add(x[i], v[i]);
        else if (v[i] > 0)
            FSums.Add(x[i], std::log(v[i]));
    }
    return FSums.Count() > 1;
}

void TCustomTrendFunction::TrendEnds(TChartSeries& source, int first, int last, double& start,
                                     double& end) const {
    TChartValueList& x = source.NotMandatoryValueList();
    if (x.Order() != loNone) {
        start = x[first];
        end = x[last];
    } else {
        start = x.Minimum();
        end = x.Maximum();
    }
}

void TCustomTrendFunction::ComputeWholeRange(TChartSeries& source, TChartValueList&) {
    ComputePeriod(source, 0, source.Count() - 1, 0);
}

void TCustomTrendFunction::ComputePeriod(TChartSeries& source, int first, int last, double) {
    if (!CalculateSums(source, first, last)) return;
    if (first < 0) {
        first = 0;
        last = source.Count() - 1;
    }
    double ends[2];
    TrendEnds(source, first, last, ends[0], ends[1]);
    const bool yMandatory = ParentSeries()->YMandatory();
    if (FTrendStyle == tsExponential) {
        const TTrendSums::TExponential e = FSums.Exponential();
        for (double p : ends) AddResultPoint(yMandatory, e.Scale * std::exp(e.Rate * p), p);
    } else {
        const TTrendSums::TLine line = FSums.Line();
        for (double p : ends) AddResultPoint(yMandatory, line.Slope * p + line.Intercept, p);
    }
}

double TCorrelationFunction::Calculate(TChartSeries& source, int first, int last) {
    if (!CalculateSums(source, first, last)) return 1;
    return FSums.Correlation();
}

void TCorrelationFunction::ComputePeriod(TChartSeries& source, int first, int last, double) {
    const double r = Calculate(source, first, last);
    TChartSeries* parent = ParentSeries();
    if (parent->CentresSingleValue) {
        parent->AddValue(r);
        return;
    }
    TChartValueList& x = source.NotMandatoryValueList();
    AddResultPoint(parent->YMandatory(), r, x.Minimum());
    AddResultPoint(parent->YMandatory(), r, x.Maximum());
}
