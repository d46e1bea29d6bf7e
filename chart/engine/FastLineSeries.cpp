// The fast line: its settings, its drawing walk and the single segment of an added point.
#include "chart/engine/FastLineSeries.h"

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/HitTests.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/classes/Publisher.h"
#include "platform/graphics/Canvas.h"

TFastLineSeries::TFastLineSeries(TComponent* owner) : TCustomLineSeries(owner) {
    SetTreatNulls(tnIgnore);
    CentresSingleValue = false;
    ReachesRangeEdge = true;
}

TFastLineSeries::~TFastLineSeries() = default;

void TFastLineSeries::Publish(TPublisher<TFastLineSeries>& p) {
    using S = TFastLineSeries;
    p.Boolean(
         "AutoRepaint", [](const S& s) { return s.AutoRepaint; },
         [](S& s, bool v) { s.AutoRepaint = v; })
        .Default(true);
    p.Boolean("DrawAllPoints", &S::DrawAllPoints, &S::SetDrawAllPoints).Default(true);
    p.Boolean("IgnoreNulls", &S::IgnoreNulls, &S::SetIgnoreNulls).Default(true);
    p.Boolean("InvertedStairs", &S::InvertedStairs, &S::SetInvertedStairs).Default(false);
    p.Object("LinePen", &S::LinePen, &S::SetLinePen);
    p.Boolean("Stairs", &S::Stairs, &S::SetStairs).Default(false);
    p.Enumeration("TreatNulls", TreatNullsStyleNames(), &S::TreatNulls, &S::SetTreatNulls)
        .Default(tnIgnore);
}

void TFastLineSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TFastLineSeries*>(source)) {
        AutoRepaint = other->AutoRepaint;
        FDrawAllPoints = other->FDrawAllPoints;
        FastPen = other->FastPen;
        FIgnoreNulls = other->FIgnoreNulls;
        FInvertedStairs = other->FInvertedStairs;
        FStairs = other->FStairs;
    }
    TCustomLineSeries::Assign(source);
}

// The pen decides the colour: whoever sets one sets the other.
void TFastLineSeries::SetPen(const TChartPen* value) {
    TCustomLineSeries::SetPen(value);
    SetSeriesColor(Pen()->Color());
}

void TFastLineSeries::SetSeriesColor(TColor value) {
    TCustomLineSeries::SetSeriesColor(value);
    Pen()->SetColor(SeriesColor());
}

// --- Drawing.

void TFastLineSeries::PointPixel(int index, int& x, int& y) const {
    x = ResolvedHorizAxis()->PixelOfValue(XValues()[index]);
    y = ResolvedVertAxis()->PixelOfValue(YValues()[index]);
}

void TFastLineSeries::MovePen(TCanvas3D& canvas, bool view3D, int x, int y) {
    if (view3D)
        canvas.MovePenTo3D(x, y, MidDepth);
    else
        canvas.MovePenTo(x, y);
}

void TFastLineSeries::LineTo(TCanvas3D& canvas, bool view3D, int x, int y) {
    if (view3D)
        canvas.DrawLineTo3D(x, y, MidDepth);
    else
        canvas.DrawLineTo(x, y);
}

void TFastLineSeries::DrawPointOn(TCanvas3D& canvas, int valueIndex, bool view3D,
                                  bool mayHaveNulls) {
    int x, y;
    PointPixel(valueIndex, x, y);
    // Same column: with DrawAllPoints only an exact repeat is dropped, without it any point.
    if (x == PrevX && (!FDrawAllPoints || y == PrevY)) return;
    bool draw = true;
    if (mayHaveNulls && TreatNulls() != tnIgnore) {
        if (IsNullValue(valueIndex)) {
            draw = false;
            if (TreatNulls() == tnSkip) {
                x = PrevX;  // the pen stays where the last drawn point left it
                y = PrevY;
            }
        } else if (TreatNulls() == tnDontPaint && valueIndex > 0 && IsNullValue(valueIndex - 1)) {
            draw = false;
        }
    }
    if (draw) {
        if (FStairs) {
            if (FInvertedStairs)
                LineTo(canvas, view3D, PrevX, y);
            else
                LineTo(canvas, view3D, x, PrevY);
        }
        LineTo(canvas, view3D, x, y);
    } else {
        MovePen(canvas, view3D, x, y);
    }
    PrevX = x;
    PrevY = y;
}

void TFastLineSeries::DrawValue(int valueIndex) {
    if (!ParentChart()) return;
    DrawPointOn(*ParentChart()->Canvas3D(), valueIndex, ParentChart()->View3D(), true);
}

