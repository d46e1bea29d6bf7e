#include "chart/series/polar/CustomPolarSeries.h"

#include <cmath>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/BlendScope.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/SampleRandom.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/DefaultColors.h"
#include "chart/foundation/HitTests.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/TeeFont.h"
#include "chart/foundation/View3DOptions.h"
#include "chart/series/algo/PolarScale.h"
#include "platform/classes/Publisher.h"

namespace {
// Degrees to radians as the angle labels and the points share it.
constexpr double DegreesToRadians = 0.017453292519943295;
}  // namespace

TCustomPolarSeries::TCustomPolarSeries(TComponent* owner)
    : TCircledSeries(owner),
      FCircleLabelsFont(std::make_unique<TTeeFont>(StyleChangedEvent())),
      FCirclePen(std::make_unique<TChartPen>(StyleChangedEvent())),
      FPointer(std::make_unique<TSeriesPointer>(this)) {
    YValues().SetName(TxtRadius);
    Brush()->SetStyle(bsClear);
}

TCustomPolarSeries::~TCustomPolarSeries() = default;

// --- Settings.

double TCustomPolarSeries::AngleIncrement() const {
    if (const TChartAxis* axis = FParentChart ? ResolvedHorizAxis() : nullptr)
        if (axis->Increment() != 0) return axis->Increment();
    return 10;
}

void TCustomPolarSeries::SetAngleIncrement(double value) {
    if (TChartAxis* axis = FParentChart ? ResolvedHorizAxis() : nullptr) axis->SetIncrement(value);
}

double TCustomPolarSeries::RadiusIncrement() const {
    const TChartAxis* axis = FParentChart ? ResolvedVertAxis() : nullptr;
    return axis ? axis->Increment() : 0;
}

void TCustomPolarSeries::SetRadiusIncrement(double value) {
    if (TChartAxis* axis = FParentChart ? ResolvedVertAxis() : nullptr) axis->SetIncrement(value);
}

void TCustomPolarSeries::SetCircleLabelsFont(const TTeeFont* value) {
    FCircleLabelsFont->Assign(value);
}

void TCustomPolarSeries::SetCirclePen(const TChartPen* value) { FCirclePen->Assign(value); }

void TCustomPolarSeries::SetClockWiseLabels(bool value) {
    ChangeField(FClockWiseLabels, value);
    for (int i = 0; i < Count(); ++i) XValues().SetValue(i, 360 - XValues()[i]);
}

void TCustomPolarSeries::SetSeriesColor(TColor value) {
    TCircledSeries::SetSeriesColor(value);
    if (Brush()->Style() == bsClear) Pen()->SetColor(value);
}

void TCustomPolarSeries::SetParentChart(TCustomAxisPanel* value) {
    TCircledSeries::SetParentChart(value);
    if (value) FPointer->SetParentChart(value);
    if (value && ComponentState().Contains(csDesigning)) value->SetView3D(false);
}

// --- Geometry.

void TCustomPolarSeries::AngleToPointDegrees(double angle, double xRadius, double yRadius, int& x,
                                             int& y) const {
    AngleToPoint(angle * DegreesToRadians, xRadius, yRadius, x, y);
}

void TCustomPolarSeries::RadiusToPoint(double angle, double value, int& x, int& y) const {
    TRadiusAxisRange range;
    if (const TChartAxis* axis = ResolvedVertAxis())
        range = {axis->Minimum(), axis->Maximum(), axis->Inverted(), axis->Logarithmic()};
    AngleToPointDegrees(angle, PolarRadiusPixels(XRadius, value, range),
                        PolarRadiusPixels(YRadius, value, range), x, y);
}

int TCustomPolarSeries::PointXPixel(int index) const {
    int x = 0, y = 0;
    RadiusToPoint(XValueAt(index), YValues()[index], x, y);
    return x;
}

