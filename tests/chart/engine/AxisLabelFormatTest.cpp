#include <gtest/gtest.h>

#include "chart/engine/AxisLabelFormat.h"
#include "platform/classes/PropInfo.h"
#include "platform/rtl/DateTimeFormat.h"
#include "tests/chart/engine/LabelHostStub.h"

namespace {

class AxisLabelFormatTest : public ::testing::Test {
protected:
    TLabelHostStub Host;
    TChartAxis Axis{&Host};
    // A horizontal axis over pixels start .. end with fixed limits.
    void Place(double min, double max, int start = 100, int end = 500) {
        Axis.SetHorizontal(true);
        Axis.SetLimits(min, max);
        Axis.SetPositions(start, end);
        Axis.ComputeRange();
    }
};

TEST(MultiLineTextWidthTest, WidestLineAndLineCount) {
    TLabelHostStub host;
    const struct {
        const char* Text;
        int Width, Lines;
    } cases[] = {{"", 0, 0},   {"abc", 21, 1},   {"a\rbcde", 28, 2}, {"ab\r", 14, 1},
                 {"\r", 0, 1}, {"\rabc", 21, 2}, {"a\r\rb", 7, 3}};
    for (const auto& c : cases) {
        int lines = -1;
        EXPECT_EQ(MultiLineTextWidth(*host.AxisCanvas(), c.Text, lines), c.Width) << c.Text;
        EXPECT_EQ(lines, c.Lines) << c.Text;
    }
}

TEST_F(AxisLabelFormatTest, FormatLabelByNumberOrDateTimeFormat) {
    const double march1 = EncodeDate(2026, 3, 1);
    const struct {
        bool DateTime;
        const char* Format;
        bool MultiLine;
        double Value;
        const char* Text;
    } cases[] = {
        {false, DefaultAxisValuesFormat, false, 1234.5, "1,234.5"},
        {false, DefaultAxisValuesFormat, false, -0.0004, "0"},
        {false, DefaultAxisValuesFormat, false, 2.0005, "2.001"},  // digits round half up
        {false, "0.0;(0.0)", false, -5, "(5.0)"},
        {false, "0.0;-0.0;zero", false, 0, "zero"},
        {false, "0.00 kg", true, 3.14159, "3.14\rkg"},
        {true, "yyyy-mm-dd", false, march1, "2026-03-01"},
        {true, "d mmm yyyy", true, march1, "1\rMar\r2026"},
    };
    for (const auto& c : cases) {
        Host.DateTime = c.DateTime;
        (c.DateTime ? Axis.SetDateTimeFormat(c.Format) : Axis.SetAxisValuesFormat(c.Format));
        Axis.SetLabelsMultiLine(c.MultiLine);
        EXPECT_EQ(Axis.FormatLabel(c.Value), c.Text) << c.Format;
    }
}

TEST_F(AxisLabelFormatTest, DateTimeFormatFollowsTheRangeWhenEmpty) {
    Host.DateTime = true;
    const double t = EncodeDate(2026, 3, 1) + 0.75;
    const TFormatSettings settings;
    Place(t, t + 30);
    EXPECT_EQ(Axis.FormatLabel(t), FormatDateTime(settings.ShortDateFormat, t));
    Place(t, t + 1);  // one day is not above a day
    EXPECT_EQ(Axis.FormatLabel(t), FormatDateTime(settings.ShortTimeFormat, t));
}

TEST_F(AxisLabelFormatTest, YearlyStepOnADateAxisMeasuresBeyondTheCalendar) {
    // The step search measures the step times the minimum: 365 x 43,831 days lies far past the
    // year 9999 and is written as a number instead of failing the drawing.
    Host.DateTime = true;
    Axis.SetIncrement(365);
    Axis.SetDateTimeFormat("yyyy");
    Place(EncodeDate(2020, 1, 1), EncodeDate(2030, 1, 1));
    EXPECT_EQ(Axis.FormatLabel(365 * EncodeDate(2020, 1, 1)), "15,998,315");
    EXPECT_EQ(Axis.FormatLabel(EncodeDate(9999, 12, 31)), "9999");
    EXPECT_GE(Axis.ComputeLabelIncrement(), 365);
}

TEST_F(AxisLabelFormatTest, LabelEventSeesTheFormattedTextBeforeLineBreaks) {
    Axis.SetLabelsMultiLine(true);
    Host.OnGetAxisLabel = [](std::string& text) { text += " units"; };
    EXPECT_EQ(Axis.FormatLabel(1200), "1,200\runits");
    ASSERT_EQ(Host.LabelCalls.size(), 1u);
    EXPECT_EQ(Host.LabelCalls[0].Series, nullptr);
    EXPECT_EQ(Host.LabelCalls[0].ValueIndex, -1);
    EXPECT_EQ(Host.LabelCalls[0].Text, "1,200");
}

TEST_F(AxisLabelFormatTest, LabelExtentAlongOrAcrossTheAxis) {
    Host.OnGetAxisLabel = [](std::string& text) { text = "ab cd ef"; };
    const struct {
        bool MultiLine, Horizontal;
        int Angle, Extent;
    } cases[] = {
        {true, true, 0, 14},   {true, true, 90, 39}, {true, true, 270, 39},
        {true, true, 45, 14},  {true, false, 0, 39}, {true, false, 180, 39},
        {true, false, 90, 14}, {false, true, 0, 56}, {false, true, 90, 13},
    };
    for (const auto& c : cases) {
        Axis.SetLabelsMultiLine(c.MultiLine);
        Axis.SetLabelsAngle(c.Angle);
        EXPECT_EQ(Axis.LabelExtent(c.Horizontal, 1), c.Extent)
            << c.MultiLine << c.Horizontal << ' ' << c.Angle;
    }
}

TEST_F(AxisLabelFormatTest, AutoLabelStyleFromTheSeriesOnTheAxis) {
    struct TCase {
        const char* Name;
        bool HasSeries = true, Label = false, Uses = true, ZValues = false, XMandatory = false,
             Active = true, Horizontal = true;
        TAxisLabelStyle Style;
    };
    const TCase cases[] = {
        {.Name = "no series", .HasSeries = false, .Style = talNone},
        {.Name = "values", .Style = talValue},
        {.Name = "point texts", .Label = true, .Style = talText},
        {.Name = "on another axis", .Label = true, .Uses = false, .Style = talNone},
        {.Name = "inactive", .Label = true, .Active = false, .Style = talNone},
        {.Name = "3-D series", .Label = true, .ZValues = true, .Style = talValue},
        {.Name = "texts across", .Label = true, .XMandatory = true, .Style = talValue},
        {.Name = "texts along a vertical axis",
         .Label = true,
         .XMandatory = true,
         .Horizontal = false,
         .Style = talText},
    };
    for (const TCase& c : cases) {
        Host.Series.clear();
        Axis.SetHorizontal(c.Horizontal);
        if (c.HasSeries) {
            TLabelHostStub::TSeriesEntry& e = Host.AddSeries();
            e.Series->AddXYPoint(1, 1);
            e.Series->AddXYPoint(2, 2, c.Label ? "two" : "");
            e.UsesAxis = c.Uses;
            e.Series->HasOwnDepth = c.ZValues;
            e.Series->SetActive(c.Active);
            if (c.XMandatory) e.Series->MakeXMandatory();
        }
        EXPECT_EQ(Axis.AutoLabelStyle(), c.Style) << c.Name;
        EXPECT_EQ(Axis.EffectiveLabelStyle(), c.Style) << c.Name;
    }
    Axis.SetLabelStyle(talMark);
    EXPECT_EQ(Axis.EffectiveLabelStyle(), talMark);
}

TEST_F(AxisLabelFormatTest, DepthAxisShowsTitlesUnlessSeriesSpreadOverDepth) {
    TChartDepthAxis depth(&Host);
    EXPECT_EQ(depth.AutoLabelStyle(), talText);
    TLabelHostStub::TSeriesEntry& flat = Host.AddSeries();
    EXPECT_EQ(depth.AutoLabelStyle(), talText);
    flat.MaxZ = 2;
    EXPECT_EQ(depth.AutoLabelStyle(), talValue);
    flat.MaxZ = 0;
    flat.Series->HasOwnDepth = true;
    EXPECT_EQ(depth.AutoLabelStyle(), talValue);
}

TEST_F(AxisLabelFormatTest, WidestValueLabelIsMeasuredWithoutTheLabelEvent) {
    Place(0, 100);
    Axis.SetLabelStyle(talValue);
    EXPECT_EQ(Axis.WidestLabel(), 21 + 7);  // "100" and a space
    // The event still decides the step, but the measured texts do not go through it.
    Host.OnGetAxisLabel = [](std::string& text) { text = std::string(20, 'x'); };
    EXPECT_EQ(Axis.WidestLabel(), 21 + 7);
    Host.OnGetAxisLabel = nullptr;
    Host.LabelCalls.clear();
    Axis.SetLabelStyle(talNone);
    EXPECT_EQ(Axis.WidestLabel(), 0);
    Host.MarkWidth = 33;
    Axis.SetLabelStyle(talMark);
    EXPECT_EQ(Axis.WidestLabel(), 33);
}

TEST_F(AxisLabelFormatTest, WidestDateTimeLabelWalksTheCalendar) {
    // Month names on the first of each month: a long axis labels every month, so "September"
    // is the widest; a short one steps by two months from December and never meets it.
    Host.DateTime = true;
    Axis.SetDateTimeFormat("mmmm");
    Axis.SetIncrement(30);
    Axis.SetLabelStyle(talValue);
    const struct { int End, Widest; } cases[] = {{2000, 7 * 9 + 7}, {400, 7 * 8 + 7}};
    for (const auto& c : cases) {
        Place(EncodeDate(2026, 1, 1), EncodeDate(2026, 12, 31), 0, c.End);
        EXPECT_EQ(Axis.WidestLabel(), c.Widest) << c.End;
    }
}

TEST_F(AxisLabelFormatTest, WidestPointLabelOfEverySeries) {
    Axis.SetLabelStyle(talText);
    TLabelHostStub::TSeriesEntry& a = Host.AddSeries();
    a.Series->AddXYPoint(0, 0, "a");
    a.Series->AddXYPoint(1, 0, "abcd");
    a.Series->AddXYPoint(2, 0);
    EXPECT_EQ(Axis.WidestLabel(), 28);
    TLabelHostStub::TSeriesEntry& hidden = Host.AddSeries();
    hidden.Series->AddXYPoint(0, 0, "abc\rabcde");
    hidden.Series->SetActive(false);
    EXPECT_EQ(Axis.WidestLabel(), 35);  // inactive series count too
    Host.OnGetAxisLabel = [](std::string& text) { text += "!!!"; };
    EXPECT_EQ(Axis.WidestLabel(), 56);  // "abcde!!!": the event's text ends the last line
    // Every point goes through the event, the unlabelled one too.
    ASSERT_EQ(Host.LabelCalls.size(), 4u);
    EXPECT_EQ(Host.LabelCalls[2].Series, a.Series.get());
    EXPECT_EQ(Host.LabelCalls[2].ValueIndex, 2);
    EXPECT_EQ(Host.LabelCalls[2].Text, "");
}

TEST_F(AxisLabelFormatTest, LabelSizeAcrossTheAxis) {
    Place(0, 100);
    Axis.SetLabelStyle(talValue);
    const std::string text = "abc";
    const struct {
        bool Horizontal;
        int Angle, Fixed;
        const std::string* Text;
        int Size;
    } cases[] = {
        {true, 0, 17, &text, 17},   {true, 0, 0, &text, 13},    {true, 180, 0, nullptr, 13},
        {true, 90, 0, &text, 21},   {true, 90, 0, nullptr, 28}, {false, 0, 0, &text, 21},
        {false, 270, 0, &text, 13}, {false, 45, 0, &text, 21},
    };
    for (const auto& c : cases) {
        Axis.SetHorizontal(c.Horizontal);
        EXPECT_EQ(Axis.LabelSize(nullptr, c.Angle, c.Fixed, c.Text), c.Size)
            << c.Horizontal << ' ' << c.Angle;
    }
}

TEST_F(AxisLabelFormatTest, LabelSettingsAreStoredWhenChangedAndCopied) {
    const struct {
        const char* Property;
        std::function<void(TChartAxis&)> Change;
    } cases[] = {
        {"AxisValuesFormat", [](TChartAxis& a) { a.SetAxisValuesFormat("0.0"); }},
        {"DateTimeFormat", [](TChartAxis& a) { a.SetDateTimeFormat("hh:nn"); }},
        {"ExactDateTime", [](TChartAxis& a) { a.SetExactDateTime(false); }},
        {"LabelsAlign", [](TChartAxis& a) { a.SetLabelsAlign(alOpposite); }},
        {"LabelsAlternate", [](TChartAxis& a) { a.SetLabelsAlternate(true); }},
        {"LabelsAngle", [](TChartAxis& a) { a.SetLabelsAngle(90); }},
        {"LabelsExponent", [](TChartAxis& a) { a.SetLabelsExponent(true); }},
        {"LabelsMultiLine", [](TChartAxis& a) { a.SetLabelsMultiLine(true); }},
        {"LabelsOnAxis", [](TChartAxis& a) { a.SetLabelsOnAxis(false); }},
        {"LabelsSeparation", [](TChartAxis& a) { a.SetLabelsSeparation(0); }},
        {"LabelsSize", [](TChartAxis& a) { a.SetLabelsSize(30); }},
        {"LabelStyle", [](TChartAxis& a) { a.SetLabelStyle(talText); }},
        {"RoundFirstLabel", [](TChartAxis& a) { a.SetRoundFirstLabel(false); }},
        {"TickOnLabelsOnly", [](TChartAxis& a) { a.SetTickOnLabelsOnly(false); }},
    };
    auto writes = [](const TChartAxis& axis, const char* property) {
        return axis.ClassType().Properties().Find(property)->ShouldWrite(&axis);
    };
    for (const auto& c : cases) {
        TChartAxis axis(&Host);
        EXPECT_FALSE(writes(axis, c.Property)) << c.Property;
        const int changes = Host.Changes;
        c.Change(axis);
        EXPECT_EQ(Host.Changes, changes + 1) << c.Property;
        EXPECT_TRUE(writes(axis, c.Property)) << c.Property;
        TChartAxis copy(&Host);
        copy.Assign(&axis);
        EXPECT_EQ(copy.LabelOptions(), axis.LabelOptions()) << c.Property;
    }
}

}  // namespace
