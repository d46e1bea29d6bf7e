#pragma once
// Date and time text by pattern, with the letters and separators of FormatSettings().
#include <string>
#include <string_view>

#include "platform/rtl/DateTime.h"

// Pattern letters (case does not matter):
//   c       short date, then a blank and the long time unless the time is exactly midnight
//   d dd    day (dd with a leading zero); ddd dddd short and long day name;
//   ddddd dddddd short and long date format
//   m mm    month, or the minutes right after an h or hh; mmm mmmm short and long month name
//   yy yyyy two- and four-digit year
//   h hh    hour (12-hour clock when an am/pm marker follows); n nn minutes; s ss seconds;
//   z zzz   milliseconds; t tt short and long time format
//   am/pm a/p  the marker in the case written; ampm  TimeAMString / TimePMString
//   /  :    DateSeparator and TimeSeparator
//   '...' "..." literal text; any other character is copied.
// An empty format gives what "c" gives.
std::string FormatDateTime(std::string_view format, TDateTime dateTime);

// Short date, a blank and long time; the time is left out when it is midnight.
std::string DateTimeToStr(TDateTime dateTime);
std::string DateToStr(TDateTime dateTime);
std::string TimeToStr(TDateTime dateTime);

// Two-digit years fall in the hundred years that start this many years before the current year
// (with 2026 as the current year, 76 reads as 1976 and 75 as 2075).
inline constexpr int TwoDigitYearCenturyWindow = 50;

// Text back to dates and times, with the separators and the order of ShortDateFormat:
//   date       two or three numbers joined by DateSeparator, month, day and year in the order of
//              the first d, m or y of ShortDateFormat; with two numbers the year is this year's;
//              a year of one or two digits is placed by TwoDigitYearCenturyWindow
//   time       hour, then optionally TimeSeparator minutes, TimeSeparator seconds and
//              DecimalSeparator milliseconds (up to three digits, read as a number of
//              milliseconds), with an optional TimeAMString/TimePMString (or AM/PM, any case)
//              before or after it
//   date-time  a date, optionally followed by blanks and a time; or a time alone (day 0)
// Blanks around the text are ignored. StrToDate, StrToTime and StrToDateTime raise EConvertError
// "'x' is not a valid date", "... time" or "... date and time" (x as given).
bool TryStrToDate(std::string_view s, TDateTime& value);
bool TryStrToTime(std::string_view s, TDateTime& value);
bool TryStrToDateTime(std::string_view s, TDateTime& value);
TDateTime StrToDate(std::string_view s);
TDateTime StrToTime(std::string_view s);
TDateTime StrToDateTime(std::string_view s);