int TCustomPolarSeries::PointYPixel(int index) const {
    int x = 0, y = 0;
    RadiusToPoint(XValueAt(index), YValues()[index], x, y);
    return y;
}

TColor TCustomPolarSeries::PointColor(int valueIndex) const {
    const TColor color = ValueColor(valueIndex);
    if (color != clNone || FTreatNulls != tnIgnore) return color;
    return ColorEachPoint() ? DefaultColorAt(valueIndex) : SeriesColor();
}

TColor TCustomPolarSeries::LegendItemColor(int legendIndex) const {
    return PointColor(legendIndex);
}

// --- Points.

void TCustomPolarSeries::PrepareLinePen(int valueIndex) {
    TColor color = Pen()->Color();
    if (color == clDefault) color = valueIndex == -1 ? SeriesColor() : ValueColor(valueIndex);
    FParentChart->Canvas3D()->UsePenWithColor(Pen(), color);
}

void TCustomPolarSeries::FillSector(TPoint from, TPoint to, TColor color) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    canvas.UseBrushColored(Brush(), color);
    const TPoint centre = Centre();
    TRect bounds{std::min({centre.X, from.X, to.X}), std::min({centre.Y, from.Y, to.Y}),
                 std::max({centre.X, from.X, to.X}) + 1, std::max({centre.Y, from.Y, to.Y}) + 1};
    if (FParentChart->View3D()) bounds = canvas.ProjectedRectBounds(bounds, FrontDepth);
    TBlendScope blend(canvas, bounds, FTransparency);
    canvas.FillTriangleAtZ(centre, from, to, FrontDepth);
}

void TCustomPolarSeries::DrawValueLine(int valueIndex, int x, int y) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    if (valueIndex == FirstInView) {
        canvas.MovePenTo3D(x, y, FrontDepth);
    } else if (x != FLastX || y != FLastY) {
        if (Brush()->Style() != bsClear)
            FillSector(TPoint{FLastX, FLastY}, TPoint{x, y}, PointColor(valueIndex));
        PrepareLinePen(valueIndex);
        canvas.MovePenTo3D(FLastX, FLastY, FrontDepth);
        canvas.DrawLineTo3D(x, y, FrontDepth);
    }
    if (valueIndex == LastInView && FCloseCircle && LastInView > FirstInView) {
        const int x0 = PointXPixel(0), y0 = PointYPixel(0);
        if (ColorEachPoint() && Brush()->Style() != bsClear) PrepareLinePen(0);
        if (Brush()->Style() != bsClear)
            FillSector(TPoint{x, y}, TPoint{x0, y0}, PointColor(valueIndex));
        canvas.MovePenTo3D(x, y, FrontDepth);
        canvas.DrawLineTo3D(x0, y0, FrontDepth);
    }
}

void TCustomPolarSeries::DrawValue(int valueIndex) {
    const bool isNull = IsNullValue(valueIndex);
    if (!isNull || FTreatNulls == tnIgnore) {
        const int x = PointXPixel(valueIndex), y = PointYPixel(valueIndex);
        PrepareLinePen(valueIndex);
        DrawValueLine(valueIndex, x, y);
        FLastX = x;
        FLastY = y;
    } else if (FTreatNulls == tnDontPaint) {
        // A gap: the line starts again at the next point (point 0 after the last).
        const int next = valueIndex < LastInView ? valueIndex + 1 : 0;
        FLastX = PointXPixel(next);
        FLastY = PointYPixel(next);
        FParentChart->Canvas3D()->MovePenTo3D(FLastX, FLastY, FrontDepth);
    }
}

