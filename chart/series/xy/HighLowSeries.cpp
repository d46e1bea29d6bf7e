#include "chart/series/xy/HighLowSeries.h"

#include "chart/engine/AxisPanel.h"
#include "chart/engine/BlendScope.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/HitTests.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/PointRoutines.h"
#include "chart/series/xy/OwnDefaultEntry.h"
#include "platform/classes/Publisher.h"

THighLowSeries::THighLowSeries(TComponent* owner)
    : TBaseHighLowSeries(owner), FHighPen(CreateLinkedPen()), FLowPen(CreateLinkedPen()) {
    ClipsToAxisRange = false;
    Pen()->SetColor(clDefault);
    FLowBrush = std::make_unique<TChartBrush>(StyleChangedEvent());
    FLowBrush->SetStyle(bsClear);
    Brush()->SetStyle(bsClear);
}
THighLowSeries::~THighLowSeries() = default;

THighLowSeries::TBandPixels THighLowSeries::PixelsOf(int valueIndex) const {
    return {XValueToPixel(XValues()[valueIndex]), YValueToPixel(HighValues()[valueIndex]),
            YValueToPixel(LowValues()[valueIndex])};
}

void THighLowSeries::DrawBand(int valueIndex, const TBandPixels& p, TColor color) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    const bool is3D = FParentChart->View3D();
    const TChartBrush* brush =
        HighValues()[valueIndex] > LowValues()[valueIndex] ? Brush() : FLowBrush.get();
    const TPoint quad[4] = {
        {FPrevious.X, FPrevious.High}, {FPrevious.X, FPrevious.Low}, {p.X, p.Low}, {p.X, p.High}};
    if (brush->Style() != bsClear) {
        TRect blendRect;
        if (FTransparency > 0) {
            TPoint projected[4];
            for (int k = 0; k < 4; ++k) projected[k] = canvas.ProjectPointAtZ(quad[k], MidDepth);
            blendRect = OuterBoundsOfPoints(projected, 4);
        }
        TBlendScope blend(canvas, blendRect, FTransparency);
        canvas.UseBrushColored(brush, color);
        canvas.Pen()->SetStyle(psClear);
        if (is3D)
            canvas.FillQuadPointsAtZ(quad[0], quad[1], quad[2], quad[3], MidDepth);
        else
            canvas.DrawPolygon(quad, 3);
    }
    auto edge = [&](const TChartPen* pen, TPoint from, TPoint to) {
        if (!pen->Visible()) return;
        canvas.UsePen(pen);
        if (is3D)
            canvas.DrawLineBetweenAtZ(from, to, MidDepth);
        else
            canvas.DrawLineBetween(from, to);
    };
    edge(FHighPen.get(), quad[0], quad[3]);
    edge(FLowPen.get(), quad[1], quad[2]);
}

void THighLowSeries::DrawVerticalLine(const TBandPixels& p, TColor color) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    canvas.UsePenWithColor(Pen(), Pen()->Color() == clDefault ? color : Pen()->Color());
    if (FParentChart->View3D())
        canvas.DrawVerticalLineAtZ(p.X, p.High, p.Low, MidDepth);
    else
        canvas.DrawVerticalLine(p.X, p.High, p.Low);
}

void THighLowSeries::DrawValue(int valueIndex) {
    const TBandPixels current = PixelsOf(valueIndex);
    if (valueIndex != FirstDrawnIndex()) {
        const int before = valueIndex - 1;
        const TColor color = ValueColor(before);
        if (!IsNullValue(valueIndex) && !IsNullValue(before)) DrawBand(valueIndex, current, color);
        if (Pen()->Visible() && !IsNullValue(before)) {
            DrawVerticalLine(FPrevious, color);
            if (valueIndex == LastDrawnIndex()) DrawVerticalLine(current, ValueColor(valueIndex));
        }
    }
    FPrevious = current;
}

int THighLowSeries::ValueIndexAt(int x, int y) {
    if (FirstInView < 0 || !FParentChart) return -1;
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    const TPoint mouse{x, y};
    TPoint prevHigh, prevLow;
    for (int i = FirstInView; i <= LastInView; ++i) {
        const TBandPixels p = PixelsOf(i);
        const TPoint high = canvas.ProjectPoint(p.X, p.High, MidDepth);
        const TPoint low = canvas.ProjectPoint(p.X, p.Low, MidDepth);
        if (i > FirstInView) {
            const TPoint band[4] = {prevHigh, prevLow, low, high};
            if (PointInPolygon(mouse, band, 3)) return i;
        }
        prevHigh = high;
        prevLow = low;
    }
    return -1;
}

void THighLowSeries::ListGalleryVariants(
    const std::function<void(const std::string&)>& addVariant) {
    TBaseHighLowSeries::ListGalleryVariants(addVariant);
    for (const std::string* t : {&TxtFilled, &TxtNoLines, &TxtExtNoHigh, &TxtExtNoLow})
        addVariant(*t);
}

void THighLowSeries::ApplyGalleryVariant(TChartSeries* series, int index) {
    auto* s = dynamic_cast<THighLowSeries*>(series);
    if (!s) return;
    switch (index) {
        case 1:
            s->HighBrush()->SetStyle(bsSolid);
            break;
        case 2:
            s->Pen()->SwitchOff();
            break;
        case 3:
            s->HighPen()->SwitchOff();
            break;
        case 4:
            s->LowPen()->SwitchOff();
            break;
        default:
            TBaseHighLowSeries::ApplyGalleryVariant(series, index);
    }
}

void THighLowSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const THighLowSeries*>(source)) {
        FHighPen->Assign(other->FHighPen.get());
        FLowPen->Assign(other->FLowPen.get());
        FLowBrush->Assign(other->FLowBrush.get());
        FTransparency = other->FTransparency;
    }
    TBaseHighLowSeries::Assign(source);
}

void THighLowSeries::DefineProperties(TFiler& filer) {
    TBaseHighLowSeries::DefineProperties(filer);
    auto define = [&filer](const char* name, TChartBrush* brush) {
        DefineOwnDefaultEntry(filer, name, brush->Style() == bsSolid,
                              [brush] { brush->SetStyle(bsSolid); });
    };
    define("HighBrushSolid", Brush());
    define("LowBrushSolid", FLowBrush.get());
}

void THighLowSeries::Publish(TPublisher<THighLowSeries>& p) {
    using S = THighLowSeries;
    p.Object("HighBrush", &S::HighBrush, &S::SetHighBrush);
    p.Object("HighPen", &S::HighPen, &S::SetHighPen);
    p.Object("LowBrush", &S::LowBrush, &S::SetLowBrush);
    p.Object("LowPen", &S::LowPen, &S::SetLowPen);
    p.Integer("Transparency", &S::Transparency, &S::SetTransparency).Default(0);
}
