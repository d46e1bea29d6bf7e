// Where the bars go: the layout of the chart's bar series at one point, the bar width, each
// bar's place on both axes, the stacks, the extremes and margins the axes need, depth rows,
// the visible range, the drawing orders and the click test.
#include <algorithm>
#include <cmath>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/Callout.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/CustomBarSeries.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/ChartPen.h"
#include "platform/rtl/RtlMath.h"

// --- Layout before each drawing.

void TCustomBarSeries::PrepareForChartDraw() {
    TChartSeries::PrepareForChartDraw();
    OrderPos = 1;
    PreviousCount = 0;
    NumBars = 0;
    MaxBarPoints = -1;
    TCustomAxisPanel* chart = ParentChart();
    if (!chart) return;
    std::vector<int> stackGroups;
    bool found = false;
    int selfStacked = 0;  // the bar series of this kind
    for (int i = 0; i < chart->SeriesCount(); ++i) {
        TChartSeries* s = chart->GetSeries(i);
        if (!s->Active()) continue;
        const int count = s->Count();
        if (IsSameKindAs(*s)) {
            found = found || s == this;
            auto* bar = static_cast<TCustomBarSeries*>(s);
            if (count > MaxBarPoints || MaxBarPoints == -1)
                MaxBarPoints = count + (bar->FSideMargins && count > 0 ? 1 : 0);
            switch (bar->FMultiBar) {
                case mbNone:
                case mbSelfStack:
                    NumBars = 1;
                    break;
                case mbStacked:
                case mbStacked100:
                    if (std::find(stackGroups.begin(), stackGroups.end(), bar->FStackGroup) ==
                        stackGroups.end()) {
                        stackGroups.push_back(bar->FStackGroup);
                        ++NumBars;
                        if (!found) ++OrderPos;
                    }
                    break;
                case mbSide:
                case mbSideAll:
                    ++NumBars;
                    if (!found) ++OrderPos;
                    break;
            }
            if (!found) PreviousCount += count;
            ++selfStacked;
        } else if (s->YMandatory() == YMandatory()) {
            if (count > MaxBarPoints || MaxBarPoints == -1) MaxBarPoints = count;
        }
    }
    const auto group = std::find(stackGroups.begin(), stackGroups.end(), FStackGroup);
    if (group != stackGroups.end()) OrderPos = int(group - stackGroups.begin()) + 1;
    const bool paging = chart->MaxPointsPerPage() > 0;
    // Self-stacked series stand one per slot. (NumBars is 1 here, which would give every
    // series the whole axis and pile the bars of several series onto each other.)
    if (FMultiBar == mbSelfStack)
        MaxBarPoints = paging ? chart->MaxPointsPerPage() : selfStacked + (FSideMargins ? 1 : 0);
    else if (paging)
        MaxBarPoints = chart->MaxPointsPerPage();
}

TChartAxis* TCustomBarSeries::CategoryAxis() const {
    return YMandatory() ? ResolvedHorizAxis() : ResolvedVertAxis();
}

TChartAxis* TCustomBarSeries::ValueAxis() const {
    return YMandatory() ? ResolvedVertAxis() : ResolvedHorizAxis();
}

void TCustomBarSeries::CalcBarSize() {
    if (FCustomBarWidth != 0) {
        FBarSize = FCustomBarWidth;
        return;
    }
    const TChartAxis* axis = CategoryAxis();
    if (MaxBarPoints <= 0 || !axis || NumBars <= 0) {
        FBarSize = 0;
        return;
    }
    const int length = axis->AxisSize();
    int slot;
    if (FAutoBarSize) {
        const double points = axis->Maximum() + 2 - axis->Minimum();
        slot = points > 0 ? RoundToInt(length / points) : 0;
    } else {
        slot = length / MaxBarPoints;
    }
    int size = RoundToInt(FBarWidthPercent * 0.01 * slot) / NumBars;
    // Even widths keep the bars centred on their point.
    if (size > 0 && size % 2 == 1) ++size;
    FBarSize = size;
}

// --- Places on the axes.