void TCustomPolarSeries::DrawAllValues() {
    TCircledSeries::DrawAllValues();
    if (!FPointer->Visible() || FirstInView < 0) return;
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    for (int i = FirstInView; i <= LastInView; ++i) {
        if (IsNullValue(i) && FTreatNulls != tnIgnore) continue;
        const TColor color = PointColor(i);
        FPointer->PrepareCanvas(canvas, color);
        const TSeriesPointerStyle style =
            OnGetPointerStyle ? OnGetPointerStyle(*this, i) : FPointer->Style();
        FPointer->DrawOnCanvas(canvas, FParentChart->View3D(), PointXPixel(i), PointYPixel(i),
                               FPointer->HorizSize(), FPointer->VertSize(), color, style);
    }
}

void TCustomPolarSeries::DrawMark(int valueIndex, const std::string& text,
                                  TSeriesMarkPosition& position) {
    Marks()->OffsetByCallout(position);
    TCircledSeries::DrawMark(valueIndex, text, position);
}

void TCustomPolarSeries::DrawLegendShape(int valueIndex, const TRect& rect) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    if (Pen()->Visible()) {
        PrepareLinePen(valueIndex);
        canvas.DrawHorizontalLine(rect.Left, rect.Right, (rect.Top + rect.Bottom) / 2);
    }
    if (FPointer->Visible()) {
        TSeriesPointerStyle style = FPointer->Style();
        if (OnGetPointerStyle && valueIndex != -1) style = OnGetPointerStyle(*this, valueIndex);
        const TColor color = valueIndex == -1 ? SeriesColor() : PointColor(valueIndex);
        FPointer->DrawInLegend(canvas, rect, style, color, Pen()->Visible(), nullptr);
    }
    if (!Pen()->Visible() && !FPointer->Visible())
        TCircledSeries::DrawLegendShape(valueIndex, rect);
}

// --- Hit test.

bool TCustomPolarSeries::HitsSegment(TPoint p, TPoint from, TPoint to) const {
    if (Brush()->Style() != bsClear && PointInTriangle(p, Centre(), from, to)) return true;
    return Pen()->Visible() && IsPointNearLine(p, from.X, from.Y, to.X, to.Y, 0);
}

int TCustomPolarSeries::ValueIndexAt(int x, int y) {
    const int found = TCircledSeries::ValueIndexAt(x, y);
    if (found != -1 || FirstInView < 0 || !FParentChart) return found;
    if (FParentChart->View3D()) FParentChart->Canvas3D()->UnprojectPoint(x, y, FrontDepth);
    const TPoint p{x, y};
    TPoint previous{};
    for (int i = FirstInView; i <= LastInView; ++i) {
        const TPoint at{PointXPixel(i), PointYPixel(i)};
        if (at == p) return i;
        if (FPointer->Visible() && std::abs(at.X - x) < FPointer->HorizSize() &&
            std::abs(at.Y - y) < FPointer->VertSize())
            return i;
        if (i > FirstInView && HitsSegment(p, previous, at)) return i - 1;
        previous = at;
    }
    if (FCloseCircle && LastInView > FirstInView &&
        HitsSegment(p, previous, TPoint{PointXPixel(FirstInView), PointYPixel(FirstInView)}))
        return LastInView;
    return -1;
}

// --- Samples and the gallery.

void TCustomPolarSeries::AddRandomValues(int numValues, bool /*onlyMandatory*/) {
    for (int i = 1; i <= numValues; ++i) AddXYPoint(i * (360.0 / numValues), RandomBelow(1000) + 1);
}

void TCustomPolarSeries::ListGalleryVariants(
    const std::function<void(const std::string&)>& addVariant) {
    TCircledSeries::ListGalleryVariants(addVariant);
    for (const std::string* name :
         {&TxtExtNoPoint, &TxtExtNoLine, &TxtFilled, &TxtExtLabels, &TxtNoBorder, &TxtExtNoCircle})
        addVariant(*name);
}

