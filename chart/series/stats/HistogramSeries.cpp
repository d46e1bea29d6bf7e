#include "chart/series/stats/HistogramSeries.h"

#include <algorithm>
#include <vector>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/BlendScope.h"
#include "chart/engine/ChartAxis.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/PointRoutines.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/RtlMath.h"

THistogramSeries::THistogramSeries(TComponent* owner)
    : TCustomLineSeries(owner), FLinesPen(std::make_unique<TChartHiddenPen>(StyleChangedEvent())) {}
THistogramSeries::~THistogramSeries() = default;

void THistogramSeries::SetLinesPen(const TChartHiddenPen* value) { FLinesPen->Assign(value); }

int THistogramSeries::BarCount() const {
    if (FParentChart && FParentChart->MaxPointsPerPage() > 0)
        return FParentChart->MaxPointsPerPage();
    return Count();
}

int THistogramSeries::HalfBar(int axisLength) const {
    const int n = BarCount();
    return n <= 0 ? 0 : axisLength / n / 2;
}

int THistogramSeries::HalfGap(int from, int to, bool vertical) const {
    if (to < 0 || to >= Count() || from < 0 || from >= Count()) {
        const TChartAxis& axis = vertical ? *ResolvedHorizAxis() : *ResolvedVertAxis();
        return HalfBar(axis.AxisSize());
    }
    const int a = vertical ? PointXPixel(from) : PointYPixel(from);
    const int b = vertical ? PointXPixel(to) : PointYPixel(to);
    return RoundToInt((a - b) / 2.0);
}

void THistogramSeries::CalcBarBounds(int i, TRect& r) {
    if (BarCount() <= 0) {
        r = TRect{0, 0, 0, 0};
        return;
    }
    const int f = FirstDrawnIndex();
    const bool forward = DrawsValuesForward();
    // Half the way to the next point along the drawing, or from the previous one.
    const bool ahead = forward == (i == f);
    const int b = ahead ? HalfGap(i + 1, i, true) : HalfGap(i, i - 1, true);
    const int x = PointXPixel(i);
    if (i == f) {
        r.Left = forward ? x - b - 1 : x + b + 1;
        r.Right = forward ? x + b + 1 : x - b - 1;
    } else {
        r.Left = PreviousEdge;
        r.Right = forward ? x + b + 1 : x - b - 1;
    }
    PreviousEdge = r.Right - 1;
    r.Top = PointYPixel(i);
    const TChartAxis& v = *ResolvedVertAxis();
    r.Bottom = v.Inverted() ? v.StartPos() : v.EndPos();
}

THorizHistogramSeries::THorizHistogramSeries(TComponent* owner) : THistogramSeries(owner) {
    MakeXMandatory();
    XValues().SetOrder(loNone);
    YValues().SetOrder(loAscending);
}
THorizHistogramSeries::~THorizHistogramSeries() = default;

void THorizHistogramSeries::CalcBarBounds(int i, TRect& r) {
    if (BarCount() <= 0) {
        r = TRect{0, 0, 0, 0};
        return;
    }
    const int f = FirstDrawnIndex();
    const bool forward = DrawsValuesForward();
    const bool ahead = forward == (i == f);
    int b = ahead ? HalfGap(i, i + 1, false) : HalfGap(i - 1, i, false);
    const int y = PointYPixel(i);
    if (i == f) {
        if (forward) b = -b;
        r.Top = y + b + 1;
        r.Bottom = y - b + 1;
    } else {
        r.Bottom = PreviousEdge;
        r.Top = forward ? y - b : y + b;
    }
    PreviousEdge = r.Top + 1;
    r.Right = PointXPixel(i) + 1;
    const TChartAxis& h = *ResolvedHorizAxis();
    r.Left = h.Inverted() ? h.EndPos() : h.StartPos();
}

void THistogramSeries::ComputeVisibleRange() {
    TCustomLineSeries::ComputeVisibleRange();
    // The bars at the axis ends are complete.
    if (FirstInView > 0) --FirstInView;
    if (LastInView >= 0 && LastInView < Count() - 1) ++LastInView;
}

void THistogramSeries::HorizontalMarginsNeeded(int& left, int& right) {
    TCustomLineSeries::HorizontalMarginsNeeded(left, right);
    const int pen = Pen()->Visible() ? Pen()->Width() : 0;
    if (YMandatory()) {
        const int half = HalfBar(ResolvedHorizAxis() ? ResolvedHorizAxis()->AxisSize() : 0);
        left += half;
        right += half + pen;
    } else {
        right += pen;
    }
}

void THistogramSeries::VerticalMarginsNeeded(int& top, int& bottom) {
    TCustomLineSeries::VerticalMarginsNeeded(top, bottom);
    const int pen = Pen()->Visible() ? Pen()->Width() : 0;
    if (YMandatory()) {
        top += pen;
    } else {
        const int half = HalfBar(ResolvedVertAxis() ? ResolvedVertAxis()->AxisSize() : 0);
        top += half;
        bottom += half + pen;
    }
}

void THistogramSeries::DrawLine(int x0, int y0, int x1, int y1) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    if (FParentChart->View3D())
        canvas.DrawLineAtZ(x0, y0, x1, y1, MidDepth);
    else
        canvas.DrawLine(x0, y0, x1, y1);
}

int THistogramSeries::PreviousIndex(int i) const { return DrawsValuesForward() ? i - 1 : i + 1; }

