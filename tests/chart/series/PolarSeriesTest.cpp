// The polar, radar and polar bar series: radii and angles on the screen for linear, logarithmic
// and inverted radius axes, angle label texts, the radar's spokes shared by its series, nulls and
// the closing line, the caps on the web's loops, and each series as the program meets it (from
// the gallery, drawn, edited through its form and streamed back).
//
// The chart of PriceChartFixture draws into 100 .. 700 across and 20 .. 280 down: the circle's
// centre is (400, 150), its radii 300 across and 130 down.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/engine/ChartAxis.h"
#include "chart/foundation/ChartPen.h"
#include "chart/series/algo/PolarScale.h"
#include "chart/series/polar/PolarBarSeries.h"
#include "chart/series/polar/PolarSeries.h"
#include "chart/series/polar/PolarSeriesEditor.h"
#include "chart/series/polar/RadarSeries.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "tests/chart/series/GalleryRoundTrip.h"
#include "tests/chart/series/PriceChartFixture.h"

namespace {

class PolarChartTest : public PriceChartFixture {};

struct PolarPointCase {
    double angle;
    double radius;
    int x;
    int y;
};

struct RadiusAxisCase {
    const char* name;
    double minimum;
    double maximum;
    bool logarithmic;
    bool inverted;
    std::vector<PolarPointCase> points;
};

TEST_F(PolarChartTest, PointsOnLinearLogarithmicAndInvertedAxes) {
    const RadiusAxisCase cases[] = {
        {"linear",
         0,
         260,
         false,
         false,
         {{0, 130, 550, 150},
          {90, 260, 400, 20},
          {180, 52, 340, 150},
          {270, 0, 400, 150},
          {45, -10, 400, 150}}},
        {"inverted",
         0,
         260,
         false,
         true,
         {{0, 130, 550, 150}, {0, 260, 400, 150}, {0, 0, 700, 150}}},
        {"logarithmic",
         1,
         1000,
         true,
         false,
         {{0, 10, 500, 150}, {90, 100, 400, 63}, {0, 1, 400, 150}, {0, 0.5, 400, 150}}},
        {"logarithmic inverted", 1, 1000, true, true, {{0, 10, 600, 150}, {0, 1000, 400, 150}}},
    };
    auto* series = Add<TPolarSeries>();
    for (const RadiusAxisCase& c : cases) {
        SCOPED_TRACE(c.name);
        series->Clear();
        for (const PolarPointCase& p : c.points) series->AddXYPoint(p.angle, p.radius);
        Chart->LeftAxis()->SetLogarithmic(c.logarithmic);
        Chart->LeftAxis()->SetLimits(c.minimum, c.maximum);
        Chart->LeftAxis()->SetInverted(c.inverted);
        Draw();
        ASSERT_EQ(series->XRadius, 300);
        ASSERT_EQ(series->YRadius, 130);
        // The X list is ordered by angle; look each case up by its values.
        for (const PolarPointCase& p : c.points) {
            int found = -1;
            for (int i = 0; i < series->Count(); ++i)
                if (series->XValues()[i] == p.angle && series->YValues()[i] == p.radius) found = i;
            ASSERT_GE(found, 0);
            EXPECT_EQ(series->PointXPixel(found), p.x) << p.angle << " " << p.radius;
            EXPECT_EQ(series->PointYPixel(found), p.y) << p.angle << " " << p.radius;
        }
    }
}

TEST_F(PolarChartTest, AnglesTurnWithTheRotation) {
    auto* series = Add<TPolarSeries>();
    series->AddXYPoint(0, 260);
    Draw();
    struct Case {
        int rotation;
        double angle;
        int x, y;
    };
    const Case cases[] = {{0, 0, 700, 150},  {0, 90, 400, 20},   {0, 180, 100, 150},
                          {90, 0, 400, 20},  {90, 90, 100, 150}, {0, 60, 550, 37},
                          {-90, 0, 400, 280}};
    for (const Case& c : cases) {
        series->SetRotationAngle(c.rotation);
        int x = 0, y = 0;
        series->AngleToPointDegrees(c.angle, 300, 130, x, y);
        EXPECT_EQ(x, c.x) << c.rotation << " " << c.angle;
        EXPECT_EQ(y, c.y) << c.rotation << " " << c.angle;
    }
}

TEST(PolarScaleTest, AngleLabelTexts) {
    struct Case {
        double angle;
        bool clockwise;
        const char* text;
    };
    const Case cases[] = {{0, false, "0\u00B0"},
                          {360, false, "0\u00B0"},
                          {90, true, "270\u00B0"},
                          {0, true, "0\u00B0"},
                          {22.5, false, "22.5\u00B0"}};
    for (const Case& c : cases)
        EXPECT_EQ(PolarAngleText(c.angle, c.clockwise), c.text) << c.angle << c.clockwise;
    // A radius axis without range puts everything at the centre.
    EXPECT_EQ(PolarRadiusPixels(300, 7, {5, 5, false, false}), 0);
    EXPECT_EQ(PolarRadiusPixels(300, 7, {5, 5, false, true}), 0);
    EXPECT_EQ(PolarStepCount(90), 4);
    EXPECT_EQ(PolarStepCount(0), 36);  // no increment: every 10 degrees
    EXPECT_EQ(PolarStepCount(1e-9), MaxPolarSteps);
}

TEST_F(PolarChartTest, LabelOf360ReadsAsZeroAnd370As10) {
    auto* series = Add<TPolarSeries>();
    series->AddXYPoint(0, 100);
    series->SetCircleLabels(true);
    std::vector<std::string> texts;
    series->OnGetCircleLabel = [&](TCustomPolarSeries&, double, int, std::string& text) {
        texts.push_back(text);
    };
    EXPECT_EQ(series->AngleLabelText(0, 360), series->AngleLabelText(0, 0));
    Chart->BottomAxis()->SetIncrement(90);
    Draw();
    EXPECT_EQ(texts, (std::vector<std::string>{"0\u00B0", "90\u00B0", "180\u00B0", "270\u00B0"}));
}

TEST_F(PolarChartTest, RadarSeriesShareTheSpokesOfTheLongest) {
    auto* three = Add<TRadarSeries>();
    auto* five = Add<TRadarSeries>();
    for (int i = 0; i < 3; ++i) three->AddValue(10 * (i + 1));
    for (int i = 0; i < 5; ++i) five->AddValue(10 * (i + 1), i == 1 ? "Two" : "");
    Draw();
    for (TRadarSeries* s : {three, five}) {
        EXPECT_EQ(s->RingSides(), 5);
        EXPECT_DOUBLE_EQ(s->AngleIncrement(), 72);
        EXPECT_EQ(s->RotationAngle(), 90);
    }
    EXPECT_DOUBLE_EQ(three->XValueAt(2), 144);
    // The first radar of the chart draws the web: five spokes, the first one upwards.
    EXPECT_EQ(three->SpokeCount, 5);
    EXPECT_EQ(five->SpokeCount, 0);
    EXPECT_EQ(five->AngleLabelText(1, 72), "Two");
    EXPECT_EQ(five->AngleLabelText(2, 144), "2");
    // The first point of a radar lies straight above the centre.
    EXPECT_EQ(three->PointXPixel(0), 400);
    EXPECT_LT(three->PointYPixel(0), 150);
}

TEST_F(PolarChartTest, SpokesAndLabelsStopAtTheCap) {
    auto* series = Add<TPolarSeries>();
    series->AddXYPoint(0, 100);
    series->SetCircleLabels(true);
    int labels = 0;
    series->OnGetCircleLabel = [&](TCustomPolarSeries&, double, int, std::string&) { ++labels; };
    Chart->BottomAxis()->SetIncrement(1e-6);
    Draw();
    EXPECT_EQ(series->SpokeCount, MaxPolarSteps);
    EXPECT_EQ(labels, MaxPolarSteps);
}

TEST_F(PolarChartTest, NullsAndTheClosingLine) {
    struct Case {
        TTreatNullsStyle nulls;
        std::vector<std::string> lines;
    };
    // Points at 0, 90, 180 (null) and 270 degrees, radius 130: (550, 150), (400, 85), -,
    // (400, 215).
    const Case cases[] = {
        {tnSkip, {"LineTo 400 85", "LineTo 400 215", "LineTo 550 150"}},
        {tnDontPaint, {"LineTo 400 85", "LineTo 550 150"}},
        {tnIgnore, {"LineTo 400 85", "LineTo 250 150", "LineTo 400 215", "LineTo 550 150"}},
    };
    auto* series = Add<TPolarSeries>();
    series->AddXYPoint(0, 130);
    series->AddXYPoint(90, 130);
    series->AddNullXYPoint(180, 130);
    series->AddXYPoint(270, 130);
    series->Pointer()->SetVisible(false);
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.nulls));
        series->SetTreatNulls(c.nulls);
        DrawPoints(*series);
        EXPECT_EQ(Ops({"LineTo"}), c.lines);
    }
    // A single point closes nothing.
    series->Clear();
    series->AddXYPoint(0, 130);
    DrawPoints(*series);
    EXPECT_TRUE(Ops({"LineTo"}).empty());
}

