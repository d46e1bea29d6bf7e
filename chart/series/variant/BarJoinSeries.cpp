#include "chart/series/variant/BarJoinSeries.h"

#include "chart/engine/AxisPanel.h"
#include "chart/foundation/Canvas3D.h"
#include "platform/classes/Publisher.h"

TBarJoinSeries::TBarJoinSeries(TComponent* owner)
    : TBarSeries(owner), FJoinPen(CreateLinkedPen()) {}
TBarJoinSeries::~TBarJoinSeries() = default;

void TBarJoinSeries::PrepareForChartDraw() {
    TBarSeries::PrepareForChartDraw();
    FFirstBar = true;
}

void TBarJoinSeries::DrawBar(int valueIndex, int barStart, int barEnd) {
    TBarSeries::DrawBar(valueIndex, barStart, barEnd);
    if (!FFirstBar) DrawJoin(valueIndex);
    FFirstBar = false;
    FPrevious = BarBounds;
}

void TBarJoinSeries::DrawJoin(int valueIndex) {
    const TRect& b = BarBounds;
    const TRect& q = FPrevious;
    TPoint s, e;
    if (!DrawsValuesForward()) {
        s = {b.Right, b.Top};
        e = {q.Left, q.Top};
    } else {
        switch (PointBarStyle(valueIndex)) {
            case bsPyramid:
            case bsEllipse:
            case bsArrow:
            case bsCone:
                s = {(q.Left + q.Right) / 2, q.Top};
                e = {(b.Left + b.Right) / 2, b.Top};
                break;
            default:
                s = {q.Right, q.Top};
                e = {b.Left, b.Top};
        }
    }
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    canvas.UsePen(FJoinPen.get());
    if (FParentChart->View3D())
        canvas.DrawLineAtZ(s.X, s.Y, e.X, e.Y, MidDepth);
    else
        canvas.DrawLine(s.X, s.Y, e.X, e.Y);
}

void TBarJoinSeries::PrepareForGallery(bool enabled) {
    TBarSeries::PrepareForGallery(enabled);
    FJoinPen->SetColor(clBlue);
    FJoinPen->SetWidth(2);
    FillSampleValues(2);
}

void TBarJoinSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TBarJoinSeries*>(source))
        FJoinPen->Assign(other->FJoinPen.get());
    TBarSeries::Assign(source);
}

void TBarJoinSeries::Publish(TPublisher<TBarJoinSeries>& p) {
    using S = TBarJoinSeries;
    p.Object("JoinPen", &S::JoinPen, &S::SetJoinPen);
}
