// Drawing, legend symbol and hit tests of the candle series. Pixel conventions: the body spans
// x - left half .. x + right half (left half = width div 2); a flat body is one pixel tall; a
// 2-D body reaches one pixel further right, and one further up when it has no outline, as the
// rectangle fill leaves out its right and bottom edges.
#include <algorithm>

#include "chart/engine/AxisPanel.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/HitTests.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/series/price/CandleSeries.h"

namespace {

// A line at the series' middle depth in a 3-D chart.
void CandleLine(TCanvas3D& canvas, bool is3D, int z, int x0, int y0, int x1, int y1) {
    if (is3D)
        canvas.DrawLineAtZ(x0, y0, x1, y1, z);
    else
        canvas.DrawLine(x0, y0, x1, y1);
}

}  // namespace

TCandleSeries::TCandlePixels TCandleSeries::CandlePixelsOf(int valueIndex) const {
    TCandlePixels p;
    p.X = XValueToPixel(DateValues()[valueIndex]);
    p.Open = YValueToPixel(OpenValues()[valueIndex]);
    p.High = YValueToPixel(HighValues()[valueIndex]);
    p.Low = YValueToPixel(LowValues()[valueIndex]);
    p.Close = YValueToPixel(CloseValues()[valueIndex]);
    p.LeftHalf = FCandleWidth / 2;
    p.RightHalf = FCandleWidth - p.LeftHalf;
    return p;
}

bool TCandleSeries::Draws3DBody() const { return FParentChart->View3D() && Draw3D(); }

TRect TCandleSeries::DrawnBody(const TCandlePixels& p) const {
    if (Draws3DBody())
        return TRect{p.X - p.LeftHalf, std::min(p.Open, p.Close), p.X + p.RightHalf,
                     std::max(p.Open, p.Close)};
    int open = p.Open, close = p.Close;
    if (open == close) --close;
    const bool is3D = FParentChart->View3D();
    if (!is3D && !CandlePen()->Visible()) {
        if (open < close)
            --open;
        else
            --close;
    }
    return TRect{p.X - p.LeftHalf, open, p.X + p.RightHalf + (is3D ? 0 : 1), close};
}

void TCandleSeries::UseWickPen() {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    const TColor color =
        FHighLowPen->Color() == clDefault ? CandlePen()->Color() : FHighLowPen->Color();
    canvas.UsePenWithColor(FHighLowPen.get(), color);
    canvas.SetBackgroundMode(TRANSPARENT);
}

void TCandleSeries::UseBodyPen(TColor flatColor) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    if (!CandlePen()->Visible())
        canvas.Pen()->SetStyle(psClear);
    else
        canvas.UsePenWithColor(CandlePen(), flatColor != clNone ? flatColor : CandlePen()->Color());
}

void TCandleSeries::FillBodyGradient(TRect body, TTeeGradient* gradient, int z) {
    if (!gradient->Visible()) return;
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    body = NormalizedRect(body);
    if (FParentChart->View3D()) {
        const TPoint a = canvas.ProjectPoint(body.Left, body.Top, z);
        const TPoint b = canvas.ProjectPoint(body.Right, body.Bottom, z);
        body = TRect{a.X, a.Y, b.X, b.Y};
    }
    gradient->DrawInRect(canvas, body);
    // The body drawn next only outlines the gradient.
    canvas.Brush()->SetStyle(bsClear);
}

void TCandleSeries::DrawValue(int valueIndex) {
    if (IsNullValue(valueIndex)) return;
    if (OnGetPointerStyle) OnGetPointerStyle(*this, valueIndex);
    Pointer()->PrepareCanvas(*FParentChart->Canvas3D(), clDefault);
    const TColor color = CandleColor(valueIndex);
    const TCandlePixels p = CandlePixelsOf(valueIndex);
    switch (FCandleStyle) {
        case csCandleStick:
        case csOpenClose:
            DrawStick(p, color, IsUpCandle(valueIndex) ? FUpGradient.get() : FDownGradient.get());
            break;
        case csLine:
            DrawLinePoint(valueIndex, p, color);
            break;
        default:
            DrawBar(p, color);
    }
}

void TCandleSeries::DrawStick(const TCandlePixels& p, TColor color, TTeeGradient* gradient) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    const bool is3D = FParentChart->View3D();
    const bool wicks = FCandleStyle == csCandleStick;
    if (Draws3DBody()) {
        const int top = std::min(p.Open, p.Close), bottom = std::max(p.Open, p.Close);
        if (wicks) {
            UseWickPen();
            CandleLine(canvas, true, MidDepth, p.X, bottom, p.X, p.Low);
        }
        canvas.Brush()->SetColor(color);
        UseBodyPen(p.Open == p.Close ? color : clNone);
        canvas.DrawCuboid(p.X - p.LeftHalf, p.X + p.RightHalf, top, bottom, FrontDepth, BackDepth,
                          Dark3D());
        FillBodyGradient(TRect{p.X - p.LeftHalf, top, p.X + p.RightHalf, bottom}, gradient,
                         FrontDepth);
        if (wicks) {
            UseWickPen();
            CandleLine(canvas, true, MidDepth, p.X, top, p.X, p.High);
        }
        return;
    }
    if (wicks) {
        UseWickPen();
        CandleLine(canvas, is3D, MidDepth, p.X, p.Low, p.X, p.High);
    }
    const TRect body = DrawnBody(p);
    canvas.Brush()->SetColor(color);
    UseBodyPen(clNone);
    FillBodyGradient(body, gradient, MidDepth);
    if (is3D)
        canvas.DrawRectangleAtZ(body, MidDepth);
    else
        canvas.DrawRectangleFromRect(body);
}

