// The wind rose and the clock: compass and hour labels, the hands' angles, the clock ticking on
// an injected clock and hiding the axes of its chart while it is there, and both series from the
// gallery through their forms and the stream.
#include <gtest/gtest.h>

#include "chart/engine/Chart.h"
#include "chart/series/algo/PolarLabels.h"
#include "chart/series/polar/ClockEditor.h"
#include "chart/series/polar/ClockSeries.h"
#include "chart/series/polar/WindRoseEditor.h"
#include "chart/series/polar/WindRoseSeries.h"
#include "platform/rtl/DateTimeFormat.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Timer.h"
#include "tests/chart/series/GalleryRoundTrip.h"

namespace {

TEST(PolarLabelsTest, CompassPointsAndHours) {
    struct RoseCase {
        double angle;
        const char* label;
    };
    const RoseCase roses[] = {{0, "N"},      {360, "N"},     {22.5, "NNW"}, {20, ""},
                              {90, "W"},     {180, "S"},     {270, "E"},    {345, "NNNE"},
                              {67.5, "WNW"}, {15.4, "NNNW"}, {337.5, "NNE"}};
    for (const RoseCase& c : roses) EXPECT_EQ(WindRoseLabel(c.angle), c.label) << c.angle;
    struct ClockCase {
        double angle;
        bool roman;
        const char* label;
    };
    const ClockCase hours[] = {{0, true, "XII"}, {330, true, "I"},  {270, true, "III"},
                               {0, false, "12"}, {330, false, "1"}, {180, false, "6"}};
    for (const ClockCase& c : hours) EXPECT_EQ(ClockLabel(c.angle, c.roman), c.label) << c.angle;
}

TEST(PolarLabelsTest, HandAngles) {
    EXPECT_DOUBLE_EQ(ClockHandAngles(3, 0, 0, 0).Hours, 270);
    EXPECT_DOUBLE_EQ(ClockHandAngles(15, 0, 0, 0).Hours + 360, ClockHandAngles(3, 0, 0, 0).Hours);
    EXPECT_DOUBLE_EQ(ClockHandAngles(12, 0, 0, 0).Hours, 0);
    EXPECT_DOUBLE_EQ(ClockHandAngles(0, 15, 0, 0).Minutes, 270);
    EXPECT_DOUBLE_EQ(ClockHandAngles(0, 0, 30, 500).Seconds, 360 - 30.5 * 6);
}

// A chart that counts the repaints it is asked for.
class TCountingChart : public TChart {
public:
    using TChart::TChart;
    void Invalidate() override {
        ++Invalidations;
        TChart::Invalidate();
    }
    int Invalidations = 0;
};

class WindRoseClockTest : public ::testing::Test {
protected:
    TSeriesLibraryStartup Library;
};

TEST_F(WindRoseClockTest, ClockTicksEverySecondAndHidesTheAxes) {
    TManualClock clock;
    TComponent owner(nullptr);
    auto* chart = new TCountingChart(&owner);
    auto* series = new TClockSeries(&owner);
    TDateTime shown = EncodeTime(3, 0, 0, 0);
    series->OnGetTime = [&](TClockSeries&, TDateTime& time) { time = shown; };
    ASSERT_TRUE(chart->AxisVisible());
    chart->AddSeries(series);
    EXPECT_FALSE(chart->AxisVisible());
    EXPECT_DOUBLE_EQ(series->AngleIncrement(), 30);
    TBitmap target(300, 300);
    chart->Draw(target.Canvas(), TRect{0, 0, 300, 300});
    // At 3:00 the hour hand points right.
    const TPoint end = series->HandEnd(ClockHandAngles(3, 0, 0, 0).Hours, 1.3);
    EXPECT_GT(end.X, series->CircleXCenter);
    EXPECT_EQ(end.Y, series->CircleYCenter);
    const int before = chart->Invalidations;
    clock.Advance(999);
    EXPECT_EQ(chart->Invalidations, before);
    clock.Advance(1);
    EXPECT_EQ(chart->Invalidations, before + 1);
    clock.Advance(2000);
    EXPECT_EQ(chart->Invalidations, before + 3);
    EXPECT_EQ(series->LegendItemText(0, ltsPlain), FormatDateTime("hh:nn:ss", shown));
    chart->RemoveSeries(series);
    EXPECT_TRUE(chart->AxisVisible());
    TObject::Free(series);
}

TEST_F(WindRoseClockTest, WindRoseMirrorsItsLabelsOrAngles) {
    TComponent owner(nullptr);
    auto* rose = new TWindRoseSeries(&owner);
    EXPECT_EQ(rose->AngleLabelText(0, 90), "W");
    rose->SetMirrorLabels(true);
    EXPECT_EQ(rose->AngleLabelText(0, 90), "E");
    rose->AddXYPoint(30, 5);
    EXPECT_EQ(rose->XValueAt(0), 30);
    rose->SetMirrorAngles(true);
    EXPECT_EQ(rose->XValueAt(0), 330);
}

TEST_F(WindRoseClockTest, BothThroughTheirForms) {
    {
        TGalleryRoundTrip trip(*FindGalleryEntry("Wind Rose"));
        auto* rose = static_cast<TWindRoseSeries*>(trip.Series);
        trip.Draw();
        auto* form = dynamic_cast<TWindRoseEditor*>(trip.OpenEditor());
        ASSERT_NE(form, nullptr);
        EXPECT_FALSE(form->CBClockWise->Visible());
        EXPECT_TRUE(form->EAngleInc->Visible());
        form->CBMirrorAngles->SetChecked(true);
        EXPECT_TRUE(rose->MirrorAngles());
        trip.Draw();
        trip.ExpectStreamsBackEqual();
    }
    {
        TManualClock clock;
        TGalleryRoundTrip trip(*FindGalleryEntry("Clock"));
        auto* series = static_cast<TClockSeries*>(trip.Series);
        series->OnGetTime = [](TClockSeries&, TDateTime& time) { time = EncodeTime(10, 8, 0, 0); };
        trip.Draw();
        auto* form = dynamic_cast<TClockEditor*>(trip.OpenEditor());
        ASSERT_NE(form, nullptr);
        EXPECT_FALSE(form->CBColorEach->Visible());
        EXPECT_TRUE(form->CBRoman->Checked());
        form->CBRoman->SetChecked(false);
        EXPECT_EQ(series->Style(), cssDecimal);
        EXPECT_EQ(series->AngleLabelText(0, 0), "12");
        clock.Advance(1000);
        trip.Draw();
        trip.ExpectStreamsBackEqual();
    }
}

}  // namespace
