#include "chart/series/stats/CrossPointsFunction.h"

#include <vector>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/ChartValueList.h"
#include "chart/engine/DataSourcesList.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/HitTests.h"
#include "chart/foundation/PointRoutines.h"

// --- Crossings.

void TCrossPointsFunction::ComputeFromSources(TChartSeries*) {
    TChartSeries* parent = ParentSeries();
    if (Updating() || !parent || parent->DataSources().Count() < 2) return;
    auto* a = dynamic_cast<TChartSeries*>(parent->DataSources()[0]);
    auto* b = dynamic_cast<TChartSeries*>(parent->DataSources()[1]);
    parent->Clear();
    if (!a || !b || a->Count() < 2 || b->Count() < 2) return;
    const TChartValueList& xa = a->NotMandatoryValueList();
    const TChartValueList& ya = SourceValueList(*a);
    const TChartValueList& xb = b->NotMandatoryValueList();
    const TChartValueList& yb = SourceValueList(*b);
    // A merge over both polylines: the segment that ends first moves on.
    int i = 0, j = 0;
    while (i + 1 < a->Count() && j + 1 < b->Count()) {
        double x, y;
        if (IntersectSegments(xa[i], ya[i], xa[i + 1], ya[i + 1], xb[j], yb[j], xb[j + 1],
                              yb[j + 1], x, y))
            parent->AddXYPoint(x, y);
        if (xb[j + 1] >= xa[i + 1])
            ++i;
        else
            ++j;
    }
}

// --- Outline.

TPerimeterFunction::TPerimeterFunction(TComponent* owner) : TTeeFunction(owner) {
    SingleSource = true;
}

void TPerimeterFunction::ComputeFromSources(TChartSeries* source) {
    TChartSeries* parent = ParentSeries();
    if (Updating() || !source || !parent) return;
    parent->Clear();
    const int n = source->Count();
    TCustomAxisPanel* chart = source->ParentChart();
    if (n == 0 || !chart || !chart->Canvas3D()) return;
    // Pixels need axes that know their range.
    for (TChartAxis* axis : {source->ResolvedHorizAxis(), source->ResolvedVertAxis()})
        if (axis && (axis->AxisSize() == 0 || axis->WorkingRange() == 0)) axis->ComputeRange();
    std::vector<TPoint> points(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i)
        points[size_t(i)] = chart->Canvas3D()->ProjectPoint(
            source->XValueToPixel(source->XValues()[i]),
            source->YValueToPixel(source->YValues()[i]), source->MidDepth);
    ConvexHull(points);
    parent->XValues().SetOrder(loNone);
    for (const TPoint& p : points)
        parent->AddXYPoint(parent->PixelToXValue(p.X), parent->PixelToYValue(p.Y));
    if (parent->Count() > 0) parent->AddXYPoint(parent->XValues()[0], parent->YValues()[0]);
}
