#include "chart/engine/TeeFunction.h"

#include <algorithm>
#include <cmath>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/DataSourcesList.h"
#include "chart/foundation/DateTimeSteps.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/classes/Publisher.h"

const TEnumInfo& FunctionPeriodStyleNames() {
    static const TEnumInfo names{"psNumPoints", "psRange"};
    return names;
}
const TEnumInfo& FunctionPeriodAlignNames() {
    static const TEnumInfo names{"paFirst", "paCenter", "paLast"};
    return names;
}

TTeeFunction::TTeeFunction(TComponent* owner) : TComponent(owner) {}

// The series forgets its function while the function is whole.
TTeeFunction::~TTeeFunction() {
    if (TChartSeries* parent = FParent) {
        FParent = nullptr;
        if (parent->FFunction == this) parent->FFunction = nullptr;
    }
}

void TTeeFunction::Publish(TPublisher<TTeeFunction>& p) {
    using F = TTeeFunction;
    p.Float("Period", &F::Period, &F::SetPeriod).Stored([](const F& f) {
        return f.FPeriod != f.FDefaultPeriod;
    });
    p.Enumeration("PeriodAlign", FunctionPeriodAlignNames(), &F::PeriodAlign, &F::SetPeriodAlign)
        .Stored([](const F& f) { return f.FPeriodAlign != f.FDefaultPeriodAlign; });
    p.Enumeration("PeriodStyle", FunctionPeriodStyleNames(), &F::PeriodStyle, &F::SetPeriodStyle)
        .Stored(
            [](const F& f) { return f.FPublishesPeriodStyle && f.FPeriodStyle != psNumPoints; });
}

void TTeeFunction::PrepareGalleryChart(TCustomAxisPanel& chart) {
    for (int i = 0; i < chart.SeriesCount(); ++i) chart.GetSeries(i)->PrepareForGallery(true);
}

void TTeeFunction::SetPeriod(double value) {
    if (value < 0) throw ChartException(TxtFunctionPeriodShouldBe0);
    if (value == FPeriod) return;
    FPeriod = value;
    Recalculate();
}

void TTeeFunction::SetPeriodStyle(TFunctionPeriodStyle value) {
    if (value == FPeriodStyle) return;
    FPeriodStyle = value;
    Recalculate();
}

void TTeeFunction::SetPeriodAlign(TFunctionPeriodAlign value) {
    if (value == FPeriodAlign) return;
    FPeriodAlign = value;
    Recalculate();
}

void TTeeFunction::EndUpdate() {
    if (!FUpdating) return;
    FUpdating = false;
    Recalculate();
}

void TTeeFunction::Recalculate() {
    if (!FUpdating && FParent) FParent->RefreshFromSource();
}

void TTeeFunction::AttachToSeries(TChartSeries* series) {
    if (series == FParent) return;
    if (FParent) FParent->FFunction = nullptr;
    FParent = nullptr;
    if (series) series->SetFunction(this);
}

TComponent* TTeeFunction::GetParentComponent() const { return FParent; }

void TTeeFunction::SetParentComponent(TComponent* value) {
    if (auto* series = dynamic_cast<TChartSeries*>(value)) AttachToSeries(series);
}

void TTeeFunction::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TTeeFunction*>(source)) {
        FPeriod = other->FPeriod;
        FPeriodStyle = other->FPeriodStyle;
        FPeriodAlign = other->FPeriodAlign;
    }
}

// --- Values.

TChartValueList& TTeeFunction::SourceValueList(TChartSeries& source) const {
    const std::string& name = FParent ? FParent->MandatoryValueList().ValueSource() : "";
    return name.empty() ? source.MandatoryValueList() : source.ValueListByName(name);
}

double TTeeFunction::Calculate(TChartSeries&, int, int) { return 0; }

double TTeeFunction::CalculateAcross(const std::vector<TChartSeries*>&, int) { return 0; }

void TTeeFunction::AddResultPoint(bool yMandatory, double value, double position) {
    if (yMandatory)
        FParent->AddXYPoint(position, value);
    else
        FParent->AddXYPoint(value, position);
}

double TTeeFunction::AlignedPosition(double first, double last) const {
    switch (FPeriodAlign) {
        case paFirst:
            return first;
        case paLast:
            return last;
        default:
            return (first + last) * 0.5;
    }
}

int TTeeFunction::PeriodPoints() const {
    return std::max(1, int(std::nearbyint(std::min(FPeriod, 2147483647.0))));
}

// --- Computing.

