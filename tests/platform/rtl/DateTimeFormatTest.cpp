#include <gtest/gtest.h>

#include "platform/rtl/DateTimeFormat.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormatSettings.h"

namespace {

// 2026-03-05 (a Thursday) 14:07:09.045
TDateTime Afternoon() { return EncodeDate(2026, 3, 5) + EncodeTime(14, 7, 9, 45); }

int ThisYear() {
    int year, month, day;
    DecodeDate(Date(), year, month, day);
    return year;
}

// Texts without a year, or with two digits of it, read relative to this year. The year is read
// before and after the parse, so that New Year's midnight falling in between fails nothing.
template <typename TParse>
void ExpectRelativeToThisYear(TParse parse, int yearOffset, int month, int day, const char* what) {
    const int before = ThisYear();
    const TDateTime value = parse();
    const int after = ThisYear();
    EXPECT_TRUE(value == EncodeDate(before + yearOffset, month, day) ||
                value == EncodeDate(after + yearOffset, month, day))
        << what << " read as " << value << " in " << before;
}

}  // namespace

TEST(FormatDateTime, PatternLetters) {
    TFormatSettingsGuard pinned{TFormatSettings{}};
    const TDateTime pm = Afternoon();
    const TDateTime am = EncodeDate(2026, 3, 5) + EncodeTime(0, 5, 0, 0);
    struct Case {
        const char* format;
        TDateTime value;
        const char* text;
    } cases[] = {
        {"mm/dd/yyyy hh:nn:ss", pm, "03/05/2026 14:07:09"},
        {"dd/mmm", pm, "05/Mar"},
        {"mmm/yy", pm, "Mar/26"},
        {"mmmm d, yyyy", pm, "March 5, 2026"},
        {"dddd", pm, "Thursday"},
        {"ddd", pm, "Thu"},
        {"hh:nn:ss.zzz", pm, "14:07:09.045"},
        {"h:n:s.z", pm, "14:7:9.45"},
        {"h:mm", pm, "14:07"},         // m after h is minutes
        {"hh:nn mm", pm, "14:07 03"},  // not after h: the month
        {"c", pm, "03/05/2026 14:07:09"},
        {"c", EncodeDate(2026, 3, 5), "03/05/2026"},  // midnight: no time
        {"", pm, "03/05/2026 14:07:09"},              // no pattern: as c
        {"ddddd", pm, "03/05/2026"},
        {"dddddd", pm, "Thursday, March 5, 2026"},
        {"t", pm, "2:07 PM"},
        {"tt", am, "00:05:00"},
        {"h:nn am/pm", pm, "2:07 pm"},
        {"h:nn AM/PM", am, "12:05 AM"},
        {"hh:nn Am/Pm", pm, "02:07 Pm"},
        {"h:nn a/p", pm, "2:07 p"},
        {"h:nn A/P", am, "12:05 A"},
        {"h:nn ampm", pm, "2:07 PM"},
        {"hh 'h' nn \"mm\" ss", pm, "14 h 07 mm 09"},  // quoted text stays literal
        {"MM-DD-YYYY", pm, "03-05-2026"},              // letters in any case
        {"yyyy @ x", pm, "2026 @ x"},
        {"'open", pm, "open"},
        {"a hh", pm, "a 14"},  // a lone a is literal and the hour stays 24-hour
    };
    for (const auto& c : cases) EXPECT_EQ(FormatDateTime(c.format, c.value), c.text) << c.format;
}

TEST(FormatDateTime, SeparatorsAndNamesComeFromTheSettings) {
    TFormatSettings german;
    german.DateSeparator = '.';
    german.TimeSeparator = '-';
    german.ShortDateFormat = "dd/mm/yyyy";
    german.ShortMonthNames[2] = "M\xC3\xA4r";
    TFormatSettingsGuard pinned{german};
    EXPECT_EQ(FormatDateTime("dd/mm/yyyy hh:nn", Afternoon()), "05.03.2026 14-07");
    EXPECT_EQ(FormatDateTime("mmm", Afternoon()), "M\xC3\xA4r");
    EXPECT_EQ(DateTimeToStr(Afternoon()), "05.03.2026 14-07-09");
    EXPECT_EQ(DateToStr(Afternoon()), "05.03.2026");
    EXPECT_EQ(TimeToStr(Afternoon()), "14-07-09");

    // A format that names itself ends instead of recursing without end.
    FormatSettings().ShortDateFormat = "ddddd|";
    EXPECT_EQ(FormatDateTime("ddddd", Afternoon()), "||");
}

TEST(FormatDateTime, DefaultDateTimeText) {
    TFormatSettingsGuard pinned{TFormatSettings{}};
    EXPECT_EQ(DateTimeToStr(Afternoon()), "03/05/2026 14:07:09");
    EXPECT_EQ(DateTimeToStr(EncodeDate(1999, 12, 31)), "12/31/1999");
    EXPECT_EQ(DateTimeToStr(-1.25), "12/29/1899 06:00:00");
}

