#include <algorithm>
#include <cmath>

#include "chart/engine/AxisItems.h"
#include "chart/engine/AxisLabelFormat.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartSeries.h"
#include "chart/foundation/DateTimeSteps.h"
#include "chart/foundation/TeeCanvas.h"
#include "platform/rtl/FloatFormat.h"

namespace {

// A walk that would need this many steps draws no value labels at all.
constexpr double MaxValueLabelSteps = 10000;
// The logarithmic walk is bounded alike: a base just above 1, or below 1, would otherwise
// give millions of labels.
constexpr int MaxLogLabels = 10000;
// The chart's event supplies labels with indices 0 to this one.
constexpr int MaxEventLabelIndex = 2000;
// Event values this close outside the working limits still count as inside.
constexpr double EventLabelTolerance = 1e-7;

}  // namespace

int TChartAxis::LabelStepIndex(double increment) {
    if (!FLabels.ExactDateTime || !IsDateTimeAxis()) return dtNone;
    if (!CalendarCovers(FIMinimum, FIMaximum)) return dtNone;  // values that are no dates
    int kind = FindDateTimeStep(FIncrement);
    if (kind == dtNone) return dtNone;
    while (kind < dtOneYear && increment > DateTimeSteps[size_t(kind)]) ++kind;
    return kind;
}

void TChartAxis::WalkLabels() {
    FTickPositions.clear();
    const TAxisLabelStyle style = EffectiveLabelStyle();
    if (style == talNone) return;
    const double step = ComputeLabelIncrement();
    const int stepIndex = LabelStepIndex(step);
    const bool calendarStep = stepIndex >= dtHalfMonth && stepIndex <= dtOneYear;
    if (!(step > 0 || calendarStep) || FIMaximum < FIMinimum) return;
    if (style == talMark)
        DrawTextLabels(true);
    else if (style == talText)
        IsDepthAxis ? DrawDepthSeriesTitles() : DrawTextLabels(false);
    else if (FHost && FHost->HasGetNextAxisLabel())
        DrawEventLabels(step, stepIndex);
    else
        DrawValueOrLogLabels(step, stepIndex);
}

void TChartAxis::DrawValueOrLogLabels(double increment, int stepIndex) {
    if (FLogarithmic && FIncrement == 0)
        DrawLogLabels();
    else
        DrawValueLabels(increment, stepIndex);
}

void TChartAxis::DrawValueLabel(double value) {
    const int pixel = PixelOfValue(value);
    if (!FLabels.LabelsOnAxis && (pixel <= FIStartPos || pixel >= FIEndPos)) return;
    if (!FLabels.TickOnLabelsOnly) AddTick(pixel);
    if (Labels()) DrawLabelAt(pixel, FormatLabel(value), value);
}

void TChartAxis::DrawValueLabels(double increment, int stepIndex) {
    if (!(std::fabs(FIRange / increment) < MaxValueLabelSteps)) return;

    // The first label: the largest value to show, on the calendar or a multiple of the step.
    double value = FIMaximum;
    if (FLabels.ExactDateTime && IsDateTimeAxis() && stepIndex >= dtOneDay &&
        stepIndex <= dtOneYear)
        value = AlignDateTimeToStep(stepIndex, FIMaximum);
    else if (FLabels.RoundFirstLabel && FloatToStr(FIMinimum) != FloatToStr(FIMaximum))
        value = std::trunc(FIMaximum / increment) * increment;
    // Steps that round back to where they started (values beyond 15 digits) must not hold the
    // walk: each loop takes at most as many steps as the range allows labels.
    const int maxSteps = int(MaxValueLabelSteps);
    for (int i = 0; i < maxSteps && value > FIMaximum; ++i)
        IncDateTimeStep(false, value, stepIndex, increment);

    // One label when there is no range to walk, or when a step is too small to tell two
    // labels apart (the walk would never end).
    if (FIZeroRange || FIRange < 1e-10 || FloatToStr(value) == FloatToStr(value - increment)) {
        DrawValueLabel(value);
        return;
    }
    // A hair below a non-negative minimum, so that the minimum itself is labelled despite the
    // rounding of the steps.
    const double bound = FIMinimum >= 0 ? (FIMinimum - 1e-12) / (1 + 1e-12) : FIMinimum;
    for (int i = 0; i <= maxSteps && value >= bound; ++i) {
        DrawValueLabel(value);
        IncDateTimeStep(false, value, stepIndex, increment);
    }
}

void TChartAxis::DrawLogLabels() {
    if (FIMinimum == FIMaximum) return;
    double first;
    if (FIMinimum > 0) {
        first = RoundToLogPower(FIMinimum);
    } else {
        // No power of the base reaches 0 or below: the walk starts just above, and the pass
        // keeps that minimum.
        FIMinimum = FIMinimum == 0 ? 0.1 : RoundToLogPower(1e-10);
        first = FIMinimum;
    }
    if (!(first > 0)) return;
    const double base = FLogarithmicBase;
    if (MinorGrid()->Visible() && first >= FIMinimum) {
        // The minor grid reaches the start of the axis from the power below the first label.
        const double below = std::pow(base, std::log(FIMinimum) / std::log(base) - 1);
        if (below < FIMinimum) AddTick(PixelOfValue(below));
    }
    auto walk = [&](auto next) {
        int drawn = 0;
        double value = first;
        for (int i = 0; i < MaxLogLabels && value <= FIMaximum; ++i) {
            if (value >= FIMinimum) {
                DrawValueLabel(value);
                ++drawn;
            }
            value = next(value);
        }
        return std::pair{drawn, value};
    };
    auto [drawn, past] =
        base > 1 ? walk([base](double v) { return v * base; }) : std::pair{0, first};
    // No power of the base within the range: labels at fractions of the first one.
    if (drawn == 0) past = walk([step = first / base](double v) { return v + step; }).second;
    if (MinorGrid()->Visible() && past > FIMaximum) AddTick(PixelOfValue(past));
}

