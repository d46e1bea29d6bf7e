#include <gtest/gtest.h>

#include <cmath>

#include "chart/foundation/DateTimeSteps.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormatSettings.h"

namespace {

constexpr double kHour = 1.0 / 24;

TEST(DateTimeStepsTest, TableRunsUpwardFromAMicrosecondToAYear) {
    EXPECT_DOUBLE_EQ(DateTimeSteps[0] * 86400e6, 1);
    EXPECT_DOUBLE_EQ(DateTimeSteps[2] * 86400, 1);
    EXPECT_DOUBLE_EQ(DateTimeSteps[12], kHour);
    EXPECT_EQ(DateTimeSteps[dtOneDay], 1);
    EXPECT_EQ(DateTimeSteps[dtHalfMonth], 15);
    EXPECT_EQ(DateTimeSteps[dtSixMonths], 182);
    EXPECT_EQ(DateTimeSteps[dtOneYear], 365);
    for (int k = 1; k < DateTimeStepCount; ++k) EXPECT_LT(DateTimeSteps[k - 1], DateTimeSteps[k]);
}

TEST(DateTimeStepsTest, NextAndFindStep) {
    struct Case {
        double increment, next;
    } next[] = {
        {kHour, 2 * kHour},
        {200, 365},
        {182, 365},
        {1, 2},
        {1.5, 2},
        {3.5, 7},
        {DateTimeSteps[2], DateTimeSteps[3]},
        {1e-12, DateTimeSteps[0]},
    };
    for (const Case& c : next)
        EXPECT_DOUBLE_EQ(NextDateTimeStep(c.increment), c.next) << c.increment;

    struct Find {
        double value;
        int kind;
    } finds[] = {{1.0, dtOneDay},         {365, dtOneYear}, {7, dtOneWeek}, {15 / 1440.0, 10},
                 {2 * kHour + 1e-12, 13}, {1.5, dtNone},    {0, dtNone}};
    for (const Find& f : finds) EXPECT_EQ(FindDateTimeStep(f.value), f.kind) << f.value;
}

TEST(DateTimeStepsTest, FormatForIncrement) {
    TFormatSettingsGuard guard;
    FormatSettings().ShortDateFormat = "dd.MM.yy";
    FormatSettings().ShortTimeFormat = "hh:nn";
    EXPECT_EQ(DateTimeFormatFor(1.5), "dd.MM.yy");
    EXPECT_EQ(DateTimeFormatFor(1.0), "hh:nn");
}

TEST(DateTimeStepsTest, AlignToStep) {
    const double may20 = EncodeDate(2025, 5, 20) + 0.75;
    struct Case {
        int kind;
        double value, aligned;
    } cases[] = {
        {dtOneDay, 10.5, 10},  // halves to even
        {dtOneDay, 11.5, 12},
        {dtTwoDays, 5, 4},
        {dtThreeDays, 8, 9},
        {dtHalfMonth, may20, EncodeDate(2025, 5, 15)},
        {dtHalfMonth, EncodeDate(2025, 5, 14) + 0.5, EncodeDate(2025, 5, 1)},
        {dtOneMonth, may20, EncodeDate(2025, 5, 1)},
        {dtSixMonths, may20, EncodeDate(2025, 5, 1)},
        {dtOneYear, may20, EncodeDate(2025, 1, 1)},
        {5, may20, may20},  // not a calendar kind
        {dtOneYear, 0, 0},  // zero stays
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(AlignDateTimeToStep(c.kind, c.value), c.aligned)
            << c.kind << " " << c.value;
    for (double v : {45000.3, 45001.0, 45004.9, -20.0}) {
        const double week = AlignDateTimeToStep(dtOneWeek, v);
        EXPECT_EQ(std::fmod(week - 2, 7.0), 0.0) << v;
        EXPECT_LE(std::fabs(week - v), 3.5) << v;
    }
}

TEST(DateTimeStepsTest, AdvanceOnTheCalendar) {
    struct Case {
        bool up;
        int kind;
        TDateTime from, to;
    } cases[] = {
        {false, dtOneMonth, EncodeDate(2025, 3, 1), EncodeDate(2025, 2, 1)},
        {false, dtOneMonth, EncodeDate(2025, 1, 1), EncodeDate(2024, 12, 1)},
        {false, dtHalfMonth, EncodeDate(2025, 5, 20), EncodeDate(2025, 5, 15)},
        {false, dtHalfMonth, EncodeDate(2025, 5, 10), EncodeDate(2025, 5, 1)},
        {false, dtHalfMonth, EncodeDate(2025, 5, 1), EncodeDate(2025, 4, 15)},
        {true, dtHalfMonth, EncodeDate(2025, 5, 10), EncodeDate(2025, 5, 15)},
        {true, dtHalfMonth, EncodeDate(2025, 12, 15), EncodeDate(2026, 1, 1)},
        {true, dtOneMonth, EncodeDate(2025, 12, 31), EncodeDate(2026, 1, 1)},
        {true, dtThreeMonths, EncodeDate(2025, 11, 5) + 0.5, EncodeDate(2026, 2, 1)},
        {false, dtFourMonths, EncodeDate(2025, 4, 9), EncodeDate(2024, 12, 1)},
        {false, dtSixMonths, EncodeDate(2025, 7, 1), EncodeDate(2025, 1, 1)},
        {true, dtOneYear, EncodeDate(2025, 3, 10), EncodeDate(2026, 3, 10)},
        {false, dtOneYear, EncodeDate(2025, 3, 10), EncodeDate(2024, 3, 10)},
        // A leap day lands on the last day of February instead of an invalid date.
        {true, dtOneYear, EncodeDate(2024, 2, 29), EncodeDate(2025, 2, 28)},
        {true, dtOneDay, EncodeDate(2025, 3, 10), EncodeDate(2025, 3, 10) + 1},
    };
    for (const Case& c : cases) {
        double value = c.from;
        AdvanceValueByStep(true, c.up, value, c.kind, DateTimeSteps[c.kind]);
        EXPECT_DOUBLE_EQ(value, c.to) << (c.up ? "up " : "down ") << c.kind << " from " << c.from;
    }
    // A year step repeats until the amount is covered.
    double value = EncodeDate(2020, 6, 1);
    AdvanceValueByStep(true, true, value, dtOneYear, 3 * 365);
    EXPECT_DOUBLE_EQ(value, EncodeDate(2023, 6, 1));
}

TEST(DateTimeStepsTest, AdvancePlainStepsAreRoundedToFifteenDigits) {
    double value = 0;
    for (int i = 0; i < 10; ++i) AdvanceValueByStep(false, true, value, 0, 0.1);
    EXPECT_EQ(value, 1.0);  // ten plain additions of 0.1 would miss 1.0
    AdvanceValueByStep(false, false, value, 0, 0.3);
    EXPECT_EQ(value, 0.7);
}

}  // namespace
