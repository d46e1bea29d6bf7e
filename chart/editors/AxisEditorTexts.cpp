#include "chart/editors/AxisEditorTexts.h"

#include <cmath>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartLists.h"
#include "chart/foundation/DateTimeSteps.h"
#include "platform/rtl/DateTimeFormat.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/MessageService.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/Strings.h"

namespace {

// The date-time values the calendar can write as a date lie strictly inside this range.
constexpr double MinDateValue = -657435;
constexpr double MaxDateValue = 2958466;

bool HasDate(double value) { return value > MinDateValue && value < MaxDateValue; }

// The time of day of any value: the calendar refuses values outside its range, whose time part
// is still worth showing.
std::string TimeOfDayText(double value) { return TimeToStr(std::fabs(value - std::trunc(value))); }

const double OneSecond = 1.0 / 86400.0;

}  // namespace

void AddAxisNames(const TCustomAxisPanel& chart, TStrings& list, bool withDepth) {
    list.Clear();
    for (const char* name : {"Left Axis", "Right Axis", "Top Axis", "Bottom Axis"}) list.Add(name);
    if (withDepth) {
        list.Add("Depth Right");
        list.Add("Depth Top");
    }
    TChartAxes& axes = const_cast<TCustomAxisPanel&>(chart).Axes();
    for (int i = 6; i < axes.Count(); ++i) list.Add("Custom " + IntToStr(i - 6));
}

TChartAxis* AxisOfListIndex(const TCustomAxisPanel& chart, int index) {
    switch (index) {
        case 0:
            return chart.LeftAxis();
        case 1:
            return chart.RightAxis();
        case 2:
            return chart.TopAxis();
        case 3:
            return chart.BottomAxis();
        case 4:
            return static_cast<TChartAxis*>(chart.DepthAxis());
        case 5:
            return static_cast<TChartAxis*>(chart.DepthTopAxis());
        default:
            break;
    }
    TChartAxes& axes = const_cast<TCustomAxisPanel&>(chart).Axes();
    return index >= 6 && index < axes.Count() ? axes.GetAxis(index) : nullptr;
}

int ListIndexOfAxis(const TCustomAxisPanel& chart, const TChartAxis* axis) {
    for (int i = 0; i < 6; ++i)
        if (AxisOfListIndex(chart, i) == axis) return i;
    TChartAxes& axes = const_cast<TCustomAxisPanel&>(chart).Axes();
    int index = axes.IndexOf(axis);
    return index >= 6 ? index : -1;
}

const char* DateTimeStepCaption(int step) {
    static const char* const captions[DateTimeStepCount] = {
        "One Microsecond", "One Millisecond", "One Second", "Five Seconds", "Ten Seconds",
        "Fifteen Seconds", "Thirty Seconds",  "One Minute", "Five Minutes", "Ten Minutes",
        "Fifteen Minutes", "Thirty Minutes",  "One Hour",   "Two Hours",    "Six Hours",
        "Twelve Hours",    "One Day",         "Two Days",   "Three Days",   "One Week",
        "Half Month",      "One Month",       "Two Months", "Three Months", "Four Months",
        "Six Months",      "One Year"};
    return step >= 0 && step < DateTimeStepCount ? captions[step] : "";
}

std::string CustomIncrementText(double increment) {
    if (!(increment > 0)) return TimeToStr(OneSecond);
    if (increment >= 1) {
        double days = std::trunc(increment);
        double fraction = increment - days;
        std::string text = FloatToStr(days);
        if (fraction != 0) text += " " + TimeToStr(fraction);
        return text;
    }
    return TimeToStr(increment);
}

std::string IncrementText(bool isDateTime, bool exact, const std::string& valuesFormat,
                          double increment) {
    if (isDateTime) {
        int step = FindDateTimeStep(increment);
        if (exact && step != dtNone) return DateTimeStepCaption(step);
        return CustomIncrementText(increment);
    }
    std::string text = FormatFloat(valuesFormat, increment);
    long double back = 0;
    if (!TryStrToFloat(text, back)) back = 0;
    if (double(back) != increment) text = FloatToStr(increment);
    return text;
}

double ParseCustomIncrement(bool isDateTime, const std::string& text) {
    if (!isDateTime) return double(StrToFloat(text));
    size_t blank = text.find(' ');
    if (blank != std::string::npos) {
        double days = double(StrToFloat(text.substr(0, blank)));
        return days + StrToTime(text.substr(blank + 1, 255));
    }
    long double number = 0;
    if (TryStrToFloat(text, number)) return double(number);
    TDateTime time = 0;
    if (TryStrToTime(text, time)) return time;
    return double(StrToFloat(text));
}

std::string LimitDateText(double value) { return HasDate(value) ? DateToStr(value) : ""; }

std::string LimitTimeText(double value) { return TimeOfDayText(value); }

std::string LimitLabelText(bool isDateTime, const std::string& valuesFormat, double value) {
    if (isDateTime) return HasDate(value) ? DateTimeToStr(value) : TimeOfDayText(value);
    return FormatFloat(valuesFormat, value);
}

double ParseAxisLimit(bool isDateTime, const std::string& dateText, const std::string& timeText) {
    if (!isDateTime) return double(StrToFloat(dateText));
    if (!dateText.empty()) return StrToDateTime(dateText + " " + timeText);
    return StrToTime(timeText);
}

void ShowIncorrectValue(const std::string& reason) {
    ShowMessage(Format("Incorrect value. Reason: %s", {reason}));
}
