#include "chart/engine/AxisLabelFormat.h"

#include <algorithm>
#include <cmath>

#include "chart/engine/AxisItems.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartSeries.h"
#include "chart/foundation/DateTimeSteps.h"
#include "chart/foundation/TeeCanvas.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/DateTimeFormat.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/RtlMath.h"
#include "platform/rtl/ValueGuard.h"

namespace {

// Measuring the widest value label walks down at most this many labels.
constexpr int MaxMeasuredLabels = 5000;

bool HasLabelText(TChartSeries& series) {
    TLabelsList& labels = series.Labels();
    for (int i = 0; i < labels.Count(); ++i)
        if (!labels.Label(i).empty()) return true;
    return false;
}

// Text at this angle runs across the axis (upright on a horizontal axis, level on a vertical
// one): along the axis it takes one line height per line.
bool RunsAcross(bool horizontal, int angle) {
    return horizontal ? angle == 90 || angle == 270 : angle == 0 || angle == 180;
}

// Text at this angle runs along the axis: across it, the band is one line height deep. Other
// angles are neither.
bool RunsAlong(bool horizontal, int angle) { return RunsAcross(!horizontal, angle); }

}  // namespace

bool HasDateText(double value) {
    static const double first = EncodeDate(1, 1, 1), end = EncodeDate(9999, 12, 31) + 1;
    return value >= first && value < end;
}

bool CalendarCovers(double minimum, double maximum) {
    return HasDateText(minimum - 366) && HasDateText(maximum + 366);
}

int MultiLineTextWidth(TTeeCanvas& canvas, std::string_view text, int& lines) {
    lines = 0;
    int widest = 0;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = std::min(text.find('\r', start), text.size());
        widest = std::max(widest, canvas.MeasureTextWidth(text.substr(start, end - start)));
        ++lines;
        start = end + 1;
    }
    return widest;
}

// --- Styles.

TAxisLabelStyle TChartAxis::AutoLabelStyle() const {
    TAxisLabelStyle style = talNone;
    if (!FHost) return style;
    FHost->ForEachSeries(true, [&](TChartSeries& series) {
        if (style == talText || !series.UsesAxis(this)) return;
        style = talValue;
        // Points placed along this axis that carry texts: the texts label the axis.
        const bool along = FHorizontal ? series.YMandatory() : !series.YMandatory();
        if (along && !series.HasOwnDepth && HasLabelText(series)) style = talText;
    });
    return style;
}

TAxisLabelStyle TChartDepthAxis::AutoLabelStyle() const {
    // Series that spread over depth are labelled by value; flat ones by their titles.
    TAxisLabelStyle style = talText;
    if (!Host()) return style;
    Host()->ForEachSeries(true, [&](TChartSeries& series) {
        if (series.HasOwnDepth || series.GetMinZValue() != series.GetMaxZValue()) style = talValue;
    });
    return style;
}

TAxisLabelStyle TChartAxis::EffectiveLabelStyle() const {
    return FLabels.LabelStyle == talAuto ? AutoLabelStyle() : FLabels.LabelStyle;
}

// --- Texts.

std::string TChartAxis::FormatLabel(double value) {
    std::string text;
    if (IsDateTimeAxis() && HasDateText(value)) {
        const std::string& format = FLabels.DateTimeFormat;
        text = FormatDateTime(format.empty() ? DateTimeFormatFor(FIRange) : format, value);
    } else {
        text = FormatFloat(FLabels.AxisValuesFormat, value);
    }
    if (FHost && !FLabelEventDetached && FHost->HasGetAxisLabel())
        FHost->GetAxisLabel(*this, nullptr, -1, text);
    if (FLabels.LabelsMultiLine) std::replace(text.begin(), text.end(), ' ', '\r');
    return text;
}

// --- Sizes.

