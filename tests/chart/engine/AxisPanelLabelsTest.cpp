// The label routines asked through a real axis panel: its series, surface and label events.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ChartStubs.h"
#include "chart/engine/AxisItems.h"
#include "chart/foundation/DateTimeSteps.h"
#include "chart/foundation/TeeFont.h"
#include "platform/rtl/DateTime.h"
#include "tests/chart/engine/AxisDrawStub.h"

namespace {

class AxisPanelLabelsTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterTestChartClasses();
        // Text 7 pixels a byte and lines 13 pixels high, whatever fonts the machine has.
        Chart->ReplaceCanvas(std::make_unique<TFixedMetricsCanvas>());
        Chart->OnGetAxisLabel = [this](TChartAxis& axis, TChartSeries* series, int index,
                                       std::string& text) {
            Calls.push_back({&axis, series, index, text});
        };
    }
    TTestSeries* NewSeries() {
        auto* s = new TTestSeries(&Form);
        Chart->AddSeries(s);
        return s;
    }
    // The axis placed along the chart rectangle, its range taken from the series.
    void Place(TChartAxis& axis, const TRect& chartRect) {
        Chart->SetChartRect(chartRect);
        axis.PositionInChart();
        axis.ComputeRange();
    }
    // The texts the chart's event was given for the last n labels.
    std::vector<std::string> LastTexts(size_t n) const {
        std::vector<std::string> texts;
        for (size_t i = Calls.size() - std::min(n, Calls.size()); i < Calls.size(); ++i)
            texts.push_back(Calls[i].Text);
        return texts;
    }

    struct TCall {
        TChartAxis* Axis;
        TChartSeries* Series;
        int ValueIndex;
        std::string Text;
    };
    TFormatSettingsGuard PinnedFormats{TFormatSettings{}};
    TComponent Form{nullptr};
    TTestChart* Chart = new TTestChart(&Form);
    std::vector<TCall> Calls;
};

TEST_F(AxisPanelLabelsTest, ASeriesOnTheLeftAxisGetsRoundLimitsAndLabelsInStepsOfTen) {
    TTestSeries* s = NewSeries();
    for (double y : {0.0, 37.0, 95.0}) s->AddY(y);
    TChartAxis& left = *Chart->LeftAxis();
    left.SetMaximumRound(true);
    // 200 pixels hold 14 labels of one 13-pixel line with 10% room: steps of 10, and the
    // largest value rounded up to the next step.
    Place(left, {0, 0, 400, 200});
    EXPECT_EQ(left.WorkingMinimum(), 0);
    EXPECT_EQ(left.WorkingMaximum(), 100);
    EXPECT_EQ(Chart->AxisLabelIncrement(left), 10);

    Calls.clear();
    left.WalkLabels();
    std::vector<int> pixels;
    std::vector<std::string> texts;
    for (int v = 100; v >= 0; v -= 10) {
        pixels.push_back(left.PixelOfValue(v));
        texts.push_back(std::to_string(v));
    }
    EXPECT_EQ(left.TickPositions(), pixels);
    // The value labels reach the chart's event without a series and with index -1.
    EXPECT_EQ(LastTexts(texts.size()), texts);
    for (const TCall& c : Calls) {
        EXPECT_EQ(c.Axis, &left);
        EXPECT_EQ(c.Series, nullptr);
        EXPECT_EQ(c.ValueIndex, -1);
    }
}

TEST_F(AxisPanelLabelsTest, PointLabelsOnTheBottomAxisReachTheEventWithTheirSeriesAndIndex) {
    TTestSeries* s = NewSeries();
    s->AddXYPoint(0, 5, "first");
    s->AddXYPoint(10, 7, "second");
    TChartAxis& bottom = *Chart->BottomAxis();
    EXPECT_EQ(bottom.EffectiveLabelStyle(), talText);
    EXPECT_EQ(Chart->LeftAxis()->EffectiveLabelStyle(), talValue);
    EXPECT_EQ(Chart->RightAxis()->EffectiveLabelStyle(), talNone);
    Place(bottom, {0, 0, 400, 200});
    // The step is still measured on value labels; the point labels come with their series.
    Chart->OnGetAxisLabel = [&](TChartAxis&, TChartSeries* series, int index, std::string& text) {
        if (series) Calls.push_back({&bottom, series, index, text});
        text += "!";
    };
    bottom.WalkLabels();
    ASSERT_EQ(Calls.size(), 2u);
    EXPECT_EQ(Calls[0].Series, s);
    EXPECT_EQ(Calls[0].ValueIndex, 0);
    EXPECT_EQ(Calls[1].Text, "second");
    EXPECT_EQ(bottom.TickPositions(), (std::vector<int>{0, 400}));
    EXPECT_EQ(bottom.WidestLabel(), TFixedMetricsCanvas::CharWidth * 7);  // "second!"
}

