// Drawing the line family point by point: the shadow and outline passes, the walk over the
// points with its null rules and its first segment cut at the chart's edge, and the flat line
// with the pointers one point behind.
#include <cmath>
#include <utility>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/BlendScope.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/CustomSeries.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeShadow.h"

namespace {

// Runs a restoring step on every path out of the scope.
template <class F>
class TOnScopeExit {
public:
    explicit TOnScopeExit(F f) : FRestore(std::move(f)) {}
    ~TOnScopeExit() { FRestore(); }
    TOnScopeExit(const TOnScopeExit&) = delete;
    TOnScopeExit& operator=(const TOnScopeExit&) = delete;

private:
    F FRestore;
};

}  // namespace

// --- The passes.

void TCustomSeries::DrawAllValues() {
    if (FShadow->Visible() && (FShadow->HorizSize() != 0 || FShadow->VertSize() != 0)) ShadowPass();
    if (FOutLine->Visible()) OutlinePass();
    TCustomLineSeries::DrawAllValues();
}

// The passes draw in another colour through the raw colour fields and give them back exactly:
// going through the colour setter would make the series' automatic colour an explicit one (then
// streamed, and skipped by palette changes) and tell the listeners twice per drawing.
void TCustomSeries::ShadowPass() {
    const TColor color = Color(), defaultColor = DefaultSeriesColor();
    const bool pointerVisible = FPointer->Visible();
    TChartAxis& horiz = *ResolvedHorizAxis();
    TChartAxis& vert = *ResolvedVertAxis();
    const int hStart = horiz.StartPos(), hEnd = horiz.EndPos();
    const int vStart = vert.StartPos(), vEnd = vert.EndPos();
    TOnScopeExit restore([&] {
        horiz.SetPositions(hStart, hEnd);
        vert.SetPositions(vStart, vEnd);
        FPointer->SetVisible(pointerVisible);
        StoreColorQuietly(color);
        SetDefaultSeriesColor(defaultColor);
    });
    StoreColorQuietly(clDefault);
    SetDefaultSeriesColor(FShadow->Color());
    FPointer->SetVisible(false);
    horiz.SetPositions(hStart + FShadow->HorizSize(), hEnd + FShadow->HorizSize());
    vert.SetPositions(vStart + FShadow->VertSize(), vEnd + FShadow->VertSize());
    TCustomLineSeries::DrawAllValues();
}

void TCustomSeries::OutlinePass() {
    const TColor color = Color(), defaultColor = DefaultSeriesColor();
    TChartPen savedLine;
    savedLine.Assign(LinePen());
    const int lineWidth = LinePen()->Visible() ? LinePen()->Width() : 1;
    TChartHiddenPen savedOutline;
    savedOutline.Assign(FOutLine.get());
    TOnScopeExit restore([&] {
        LinePen()->Assign(&savedLine);
        FOutLine->Assign(&savedOutline);
        StoreColorQuietly(color);
        SetDefaultSeriesColor(defaultColor);
    });
    StoreColorQuietly(clDefault);
    SetDefaultSeriesColor(FOutLine->Color());
    LinePen()->Assign(FOutLine.get());
    LinePen()->SetWidth(2 * savedOutline.Width() + lineWidth);
    TCustomLineSeries::DrawAllValues();
}

// --- One point.

void TCustomSeries::DrawValue(int valueIndex) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    const bool forward = DrawsValuesForward();
    TColor color = ValueColor(valueIndex);
    if (FDrawArea && !forward && valueIndex + 1 < Count()) color = ValueColor(valueIndex + 1);
    int x = PointXPixel(valueIndex);
    int y = PointYPixel(valueIndex);
    const int first = FirstDrawnIndex();
    if (TreatNulls() == tnSkip && IsNullValue(valueIndex)) {
        if (valueIndex == first) {
            for (int i = 0; i < Count(); ++i)
                if (!IsNullValue(i)) {
                    x = PointXPixel(i);
                    y = PointYPixel(i);
                    break;
                }
        } else {
            x = PrevX;
            y = PrevY;
        }
    }
    canvas.Brush()->SetColor(color);
    // A line restarts after a gap.
    if (OldColor == clNone && TreatNulls() == tnDontPaint) {
        PrevX = x;
        PrevY = y;
    }
    BaseY = OriginPosition(valueIndex);
    if (valueIndex == first) {
        if (FDark3D) {
            const int w = FParentChart->Width3D(), h = FParentChart->Height3D();
            SlopeLimit = w == 0 ? 1 : std::fabs(double(h) / w);
        }
        if (forward && valueIndex > 0) DrawEdgeSegment(valueIndex, x, y, color);
        if (valueIndex == LastDrawnIndex() && FPointer->Visible() && color != clNone)
            DrawPointer(x, y, color, valueIndex);
        if (canvas.SupportsFreeRotation() && FDrawArea && FParentChart->View3D())
            canvas.FillPlaneAtX(x, y, BaseY, FrontDepth, BackDepth);
    } else if (valueIndex == LastDrawnIndex()) {
        DrawSegment(valueIndex, x, y, color, true);
        if (!forward && valueIndex > 0) DrawEdgeSegment(valueIndex, x, y, color);
    } else {
        DrawSegment(valueIndex, x, y, color, true);
    }
    PrevX = x;
    PrevY = y;
    PrevBaseY = BaseY;
    OldColor = color;
}

