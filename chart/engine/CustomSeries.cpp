// The settings of the line family's base, its stacking, the extremes and margins it gives the
// axes and the range of points it draws.
#include "chart/engine/CustomSeries.h"

#include <algorithm>
#include <cmath>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/Callout.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/SeriesMarkPositions.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/TeeShadow.h"

const TEnumInfo& CustomSeriesStackNames() {
    static const TEnumInfo names{"cssNone", "cssOverlap", "cssStack", "cssStack100"};
    return names;
}

TCustomSeries::TCustomSeries(TComponent* owner)
    : TCustomLineSeries(owner),
      FAreaBrush(std::make_unique<TChartBrush>(StyleChangedEvent())),
      FAreaLinesPen(CreateLinkedPen()),
      FOutLine(std::make_unique<TChartHiddenPen>(StyleChangedEvent())),
      FPointer(std::make_unique<TSeriesPointer>(this)),
      FShadow(std::make_unique<TTeeShadow>([this](TObject*) { Repaint(); })),
      FGradient(std::make_unique<TTeeGradient>([this](TObject*) { Repaint(); })) {}

TCustomSeries::~TCustomSeries() = default;

// --- Settings.

void TCustomSeries::SetAreaChartBrush(const TChartBrush* value) { FAreaBrush->Assign(value); }
TBrushStyle TCustomSeries::AreaBrush() const { return FAreaBrush->Style(); }
void TCustomSeries::SetAreaBrush(TBrushStyle value) { FAreaBrush->SetStyle(value); }
void TCustomSeries::SetAreaLinesPen(const TChartPen* value) { FAreaLinesPen->Assign(value); }
TBrushStyle TCustomSeries::LineBrush() const { return Brush()->Style(); }
void TCustomSeries::SetLineBrush(TBrushStyle value) { Brush()->SetStyle(value); }
void TCustomSeries::SetOutLine(const TChartHiddenPen* value) { FOutLine->Assign(value); }
void TCustomSeries::SetPointer(const TSeriesPointer* value) { FPointer->Assign(value); }
void TCustomSeries::SetShadow(const TTeeShadow* value) { FShadow->Assign(value); }
void TCustomSeries::SetGradient(const TTeeGradient* value) { GetGradient()->Assign(value); }

void TCustomSeries::SetStacked(TCustomSeriesStack value) {
    if (value == FStacked) return;
    FStacked = value;
    // Every series of the chart that this one is an instance of stacks the same way.
    if (FParentChart)
        for (TChartSeries* s : FParentChart->SeriesList())
            if (auto* c = dynamic_cast<TCustomSeries*>(s); c && InheritsFrom(c->ClassType()))
                c->FStacked = value;
    Repaint();
}

void TCustomSeries::SetParentChart(TCustomAxisPanel* value) {
    TCustomLineSeries::SetParentChart(value);
    FPointer->SetParentChart(value);
}

void TCustomSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TCustomSeries*>(source)) {
        FClickableLine = other->FClickableLine;
        FAreaBrush->Assign(other->FAreaBrush.get());
        FAreaColor = other->FAreaColor;
        FAreaLinesPen->Assign(other->FAreaLinesPen.get());
        FColorEachLine = other->FColorEachLine;
        FDark3D = other->FDark3D;
        FDrawArea = other->FDrawArea;
        FDrawLine = other->FDrawLine;
        FInvertedStairs = other->FInvertedStairs;
        FLineHeight = other->FLineHeight;
        FPointer->Assign(other->FPointer.get());
        FStacked = other->FStacked;
        FStairs = other->FStairs;
        FOutLine->Assign(other->FOutLine.get());
        FShadow->Assign(other->FShadow.get());
        SetTransparency(other->GetTransparency());
        GetGradient()->Assign(other->GetGradient());
    }
    TCustomLineSeries::Assign(source);
}

// --- Pointer.

TColor TCustomSeries::AreaColorOf(TColor color) const {
    return ColorEachPoint() || FAreaColor == clDefault ? color : FAreaColor;
}

TSeriesPointerStyle TCustomSeries::GetPointerStyle(int valueIndex) {
    return OnGetPointerStyle ? OnGetPointerStyle(*this, valueIndex) : FPointer->Style();
}