void TCustomPolarSeries::ApplyGalleryVariant(TChartSeries* series, int index) {
    auto* s = dynamic_cast<TCustomPolarSeries*>(series);
    if (!s) return;
    switch (index) {
        case 1:
            s->Pointer()->SetVisible(false);
            break;
        case 2:
            s->Pen()->SetVisible(false);
            break;
        case 3:
            s->Brush()->SetStyle(bsSolid);
            break;
        case 4:
            s->SetCircleLabels(true);
            break;
        case 5:
            s->Pointer()->Pen()->SetVisible(false);
            break;
        case 6:
            s->CirclePen()->SetVisible(false);
            break;
        default:
            TCircledSeries::ApplyGalleryVariant(series, index);
    }
}

void TCustomPolarSeries::PrepareForGallery(bool enabled) {
    TCircledSeries::PrepareForGallery(enabled);
    SetCircled(true);
    if (!FParentChart) return;
    if (TChartAxis* axis = ResolvedHorizAxis()) axis->SetIncrement(90);
    TView3DOptions& view = *FParentChart->View3DOptions();
    FParentChart->SetChart3DPercent(5);
    FParentChart->RightAxis()->SetLabels(false);
    FParentChart->TopAxis()->SetLabels(false);
    view.SetOrthogonal(false);
    view.SetElevation(360);
    view.SetZoom(90);
}

// --- Settings copied and published.

void TCustomPolarSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TCustomPolarSeries*>(source)) {
        FCircleLabels = other->FCircleLabels;
        FCircleLabelsFont->Assign(other->FCircleLabelsFont.get());
        FCircleLabelsInside = other->FCircleLabelsInside;
        FCircleLabelsRotated = other->FCircleLabelsRotated;
        FCirclePen->Assign(other->FCirclePen.get());
        FLabelsMargin = other->FLabelsMargin;
        FClockWiseLabels = other->FClockWiseLabels;
        FCloseCircle = other->FCloseCircle;
        FPointer->Assign(other->FPointer.get());
        FTransparency = other->FTransparency;
        FTreatNulls = other->FTreatNulls;
    }
    TCircledSeries::Assign(source);
}

void TCustomPolarSeries::Publish(TPublisher<TCustomPolarSeries>& p) {
    using S = TCustomPolarSeries;
    p.Float("AngleIncrement", &S::AngleIncrement, &S::SetAngleIncrement).Stored(false);
    p.Object(
        "AngleValues", [](const S& s) { return const_cast<TChartValueList*>(&s.XValues()); },
        [](S& s, const TChartValueList* v) { s.SetAngleValues(v); });
    p.Boolean("CircleLabels", &S::CircleLabels, &S::SetCircleLabels).Default(false);
    p.Object("CircleLabelsFont", &S::CircleLabelsFont, &S::SetCircleLabelsFont);
    p.Boolean("CircleLabelsInside", &S::CircleLabelsInside, &S::SetCircleLabelsInside)
        .Default(false);
    p.Boolean("CircleLabelsRotated", &S::CircleLabelsRotated, &S::SetCircleLabelsRotated)
        .Default(false);
    p.Object("CirclePen", &S::CirclePen, &S::SetCirclePen);
    p.Boolean("ClockWiseLabels", &S::ClockWiseLabels, &S::SetClockWiseLabels).Default(false);
    p.Boolean("CloseCircle", &S::CloseCircle, &S::SetCloseCircle).Default(true);
    p.Integer("LabelsMargin", &S::LabelsMargin, &S::SetLabelsMargin).Default(3);
    p.Object("Pointer", &S::Pointer, &S::SetPointer);
    p.Float("RadiusIncrement", &S::RadiusIncrement, &S::SetRadiusIncrement).Stored(false);
    p.Object(
        "RadiusValues", [](const S& s) { return const_cast<TChartValueList*>(&s.YValues()); },
        [](S& s, const TChartValueList* v) { s.SetRadiusValues(v); });
    p.Integer("Transparency", &S::Transparency, &S::SetTransparency).Default(0);
    p.Enumeration("TreatNulls", TreatNullsStyleNames(), &S::TreatNulls, &S::SetTreatNulls)
        .Default(int(tnIgnore));
}
