#include "chart/series/smith/SmithSeries.h"

#include <cmath>

#include "chart/engine/AxisGridPen.h"
#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/SampleRandom.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeFont.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/View3DOptions.h"
#include "chart/series/algo/SmithMapping.h"
#include "platform/classes/Publisher.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/RtlMath.h"

namespace {
const double ReactanceGrid[] = {0, 0.1, 0.3, 0.5, 0.8, 1, 1.5, 2, 3, 5, 7, 10};
const double ResistanceGrid[] = {0, 0.2, 0.5, 1, 2, 5, 10};
}  // namespace

TSmithSeries::TSmithSeries(TComponent* owner)
    : TCircledSeries(owner),
      FCirclePen(std::make_unique<TChartPen>(StyleChangedEvent())),
      FPointer(std::make_unique<TSeriesPointer>(this)) {
    XValues().SetName("Resistance");
    XValues().SetOrder(loNone);
    YValues().SetName("Reactance");
    RoomForMarks = false;
}

TSmithSeries::~TSmithSeries() = default;

void TSmithSeries::SetCirclePen(const TChartPen* value) { FCirclePen->Assign(value); }

// --- Settings kept on the axes.

bool TSmithSeries::RLabels() const {
    return FParentChart && ResolvedHorizAxis() ? ResolvedHorizAxis()->Labels() : true;
}
void TSmithSeries::SetRLabels(bool value) {
    if (FParentChart && ResolvedHorizAxis()) ResolvedHorizAxis()->SetLabels(value);
}
TChartPen* TSmithSeries::RCirclePen() const {
    return FParentChart && ResolvedHorizAxis() ? ResolvedHorizAxis()->Grid() : Pen();
}
void TSmithSeries::SetRCirclePen(const TChartPen* value) {
    if (FParentChart && ResolvedHorizAxis()) ResolvedHorizAxis()->Grid()->Assign(value);
}
TTeeFont* TSmithSeries::RLabelsFont() const {
    return FParentChart && ResolvedHorizAxis() ? ResolvedHorizAxis()->LabelsFont()
                                               : Marks()->Font();
}
void TSmithSeries::SetRLabelsFont(const TTeeFont* value) {
    if (FParentChart && ResolvedHorizAxis()) ResolvedHorizAxis()->SetLabelsFont(value);
}
bool TSmithSeries::CLabels() const {
    return FParentChart && ResolvedVertAxis() ? ResolvedVertAxis()->Labels() : true;
}
void TSmithSeries::SetCLabels(bool value) {
    if (FParentChart && ResolvedVertAxis()) ResolvedVertAxis()->SetLabels(value);
}
TChartPen* TSmithSeries::CCirclePen() const {
    return FParentChart && ResolvedVertAxis() ? ResolvedVertAxis()->Grid() : Pen();
}
void TSmithSeries::SetCCirclePen(const TChartPen* value) {
    if (FParentChart && ResolvedVertAxis()) ResolvedVertAxis()->Grid()->Assign(value);
}
TTeeFont* TSmithSeries::CLabelsFont() const {
    return FParentChart && ResolvedVertAxis() ? ResolvedVertAxis()->LabelsFont() : Marks()->Font();
}
void TSmithSeries::SetCLabelsFont(const TTeeFont* value) {
    if (FParentChart && ResolvedVertAxis()) ResolvedVertAxis()->SetLabelsFont(value);
}

void TSmithSeries::SetParentChart(TCustomAxisPanel* value) {
    TCircledSeries::SetParentChart(value);
    if (value) FPointer->SetParentChart(value);
    if (value && ComponentState().Contains(csDesigning)) value->SetView3D(false);
}

// --- Geometry.

std::optional<TPoint> TSmithSeries::ZToPoint(double resistance, double reactance) const {
    const std::optional<TReflection> g = SmithReflection(resistance, reactance);
    if (!g) return std::nullopt;
    return TPoint{CircleXCenter + RoundToInt(XRadius * g->Re),
                  CircleYCenter - RoundToInt(YRadius * g->Im)};
}

