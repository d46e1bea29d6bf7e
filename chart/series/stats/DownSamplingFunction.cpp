#include "chart/series/stats/DownSamplingFunction.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/ChartValueList.h"
#include "platform/classes/Publisher.h"
#include "platform/graphics/Metafile.h"

const TEnumInfo& DownSampleMethodNames() {
    static const TEnumInfo names{"dsDouglas",
                                 "dsMax",
                                 "dsMin",
                                 "dsMinMax",
                                 "dsAverage",
                                 "dsMinMaxFirstLast",
                                 "dsMinMaxFirstLastNull"};
    return names;
}

TDownSamplingFunction::TDownSamplingFunction(TComponent* owner) : TTeeFunction(owner) {
    SetPeriodQuietly(1);
    FDefaultPeriod = 1;
    SingleSource = true;
}

TDownSamplingFunction::~TDownSamplingFunction() = default;

void TDownSamplingFunction::Publish(TPublisher<TDownSamplingFunction>& p) {
    using F = TDownSamplingFunction;
    p.Enumeration("DownSampleMethod", DownSampleMethodNames(), &F::DownSampleMethod,
                  &F::SetDownSampleMethod)
        .Default(dsDouglas);
    p.Float("Tolerance", &F::Tolerance, &F::SetTolerance).Default(1.0);
    p.Integer("DisplayedPointCount", &F::DisplayedPointCount, &F::SetDisplayedPointCount)
        .Default(0);
}

void TDownSamplingFunction::SetDownSampleMethod(TDownSampleMethod value) {
    if (value == FMethod) return;
    FMethod = value;
    Recalculate();
}

void TDownSamplingFunction::SetTolerance(double value) {
    value = std::max(value, 0.0);
    if (value == FTolerance) return;
    FTolerance = value;
    Recalculate();
}

void TDownSamplingFunction::VisibleRange(TChartSeries& source, int& first, int& last) {
    first = 0;
    last = source.Count() - 1;
    TCustomAxisPanel* chart = ParentSeries()->ParentChart();
    if (!chart || chart->ChartRect().IsEmpty()) return;
    // The axes' ranges and pixels exist only after a layout: one drawing, thrown away.
    chart->RenderToMetafile(true, chart->GetPanelRect());
    source.ComputeVisibleRange();
    first = source.FirstInView;
    last = source.LastInView;
    if (first < 0) last = -1;
}

void TDownSamplingFunction::ComputeFromSources(TChartSeries* source) {
    TChartSeries* parent = ParentSeries();
    if (Updating() || !source || !parent || source->Count() == 0) return;
    parent->Clear();
    int first, last;
    VisibleRange(*source, first, last);
    const int n = last - first + 1;
    if (n <= 0) return;

    // The result keeps the source's order of positions.
    const bool sameKind = parent->YMandatory() == source->YMandatory();
    parent->NotMandatoryValueList().SetOrder(sameKind ? loAscending : loNone);
    parent->MandatoryValueList().SetOrder(sameKind ? loNone : loAscending);

    double t = FTolerance;
    if (FDisplayedPointCount > 0) t = n / (FDisplayedPointCount / 4.0);
    // Reduced as positions and values, whichever way the source lies.
    const std::span<const double> x(source->NotMandatoryValueList().Data() + first, size_t(n));
    const std::span<const double> y(source->MandatoryValueList().Data() + first, size_t(n));
    if (FMethod == dsDouglas) {
        DouglasPeucker(x, y, t, FResult);
    } else {
        TGrouping grouping;
        if (FDisplayedPointCount > 0)
            grouping.GroupSize = std::max(1, int(std::min(std::nearbyint(t), 2147483647.0)));
        else
            grouping.Width = t;
        // Only the null-keeping method asks which points are null.
        FNulls.clear();
        if (FMethod == dsMinMaxFirstLastNull) {
            FNulls.resize(size_t(n));
            for (int i = 0; i < n; ++i) FNulls[size_t(i)] = source->IsNullValue(first + i);
        }
        ReduceGroups(FMethod, x, y, FNulls, source->DefaultNullValue, grouping, FResult);
    }
    const TColor color = parent->SeriesColor();
    for (const TSampledPoint& p : FResult) {
        const TColor c = p.Null ? clNone : color;
        if (source->YMandatory())
            parent->AddXYPoint(p.X, p.Y, {}, c);
        else
            parent->AddXYPoint(p.Y, p.X, {}, c);
    }
}
