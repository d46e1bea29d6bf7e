#include "chart/foundation/DateTimeSteps.h"

#include <algorithm>
#include <cmath>

#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/RtlMath.h"

namespace {

constexpr double kSecond = 1.0 / 86400.0;
constexpr double kMinute = 1.0 / 1440.0;
constexpr double kHour = 1.0 / 24.0;

}  // namespace

// clang-format off
const std::array<double, DateTimeStepCount> DateTimeSteps = {
    kSecond / 1000000.0, kSecond / 1000.0,
    kSecond, 5 * kSecond, 10 * kSecond, 15 * kSecond, 30 * kSecond,
    kMinute, 5 * kMinute, 10 * kMinute, 15 * kMinute, 30 * kMinute,
    kHour, 2 * kHour, 6 * kHour, 12 * kHour,
    1, 2, 3, 7,
    15, 30, 60, 90, 120, 182,
    365};
// clang-format on

int DaysOfMonth(int Year, int Month) { return DaysInAMonth(Year, Month); }

std::string DateTimeFormatFor(double Increment) {
    const TFormatSettings& settings = FormatSettings();
    return Increment > 1.0 ? settings.ShortDateFormat : settings.ShortTimeFormat;
}

double NextDateTimeStep(double Increment) {
    for (int k = DateTimeStepCount - 2; k >= 0; --k)
        if (Increment >= DateTimeSteps[size_t(k)]) return DateTimeSteps[size_t(k + 1)];
    return DateTimeSteps[0];
}

int FindDateTimeStep(double Value) {
    for (int k = DateTimeStepCount - 1; k >= 0; --k)
        if (std::fabs(DateTimeSteps[size_t(k)] - Value) < DateTimeSteps[0]) return k;
    return dtNone;
}

double AlignDateTimeToStep(int StepKind, double Value) {
    if (Value == 0) return Value;
    switch (StepKind) {
        case dtOneDay:
            return double(Round(Value));
        case dtTwoDays:
            return double(Round(Value / 2) * 2);
        case dtThreeDays:
            return double(Round(Value / 3) * 3);
        case dtOneWeek:
            return double(Round((Value - 2) / 7) * 7 + 2);
        default:
            break;
    }
    if (StepKind < dtHalfMonth || StepKind > dtOneYear) return Value;
    int year, month, day;
    DecodeDate(Value, year, month, day);
    if (StepKind == dtHalfMonth)
        day = day < 15 ? 1 : 15;
    else
        day = 1;
    if (StepKind == dtOneYear) month = 1;
    return EncodeDate(year, month, day);
}

namespace {

// The value as its shortest general text of 15 significant digits, read back: sums of such
// values do not gather the binary noise of repeated stepping.
double RoundTo15Digits(double value) {
    const TFormatSettings& settings = FormatSettings();
    return double(StrToFloat(FloatToStr(value, settings), settings));
}

// Moves to day 1 of the month n months up or down.
void MoveMonths(int& year, int& month, int& day, int n, bool up) {
    day = 1;
    if (up) {
        month += n;
        if (month > 12) {
            ++year;
            month -= 12;
        }
    } else if (n >= month) {
        --year;
        month = month + 12 - n;
    } else {
        month -= n;
    }
}

int MonthsOfStep(int kind) {
    switch (kind) {
        case dtOneMonth:
            return 1;
        case dtTwoMonths:
            return 2;
        case dtThreeMonths:
            return 3;
        case dtFourMonths:
            return 4;
        default:
            return 6;
    }
}

}  // namespace

void AdvanceValueByStep(bool Calendar, bool Up, double& Value, int StepKind, double Amount) {
    if (!Calendar) {
        const double value = RoundTo15Digits(Value);
        const double amount = RoundTo15Digits(Amount);
        Value = Up ? value + amount : value - amount;
        return;
    }
    if (StepKind < dtHalfMonth || StepKind > dtOneYear) {
        Value = Up ? Value + Amount : Value - Amount;
        return;
    }
    int year, month, day;
    DecodeDate(Value, year, month, day);
    if (StepKind == dtHalfMonth) {
        if (Up) {
            // Upwards the mirror of the downward rule: the first half ends on the 15th, the
            // second half on the first of the next month.
            if (day < 15)
                day = 15;
            else
                MoveMonths(year, month, day, 1, true);
        } else if (day > 15) {
            day = 15;
        } else if (day == 1) {
            MoveMonths(year, month, day, 1, false);
            day = 15;
        } else {
            day = 1;
        }
    } else if (StepKind == dtOneYear) {
        // Whole years until Amount is covered. The day is kept where the month has it, so that
        // 29 February steps to 28 February of a common year instead of an invalid date.
        const double target = Up ? Value + Amount : Value - Amount;
        double date;
        do {
            year += Up ? 1 : -1;
            date = EncodeDate(year, month, std::min(day, DaysOfMonth(year, month)));
        } while (Up ? date < target : date > target);
        Value = date;
        return;
    } else {
        MoveMonths(year, month, day, MonthsOfStep(StepKind), Up);
    }
    Value = EncodeDate(year, month, day);
}
