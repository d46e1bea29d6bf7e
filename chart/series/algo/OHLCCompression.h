#pragma once
// Which points of a dated series open a new bar when they are compressed into coarser bars:
// by a fixed number of points, or by a calendar or clock period. A period only looks at one
// part of the date (the weekday, the month, the minute ...), so two points open one bar when
// that part is equal, whatever lies between them in time: January of two consecutive years
// share a monthly bar when no other month comes between. A week opens when the weekday number
// (Monday 1 .. Sunday 7) falls back.
#include <span>
#include <vector>

#include "platform/rtl/DateTime.h"

enum TCompressionPeriod {
    ocDay,
    ocWeek,
    ocMonth,
    ocBiMonth,
    ocQuarter,
    ocYear,
    ocSecond,
    ocTenSecond,
    ocMinute,
    ocTwoMinutes,
    ocFiveMinutes,
    ocTenMinutes,
    ocFifteenMinutes,
    ocTwentyMinutes,
    ocHalfHour,
    ocHour,
    ocTwoHours,
    ocThreeHour,
    ocSixHour,
    ocTwelveHour
};

// The group key of a date. A value that is no date of years 1 to 9999 has the key 0.
int CompressionKey(TDateTime date, TCompressionPeriod period);

// One flag per date: true where a bar opens (always at the first point). With pointsPerBar
// above 0 a bar opens every that many points and the dates are not read.
std::vector<bool> CompressionGroupStarts(std::span<const TDateTime> dates,
                                         TCompressionPeriod period, int pointsPerBar);
