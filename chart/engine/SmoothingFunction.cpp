#include "chart/engine/SmoothingFunction.h"

#include <algorithm>

#include "chart/engine/BSpline.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/SeriesTypes.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/classes/Publisher.h"

TSmoothingFunction::TSmoothingFunction(TComponent* owner) : TTeeFunction(owner) {
    SingleSource = true;
    SetPeriodQuietly(1);
}

TSmoothingFunction::~TSmoothingFunction() = default;

void TSmoothingFunction::Publish(TPublisher<TSmoothingFunction>& p) {
    using F = TSmoothingFunction;
    p.Boolean("Interpolate", &F::Interpolate, &F::SetInterpolate).Default(true);
    p.Integer("Factor", &F::Factor, &F::SetFactor).Default(4);
}

void TSmoothingFunction::SetInterpolate(bool value) {
    if (value == FInterpolate) return;
    FInterpolate = value;
    Recalculate();
}

void TSmoothingFunction::SetFactor(int value) {
    if (value == FFactor) return;
    FFactor = std::max(1, value);
    Recalculate();
}

void TSmoothingFunction::ComputeFromSources(TChartSeries* source) {
    TChartSeries* parent = ParentSeries();
    if (Updating() || !source || !parent) return;
    parent->Clear();
    if (!parent->HasOwnDepth) {
        // The curve runs along the source's positions: a parent lying the same way as the
        // source keeps its points in position order and draws the part in the axis range; one
        // lying crosswise keeps them in curve order and considers them all. A parent with depth
        // values keeps its own orders.
        const bool sameKind = parent->YMandatory() == source->YMandatory();
        parent->NotMandatoryValueList().SetOrder(sameKind ? loAscending : loNone);
        parent->MandatoryValueList().SetOrder(sameKind ? loNone : loAscending);
        parent->ClipsToAxisRange = sameKind;
    }
    const int count = source->Count();
    if (count == 0) return;

    TBSpline spline;
    spline.Resize(count);
    const TChartValueList& values = SourceValueList(*source);
    const TChartValueList& positions = parent->YMandatory() ? source->XValues() : source->YValues();
    for (int i = 0; i < count; ++i) spline.AppendControlPoint(positions[i], values[i]);
    spline.SetInterpolate(FInterpolate);
    spline.SetSegmentCount(
        int(std::min<long long>(1LL * count * FFactor, TBSpline::MaxSegmentCount)));
    const int segments = spline.SegmentCount();
    for (int k = 0; k <= segments; ++k) {
        const T2DPoint p = spline.CurvePoint(double(k) / segments);
        if (parent->YMandatory())
            parent->AddXYPoint(p.X, p.Y);
        else
            parent->AddXYPoint(p.Y, p.X);
    }
}

namespace {
int startCount = 0;
}

void SmoothingFunctionUnitStartup() {
    if (startCount++ > 0) return;
    RegisterFunctionClass(&TSmoothingFunction::StaticClass(), &TxtExtSmoothing, &TxtExtended, 1);
}

void SmoothingFunctionUnitShutdown() {
    if (startCount == 0 || --startCount > 0) return;
    UnregisterFunctionClasses({&TSmoothingFunction::StaticClass()});
}
