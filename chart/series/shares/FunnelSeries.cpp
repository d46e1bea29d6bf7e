#include "chart/series/shares/FunnelSeries.h"

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/SampleRandom.h"
#include "chart/engine/SeriesMarkPositions.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/PointRoutines.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/FloatFormat.h"

TFunnelSeries::TFunnelSeries(TComponent* owner)
    : TChartSeries(owner), FLinesPen(CreateLinkedPen()) {
    FOpportunity = new TChartValueList(this, TxtExtOpportunityValues);
    XValues().SetName("");
    XValues().SetOrder(loNone);
    SetPercentFormat(TxtExtPercentFormat);
    FOpportunity->SetOrder(loNone);
    YValues().SetOrder(loDescending);
    YValues().SetName(TxtExtQuoteValues);
    UseSeriesColor = false;
}
TFunnelSeries::~TFunnelSeries() = default;

void TFunnelSeries::SetAutoUpdate(bool value) {
    FAutoUpdate = value;
    if (value) RecalcFunnel();
}

void TFunnelSeries::SetDifferenceLimit(double value) {
    if (value == FDifferenceLimit) return;
    FDifferenceLimit = value;
    if (FAutoUpdate) RecalcFunnel();
    Repaint();
}

void TFunnelSeries::SortByQuote() {
    YValues().Sort();
    XValues().FillSequence();
    FSorted = true;
}

int TFunnelSeries::AddSegment(double quote, double opportunity, const std::string& label,
                              TColor color) {
    FOpportunity->TempValue = opportunity;
    const int index = AddValue(quote, label, color);
    if (!FQuotesSorted) SortByQuote();
    return index;
}

void TFunnelSeries::RecalcFunnel() {
    if (!FSorted) SortByQuote();
    if (Count() > 0) FScale = MakeFunnelScale(YValues()[0], YValues()[Count() - 1], Count());
}

double TFunnelSeries::Ratio(int i) const { return FunnelRatio((*FOpportunity)[i], YValues()[i]); }

TColor TFunnelSeries::SegmentColor(int i) const {
    switch (FunnelColorKind(Ratio(i), FDifferenceLimit)) {
        case fcAbove:
            return FAboveColor;
        case fcWithin:
            return FWithinColor;
        default:
            return FBelowColor;
    }
}

TPoint TFunnelSeries::ToScreen(const TFunnelCorner& c) const {
    return {XValueToPixel(c.X), YValueToPixel(c.Y)};
}

std::vector<TPoint> TFunnelSeries::FillPolygon(int i) {
    std::vector<TPoint> out;
    for (const TFunnelCorner& c :
         FunnelFillPolygon(FScale, i, Ratio(i), [this](double y) { return YValueToPixel(y); }))
        out.push_back(ToScreen(c));
    return out;
}

void TFunnelSeries::DrawValue(int i) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    canvas.UseBrushColored(Brush(), SegmentColor(i));
    canvas.Pen()->SetStyle(psClear);
    const std::vector<TPoint> polygon = FillPolygon(i);
    const int last = int(polygon.size()) - 1;
    if (FParentChart->View3D())
        canvas.DrawPolygonAtZ(polygon, last, FrontDepth);
    else
        canvas.DrawPolygon(polygon, last);
}

void TFunnelSeries::DrawAllValues() {
    RecalcFunnel();
    TChartSeries::DrawAllValues();
    if (Count() == 0) return;
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    const double qmax = FScale.QuoteMax, qmin = FScale.QuoteMin, s = FScale.Step;
    canvas.UsePen(Pen());
    canvas.Brush()->SetStyle(bsClear);
    const TPoint outline[4] = {ToScreen({-0.5, qmax}),
                               ToScreen({Count() - 0.5, (qmax + qmin) * 0.5}),
                               ToScreen({Count() - 0.5, (qmax - qmin) * 0.5}), ToScreen({-0.5, 0})};
    if (FParentChart->View3D())
        canvas.DrawPolygonAtZ(outline, 3, FrontDepth);
    else
        canvas.DrawPolygon(outline, 3);
    if (!FLinesPen->Visible() || FirstInView < 0) return;
    canvas.UsePen(FLinesPen.get());
    for (int i = FirstInView; i < LastInView; ++i) {
        const TPoint top = ToScreen({i + 0.5, qmax - (i + 1) * s});
        const TPoint bottom = ToScreen({i + 0.5, (i + 1) * s});
        if (FParentChart->View3D())
            canvas.DrawLineAtZ(top.X, top.Y, bottom.X, bottom.Y, FrontDepth);
        else
            canvas.DrawLine(top.X, top.Y, bottom.X, bottom.Y);
    }
}