int TCustomBarSeries::CategoryPixel(int valueIndex) const {
    const TChartAxis& axis = *CategoryAxis();
    int pixel;
    switch (FMultiBar) {
        case mbSideAll:
            pixel = axis.PixelOfValue(valueIndex + PreviousCount) - FBarSize / 2;
            break;
        case mbSelfStack:
            pixel = axis.PixelOfValue(IndexInChart()) - FBarSize / 2;
            break;
        default:
            pixel = axis.PixelOfValue(NotMandatoryValueList()[valueIndex]);
            if (FMultiBar == mbNone)
                pixel -= FBarSize / 2;
            else
                pixel += RoundToInt((OrderPos - NumBars * 0.5 - 1) * FBarSize);
            break;
    }
    if (FOffsetPercent != 0) pixel += RoundToInt(FOffsetPercent * FBarSize * 0.01);
    return pixel;
}

double TCustomBarSeries::StackValueOf(const TChartSeries& series, int valueIndex) const {
    // ValueForStacking only reads, but descendants declare it without const.
    return const_cast<TChartSeries&>(series).ValueForStacking(valueIndex);
}

bool TCustomBarSeries::StacksWith(const TChartSeries& other) const {
    if (!other.Active() || !IsSameKindAs(other)) return false;
    return static_cast<const TCustomBarSeries&>(other).FStackGroup == FStackGroup;
}

double TCustomBarSeries::StackOrigin(int valueIndex, bool all) const {
    if (FMultiBar == mbSelfStack) {
        double sum = 0;
        for (int i = 0; i < valueIndex; ++i) sum += StackValueOf(*this, i);
        return sum;
    }
    if (FMultiBar != mbStacked && FMultiBar != mbStacked100) return FYOrigin;
    const TCustomAxisPanel* chart = ParentChart();
    if (!chart) return 0;
    // Positive bars stack on the positive ones before them, negative bars on the negative ones.
    const bool positive = StackValueOf(*this, valueIndex) >= 0;
    double sum = 0;
    for (int i = 0; i < chart->SeriesCount(); ++i) {
        const TChartSeries* s = chart->GetSeries(i);
        if (s == this && !all) break;
        if (!StacksWith(*s) || s->Count() <= valueIndex) continue;
        const double v = StackValueOf(*s, valueIndex);
        if (all)
            sum += std::fabs(v);
        else if ((v >= 0) == positive)
            sum += v;
    }
    return sum;
}

int TCustomBarSeries::ValueEndPixel(int valueIndex) const {
    const TChartAxis& axis = *ValueAxis();
    const double value = MandatoryValueList()[valueIndex];
    switch (FMultiBar) {
        case mbStacked:
        case mbSelfStack:
            return axis.PixelOfValue(StackOrigin(valueIndex, false) + value);
        case mbStacked100: {
            const double total = StackOrigin(valueIndex, true);
            if (total == 0) return 0;
            return axis.PixelOfValue((StackOrigin(valueIndex, false) + value) * 100 / total);
        }
        default:
            return axis.PixelOfValue(value);
    }
}

int TCustomBarSeries::BarOrigin(int valueIndex) const {
    const TChartAxis& axis = *ValueAxis();
    switch (FMultiBar) {
        case mbStacked:
        case mbSelfStack:
            return axis.PixelOfValue(StackOrigin(valueIndex, false));
        case mbStacked100: {
            const double total = StackOrigin(valueIndex, true);
            if (total == 0) return 0;
            return axis.PixelOfValue(StackOrigin(valueIndex, false) * 100 / total);
        }
        default:
            if (FUseYOrigin) return axis.PixelOfValue(FYOrigin);
            return YMandatory() ? axis.EndPos() : axis.StartPos();
    }
}

int TCustomBarSeries::PointXPixel(int index) const {
    return YMandatory() ? CategoryPixel(index) : ValueEndPixel(index);
}

int TCustomBarSeries::PointYPixel(int index) const {
    return YMandatory() ? ValueEndPixel(index) : CategoryPixel(index);
}

void TCustomBarSeries::ValueScreenPoint(int valueIndex, int& x, int& y) const {
    x = PointXPixel(valueIndex);
    y = PointYPixel(valueIndex);
    (YMandatory() ? x : y) += FBarSize / 2;
}

bool TCustomBarSeries::IsValueInChartRect(int valueIndex) const {
    if (!ParentChart()) return false;
    TRect r;
    const_cast<TCustomBarSeries*>(this)->CalcBarRect(valueIndex, r);
    const TRect chart = ParentChart()->ChartRect();
    return r.Left < chart.Right && chart.Left < r.Right && r.Top < chart.Bottom &&
           chart.Top < r.Bottom;
}

// --- Extremes.

