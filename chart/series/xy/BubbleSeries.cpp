#include "chart/series/xy/BubbleSeries.h"

#include <algorithm>
#include <cstdlib>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/SampleRandom.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/HitTests.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/series/xy/OwnDefaultEntry.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/RtlMath.h"

TBubbleSeries::TBubbleSeries(TComponent* owner) : TPointSeries(owner) {
    FRadius = new TChartValueList(this, TxtRadius);
    Pointer()->SetInflateMargins(false);
    Pointer()->SetStyle(psCircle);
    Pointer()->AllowChangeSize = false;
    Marks()->Frame()->SetVisible(false);
    Marks()->SetTransparent(true);
    SetColorEachPoint(true);
    ReachesRangeEdge = false;
}
TBubbleSeries::~TBubbleSeries() = default;

int TBubbleSeries::AddBubble(double x, double y, double radius, const std::string& label,
                             TColor color) {
    FRadius->TempValue = radius;
    return AddXYPoint(x, y, label, color);
}

void TBubbleSeries::PreparePointer(int valueIndex) {
    const double r = (*FRadius)[valueIndex];
    const int v = ResolvedVertAxis()->ValueSizeInPixels(r);
    const int h = FSquared ? v : ResolvedHorizAxis()->ValueSizeInPixels(r);
    Pointer()->StoreHorizSize(h);
    Pointer()->StoreVertSize(v);
}

void TBubbleSeries::DrawValue(int valueIndex) {
    PreparePointer(valueIndex);
    DrawPointer(PointXPixel(valueIndex), PointYPixel(valueIndex), ValueColor(valueIndex),
                valueIndex);
}

// The box tested is the bubble's own.
bool TBubbleSeries::IsValueInChartRect(int valueIndex) const {
    const_cast<TBubbleSeries*>(this)->PreparePointer(valueIndex);
    return TPointSeries::IsValueInChartRect(valueIndex);
}

bool TBubbleSeries::PointerContains(int valueIndex, int x, int y, int mouseX, int mouseY) {
    PreparePointer(valueIndex);
    const int h = Pointer()->HorizSize(), v = Pointer()->VertSize();
    const TRect r{x - h, y - v, x + h, y + v};
    const int cx = x, cy = y;
    const TPoint m{mouseX, mouseY};
    switch (GetPointerStyle(valueIndex)) {
        case psCircle:
        case psHexagon:
            return PointInEllipseRect(m, r);
        case psTriangle:
            return PointInTriangleVertical(m, r.Left, r.Right, r.Bottom, r.Top);
        case psDownTriangle:
            return PointInTriangleVertical(m, r.Left, r.Right, r.Top, r.Bottom);
        case psDiamond: {
            const TPoint diamond[4] = {{cx, r.Top}, {r.Right, cy}, {cx, r.Bottom}, {r.Left, cy}};
            return PointInPolygon(m, diamond, 3);
        }
        case psLeftTriangle:
            return PointInTriangleHorizontal(m, r.Top, r.Bottom, r.Right, r.Left);
        case psRightTriangle:
            return PointInTriangleHorizontal(m, r.Top, r.Bottom, r.Left, r.Right);
        case psNothing:
            return false;
        default:
            return std::abs(x - mouseX) < h && std::abs(y - mouseY) < v;
    }
}

double TBubbleSeries::RadiusExtreme(double inherited, int sign) {
    double result = inherited;
    for (int i = 0; i < Count(); ++i) {
        const double v = YValues()[i] + sign * (*FRadius)[i];
        result = sign > 0 ? std::max(result, v) : std::min(result, v);
    }
    return result;
}

double TBubbleSeries::GetMaxYValue() { return RadiusExtreme(TPointSeries::GetMaxYValue(), 1); }
double TBubbleSeries::GetMinYValue() { return RadiusExtreme(TPointSeries::GetMinYValue(), -1); }

double TBubbleSeries::GetMaxZValue() {
    return Pointer()->Draw3D() ? FRadius->Maximum() : TPointSeries::GetMaxZValue();
}
double TBubbleSeries::GetMinZValue() {
    return Pointer()->Draw3D() ? -FRadius->Maximum() : TPointSeries::GetMinZValue();
}

void TBubbleSeries::DrawLegendShape(int valueIndex, const TRect& rect) {
    const int size = std::min(rect.Right - rect.Left, rect.Bottom - rect.Top);
    Pointer()->StoreHorizSize(size);
    Pointer()->StoreVertSize(size);
    TPointSeries::DrawLegendShape(valueIndex, rect);
}

TTeeGradient* TBubbleSeries::GetGradient() const { return Pointer()->Gradient(); }

bool TBubbleSeries::CanCopyFrom(const TChartSeries& source) const {
    return Is<TBubbleSeries>(&source);
}

void TBubbleSeries::PrepareForGallery(bool enabled) {
    TPointSeries::PrepareForGallery(enabled);
    Pointer()->Gradient()->SetVisible(true);
}

void TBubbleSeries::AddRandomValues(int numValues, bool /*onlyMandatory*/) {
    const TSampleValueBounds b = SampleValueBounds(numValues);
    const double s = b.SpreadY;
    double x = b.FirstX;
    for (int i = 0; i < numValues; ++i) {
        const double y = RandomBelow(RoundToInt(s));
        const double radius = RoundToInt(s / (10 + RandomBelow(15))) + s / 15;
        AddBubble(x, y, radius);
        x += b.StepX;
    }
}

void TBubbleSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TBubbleSeries*>(source)) FSquared = other->FSquared;
    TPointSeries::Assign(source);
}

void TBubbleSeries::DefineProperties(TFiler& filer) {
    TPointSeries::DefineProperties(filer);
    DefineMarksAndPointerEntries(filer, *this);
}

void TBubbleSeries::Publish(TPublisher<TBubbleSeries>& p) {
    using S = TBubbleSeries;
    p.Inherited("ColorEachPoint").Default(true);
    p.Object(
        "RadiusValues", [](const S& s) { return const_cast<TChartValueList*>(s.FRadius); },
        [](S& s, const TChartValueList* v) { s.SetRadiusValues(v); });
    p.Boolean("Squared", &S::Squared, &S::SetSquared).Default(true);
}
