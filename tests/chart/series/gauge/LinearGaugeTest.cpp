// The linear gauge: the strip, ticks, labels, ranges, hand and max value indicator of a known
// chart, horizontal and vertical; an empty or reversed range painted without an exception; the
// scale moving to the other axis; the gallery entries and the editor.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/engine/AxisTitle.h"
#include "chart/engine/ChartAxis.h"
#include "chart/foundation/TeeFont.h"
#include "chart/series/gauge/GaugeSeriesPointer.h"
#include "chart/series/gauge/LinearGauge.h"
#include "tests/chart/series/GalleryRoundTrip.h"
#include "tests/chart/series/gauge/GaugeChartFixture.h"

namespace {

class LinearGaugeTest : public GaugeChartFixture {
protected:
    TLinearGauge* AddGauge(double value) {
        auto* gauge = Add<TLinearGauge>();
        gauge->SetValue(value);
        return gauge;
    }
    // The texts drawn, less the scale axis' title ("Axis Title %" on a new gauge).
    std::vector<TCanvas3DCall> LabelCalls() const {
        std::vector<TCanvas3DCall> labels;
        for (const TCanvas3DCall& c : CallsOf("Text"))
            if (c.Text != "Axis Title %") labels.push_back(c);
        return labels;
    }
    std::vector<std::string> Labels() const {
        std::vector<std::string> texts;
        for (const TCanvas3DCall& c : LabelCalls()) texts.push_back(c.Text);
        return texts;
    }
    // The filled rectangles drawn in the brush colour.
    std::vector<std::vector<int>> RectanglesIn(TColor color) const {
        std::vector<std::vector<int>> out;
        for (const TCanvas3DCall& c : CallsOf("Rectangle"))
            if (c.BrushColor == color) out.push_back(c.Args);
        return out;
    }
};

// The chart rectangle (20, 10) - (420, 310) holds one band (20, 10) - (420, 307); the frame takes
// round(297 * 10 %) = 30 pixels a side, leaving the face (50, 40) - (390, 277). The strip is 80 %
// of the face's 340 pixels, 272, centred, and as thick as the ticks are long (10), centred.
TEST_F(LinearGaugeTest, HorizontalGeometryOfAKnownChart) {
    auto* gauge = AddGauge(50);
    gauge->RedLine()->Gradient()->SetVisible(false);
    Draw();
    EXPECT_EQ(gauge->FaceRect(), (TRect{50, 40, 390, 277}));
    EXPECT_EQ(gauge->ValueAreaRect(), (TRect{84, 153, 356, 163}));
    EXPECT_EQ(gauge->ValueToPixel(50), 136);
    // Ticks every 27.2 pixels from the strip's left end, labelled above it.
    const std::vector<std::string> expected{"0",  "10", "20", "30", "40", "50",
                                            "60", "70", "80", "90", "100"};
    EXPECT_EQ(Labels(), expected);
    std::vector<int> tickX;
    for (const TCanvas3DCall& c : CallsOf("Polygon"))
        if (c.Args.size() == 8 && c.Args[1] == 163 && c.Args[5] == 153)
            tickX.push_back((c.Args[0] + c.Args[2]) / 2);
    EXPECT_EQ(tickX, (std::vector<int>{84, 111, 138, 166, 193, 220, 247, 274, 302, 329, 356}));
    // The hand: a bar from the strip's left end to the value, the strip's thickness.
    std::vector<std::vector<int>> hands = RectanglesIn(clRed);
    ASSERT_FALSE(hands.empty());
    EXPECT_EQ(hands.front()[0], 84);
    EXPECT_EQ(hands.front()[1], 153);
    // The bar covers the value's own pixel: its right edge, exclusive, lies one past it.
    EXPECT_EQ(hands.front()[2], 84 + 136 + 1);
    // The red range from 80 to 100 below the strip, past the axis pen.
    const int pen = gauge->ScaleAxis()->Axis()->Width();
    const std::vector<int> red{84 + 218, 163 + pen, 356, 163 + pen + 5};
    const std::vector<std::vector<int>> reds = RectanglesIn(gauge->RedLine()->Brush()->Color());
    EXPECT_NE(std::find(reds.begin(), reds.end(), red), reds.end());
}

TEST_F(LinearGaugeTest, VerticalLabelsRunFromMaximumAtTheTopDownToMinimum) {
    auto* gauge = AddGauge(30);
    gauge->SetHorizontal(false);
    gauge->SetMaximum(50);
    Draw();
    const TRect& strip = gauge->ValueAreaRect();
    EXPECT_EQ(strip.Right - strip.Left, 10);
    EXPECT_EQ(Labels(), (std::vector<std::string>{"50", "45", "40", "35", "30", "25", "20", "15",
                                                  "10", "5", "0"}));
    int lastY = -1;
    for (const TCanvas3DCall& c : LabelCalls()) {
        EXPECT_GT(c.Args[1], lastY) << c.Text;
        lastY = c.Args[1];
    }
    EXPECT_EQ(gauge->MaxValueIndicator()->Style(), psLeftTriangle);
}

TEST_F(LinearGaugeTest, TheIndicatorKeepsTheLargestValueAndASmallValueDrawsNoHand) {
    auto* gauge = AddGauge(20);
    EXPECT_EQ(gauge->LargestValue(), 100);
    gauge->SetValue(150);
    gauge->SetValue(40);
    EXPECT_EQ(gauge->LargestValue(), 150);
    gauge->SetMaximum(200);
    Draw();
    EXPECT_EQ(gauge->ValueToPixel(gauge->LargestValue()), 204);

    // Not a whole pixel above Minimum: no bar.
    gauge->Hand()->Brush()->SetColor(clFuchsia);
    for (double value : {0.0, 0.3}) {
        gauge->SetValue(value);
        Draw();
        EXPECT_TRUE(RectanglesIn(clFuchsia).empty()) << value;
    }
    gauge->SetValue(10);
    Draw();
    EXPECT_FALSE(RectanglesIn(clFuchsia).empty());
}

TEST_F(LinearGaugeTest, AnEmptyOrReversedRangePaintsWithoutAnException) {
    struct TCase {
        const char* Name;
        double Minimum, Maximum;
        bool Horizontal;
    };
    const TCase cases[] = {
        {"empty", 50, 50, true},
        {"empty, vertical", 0, 0, false},
        {"reversed", 100, 0, true},
        {"reversed, vertical", 10, -10, false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Chart->FreeSeriesOfClass(nullptr);
        auto* gauge = AddGauge(30);
        gauge->SetHorizontal(c.Horizontal);
        gauge->SetMinimum(c.Minimum);
        gauge->SetMaximum(c.Maximum);
        gauge->Hand()->Brush()->SetColor(clFuchsia);
        EXPECT_NO_THROW(Draw());
        EXPECT_GE(gauge->ScaleAxis()->Increment(), 0);
        if (c.Minimum == c.Maximum) {
            // No place for a value: no ticks, labels, hand or ranges.
            EXPECT_TRUE(Labels().empty());
            EXPECT_TRUE(RectanglesIn(clFuchsia).empty());
            EXPECT_EQ(gauge->ValueToPixel(30), 0);
        } else {
            EXPECT_FALSE(Labels().empty());
        }
    }
}

TEST_F(LinearGaugeTest, SwitchingDirectionMovesTheScaleToTheOtherAxis) {
    auto* gauge = AddGauge(10);
    TChartAxis* bottom = gauge->ScaleAxis();
    ASSERT_NE(bottom, nullptr);
    EXPECT_EQ(bottom->Title()->Caption(), "Axis Title %");
    gauge->SetHorizontal(false);
    TChartAxis* left = gauge->ScaleAxis();
    ASSERT_NE(left, bottom);
    EXPECT_EQ(bottom->Title()->Caption(), "");
    EXPECT_EQ(left->Title()->Caption(), "Axis Title %");
    EXPECT_EQ(left->LabelsFont()->Name(), "Arial");
    EXPECT_EQ(left->LabelsFont()->Size(), 10);
    EXPECT_TRUE(left->LabelsFont()->Style().Contains(fsBold));
}

TEST_F(LinearGaugeTest, GalleryEntriesDrawEditAndStream) {
    TTeeSeriesType* entry = FindGalleryEntry("Linear\rGauge");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(*entry->PageText, "Gauges");
    bool vertical = false;
    for (int i = 0; i < SeriesTypeList().Count(); ++i) {
        const TTeeSeriesType& e = *SeriesTypeList()[i];
        if (e.SeriesClassRef == &TLinearGauge::StaticClass() && e.VariantIndex == 1)
            vertical = *e.DescriptionText == "Vertical" && *e.PageText == "Gauges";
    }
    EXPECT_TRUE(vertical);
    TGalleryRoundTrip trip(*entry);
    auto* gauge = static_cast<TLinearGauge*>(trip.Series);
    gauge->ApplyGalleryVariant(gauge, 1);
    EXPECT_FALSE(gauge->Horizontal());
    gauge->PrepareForGallery(true);
    EXPECT_FALSE(gauge->ScaleAxis()->Labels());
    trip.Draw();
    const std::string before = ChartSnapshot(*trip.Chart);
    ASSERT_NE(trip.OpenEditor(), nullptr);
    EXPECT_EQ(ChartSnapshot(*trip.Chart), before);
    trip.ExpectStreamsBackEqual();
}

}  // namespace