void TFunnelSeries::DrawMark(int valueIndex, const std::string& text,
                             TSeriesMarkPosition& position) {
    const TPoint centre = ToScreen({double(valueIndex), FScale.QuoteMax / 2});
    position.LeftTop = {centre.X - position.Width / 2, centre.Y - position.Height / 2};
    TChartSeries::DrawMark(valueIndex, text, position);
}

int TFunnelSeries::ValueIndexAt(int x, int y) {
    const int hit = TChartSeries::ValueIndexAt(x, y);
    if (hit != -1 || FirstInView < 0 || !FParentChart) return hit;
    for (int i = FirstInView; i <= LastInView; ++i)
        if (PointInPolygon(TPoint{x, y}, FillPolygon(i))) return i;
    return -1;
}

void TFunnelSeries::PrepareForChartDraw() {
    TChartSeries::PrepareForChartDraw();
    if (Active() && ResolvedVertAxis()) ResolvedVertAxis()->SetVisible(false);
}

TColor TFunnelSeries::LegendItemColor(int legendIndex) const {
    const TColor colors[3] = {FAboveColor, FWithinColor, FBelowColor};
    return legendIndex >= 0 && legendIndex < 3 ? colors[legendIndex] : clNone;
}

std::string TFunnelSeries::LegendItemText(int legendIndex, TLegendTextStyle /*style*/) {
    if (legendIndex == 0) return TxtExtExceedsQuota;
    std::string text = FormatFloat(PercentFormat(), FDifferenceLimit);
    return text.append(legendIndex == 1 ? TxtExtWithinQuota : TxtExtOrMoreBelowQuota);
}

std::string TFunnelSeries::ValueMarkText(int valueIndex) {
    std::string text = MarkText(valueIndex);
    if (OnGetMarkText) OnGetMarkText(*this, valueIndex, text);
    return text;
}

std::string TFunnelSeries::MarkText(int i) {
    const double quote = YValues()[i];
    return FormatFloat(PercentFormat(), quote == 0 ? 0 : (*FOpportunity)[i] * 100 / quote);
}

void TFunnelSeries::AddRandomValues(int numValues, bool /*onlyMandatory*/) {
    for (int k = 0; k < numValues; ++k) {
        std::string label = TxtExtSegment;
        AddSegment(numValues * 2.3 * (k + 1), (2.3 - RandomBelow(2)) * numValues * (k + 2),
                   label.append(std::to_string(k + 1)));
    }
    RecalcFunnel();
}

void TFunnelSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TFunnelSeries*>(source)) {
        FAboveColor = other->FAboveColor;
        FWithinColor = other->FWithinColor;
        FBelowColor = other->FBelowColor;
        FAutoUpdate = other->FAutoUpdate;
        FDifferenceLimit = other->FDifferenceLimit;
        FLinesPen->Assign(other->FLinesPen.get());
        FQuotesSorted = other->FQuotesSorted;
    }
    TChartSeries::Assign(source);
}

void TFunnelSeries::Publish(TPublisher<TFunnelSeries>& p) {
    using S = TFunnelSeries;
    p.Color("AboveColor", &S::AboveColor, &S::SetAboveColor).Default(clGreen);
    p.Boolean("AutoUpdate", &S::AutoUpdate, &S::SetAutoUpdate).Default(true);
    p.Color("BelowColor", &S::BelowColor, &S::SetBelowColor).Default(clRed);
    p.Object("Brush", &S::Brush, &S::SetBrush);
    p.Float("DifferenceLimit", &S::DifferenceLimit, &S::SetDifferenceLimit).Default(30.0);
    p.Object("LinesPen", &S::LinesPen, &S::SetLinesPen);
    p.Object(
        "OpportunityValues",
        [](const S& s) { return const_cast<TChartValueList*>(s.FOpportunity); },
        [](S& s, const TChartValueList* v) { s.SetOpportunityValues(v); });
    p.Object("Pen", &S::Pen, &S::SetPen);
    p.Boolean("QuotesSorted", &S::QuotesSorted, &S::SetQuotesSorted).Default(false);
    p.Object(
        "QuoteValues", [](const S& s) { return const_cast<TChartValueList*>(&s.YValues()); },
        [](S& s, const TChartValueList* v) { s.SetQuoteValues(v); });
    p.Color("WithinColor", &S::WithinColor, &S::SetWithinColor).Default(clYellow);
}