void TChartAxis::DrawEventLabels(double increment, int stepIndex) {
    double value = FIMinimum;
    for (int index = 0; index <= MaxEventLabelIndex; ++index) {
        bool stop = false;
        FHost->GetNextAxisLabel(*this, index, value, stop);
        if (stop) {
            // A handler that supplies nothing leaves the ordinary labels in place.
            if (index == 0) DrawValueOrLogLabels(increment, stepIndex);
            return;
        }
        if (value < FIMinimum - EventLabelTolerance || value > FIMaximum + EventLabelTolerance)
            return;
        DrawValueLabel(value);
    }
}

namespace {

// A series on the axis with the points it shows in this pass.
struct TShownSeries {
    TChartSeries* Series;
    int First, Last;
};

}  // namespace

void TChartAxis::DrawTextLabels(bool marks) {
    if (!FHost) return;
    std::vector<TShownSeries> shown;
    int first = -1, last = -1;
    FHost->ForEachSeries(true, [&](TChartSeries& series) {
        if (!series.UsesAxis(this)) return;
        // The points in view of this pass: the series are drawn after their axes.
        series.ComputeVisibleRange();
        const TShownSeries s{&series, series.FirstInView, series.LastInView};
        shown.push_back(s);
        if (s.First != -1) first = first == -1 ? s.First : std::min(first, s.First);
        last = std::max(last, s.Last);
    });
    if (first == -1) return;

    TTeeCanvas* canvas = FHost->AxisCanvas();
    const int separation = FLabels.LabelsSeparation;
    const bool event = FHost->HasGetAxisLabel();
    // Label sizes along the axis: widths, or line heights where the text stands across it.
    const int angle = FLabels.LabelsAngle;
    const bool alongIsWidth = (angle == 90 || angle == 270) != FHorizontal;
    bool anyDrawn = false;
    int lastPixel = 0, lastHalf = 0;
    std::string text;
    for (int index = first; index <= last; ++index) {
        // The first series that shows the point and has a text for it supplies the label.
        TChartSeries* source = nullptr;
        for (const TShownSeries& s : shown) {
            if (index < s.First || index > s.Last) continue;
            text = marks ? FHost->SeriesMarkText(*s.Series, index) : s.Series->PointLabel(index);
            if (event) FHost->GetAxisLabel(*this, s.Series, index, text);
            if (!text.empty()) {
                source = s.Series;
                break;
            }
        }
        if (!source) continue;
        const double value = FHorizontal ? source->XValueAt(index) : source->YValueAt(index);
        if (value < FIMinimum || value > FIMaximum) continue;
        const int pixel = PixelOfValue(value);
        if (!FLabels.TickOnLabelsOnly) AddTick(pixel);
        if (!Labels()) continue;

        int size = 0;
        if (canvas) {
            int lines = 0;
            const int width = MultiLineTextWidth(*canvas, text, lines);
            size = alongIsWidth ? width : canvas->MeasureLineHeight() * lines;
        }
        int half = size / 2;
        if (separation != 0 && anyDrawn) {
            size += int(std::trunc(size * 0.02 * separation));
            half = size / 2;
            const bool clear = pixel < lastPixel ? lastPixel - lastHalf >= pixel + half
                                                 : pixel - half >= lastPixel + lastHalf;
            if (!clear) continue;
        }
        DrawLabelAt(pixel, text, value);
        anyDrawn = true;
        lastPixel = pixel;
        lastHalf = half;
    }
}

void TChartAxis::DrawDepthSeriesTitles() {
    if (!FHost) return;
    int active = 0;
    FHost->ForEachSeries(true, [&](TChartSeries&) { ++active; });
    if (active == 0) return;
    // Rows are whole numbers; a range too wide for them is no depth range.
    if (!(std::fabs(FIMinimum) < MaxValueLabelSteps && std::fabs(FIMaximum) < MaxValueLabelSteps))
        return;
    const int lastRow = int(std::trunc(FIMaximum));
    for (int row = int(std::trunc(FIMinimum)); row <= lastRow; ++row) {
        const double value = FIMaximum - row - 0.5;
        const int pixel = PixelOfValue(value);
        if (!FLabels.TickOnLabelsOnly) AddTick(pixel);
        if (!Labels()) continue;
        std::string text = FHost->SeriesLegendTitle(row);
        if (FHost->HasGetAxisLabel()) FHost->GetAxisLabel(*this, nullptr, row, text);
        DrawLabelAt(pixel, text, value);
    }
}

void TChartAxis::DrawCustomLabels() {
    FTickPositions.clear();
    for (int i = 0; i < FItems->Count(); ++i) {
        TAxisItem& item = *FItems->Get(i);
        const double value = item.Value();
        if (value < FMinimum || value > FMaximum) continue;
        const int pixel = PixelOfValue(value);
        if (!FLabels.TickOnLabelsOnly) AddTick(pixel);
        if (!item.Visible()) continue;
        DrawLabelAt(pixel, item.Text().empty() ? FormatLabel(value) : item.Text(), &item, value);
    }
}
