#include "chart/series/xy/CustomErrorSeries.h"

#include <algorithm>
#include <cmath>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/SampleRandom.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/HitTests.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/RtlMath.h"

const TEnumInfo& ErrorSeriesStyleNames() {
    static const TEnumInfo names{"essLeft", "essRight",  "essLeftRight",
                                 "essTop",  "essBottom", "essTopBottom"};
    return names;
}
const TEnumInfo& ErrorWidthUnitsNames() {
    static const TEnumInfo names{"ewuPercent", "ewuPixels"};
    return names;
}

TCustomErrorSeries::TCustomErrorSeries(TComponent* owner)
    : TBarSeries(owner), FErrorPen(CreateLinkedPen()) {
    FErrorValues = new TChartValueList(this, TxtExtStdError);
    Marks()->Hide();
}
TCustomErrorSeries::~TCustomErrorSeries() = default;

void TCustomErrorSeries::SetErrorPen(const TChartPen* value) {
    FErrorPen->Assign(value);
    if (!FDrawsBars) SetSeriesColor(FErrorPen->Color());
}

// The whiskers of a series without bars are its colour.
void TCustomErrorSeries::SetSeriesColor(TColor value) {
    TBarSeries::SetSeriesColor(value);
    if (!FDrawsBars) FErrorPen->SetColor(value);
}

int TCustomErrorSeries::AddErrorPoint(double x, double y, double error, const std::string& label,
                                      TColor color) {
    FErrorValues->TempValue = error;
    return AddXYPoint(x, y, label, color);
}

int TCustomErrorSeries::StrokeWidth(int barWidth) const {
    if (FErrorWidth == 0) return barWidth;
    return FErrorWidthUnits == ewuPixels ? FErrorWidth : RoundToInt(FErrorWidth * barWidth * 0.01);
}

bool TCustomErrorSeries::IsHorizontalStyle() const {
    return FErrorStyle == essLeft || FErrorStyle == essRight || FErrorStyle == essLeftRight;
}

void TCustomErrorSeries::SelectErrorPen(int valueIndex) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    if (valueIndex == -1 || FDrawsBars)
        canvas.UsePen(FErrorPen.get());
    else
        canvas.UsePenWithColor(FErrorPen.get(), ValueColor(valueIndex));
    canvas.SetBackgroundMode(TRANSPARENT);
}

double TCustomErrorSeries::WhiskerEnd(int valueIndex) {
    const double y = YValues()[valueIndex], e = (*FErrorValues)[valueIndex];
    return FDrawsBars && y < 0 ? y - e : y + e;
}

void TCustomErrorSeries::DrawWhisker(int x, int y, int length, int strokeWidth, bool is3D) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    const int half = strokeWidth / 2;
    auto line = [&](int x0, int y0, int x1, int y1) {
        if (is3D)
            canvas.DrawLineAtZ(x0, y0, x1, y1, MidDepth);
        else
            canvas.DrawLine(x0, y0, x1, y1);
    };
    auto horizontal = [&](int to) {
        line(x, y, to, y);
        line(to, y - half, to, y + half);
    };
    auto vertical = [&](int to) {
        line(x, y, x, to);
        line(x - half, to, x + half, to);
    };
    switch (FErrorStyle) {
        case essLeft:
            horizontal(x - length);
            break;
        case essRight:
            horizontal(x + length);
            break;
        case essLeftRight:
            horizontal(x - length);
            horizontal(x + length);
            break;
        case essTop:
            vertical(y - length);
            break;
        case essBottom:
            vertical(y + length);
            break;
        case essTopBottom:
            vertical(y - length);
            vertical(y + length);
            break;
    }
}

void TCustomErrorSeries::DrawBar(int valueIndex, int barStart, int barEnd) {
    if (FDrawsBars) TBarSeries::DrawBar(valueIndex, barStart, barEnd);
    const double error = (*FErrorValues)[valueIndex];
    if (!FErrorPen->Visible() || error == 0) return;
    const TRect bar = BarBounds;
    const int width = StrokeWidth(bar.Right - bar.Left);
    const double y = YValues()[valueIndex];
    int yp = YValueToPixel(y);
    const TChartAxis& axis = IsHorizontalStyle() ? *ResolvedHorizAxis() : *ResolvedVertAxis();
    int length = axis.ValueSizeInPixels(std::fabs(error));
    // A bar below its origin carries its whiskers away from the origin: downwards.
    if (FDrawsBars && y < YOrigin() && !IsHorizontalStyle()) length = -length;
    SelectErrorPen(valueIndex);
    if (MultiBar() == mbStacked100) yp = YValueToPixel(100);
    DrawWhisker((bar.Left + bar.Right) / 2, yp, length, width, FParentChart->View3D());
}

void TCustomErrorSeries::HorizontalMarginsNeeded(int& left, int& right) {
    TBarSeries::HorizontalMarginsNeeded(left, right);
    const int w = FErrorPen->Width();
    if (FErrorStyle == essLeft || FErrorStyle == essLeftRight) left = std::max(left, w);
    if (FErrorStyle == essRight || FErrorStyle == essLeftRight) right = std::max(right, w);
}

void TCustomErrorSeries::VerticalMarginsNeeded(int& top, int& bottom) {
    TBarSeries::VerticalMarginsNeeded(top, bottom);
    const int w = FErrorPen->Width();
    if (FErrorStyle == essTop || FErrorStyle == essTopBottom) top = std::max(top, w);
    if (FErrorStyle == essBottom || FErrorStyle == essTopBottom) bottom = std::max(bottom, w);
}

