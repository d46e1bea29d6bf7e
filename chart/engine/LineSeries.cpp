#include "chart/engine/LineSeries.h"

#include "chart/engine/AxisPanel.h"
#include "chart/engine/Callout.h"
#include "chart/engine/SeriesMarkPositions.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/TeeShadow.h"
#include "platform/classes/Publisher.h"

TLineSeries::TLineSeries(TComponent* owner) : TCustomSeries(owner) {
    SetDrawLine(true);
    CentresSingleValue = false;
    Pointer()->SetVisible(false);
    ReachesRangeEdge = true;
}
TLineSeries::~TLineSeries() = default;

void TLineSeries::Assign(const TPersistent* source) {
    TCustomSeries::Assign(source);
    auto* other = dynamic_cast<const TChartSeries*>(source);
    if (other && !other->InheritsFrom(ClassType()) && !Is<TLineSeries>(other))
        Pointer()->SetVisible(false);
    SetDrawArea(false);
    SetDrawLine(true);
}

void TLineSeries::PrepareLegendCanvas(int /*valueIndex*/, TColor& /*backColor*/,
                                      TBrushStyle& style) {
    if (FParentChart) FParentChart->Canvas3D()->UsePen(LinePen());
    style = LineBrush();
}

void TLineSeries::ListGalleryVariants(const std::function<void(const std::string&)>& addVariant) {
    TCustomSeries::ListGalleryVariants(addVariant);
    for (const std::string* t : {&TxtStairs, &TxtPoints, &TxtHeight, &TxtHollow, &TxtColors,
                                 &TxtMarks, &TxtNoBorder, &TxtOutline})
        addVariant(*t);
}

void TLineSeries::ApplyGalleryVariant(TChartSeries* series, int index) {
    auto* s = dynamic_cast<TLineSeries*>(series);
    if (!s) return;
    switch (index) {
        case 1:
            s->SetStairs(true);
            break;
        case 2:
            s->Pointer()->SetVisible(true);
            break;
        case 3:
            s->SetLineHeight(5);
            break;
        case 4:
            s->SetLineBrush(bsClear);
            break;
        case 5:
            s->SetColorEachPoint(true);
            break;
        case 6:
            s->Marks()->SetVisible(true);
            break;
        case 7:
            s->LinePen()->SetVisible(false);
            break;
        case 8:
            s->OutLine()->SetVisible(true);
            break;
        default:
            TCustomSeries::ApplyGalleryVariant(series, index);
    }
}

void TLineSeries::Publish(TPublisher<TLineSeries>& p) {
    using S = TLineSeries;
    p.Object("Brush", &S::Brush, &S::SetBrush);
    p.Boolean("ClickableLine", &S::ClickableLine, &S::SetClickableLine).Default(true);
    p.Boolean("ColorEachLine", &S::ColorEachLine, &S::SetColorEachLine).Default(true);
    p.Boolean("Dark3D", &S::Dark3D, &S::SetDark3D).Default(true);
    p.Object("Gradient", &S::Gradient, &S::SetGradient);
    p.Boolean("InvertedStairs", &S::InvertedStairs, &S::SetInvertedStairs).Default(false);
    p.Enumeration("LineBrush", BrushStyleNames(), &S::LineBrush, &S::SetLineBrush).Default(bsSolid);
    p.Integer("LineHeight", &S::LineHeight, &S::SetLineHeight).Default(0);
    p.Object("LinePen", &S::LinePen, &S::SetLinePen);
    p.Object("OutLine", &S::OutLine, &S::SetOutLine);
    p.Object("Pointer", &S::Pointer, &S::SetPointer);
    p.Object("Shadow", &S::Shadow, &S::SetShadow);
    p.Enumeration("Stacked", CustomSeriesStackNames(), &S::Stacked, &S::SetStacked)
        .Default(cssNone);
    p.Boolean("Stairs", &S::Stairs, &S::SetStairs).Default(false);
    p.Integer("Transparency", &S::Transparency, &S::SetTransparency).Default(0);
    p.Enumeration("TreatNulls", TreatNullsStyleNames(), &S::TreatNulls, &S::SetTreatNulls)
        .Default(tnDontPaint);
}

// --- Horizontal.

THorizLineSeries::THorizLineSeries(TComponent* owner) : TLineSeries(owner) {
    MakeXMandatory();
    ClipsToAxisRange = false;
    XValues().SetOrder(loNone);
    YValues().SetOrder(loAscending);
}
THorizLineSeries::~THorizLineSeries() = default;

int THorizLineSeries::MarksMargin() const {
    return const_cast<THorizLineSeries*>(this)->MaxMarkWidth();
}

void THorizLineSeries::DrawMark(int valueIndex, const std::string& text,
                                TSeriesMarkPosition& position) {
    const TMarksCallout& callout = *Marks()->Callout();
    const int room = callout.Length() + callout.Distance();
    // Beside the point along X: to the right, or to the left of a point left of its origin.
    const bool left = position.ArrowFrom.X < OriginPosition(valueIndex);
    const int dx = left ? -(room + position.Width) : room;
    position.LeftTop.X += dx + position.Width / 2;
    position.LeftTop.Y += position.Height / 2;
    position.ArrowTo.X += left ? -room : room;
    position.ArrowFrom.X += left ? -callout.Distance() : callout.Distance();
    TLineSeries::DrawMark(valueIndex, text, position);
}