TEST_F(PolarChartTest, ClockWiseLabelsMirrorTheAnglesOnEveryAssignment) {
    auto* series = Add<TPolarSeries>();
    series->AddXYPoint(30, 1);
    series->AddXYPoint(100, 2);
    series->SetClockWiseLabels(true);
    EXPECT_EQ(series->XValues()[0], 330);
    series->SetClockWiseLabels(true);
    EXPECT_EQ(series->XValues()[0], 30);
    EXPECT_EQ(series->XValues()[1], 100);
    EXPECT_TRUE(series->ClockWiseLabels());
}

TEST_F(PolarChartTest, HitTestAnswersThePointOrTheSegmentBefore) {
    auto* series = Add<TPolarSeries>();
    series->AddXYPoint(0, 130);
    series->AddXYPoint(90, 130);
    series->Pointer()->SetVisible(true);
    Draw();
    EXPECT_EQ(series->ValueIndexAt(550, 150), 0);
    EXPECT_EQ(series->ValueIndexAt(401, 86), 1);
    // Halfway along the segment 0 -> 1.
    EXPECT_EQ(series->ValueIndexAt(475, 118), 0);
    EXPECT_EQ(series->ValueIndexAt(150, 250), -1);
}

class PolarGalleryTest : public ::testing::Test {
protected:
    TSeriesLibraryStartup Library;
};

