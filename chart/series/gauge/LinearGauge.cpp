#include "chart/series/gauge/LinearGauge.h"

#include <algorithm>
#include <cmath>

#include "chart/engine/AxisDrawParts.h"
#include "chart/engine/AxisPanel.h"
#include "chart/engine/AxisTitle.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/SampleRandom.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeFont.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/TeeShape.h"
#include "chart/series/algo/GaugeScale.h"
#include "chart/series/gauge/GaugeSeriesPointer.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/RtlMath.h"

namespace {

// How many marks first, first + step, ... lie up to last: at least the first one (also when
// last is below first), none for a step that is not positive or for more than MaxGaugeTicks.
int LinearMarkCount(double first, double last, double step) {
    if (!(step > 0)) return 0;
    // A hair of tolerance keeps the mark at last that a sum of steps would reach.
    const double steps = std::floor((last - first) / step + 1e-9);
    if (!(steps < MaxGaugeTicks)) return 0;
    return steps < 0 ? 1 : int(steps) + 1;
}

}  // namespace

TLinearGauge::TLinearGauge(TComponent* owner)
    : TCustomGaugeMinMax(owner),
      FMaxValueIndicator(std::make_unique<TGaugeSeriesPointer>(this)),
      FValueArea(std::make_unique<TTeeShape>()) {
    FMaxValueIndicator->SetStyle(psTriangle);
    FMaxValueIndicator->Brush()->SetColor(clRed);
    FMaxValueIndicator->SetVertSize(5);
    FMaxValueIndicator->SetDraw3D(false);
    FValueArea->SetTransparent(true);
    RedLine()->SetStartValue(80);
    RedLine()->SetEndValue(100);
    GreenLine()->SetStartValue(0);
    GreenLine()->SetEndValue(40);
    SetValue(RandomBelow(100));
}

TLinearGauge::~TLinearGauge() = default;

void TLinearGauge::SetMaxValueIndicator(const TGaugeSeriesPointer* value) {
    FMaxValueIndicator->Assign(value);
}

void TLinearGauge::SetValueArea(const TTeeShape* value) { FValueArea->Assign(value); }

void TLinearGauge::SetHorizontal(bool value) {
    if (value == Horizontal()) return;
    // A chart being read has its axes as they were stored.
    const bool loading = ComponentState().Contains(csLoading);
    if (TChartAxis* axis = ScaleAxis(); axis && !loading) axis->Title()->SetCaption("");
    TCustomGaugeMinMax::SetHorizontal(value);
    if (TChartAxis* axis = ScaleAxis(); axis && !loading) PrepareScaleAxis(*axis);
}

void TLinearGauge::SetValue(double value) {
    FLargestValue = std::max(FLargestValue, value);
    TCustomGaugeMinMax::SetValue(value);
}

TChartAxis* TLinearGauge::ScaleAxis() const {
    return Horizontal() ? ResolvedHorizAxis() : ResolvedVertAxis();
}

int TLinearGauge::StripLength() const {
    const TRect& r = FValueAreaRect;
    return Horizontal() ? r.Right - r.Left : r.Bottom - r.Top;
}

int TLinearGauge::StripThickness() const {
    const TRect& r = FValueAreaRect;
    return Horizontal() ? r.Bottom - r.Top : r.Right - r.Left;
}

int TLinearGauge::ValueToPixel(double value) const {
    const double range = Maximum() - Minimum();
    if (range == 0) return 0;
    return RoundToInt((value - Minimum()) * (StripLength() / range));
}

void TLinearGauge::CalcFaceRect() {
    CalcGaugeRect();
    FFaceRect = FGaugeRect;
    TCustomGaugeMinMax::CalcFaceRect();
}

void TLinearGauge::CalcValueArea() {
    // Along the gauge 80 % of the face, centred; across it as thick as the major ticks are long.
    const TRect& face = FFaceRect;
    const int thick = Ticks()->VertSize();
    auto along = [](int start, int end, int& from, int& to) {
        const int length = end - start;
        const int strip = RoundToInt(0.8 * length);
        from = start + length / 2 - strip / 2;
        to = from + strip;
    };
    auto across = [thick](int start, int end, int& from, int& to) {
        from = start + (end - start - thick) / 2;
        to = from + thick;
    };
    TRect& r = FValueAreaRect;
    if (Horizontal()) {
        along(face.Left, face.Right, r.Left, r.Right);
        across(face.Top, face.Bottom, r.Top, r.Bottom);
    } else {
        along(face.Top, face.Bottom, r.Top, r.Bottom);
        across(face.Left, face.Right, r.Left, r.Right);
    }
}

void TLinearGauge::DrawAllValues() {
    if (!Horizontal()) {
        FMaxValueIndicator->SetStyle(psLeftTriangle);
        Face()->Gradient()->SetDirection(gdRightLeft);
    }
    TCustomGaugeMinMax::DrawAllValues();
    if (FMaxValueIndicator->Visible()) DrawMaxValueIndicator();
}