double TCustomBarSeries::ValueExtreme(bool maximum) {
    const bool vertical = YMandatory();
    const double base =
        maximum ? (vertical ? TChartSeries::GetMaxYValue() : TChartSeries::GetMaxXValue())
                : (vertical ? TChartSeries::GetMinYValue() : TChartSeries::GetMinXValue());
    const TChartValueList& values = MandatoryValueList();
    double result = base;
    if (maximum) {
        if (FMultiBar == mbStacked100) {
            result = 100;
        } else if (FMultiBar == mbSelfStack) {
            result = 0;
            for (int i = 0; i < Count(); ++i) result += StackValueOf(*this, i);
        } else if (FMultiBar == mbStacked) {
            for (int i = 0; i < Count(); ++i)
                result = std::max(result, StackOrigin(i, false) + values[i]);
        }
        return FUseYOrigin ? std::max(result, FYOrigin) : result;
    }
    if (FMultiBar == mbStacked100) {
        result = 0;
        for (int i = 0; i < Count(); ++i) {
            const double total = StackOrigin(i, true);
            // A point whose stack totals 0 has no percentage.
            if (total != 0)
                result = std::min(result, (StackOrigin(i, false) + values[i]) * 100 / total);
        }
        return result;
    }
    if (FMultiBar == mbStacked || FMultiBar == mbSelfStack)
        for (int i = 0; i < Count(); ++i)
            result = std::min(result, StackOrigin(i, false) + values[i]);
    return FUseYOrigin ? std::min(result, FYOrigin) : result;
}

double TCustomBarSeries::CategoryExtreme(bool maximum) {
    if (FMultiBar == mbSelfStack) return IndexInChart();
    const bool vertical = YMandatory();
    if (maximum && FMultiBar == mbSideAll) return Count() + PreviousCount - 1;
    if (maximum) return vertical ? TChartSeries::GetMaxXValue() : TChartSeries::GetMaxYValue();
    return vertical ? TChartSeries::GetMinXValue() : TChartSeries::GetMinYValue();
}

double TCustomBarSeries::GetMinXValue() {
    return YMandatory() ? CategoryExtreme(false) : ValueExtreme(false);
}
double TCustomBarSeries::GetMaxXValue() {
    return YMandatory() ? CategoryExtreme(true) : ValueExtreme(true);
}
double TCustomBarSeries::GetMinYValue() {
    return YMandatory() ? ValueExtreme(false) : CategoryExtreme(false);
}
double TCustomBarSeries::GetMaxYValue() {
    return YMandatory() ? ValueExtreme(true) : CategoryExtreme(true);
}

// --- Margins.

void TCustomBarSeries::CategoryMargins(int& before, int& after) {
    CalcBarSize();
    int margin = FMultiBar == mbSideAll ? FBarSize : FBarSize * NumBars;
    if (!FSideMargins) margin /= 2;
    // The axis offsets stay the user's: the margin is room for this drawing only.
    before += margin;
    after += margin;
}

void TCustomBarSeries::ValueMargins(int& below, int& above) {
    if (!Marks()->Visible() || Count() == 0) return;
    int room = MarkExtent(-1) + Marks()->Callout()->Length();
    if (Marks()->Pen()->Visible()) room += 2 * Marks()->Pen()->Width();
    TChartValueList& values = MandatoryValueList();
    if (FUseYOrigin && values.Minimum() < FYOrigin) below += room + 1;
    if (!FUseYOrigin || values.Maximum() > FYOrigin) above += room + 1;
}

void TCustomBarSeries::HorizontalMarginsNeeded(int& left, int& right) {
    TChartSeries::HorizontalMarginsNeeded(left, right);
    if (YMandatory()) {
        CategoryMargins(left, right);
    } else {
        const bool inverted = ResolvedHorizAxis() && ResolvedHorizAxis()->Inverted();
        ValueMargins(inverted ? right : left, inverted ? left : right);
    }
}

void TCustomBarSeries::VerticalMarginsNeeded(int& top, int& bottom) {
    TChartSeries::VerticalMarginsNeeded(top, bottom);
    if (!YMandatory()) {
        CategoryMargins(top, bottom);
    } else {
        const bool inverted = ResolvedVertAxis() && ResolvedVertAxis()->Inverted();
        ValueMargins(inverted ? top : bottom, inverted ? bottom : top);
    }
}

// --- Depth.