int TSmithSeries::PointXPixel(int index) const {
    const auto p = ZToPoint(XValues()[index], YValues()[index]);
    return p ? p->X : CircleXCenter;
}

int TSmithSeries::PointYPixel(int index) const {
    const auto p = ZToPoint(XValues()[index], YValues()[index]);
    return p ? p->Y : CircleYCenter;
}

// --- The chart and its grid.

bool TSmithSeries::IsFirstOfClass() const {
    for (int i = 0; i < FParentChart->SeriesCount(); ++i) {
        const TChartSeries* s = FParentChart->GetSeries(i);
        if (s->Active() && &s->ClassType() == &ClassType()) return s == this;
    }
    return false;
}

void TSmithSeries::DoBeforeDrawValues() {
    const bool first = IsFirstOfClass();
    if (first && CLabels()) {
        TCanvas3D& canvas = *FParentChart->Canvas3D();
        canvas.UseFont(CLabelsFont());
        const int h = canvas.MeasureLineHeight() + 2;
        const int w = canvas.MeasureTextWidth("360");
        const TRect r = FParentChart->ChartRect();
        FParentChart->SetChartRect(TRect{r.Left + w, r.Top + h, r.Right - w, r.Bottom - h});
    }
    TCircledSeries::DoBeforeDrawValues();
    ReactanceArcs = ResistanceCircles = 0;
    if (!first) return;
    DrawCircle();
    if (FParentChart->AxisVisible() && FParentChart->AxesBehind()) {
        DrawReactanceGrid();
        DrawResistanceGrid();
    }
}

void TSmithSeries::DrawCircle() {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    if (HasCircleBackColor()) {
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(EffectiveBackColor());
    } else {
        canvas.Brush()->SetStyle(bsClear);
    }
    canvas.UsePen(FCirclePen.get());
    canvas.DrawEllipseAtZ(CircleXCenter - CircleWidth / 2, CircleYCenter - CircleHeight / 2,
                          CircleXCenter + CircleWidth / 2, CircleYCenter + CircleHeight / 2,
                          BackDepth);
    if (Gradient()->Visible()) DrawCircleBackground();
}

void TSmithSeries::DrawReactanceGrid() {
    TChartAxis* axis = ResolvedVertAxis();
    if (!axis || !axis->Visible()) return;
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    canvas.UsePen(axis->Grid());
    canvas.Brush()->SetStyle(bsClear);
    canvas.SetBackgroundMode(TRANSPARENT);
    const bool flat = !FParentChart->View3D() || FParentChart->View3DOptions()->Orthogonal();
    const int right = CircleRect.Right;
    for (double x : ReactanceGrid) {
        if (x == 0) {
            canvas.UsePen(axis->Grid());
            canvas.DrawLineAtZ(CircleRect.Left, CircleYCenter, CircleRect.Right, CircleYCenter,
                               MidDepth);
            if (CLabels()) DrawReactanceLabel(TPoint{CircleRect.Left, CircleYCenter}, 0);
            continue;
        }
        const int c = RoundToInt(YRadius / x);
        const int r = RoundToInt(XRadius / x);
        const TPoint top = *ZToPoint(0, x);
        const TPoint bottom = *ZToPoint(0, -x);
        if (CLabels()) DrawReactanceLabel(top, x);
        if (flat) {
            canvas.UsePen(axis->Grid());
            canvas.Brush()->SetStyle(bsClear);
            const TPoint far = *ZToPoint(100, x);
            const TPoint farBelow = *ZToPoint(100, -x);
            auto arc = [&](TRect box, TPoint from, TPoint to) {
                if (FParentChart->View3D()) {
                    box = canvas.ProjectRect(box, MidDepth);
                    from = canvas.ProjectPoint(from.X, from.Y, MidDepth);
                    to = canvas.ProjectPoint(to.X, to.Y, MidDepth);
                }
                canvas.DrawArc(box.Left, box.Top, box.Right, box.Bottom, from.X, from.Y, to.X,
                               to.Y);
            };
            arc(TRect{right - r, CircleYCenter - 2 * c, right + r, CircleYCenter}, top, far);
            arc(TRect{right - r, CircleYCenter, right + r, CircleYCenter + 2 * c}, farBelow,
                bottom);
            ReactanceArcs += 2;
        }
        if (CLabels()) DrawReactanceLabel(bottom, -x);
    }
}