TEST_F(PolarGalleryTest, EachPolarSeriesThroughItsForm) {
    struct Case {
        const char* name;
        const char* className;
        bool angleIncrementShown;
    };
    const Case cases[] = {{"Polar", "TPolarSeries", true},
                          {"Radar", "TRadarSeries", false},
                          {"Polar Bar", "TPolarBarSeries", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TTeeSeriesType* entry = FindGalleryEntry(c.name);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(*entry->PageText, "Extended");
        EXPECT_EQ(entry->SampleSeriesCount, 2);
        TGalleryRoundTrip trip(*entry);
        auto* series = dynamic_cast<TCustomPolarSeries*>(trip.Series);
        ASSERT_NE(series, nullptr);
        EXPECT_EQ(series->ClassName(), c.className);
        EXPECT_GT(series->Count(), 0);
        trip.Draw();
        auto* form = dynamic_cast<TPolarSeriesEditor*>(trip.OpenEditor());
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->EAngleInc->Visible(), c.angleIncrementShown);
        EXPECT_TRUE(form->CBClose->Checked());
        form->CBClose->SetChecked(false);
        EXPECT_FALSE(series->CloseCircle());
        form->CBNulls->SetItemIndex(1);
        form->CBNulls->OnChange(form->CBNulls);
        EXPECT_EQ(series->TreatNulls(), tnSkip);
        form->CBLabels->SetChecked(true);
        EXPECT_TRUE(series->CircleLabels());
        EXPECT_TRUE(form->CBRotated->Enabled());
        form->ERadiusInc->SetText("25");
        EXPECT_EQ(series->RadiusIncrement(), 25);
        form->ERadiusInc->SetText("many");  // not a number: the increment stays
        EXPECT_EQ(series->RadiusIncrement(), 25);
        trip.Draw();
        trip.ExpectStreamsBackEqual();
    }
}

}  // namespace
