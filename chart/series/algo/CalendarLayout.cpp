#include "chart/series/algo/CalendarLayout.h"

#include <algorithm>

int MondayBasedWeekDay(TDateTime date) {
    // DayOfWeek counts Sunday 1 ... Saturday 7.
    const int d = DayOfWeek(date);
    return d == 1 ? 7 : d - 1;
}

int FirstDayColumn(TDateTime date, int firstDayOfWeek, int columns) {
    int year = 0, month = 0, day = 0;
    DecodeDate(date, year, month, day);
    const int w = MondayBasedWeekDay(EncodeDate(year, month, 1));
    const int c = std::max(columns, 1);
    return ((w - firstDayOfWeek + 6) % c + c) % c + 1;
}

TDateTime DateInMonth(TDateTime date, int year, int month) {
    int y = 0, m = 0, d = 0;
    DecodeDate(date, y, m, d);
    return EncodeDate(year, month, std::min(d, DaysInAMonth(year, month)));
}

bool CalendarCellDate(TDateTime date, const TCalendarCellPlace& place, int column, int row,
                      TDateTime& result) {
    int year = 0, month = 0, day = 0;
    DecodeDate(date, year, month, day);
    if (row < place.FirstRow) return false;
    if (row == place.FirstRow) {
        if (column >= place.FirstColumn) {
            result = EncodeDate(year, month, column - place.FirstColumn + 1);
            return true;
        }
        if (!place.Trailing) return false;
        const int prevYear = month == 1 ? year - 1 : year;
        const int prevMonth = month == 1 ? 12 : month - 1;
        const int prevDays = DaysInAMonth(prevYear, prevMonth);
        result = EncodeDate(prevYear, prevMonth, column + prevDays - place.FirstColumn + 1);
        return true;
    }
    // Weeks have seven days whatever the number of columns.
    const int d = column + 7 * (row - place.FirstRow) - place.FirstColumn + 1;
    const int length = DaysInAMonth(year, month);
    if (d <= length) {
        result = EncodeDate(year, month, d);
        return true;
    }
    if (!place.Trailing) return false;
    const int nextYear = month == 12 ? year + 1 : year;
    const int nextMonth = month == 12 ? 1 : month + 1;
    const int nextDay = d - length;
    if (nextDay > DaysInAMonth(nextYear, nextMonth)) return false;
    result = EncodeDate(nextYear, nextMonth, nextDay);
    return true;
}
