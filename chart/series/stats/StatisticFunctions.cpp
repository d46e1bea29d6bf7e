#include "chart/series/stats/StatisticFunctions.h"

#include "chart/engine/ChartSeries.h"
#include "chart/engine/ChartValueList.h"
#include "chart/series/numeric/Moments.h"
#include "platform/classes/Publisher.h"

namespace {

// first = -1 means every point.
void WholeRangeIfUnset(const TChartSeries& source, int& first, int& last) {
    if (first < 0) {
        first = 0;
        last = source.Count() - 1;
    }
}

// The moments of the range of the function's value list.
TMoments RangeMoments(const TTeeFunction& f, TChartSeries& source, int first, int last) {
    WholeRangeIfUnset(source, first, last);
    const TChartValueList& v = f.SourceValueList(source);
    TMoments m;
    for (int i = first; i <= last; ++i) m.Add(v[i]);
    return m;
}

// The moments of value index of every source that has that point.
TMoments AcrossMoments(const TTeeFunction& f, const std::vector<TChartSeries*>& sources,
                       int index) {
    TMoments m;
    for (TChartSeries* s : sources)
        if (index < s->Count()) m.Add(f.SourceValueList(*s)[index]);
    return m;
}

}  // namespace

// --- Standard deviation.

void TStdDeviationFunction::Publish(TPublisher<TStdDeviationFunction>& p) {
    using F = TStdDeviationFunction;
    p.Boolean("Complete", &F::Complete, &F::SetComplete).Default(false);
}

void TStdDeviationFunction::SetComplete(bool value) {
    if (value == FComplete) return;
    FComplete = value;
    Recalculate();
}

double TStdDeviationFunction::Calculate(TChartSeries& source, int first, int last) {
    return RangeMoments(*this, source, first, last).StdDeviation(FComplete);
}

double TStdDeviationFunction::CalculateAcross(const std::vector<TChartSeries*>& sources,
                                              int index) {
    return AcrossMoments(*this, sources, index).StdDeviation(FComplete);
}

// --- Root mean square.

void TRMSFunction::Publish(TPublisher<TRMSFunction>& p) {
    using F = TRMSFunction;
    p.Boolean("Complete", &F::Complete, &F::SetComplete).Default(false);
}

void TRMSFunction::SetComplete(bool value) {
    if (value == FComplete) return;
    FComplete = value;
    Recalculate();
}

double TRMSFunction::Calculate(TChartSeries& source, int first, int last) {
    return RangeMoments(*this, source, first, last).RootMeanSquare(FComplete);
}

double TRMSFunction::CalculateAcross(const std::vector<TChartSeries*>& sources, int index) {
    return AcrossMoments(*this, sources, index).RootMeanSquare(FComplete);
}

// --- Variance.

double TVarianceFunction::Calculate(TChartSeries& source, int first, int last) {
    if (first < 0) first = 0;
    if (last < 0) last = source.Count() - 1;
    const int n = last - first + 1;
    if (n <= 0) return 0;
    return PopulationVariance(source.MandatoryValueList().Data() + first, n);
}

double TVarianceFunction::CalculateAcross(const std::vector<TChartSeries*>& sources, int index) {
    int n = 0;
    long double sum = 0;
    for (TChartSeries* s : sources)
        if (index < s->Count()) {
            sum += s->MandatoryValue(index);
            ++n;
        }
    if (n == 0) return 0;
    const long double mean = sum / n;
    long double squares = 0;
    for (TChartSeries* s : sources)
        if (index < s->Count()) {
            const long double d = s->MandatoryValue(index) - mean;
            squares += d * d;
        }
    return double(squares / n);
}

// --- Count.

double TCountTeeFunction::Calculate(TChartSeries& source, int first, int last) {
    if (first < 0) return SourceValueList(source).Count();
    return last - first + 1;
}

double TCountTeeFunction::CalculateAcross(const std::vector<TChartSeries*>& sources, int index) {
    int n = 0;
    for (TChartSeries* s : sources)
        if (index < s->Count()) ++n;
    return n;
}

// --- Running total.

TCumulative::TCumulative(TComponent* owner) : TTeeFunction(owner) {
    SetPeriodQuietly(1);
    FDefaultPeriod = 1;
}

double TCumulative::Calculate(TChartSeries& source, int first, int) {
    if (first < 0) return 0;
    double total = SourceValueList(source)[first];
    TChartSeries* parent = ParentSeries();
    if (first >= 1 && parent && parent->Count() > 0)
        total += parent->MandatoryValueList().LastValue();
    return total;
}

double TCumulative::CalculateAcross(const std::vector<TChartSeries*>& sources, int index) {
    double total = 0;
    TChartSeries* parent = ParentSeries();
    if (index >= 1 && parent && index - 1 < parent->Count())
        total = parent->MandatoryValue(index - 1);
    for (TChartSeries* s : sources)
        if (index < s->Count()) total += SourceValueList(*s)[index];
    return total;
}
