// The axis page's texts: axis names, increments and what the two dialogs parse.
#include <gtest/gtest.h>

#include "chart/editors/AxisEditorTexts.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartLists.h"
#include "chart/foundation/DateTimeSteps.h"
#include "platform/rtl/DateTimeFormat.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/StringList.h"

namespace {

TFormatSettings Pinned() {
    TFormatSettings s;
    s.ShortDateFormat = "MM/dd/yyyy";
    s.LongTimeFormat = "hh:nn:ss";
    return s;
}

TEST(AxisEditorTexts, AxisNamesListCustomAxesAfterTheDepthAxes) {
    TChart chart(nullptr);
    new TChartAxis(chart.CustomAxes());
    new TChartAxis(chart.CustomAxes());
    TStringList list;
    list.Add("stale");
    AddAxisNames(chart, list, true);
    std::vector<std::string> names;
    for (int i = 0; i < list.Count(); ++i) names.push_back(list[i]);
    EXPECT_EQ(names,
              (std::vector<std::string>{"Left Axis", "Right Axis", "Top Axis", "Bottom Axis",
                                        "Depth Right", "Depth Top", "Custom 0", "Custom 1"}));
    AddAxisNames(chart, list, false);
    EXPECT_EQ(list.Count(), 6);
    EXPECT_EQ(list[4], "Custom 0");
    // The list's entries and the chart's axes go both ways.
    for (int i = 0; i < 8; ++i) EXPECT_EQ(ListIndexOfAxis(chart, AxisOfListIndex(chart, i)), i);
    EXPECT_EQ(AxisOfListIndex(chart, 0), chart.LeftAxis());
    EXPECT_EQ(AxisOfListIndex(chart, 3), chart.BottomAxis());
    EXPECT_EQ(AxisOfListIndex(chart, 8), nullptr);
}

TEST(AxisEditorTexts, IncrementTexts) {
    TFormatSettingsGuard pin(Pinned());
    const std::string oneSecond = TimeToStr(1.0 / 86400);
    EXPECT_EQ(IncrementText(true, false, "", 0), oneSecond);
    EXPECT_EQ(IncrementText(true, true, "", 0), oneSecond);
    EXPECT_EQ(IncrementText(true, false, "", 1), "1");
    EXPECT_EQ(IncrementText(true, false, "", 1.5), "1 " + TimeToStr(0.5));
    EXPECT_EQ(IncrementText(true, false, "", 0.25), TimeToStr(0.25));
    EXPECT_EQ(IncrementText(true, true, "", 7), "One Week");
    EXPECT_EQ(IncrementText(true, false, "", 7), "7");
    EXPECT_EQ(IncrementText(true, true, "", 8), "8");
    // A formatted text that does not read back as the increment gives the plain number.
    EXPECT_EQ(IncrementText(false, false, "0.0", 0.125), "0.125");
    EXPECT_EQ(IncrementText(false, false, "0.0", 0.5), "0.5");
    EXPECT_EQ(IncrementText(false, false, "#,##0.###", 1000), "1000");
    EXPECT_EQ(IncrementText(false, false, "#,##0.###", 20), "20");
}

TEST(AxisEditorTexts, EveryStandardStepHasItsCaption) {
    for (int step = 0; step < DateTimeStepCount; ++step)
        EXPECT_EQ(IncrementText(true, true, "", DateTimeSteps[size_t(step)]),
                  DateTimeStepCaption(step));
    EXPECT_STREQ(DateTimeStepCaption(0), "One Microsecond");
    EXPECT_STREQ(DateTimeStepCaption(26), "One Year");
}

TEST(AxisEditorTexts, CustomIncrementsParse) {
    TFormatSettingsGuard pin(Pinned());
    EXPECT_DOUBLE_EQ(ParseCustomIncrement(true, "2 06:00:00"), 2.25);
    EXPECT_DOUBLE_EQ(ParseCustomIncrement(true, "12:00:00"), 0.5);
    EXPECT_DOUBLE_EQ(ParseCustomIncrement(true, "3"), 3);
    EXPECT_DOUBLE_EQ(ParseCustomIncrement(false, "0.125"), 0.125);
    for (auto [dateTime, text] : {std::pair{true, "abc"},
                                  {true, "x 01:00:00"},
                                  {true, "1 nonsense"},
                                  {false, "12:00:00"},
                                  {false, ""}})
        EXPECT_THROW(ParseCustomIncrement(dateTime, text), EConvertError) << text;
}

TEST(AxisEditorTexts, LimitsShowAndParse) {
    TFormatSettingsGuard pin(Pinned());
    EXPECT_EQ(LimitDateText(-700000), "");
    EXPECT_EQ(LimitDateText(2958466), "");
    EXPECT_EQ(LimitDateText(0), "12/30/1899");
    // Outside the calendar only the time of day shows, without an error.
    EXPECT_EQ(LimitLabelText(true, "", -700000.5), TimeToStr(0.5));
    EXPECT_EQ(LimitTimeText(3e6 + 0.25), TimeToStr(0.25));
    EXPECT_EQ(LimitLabelText(false, "0.00", 2.5), "2.50");
    EXPECT_DOUBLE_EQ(ParseAxisLimit(false, "12.5", "ignored"), 12.5);
    EXPECT_DOUBLE_EQ(ParseAxisLimit(true, "", "06:00:00"), 0.25);
    EXPECT_DOUBLE_EQ(ParseAxisLimit(true, "12/31/1899", "12:00:00"), 1.5);
    EXPECT_THROW(ParseAxisLimit(false, "x", ""), EConvertError);
    EXPECT_THROW(ParseAxisLimit(true, "13/45/2000", "00:00:00"), EConvertError);
}

}  // namespace