void TSmithSeries::DrawResistanceGrid() {
    TChartAxis* axis = ResolvedHorizAxis();
    if (!axis || !axis->Visible()) return;
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    const int right = CircleRect.Right;
    for (double r : ResistanceGrid) {
        const double b = 1 / (r + 1);
        const int dx = RoundToInt(XRadius * b), dy = RoundToInt(YRadius * b);
        canvas.UsePen(axis->Grid());
        canvas.Brush()->SetStyle(bsClear);
        canvas.DrawEllipseAtZ(right - 2 * dx, CircleYCenter - dy, right, CircleYCenter + dy,
                              MidDepth);
        ++ResistanceCircles;
        if (RLabels()) {
            canvas.UseFont(RLabelsFont());
            canvas.SetTextAlignment(TA_CENTER);
            canvas.SetBackgroundMode(TRANSPARENT);
            canvas.DrawTextAtZ(right - 2 * dx, CircleYCenter, BackDepth, FloatToStr(r));
        }
    }
}

void TSmithSeries::DrawReactanceLabel(TPoint at, double value) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    canvas.UseFont(CLabelsFont());
    const int h = canvas.MeasureLineHeight();
    double a = PointToAngle(at.X, at.Y) * 57.29577;
    if (a >= 360) a -= 360;
    int x = at.X, y = at.Y;
    if (a == 0 || a == 180)
        y -= h / 2;
    else if (a > 0 && a < 180)
        y -= h;
    unsigned align = TA_RIGHT;
    if (a == 90 || a == 270)
        align = TA_CENTER;
    else if (a < 90 || a > 270)
        align = TA_LEFT;
    const int half = canvas.MeasureTextWidth("0") / 2;
    if (a == 0) x += half;
    if (a == 180) x -= half;
    canvas.SetTextAlignment(align);
    canvas.SetBackgroundMode(TRANSPARENT);
    std::string text = FloatToStr(value);
    text.append(FImagSymbol);
    canvas.DrawTextAtZ(x, y, BackDepth, text);
}

// --- Points.

void TSmithSeries::PrepareLinePen(int valueIndex) {
    FParentChart->Canvas3D()->UsePenWithColor(
        Pen(), valueIndex == -1 ? SeriesColor() : ValueColor(valueIndex));
}

void TSmithSeries::DrawValue(int valueIndex) {
    const auto p = ZToPoint(XValues()[valueIndex], YValues()[valueIndex]);
    if (!p) return;
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    PrepareLinePen(valueIndex);
    if (valueIndex == FirstInView || !FHasLast) {
        canvas.MovePenTo3D(p->X, p->Y, FrontDepth);
    } else if (p->X != FLastX || p->Y != FLastY) {
        canvas.MovePenTo3D(FLastX, FLastY, FrontDepth);
        canvas.DrawLineTo3D(p->X, p->Y, FrontDepth);
    }
    FLastX = p->X;
    FLastY = p->Y;
    FHasLast = true;
}