int TChartAxis::LabelExtent(bool horizontal, double value) {
    TTeeCanvas* canvas = FHost ? FHost->AxisCanvas() : nullptr;
    if (!canvas) return 0;
    int lines = 0;
    const int width = MultiLineTextWidth(*canvas, FormatLabel(value), lines);
    if (RunsAcross(horizontal, FLabels.LabelsAngle)) return canvas->MeasureLineHeight() * lines;
    return width;
}

int TChartAxis::WidestValueLabel() {
    TTeeCanvas* canvas = FHost ? FHost->AxisCanvas() : nullptr;
    if (!canvas) return 0;
    const double step = ComputeLabelIncrement();
    const TValueGuard detached(FLabelEventDetached, true);
    int lines = 0;
    auto width = [&](double value) {
        return MultiLineTextWidth(*canvas, FormatLabel(value), lines);
    };
    int widest = 0;
    if (step <= 0) {
        widest = std::max(width(FIMinimum), width(FIMaximum));
    } else {
        const bool dateTime = IsDateTimeAxis();
        const bool calendar =
            dateTime && FLabels.ExactDateTime && CalendarCovers(FIMinimum, FIMaximum);
        const int stepIndex = calendar ? FindDateTimeStep(step) : dtNone;
        double value = FIMaximum;
        if (stepIndex != dtNone)
            value = AlignDateTimeToStep(stepIndex, value);
        else if (FLabels.RoundFirstLabel && std::isfinite(FIMaximum / step) &&
                 FloatToStr(FIMinimum) != FloatToStr(FIMaximum))
            value = step * std::trunc(FIMaximum / step);
        // The walk draws a range of nothing (all values equal), or a step too small to change
        // the value, as the one label of its first value: that label needs its room too.
        if (FIZeroRange || FIRange < 1e-10 || FloatToStr(value) == FloatToStr(value - step))
            widest = width(value);
        for (int i = 0; i < MaxMeasuredLabels && value >= FIMinimum; ++i) {
            widest = std::max(widest, width(value));
            IncDateTimeStep(false, value, stepIndex, step);
        }
    }
    return widest + canvas->MeasureTextWidth(" ");
}

int TChartAxis::WidestLabel() {
    TTeeCanvas* canvas = FHost ? FHost->AxisCanvas() : nullptr;
    if (!canvas) return 0;
    int widest = 0, lines = 0;
    if (!FItems->Auto()) {
        // The user's items, each in its own font, as they are drawn.
        for (int i = 0; i < FItems->Count(); ++i) {
            TAxisItem& item = *FItems->Get(i);
            canvas->UseFont(item.Font());
            const std::string text = item.Text().empty() ? FormatLabel(item.Value()) : item.Text();
            widest = std::max(widest, MultiLineTextWidth(*canvas, text, lines));
        }
        return widest;
    }
    switch (EffectiveLabelStyle()) {
        case talValue:
            return WidestValueLabel();
        case talMark:
            return FHost->MaxMarkWidthOfSeries();
        case talText: {
            // Every point label of every series, active or not, as the chart's event leaves it.
            const bool event = FHost->HasGetAxisLabel();
            FHost->ForEachSeries(false, [&](TChartSeries& series) {
                const int count = event ? series.Count() : series.Labels().Count();
                for (int i = 0; i < count; ++i) {
                    std::string text = series.PointLabel(i);
                    if (event) FHost->GetAxisLabel(*this, &series, i, text);
                    widest = std::max(widest, MultiLineTextWidth(*canvas, text, lines));
                }
            });
            return widest;
        }
        default:
            return 0;
    }
}

int TChartAxis::LabelSize(TTeeFont* font, int angle, int fixedSize, const std::string* text) {
    if (fixedSize != 0) return fixedSize;
    TTeeCanvas* canvas = FHost ? FHost->AxisCanvas() : nullptr;
    if (!canvas) return 0;
    if (font) canvas->UseFont(font);
    if (RunsAlong(FHorizontal, angle)) return canvas->MeasureLineHeight();
    return text ? canvas->MeasureTextWidth(*text) : WidestLabel();
}
