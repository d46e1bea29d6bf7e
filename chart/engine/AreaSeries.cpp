#include "chart/engine/AreaSeries.h"

#include <algorithm>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/Callout.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/SeriesMarkPositions.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/TeeGradient.h"
#include "platform/classes/Publisher.h"

const TEnumInfo& MultiAreaNames() {
    static const TEnumInfo names{"maNone", "maStacked", "maStacked100"};
    return names;
}

TAreaSeries::TAreaSeries(TComponent* owner) : TCustomSeries(owner) {
    SetDrawArea(true);
    CentresSingleValue = false;
    Pointer()->SetVisible(false);
    ReachesRangeEdge = true;
}
TAreaSeries::~TAreaSeries() = default;

TMultiArea TAreaSeries::MultiArea() const {
    switch (Stacked()) {
        case cssStack:
            return maStacked;
        case cssStack100:
            return maStacked100;
        default:
            return maNone;
    }
}

// Compared as Stacked: maNone turns an overlapping series (which reads maNone) into cssNone.
void TAreaSeries::SetMultiArea(TMultiArea value) {
    SetStacked(value == maStacked ? cssStack : value == maStacked100 ? cssStack100 : cssNone);
}

bool TAreaSeries::StacksWith(const TChartSeries& series) const {
    auto* area = dynamic_cast<const TAreaSeries*>(&series);
    return TCustomSeries::StacksWith(series) && area && area->FStackGroup == FStackGroup;
}

void TAreaSeries::AssignZOrder() {
    if (MultiArea() == maNone || !FParentChart) {
        TCustomSeries::AssignZOrder();
        return;
    }
    // The row of the first active series before this one that stacks with it.
    for (TChartSeries* s : FParentChart->SeriesList()) {
        if (s == this) break;
        if (s->Active() && StacksWith(*s)) {
            DrawDepthIndex = s->DrawDepthIndex;
            return;
        }
    }
    // The first of its group takes a row of its own.
    const TCustomSeriesStack stacked = Stacked();
    SetStackedQuietly(cssNone);
    TCustomSeries::AssignZOrder();
    SetStackedQuietly(stacked);
}

bool TAreaSeries::DrawsSeriesForward(int valueIndex) const {
    if (MultiArea() == maNone) return TCustomSeries::DrawsSeriesForward(valueIndex);
    const TChartAxis* axis = YMandatory() ? ResolvedVertAxis() : ResolvedHorizAxis();
    return !(axis && axis->Inverted());
}

int TAreaSeries::OriginPosition(int valueIndex) const {
    return FUseYOrigin ? ValueToMandatoryPixel(FYOrigin)
                       : TCustomSeries::OriginPosition(valueIndex);
}

double TAreaSeries::WithOrigin(double extreme, bool isMax) const {
    if (!FUseYOrigin) return extreme;
    return isMax ? std::max(extreme, FYOrigin) : std::min(extreme, FYOrigin);
}

double TAreaSeries::GetMaxXValue() {
    const double v = TCustomSeries::GetMaxXValue();
    return YMandatory() ? v : WithOrigin(v, true);
}
double TAreaSeries::GetMinXValue() {
    const double v = TCustomSeries::GetMinXValue();
    return YMandatory() ? v : WithOrigin(v, false);
}
double TAreaSeries::GetMaxYValue() {
    const double v = TCustomSeries::GetMaxYValue();
    return YMandatory() ? WithOrigin(v, true) : v;
}
double TAreaSeries::GetMinYValue() {
    const double v = TCustomSeries::GetMinYValue();
    return YMandatory() ? WithOrigin(v, false) : v;
}

void TAreaSeries::PrepareLegendCanvas(int /*valueIndex*/, TColor& backColor, TBrushStyle& style) {
    if (!FParentChart) return;
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    backColor = AreaColorOf(canvas.Brush()->Color());
    canvas.UsePen(AreaLinesPen());
    style = AreaBrush();
}

void TAreaSeries::DrawLegendShape(int valueIndex, const TRect& rect) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    if (Gradient()->Visible()) {
        Gradient()->DrawInRect(canvas, rect);
        return;
    }
    if (AreaChartBrush()->ImageIfAny()) {
        const TColor itemColor = valueIndex == -1 ? SeriesColor() : LegendItemColor(valueIndex);
        TColor color = AreaChartBrush()->Color();
        if (color == clDefault) color = itemColor;
        const TColor areaColor = AreaColorOf(itemColor);
        canvas.UseBrushColors(AreaChartBrush(), color, color == areaColor ? clWhite : areaColor);
    }
    TCustomSeries::DrawLegendShape(valueIndex, rect);
}

void TAreaSeries::SetGalleryLook() {
    Gradient()->SetVisible(true);
    if (!FParentChart) return;
    SetSeriesColor(FParentChart->PaletteColor(GalleryColorIndex));
    Gradient()->SetStartColor(SeriesColor());
    Gradient()->SetEndColor(FParentChart->PaletteColor(GalleryFirstColorIndex));
}

void TAreaSeries::Apply3DFromGallery(bool enabled) {
    TCustomSeries::Apply3DFromGallery(enabled);
    SetGalleryLook();
}

