#include <gtest/gtest.h>

#include <cmath>
#include <ctime>

#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"

TEST(DateTime, EncodeAndDecodeKnownDates) {
    struct Case {
        int y, m, d;
        double serial;
        int dayOfWeek;
    } cases[] = {
        {1899, 12, 30, 0, 7},  {1899, 12, 29, -1, 6},      {1900, 1, 1, 2, 2},
        {1900, 3, 1, 61, 5},   {2000, 2, 29, 36585, 3},    {2026, 12, 10, 46366, 5},
        {1, 1, 1, -693593, 2}, {9999, 12, 31, 2958465, 6}, {1970, 1, 1, 25569, 5},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EncodeDate(c.y, c.m, c.d), c.serial) << c.y << "-" << c.m << "-" << c.d;
        int y, m, d;
        DecodeDate(c.serial, y, m, d);
        EXPECT_EQ(y * 10000 + m * 100 + d, c.y * 10000 + c.m * 100 + c.d) << c.serial;
        EXPECT_EQ(DayOfWeek(c.serial), c.dayOfWeek) << c.serial;
    }
}

TEST(DateTime, InvalidEncodingsAreRefused) {
    struct Case {
        int y, m, d;
        bool valid;
    } dates[] = {{1900, 2, 29, false}, {2000, 2, 29, true},  {2024, 2, 29, true},
                 {2023, 2, 29, false}, {2023, 4, 31, false}, {2023, 13, 1, false},
                 {2023, 0, 1, false},  {0, 1, 1, false},     {10000, 1, 1, false},
                 {2023, 1, 0, false}};
    for (const auto& c : dates) {
        TDateTime out = -1;
        EXPECT_EQ(TryEncodeDate(c.y, c.m, c.d, out), c.valid) << c.y << "-" << c.m << "-" << c.d;
        if (!c.valid) {
            try {
                EncodeDate(c.y, c.m, c.d);
                ADD_FAILURE() << "accepted " << c.y << "-" << c.m << "-" << c.d;
            } catch (const EConvertError& e) {
                EXPECT_EQ(e.Message(), "Invalid argument to date encode");
            }
        }
    }
    struct Time {
        int h, n, s, ms;
        bool valid;
    } times[] = {{23, 59, 59, 999, true}, {24, 0, 0, 0, false},   {0, 60, 0, 0, false},
                 {0, 0, 60, 0, false},    {0, 0, 0, 1000, false}, {-1, 0, 0, 0, false}};
    for (const auto& t : times) {
        TDateTime out;
        EXPECT_EQ(TryEncodeTime(t.h, t.n, t.s, t.ms, out), t.valid)
            << t.h << ":" << t.n << ":" << t.s;
        if (!t.valid) {
            EXPECT_THROW(EncodeTime(t.h, t.n, t.s, t.ms), EConvertError);
        }
    }
    EXPECT_EQ(EncodeTime(6, 0, 0, 0), 0.25);
}

TEST(DateTime, DecodeTimeRoundsToMillisecondsAndCountsForwardBefore1899) {
    struct Case {
        double value;
        int y, m, d, h, n, s, ms;
    } cases[] = {
        {-1.25, 1899, 12, 29, 6, 0, 0, 0},  // the fraction counts from midnight of day -1
        {-0.5, 1899, 12, 30, 12, 0, 0, 0},  // integral day 0 is 30 December
        {0.75, 1899, 12, 30, 18, 0, 0, 0},
        {1 - 0.4 / MSecsPerDay, 1899, 12, 31, 0, 0, 0, 0},  // rounds up into the next day
        {36585 + (3723004.0 / MSecsPerDay), 2000, 2, 29, 1, 2, 3, 4},
    };
    for (const auto& c : cases) {
        int y, m, d, h, n, s, ms;
        DecodeDateTime(c.value, y, m, d, h, n, s, ms);
        EXPECT_EQ(y * 10000 + m * 100 + d, c.y * 10000 + c.m * 100 + c.d) << c.value;
        EXPECT_EQ(((h * 60 + n) * 60 + s) * 1000 + ms, ((c.h * 60 + c.n) * 60 + c.s) * 1000 + c.ms)
            << c.value;
    }
    for (double bad : {double(NAN), double(INFINITY), -693594.0, 2958466.0}) {
        int y, m, d;
        EXPECT_THROW(DecodeDate(bad, y, m, d), EConvertError) << bad;
    }
}