void TCustomBarSeries::ComputeDepthRange() {
    TChartSeries::ComputeDepthRange();
    if (FDepthPercent == 0) return;
    const int d = RoundToInt((100 - FDepthPercent) * (BackDepth - FrontDepth) * 0.005);
    FrontDepth += d;
    BackDepth -= d;
}

void TCustomBarSeries::AssignZOrder() {
    TCustomAxisPanel* chart = ParentChart();
    if (FMultiBar != mbNone && chart)
        for (int i = 0; i < chart->SeriesCount(); ++i) {
            TChartSeries* s = chart->GetSeries(i);
            if (s == this) break;
            if (s->Active() && IsSameKindAs(*s)) {
                DrawDepthIndex = s->DrawDepthIndex;
                return;
            }
        }
    TChartSeries::AssignZOrder();
}

// --- What is drawn, in which order.

void TCustomBarSeries::ComputeVisibleRange() {
    CalcBarSize();
    if (FMultiBar == mbSelfStack || Count() == 0) {
        FirstInView = Count() > 0 ? 0 : -1;
        LastInView = Count() - 1;
        return;
    }
    if (ParentChart() && ParentChart()->MaxPointsPerPage() == 1) {
        const int page = ParentChart()->CurrentPage() - 1;
        FirstInView = LastInView = page < Count() ? page : -1;
        return;
    }
    TChartSeries::ComputeVisibleRange();
    if (FirstInView < 0 || !ClipsToAxisRange) return;
    // A bar whose point lies outside the range may still reach into it, and bars at one
    // position belong together.
    const TChartValueList& positions = NotMandatoryValueList();
    while (FirstInView > 0 && (IsValueInChartRect(FirstInView - 1) ||
                               positions[FirstInView - 1] == positions[FirstInView]))
        --FirstInView;
    while (LastInView < Count() - 1 && (IsValueInChartRect(LastInView + 1) ||
                                        positions[LastInView + 1] == positions[LastInView]))
        ++LastInView;
}

void TCustomBarSeries::ListSeriesOrder(int first, int count, int valueIndex,
                                       std::vector<int>& order) const {
    if (FMultiBar != mbStacked && FMultiBar != mbStacked100) {
        TChartSeries::ListSeriesOrder(first, count, valueIndex, order);
        return;
    }
    order.clear();
    const TCustomAxisPanel* chart = ParentChart();
    if (!chart) return;
    // Bars below the origin hang from it: the nearest to the origin first, like those above.
    auto hasValue = [&](int i) {
        const TChartSeries* s = chart->GetSeries(i);
        return s->Active() && s->Count() > valueIndex;
    };
    auto below = [&](int i) { return chart->GetSeries(i)->MandatoryValue(valueIndex) < FYOrigin; };
    for (int i = count - 1; i >= first; --i)
        if (hasValue(i) && below(i)) order.push_back(i);
    for (int i = first; i < count; ++i)
        if (hasValue(i) && !below(i)) order.push_back(i);
}

void TCustomBarSeries::ListValueOrder(int first, int last, std::vector<int>& order) const {
    if (FMultiBar != mbSelfStack) {
        TChartSeries::ListValueOrder(first, last, order);
        return;
    }
    // The bars above the origin, then those below it, each run in the category axis' direction.
    order.clear();
    const TChartAxis* axis = CategoryAxis();
    const bool backwards = axis && axis->Inverted();
    const TChartValueList& values = MandatoryValueList();
    for (bool belowOrigin : {false, true}) {
        for (int k = first; k <= last; ++k) {
            const int i = backwards ? first + last - k : k;
            if ((values[i] < FYOrigin) == belowOrigin) order.push_back(i);
        }
    }
}

bool TCustomBarSeries::DrawsSeriesForward(int /*valueIndex*/) const {
    if (FMultiBar == mbSelfStack) return true;
    const TChartAxis* axis = CategoryAxis();
    return !(axis && axis->Inverted());
}

int TCustomBarSeries::ValueIndexAt(int x, int y) {
    if (FirstInView < 0) return -1;
    const TPoint p{x, y};
    for (int i = FirstInView; i <= LastInView; ++i)
        if (BarContains(i, p)) return i;
    return -1;
}

bool TCustomBarSeries::BarContains(int /*valueIndex*/, const TPoint& /*point*/) { return false; }
int TCustomBarSeries::MarkExtent(int /*valueIndex*/) { return 0; }
