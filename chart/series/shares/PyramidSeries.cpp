#include "chart/series/shares/PyramidSeries.h"

#include <algorithm>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/SeriesMarkPositions.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/PointRoutines.h"
#include "platform/classes/Publisher.h"

namespace {
constexpr int PyramidSideMargin = 20;
}

TPyramidSeries::TPyramidSeries(TComponent* owner) : TChartSeries(owner) {
    ClipsToAxisRange = false;
    SetColorEachPoint(true);
}
TPyramidSeries::~TPyramidSeries() = default;

int TPyramidSeries::IndexInChart() const {
    if (FParentChart)
        for (int i = 0; i < FParentChart->SeriesCount(); ++i)
            if (FParentChart->GetSeries(i) == this) return i;
    return 0;
}

double TPyramidSeries::SumBelow(int valueIndex) const {
    double sum = 0;
    for (int i = 0; i < valueIndex; ++i) sum += YValues()[i];
    return sum;
}

bool TPyramidSeries::SliceOf(int i, TRect& r, TPyramidSlice& slice) {
    const double below = SumBelow(i), value = YValues()[i];
    const int w = PyramidHalfBase(ResolvedHorizAxis()->AxisSize(), FSizePercent);
    if (!PyramidSliceShape(w, YValues().Sum(), below, value, BackDepth - FrontDepth, slice))
        return false;
    const int cx = XValueToPixel(IndexInChart());
    r = TRect{cx - slice.BottomHalfWidth, YValueToPixel(below + value), cx + slice.BottomHalfWidth,
              YValueToPixel(below)};
    return true;
}

void TPyramidSeries::DrawValue(int i) {
    if (IsNullValue(i)) return;
    TRect r;
    TPyramidSlice slice;
    if (!SliceOf(i, r, slice)) return;
    FParentChart->ApplyBrush(ValueColor(i), Brush(), Brush()->Color());
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    canvas.UsePen(Pen());
    canvas.DrawTruncatedPyramid(r, FrontDepth + slice.BottomInset, BackDepth - slice.BottomInset,
                                slice.TopHalfWidth, slice.TopDepth);
}

int TPyramidSeries::PointXPixel(int /*index*/) const { return XValueToPixel(IndexInChart()); }

int TPyramidSeries::PointYPixel(int index) const {
    return YValueToPixel(SumBelow(index) + YValues()[index]);
}

void TPyramidSeries::DrawMark(int valueIndex, const std::string& text,
                              TSeriesMarkPosition& position) {
    position.LeftTop.Y = PointYPixel(valueIndex);
    TChartSeries::DrawMark(valueIndex, text, position);
}

double TPyramidSeries::GetMaxYValue() { return YValues().AbsoluteSum(); }

void TPyramidSeries::HorizontalMarginsNeeded(int& left, int& right) {
    left = right = PyramidSideMargin;
}

bool TPyramidSeries::DrawsValuesForward() const {
    return !(ResolvedVertAxis() && ResolvedVertAxis()->Inverted());
}

int TPyramidSeries::ValueIndexAt(int x, int y) {
    if (!FParentChart) return -1;
    const int w = PyramidHalfBase(ResolvedHorizAxis()->AxisSize(), FSizePercent);
    const int cx = XValueToPixel(IndexInChart());
    for (int i = 0; i < Count(); ++i) {
        TRect r;
        TPyramidSlice slice;
        if (IsNullValue(i) || !SliceOf(i, r, slice)) continue;
        // The whole base's width, from the slice's bottom to its top.
        r.Left = cx - w;
        r.Right = cx + w;
        if (r.Top > r.Bottom) std::swap(r.Top, r.Bottom);
        if (PointInRectXY(r, x, y)) return i;
    }
    return -1;
}

void TPyramidSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TPyramidSeries*>(source))
        FSizePercent = other->FSizePercent;
    TChartSeries::Assign(source);
}

void TPyramidSeries::Publish(TPublisher<TPyramidSeries>& p) {
    using S = TPyramidSeries;
    p.Object("Brush", &S::Brush, &S::SetBrush);
    p.Inherited("ColorEachPoint").Default(true);
    p.Object("Pen", &S::Pen, &S::SetPen);
    p.Integer("SizePercent", &S::SizePercent, &S::SetSizePercent).Default(50);
}
