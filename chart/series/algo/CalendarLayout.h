#pragma once
// Where the days of a month fall in a calendar grid of week rows, and which date a cell of that
// grid stands for, days of the neighbouring months ("trailing" days) included.
#include "platform/rtl/DateTime.h"

// Monday 1 ... Sunday 7.
int MondayBasedWeekDay(TDateTime date);
// The 1-based column of the first of date's month, in a grid whose first column is
// firstDayOfWeek (0 = Monday ... 6 = Sunday).
int FirstDayColumn(TDateTime date, int firstDayOfWeek, int columns);
// date's day in the month month of year, clamped to that month's length.
TDateTime DateInMonth(TDateTime date, int year, int month);

struct TCalendarCellPlace {
    int FirstRow;     // the row of the month's first day
    int FirstColumn;  // its column
    bool Trailing;    // whether the cells of the neighbouring months show their days
};

// The date of cell (column, row), both 1-based, of the month of date; false for header rows and
// for trailing days while they are hidden.
bool CalendarCellDate(TDateTime date, const TCalendarCellPlace& place, int column, int row,
                      TDateTime& result);
