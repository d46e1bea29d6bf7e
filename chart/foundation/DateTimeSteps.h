#pragma once
// The step lengths of date-time axes and period functions, with the rounding and calendar
// stepping they use. A step kind is an index into DateTimeSteps; kinds 16 to 26 (one day and
// longer) are the calendar kinds.
#include <array>
#include <string>

#include "platform/rtl/DateTime.h"

inline constexpr int DateTimeStepCount = 27;
// Step lengths in days: 1 microsecond, 1 millisecond; 1, 5, 10, 15, 30 seconds; 1, 5, 10, 15, 30
// minutes; 1, 2, 6, 12 hours; 1, 2, 3, 7 days; half a month, one month, 2, 3, 4, 6 months; one
// year.
extern const std::array<double, DateTimeStepCount> DateTimeSteps;

// Step kinds that the calendar routines treat specially.
inline constexpr int dtOneDay = 16;
inline constexpr int dtTwoDays = 17;
inline constexpr int dtThreeDays = 18;
inline constexpr int dtOneWeek = 19;
inline constexpr int dtHalfMonth = 20;
inline constexpr int dtOneMonth = 21;
inline constexpr int dtTwoMonths = 22;
inline constexpr int dtThreeMonths = 23;
inline constexpr int dtFourMonths = 24;
inline constexpr int dtSixMonths = 25;
inline constexpr int dtOneYear = 26;
// What FindDateTimeStep answers for a value that is no step.
inline constexpr int dtNone = 27;

// Days of the month (1 to 12), leap years counted.
int DaysOfMonth(int Year, int Month);
// The locale's short date format for increments above one day, else its short time format.
std::string DateTimeFormatFor(double Increment);
// The step just above Increment; a year for 182 days and more. Increments below a microsecond
// give the smallest step.
double NextDateTimeStep(double Increment);
// The highest kind whose step lies within a microsecond of Value; dtNone when none does.
int FindDateTimeStep(double Value);
// Value rounded to the step of the kind: whole days, pairs and triples of days, weeks counted
// from day 2 of the date scale, or midnight of the first (or 15th) of a month or year.
double AlignDateTimeToStep(int StepKind, double Value);
// Moves Value one step up or down: by Amount, or on the calendar by months and years.
void AdvanceValueByStep(bool Calendar, bool Up, double& Value, int StepKind, double Amount);
