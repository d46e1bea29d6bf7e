#pragma once
// Dates and times as TDateTime: days since 30 December 1899 in the integral part, the time of day
// in the fraction. For a value before that day the fraction still counts forward from midnight of
// the integral day: -1.25 is 29 December 1899 06:00.
#include <array>
#include <cstdint>

using TDateTime = double;

inline constexpr double HoursPerDay = 24;
inline constexpr double MinsPerDay = 24 * 60;
inline constexpr double SecsPerDay = 24 * 60 * 60;
inline constexpr double MSecsPerDay = 24 * 60 * 60 * 1000.0;
// Days from 1 January 0001 to 30 December 1899, counting the first day as 1.
inline constexpr int DateDelta = 693594;

inline constexpr const char* SDateEncodeError = "Invalid argument to date encode";
inline constexpr const char* STimeEncodeError = "Invalid argument to time encode";

bool IsLeapYear(int year);
// MonthDays[IsLeapYear(y)][m] for months 1..12 (index 0 is unused).
inline constexpr std::array<std::array<int, 13>, 2> MonthDays{{
    {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
    {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
}};
int DaysInAMonth(int year, int month);
int DaysInMonth(TDateTime dateTime);

// Years 1..9999. The Try forms answer false for an invalid date or time; the others raise
// EConvertError with SDateEncodeError / STimeEncodeError.
bool TryEncodeDate(int year, int month, int day, TDateTime& date);
TDateTime EncodeDate(int year, int month, int day);
bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& time);
TDateTime EncodeTime(int hour, int min, int sec, int msec);

// The time of day is rounded to the nearest millisecond; a value that rounds up to midnight
// belongs to the next day. A value outside years 1..9999 (or not finite) raises EConvertError.
void DecodeDate(TDateTime dateTime, int& year, int& month, int& day);
void DecodeTime(TDateTime dateTime, int& hour, int& min, int& sec, int& msec);
void DecodeDateTime(TDateTime dateTime, int& year, int& month, int& day, int& hour, int& min,
                    int& sec, int& msec);

// 1 = Sunday .. 7 = Saturday.
int DayOfWeek(TDateTime dateTime);
// Moves by whole months, keeping the time of day; the day is clamped to the target month's
// length (31 January + 1 month = 28 or 29 February).
TDateTime IncMonth(TDateTime dateTime, int numberOfMonths = 1);

// Local time of the system clock.
TDateTime Now();
TDateTime Date();
TDateTime Time();

// The database files' form: milliseconds since 1 January 0001 (proleptic Gregorian) plus one
// day, so that 30 December 1899 00:00 is 59926521600000. Both ways round to a whole millisecond.
// MSecsToDateTime raises EConvertError for a value before 1 January 0001 or not finite.
double DateTimeToMSecs(TDateTime dateTime);
TDateTime MSecsToDateTime(double msecs);
