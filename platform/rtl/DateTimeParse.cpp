// Reading dates and times back from text; the declarations live with the formatting routines in
// DateTimeFormat.h, since the two sides share the settings and must agree.
#include <string>

#include "platform/rtl/DateTimeFormat.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormatSettings.h"

namespace {

inline char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? char(c - 32) : c; }

// Walks the text left to right; every scan either consumes what it matched or leaves the position.
class TScanner {
public:
    explicit TScanner(std::string_view s) : FText(s) {}

    void SkipBlanks() {
        while (FPos < FText.size() && (FText[FPos] == ' ' || FText[FPos] == '\t')) ++FPos;
    }
    bool AtEnd() const { return FPos == FText.size(); }
    bool Char(char c) {
        if (FPos >= FText.size() || FText[FPos] != c) return false;
        ++FPos;
        return true;
    }
    // Case-insensitive word; an empty word never matches.
    bool Word(std::string_view w) {
        if (w.empty() || FText.size() - FPos < w.size()) return false;
        for (size_t k = 0; k < w.size(); ++k)
            if (UpperAscii(FText[FPos + k]) != UpperAscii(w[k])) return false;
        FPos += w.size();
        return true;
    }
    // Decimal digits only; more than nine digits is no sane date part and would overflow.
    bool Number(int& value, int& digits) {
        size_t end = FPos;
        while (end < FText.size() && FText[end] >= '0' && FText[end] <= '9') ++end;
        digits = int(end - FPos);
        if (digits == 0 || digits > 9) return false;
        value = 0;
        for (; FPos < end; ++FPos) value = value * 10 + (FText[FPos] - '0');
        return true;
    }

private:
    std::string_view FText;
    size_t FPos = 0;
};

enum class TDateOrder { MDY, DMY, YMD };

// The first d, m or y of the short date format decides; quoted text is skipped.
TDateOrder DateOrder(std::string_view format) {
    char quote = 0;
    for (const char c : format) {
        if (quote) {
            if (c == quote) quote = 0;
            continue;
        }
        switch (UpperAscii(c)) {
            case '\'':
            case '"':
                quote = c;
                break;
            case 'D':
                return TDateOrder::DMY;
            case 'Y':
                return TDateOrder::YMD;
            case 'M':
                return TDateOrder::MDY;
            default:
                break;
        }
    }
    return TDateOrder::MDY;
}

int CurrentYear() {
    int year, month, day;
    DecodeDate(Date(), year, month, day);
    return year;
}

int ExpandYear(int year, int digits) {
    if (digits > 2) return year;
    const int base = CurrentYear() - TwoDigitYearCenturyWindow;
    year += base / 100 * 100;
    if (year < base) year += 100;
    return year;
}

bool ScanDate(TScanner& sc, TDateTime& date) {
    const TFormatSettings& fs = FormatSettings();
    int n[3], digits[3];
    int count = 0;
    sc.SkipBlanks();
    if (!sc.Number(n[0], digits[0])) return false;
    for (count = 1; count < 3 && sc.Char(fs.DateSeparator); ++count)
        if (!sc.Number(n[count], digits[count])) return false;
    if (count < 2) return false;

    const TDateOrder order = DateOrder(fs.ShortDateFormat);
    int year = 0, month = 0, day = 0;
    if (count == 2) {  // month and day of this year
        year = CurrentYear();
        month = order == TDateOrder::DMY ? n[1] : n[0];
        day = order == TDateOrder::DMY ? n[0] : n[1];
    } else {
        switch (order) {
            case TDateOrder::MDY:
                month = n[0], day = n[1], year = ExpandYear(n[2], digits[2]);
                break;
            case TDateOrder::DMY:
                day = n[0], month = n[1], year = ExpandYear(n[2], digits[2]);
                break;
            case TDateOrder::YMD:
                year = ExpandYear(n[0], digits[0]), month = n[1], day = n[2];
                break;
        }
    }
    return TryEncodeDate(year, month, day, date);
}

// -1 without a marker, 0 for the morning, 1 for the afternoon.
int ScanAmPm(TScanner& sc) {
    const TFormatSettings& fs = FormatSettings();
    if (sc.Word(fs.TimeAMString) || sc.Word("AM")) return 0;
    if (sc.Word(fs.TimePMString) || sc.Word("PM")) return 1;
    return -1;
}

bool ScanTime(TScanner& sc, TDateTime& time) {
    const TFormatSettings& fs = FormatSettings();
    sc.SkipBlanks();
    int amPm = ScanAmPm(sc);
    if (amPm >= 0) sc.SkipBlanks();
    int hour, min = 0, sec = 0, msec = 0, digits;
    if (!sc.Number(hour, digits)) return false;
    if (sc.Char(fs.TimeSeparator)) {
        if (!sc.Number(min, digits)) return false;
        if (sc.Char(fs.TimeSeparator)) {
            if (!sc.Number(sec, digits)) return false;
            if (sc.Char(fs.DecimalSeparator) && (!sc.Number(msec, digits) || digits > 3))
                return false;
        }
    }
    if (amPm < 0) {
        sc.SkipBlanks();
        amPm = ScanAmPm(sc);
    }
    if (amPm >= 0) {  // 12 AM is midnight, 12 PM noon
        if (hour > 12) return false;
        if (hour == 12) hour = 0;
        if (amPm == 1) hour += 12;
    }
    return TryEncodeTime(hour, min, sec, msec, time);
}

bool Finished(TScanner& sc) {
    sc.SkipBlanks();
    return sc.AtEnd();
}

[[noreturn]] void NotValid(std::string_view s, const char* what) {
    throw EConvertError("'" + std::string(s) + "' is not a valid " + what);
}

}  // namespace

bool TryStrToDate(std::string_view s, TDateTime& value) {
    TScanner sc(s);
    TDateTime date;
    if (!ScanDate(sc, date) || !Finished(sc)) return false;
    value = date;
    return true;
}

bool TryStrToTime(std::string_view s, TDateTime& value) {
    TScanner sc(s);
    TDateTime time;
    if (!ScanTime(sc, time) || !Finished(sc)) return false;
    value = time;
    return true;
}

bool TryStrToDateTime(std::string_view s, TDateTime& value) {
    TScanner sc(s);
    TDateTime date = 0, time = 0;
    if (ScanDate(sc, date)) {
        if (!Finished(sc) && !ScanTime(sc, time)) return false;
    } else {
        sc = TScanner(s);
        if (!ScanTime(sc, time)) return false;
    }
    if (!Finished(sc)) return false;
    // Before day 0 the fraction still counts forward from the day's midnight.
    value = date >= 0 ? date + time : date - time;
    return true;
}

TDateTime StrToDate(std::string_view s) {
    TDateTime value;
    if (!TryStrToDate(s, value)) NotValid(s, "date");
    return value;
}

TDateTime StrToTime(std::string_view s) {
    TDateTime value;
    if (!TryStrToTime(s, value)) NotValid(s, "time");
    return value;
}

TDateTime StrToDateTime(std::string_view s) {
    TDateTime value;
    if (!TryStrToDateTime(s, value)) NotValid(s, "date and time");
    return value;
}