void TAreaSeries::PrepareForGallery(bool enabled) {
    TCustomSeries::PrepareForGallery(enabled);
    SetGalleryLook();
}

void TAreaSeries::ListGalleryVariants(const std::function<void(const std::string&)>& addVariant) {
    TCustomSeries::ListGalleryVariants(addVariant);
    for (const std::string* t : {&TxtStairs, &TxtMarks, &TxtColors, &TxtHollow, &TxtNoLines,
                                 &TxtStack, &TxtStack100, &TxtPoints, &TxtGradient})
        addVariant(*t);
}

void TAreaSeries::ApplyGalleryVariant(TChartSeries* series, int index) {
    auto* s = dynamic_cast<TAreaSeries*>(series);
    if (!s) return;
    switch (index) {
        case 1:
            s->SetStairs(true);
            break;
        case 2:
            s->Marks()->SetVisible(true);
            break;
        case 3:
            s->SetColorEachPoint(true);
            break;
        case 4:
            s->SetAreaBrush(bsClear);
            break;
        case 5:
            s->AreaLinesPen()->SetVisible(false);
            break;
        case 6:
            s->SetMultiArea(maStacked);
            break;
        case 7:
            s->SetMultiArea(maStacked100);
            break;
        case 8:
            s->Pointer()->SetVisible(true);
            break;
        case 9:
            s->Gradient()->SetVisible(true);
            break;
        default:
            TCustomSeries::ApplyGalleryVariant(series, index);
    }
}

void TAreaSeries::Assign(const TPersistent* source) {
    TCustomSeries::Assign(source);
    SetDrawArea(true);
    SetDrawLine(true);
    auto* other = dynamic_cast<const TAreaSeries*>(source);
    const bool related =
        other && (other->InheritsFrom(ClassType()) || InheritsFrom(other->ClassType()));
    if (related) {
        FYOrigin = other->FYOrigin;
        FStackGroup = other->FStackGroup;
        FUseYOrigin = other->FUseYOrigin;
    } else {
        Pointer()->SetVisible(false);
    }
}

void TAreaSeries::Publish(TPublisher<TAreaSeries>& p) {
    using S = TAreaSeries;
    p.Enumeration("AreaBrush", BrushStyleNames(), &S::AreaBrush, &S::SetAreaBrush).Default(bsSolid);
    p.Object("AreaChartBrush", &S::AreaChartBrush, &S::SetAreaChartBrush);
    p.Color("AreaColor", &S::AreaColor, &S::SetAreaColor).Default(clDefault);
    p.Object("AreaLinesPen", &S::AreaLinesPen, &S::SetAreaLinesPen);
    p.Boolean("ClickableLine", &S::ClickableLine, &S::SetClickableLine).Default(true);
    p.Boolean("ColorEachLine", &S::ColorEachLine, &S::SetColorEachLine).Default(true);
    p.Boolean("Dark3D", &S::Dark3D, &S::SetDark3D).Default(true);
    p.Boolean("DrawArea", &S::DrawArea, &S::SetDrawArea).Default(true);
    p.Object("Gradient", &S::Gradient, &S::SetGradient);
    p.Boolean("InvertedStairs", &S::InvertedStairs, &S::SetInvertedStairs).Default(false);
    p.Object("LinePen", &S::LinePen, &S::SetLinePen);
    p.Enumeration("MultiArea", MultiAreaNames(), &S::MultiArea, &S::SetMultiArea).Default(maNone);
    p.Object("Pointer", &S::Pointer, &S::SetPointer);
    p.Integer("StackGroup", &S::StackGroup, &S::SetStackGroup).Default(0);
    p.Boolean("Stairs", &S::Stairs, &S::SetStairs).Default(false);
    p.Integer("Transparency", &S::Transparency, &S::SetTransparency).Default(0);
    p.Enumeration("TreatNulls", TreatNullsStyleNames(), &S::TreatNulls, &S::SetTreatNulls)
        .Default(tnDontPaint);
    p.Boolean("UseYOrigin", &S::UseYOrigin, &S::SetUseYOrigin).Default(false);
    p.Float("YOrigin", &S::YOrigin, &S::SetYOrigin).Default(0.0);
}

// --- Horizontal.

THorizAreaSeries::THorizAreaSeries(TComponent* owner) : TAreaSeries(owner) {
    MakeXMandatory();
    XValues().SetOrder(loNone);
    YValues().SetOrder(loAscending);
    Gradient()->SetDirection(gdRightLeft);
}
THorizAreaSeries::~THorizAreaSeries() = default;

void THorizAreaSeries::DrawMark(int valueIndex, const std::string& text,
                                TSeriesMarkPosition& position) {
    const TMarksCallout& callout = *Marks()->Callout();
    const int room = callout.Length() + callout.Distance();
    position.LeftTop.Y += position.Height / 2;
    position.LeftTop.X += room + position.Width / 2;
    position.ArrowTo.X += room;
    position.ArrowFrom.X += callout.Distance();
    TAreaSeries::DrawMark(valueIndex, text, position);
}
