#include "chart/series/stats/CurveFittingFunction.h"

#include <algorithm>
#include <vector>

#include "chart/engine/ChartSeries.h"
#include "chart/engine/ChartValueList.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/Exceptions.h"

const TEnumInfo& TypeFittingNames() {
    static const TEnumInfo names{"cfPolynomial"};
    return names;
}

TCustomFittingFunction::TCustomFittingFunction(TComponent* owner) : TTeeFunction(owner) {
    SetPeriodQuietly(1);
    FDefaultPeriod = 1;
    SingleSource = true;
}

TCustomFittingFunction::~TCustomFittingFunction() = default;

void TCustomFittingFunction::Publish(TPublisher<TCustomFittingFunction>& p) {
    using F = TCustomFittingFunction;
    p.Integer("Factor", &F::Factor, &F::SetFactor).Default(1);
    p.Integer("FirstPoint", &F::FirstPoint, &F::SetFirstPoint).Default(-1);
    p.Integer("FirstCalcPoint", &F::FirstCalcPoint, &F::SetFirstCalcPoint).Default(-1);
    p.Integer("LastPoint", &F::LastPoint, &F::SetLastPoint).Default(-1);
    p.Integer("LastCalcPoint", &F::LastCalcPoint, &F::SetLastCalcPoint).Default(-1);
    p.Integer("PolyDegree", &F::PolyDegree, &F::SetPolyDegree).Default(5);
    p.Enumeration("TypeFitting", TypeFittingNames(), &F::TypeFitting, &F::SetTypeFitting)
        .Default(cfPolynomial);
}

template <class T>
void TCustomFittingFunction::Change(T& field, T value) {
    if (value == field) return;
    field = value;
    Recalculate();
}

void TCustomFittingFunction::SetFactor(int value) { Change(FFactor, std::max(1, value)); }
void TCustomFittingFunction::SetFirstPoint(int value) { Change(FFirstPoint, value); }
void TCustomFittingFunction::SetFirstCalcPoint(int value) { Change(FFirstCalcPoint, value); }
void TCustomFittingFunction::SetLastPoint(int value) { Change(FLastPoint, value); }
void TCustomFittingFunction::SetLastCalcPoint(int value) { Change(FLastCalcPoint, value); }
void TCustomFittingFunction::SetTypeFitting(TTypeFitting value) { Change(FTypeFitting, value); }

void TCustomFittingFunction::SetPolyDegree(int value) {
    if (value < 1 || value > MaxPolyTerms) throw Exception(TxtExtPolynomialDegreeMustBeBetween1);
    Change(FPolyDegree, value);
}

void TCustomFittingFunction::ComputeFromSources(TChartSeries* source) {
    TChartSeries* parent = ParentSeries();
    if (Updating() || !source || !parent) return;
    parent->Clear();
    if (source->Count() < FPolyDegree) return;
    TChartValueList& v = SourceValueList(*source);
    TChartValueList& x = source->NotMandatoryValueList();
    const double x0 = x.Minimum();
    FYOffset = v.Minimum();

    const int lastIndex = source->Count() - 1;
    const int first = FFirstCalcPoint == -1 ? 0 : std::max(0, FFirstCalcPoint);
    const int last = FLastCalcPoint == -1 ? lastIndex : std::min(lastIndex, FLastCalcPoint);
    const int n = last - first + 1;
    if (n <= 0) return;
    std::vector<long double> xs(static_cast<size_t>(n)), ys(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        xs[size_t(i)] = (long double)x[first + i] - x0;
        ys[size_t(i)] = (long double)v[first + i] - FYOffset;
    }
    if (!FitPolynomial(xs, ys, FPolyDegree, FCoefficients)) {
        FCoefficients = TPolyVector{};
        throw Exception(TxtExtCannotProcessFitting);
    }
    ComputeFitPoints(*source);
}

void TCustomFittingFunction::AddFitPoint(double position, double x0) {
    const double y =
        double(EvaluatePolynomial(FPolyDegree, FCoefficients, (long double)position - x0)) +
        FYOffset;
    AddResultPoint(ParentSeries()->YMandatory(), y, position);
}

void TCustomFittingFunction::ComputeFitPoints(TChartSeries& source) {
    TChartValueList& x = source.NotMandatoryValueList();
    if (source.Count() == 0) return;
    const double x0 = x.Minimum();
    FYOffset = SourceValueList(source).Minimum();
    // The drawn range stays within the source: there is no position to draw at beyond it.
    const int lastIndex = source.Count() - 1;
    const int first = std::clamp(FFirstPoint == -1 ? 0 : FFirstPoint, 0, lastIndex);
    const int last = std::clamp(FLastPoint == -1 ? lastIndex : FLastPoint, 0, lastIndex);
    if (first > last) return;
    FFactor = std::max(1, FFactor);
    for (int i = first; i < last; ++i) {
        AddFitPoint(x[i], x0);
        for (int e = 1; e < FFactor; ++e) AddFitPoint(x[i] + e * (x[i + 1] - x[i]) / FFactor, x0);
    }
    AddFitPoint(x[last], x0);
}
