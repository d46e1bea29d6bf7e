#include <gtest/gtest.h>

#include "platform/rtl/DateTimeFormat.h"
#include "platform/rtl/FormatSettings.h"

namespace {

// 2026-03-05 (a Thursday) 14:07:09.045
TDateTime Afternoon() { return EncodeDate(2026, 3, 5) + EncodeTime(14, 7, 9, 45); }

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
        {"h:mm", pm, "14:07"},      // m after h is minutes
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
        {"MM-DD-YYYY", pm, "03-05-2026"},             // letters in any case
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