void TCandleSeries::DrawBar(const TCandlePixels& p, TColor color) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    const bool is3D = FParentChart->View3D();
    canvas.UsePenWithColor(CandlePen(), color);
    canvas.SetBackgroundMode(TRANSPARENT);
    CandleLine(canvas, is3D, MidDepth, p.X, p.Low, p.X, p.High);
    if (FShowOpenTick)
        CandleLine(canvas, is3D, MidDepth, p.X, p.Open, p.X - p.LeftHalf - 1, p.Open);
    if (FShowCloseTick)
        CandleLine(canvas, is3D, MidDepth, p.X, p.Close, p.X + p.RightHalf + 1, p.Close);
}

void TCandleSeries::DrawLinePoint(int valueIndex, const TCandlePixels& p, TColor color) {
    const TPoint point{p.X, p.Close};
    if (valueIndex != FirstDrawnIndex() && valueIndex > 0 && !IsNullValue(valueIndex - 1)) {
        TCanvas3D& canvas = *FParentChart->Canvas3D();
        canvas.UsePenWithColor(CandlePen(), color);
        canvas.SetBackgroundMode(TRANSPARENT);
        CandleLine(canvas, FParentChart->View3D(), MidDepth, FPrevLinePoint.X, FPrevLinePoint.Y,
                   point.X, point.Y);
    }
    FPrevLinePoint = point;
}

void TCandleSeries::DrawLegendShape(int /*valueIndex*/, const TRect& rect) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    const int dx = (rect.Right - rect.Left) / 5 - 1, dy = (rect.Bottom - rect.Top) / 5;
    canvas.DrawRectangle(rect.Left + dx, rect.Top + dy, rect.Right - dx, rect.Bottom - dy);
    int xm = (rect.Left + rect.Right) / 2;
    if ((rect.Right - rect.Left) % 2 == 0) --xm;
    canvas.DrawLine(xm, rect.Top - 1, xm, rect.Top + dy);
    canvas.DrawLine(xm, rect.Bottom, xm, rect.Bottom - dy - 2);
}

bool TCandleSeries::IsValueInChartRect(int valueIndex) const {
    if (!FParentChart) return false;
    const TRect& r = FParentChart->ChartRect();
    if (FCandleStyle == csLine) return !r.IsEmpty();
    const TCandlePixels p = CandlePixelsOf(valueIndex);
    const TRect body{p.X - p.LeftHalf, std::min(p.Open, p.Close), p.X + p.RightHalf,
                     std::max(p.Open, p.Close)};
    return body.Left <= r.Right && body.Right >= r.Left && body.Top <= r.Bottom &&
           body.Bottom >= r.Top;
}

int TCandleSeries::ValueIndexAt(int x, int y) {
    if (FirstInView < 0 || !FParentChart) return -1;
    TPoint mouse{x, y};
    FParentChart->Canvas3D()->UnprojectPoint(mouse.X, mouse.Y, FrontDepth);
    for (int i = FirstInView; i <= LastInView; ++i)
        if (HitsCandle(i, mouse)) return i;
    return -1;
}

bool TCandleSeries::HitsCandle(int valueIndex, TPoint mouse) {
    if (IsNullValue(valueIndex)) return false;
    const TCandlePixels p = CandlePixelsOf(valueIndex);
    switch (FCandleStyle) {
        case csCandleStick:
        case csOpenClose: {
            if (FCandleStyle == csCandleStick) {
                const int top = std::min(p.Open, p.Close), bottom = std::max(p.Open, p.Close);
                const bool onWick = Draws3DBody() ? IsPointOnLine(mouse, p.X, bottom, p.X, p.Low) ||
                                                        IsPointOnLine(mouse, p.X, top, p.X, p.High)
                                                  : IsPointOnLine(mouse, p.X, p.Low, p.X, p.High);
                if (onWick) return true;
            }
            return NormalizedRect(DrawnBody(p)).Contains(mouse.X, mouse.Y);
        }
        case csLine: {
            const TPoint point{p.X, p.Close};
            const bool joined = valueIndex != FirstInView && !IsNullValue(valueIndex - 1);
            const bool hit = joined && IsPointOnLinePoints(mouse, FPrevLinePoint, point);
            FPrevLinePoint = point;
            return hit;
        }
        default:
            return IsPointOnLine(mouse, p.X, p.Low, p.X, p.High) ||
                   (FShowOpenTick &&
                    IsPointOnLine(mouse, p.X, p.Open, p.X - p.LeftHalf - 1, p.Open)) ||
                   (FShowCloseTick &&
                    IsPointOnLine(mouse, p.X, p.Close, p.X + p.RightHalf + 1, p.Close));
    }
}
