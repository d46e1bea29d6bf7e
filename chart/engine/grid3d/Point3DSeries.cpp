#include "chart/engine/grid3d/Point3DSeries.h"

#include <algorithm>
#include <cstdlib>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/SampleRandom.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/engine/SeriesTypes.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/View3DOptions.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/RtlMath.h"

TPoint3DSeries::TPoint3DSeries(TComponent* owner)
    : TCustom3DSeries(owner),
      FBaseLine(std::make_unique<TChartHiddenPen>(StyleChangedEvent())),
      FPointer(std::make_unique<TSeriesPointer>(this)) {}
TPoint3DSeries::~TPoint3DSeries() = default;

void TPoint3DSeries::SetBaseLine(const TChartHiddenPen* value) { FBaseLine->Assign(value); }

void TPoint3DSeries::SetParentChart(TCustomAxisPanel* value) {
    TCustom3DSeries::SetParentChart(value);
    if (value) FPointer->SetParentChart(value);
}

void TPoint3DSeries::HorizontalMarginsNeeded(int& left, int& right) {
    TCustom3DSeries::HorizontalMarginsNeeded(left, right);
    FPointer->HorizontalMargins(left, right);
}

void TPoint3DSeries::VerticalMarginsNeeded(int& top, int& bottom) {
    TCustom3DSeries::VerticalMarginsNeeded(top, bottom);
    FPointer->VerticalMargins(top, bottom);
}

double TPoint3DSeries::GetMaxZValue() { return ZValues().Maximum() + FDepthSize; }

// --- Depth.

int TPoint3DSeries::PointDepthExtent(int /*valueIndex*/) {
    return FParentChart->DepthAxis()->ValueSizeInPixels(FDepthSize) / 2;
}

void TPoint3DSeries::ComputePointDepth(int valueIndex) {
    MidDepth = PointZPixel(valueIndex);
    // Even a flat point keeps some depth.
    const int h = std::max(1, PointDepthExtent(valueIndex));
    FrontDepth = MidDepth - h;
    BackDepth = MidDepth + h;
}

// --- Drawing.

void TPoint3DSeries::DrawValue(int valueIndex) {
    // The line starts afresh with each pass, at the first point actually drawn.
    if (valueIndex == FirstDrawnIndex()) FHasPrevious = false;
    const TColor color = ValueColor(valueIndex);
    // clNone and anything above it is a null point: skipped, the line joins its neighbours.
    if (int32_t(color) >= int32_t(clNone)) return;
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    ComputePointDepth(valueIndex);
    const int x = PointXPixel(valueIndex), y = PointYPixel(valueIndex);
    if (FPointer->Visible()) {
        FPointer->PrepareCanvas(canvas, color);
        const TSeriesPointerStyle style =
            OnGetPointerStyle ? OnGetPointerStyle(*this, valueIndex) : FPointer->Style();
        FPointer->DrawOnCanvas(canvas, FParentChart->View3D(), x, y, FPointer->HorizSize(),
                               FPointer->VertSize(), color, style);
    }
    const int bottom = ResolvedVertAxis()->EndPos();
    if (FBaseLine->Visible() && y + FPointer->VertSize() < bottom) {
        canvas.UsePen(FBaseLine.get());
        canvas.DrawVerticalLineAtZ(x, y + FPointer->VertSize(), bottom, PointZPixel(valueIndex));
    }
    if (FHasPrevious && LinePen()->Visible()) {
        canvas.UsePen(LinePen());
        canvas.SetBackgroundMode(TRANSPARENT);
        canvas.MovePenTo3D(FPrevX, FPrevY, FPrevZ);
        canvas.DrawLineTo3D(x, y, MidDepth);
    }
    FPrevX = x;
    FPrevY = y;
    FPrevZ = MidDepth;
    FHasPrevious = true;
}

void TPoint3DSeries::DrawMark(int valueIndex, const std::string& text,
                              TSeriesMarkPosition& position) {
    ComputePointDepth(valueIndex);
    Marks()->OffsetByCallout(position);
    TCustom3DSeries::DrawMark(valueIndex, text, position);
}

void TPoint3DSeries::DrawLegendShape(int valueIndex, const TRect& rect) {
    if (!FPointer->Visible()) {
        TCustom3DSeries::DrawLegendShape(valueIndex, rect);
        return;
    }
    TSeriesPointerStyle style = FPointer->Style();
    TColor color = valueIndex == -1 ? SeriesColor() : ValueColor(valueIndex);
    if (valueIndex != -1 && OnGetPointerStyle) {
        style = OnGetPointerStyle(*this, valueIndex);
        color = FPointer->BrushColor();
    }
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    if (LinePen()->Visible()) {
        canvas.UsePen(LinePen());
        canvas.DrawHorizontalLine(rect.Left, rect.Right, (rect.Top + rect.Bottom) / 2);
    }
    FPointer->DrawInLegend(canvas, rect, style, color, LinePen()->Visible(),
                           FParentChart->LegendSymbolPen);
}