void TLinearGauge::DrawMaxValueIndicator() {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    const int at = ValueToPixel(FLargestValue);
    const TRect& r = FValueAreaRect;
    TGaugeSeriesPointer& indicator = *FMaxValueIndicator;
    indicator.PrepareCanvas(canvas, indicator.BrushColor());
    const TPoint p = Horizontal() ? TPoint{r.Left + at, r.Bottom} : TPoint{r.Right, r.Bottom - at};
    indicator.DrawOnCanvas(canvas, false, p.X, p.Y, indicator.HorizSize(), indicator.VertSize(),
                           indicator.BrushColor(), indicator.Style());
}

void TLinearGauge::DrawScale() {
    // The strip is where the hand and the indicator go, with or without a scale.
    CalcValueArea();
    TChartAxis* axis = ScaleAxis();
    if (!axis || !axis->Visible()) return;
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    // A tenth of the range, as a step forwards from Minimum whichever end Maximum is at.
    const double range = Maximum() - Minimum();
    const double increment = std::abs(range) * 0.1;

    canvas.UsePen(axis->Axis());
    const int p = axis->Axis()->Width();
    TRect strip = FValueAreaRect;
    if (axis->Axis()->Visible() && p > 0)
        strip = TRect{strip.Left - p + p / 2, strip.Top - p + p / 2, strip.Right + p + p / 2,
                      strip.Bottom + p + p / 2};
    FValueArea->DrawOnPanel(FParentChart, strip, 0, 0);

    const TRect& r = FValueAreaRect;
    const int length = StripLength();
    TChartAxisTitle& title = *axis->Title();
    if (title.Visible() && !title.Caption().empty()) {
        canvas.UseFont(title.Font());
        const int h = canvas.MeasureLineHeight();
        if (Horizontal())
            axis->DrawTitleAt(r.Left + length / 2, r.Bottom + h / 2);
        else
            axis->DrawTitleAt(r.Right + h + 10, r.Top + length / 2);
    }
    if (axis->Ticks()->Visible() || axis->Labels()) DrawTicksAndLabels(*axis, increment);
    DrawMinorTicks(*axis, increment, p);
    // An empty range has no place for a value.
    if (range == 0) return;
    DrawRange(*RedLine(), p);
    DrawRange(*GreenLine(), p);
}

void TLinearGauge::DrawTicksAndLabels(TChartAxis& axis, double increment) {
    const double range = Maximum() - Minimum();
    if (range == 0 || increment == 0) return;
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    // The scale's ticks take the Ticks marker's length and pen; the axis keeps its own.
    canvas.UseFont(axis.LabelsFont());
    canvas.UsePen(Ticks()->Pen());
    const int h = canvas.MeasureLineHeight();
    const int rr = RoundToInt(Ticks()->HorizSize() * 0.5);
    const TRect& r = FValueAreaRect;
    const double step = StripLength() / range * increment;
    const int count = LinearMarkCount(Minimum(), Maximum(), increment);
    for (int k = 0; k < count; ++k) {
        const int at = RoundToInt(k * step);
        double value;
        if (Horizontal()) {
            const int x = at + r.Left;
            Ticks()->DrawGauge(canvas,
                               {TPoint{x + rr, r.Bottom}, TPoint{x - rr, r.Bottom},
                                TPoint{x - rr, r.Top}, TPoint{x + rr, r.Top}},
                               TPoint{x, r.Bottom});
            value = Minimum() + k * increment;
        } else {
            const int y = at + r.Top;
            Ticks()->DrawGauge(canvas,
                               {TPoint{r.Right, y + rr}, TPoint{r.Right, y - rr},
                                TPoint{r.Left, y - rr}, TPoint{r.Left, y + rr}},
                               TPoint{r.Right, y});
            value = Maximum() - k * increment;
        }
        if (!axis.Labels()) continue;
        const std::string text = FormatFloat(ValueFormat(), value);
        canvas.UseFont(axis.LabelsFont());
        canvas.SetBackgroundMode(TRANSPARENT);
        const int w = canvas.MeasureTextWidth(text);
        if (Horizontal())
            canvas.DrawTextAt(at + r.Left - RoundToInt(0.6 * w), r.Top - h, text);
        else
            canvas.DrawTextAt(r.Left - w - 8, at + r.Top - h / 2, text);
    }
}

void TLinearGauge::DrawMinorTicks(TChartAxis& axis, double increment, int penWidth) {
    const double range = Maximum() - Minimum();
    const int perStep = axis.MinorTickCount();
    if (range == 0 || increment == 0 || !axis.MinorTicks()->Visible() || perStep <= 0) return;
    // The marks between Minimum, Minimum + increment, ... up to the last step before Maximum.
    const int count = LinearMarkCount(Minimum(), Maximum() - increment, increment);
    if (double(count) * perStep >= MaxGaugeTicks) return;
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    canvas.UsePen(MinorTicks()->Pen());
    const TRect& r = FValueAreaRect;
    const int length = StripLength();
    const double step = length / range * increment;
    const double minorStep = increment / (perStep + 1) * length / range;
    const int inset = (StripThickness() - penWidth) / 2;
    const int half = MinorTicks()->HorizSize() / 2;
    const int height = MinorTicks()->VertSize();
    for (int k = 0; k < count; ++k) {
        for (int j = 1; j <= perStep; ++j) {
            const int at = RoundToInt(k * step) + RoundToInt(minorStep * j);
            TPoint p, q;
            if (Horizontal()) {
                p = TPoint{at + r.Left, r.Top + MinorTickDistance()};
                q = TPoint{p.X, p.Y + inset};
            } else {
                p = TPoint{r.Left + MinorTickDistance(), at + r.Top};
                q = TPoint{p.X + inset, p.Y};
            }
            MinorTicks()->DrawGauge(
                canvas,
                {TPoint{p.X - half, p.Y}, TPoint{p.X + half, p.Y}, TPoint{p.X + half, p.Y + height},
                 TPoint{p.X - half, p.Y + height}},
                q);
        }
    }
}

