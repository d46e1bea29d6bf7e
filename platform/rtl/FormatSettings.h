#pragma once
// The process-wide locale settings that number and date formatting read. One object; tests pin
// it with TFormatSettingsGuard and get the previous settings back when the guard ends.
#include <array>
#include <string>

struct TFormatSettings {
    char DecimalSeparator = '.';
    char ThousandSeparator = ',';
    char DateSeparator = '/';
    char TimeSeparator = ':';
    std::string ShortDateFormat = "MM/dd/yyyy";
    std::string LongDateFormat = "dddd, MMMM d, yyyy";
    std::string ShortTimeFormat = "h:nn AMPM";
    std::string LongTimeFormat = "hh:nn:ss";
    std::string TimeAMString = "AM";
    std::string TimePMString = "PM";
    std::array<std::string, 12> ShortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::array<std::string, 12> LongMonthNames{"January",   "February", "March",    "April",
                                               "May",       "June",     "July",     "August",
                                               "September", "October",  "November", "December"};
    // Sunday first, as DayOfWeek counts.
    std::array<std::string, 7> ShortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::array<std::string, 7> LongDayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                            "Thursday", "Friday", "Saturday"};
    // The first column of a week in calendars: 0 = Monday ... 6 = Sunday. Monday while the
    // user's locale does not say otherwise.
    int FirstDayOfWeek = 0;
};

// The settings every formatting routine uses.
TFormatSettings& FormatSettings();

// Pins the settings for a scope (tests) and restores the previous ones on every path.
class TFormatSettingsGuard {
public:
    TFormatSettingsGuard() : FSaved(FormatSettings()) {}
    explicit TFormatSettingsGuard(const TFormatSettings& pinned) : FSaved(FormatSettings()) {
        FormatSettings() = pinned;
    }
    ~TFormatSettingsGuard() { FormatSettings() = FSaved; }
    TFormatSettingsGuard(const TFormatSettingsGuard&) = delete;
    TFormatSettingsGuard& operator=(const TFormatSettingsGuard&) = delete;

private:
    TFormatSettings FSaved;
};
