// The scaled gauges through the dial gauge: the scale's mark count and its cap, dial angles
// measured from Minimum, the range bands, the hand's length, the scale axis prepared once, the
// dial's round frame after Assign, and the dial from the gallery through the three editor forms
// and the stream.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "chart/engine/AxisTitle.h"
#include "chart/engine/ChartAxis.h"
#include "chart/foundation/TeeFont.h"
#include "chart/series/algo/GaugeScale.h"
#include "chart/series/gauge/CircularGauge.h"
#include "chart/series/gauge/CircularGaugeEditor.h"
#include "chart/series/gauge/FramedBorder.h"
#include "chart/series/gauge/GaugeHand.h"
#include "chart/series/gauge/GaugeSeriesPointer.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "tests/chart/series/GalleryRoundTrip.h"
#include "tests/chart/series/gauge/GaugeChartFixture.h"

namespace {

TEST(GaugeScaleTest, MarkCountsAndTheirCap) {
    struct Case {
        double minimum, maximum, increment;
        int count;
    };
    const Case cases[] = {
        {0, 100, 10, 11},     {0, 95, 10, 10},   {-50, 50, 25, 5}, {0, 0.3, 0.1, 4},
        {0, 100, 0, 0},       {20, 20, 10, 0},   {100, 0, 10, 0},  {0, 100, -10, 0},
        {0, 99980, 10, 9999}, {0, 99990, 10, 0}, {0, 1e9, 10, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GaugeTickCount(c.minimum, c.maximum, c.increment), c.count)
            << c.minimum << ".." << c.maximum << " by " << c.increment;
}

TEST(GaugeScaleTest, DialAnglesStartAtMinimum) {
    EXPECT_DOUBLE_EQ(DialAngleOf(0, 0, 100, 300, 30), 30);
    EXPECT_DOUBLE_EQ(DialAngleOf(100, 0, 100, 300, 30), 330);
    // A scale from 50: its minimum at the start of the arc, its maximum at the end.
    EXPECT_DOUBLE_EQ(DialAngleOf(50, 50, 150, 300, 30), 30);
    EXPECT_DOUBLE_EQ(DialAngleOf(150, 50, 150, 300, 30), 330);
    EXPECT_DOUBLE_EQ(DialAngleOf(7, 20, 20, 300, 30), 30);
}

TEST(GaugePointerRangeTest, BandsUnderTwoDegreesDrawNothing) {
    TGaugePointerRange range;
    range.SetVertSize(5);
    const TRect r{0, 0, 200, 200};
    EXPECT_TRUE(range.ArcBandPoints(r, 10, 11.4).empty());
    // From 10 to 13 degrees: three outer points and three inner ones back.
    const auto& band = range.ArcBandPoints(r, 10, 13);
    ASSERT_EQ(band.size(), 6u);
    // Screen angle 100 degrees on the rim, radius 100 about (100, 100).
    const double rim = 100 * std::numbers::pi / 180;
    EXPECT_EQ(band[0], (TPoint{100 + int(std::lround(100 * std::cos(rim))),
                               100 + int(std::lround(100 * std::sin(rim)))}));
    // The inner edge lies inside the rim and draws in as the angle grows.
    const auto radius = [](TPoint p) { return std::hypot(p.X - 100, p.Y - 100); };
    EXPECT_LT(radius(band[3]), 100);
    EXPECT_LT(radius(band[3]), radius(band[5]));
}

class CircularGaugeTest : public GaugeChartFixture {};

TEST_F(CircularGaugeTest, DefaultsOfTheDial) {
    auto* dial = Add<TCircularGauge>();
    EXPECT_DOUBLE_EQ(dial->StartAngle(), 30);
    EXPECT_TRUE(dial->Frame()->Circled());
    EXPECT_EQ(dial->MinorTickDistance(), 3);
    EXPECT_EQ(dial->Hand()->Distance(), 30);
    EXPECT_EQ(dial->Hand()->Offset(), 80);
    EXPECT_EQ(dial->RedLine()->StartValue(), 80);
    EXPECT_EQ(dial->GreenLine()->EndValue(), 70);
    EXPECT_EQ(dial->Palette().size(), 24u);
    EXPECT_EQ(dial->Ticks()->Pen()->Color(), 0x646464);
    EXPECT_FALSE(dial->UsesAxes());
    // The scale axis: the gauge's look, no title caption, steps of 10.
    TChartAxis& axis = *Chart->BottomAxis();
    EXPECT_EQ(axis.Title()->Caption(), "");
    EXPECT_DOUBLE_EQ(axis.Increment(), 10);
    EXPECT_EQ(axis.LabelsFont()->Name(), "Arial");
    EXPECT_EQ(axis.LabelsFont()->Size(), 10);
    // A full circle starts and ends straight down.
    dial->SetTotalAngle(360);
    EXPECT_DOUBLE_EQ(dial->ValueAngle(dial->Minimum()), 0);
    EXPECT_DOUBLE_EQ(dial->ValueAngle(dial->Maximum()), 360);
}

TEST_F(CircularGaugeTest, ScaleAxisIsPreparedOnlyOnce) {
    auto* dial = Add<TCircularGauge>();
    EXPECT_TRUE(dial->ScalePrepared());
    Chart->BottomAxis()->LabelsFont()->SetName("Courier New");
    Chart->RemoveSeries(dial);
    Chart->AddSeries(dial);
    EXPECT_EQ(Chart->BottomAxis()->LabelsFont()->Name(), "Courier New");
}

TEST_F(CircularGaugeTest, TicksAndLabelsFollowTheRange) {
    auto* dial = Add<TCircularGauge>();
    dial->RedLine()->SetVisible(false);
    dial->GreenLine()->SetVisible(false);
    dial->Hand()->SetVisible(false);
    dial->Center()->SetVisible(false);
    dial->EndPoint()->SetVisible(false);
    // The frame, the face and the minor ticks are ellipses; without minor ticks, only the first.
    dial->MinorTicks()->SetVisible(false);
    Draw();
    const size_t withoutMinorTicks = CallsOf("Ellipse").size();
    dial->MinorTicks()->SetVisible(true);
    Draw();
    // Three minor ticks in each of the ten steps.
    EXPECT_EQ(CallsOf("Ellipse").size(), withoutMinorTicks + 30);
    // 0, 10 .. 100: eleven ticks and labels.
    EXPECT_EQ(CallsOf("Polygon").size(), 11u);
    ASSERT_EQ(Canvas->RotatedTexts.size(), 11u);
    EXPECT_EQ(Canvas->RotatedTexts.front().Text, "0");
    EXPECT_EQ(Canvas->RotatedTexts.back().Text, "100");

    // An empty range: no ticks, labels or minor ticks.
    dial->SetMaximum(0);
    Draw();
    EXPECT_TRUE(CallsOf("Polygon").empty());
    EXPECT_TRUE(Canvas->RotatedTexts.empty());
    EXPECT_EQ(CallsOf("Ellipse").size(), withoutMinorTicks);

    // A range of a billion by tens is not drawn mark by mark.
    dial->SetMaximum(1e9);
    Draw();
    EXPECT_TRUE(CallsOf("Polygon").empty());

    // From 50 to 150 the first label sits where the arc starts.
    dial->SetMinimum(50);
    dial->SetMaximum(150);
    Draw();
    ASSERT_EQ(Canvas->RotatedTexts.size(), 11u);
    EXPECT_EQ(Canvas->RotatedTexts.front().Text, "50");
    // Rotated by 90 - F, F the screen angle (the start angle less 90).
    EXPECT_DOUBLE_EQ(Canvas->RotatedTexts.front().Angle, 90 - (30 - 90));
}

TEST_F(CircularGaugeTest, HandOfDistanceHundredIsOnePixelLong) {
    auto* dial = Add<TCircularGauge>();
    Draw();
    const TPoint c = dial->DialCenter();
    dial->Hand()->SetDistance(100);
    dial->Hand()->SetOffset(0);
    // Straight down (dial angle 0) the tip is one pixel below the centre.
    const auto hand = dial->HandPolygon(0, 0, 0);
    EXPECT_EQ(hand[3], (TPoint{c.X, c.Y + 1}));
    EXPECT_EQ(hand[0], (TPoint{c.X + 5, c.Y}));
    EXPECT_EQ(hand[1], (TPoint{c.X - 5, c.Y}));
    // At the default distance the tip reaches 70 % of the smaller radius less the ticks.
    dial->Hand()->SetDistance(30);
    const int reach = dial->HandReach(70);
    EXPECT_NEAR(reach, 0.7 * (std::min(dial->XRadius(), dial->YRadius()) - 10), 0.5);
    EXPECT_EQ(dial->HandPolygon(0, 0, 0)[3], (TPoint{c.X, c.Y + reach}));
}

TEST_F(CircularGaugeTest, SameValueRepaintsNothingAndAssignKeepsTheRoundFrame) {
    auto* dial = Add<TCircularGauge>();
    int changes = 0;
    dial->OnChange = [&](TObject*) { ++changes; };
    dial->SetValue(55);
    const int repaints = Chart->Invalidations;
    dial->SetValue(55);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(Chart->Invalidations, repaints);

    TCircularGauge source(nullptr);
    source.Frame()->SetCircled(false);
    source.SetTotalAngle(180);
    source.SetMinimum(-20);
    source.Hand()->SetDistance(10);
    dial->Assign(&source);
    EXPECT_TRUE(dial->Frame()->Circled());
    EXPECT_DOUBLE_EQ(dial->TotalAngle(), 180);
    EXPECT_DOUBLE_EQ(dial->Minimum(), -20);
    EXPECT_EQ(dial->Hand()->Distance(), 10);
}

class CircularGaugeGalleryTest : public ::testing::Test {
protected:
    TSeriesLibraryStartup Library;
};

TEST_F(CircularGaugeGalleryTest, EachEditorLoadsWithoutChangingTheChart) {
    const TTeeSeriesType* entry = FindGalleryEntry("Circular\rGauge");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(*entry->PageText, "Gauges");
    for (const char* editor :
         {"TNumericGaugeEditor", "TLinearGaugeEditor", "TCircularGaugeEditor"}) {
        SCOPED_TRACE(editor);
        TGalleryRoundTrip trip(*entry);
        trip.Draw();
        const std::string before = ChartSnapshot(*trip.Chart);
        auto* form = CreateAs<TForm>(GetClass(editor), &trip.Window);
        form->SetBorderStyle(bsNone);
        form->SetTagObject(trip.Series);
        form->SetParent(trip.Host);
        trip.Window.Show();
        form->Show();
        EXPECT_EQ(ChartSnapshot(*trip.Chart), before);
    }
}

TEST_F(CircularGaugeGalleryTest, DialEditedThroughItsFormStreamsBackEqual) {
    TGalleryRoundTrip trip(*FindGalleryEntry("Circular\rGauge"));
    auto* form = dynamic_cast<TCircularGaugeEditor*>(trip.OpenEditor());
    ASSERT_NE(form, nullptr);
    auto* dial = form->Dial();
    ASSERT_EQ(dial, trip.Series);
    EXPECT_FALSE(form->BHand->Visible());
    EXPECT_TRUE(form->BDialHand->Visible());
    form->ETotalAngle->SetText("240");
    EXPECT_DOUBLE_EQ(dial->TotalAngle(), 240);
    form->EHandDistance->SetText("15");
    EXPECT_EQ(dial->Hand()->Distance(), 15);
    form->CBRotateLabels->SetChecked(false);
    EXPECT_FALSE(dial->RotateLabels());
    form->EMaximum->SetText("250");
    form->EMaximum->SetText("lots");
    EXPECT_DOUBLE_EQ(dial->Maximum(), 250);
    form->Green.EEnd->SetText("120");
    EXPECT_DOUBLE_EQ(dial->GreenLine()->EndValue(), 120);
    form->Red.CBVisible->SetChecked(false);
    EXPECT_FALSE(dial->RedLine()->Visible());
    dial->SetValue(101.25);
    dial->Frame()->SetWidth(15);
    trip.Draw();
    trip.ExpectStreamsBackEqual();
}

}  // namespace