TEST(StrToDateTime, ReadsDatesAndTimesInTheSettingsOrder) {
    TFormatSettingsGuard pinned{TFormatSettings{}};
    const TDateTime day = EncodeDate(2026, 3, 5);
    struct Case {
        const char* text;
        TDateTime value;
    } cases[] = {
        {"12/10/2025 06:00:00", EncodeDate(2025, 12, 10) + EncodeTime(6, 0, 0, 0)},
        {"  3/5/2026  ", day},
        {"03/05/2026 14:07:09.045", Afternoon()},
        {"03/05/2026 2:07 PM", day + EncodeTime(14, 7, 0, 0)},
        {"03/05/2026 12:05 am", day + EncodeTime(0, 5, 0, 0)},  // 12 AM is midnight
        {"03/05/2026 12:05 PM", day + EncodeTime(12, 5, 0, 0)},
        {"03/05/2026 pm 2:07", day + EncodeTime(14, 7, 0, 0)},  // marker in front
        {"03/05/2026 7", day + EncodeTime(7, 0, 0, 0)},         // an hour alone
        {"14:07", EncodeTime(14, 7, 0, 0)},                     // a time alone is on day 0
        {"12/29/1899 06:00:00", -1.25},  // before day 0 the time still counts forward
    };
    for (const Case& c : cases) {
        TDateTime value = -99;
        EXPECT_TRUE(TryStrToDateTime(c.text, value)) << c.text;
        EXPECT_DOUBLE_EQ(value, c.value) << c.text;
    }
    ExpectRelativeToThisYear([] { return StrToDateTime("3/5"); }, 0, 3, 5, "3/5");

    // Other separators and orders come from the settings.
    FormatSettings().DateSeparator = '.';
    FormatSettings().TimeSeparator = '-';
    FormatSettings().ShortDateFormat = "dd/mm/yyyy";
    EXPECT_DOUBLE_EQ(StrToDateTime("05.03.2026 14-07-09.045"), Afternoon());
    ExpectRelativeToThisYear([] { return StrToDate("5.3"); }, 0, 3, 5, "5.3");
    FormatSettings().DateSeparator = '-';
    FormatSettings().ShortDateFormat = "'Y:' yyyy/mm/dd";  // quoted letters do not count
    EXPECT_DOUBLE_EQ(StrToDate("2026-03-05"), day);
    FormatSettings().ShortDateFormat = "yy/m/d";
    ExpectRelativeToThisYear([] { return StrToDate("3-5"); }, 0, 3, 5, "3-5");
}

TEST(StrToDateTime, RefusesWhatIsNoDateOrTimeWithTheKindInTheMessage) {
    TFormatSettingsGuard pinned{TFormatSettings{}};
    const char* notDateTimes[] = {
        "",
        "abc",
        "13/01/2026",
        "02/29/2026",
        "3/5/2026x",
        "1/2/3/4",
        "3//2026",
        "3/5/2026 25:00",
        "3/5/2026 13:00 PM",
        "3/5/2026 6:60",
        "3/5/2026 6:",
        "3/5/2026 1:02:03.4567",
        "3/5/2026 06:00 junk",
        "3/5/10000",
        "9999999999/1/1",
    };
    for (const char* text : notDateTimes) {
        TDateTime value = 42;
        EXPECT_FALSE(TryStrToDateTime(text, value)) << text;
        EXPECT_EQ(value, 42) << "a refused text leaves the value: " << text;
    }
    struct Case {
        TDateTime (*read)(std::string_view);
        const char* text;
        const char* message;
    } cases[] = {
        {StrToDate, "3/5/2026 06:00", "'3/5/2026 06:00' is not a valid date"},
        {StrToDate, "14:07", "'14:07' is not a valid date"},
        {StrToTime, "3/5/2026", "'3/5/2026' is not a valid time"},
        {StrToTime, "24:00", "'24:00' is not a valid time"},
        {StrToDateTime, "02/30/2026", "'02/30/2026' is not a valid date and time"},
    };
    for (const Case& c : cases) {
        try {
            c.read(c.text);
            ADD_FAILURE() << c.text;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
    }
}

TEST(StrToDateTime, TakesBackWhatFormatDateTimeWrites) {
    TFormatSettingsGuard pinned{TFormatSettings{}};
    struct Case {
        const char* format;
        TDateTime value;
    } cases[] = {
        {"c", Afternoon() - EncodeTime(0, 0, 0, 45)},
        {"c", EncodeDate(2026, 3, 5)},
        {"mm/dd/yyyy hh:nn:ss", EncodeDate(1, 1, 1) + EncodeTime(23, 59, 59, 0)},
        {"mm/dd/yyyy hh:nn:ss.zzz", Afternoon()},
        {"ddddd t", EncodeDate(9999, 12, 31) + EncodeTime(0, 1, 0, 0)},
        {"m/d/yyyy h:nn AM/PM", EncodeDate(2026, 3, 5) + EncodeTime(12, 30, 0, 0)},
    };
    for (const Case& c : cases) {
        const std::string text = FormatDateTime(c.format, c.value);
        EXPECT_DOUBLE_EQ(StrToDateTime(text), c.value) << c.format << ": " << text;
    }
    // Two-digit years: both ends of the hundred-year window around this year.
    for (int offset : {-TwoDigitYearCenturyWindow, TwoDigitYearCenturyWindow - 1}) {
        const auto roundTrip = [offset] {
            return StrToDateTime(FormatDateTime("m/d/yy", EncodeDate(ThisYear() + offset, 7, 1)));
        };
        ExpectRelativeToThisYear(roundTrip, offset, 7, 1, "m/d/yy");
    }
}