double TCustomErrorSeries::GetMaxYValue() {
    if (FDrawsBars) {
        double result = TBarSeries::GetMaxYValue();
        for (int i = 0; i < Count(); ++i) result = std::max(result, WhiskerEnd(i));
        return result;
    }
    double result = 0;
    for (int i = 0; i < Count(); ++i) {
        const double v = YValues()[i] + (*FErrorValues)[i];
        result = i == 0 ? v : std::max(result, v);
    }
    return result;
}

double TCustomErrorSeries::GetMinYValue() {
    if (FDrawsBars) {
        double result = TBarSeries::GetMinYValue();
        for (int i = 0; i < Count(); ++i) result = std::min(result, WhiskerEnd(i));
        return result;
    }
    double result = 0;
    for (int i = 0; i < Count(); ++i) {
        const double v = YValues()[i] - (*FErrorValues)[i];
        result = i == 0 ? v : std::min(result, v);
    }
    return result;
}

void TCustomErrorSeries::PrepareLegendCanvas(int /*valueIndex*/, TColor& /*backColor*/,
                                             TBrushStyle& /*style*/) {
    SelectErrorPen(-1);
}

void TCustomErrorSeries::DrawLegendShape(int /*valueIndex*/, const TRect& rect) {
    DrawWhisker((rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2,
                (rect.Bottom - rect.Top) / 2 - 1, rect.Right - rect.Left, false);
}

int TCustomErrorSeries::ValueIndexAt(int x, int y) {
    if (FirstInView < 0 || !FParentChart) return -1;
    if (FDrawsBars)
        for (int i = FirstInView; i <= std::min(LastInView, Count() - 1); ++i)
            if (BarContains(i, TPoint{x, y})) return i;
    FParentChart->Canvas3D()->UnprojectPoint(x, y, MidDepth);
    const TPoint m{x, y};
    const int w = StrokeWidth(BarSize());
    const int d = w / 2;
    constexpr int tolerance = 3;
    auto near = [&](int x0, int y0, int x1, int y1) {
        return IsPointNearLine(m, x0, y0, x1, y1, tolerance);
    };
    const bool top = FErrorStyle == essTop || FErrorStyle == essTopBottom;
    const bool bottom = FErrorStyle == essBottom || FErrorStyle == essTopBottom;
    const bool left = FErrorStyle == essLeft || FErrorStyle == essLeftRight;
    const bool right = FErrorStyle == essRight || FErrorStyle == essLeftRight;
    for (int i = FirstInView; i <= LastInView; ++i) {
        const int px = PointXPixel(i), py = PointYPixel(i);
        const double v = YValues()[i], e = (*FErrorValues)[i], xv = XValues()[i];
        for (int sign : {1, -1}) {
            if ((sign > 0 && !top) || (sign < 0 && !bottom)) continue;
            const int ey = YValueToPixel(v + sign * e);
            if (near(px, ey, px + w, ey) || near(px + d, py, px + d, ey)) return i;
        }
        for (int sign : {-1, 1}) {
            if ((sign < 0 && !left) || (sign > 0 && !right)) continue;
            const int ex = XValueToPixel(xv + sign * e);
            const bool shaft =
                sign < 0 ? near(ex + d, py, px + d, py) : near(px + d, py, ex + d, py);
            if (shaft || near(ex + d, py - d, ex + d, py + d)) return i;
        }
    }
    return -1;
}

void TCustomErrorSeries::AddRandomValues(int numValues, bool /*onlyMandatory*/) {
    const TSampleValueBounds b = SampleValueBounds(numValues);
    double x = b.FirstX;
    for (int i = 0; i < numValues; ++i) {
        const double y = RandomBelow(RoundToInt(b.SpreadY));
        AddErrorPoint(x, y, b.SpreadY / (20 + RandomBelow(4)));
        x += b.StepX;
    }
}

void TCustomErrorSeries::PrepareForGallery(bool enabled) {
    TBarSeries::PrepareForGallery(enabled);
    if (FDrawsBars) FErrorPen->SetWidth(2);
    FErrorPen->SetColor(enabled ? clRed : clWhite);
    SetSeriesColor(enabled ? clBlue : clSilver);
}

void TCustomErrorSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TCustomErrorSeries*>(source)) {
        SetErrorPen(other->FErrorPen.get());
        FErrorStyle = other->FErrorStyle;
        FErrorWidth = other->FErrorWidth;
        FErrorWidthUnits = other->FErrorWidthUnits;
    }
    TBarSeries::Assign(source);
}

void TCustomErrorSeries::Publish(TPublisher<TCustomErrorSeries>& p) {
    using S = TCustomErrorSeries;
    p.Object("ErrorPen", &S::ErrorPen, &S::SetErrorPen);
    p.Object(
        "ErrorValues", [](const S& s) { return const_cast<TChartValueList*>(s.FErrorValues); },
        [](S& s, const TChartValueList* v) { s.SetErrorValues(v); });
    p.Integer("ErrorWidth", &S::ErrorWidth, &S::SetErrorWidth).Default(100);
    p.Enumeration("ErrorWidthUnits", ErrorWidthUnitsNames(), &S::ErrorWidthUnits,
                  &S::SetErrorWidthUnits)
        .Default(ewuPercent);
}
