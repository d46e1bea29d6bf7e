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
