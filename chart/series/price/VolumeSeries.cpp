#include "chart/series/price/VolumeSeries.h"

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/SampleRandom.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/HitTests.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/RtlMath.h"

TVolumeSeries::TVolumeSeries(TComponent* owner) : TCustomSeries(owner) {
    SetDrawArea(false);
    ReachesRangeEdge = false;
    SetClickableLine(false);
    Pointer()->SetVisible(false);
}
TVolumeSeries::~TVolumeSeries() = default;

void TVolumeSeries::SetSeriesColor(TColor value) {
    TCustomSeries::SetSeriesColor(value);
    LinePen()->SetColor(value);
}

void TVolumeSeries::HorizontalMarginsNeeded(int& left, int& right) {
    TCustomSeries::HorizontalMarginsNeeded(left, right);
    left += LinePen()->Width();
    right += LinePen()->Width();
}

int TVolumeSeries::BaseLinePixel() const {
    if (FUseYOrigin) return YValueToPixel(FYOrigin);
    const TChartAxis& axis = *ResolvedVertAxis();
    return axis.Inverted() ? axis.StartPos() : axis.EndPos();
}

// Runs of points of one colour select the pen once.
void TVolumeSeries::PrepareLinePen(TColor color, bool forced) {
    if (!forced && color == FLastPenColor) return;
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    canvas.UsePenWithColor(LinePen(), color);
    canvas.SetBackgroundMode(TRANSPARENT);
    FLastPenColor = color;
}

void TVolumeSeries::DrawValue(int valueIndex) {
    const TColor color = ValueColor(valueIndex);
    PrepareLinePen(color, valueIndex == FirstDrawnIndex());
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    const int x = PointXPixel(valueIndex), y = PointYPixel(valueIndex);
    if (FParentChart->View3D())
        canvas.DrawVerticalLineAtZ(x, y, BaseLinePixel(), MidDepth);
    else
        canvas.DrawVerticalLine(x, y, BaseLinePixel());
}

void TVolumeSeries::DrawLegendShape(int /*valueIndex*/, const TRect& rect) {
    FParentChart->Canvas3D()->DrawHorizontalLine(rect.Left, rect.Right,
                                                 (rect.Top + rect.Bottom) / 2);
}

void TVolumeSeries::PrepareLegendCanvas(int /*valueIndex*/, TColor& /*backColor*/,
                                        TBrushStyle& /*style*/) {
    PrepareLinePen(SeriesColor(), true);
}

int TVolumeSeries::ValueIndexAt(int x, int y) {
    if (FirstInView < 0 || !FParentChart) return -1;
    const int base = BaseLinePixel();
    for (int i = FirstInView; i <= LastInView; ++i) {
        const int px = PointXPixel(i);
        if (IsPointNearLine(TPoint{x, y}, px, base, px, PointYPixel(i), LinePen()->Width() - 1))
            return i;
    }
    return -1;
}

void TVolumeSeries::AddRandomValues(int numValues, bool /*onlyMandatory*/) {
    const TSampleValueBounds b = SampleValueBounds(numValues);
    double x = b.FirstX;
    for (int i = 0; i < numValues; ++i) {
        AddXYPoint(x, RandomBelow(RoundToInt(b.SpreadY) / 15));
        x += b.StepX;
    }
}

void TVolumeSeries::ListGalleryVariants(const std::function<void(const std::string&)>& addVariant) {
    TCustomSeries::ListGalleryVariants(addVariant);
    addVariant(TxtDotted);
    addVariant(TxtColors);
    addVariant(TxtExtOrigin);
}

void TVolumeSeries::ApplyGalleryVariant(TChartSeries* series, int index) {
    auto* s = dynamic_cast<TVolumeSeries*>(series);
    if (!s) return;
    switch (index) {
        case 1:
            s->LinePen()->SetSmallDots(true);
            break;
        case 2:
            s->SetColorEachPoint(true);
            break;
        case 3:
            s->SetUseYOrigin(true);
            break;
        default:
            TCustomSeries::ApplyGalleryVariant(series, index);
    }
}

void TVolumeSeries::PrepareForGallery(bool enabled) {
    TCustomSeries::PrepareForGallery(enabled);
    FillSampleValues(26);
    Pointer()->SetInflateMargins(true);
}

void TVolumeSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TVolumeSeries*>(source)) {
        FUseYOrigin = other->FUseYOrigin;
        FYOrigin = other->FYOrigin;
    }
    TCustomSeries::Assign(source);
}

void TVolumeSeries::Publish(TPublisher<TVolumeSeries>& p) {
    using S = TVolumeSeries;
    p.Object("LinePen", &S::LinePen, &S::SetLinePen);
    p.Boolean("UseYOrigin", &S::UseYOrigin, &S::SetUseYOrigin).Default(false);
    p.Object(
        "VolumeValues", [](const S& s) { return const_cast<TChartValueList*>(&s.YValues()); },
        [](S& s, const TChartValueList* v) { s.SetVolumeValues(v); });
    p.Float("YOrigin", &S::YOrigin, &S::SetYOrigin).Default(0.0);
}