TEST_F(AxisPanelLabelsTest, ADateTimeSeriesLabelsItsAxisWithDatesOnTheFirstOfEachMonth) {
    TTestSeries* s = NewSeries();
    s->XValues().SetDateTime(true);
    for (double day : {EncodeDate(2026, 1, 1), EncodeDate(2026, 2, 10), EncodeDate(2026, 6, 1)})
        s->AddXYPoint(day, 1);
    TChartAxis& bottom = *Chart->BottomAxis();
    ASSERT_TRUE(bottom.IsDateTimeAxis());
    EXPECT_FALSE(Chart->LeftAxis()->IsDateTimeAxis());
    bottom.SetDateTimeFormat("yyyy-mm-dd");
    bottom.SetIncrement(DateTimeSteps[dtOneMonth]);
    Place(bottom, {0, 0, 600, 200});

    Calls.clear();
    bottom.WalkLabels();
    const std::vector<std::string> months = {"2026-06-01", "2026-05-01", "2026-04-01",
                                             "2026-03-01", "2026-02-01", "2026-01-01"};
    EXPECT_EQ(bottom.TickPositions().size(), months.size());
    EXPECT_EQ(LastTexts(months.size()), months);
}

TEST_F(AxisPanelLabelsTest, TheChartsNextLabelEventSuppliesTheValues) {
    TTestSeries* s = NewSeries();
    for (double y : {0.0, 100.0}) s->AddY(y);
    TChartAxis& left = *Chart->LeftAxis();
    Place(left, {0, 0, 400, 200});
    std::vector<int> indices;
    Chart->OnGetNextAxisLabel = [&](TChartAxis& axis, int index, double& value, bool& stop) {
        EXPECT_EQ(&axis, &left);
        indices.push_back(index);
        value = index * 40.0;
        stop = index == 3;
    };
    left.WalkLabels();
    EXPECT_EQ(indices, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(left.TickPositions(), (std::vector<int>{left.PixelOfValue(0), left.PixelOfValue(40),
                                                      left.PixelOfValue(80)}));
}

TEST_F(AxisPanelLabelsTest, TheDepthAxisScalesByRowsWhileItShowsSeriesTitles) {
    NewSeries()->AddY(1);
    Chart->DepthRowCount = 2;
    TChartDepthAxis& depth = *Chart->DepthAxis();
    ASSERT_EQ(depth.EffectiveLabelStyle(), talText);
    EXPECT_EQ(Chart->SeriesMinX(&depth), -0.5);
    EXPECT_EQ(Chart->SeriesMaxX(&depth), 2.5);
    // Labelled by value, the depth axis spans the series' Z values (the depth row here).
    depth.SetLabelStyle(talValue);
    EXPECT_EQ(Chart->SeriesMinX(&depth), 0);
    EXPECT_EQ(Chart->SeriesMaxX(&depth), 0);
}

TEST_F(AxisPanelLabelsTest, UserItemsAreDrawnWithinTheLimitsInTheirFontsAndMeasuredAsDrawn) {
    auto recording = std::make_unique<TAxisRecordingCanvas>();
    TAxisRecordingCanvas& canvas = *recording;
    canvas.ShowFontSize = true;
    Chart->ReplaceCanvas(std::move(recording));
    TTestSeries* s = NewSeries();
    for (double y : {0.0, 100.0}) s->AddY(y);
    TChartAxis& left = *Chart->LeftAxis();
    TAxisItems& items = left.Items();
    items.Add(50, "half")->Font()->SetSize(14);
    items.Add(150, "beyond");  // above the maximum
    items.Add(20);             // no text: its value's label
    items.Add(80, "hidden")->SetVisible(false);
    items.Add(-1234567);  // below the minimum, and the widest label: "-1,234,567"
    Place(left, {0, 0, 400, 200});
    left.LabelsFont()->SetSize(9);

    for (bool tickOnLabelsOnly : {true, false}) {
        left.SetTickOnLabelsOnly(tickOnLabelsOnly);
        canvas.Calls.clear();
        left.DrawCustomLabels();
        std::vector<std::string> drawn;
        for (const std::string& call : canvas.Only({"T "}))
            drawn.push_back(call.substr(call.find('\'')));
        // Right-aligned beside the left axis, each item in its own font.
        EXPECT_EQ(drawn, (std::vector<std::string>{"'half' a2 s14", "'20' a2 s8"}));
        std::vector<int> ticks = {left.PixelOfValue(50), left.PixelOfValue(20)};
        if (!tickOnLabelsOnly) ticks.push_back(left.PixelOfValue(80));
        EXPECT_EQ(left.TickPositions(), ticks) << tickOnLabelsOnly;
    }
    EXPECT_EQ(left.WidestLabel(), TFixedMetricsCanvas::CharWidth * 10);
}

TEST_F(AxisPanelLabelsTest, TheLabelsOfAPassAreListedWithoutTurningAutoOff) {
    TAxisItems& items = Chart->BottomAxis()->Items();
    items.AddLabelOfPass(5, "five");
    ASSERT_EQ(items.Count(), 1);
    EXPECT_TRUE(items.Auto());
    EXPECT_EQ(items[0]->Text(), "five");
    EXPECT_EQ(items[0]->Value(), 5);
    items.ClearLabelsOfPass();
    EXPECT_EQ(items.Count(), 0);
    EXPECT_TRUE(items.Auto());
}

}  // namespace
