#include "chart/series/algo/OHLCCompression.h"

#include <cmath>

namespace {

// From 1 January 0001 to the last instant of 31 December 9999 that does not round to the
// millisecond of the next day: outside them nothing decodes.
constexpr double FirstDateSerial = -693593;
constexpr double LastDateSerial = 2958466 - 1e-8;

bool Decodable(TDateTime date) {
    return std::isfinite(date) && date >= FirstDateSerial && date < LastDateSerial;
}

// Monday 1 .. Sunday 7.
int IsoWeekday(TDateTime date) { return (DayOfWeek(date) + 5) % 7 + 1; }

}  // namespace

int CompressionKey(TDateTime date, TCompressionPeriod period) {
    if (!Decodable(date)) return 0;
    int year, month, day, hour, minute, second, msec;
    DecodeDateTime(date, year, month, day, hour, minute, second, msec);
    switch (period) {
        case ocDay:
            return int(std::trunc(date));
        case ocWeek:
            return IsoWeekday(date);
        case ocMonth:
            return month;
        case ocBiMonth:
            return (month - 1) / 2;
        case ocQuarter:
            return (month - 1) / 3;
        case ocYear:
            return year;
        case ocSecond:
            return second;
        case ocTenSecond:
            return second / 10;
        case ocMinute:
            return minute;
        case ocTwoMinutes:
            return minute / 2;
        case ocFiveMinutes:
            return minute / 5;
        case ocTenMinutes:
            return minute / 10;
        case ocFifteenMinutes:
            return minute / 15;
        case ocTwentyMinutes:
            return minute / 20;
        case ocHalfHour:
            return minute / 30;
        case ocHour:
            return hour;
        case ocTwoHours:
            return hour / 2;
        case ocThreeHour:
            return hour / 3;
        case ocSixHour:
            return hour / 6;
        case ocTwelveHour:
            return hour / 12;
    }
    return 0;
}

std::vector<bool> CompressionGroupStarts(std::span<const TDateTime> dates,
                                         TCompressionPeriod period, int pointsPerBar) {
    std::vector<bool> starts(dates.size());
    int previous = 0;
    for (size_t i = 0; i < dates.size(); ++i) {
        if (pointsPerBar > 0) {
            starts[i] = i % size_t(pointsPerBar) == 0;
            continue;
        }
        const int key = CompressionKey(dates[i], period);
        starts[i] = i == 0 || (period == ocWeek ? key < previous : key != previous);
        previous = key;
    }
    return starts;
}