void TCustomSeries::DrawPointer(int x, int y, TColor color, int valueIndex) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    PreparePointer(valueIndex);
    FPointer->PrepareCanvas(canvas, color);
    TSeriesPointerStyle style = FPointer->Style();
    if (OnGetPointerStyle) {
        // The event may have changed the pointer itself.
        style = OnGetPointerStyle(*this, valueIndex);
        FPointer->PrepareCanvas(canvas, color);
    }
    FPointer->DrawOnCanvas(canvas, FParentChart->View3D(), x, y, FPointer->HorizSize(),
                           FPointer->VertSize(), color, style);
}

bool TCustomSeries::PointerContains(int valueIndex, int x, int y, int mouseX, int mouseY) {
    PreparePointer(valueIndex);
    return GetPointerStyle(valueIndex) != psNothing &&
           std::abs(mouseX - x) < FPointer->HorizSize() &&
           std::abs(mouseY - y) < FPointer->VertSize();
}

bool TCustomSeries::HasClickHandler() const {
    return TCustomLineSeries::HasClickHandler() || (FPointer->Visible() && OnClickPointer);
}

// --- Stacking.

bool TCustomSeries::StacksWith(const TChartSeries& series) const { return IsSameKindAs(series); }

double TCustomSeries::PreviousStackSum(int valueIndex, bool all) const {
    double sum = 0;
    if (!FParentChart) return sum;
    for (TChartSeries* s : FParentChart->SeriesList()) {
        if (!all && s == this) break;
        if (!s->Active() || !StacksWith(*s) || s->Count() <= valueIndex) continue;
        const double v = s->ValueForStacking(valueIndex);
        sum += all ? std::fabs(v) : v;
    }
    return sum;
}

int TCustomSeries::StackedPosition(int valueIndex, double value) const {
    const TChartAxis& axis = *MandatoryAxis();
    if (FStacked == cssStack100) {
        const double total = PreviousStackSum(valueIndex, true);
        if (total == 0) return axis.EndPos();
        return ValueToMandatoryPixel((PreviousStackSum(valueIndex, false) + value) * 100 / total);
    }
    return std::min(ValueToMandatoryPixel(PreviousStackSum(valueIndex, false) + value),
                    axis.EndPos());
}

static bool IsStacking(TCustomSeriesStack stacked) {
    return stacked == cssStack || stacked == cssStack100;
}

int TCustomSeries::PointXPixel(int index) const {
    if (!YMandatory() && IsStacking(FStacked)) return StackedPosition(index, XValues()[index]);
    return TCustomLineSeries::PointXPixel(index);
}

int TCustomSeries::PointYPixel(int index) const {
    if (YMandatory() && IsStacking(FStacked)) return StackedPosition(index, YValues()[index]);
    return TCustomLineSeries::PointYPixel(index);
}

int TCustomSeries::OriginPosition(int valueIndex) const {
    if (IsStacking(FStacked)) return StackedPosition(valueIndex, 0);
    if (YMandatory()) {
        const TChartAxis& axis = *ResolvedVertAxis();
        return axis.Inverted() ? axis.StartPos() : axis.EndPos();
    }
    const TChartAxis& axis = *ResolvedHorizAxis();
    return axis.Inverted() ? axis.EndPos() : axis.StartPos();
}

void TCustomSeries::AssignZOrder() {
    if (FStacked == cssNone || !FParentChart) {
        TCustomLineSeries::AssignZOrder();
        return;
    }
    // Every stacked series shares one depth row.
    int& rows = FParentChart->DepthRowCount;
    if (rows < 0) rows = 0;
    DrawDepthIndex = rows;
}

// --- Extremes.

double TCustomSeries::MandatoryMinMax(bool isMin) const {
    const TChartValueList& values = MandatoryValueList();
    bool found = false;
    double result = 0;
    for (int i = 0; i < Count(); ++i) {
        if (TreatNulls() != tnIgnore && IsNullValue(i)) continue;
        const double v = values[i];
        if (!found || (isMin ? v < result : v > result)) result = v;
        found = true;
    }
    return result;
}

double TCustomSeries::ValueMaximum() {
    if (FStacked == cssStack100) return 100;
    double result = MandatoryMinMax(false);
    if (FStacked == cssStack)
        for (int i = 0; i < Count(); ++i)
            result = std::max(result, PreviousStackSum(i, false) + MandatoryValue(i));
    return result;
}

