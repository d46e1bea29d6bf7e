#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ChartStubs.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/ChartPen.h"
#include "platform/rtl/RtlMath.h"
#include "platform/rtl/Strings.h"
#include "tests/chart/foundation/RecordingCanvas3D.h"

namespace {

// A chart whose legend text of a point is "legend<index>" on two lines.
class TLegendChart : public TTestChart {
public:
    using TTestChart::TTestChart;
    void FormattedLegendText(const TChartSeries*, int valueIndex, std::string& text,
                             const TChartLegend*) override {
        text = "legend\r" + std::to_string(valueIndex);
    }
};

class SeriesMarkTextTest : public ::testing::Test {
protected:
    void SetUp() override {
        Series->SetTitle("Flux");
        Series->AddXYPoint(0, -2, "a");
        Series->AddXYPoint(1, 2);
        Series->AddXYPoint(2, 4, "c");
    }
    // The library texts (the default formats) before the series is made.
    bool Registered = (RegisterTestChartClasses(), true);
    TComponent Form{nullptr};
    TLegendChart* Chart = new TLegendChart(&Form);
    TTestSeries* Series = static_cast<TTestSeries*>(Chart->AddSeries(new TTestSeries(&Form)));
    TSeriesMarks& Marks = *Series->Marks();
};

TEST_F(SeriesMarkTextTest, TextOfEveryStyle) {
    struct {
        TSeriesMarksStyle style;
        int index;
        bool multiLine;
        const char* text;
    } cases[] = {
        {smsValue, 0, false, "-2"},
        {smsPercent, 0, false, "25 %"},  // |-2| of the absolute sum 8
        {smsLabel, 0, false, "a"},
        {smsLabel, 1, false, "2"},  // no label: the value
        {smsLabelPercent, 0, false, "a 25 %"},
        {smsLabelValue, 1, true, "2\r2"},
        {smsLegend, 2, false, "legend 2"},
        {smsLegend, 2, true, "legend\r2"},
        {smsPercentTotal, 2, false, "50 % of 8"},
        {smsLabelPercentTotal, 0, true, "a\r25 %\rof 8"},
        {smsXValue, 2, false, "2"},
        {smsXY, 1, false, "1 2"},
        {smsSeriesTitle, 1, false, "Flux"},
        {smsPointIndex, 2, false, "2"},
        {smsPercentRelative, 0, false, "100 %"},
        {smsPercentRelative, 2, false, "-200 %"},
    };
    for (auto c : cases) {
        Marks.SetStyle(c.style);
        Marks.SetMultiLine(c.multiLine);
        EXPECT_EQ(Series->ValueMarkText(c.index), c.text) << c.style << " " << c.index;
    }
}

TEST_F(SeriesMarkTextTest, OwnTextZeroFirstValueAndTheEvent) {
    Marks.SetStyle(smsPercentRelative);
    Series->SetYValueAt(0, 0);
    EXPECT_EQ(Series->ValueMarkText(2), "0 %");  // no division by a first value of 0

    Marks.Item(1).Text()->Add("own");
    Marks.Item(1).Text()->Add("two");
    EXPECT_EQ(Series->ValueMarkText(1), "own\rtwo");
    EXPECT_EQ(Series->ValueMarkText(2), "0 %");  // no item: the style's text

    Series->OnGetMarkText = [](TChartSeries&, int index, std::string& text) {
        text += "!" + std::to_string(index);
    };
    EXPECT_EQ(Series->ValueMarkText(1), "own\rtwo!1");
}

TEST_F(SeriesMarkTextTest, DrawMarksSizesAndPlacesEveryNthVisibleMark) {
    Chart->ReplaceCanvas(std::make_unique<TRecordingCanvas3D>());
    auto& canvas = static_cast<TRecordingCanvas3D&>(*Chart->Canvas3D());
    Chart->SetChartRect(TRect{0, 0, 400, 400});
    for (TChartAxis* axis : {Chart->BottomAxis(), Chart->LeftAxis()}) {
        axis->SetLimits(0, 4);
        axis->ComputeRange();
        axis->PositionInChart();
    }
    Series->AddXYPoint(3, 1);
    Series->AddXYPoint(4, 3, "e");
    Series->SetPointColor(4, clNone);  // a null point gets no mark
    Series->FirstInView = 0;
    Series->LastInView = 4;
    Marks.SetVisible(true);
    Marks.SetDrawEvery(2);
    Series->DrawMarks();

    ASSERT_EQ(Marks.Positions().Count(), 3);
    EXPECT_EQ(Marks.Positions().Position(1), nullptr);
    const TSeriesMarkPosition& p = *Marks.Positions().Position(2);
    // "c" in the marks' font, with 20 % / 5 % of the line height each side and the frame.
    canvas.UseFont(Marks.Font());
    const int h = canvas.MeasureLineHeight();
    const int margin = 2 * RoundToInt(20 * 0.02 * h), vertical = 2 * RoundToInt(5 * 0.02 * h);
    EXPECT_EQ(p.Width, canvas.MeasureTextWidth("c") + margin);
    EXPECT_EQ(p.Height, h + vertical);
    EXPECT_EQ(p.ArrowFrom, (TPoint{Series->PointXPixel(2), Series->PointYPixel(2)}));
    EXPECT_EQ(p.LeftTop.Y, p.ArrowFrom.Y - p.Height + 1);
    EXPECT_EQ(Marks.MarkAtPoint(p.ArrowFrom.X, p.ArrowFrom.Y - 2), 2);
    int widest = 0;
    for (const char* t : {"a", "2", "c", "1", "e"})
        widest = std::max(widest, canvas.MeasureTextWidth(t));
    EXPECT_EQ(Series->MaxMarkWidth(), widest);
}

}  // namespace
