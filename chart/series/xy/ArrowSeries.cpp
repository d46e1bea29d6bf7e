#include "chart/series/xy/ArrowSeries.h"

#include <algorithm>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/SampleRandom.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/HitTests.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/series/xy/OwnDefaultEntry.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/RtlMath.h"

TArrowSeries::TArrowSeries(TComponent* owner) : TPointSeries(owner) {
    ClipsToAxisRange = false;
    XValues().SetDefaultDateTime(true);
    FEndX = new TChartValueList(this, TxtEndX);
    FEndX->SetDefaultDateTime(true);
    FEndY = new TChartValueList(this, TxtEndY);
    Pointer()->SetInflateMargins(false);
    Marks()->Frame()->SetVisible(false);
    Marks()->SetTransparent(true);
}
TArrowSeries::~TArrowSeries() = default;

int TArrowSeries::ArrowWidth() const { return Pointer()->HorizSize(); }
void TArrowSeries::SetArrowWidth(int value) { Pointer()->SetHorizSize(value); }
int TArrowSeries::ArrowHeight() const { return Pointer()->VertSize(); }
void TArrowSeries::SetArrowHeight(int value) { Pointer()->SetVertSize(value); }

int TArrowSeries::AddArrow(double x0, double y0, double x1, double y1, const std::string& label,
                           TColor color) {
    FEndX->TempValue = x1;
    FEndY->TempValue = y1;
    return AddXYPoint(x0, y0, label, color);
}

TPoint TArrowSeries::EndPixel(int valueIndex) const {
    return {XValueToPixel((*FEndX)[valueIndex]), YValueToPixel((*FEndY)[valueIndex])};
}

void TArrowSeries::DrawValue(int valueIndex) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    const TColor color = ValueColor(valueIndex);
    const bool is3D = FParentChart->View3D();
    if (is3D)
        Pointer()->PrepareCanvas(canvas, color);
    else
        canvas.UsePenWithColor(Pointer()->Pen(), color);
    const TPoint start{PointXPixel(valueIndex), PointYPixel(valueIndex)};
    canvas.DrawArrow(is3D, start, EndPixel(valueIndex), ArrowWidth(), ArrowHeight(), MidDepth,
                     FArrowPercent);
}

// The axes cover both ends of every arrow.
double TArrowSeries::GetMinXValue() {
    const double v = TPointSeries::GetMinXValue();
    return Count() ? std::min(v, FEndX->Minimum()) : v;
}
double TArrowSeries::GetMaxXValue() {
    const double v = TPointSeries::GetMaxXValue();
    return Count() ? std::max(v, FEndX->Maximum()) : v;
}
double TArrowSeries::GetMinYValue() {
    const double v = TPointSeries::GetMinYValue();
    return Count() ? std::min(v, FEndY->Minimum()) : v;
}
double TArrowSeries::GetMaxYValue() {
    const double v = TPointSeries::GetMaxYValue();
    return Count() ? std::max(v, FEndY->Maximum()) : v;
}

int TArrowSeries::ValueIndexAt(int x, int y) {
    if (!FParentChart) return -1;
    for (int i = 0; i < Count(); ++i) {
        const TPoint start{PointXPixel(i), PointYPixel(i)};
        if (IsPointNearLinePoints(TPoint{x, y}, start, EndPixel(i), Pen()->Width())) return i;
    }
    return -1;
}

bool TArrowSeries::CanCopyFrom(const TChartSeries& source) const {
    return Is<TArrowSeries>(&source);
}

void TArrowSeries::PrepareForGallery(bool enabled) {
    TPointSeries::PrepareForGallery(enabled);
    FillSampleValues(3);
    SetArrowWidth(12);
    SetArrowHeight(12);
    if (!enabled) SetSeriesColor(clSilver);
}

// Every arrow starts within c of the first X.
void TArrowSeries::AddRandomValues(int numValues, bool /*onlyMandatory*/) {
    const TSampleValueBounds b = SampleValueBounds(numValues);
    const int c = RoundToInt(numValues * b.StepX);
    const int spread = RoundToInt(b.SpreadY);
    for (int i = 0; i < numValues; ++i) {
        const double x0 = b.FirstX + RandomBelow(c);
        const double y0 = b.MinY + RandomBelow(spread);
        const double x1 = x0 + RandomBelow(c);
        const double y1 = y0 + RandomBelow(spread);
        AddArrow(x0, y0, x1, y1);
    }
}

void TArrowSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TArrowSeries*>(source))
        FArrowPercent = other->FArrowPercent;
    TPointSeries::Assign(source);
}

void TArrowSeries::DefineProperties(TFiler& filer) {
    TPointSeries::DefineProperties(filer);
    DefineMarksAndPointerEntries(filer, *this);
}

void TArrowSeries::Publish(TPublisher<TArrowSeries>& p) {
    using S = TArrowSeries;
    p.Integer("ArrowHeight", &S::ArrowHeight, &S::SetArrowHeight).Default(4);
    p.Integer("ArrowPercent", &S::ArrowPercent, &S::SetArrowPercent).Default(50);
    p.Integer("ArrowWidth", &S::ArrowWidth, &S::SetArrowWidth).Default(4);
    p.Object(
        "EndXValues", [](const S& s) { return const_cast<TChartValueList*>(s.FEndX); },
        [](S& s, const TChartValueList* v) { s.SetEndXValues(v); });
    p.Object(
        "EndYValues", [](const S& s) { return const_cast<TChartValueList*>(s.FEndY); },
        [](S& s, const TChartValueList* v) { s.SetEndYValues(v); });
    p.Object(
        "StartXValues", [](const S& s) { return const_cast<TChartValueList*>(&s.XValues()); },
        [](S& s, const TChartValueList* v) { s.SetXValues(v); });
    p.Object(
        "StartYValues", [](const S& s) { return const_cast<TChartValueList*>(&s.YValues()); },
        [](S& s, const TChartValueList* v) { s.SetYValues(v); });
}