double TCustomSeries::ValueMinimum(bool verticalRule) {
    if (FStacked == cssStack100) {
        if (!verticalRule) return 0;
        double result = 0;
        for (int i = 0; i < Count(); ++i) {
            const double total = PreviousStackSum(i, true);
            if (total != 0)
                result = std::min(result,
                                  (PreviousStackSum(i, false) + MandatoryValue(i)) * 100 / total);
        }
        return result;
    }
    double result = MandatoryMinMax(true);
    if (FStacked == cssStack && verticalRule)
        for (int i = 0; i < Count(); ++i)
            result = std::min(result, PreviousStackSum(i, false) + MandatoryValue(i));
    return result;
}

double TCustomSeries::GetMaxXValue() {
    return YMandatory() ? TCustomLineSeries::GetMaxXValue() : ValueMaximum();
}
double TCustomSeries::GetMaxYValue() {
    return YMandatory() ? ValueMaximum() : TCustomLineSeries::GetMaxYValue();
}
double TCustomSeries::GetMinXValue() {
    return YMandatory() ? TCustomLineSeries::GetMinXValue() : ValueMinimum(false);
}
double TCustomSeries::GetMinYValue() {
    return YMandatory() ? ValueMinimum(true) : TCustomLineSeries::GetMinYValue();
}

// --- Margins.

int TCustomSeries::MarksMargin() const {
    return Marks()->Callout()->Length() + Marks()->Callout()->Distance();
}

void TCustomSeries::HorizontalMarginsNeeded(int& left, int& right) {
    TCustomLineSeries::HorizontalMarginsNeeded(left, right);
    FPointer->HorizontalMargins(left, right);
    if (FDrawLine) {
        if (FStairs) {
            left = std::max(left, LinePen()->Width());
            right = std::max(right, LinePen()->Width());
        }
        if (FOutLine->Visible()) {
            left = std::max(left, FOutLine->Width());
            right = std::max(right, FOutLine->Width());
        }
    }
    if (!YMandatory() && Marks()->Visible()) right = std::max(right, MarksMargin());
}

void TCustomSeries::VerticalMarginsNeeded(int& top, int& bottom) {
    TCustomLineSeries::VerticalMarginsNeeded(top, bottom);
    FPointer->VerticalMargins(top, bottom);
    if (FDrawLine) {
        if (FStairs) {
            top = std::max(top, LinePen()->Width());
            bottom = std::max(bottom, LinePen()->Width());
        }
        if (FOutLine->Visible()) {
            top = std::max(top, FOutLine->Width());
            bottom = std::max(bottom, FOutLine->Width());
        }
    }
    if (YMandatory() && Marks()->Visible()) top = std::max(top, MarksMargin());
    if (FLineHeight > 0 && !FDrawArea && FParentChart && FParentChart->View3D())
        bottom = std::max(bottom, FLineHeight);
}

// --- Visible range.

bool TCustomSeries::IsValueInChartRect(int valueIndex) const {
    if (!FParentChart) return false;
    const int x = PointXPixel(valueIndex), y = PointYPixel(valueIndex);
    const int h = FPointer->HorizSize(), v = FPointer->VertSize();
    const TRect& r = FParentChart->ChartRect();
    return x + h >= r.Left && x - h <= r.Right && y + v >= r.Top && y - v <= r.Bottom;
}

void TCustomSeries::ComputeVisibleRange() {
    TCustomLineSeries::ComputeVisibleRange();
    if (FirstInView < 0 || !FParentChart) return;
    // Points whose pointer still shows stay, and so do points of the same position as the end
    // point: points of equal X are never split at the ends of the range.
    const TChartValueList& positions = NotMandatoryValueList();
    const int last = Count() - 1;
    while (LastInView < last && IsValueInChartRect(LastInView + 1)) ++LastInView;
    while (LastInView < last && positions[LastInView + 1] == positions[LastInView]) ++LastInView;
    while (FirstInView > 0 && IsValueInChartRect(FirstInView - 1)) --FirstInView;
    while (FirstInView > 0 && positions[FirstInView - 1] == positions[FirstInView]) --FirstInView;
}

// --- Marks.

void TCustomSeries::DrawMark(int valueIndex, const std::string& text,
                             TSeriesMarkPosition& position) {
    Marks()->ZPosition = FrontDepth;
    if (YMandatory()) Marks()->OffsetByCallout(position);
    TCustomLineSeries::DrawMark(valueIndex, text, position);
}