// --- Clicks.

int TPoint3DSeries::ValueIndexAt(int x, int y) {
    const int found = TCustom3DSeries::ValueIndexAt(x, y);
    if (found != -1 || !FPointer->Visible() || !FParentChart) return found;
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    for (int i = 0; i < Count(); ++i) {
        // The mouse on the plane at the point's depth.
        int mx = x, my = y;
        canvas.UnprojectPoint(mx, my, PointZPixel(i));
        if (std::abs(PointXPixel(i) - mx) < FPointer->HorizSize() &&
            std::abs(PointYPixel(i) - my) < FPointer->VertSize()) {
            if (OnClickPointer) OnClickPointer(*this, i, x, y);
            return i;
        }
    }
    return -1;
}

// --- Samples and gallery.

void TPoint3DSeries::AddRandomValues(int numValues, bool /*onlyMandatory*/) {
    for (int i = 0; i < numValues; ++i) {
        const double x = RandomBelow(100);
        const double y = RandomBelow(100);
        const double z = RandomBelow(100);
        AddXYZValues(x, y, z);
    }
}

void TPoint3DSeries::PrepareForGallery(bool enabled) {
    TCustom3DSeries::PrepareForGallery(enabled);
    LinePen()->SetColor(TColor(0x800000));
    if (FParentChart) FParentChart->View3DOptions()->SetZoom(60);
}

void TPoint3DSeries::ListGalleryVariants(
    const std::function<void(const std::string&)>& addVariant) {
    TCustom3DSeries::ListGalleryVariants(addVariant);
    for (const std::string* t : {&TxtExtNoPoint, &TxtExtLines, &TxtExtNoLine, &TxtColors, &TxtMarks,
                                 &TxtHollow, &TxtNoBorder})
        addVariant(*t);
    if (!HasPointerStyleVariants()) return;
    for (const std::string* t : {&TxtPoint2D, &TxtTriangle, &TxtStar, &TxtCircle, &TxtDownTri,
                                 &TxtCross, &TxtDiamond, &TxtHexagon})
        addVariant(*t);
}

void TPoint3DSeries::ApplyGalleryVariant(TChartSeries* series, int index) {
    auto* s = dynamic_cast<TPoint3DSeries*>(series);
    if (!s) return;
    TSeriesPointer& p = *s->Pointer();
    static const TSeriesPointerStyle shapes[] = {psTriangle, psStar,    psCircle, psDownTriangle,
                                                 psCross,    psDiamond, psHexagon};
    switch (index) {
        case 1:
            p.SetVisible(false);
            break;
        case 2:
            s->BaseLine()->SetVisible(true);
            break;
        case 3:
            s->LinePen()->SetVisible(false);
            break;
        case 4:
            s->SetColorEachPoint(true);
            break;
        case 5:
            s->Marks()->SetVisible(true);
            break;
        case 6:
            p.Brush()->SetStyle(bsClear);
            break;
        case 7:
            p.Pen()->SetVisible(false);
            break;
        case 8:
            p.SetDraw3D(false);
            break;
        default:
            if (index >= 9 && index <= 15)
                p.SetStyle(shapes[index - 9]);
            else
                TCustom3DSeries::ApplyGalleryVariant(series, index);
    }
}

void TPoint3DSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TPoint3DSeries*>(source)) {
        FPointer->Assign(other->FPointer.get());
        FDepthSize = other->FDepthSize;
        FBaseLine->Assign(other->FBaseLine.get());
    }
    TCustom3DSeries::Assign(source);
}

void TPoint3DSeries::Publish(TPublisher<TPoint3DSeries>& p) {
    using S = TPoint3DSeries;
    p.Object("BaseLine", &S::BaseLine, &S::SetBaseLine);
    p.Float("DepthSize", &S::DepthSize, &S::SetDepthSize).Default(0.0);
    p.Object("LinePen", &S::LinePen, &S::SetLinePen);
    p.Object("Pointer", &S::Pointer, &S::SetPointer);
    p.Integer("TimesZOrder", &S::TimesZOrder, &S::SetTimesZOrder).Default(3);
    p.Object("ZValues", [](const S& s) { return const_cast<TChartValueList*>(&s.ZValues()); });
}