void TSmithSeries::DrawAllValues() {
    FHasLast = false;
    TCircledSeries::DrawAllValues();
    if (!FPointer->Visible() || FirstInView < 0) return;
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    for (int i = FirstInView; i <= LastInView; ++i) {
        const auto p = ZToPoint(XValues()[i], YValues()[i]);
        if (!p) continue;
        const TColor color = ValueColor(i);
        FPointer->PrepareCanvas(canvas, color);
        const TSeriesPointerStyle style =
            OnGetPointerStyle ? OnGetPointerStyle(*this, i) : FPointer->Style();
        FPointer->DrawOnCanvas(canvas, FParentChart->View3D(), p->X, p->Y, FPointer->HorizSize(),
                               FPointer->VertSize(), color, style);
    }
}

void TSmithSeries::DrawLegendShape(int valueIndex, const TRect& rect) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    if (Pen()->Visible()) {
        PrepareLinePen(valueIndex);
        canvas.DrawHorizontalLine(rect.Left, rect.Right, (rect.Top + rect.Bottom) / 2);
    }
    if (FPointer->Visible()) {
        TSeriesPointerStyle style = FPointer->Style();
        if (OnGetPointerStyle && valueIndex != -1) style = OnGetPointerStyle(*this, valueIndex);
        const TColor color = valueIndex == -1 ? SeriesColor() : ValueColor(valueIndex);
        FPointer->DrawInLegend(canvas, rect, style, color, Pen()->Visible(), nullptr);
    }
    if (!Pen()->Visible() && !FPointer->Visible())
        TCircledSeries::DrawLegendShape(valueIndex, rect);
}

int TSmithSeries::ValueIndexAt(int x, int y) {
    if (!FParentChart) return -1;
    if (FParentChart->View3D()) FParentChart->Canvas3D()->UnprojectPoint(x, y, FrontDepth);
    const int found = TCircledSeries::ValueIndexAt(x, y);
    if (found != -1 || !FPointer->Visible() || FirstInView < 0) return found;
    for (int i = FirstInView; i <= LastInView; ++i) {
        const auto p = ZToPoint(XValues()[i], YValues()[i]);
        if (p && std::abs(p->X - x) < FPointer->HorizSize() &&
            std::abs(p->Y - y) < FPointer->VertSize())
            return i;
    }
    return -1;
}

// --- Samples and the gallery.

void TSmithSeries::AddRandomValues(int numValues, bool /*onlyMandatory*/) {
    for (int i = 0; i < numValues; ++i)
        AddXYPoint(6.5 * i / numValues, ((i > 0 ? RandomBelow(i) : 0) + 3.8) / numValues);
}

void TSmithSeries::PrepareForGallery(bool enabled) {
    TChartSeries::PrepareForGallery(enabled);
    if (!FParentChart) return;
    FParentChart->SetChart3DPercent(5);
    FParentChart->RightAxis()->SetLabels(false);
    FParentChart->TopAxis()->SetLabels(false);
    TView3DOptions& view = *FParentChart->View3DOptions();
    view.SetOrthogonal(false);
    view.SetElevation(360);
    view.SetZoom(90);
}

void TSmithSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TSmithSeries*>(source)) {
        FCirclePen->Assign(other->FCirclePen.get());
        FImagSymbol = other->FImagSymbol;
        FPointer->Assign(other->FPointer.get());
    }
    TCircledSeries::Assign(source);
}

void TSmithSeries::Publish(TPublisher<TSmithSeries>& p) {
    using S = TSmithSeries;
    p.Object("CirclePen", &S::CirclePen, &S::SetCirclePen);
    p.String("ImagSymbol", &S::ImagSymbol, &S::SetImagSymbol).Default(std::string("i"));
    p.Object("Pointer", &S::Pointer, &S::SetPointer);
    p.Object(
        "ReactanceValues", [](const S& s) { return const_cast<TChartValueList*>(&s.YValues()); },
        [](S& s, const TChartValueList* v) { s.SetYValues(v); });
    p.Object(
        "ResistanceValues", [](const S& s) { return const_cast<TChartValueList*>(&s.XValues()); },
        [](S& s, const TChartValueList* v) { s.SetXValues(v); });
}
