#include "chart/series/polar/PolarBarSeries.h"

#include "chart/engine/AxisPanel.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartPen.h"

TPolarBarSeries::TPolarBarSeries(TComponent* owner) : TPolarSeries(owner) {}
TPolarBarSeries::~TPolarBarSeries() = default;

void TPolarBarSeries::DrawValueLine(int valueIndex, int x, int y) {
    if (IsNullValue(valueIndex) && TreatNulls() != tnIgnore) return;
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    canvas.UsePenWithColor(Pen(), ValueColor(valueIndex));
    canvas.DrawLineAtZ(CircleXCenter, CircleYCenter, x, y, FrontDepth);
}