void TTeeFunction::ComputeFromSources(TChartSeries* source) {
    if (FUpdating || !source || !FParent) return;
    if (FParent->DataSources().Count() > 1)
        ComputeAcross(*source);
    else if (source->Count() > 0)
        ComputeFromSeries(*source, source->NotMandatoryValueList());
}

void TTeeFunction::ComputeFromSeries(TChartSeries& source, TChartValueList& positions) {
    if (FPeriod != 0)
        ComputeByPeriod(source, positions);
    else
        ComputeWholeRange(source, positions);
}

void TTeeFunction::ComputePeriod(TChartSeries& source, int first, int last, double position) {
    AddResultPoint(source.YMandatory(), Calculate(source, first, last), position);
}

void TTeeFunction::ComputeWholeRange(TChartSeries& source, TChartValueList& positions) {
    const double v = Calculate(source, -1, -1);
    if (FParent->CentresSingleValue) {
        // One point midway, so that the result sits over the middle of the source.
        const double m = positions.Minimum() + positions.Spread() * 0.5;
        AddResultPoint(FParent->YMandatory(), v, m);
    } else {
        // A level line across the source's range.
        AddResultPoint(source.YMandatory(), v, positions.Minimum());
        AddResultPoint(source.YMandatory(), v, positions.Maximum());
    }
}

void TTeeFunction::ComputeByPeriod(TChartSeries& source, TChartValueList& L) {
    const int n = std::min(source.Count(), L.Count());
    if (n == 0) return;
    const bool yMandatory = source.YMandatory();
    const bool byRange = FPeriodStyle == psRange;
    const int stepIndex = FindDateTimeStep(FPeriod);
    TChartAxis* axis = FParent->ResolvedHorizAxis();
    int k = 0;
    double x = L[0];
    while (k <= n - 1) {
        int i = k;
        double first = 0, last = 0;
        bool hasPoints = true;
        if (!byRange) {
            i = k + PeriodPoints() - 1;
            first = L[k];
            last = i < n ? L[i] : 0;
        } else {
            first = x;
            const double before = x;
            if (axis)
                axis->IncDateTimeStep(true, x, stepIndex, FPeriod);
            else
                AdvanceValueByStep(false, true, x, stepIndex, FPeriod);
            // A period lost in the precision of the positions would never move on.
            if (!(x > before)) break;
            last = x - FPeriod * 0.001;
            while (i < n - 1 && L[i + 1] < x) ++i;
            hasPoints = L[k] < x;
        }
        if (i < n) {
            const double position = AlignedPosition(first, last);
            if (hasPoints)
                ComputePeriod(source, k, i, position);
            else
                AddResultPoint(yMandatory, 0, position);
        }
        if (hasPoints) k = i + 1;
    }
}

void TTeeFunction::ComputeAcross(TChartSeries& source) {
    std::vector<TChartSeries*> sources;
    for (TComponent* c : FParent->DataSources())
        if (auto* s = dynamic_cast<TChartSeries*>(c)) sources.push_back(s);
    // The source with the most points gives positions and labels; the first of equals wins,
    // starting from the one passed in.
    TChartSeries* reference = &source;
    for (TChartSeries* s : sources)
        if (s->Count() > reference->Count()) reference = s;
    const TChartValueList& positions = reference->NotMandatoryValueList();
    for (int i = 0; i < reference->Count(); ++i) {
        const double v = CalculateAcross(sources, i);
        const double p = positions[i];
        const std::string label = reference->PointLabel(i);
        if (reference->YMandatory())
            FParent->AddXYPoint(p, v, label);
        else
            FParent->AddXYPoint(v, p, label);
    }
}

// --- Moving window.

TTeeMovingFunction::TTeeMovingFunction(TComponent* owner) : TTeeFunction(owner) {
    SetPeriodQuietly(1);
    FDefaultPeriod = 1;
    SingleSource = true;
    SetPeriodAlignQuietly(paLast);
    FDefaultPeriodAlign = paLast;
    FPublishesPeriodStyle = false;
}

void TTeeMovingFunction::ComputeFromSeries(TChartSeries& source, TChartValueList& L) {
    const int n = std::min(source.Count(), L.Count());
    const int p = PeriodPoints();
    if (n < p) return;
    const bool yMandatory = source.YMandatory();
    for (int i = p - 1; i < n; ++i) {
        const int s = i - p + 1;
        AddResultPoint(yMandatory, Calculate(source, s, i), AlignedPosition(L[s], L[i]));
    }
}
