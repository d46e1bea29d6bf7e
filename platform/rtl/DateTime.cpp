#include "platform/rtl/DateTime.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <string>

#include "platform/rtl/Exceptions.h"

namespace {

constexpr int64_t kMSecsPerDay = 86400000;
// 30 December 1899 counted from 1 January 1970.
constexpr int64_t kUnixDelta = 25569;
// The last representable day: 31 December 9999 is day 2958465.
constexpr double kMaxDate = 2958466;

// A date-time split into a day number (1 = 1 January 0001) and whole milliseconds of the day.
struct TTimeStamp {
    int64_t Date;
    int64_t Time;
};

TTimeStamp ToTimeStamp(TDateTime dt) {
    if (!std::isfinite(dt) || dt <= -DateDelta || dt >= kMaxDate)
        throw EConvertError("Invalid date and time value (" + std::to_string(dt) + ")");
    const double whole = std::trunc(dt);
    TTimeStamp ts{int64_t(whole) + DateDelta,
                  int64_t(std::nearbyint(std::fabs(dt - whole) * MSecsPerDay))};
    if (ts.Time >= kMSecsPerDay) {  // 23:59:59.9995 and later round to the next midnight
        ts.Time -= kMSecsPerDay;
        ++ts.Date;
    }
    return ts;
}

// Days since 1 January 1970 of a proleptic Gregorian date, and back (the classic era-based
// conversion, exact for every year).
int64_t DaysFromCivil(int64_t y, int m, int d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(int64_t z, int& year, int& month, int& day) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    day = int(doy - (153 * mp + 2) / 5 + 1);
    month = int(mp < 10 ? mp + 3 : mp - 9);
    year = int(yoe + era * 400 + (month <= 2));
}

// Joins a day number (TDateTime's integral part) and a time of day the way the fraction counts.
TDateTime Compose(double date, double timeOfDay) {
    return date >= 0 ? date + timeOfDay : date - timeOfDay;
}

}  // namespace

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int DaysInAMonth(int year, int month) {
    if (month < 1 || month > 12) throw EConvertError(SDateEncodeError);
    return MonthDays[IsLeapYear(year)][size_t(month)];
}

int DaysInMonth(TDateTime dateTime) {
    int y, m, d;
    DecodeDate(dateTime, y, m, d);
    return DaysInAMonth(y, m);
}

bool TryEncodeDate(int year, int month, int day, TDateTime& date) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > DaysInAMonth(year, month))
        return false;
    date = double(DaysFromCivil(year, month, day) + kUnixDelta);
    return true;
}

TDateTime EncodeDate(int year, int month, int day) {
    TDateTime date;
    if (!TryEncodeDate(year, month, day, date)) throw EConvertError(SDateEncodeError);
    return date;
}

bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& time) {
    if (hour < 0 || hour >= 24 || min < 0 || min >= 60 || sec < 0 || sec >= 60 || msec < 0 ||
        msec >= 1000)
        return false;
    time = double(((int64_t(hour) * 60 + min) * 60 + sec) * 1000 + msec) / MSecsPerDay;
    return true;
}

TDateTime EncodeTime(int hour, int min, int sec, int msec) {
    TDateTime time;
    if (!TryEncodeTime(hour, min, sec, msec, time)) throw EConvertError(STimeEncodeError);
    return time;
}

void DecodeDateTime(TDateTime dateTime, int& year, int& month, int& day, int& hour, int& min,
                    int& sec, int& msec) {
    const TTimeStamp ts = ToTimeStamp(dateTime);
    CivilFromDays(ts.Date - DateDelta - kUnixDelta, year, month, day);
    int64_t t = ts.Time;
    msec = int(t % 1000);
    t /= 1000;
    sec = int(t % 60);
    t /= 60;
    min = int(t % 60);
    hour = int(t / 60);
}

void DecodeDate(TDateTime dateTime, int& year, int& month, int& day) {
    int h, n, s, z;
    DecodeDateTime(dateTime, year, month, day, h, n, s, z);
}

void DecodeTime(TDateTime dateTime, int& hour, int& min, int& sec, int& msec) {
    int y, m, d;
    DecodeDateTime(dateTime, y, m, d, hour, min, sec, msec);
}

int DayOfWeek(TDateTime dateTime) { return int(ToTimeStamp(dateTime).Date % 7) + 1; }

TDateTime IncMonth(TDateTime dateTime, int numberOfMonths) {
    int y, m, d;
    const TTimeStamp ts = ToTimeStamp(dateTime);
    CivilFromDays(ts.Date - DateDelta - kUnixDelta, y, m, d);
    const int64_t months = int64_t(y) * 12 + (m - 1) + numberOfMonths;
    const int64_t newYear = months >= 0 ? months / 12 : -1;  // a year below 1 fails in EncodeDate
    const int newMonth = int(months - newYear * 12) + 1;
    if (newYear < 1 || newYear > 9999) throw EConvertError(SDateEncodeError);
    const int newDay = std::min(d, DaysInAMonth(int(newYear), newMonth));
    return Compose(EncodeDate(int(newYear), newMonth, newDay), double(ts.Time) / MSecsPerDay);
}

TDateTime Now() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    tm local{};
    localtime_r(&now.tv_sec, &local);
    return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
           EncodeTime(local.tm_hour, local.tm_min, std::min(local.tm_sec, 59),
                      int(now.tv_nsec / 1000000));
}

TDateTime Date() { return std::trunc(Now()); }

TDateTime Time() {
    const TDateTime now = Now();
    return now - std::trunc(now);
}

double DateTimeToMSecs(TDateTime dateTime) {
    const TTimeStamp ts = ToTimeStamp(dateTime);
    return double(ts.Date * kMSecsPerDay + ts.Time);
}

TDateTime MSecsToDateTime(double msecs) {
    const double whole = std::nearbyint(msecs);
    if (!std::isfinite(whole) || whole < double(kMSecsPerDay) ||
        whole >= (kMaxDate + DateDelta) * MSecsPerDay)
        throw EConvertError("'" + std::to_string(msecs) + "' is not a valid timestamp");
    const auto ms = int64_t(whole);
    const int64_t date = ms / kMSecsPerDay - DateDelta;
    return Compose(double(date), double(ms % kMSecsPerDay) / MSecsPerDay);
}
