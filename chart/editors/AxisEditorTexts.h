#pragma once
// What the axis page and its limit and increment dialogs show and read: the names of a chart's
// axes, the text of an increment, the standard date-time steps' captions and the parsing of what
// the user typed. Parsing failures raise EConvertError with the platform's conversion message,
// which the dialogs show through ShowIncorrectValue.
#include <string>

class TCustomAxisPanel;
class TChartAxis;
class TStrings;

// Clears list and fills it with "Left Axis", "Right Axis", "Top Axis", "Bottom Axis", with
// withDepth "Depth Right" and "Depth Top", then "Custom 0", "Custom 1"... for the custom axes.
void AddAxisNames(const TCustomAxisPanel& chart, TStrings& list, bool withDepth);
// The axis of an entry of that list: 0 left, 1 right, 2 top, 3 bottom, 4 depth, 5 depth-top,
// 6 and on the chart's axis list at that index; null out of range.
TChartAxis* AxisOfListIndex(const TCustomAxisPanel& chart, int index);
// The entry of an axis in that list (-1 when the chart has no such axis).
int ListIndexOfAxis(const TCustomAxisPanel& chart, const TChartAxis* axis);

// The caption of a standard date-time step (0..26).
const char* DateTimeStepCaption(int step);

// An increment as the increment dialog writes it on a date-time axis: whole days and a time.
std::string CustomIncrementText(double increment);
// The increment as the axis page shows it: a step's caption on a date-time axis with exact steps,
// else the custom text; on other axes the value under the axis format, or its plain text when
// the formatted text does not read back as the increment.
std::string IncrementText(bool isDateTime, bool exact, const std::string& valuesFormat,
                          double increment);
// What the increment dialog's custom edit holds, as an increment: on a numeric axis a number; on
// a date-time axis "[days] [time]", a number of days or a time.
double ParseCustomIncrement(bool isDateTime, const std::string& text);

// A limit as the limit dialog shows it on a date-time axis: the date (empty for values outside
// the calendar's range) and the time.
std::string LimitDateText(double value);
std::string LimitTimeText(double value);
// A limit as the axis page's label shows it.
std::string LimitLabelText(bool isDateTime, const std::string& valuesFormat, double value);
// A limit from the dialog's edits: date and time on a date-time axis (the time alone when the
// date is empty), else the number in the first edit.
double ParseAxisLimit(bool isDateTime, const std::string& dateText, const std::string& timeText);

// Shows "Incorrect value. Reason: %s" in a plain message box.
void ShowIncorrectValue(const std::string& reason);
