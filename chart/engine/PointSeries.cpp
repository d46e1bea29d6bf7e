#include "chart/engine/PointSeries.h"

#include "chart/engine/AxisPanel.h"
#include "chart/engine/Callout.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/TeeGradient.h"
#include "platform/classes/Publisher.h"

TPointSeries::TPointSeries(TComponent* owner) : TCustomSeries(owner) {
    SetPointLook();
    Marks()->Callout()->SetLength(0);
    Marks()->Callout()->DefaultLength = 0;
}
TPointSeries::~TPointSeries() = default;

void TPointSeries::SetPointLook() {
    Pointer()->SetVisible(true);
    SetDrawArea(false);
    SetDrawLine(false);
    SetClickableLine(false);
}

void TPointSeries::Assign(const TPersistent* source) {
    TCustomSeries::Assign(source);
    SetPointLook();
}

void TPointSeries::SetColorEachPoint(bool value) {
    TCustomSeries::SetColorEachPoint(value);
    if (value) Pointer()->SetBrushColor(clDefault);
}

int TPointSeries::GetTransparency() const { return Pointer()->Transparency(); }
void TPointSeries::SetTransparency(int value) { Pointer()->SetTransparency(value); }

void TPointSeries::PrepareForGallery(bool enabled) {
    TCustomSeries::PrepareForGallery(enabled);
    const bool narrow = FParentChart && FParentChart->Width() < 50;
    Pointer()->SetSize(narrow ? 4 : 6);
    if (FParentChart && FParentChart->SeriesCount() > 1 && FParentChart->GetSeries(1) == this)
        Pointer()->SetStyle(psTriangle);
}

void TPointSeries::ListGalleryVariants(const std::function<void(const std::string&)>& addVariant) {
    TCustomSeries::ListGalleryVariants(addVariant);
    for (const std::string* t : {&TxtColors, &TxtMarks, &TxtHollow, &TxtNoBorder, &TxtGradient})
        addVariant(*t);
    if (!OffersPointerStyles()) return;
    for (const std::string* t : {&TxtPoint2D, &TxtTriangle, &TxtStar, &TxtCircle, &TxtDownTri,
                                 &TxtCross, &TxtDiamond, &TxtHexagon})
        addVariant(*t);
}

void TPointSeries::ApplyGalleryVariant(TChartSeries* series, int index) {
    auto* s = dynamic_cast<TPointSeries*>(series);
    if (!s) return;
    TSeriesPointer& p = *s->Pointer();
    switch (index) {
        case 1:
            s->SetColorEachPoint(true);
            return;
        case 2:
            s->Marks()->SetVisible(true);
            return;
        case 3:
            p.Brush()->SetStyle(bsClear);
            return;
        case 4:
            p.Pen()->SetVisible(false);
            return;
        case 5:
            p.Gradient()->SetVisible(true);
            return;
        default:
            break;
    }
    if (!OffersPointerStyles()) return;
    switch (index) {
        case 6:
            p.SetDraw3D(false);
            break;
        case 7:
            p.SetStyle(psTriangle);
            break;
        case 8:
            p.SetStyle(psStar);
            break;
        case 9:
            p.SetStyle(psCircle);
            p.SetSize(8);
            break;
        case 10:
            p.SetStyle(psDownTriangle);
            break;
        case 11:
            p.SetStyle(psCross);
            break;
        case 12:
            p.SetStyle(psDiamond);
            break;
        case 13:
            p.SetStyle(psHexagon);
            break;
        default:
            TCustomSeries::ApplyGalleryVariant(series, index);
    }
}

void TPointSeries::Publish(TPublisher<TPointSeries>& p) {
    using S = TPointSeries;
    p.Boolean("ClickableLine", &S::ClickableLine, &S::SetClickableLine).Default(false);
    p.Object("Pointer", &S::Pointer, &S::SetPointer);
    p.Enumeration("Stacked", CustomSeriesStackNames(), &S::Stacked, &S::SetStacked)
        .Default(cssNone);
    p.Integer("Transparency", &S::Transparency, &S::SetTransparency).Default(0);
}
