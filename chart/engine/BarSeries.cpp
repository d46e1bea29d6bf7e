#include "chart/engine/BarSeries.h"

#include <algorithm>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/BarSeriesGradient.h"
#include "chart/engine/Callout.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/SeriesMarkPositions.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/HitTests.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/classes/Publisher.h"

TBarSeries::TBarSeries(TComponent* owner) : TCustomBarSeries(owner) {
    Gradient()->SetDirection(gdTopBottom);
    YValues().SetName(TxtBar2);
}

TBarSeries::~TBarSeries() = default;

void TBarSeries::Publish(TPublisher<TBarSeries>& p) {
    p.Integer("CustomBarWidth", &TBarSeries::CustomBarWidth, &TBarSeries::SetCustomBarWidth)
        .Default(0);
}

const TChartPen* TBarSeries::CalcBarRect(int valueIndex, TRect& rect) {
    const bool pen = Pen()->Visible();
    const int p = pen ? std::max(1, Pen()->Width()) : 0;
    rect.Left = PointXPixel(valueIndex);
    if (BarWidthPercent() != 100 || CustomBarWidth() != 0 || MultiBar() == mbSelfStack) {
        rect.Right = rect.Left + BarSize() + 1;
    } else if (!ResolvedHorizAxis()->Inverted()) {
        // At 100 percent the bars touch: each ends where the next one starts.
        rect.Right = valueIndex < Count() - 1 ? PointXPixel(valueIndex + 1) + 1 - p / 2
                                              : rect.Left + BarSize() + 1 - p / 2;
    } else {
        rect.Right = valueIndex > 0 ? PointXPixel(valueIndex - 1) : rect.Left + BarSize() + p;
    }
    rect.Top = PointYPixel(valueIndex);
    rect.Bottom = BarOrigin(valueIndex);
    if (!pen) {
        // Without an outline the fill reaches the pixel the outline would have covered.
        (rect.Bottom >= rect.Top ? rect.Bottom : rect.Top) += 1;
        ++rect.Right;
    }
    return Pen();
}

void TBarSeries::DrawBar(int valueIndex, int barStart, int barEnd) {
    DrawStyledBar(valueIndex, barStart, barEnd);
}

bool TBarSeries::BarContains(int valueIndex, const TPoint& point) {
    TCustomAxisPanel* chart = ParentChart();
    if (!chart) return false;
    TCanvas3D& canvas = *chart->Canvas3D();
    const bool view3D = chart->View3D();
    const int x = PointXPixel(valueIndex);
    const int right = x + BarSize();
    if (!view3D && (point.X < x || point.X > right)) return false;
    const int endY = PointYPixel(valueIndex), originY = BarOrigin(valueIndex);
    const int top = std::min(endY, originY), bottom = std::max(endY, originY);
    const int mid = (x + right) / 2;
    auto triangle = [&](int baseY, int apexY) {
        if (!view3D) return PointInTriangle(point, {x, baseY}, {right, baseY}, {mid, apexY});
        return PointInTriangle(point, canvas.ProjectPoint(x, baseY, FrontDepth),
                               canvas.ProjectPoint(right, baseY, FrontDepth),
                               canvas.ProjectPoint(mid, apexY, MidDepth));
    };
    const TBarStyle style = PointBarStyle(valueIndex);
    if (style == bsPyramid || style == bsCone) return triangle(bottom, top);
    if (style == bsInvPyramid || style == bsInvCone) return triangle(top, bottom);
    TPoint p = point;
    if (view3D) {
        canvas.UnprojectPoint(p.X, p.Y, FrontDepth);
        if (p.X < x || p.X > right) return false;
    }
    if (style == bsEllipse) return PointInEllipseRect(p, TRect{x, top, right, bottom});
    return p.Y >= top && p.Y <= bottom;
}

void TBarSeries::DrawTickLine(int position, TBarStyle style) {
    TCanvas3D& canvas = *ParentChart()->Canvas3D();
    const TRect& b = BarBounds;
    if (style == bsArrow) {
        const int quarter = (b.Right - b.Left) / 4;
        canvas.DrawHorizontalLineAtZ(b.Left + quarter, b.Right - quarter, position, MidDepth);
        return;
    }
    if (style != bsRectangle && style != bsRectGradient && style != bsBevel) return;
    canvas.DrawHorizontalLineAtZ(b.Left, b.Right, position, FrontDepth);
    if (!ParentChart()->View3D()) return;
    // Round the side of the cube the viewer sees.
    const TPoint rightFront = canvas.ProjectPoint(b.Right, position, FrontDepth);
    const TPoint rightBack = canvas.ProjectPoint(b.Right, position, BackDepth);
    const TPoint leftFront = canvas.ProjectPoint(b.Left, position, FrontDepth);
    const TPoint leftBack = canvas.ProjectPoint(b.Left, position, BackDepth);
    if (rightBack.X > rightFront.X)
        canvas.DrawDepthLine(b.Right, position, FrontDepth, BackDepth);
    else if (leftBack.X < leftFront.X)
        canvas.DrawDepthLine(b.Left, position, FrontDepth, BackDepth);
}

int TBarSeries::MarkExtent(int /*valueIndex*/) {
    if (!ParentChart()) return 0;
    TCanvas3D& canvas = *ParentChart()->Canvas3D();
    canvas.UseFont(Marks()->Font());
    return canvas.MeasureLineHeight();
}

void TBarSeries::DrawMark(int valueIndex, const std::string& text, TSeriesMarkPosition& position) {
    const int half = BarSize() / 2;
    position.LeftTop.X += half;
    position.ArrowFrom.X += half;
    position.ArrowTo.X += half;
    const int length = Marks()->Callout()->Length();
    const int distance = Marks()->Callout()->Distance();
    // Beyond the bar's end: above a bar rising from its origin, below one hanging from it.
    if (PointYPixel(valueIndex) <= BarOrigin(valueIndex)) {
        position.LeftTop.Y -= length + distance;
        position.ArrowTo.Y -= length + distance;
        position.ArrowFrom.Y -= distance;
    } else {
        position.LeftTop.Y += length + distance + position.Height;
        position.ArrowTo.Y += length + distance;
        position.ArrowFrom.Y += distance;
    }
    if (AutoMarkPosition()) Marks()->AntiOverlap(FirstInView, valueIndex, position);
    TCustomBarSeries::DrawMark(valueIndex, text, position);
}

bool TBarSeries::HasZOrderSiblings() const {
    return MultiBar() != mbSideAll && TCustomBarSeries::HasZOrderSiblings();
}