void THistogramSeries::DrawValue(int i) {
    TRect r;
    CalcBarBounds(i, r);
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    const bool view3D = FParentChart->View3D();
    canvas.Pen()->SetStyle(psClear);
    if (Brush()->Style() != bsClear) {
        canvas.UseBrushColored(Brush(), ValueColor(i));
        TRect fill = r;
        // The base side reaches one pixel further, under the axis end.
        if (ResolvedVertAxis()->Inverted())
            --fill.Top;
        else
            ++fill.Bottom;
        const TRect blendArea = view3D ? canvas.ProjectRect(fill, MidDepth) : fill;
        const TBlendScope blend(canvas, blendArea, FTransparency);
        if (view3D)
            canvas.DrawRectangleAtZ(TRect{fill.Left, fill.Top, fill.Right - 1, fill.Bottom},
                                    MidDepth);
        else
            canvas.DrawRectangleFromRect(fill);
    }
    if (Pen()->Visible()) DrawOutline(i, r);
    if (i != FirstDrawnIndex() && FLinesPen->Visible()) DrawDivider(i, r);
}

void THistogramSeries::DrawOutline(int i, const TRect& r) {
    FParentChart->Canvas3D()->UsePen(Pen());
    const bool first = i == FirstDrawnIndex(), last = i == LastDrawnIndex();
    if (YMandatory()) {
        DrawLine(r.Left, first ? r.Bottom : r.Top, r.Left,
                 first ? r.Top : PointYPixel(PreviousIndex(i)));
        DrawLine(r.Left, r.Top, r.Right, r.Top);
        if (last) DrawLine(r.Right - 1, r.Top, r.Right - 1, r.Bottom);
    } else {
        DrawLine(first ? r.Left : PointXPixel(PreviousIndex(i)), r.Bottom - 1, r.Right,
                 r.Bottom - 1);
        DrawLine(r.Right - Pen()->Width(), r.Top, r.Right - Pen()->Width(), r.Bottom);
        if (last) DrawLine(r.Left, r.Top, r.Right, r.Top);
    }
}

void THistogramSeries::DrawDivider(int i, const TRect& r) {
    FParentChart->Canvas3D()->UsePen(FLinesPen.get());
    const int shorter = Pen()->Visible() ? 0 : 1;
    if (YMandatory()) {
        const int e = PointYPixel(PreviousIndex(i));
        const int f = ResolvedVertAxis()->Inverted() ? std::min(r.Top, e) : std::max(r.Top, e);
        DrawLine(r.Left, r.Bottom, r.Left, f + (f < r.Bottom ? shorter : -shorter));
    } else {
        const int e = PointXPixel(PreviousIndex(i));
        const bool inverted = ResolvedHorizAxis()->Inverted();
        const int f = inverted ? std::min(r.Right, e) : std::max(r.Left, e);
        DrawLine(r.Left, r.Bottom - 1, f - (inverted ? -shorter : shorter), r.Bottom - 1);
    }
}

int THistogramSeries::ValueIndexAt(int x, int y) {
    if (FirstInView < 0 || !FParentChart) return -1;
    if (FParentChart->View3D()) FParentChart->Canvas3D()->UnprojectPoint(x, y, MidDepth);
    // The bars in drawing order (each starts where the previous one ended), tested in index
    // order.
    std::vector<TRect> bars(size_t(LastInView - FirstInView + 1));
    const bool forward = DrawsValuesForward();
    for (int k = 0; k <= LastInView - FirstInView; ++k) {
        const int i = forward ? FirstInView + k : LastInView - k;
        CalcBarBounds(i, bars[size_t(i - FirstInView)]);
    }
    for (int i = FirstInView; i <= LastInView; ++i) {
        TRect r = bars[size_t(i - FirstInView)];
        if (r.Left > r.Right) std::swap(r.Left, r.Right);
        if (r.Top > r.Bottom) std::swap(r.Top, r.Bottom);
        if (PointInRectXY(r, x, y)) return i;
    }
    return -1;
}

void THistogramSeries::ListGalleryVariants(
    const std::function<void(const std::string&)>& addVariant) {
    TCustomLineSeries::ListGalleryVariants(addVariant);
    addVariant(TxtHollow);
    addVariant(TxtNoBorder);
    addVariant(TxtExtLines);
    addVariant(TxtExtTransparency);
}

void THistogramSeries::ApplyGalleryVariant(TChartSeries* series, int index) {
    auto* s = dynamic_cast<THistogramSeries*>(series);
    if (!s) return;
    switch (index) {
        case 1:
            s->Brush()->SetStyle(bsClear);
            break;
        case 2:
            s->Pen()->SetVisible(false);
            break;
        case 3:
            s->LinesPen()->SetVisible(true);
            break;
        case 4:
            s->SetTransparency(30);
            break;
        default:
            TCustomLineSeries::ApplyGalleryVariant(series, index);
    }
}

void THistogramSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const THistogramSeries*>(source)) {
        Pen()->Assign(other->Pen());
        FLinesPen->Assign(other->FLinesPen.get());
        Brush()->Assign(other->Brush());
        FTransparency = other->FTransparency;
    }
    TCustomLineSeries::Assign(source);
}

void THistogramSeries::Publish(TPublisher<THistogramSeries>& p) {
    using S = THistogramSeries;
    p.Object("Brush", &S::Brush, &S::SetBrush);
    p.Object("LinePen", &S::LinePen, &S::SetLinePen);
    p.Object("LinesPen", &S::LinesPen, &S::SetLinesPen);
    p.Integer("Transparency", &S::Transparency, &S::SetTransparency).Default(0);
}
