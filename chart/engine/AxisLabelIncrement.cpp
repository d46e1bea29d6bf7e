#include "chart/engine/AxisLabelIncrement.h"

#include <algorithm>
#include <cmath>

#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartSeries.h"
#include "chart/foundation/DateTimeSteps.h"
#include "platform/rtl/RtlMath.h"

double NextNiceStep(double x) {
    if (std::isinf(x) || x <= 0) return 1;
    // Scaled into 1 .. 10 by tens, then scaled back by as many tens, in the same order of
    // multiplications as the recursive definition so the results agree to the bit.
    int tens = 0;
    while (x >= 10) {
        x *= 0.1;
        ++tens;
    }
    while (x < 1) {
        x *= 10;
        --tens;
    }
    double step = x < 2 ? 2 : x < 5 ? 5 : 10;
    for (; tens > 0; --tens) step *= 10;
    for (; tens < 0; ++tens) step *= 0.1;
    return step;
}

double TChartAxis::RoundToLogPower(double x) const {
    const double base = FLogarithmicBase;
    return std::pow(base, double(Round(std::log(x) / std::log(base))));
}

void TChartAxis::IncDateTimeStep(bool up, double& value, int stepIndex, double increment) {
    const bool calendar = FLabels.ExactDateTime && IsDateTimeAxis() && stepIndex >= dtHalfMonth;
    AdvanceValueByStep(calendar, up, value, stepIndex, increment);
}

double TChartAxis::IncrementForLabelCount(int labelCount) {
    return LabelCountIncrement(labelCount, FIncrement);
}

double TChartAxis::LabelCountIncrement(int labelCount, double increment) {
    if (labelCount < 1) return IsDateTimeAxis() ? DateTimeSteps[0] : MinAxisIncrement;
    return IsDateTimeAxis() ? DateTimeIncrementForLabelCount(labelCount, increment)
                            : NumericIncrementForLabelCount(labelCount, increment);
}

double TChartAxis::DateTimeIncrementForLabelCount(int labelCount, double increment) {
    const double range = FIRange;
    double step = std::max(DateTimeSteps[0], increment);
    if (step > 0) {
        if (range / step > MaxDateTimeSteps) step = range / MaxDateTimeSteps;
        // The count is at most a million here; a range too large for a finite count stops.
        while (std::isfinite(range / step) && labelCount < Round(range / step)) {
            if (step >= DateTimeSteps[dtOneYear])
                step *= 2;
            else if (step >= DateTimeSteps[2])  // one second
                step = NextDateTimeStep(step);
            else
                step = NextNiceStep(step);
        }
    }
    return std::max(DateTimeSteps[0], step);
}

double TChartAxis::NumericIncrementForLabelCount(int labelCount, double increment) {
    const double range = FIRange;
    double step;
    if (increment > 0) {
        step = increment;
    } else if (range == 0) {
        step = 1;
    } else {
        step = std::fabs(range) / (labelCount + 1);
        if (FLogarithmic) step = RoundToLogPower(step);
        // Few points along the axis: no step below one between whole positions.
        if (range >= 1.1 && FHost) {
            bool fewPoints = false;
            FHost->ForEachSeries(true, [&](TChartSeries& series) {
                const bool along = FHorizontal ? series.YMandatory() : !series.YMandatory();
                if (along && series.Count() <= labelCount && series.UsesAxis(this))
                    fewPoints = true;
            });
            if (fewPoints) step = std::max(step, 1.0);
        }
    }
    if (FLabels.LabelsSeparation != 0) {
        // A base below 1 would shrink the step on every "growth" and never end; such a base
        // grows the step by its inverse.
        const double logGrowth = std::max(FLogarithmicBase, 1 / FLogarithmicBase);
        int64_t count = int64_t(labelCount) + 1;
        do {
            const double c = range / step;
            const bool countable = std::fabs(c) < MaxLabelCountToRound;
            if (countable) count = Round(c);
            if (!countable || count > labelCount)
                step = FLogarithmic ? step * logGrowth : NextNiceStep(step);
        } while (count > labelCount && step > 0 && step <= range && !std::isinf(step));
    }
    return std::isinf(step) ? range : std::max(MinAxisIncrement, step);
}

double TChartAxis::IncrementForLabelSize(int size) { return LabelSizeIncrement(size, FIncrement); }

double TChartAxis::LabelSizeIncrement(int size, double increment) {
    int fitting = 1;
    if (size > 0 && FIAxisSize > 0) {
        const int separation = FLabels.LabelsSeparation;
        const int room = separation > 0 ? size + RoundToInt(separation * 0.01 * size) : size;
        fitting = RoundToInt(double(FIAxisSize) / room);
    }
    return LabelCountIncrement(fitting, increment);
}

double TChartAxis::ComputeLabelIncrement() { return LabelIncrementWith(FIncrement); }

double TChartAxis::LabelIncrementWith(double increment) {
    // The values whose labels are measured: both ends, and a middle value with decimals.
    double low = FIMinimum, high = FIMaximum;
    if (FLabels.RoundFirstLabel && increment != 0) {
        // Round fails beyond 64 bits; such a minimum has no fraction to round away.
        low = increment * (std::fabs(FIMinimum) >= 0x1p63 ? FIMinimum : double(Round(FIMinimum)));
        high = increment * std::trunc(FIMaximum);
    }
    double middle = (low + high) * 0.5;
    while (middle != 0 && std::isfinite(middle) && std::trunc(middle) == middle) middle *= 0.5;

    int widest = std::max({LabelExtent(FHorizontal, low), LabelExtent(FHorizontal, middle),
                           LabelExtent(FHorizontal, high)});
    if (increment != 0)
        widest = std::max({widest, LabelExtent(FHorizontal, low + increment),
                           LabelExtent(FHorizontal, high - increment)});

    double step = LabelSizeIncrement(widest, increment);
    // A step of 2 or more: the labels measured again at whole numbers, which are usually
    // narrower than the fractions the automatic candidates hold.
    if (!FLabels.LabelsAlternate && increment == 0 && step >= 2) step = LabelIncrementWith(1);
    if (FLabels.LabelsAlternate) step = FLogarithmic ? step / FLogarithmicBase : step * 0.5;
    return step;
}