void TFastLineSeries::DrawAllValues() {
    if (FirstInView < 0 || !ParentChart()) return;
    TCanvas3D& canvas = *ParentChart()->Canvas3D();
    const bool view3D = ParentChart()->View3D();
    canvas.UsePen(Pen());
    canvas.Brush()->SetStyle(bsClear);
    canvas.SetBackgroundMode(TRANSPARENT);
    const int first = FirstInView;
    PointPixel(first > 0 ? first - 1 : 0, PrevX, PrevY);
    MovePen(canvas, view3D, PrevX, PrevY);
    // Null points exist only where a point has a colour of its own (or the series has none).
    const bool mayHaveNulls = HasPointColors() || SeriesColor() == clNone;
    // Always first to last: the pen walks forward along the points.
    for (int i = first > 0 ? first : 1; i <= LastInView; ++i)
        DrawPointOn(canvas, i, view3D, mayHaveNulls);
}

void TFastLineSeries::NotifyValueAdded(int valueIndex) {
    if (AutoRepaint || !ParentChart() || !Active()) {
        TCustomLineSeries::NotifyValueAdded(valueIndex);
        return;
    }
    // The point's event and the dependent series still follow; only the repaint is replaced.
    if (OnAfterAdd) OnAfterAdd(*this, valueIndex);
    NotifyLinkedSeries(lscAdded, valueIndex);
    TCustomAxisPanel& chart = *ParentChart();
    if (!ResolvedHorizAxis() || !ResolvedVertAxis()) return;
    TCanvas3D& canvas = *chart.Canvas3D();
    const bool view3D = chart.View3D();
    PointPixel(valueIndex > 0 ? valueIndex - 1 : 0, PrevX, PrevY);
    // The fast pen only takes the line pen's colour; the style and width stay those of the
    // pen selected last, as the held platform pen would.
    if (FastPen)
        canvas.Pen()->SetColor(Pen()->Color());
    else
        canvas.UsePen(Pen());
    MovePen(canvas, view3D, PrevX, PrevY);
    DrawPointOn(canvas, valueIndex, view3D, true);
    // The segment went into the chart's picture; show it without drawing the chart again.
    canvas.RepaintFromBuffer();
}

// --- Room, clicks, marks and legend.

namespace {
// Half the pen beyond the point, rounded up: 1 for a pen of 1, 3 for a pen of 4.
int PenMargin(int width) { return width - (width - 2) / 2; }
}  // namespace

void TFastLineSeries::HorizontalMarginsNeeded(int& left, int& right) {
    TCustomLineSeries::HorizontalMarginsNeeded(left, right);
    const int m = PenMargin(Pen()->Width());
    left += m;
    right += m;
}

void TFastLineSeries::VerticalMarginsNeeded(int& top, int& bottom) {
    TCustomLineSeries::VerticalMarginsNeeded(top, bottom);
    const int m = PenMargin(Pen()->Width());
    top += m;
    bottom += m;
}

int TFastLineSeries::ValueIndexAt(int x, int y) {
    if (FirstInView < 0 || !ParentChart() || !ResolvedHorizAxis() || !ResolvedVertAxis()) return -1;
    ParentChart()->Canvas3D()->UnprojectPoint(x, y, MidDepth);
    const TPoint p{x, y};
    int oldX = 0, oldY = 0;
    for (int i = FirstInView; i <= LastInView; ++i) {
        int px, py;
        PointPixel(i, px, py);
        if (px == x && py == y) return i;
        if (i > FirstInView) {
            bool on;
            if (FStairs)
                on = IsPointOnLine(p, px, py, px, oldY) || IsPointOnLine(p, oldX, oldY, px, oldY);
            else
                on = IsPointOnLine(p, oldX, oldY, px, py);
            if (on) return i - 1;
        }
        oldX = px;
        oldY = py;
    }
    return -1;
}

void TFastLineSeries::DrawMark(int valueIndex, const std::string& text,
                               TSeriesMarkPosition& position) {
    Marks()->OffsetByCallout(position);
    TCustomLineSeries::DrawMark(valueIndex, text, position);
}

void TFastLineSeries::PrepareLegendCanvas(int /*valueIndex*/, TColor& /*backColor*/,
                                          TBrushStyle& style) {
    TCanvas3D& canvas = *ParentChart()->Canvas3D();
    canvas.UsePen(Pen());
    canvas.SetBackgroundMode(TRANSPARENT);
    style = bsClear;
}

void TFastLineSeries::DrawLegendShape(int /*valueIndex*/, const TRect& rect) {
    TCanvas3D& canvas = *ParentChart()->Canvas3D();
    const int middle = (rect.Top + rect.Bottom) / 2;
    canvas.DrawHorizontalLine(rect.Left, rect.Right, middle);
}

void TFastLineSeries::ListGalleryVariants(
    const std::function<void(const std::string&)>& addVariant) {
    addVariant(TxtNormal);
    addVariant(TxtMarks);
    addVariant(TxtDotted);
    addVariant(TxtStairs);
}

void TFastLineSeries::ApplyGalleryVariant(TChartSeries* series, int index) {
    auto* s = dynamic_cast<TFastLineSeries*>(series);
    if (!s) return;
    switch (index) {
        case 1:
            s->Marks()->SetVisible(true);
            break;
        case 2:
            s->Pen()->SetSmallDots(true);
            break;
        case 3:
            s->SetStairs(true);
            break;
        default:
            break;
    }
}