TEST(DateTime, IncMonthClampsTheDayAndKeepsTheTime) {
    struct Case {
        int y, m, d, months;
        int ey, em, ed;
    } cases[] = {
        {2024, 1, 31, 1, 2024, 2, 29},    {2023, 1, 31, 1, 2023, 2, 28},
        {2023, 3, 31, -1, 2023, 2, 28},   {2023, 12, 15, 1, 2024, 1, 15},
        {2023, 1, 15, -13, 2021, 12, 15}, {2023, 5, 31, 0, 2023, 5, 31},
    };
    for (const auto& c : cases) {
        const TDateTime result = IncMonth(EncodeDate(c.y, c.m, c.d) + 0.5, c.months);
        EXPECT_EQ(result, EncodeDate(c.ey, c.em, c.ed) + 0.5)
            << c.y << "-" << c.m << "-" << c.d << " " << c.months;
    }
    EXPECT_EQ(IncMonth(-1.25, 1), EncodeDate(1900, 1, 29) + 0.25);
    EXPECT_THROW(IncMonth(EncodeDate(9999, 12, 1), 1), EConvertError);
    EXPECT_EQ(DaysInMonth(EncodeDate(2024, 2, 10)), 29);
    EXPECT_EQ(DaysInAMonth(1900, 2), 28);
    EXPECT_EQ(MonthDays[IsLeapYear(2000)][2], 29);
}

TEST(DateTime, MillisecondFormBothWays) {
    struct Case {
        TDateTime value;
        double msecs;
    } cases[] = {
        {0, 59926521600000.0},
        {-1.25, 59926521600000.0 - 86400000.0 + 21600000.0},
        {1.5, 59926521600000.0 + 86400000.0 * 1.5},
        {EncodeDate(1, 1, 1), 86400000.0},
        {EncodeDate(2026, 12, 10) + EncodeTime(13, 45, 7, 123),
         59926521600000.0 + 46366 * 86400000.0 + 49507123.0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DateTimeToMSecs(c.value), c.msecs) << c.value;
        EXPECT_DOUBLE_EQ(MSecsToDateTime(c.msecs), c.value) << c.msecs;
        EXPECT_EQ(DateTimeToMSecs(MSecsToDateTime(c.msecs)), c.msecs) << c.msecs;
    }
    // Rounding to a whole millisecond, both ways.
    EXPECT_EQ(DateTimeToMSecs(0.6 / MSecsPerDay), 59926521600001.0);
    EXPECT_EQ(DateTimeToMSecs(0.4 / MSecsPerDay), 59926521600000.0);
    EXPECT_EQ(MSecsToDateTime(59926521600000.0 + 86400000.0 * 0.5 + 0.3), 0.5);
    for (double bad : {0.0, 86399999.0, -1.0, double(NAN), double(INFINITY)})
        EXPECT_THROW(MSecsToDateTime(bad), EConvertError) << bad;
}

TEST(DateTime, ClockReadsAreConsistent) {
    // Date() and Time() read the clock apart; when midnight falls between the reads they belong
    // to different days, so the reads are taken again (midnight cannot fall twice in a row).
    TDateTime before = 0, date = 0, time = 0, after = 0;
    for (int attempt = 0; attempt < 3; ++attempt) {
        before = Now();
        date = Date();
        time = Time();
        after = Now();
        if (std::trunc(before) == std::trunc(after)) break;
    }
    ASSERT_EQ(std::trunc(before), std::trunc(after));
    EXPECT_EQ(date, std::trunc(date));
    EXPECT_GE(time, 0);
    EXPECT_LT(time, 1);
    EXPECT_GE(date + time, before - 1.0 / SecsPerDay);
    EXPECT_LE(date + time, after + 1.0 / SecsPerDay);
    // Local time is the system's UTC clock moved by the zone, which is never more than 14 hours.
    const double utcDays = 25569 + double(std::time(nullptr)) / SecsPerDay;  // 1970-01-01 is 25569
    EXPECT_NEAR(before, utcDays, 15.0 / 24);
}
