#include "platform/rtl/DateTimeFormat.h"

#include "platform/rtl/FormatSettings.h"

namespace {

struct TParts {
    int Year, Month, Day, Hour, Min, Sec, MSec, DayOfWeek;
};

// Nested formats (c, ddddd, t...) may name each other; two levels are all a sane pattern needs,
// and the limit keeps a self-referring setting from recursing without end.
constexpr int kMaxNesting = 2;

inline char Upper(char c) { return (c >= 'a' && c <= 'z') ? char(c - 32) : c; }

void AppendNumber(std::string& out, int value, int digits) {
    char buf[16];
    int n = 0;
    do {
        buf[n++] = char('0' + value % 10);
        value /= 10;
    } while (value > 0);
    while (n < digits) buf[n++] = '0';
    while (n > 0) out += buf[--n];
}

bool StartsWithNoCase(std::string_view s, size_t i, std::string_view word) {
    if (s.size() - i < word.size()) return false;
    for (size_t k = 0; k < word.size(); ++k)
        if (Upper(s[i + k]) != Upper(word[k])) return false;
    return true;
}

// An hour uses the 12-hour clock when the next a-word after it (outside quotes, before another
// h) is an am/pm marker.
bool Use12HourClock(std::string_view f, size_t i) {
    char quote = 0;
    for (; i < f.size(); ++i) {
        const char c = f[i];
        if (quote) {
            if (c == quote) quote = 0;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == 'a' || c == 'A') {
            return StartsWithNoCase(f, i, "am/pm") || StartsWithNoCase(f, i, "a/p") ||
                   StartsWithNoCase(f, i, "ampm");
        } else if (c == 'h' || c == 'H') {
            return false;
        }
    }
    return false;
}

void AppendFormat(std::string& out, std::string_view f, const TParts& p, int nesting) {
    if (nesting > kMaxNesting) return;
    const TFormatSettings& fs = FormatSettings();
    char lastToken = ' ';
    size_t i = 0;
    while (i < f.size()) {
        const char c = f[i];
        char token = Upper(c);
        if (token >= 'A' && token <= 'Z') {
            if (token == 'M' && lastToken == 'H') token = 'N';  // h:mm means minutes
            lastToken = token;
        }
        // The run of the same letter, case-insensitive.
        size_t count = 1;
        if (token >= 'A' && token <= 'Z')
            while (i + count < f.size() && Upper(f[i + count]) == Upper(c)) ++count;
        switch (token) {
            case 'Y':
                if (count <= 2)
                    AppendNumber(out, p.Year % 100, 2);
                else
                    AppendNumber(out, p.Year, 4);
                break;
            case 'M':
                if (count == 1)
                    AppendNumber(out, p.Month, 1);
                else if (count == 2)
                    AppendNumber(out, p.Month, 2);
                else if (count == 3)
                    out += fs.ShortMonthNames[size_t(p.Month - 1)];
                else
                    out += fs.LongMonthNames[size_t(p.Month - 1)];
                break;
            case 'D':
                if (count <= 2)
                    AppendNumber(out, p.Day, int(count));
                else if (count == 3)
                    out += fs.ShortDayNames[size_t(p.DayOfWeek - 1)];
                else if (count == 4)
                    out += fs.LongDayNames[size_t(p.DayOfWeek - 1)];
                else
                    AppendFormat(out, count == 5 ? fs.ShortDateFormat : fs.LongDateFormat, p,
                                 nesting + 1);
                break;
            case 'H': {
                int hour = p.Hour;
                if (Use12HourClock(f, i + count)) {
                    hour %= 12;
                    if (hour == 0) hour = 12;
                }
                AppendNumber(out, hour, count >= 2 ? 2 : 1);
                break;
            }
            case 'N':
                AppendNumber(out, p.Min, count >= 2 ? 2 : 1);
                break;
            case 'S':
                AppendNumber(out, p.Sec, count >= 2 ? 2 : 1);
                break;
            case 'Z':
                AppendNumber(out, p.MSec, count >= 2 ? 3 : 1);
                break;
            case 'T':
                AppendFormat(out, count == 1 ? fs.ShortTimeFormat : fs.LongTimeFormat, p,
                             nesting + 1);
                break;
            case 'C':
                AppendFormat(out, fs.ShortDateFormat, p, nesting + 1);
                if (p.Hour || p.Min || p.Sec || p.MSec) {
                    out += ' ';
                    AppendFormat(out, fs.LongTimeFormat, p, nesting + 1);
                }
                break;
            case 'A':
                count = 1;
                if (StartsWithNoCase(f, i, "am/pm")) {
                    out += f.substr(p.Hour >= 12 ? i + 3 : i, 2);  // as written: am, AM, Pm...
                    count = 5;
                } else if (StartsWithNoCase(f, i, "a/p")) {
                    out += f[p.Hour >= 12 ? i + 2 : i];
                    count = 3;
                } else if (StartsWithNoCase(f, i, "ampm")) {
                    out += p.Hour >= 12 ? fs.TimePMString : fs.TimeAMString;
                    count = 4;
                } else {
                    out += c;
                }
                break;
            case '/':
                out += fs.DateSeparator;
                break;
            case ':':
                out += fs.TimeSeparator;
                break;
            case '\'':
            case '"': {
                const size_t close = f.find(c, i + 1);
                const size_t end = close == std::string_view::npos ? f.size() : close;
                out += f.substr(i + 1, end - i - 1);
                count = (close == std::string_view::npos ? f.size() : close + 1) - i;
                break;
            }
            default:
                out.append(f.substr(i, count));
                break;
        }
        i += count;
    }
}

TParts PartsOf(TDateTime dt) {
    TParts p{};
    DecodeDateTime(dt, p.Year, p.Month, p.Day, p.Hour, p.Min, p.Sec, p.MSec);
    p.DayOfWeek = DayOfWeek(dt);
    return p;
}

}  // namespace

std::string FormatDateTime(std::string_view format, TDateTime dateTime) {
    std::string out;
    // No pattern means the default text, as "c" gives it.
    AppendFormat(out, format.empty() ? std::string_view("c") : format, PartsOf(dateTime), 0);
    return out;
}

std::string DateTimeToStr(TDateTime dateTime) { return FormatDateTime("c", dateTime); }
std::string DateToStr(TDateTime dateTime) { return FormatDateTime("ddddd", dateTime); }
std::string TimeToStr(TDateTime dateTime) { return FormatDateTime("tt", dateTime); }
