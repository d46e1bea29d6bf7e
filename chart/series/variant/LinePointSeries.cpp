#include "chart/series/variant/LinePointSeries.h"

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/foundation/Canvas3D.h"
#include "platform/classes/Publisher.h"

TMyPointSeries::TMyPointSeries(TComponent* owner)
    : TPointSeries(owner), FLinesPen(CreateLinkedPen()) {
    Pointer()->SetDraw3D(false);
    Pointer()->SetStyle(psDiamond);
    FLinesPen->SetColor(clRed);
}
TMyPointSeries::~TMyPointSeries() = default;

void TMyPointSeries::DrawValue(int valueIndex) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    const int x = PointXPixel(valueIndex), y = PointYPixel(valueIndex);
    canvas.Brush()->SetStyle(bsClear);
    canvas.SetBackgroundMode(TRANSPARENT);
    canvas.UsePen(FLinesPen.get());
    const TPoint guide[3] = {
        {ResolvedVertAxis()->AxisPosition(), y}, {x, y}, {x, ResolvedHorizAxis()->AxisPosition()}};
    canvas.DrawPolylineAtZ(guide, 2, FrontDepth);
    TPointSeries::DrawValue(valueIndex);
}

void TMyPointSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TMyPointSeries*>(source))
        FLinesPen->Assign(other->FLinesPen.get());
    TPointSeries::Assign(source);
}

void TMyPointSeries::Publish(TPublisher<TMyPointSeries>& p) {
    using S = TMyPointSeries;
    p.Object("LinesPen", &S::LinesPen, &S::SetLinesPen);
}
