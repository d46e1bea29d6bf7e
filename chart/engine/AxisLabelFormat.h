#pragma once
// Measuring label texts, which may hold several lines separated by carriage returns, and the
// dates that have a text.
#include <string_view>

class TTeeCanvas;

// The widest line of text with the surface's current font, and the number of lines. A last
// line after the final separator counts only when it is not empty; an empty text has no line.
int MultiLineTextWidth(TTeeCanvas& canvas, std::string_view text, int& lines);

// The value is a date of the years 1 to 9999, which date formats can write. The label step
// search also measures values far beyond (the user's step times the minimum, so a year-long
// step turns a date into a count of days); those are written as numbers rather than failing.
bool HasDateText(double value);
// Calendar steps and alignment may be used between these limits: a year beyond either end is
// still a date.
bool CalendarCovers(double minimum, double maximum);