// The segment from the point before the visible range: an area starts at that point itself, a
// line at the chart's edge, where the segment crosses it (stairs keep the earlier height).
void TCustomSeries::DrawEdgeSegment(int valueIndex, int x, int y, TColor color) {
    const int prev = valueIndex - 1;
    if (FDrawArea) {
        PrevX = PointXPixel(prev);
        PrevY = PointYPixel(prev);
        PrevBaseY = OriginPosition(prev);
    } else {
        const TRect& r = FParentChart->ChartRect();
        const TChartAxis& across = YMandatory() ? *ResolvedHorizAxis() : *ResolvedVertAxis();
        PrevX = across.Inverted() ? r.Right : r.Left;
        PrevY = FStairs ? PointYPixel(prev)
                        : InterpolatedY(prev, ResolvedHorizAxis()->ValueAtPixel(PrevX));
    }
    if (!IsNullValue(prev)) DrawSegment(valueIndex, x, y, color, false);
}

int TCustomSeries::InterpolatedY(int prevIndex, double xValue) const {
    const double x0 = XValues()[prevIndex], x1 = XValues()[prevIndex + 1];
    if (x0 == x1) return PointYPixel(prevIndex);
    const double y0 = YValues()[prevIndex], y1 = YValues()[prevIndex + 1];
    const double t = (xValue - x0) / (x1 - x0);
    double value;
    if (ResolvedVertAxis()->Logarithmic())
        value = y0 <= 0 || y1 <= 0 ? 0 : std::exp(std::log(y0) + (std::log(y1) - std::log(y0)) * t);
    else
        value = y0 + (y1 - y0) * t;
    return YValueToPixel(value);
}

// --- One segment.

void TCustomSeries::DrawSegment(int valueIndex, int x, int y, TColor color, bool withPointer) {
    const bool is3D = FParentChart->View3D();
    const bool moved = x != PrevX || y != PrevY;
    if (moved && (color != clNone || TreatNulls() == tnIgnore)) {
        if (is3D && (FDrawLine || FDrawArea)) DrawRibbon(valueIndex, x, y, color);
        if (FDrawArea)
            DrawAreaPart(valueIndex, x, y, color);
        else if (!is3D && FDrawLine)
            DrawFlatLine(x, y, color);
    }
    if (!withPointer || !FPointer->Visible()) return;
    const int prevIndex = DrawsValuesForward() ? valueIndex - 1 : valueIndex + 1;
    if (OldColor != clNone)
        DrawPointer(PrevX, PrevY, OldColor, prevIndex);
    else if (TreatNulls() != tnDontPaint)
        DrawPointer(PrevX, PrevY, color, prevIndex);
    if (valueIndex == LastDrawnIndex() && color != clNone) DrawPointer(x, y, color, valueIndex);
}

void TCustomSeries::DrawFlatLine(int x, int y, TColor color) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    TColor c = (ColorEachPoint() && !FPointer->Visible()) || FColorEachLine ? color : SeriesColor();
    // A null point drawn like any other (tnIgnore) is reached in the series colour.
    if (c == clNone) c = SeriesColor();
    PrepareLinePen(c);
    const int w = LinePen()->Width();
    const TRect box{std::min(PrevX, x) - w, std::min(PrevY, y) - w, std::max(PrevX, x) + w,
                    std::max(PrevY, y) + w};
    const TBlendScope blend(canvas, box, GetTransparency());
    canvas.MovePenTo(PrevX, PrevY);
    if (FStairs) {
        if (FInvertedStairs)
            canvas.DrawLineTo(PrevX, y);
        else
            canvas.DrawLineTo(x, PrevY);
    }
    canvas.DrawLineTo(x, y);
}

void TCustomSeries::PrepareLinePen(TColor color) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    if (canvas.GetMonochrome()) color = clWhite;
    if (!FParentChart->View3D()) {
        canvas.Brush()->SetStyle(bsClear);
    } else if (Brush()->ImageIfAny()) {
        canvas.UseBrushColors(Brush(), color, clWhite);
    } else {
        canvas.Brush()->SetColor(color);
        canvas.Brush()->SetStyle(LineBrush());
    }
    canvas.UsePenWithColor(LinePen(), color);
}