void TLinearGauge::DrawRange(TGaugePointerRange& range, int penWidth) {
    if (!range.Visible()) return;
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    const double scale = StripLength() / (Maximum() - Minimum());
    const int s = RoundToInt((range.StartValue() - Minimum()) * scale);
    const int e = RoundToInt((range.EndValue() - Minimum()) * scale);
    const TRect& r = FValueAreaRect;
    const int thick = range.VertSize();
    const TRect band =
        Horizontal()
            ? TRect{r.Left + s, r.Bottom + penWidth, r.Left + e, r.Bottom + penWidth + thick}
            : TRect{r.Right + penWidth, r.Bottom - e, r.Right + penWidth + thick, r.Bottom - s};
    range.PrepareCanvas(canvas, range.BrushColor());
    if (TTeeGradient& gradient = *range.Gradient(); gradient.Visible()) {
        gradient.SetDirection(Horizontal() ? gdLeftRight : gdBottomTop);
        gradient.DrawInRect(canvas, band);
        canvas.Brush()->SetStyle(bsClear);
    }
    canvas.DrawRectangleFromRect(band);
}

void TLinearGauge::DrawHand() {
    TGaugeSeriesPointer& hand = *Hand();
    const double range = Maximum() - Minimum();
    // An empty range has no place for a value.
    if (!hand.Visible() || range == 0) return;
    TTeeGradient& gradient = *hand.Gradient();
    gradient.SetVisible(FUseValueColorPalette);
    if (FUseValueColorPalette) gradient.SetDirection(Horizontal() ? gdLeftRight : gdBottomTop);
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    hand.PrepareCanvas(canvas, hand.BrushColor());
    // A bar from the Minimum end to the value, as thick as the strip: half its length and half
    // its thickness are the pointer's sizes around the bar's centre.
    const int half = RoundToInt((Value() - Minimum()) * (StripLength() / range) * 0.5);
    if (half == 0) return;
    const int cross = StripThickness() / 2;
    if (cross == 0) return;
    const TRect& r = FValueAreaRect;
    if (Horizontal()) {
        hand.StoreHorizSize(half);
        hand.StoreVertSize(cross);
        hand.DrawOnCanvas(canvas, false, r.Left + half, r.Top + cross, half, cross,
                          hand.BrushColor(), psRectangle);
    } else {
        hand.StoreVertSize(half);
        hand.StoreHorizSize(cross);
        hand.DrawOnCanvas(canvas, false, r.Left + cross, r.Bottom - half, cross, half,
                          hand.BrushColor(), psRectangle);
    }
}

void TLinearGauge::SetParentChart(TCustomAxisPanel* value) {
    TCustomGaugeMinMax::SetParentChart(value);
    if (ComponentState().Contains(csDestroying)) return;
    FMaxValueIndicator->SetParentChart(value);
    FValueArea->SetParentChart(value);
}

void TLinearGauge::ApplyGalleryVariant(TChartSeries* series, int index) {
    if (auto* gauge = dynamic_cast<TLinearGauge*>(series)) gauge->SetHorizontal(index == 0);
}

void TLinearGauge::PrepareForGallery(bool enabled) {
    TCustomGaugeMinMax::PrepareForGallery(enabled);
    if (TChartAxis* axis = ScaleAxis()) {
        axis->SetLabels(false);
        axis->Title()->SetVisible(false);
    }
    SetValue(RandomBelow(100));
}

void TLinearGauge::Assign(const TPersistent* source) {
    if (const auto* other = dynamic_cast<const TLinearGauge*>(source)) {
        SetHorizontal(other->Horizontal());
        FMaxValueIndicator->Assign(other->FMaxValueIndicator.get());
        FUseValueColorPalette = other->FUseValueColorPalette;
        FValueArea->Assign(other->FValueArea.get());
    }
    TCustomGaugeMinMax::Assign(source);
}

void TLinearGauge::Publish(TPublisher<TLinearGauge>& p) {
    using G = TLinearGauge;
    p.Boolean("Horizontal", &G::Horizontal, &G::SetHorizontal).Default(true);
    p.Object("MaxValueIndicator", &G::MaxValueIndicator, &G::SetMaxValueIndicator);
    p.Boolean("UseValueColorPalette", &G::UseValueColorPalette, &G::SetUseValueColorPalette)
        .Default(false);
    p.Object("ValueArea", &G::ValueArea, &G::SetValueArea);
}