// --- Bubbles.

TBubble3DSeries::TBubble3DSeries(TComponent* owner)
    : TPoint3DSeries(owner), FRadius(new TChartValueList(this, "Radius")) {
    Pointer()->AllowChangeSize = false;
    Pointer()->SetStyle(psCircle);
    SetColorEachPoint(true);
    LinePen()->SetVisible(false);
}
TBubble3DSeries::~TBubble3DSeries() = default;

int TBubble3DSeries::AddBubble(double x, double y, double z, double radius,
                               const std::string& label, TColor color) {
    FRadius->TempValue = radius;
    return AddXYZPoint(x, y, z, label, color);
}

int TBubble3DSeries::PointDepthExtent(int valueIndex) {
    return FParentChart->DepthAxis()->ValueSizeInPixels((*FRadius)[valueIndex]);
}

// The bubble begins at its Z and extends backwards, unless a freely rotating surface draws it
// as a solid centred on its Z.
void TBubble3DSeries::ComputePointDepth(int valueIndex) {
    if (Pointer()->Draw3D() && FParentChart->Canvas3D()->SupportsFreeRotation()) {
        TPoint3DSeries::ComputePointDepth(valueIndex);
        return;
    }
    FrontDepth = PointZPixel(valueIndex);
    const int h = std::max(1, PointDepthExtent(valueIndex));
    MidDepth = FrontDepth + h;
    BackDepth = MidDepth + h;
}

void TBubble3DSeries::DrawValue(int valueIndex) {
    const int size = ResolvedVertAxis()->ValueSizeInPixels((*FRadius)[valueIndex]);
    Pointer()->StoreHorizSize(size);
    Pointer()->StoreVertSize(size);
    TPoint3DSeries::DrawValue(valueIndex);
}

double TBubble3DSeries::ExtremeWithRadius(const TChartValueList& list, bool isMax,
                                          double start) const {
    double result = start;
    for (int i = 0; i < Count(); ++i) {
        const double v = isMax ? list[i] + (*FRadius)[i] : list[i] - (*FRadius)[i];
        result = isMax ? std::max(result, v) : std::min(result, v);
    }
    return result;
}

double TBubble3DSeries::GetMaxYValue() {
    return ExtremeWithRadius(YValues(), true, TPoint3DSeries::GetMaxYValue());
}
double TBubble3DSeries::GetMinYValue() {
    return ExtremeWithRadius(YValues(), false, TPoint3DSeries::GetMinYValue());
}
double TBubble3DSeries::GetMaxZValue() {
    return ExtremeWithRadius(ZValues(), true, TPoint3DSeries::GetMaxZValue());
}
double TBubble3DSeries::GetMinZValue() {
    return ExtremeWithRadius(ZValues(), false, ZValues().Minimum());
}

void TBubble3DSeries::AddRandomValues(int numValues, bool /*onlyMandatory*/) {
    const TSampleValueBounds b = SampleValueBounds(numValues);
    const double s = b.SpreadY;
    double x = b.FirstX;
    for (int i = 0; i < numValues; ++i) {
        const double y = RandomBelow(RoundToInt(s));
        const double z = RandomBelow(200);
        const double radius = RoundToInt(s / (10 + RandomBelow(15))) + s / 15;
        AddBubble(x, y, z, radius);
        x += b.StepX;
    }
}

void TBubble3DSeries::PrepareForGallery(bool enabled) {
    TPoint3DSeries::PrepareForGallery(enabled);
    Pointer()->Gradient()->SetVisible(true);
}

bool TBubble3DSeries::CanCopyFrom(const TChartSeries& source) const {
    return Is<TBubble3DSeries>(&source);
}

void TBubble3DSeries::Publish(TPublisher<TBubble3DSeries>& p) {
    using S = TBubble3DSeries;
    p.Boolean("ColorEachPoint", &S::ColorEachPoint, &S::SetColorEachPoint).Default(true);
    p.Object("RadiusValues", [](const S& s) { return s.FRadius; });
}

// --- Registration.

void Point3DSeriesUnitStartup() {
    RegisterSeriesClass(&TPoint3DSeries::StaticClass(), &TxtExtPoint3D, &TxtExt3D, 1);
    RegisterSeriesClass(&TBubble3DSeries::StaticClass(), &TxtExtBubble3D, &TxtExt3D, 1);
}

void Point3DSeriesUnitShutdown() {
    UnregisterSeriesClasses({&TPoint3DSeries::StaticClass(), &TBubble3DSeries::StaticClass()});
}
