// The needle gauge: the needle moved alone on the shown picture leaves exactly what a new drawing
// pass gives; the scale's ticks for ranges empty, reversed, full-circle and huge; the value, its
// range and its change event; the click on the needle; and the gauge from the gallery through its
// form and both forms of the chart stream.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

#include "chart/editors/CircledSeriesEditor.h"
#include "chart/editors/GradientEditor.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartLegend.h"
#include "chart/engine/SeriesPointer.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/series/gauge/GaugeSeries.h"
#include "chart/series/gauge/GaugeSeriesEditor.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/PageControl.h"
#include "tests/chart/foundation/RecordingCanvas3D.h"
#include "tests/chart/series/GalleryRoundTrip.h"

namespace {

// A chart that counts the repaints it is asked for.
class TGaugeTestChart : public TChart {
public:
    using TChart::TChart;
    void Invalidate() override {
        ++Invalidations;
        TChart::Invalidate();
    }
    int Invalidations = 0;
};

class GaugeSeriesTest : public ::testing::Test {
protected:
    static constexpr int Width = 320;
    static constexpr int Height = 260;

    GaugeSeriesTest() {
        Chart = new TGaugeTestChart(&Owner);
        Chart->SetBounds(0, 0, Width, Height);
        Chart->Legend()->SetVisible(false);
        Gauge = new TGaugeSeries(&Owner);
        Chart->AddSeries(Gauge);
    }
    ~GaugeSeriesTest() override { Owner.DestroyComponents(); }

    // A whole drawing pass onto the picture the chart shows, as a paint does.
    void Paint() { Chart->DrawToClient(); }
    // The picture the chart shows, row by row.
    std::vector<uint8_t> Picture() {
        TBitmap copy;
        copy.SetPixelFormat(pf32bit);
        copy.SetSize(Width, Height);
        const TRect all{0, 0, Width, Height};
        copy.Canvas()->CopyRect(all, *Chart->Canvas(), all);
        std::vector<uint8_t> pixels;
        for (int y = 0; y < Height; ++y) {
            const uint8_t* row = copy.ScanLine(y);
            pixels.insert(pixels.end(), row, row + Width * 4);
        }
        return pixels;
    }
    // The gauge's labels in one drawing pass, by the index each was drawn with.
    std::vector<int> LabelIndexes() {
        std::vector<int> indexes;
        Chart->OnGetAxisLabel = [&](TChartAxis&, TChartSeries* series, int index, std::string&) {
            if (!series && index >= 0) indexes.push_back(index);
        };
        TBitmap target(Width, Height);
        Chart->Draw(target.Canvas(), TRect{0, 0, Width, Height});
        Chart->OnGetAxisLabel = nullptr;
        return indexes;
    }
    TChartAxis& Scale() { return *Gauge->ScaleAxis(); }

    TSeriesLibraryStartup Library;
    TComponent Owner{nullptr};
    TGaugeTestChart* Chart = nullptr;
    TGaugeSeries* Gauge = nullptr;
};

TEST_F(GaugeSeriesTest, NeedleMovedAloneLeavesWhatAFreshDrawingGives) {
    struct Case {
        const char* name;
        THandStyle hand;
        bool endPoint;
        bool center;
    };
    const Case cases[] = {
        {"line", hsLine, false, true},
        {"triangle", hsTriangle, false, true},
        {"line with end point", hsLine, true, true},
        {"triangle with end point, no centre", hsTriangle, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Gauge->SetHandStyle(c.hand);
        Gauge->EndPoint()->SetVisible(c.endPoint);
        Gauge->Center()->SetVisible(c.center);
        Gauge->Pen()->SetColor(clRed);
        Gauge->SetValue(10);
        Paint();
        const std::vector<uint8_t> first = Picture();
        const int invalidations = Chart->Invalidations;
        Gauge->SetValue(45);
        const std::vector<uint8_t> once = Picture();
        EXPECT_TRUE(once != first);
        Gauge->SetValue(80);
        const std::vector<uint8_t> twice = Picture();
        EXPECT_EQ(Chart->Invalidations, invalidations);  // no drawing pass asked for
        Paint();
        EXPECT_TRUE(Picture() == twice);
        // Back where it started, the picture is the first one again.
        Gauge->SetValue(10);
        EXPECT_TRUE(Picture() == first);
    }
}

TEST_F(GaugeSeriesTest, FullRepaintAsksForADrawingPassInstead) {
    Gauge->SetFullRepaint(true);
    Paint();
    const std::vector<uint8_t> before = Picture();
    const int invalidations = Chart->Invalidations;
    Gauge->SetValue(60);
    EXPECT_GT(Chart->Invalidations, invalidations);
    EXPECT_TRUE(Picture() == before);
    Paint();
    EXPECT_FALSE(Picture() == before);
}

TEST_F(GaugeSeriesTest, ValueRangeAndChangeEvent) {
    int changes = 0;
    Gauge->OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, Gauge);
        ++changes;
    };
    EXPECT_EQ(Gauge->Value(), 0);
    Gauge->SetValue(70);
    EXPECT_EQ(changes, 1);
    Paint();
    const std::vector<uint8_t> shown = Picture();
    const int invalidations = Chart->Invalidations;
    // An equal value changes nothing, fires nothing and draws nothing.
    Gauge->SetValue(70);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(Chart->Invalidations, invalidations);
    EXPECT_TRUE(Picture() == shown);
    // A maximum below the value pulls it down, a minimum above it pulls it up.
    Gauge->SetMaximum(50);
    EXPECT_EQ(Gauge->Value(), 50);
    EXPECT_EQ(changes, 2);
    Gauge->SetMaximum(200);
    EXPECT_EQ(Gauge->Value(), 50);
    EXPECT_EQ(changes, 2);
    Gauge->SetMinimum(60);
    EXPECT_EQ(Gauge->Value(), 60);
    EXPECT_EQ(changes, 3);
    // A point added becomes the value; a series without points reads 0 and gets its point.
    Gauge->AddY(90);
    EXPECT_EQ(Gauge->Value(), 90);
    EXPECT_EQ(changes, 4);
    Gauge->Clear();
    EXPECT_EQ(Gauge->Value(), 0);
    EXPECT_EQ(Gauge->Count(), 1);
    // The chart scales to the range, not to the points.
    EXPECT_EQ(Gauge->GetMaxYValue(), 200);
    EXPECT_EQ(Gauge->GetMinYValue(), 60);
}

TEST_F(GaugeSeriesTest, TicksForEveryKindOfRange) {
    struct Case {
        const char* name;
        double minimum, maximum, increment, totalAngle;
        int labels;
    };
    const Case cases[] = {
        {"quarter circle", 0, 100, 10, 90, 11},
        {"no increment: steps of 10", 0, 100, 0, 90, 11},
        {"full circle: the maximum falls on the minimum", 0, 100, 10, 360, 10},
        {"tenths without drift", 0, 1, 0.1, 90, 11},
        {"maximum equals minimum", 50, 50, 10, 90, 0},
        {"minimum above maximum", 80, 20, 10, 90, 0},
        {"a huge range is capped", 0, 1e9, 10, 90, MaxGaugeTicks},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Gauge->SetMaximum(1e300);
        Gauge->SetMinimum(c.minimum);
        Gauge->SetMaximum(c.maximum);
        Gauge->SetTotalAngle(c.totalAngle);
        Scale().SetIncrement(c.increment);
        const std::vector<int> indexes = LabelIndexes();
        ASSERT_EQ(int(indexes.size()), c.labels);
        for (int i = 0; i < c.labels; ++i) ASSERT_EQ(indexes[size_t(i)], i);
    }
}

TEST_F(GaugeSeriesTest, MinorTicksBetweenTheTicksAndCapped) {
    struct Case {
        const char* name;
        double maximum;
        int perStep;
        int lines;
    };
    const Case cases[] = {
        {"one between each pair", 100, 1, 10},
        {"three between each pair", 100, 3, 30},
        {"a last short step", 95, 1, 10},
        {"a huge range is capped", 1e9, 1, MaxGaugeTicks},
        {"many per step are capped", 100, 100000, MaxGaugeTicks},
    };
    Chart->ReplaceCanvas(std::make_unique<TRecordingCanvas3D>());
    auto* canvas = static_cast<TRecordingCanvas3D*>(Chart->Canvas3D());
    // Lines of a drawing pass; with only the minor ticks on, the gauge draws nothing else.
    auto lines = [&] {
        canvas->ClearCalls();
        TBitmap target(Width, Height);
        Chart->Draw(target.Canvas(), TRect{0, 0, Width, Height});
        int count = 0;
        for (const TCanvas3DCall& call : canvas->Calls()) count += call.Op == "LineTo";
        return count;
    };
    Scale().Ticks()->SetVisible(false);
    Scale().SetLabels(false);
    Scale().Axis()->SetVisible(false);
    Scale().SetIncrement(10);
    Gauge->Pen()->SetVisible(false);
    Scale().MinorTicks()->SetVisible(false);
    const int others = lines();
    Scale().MinorTicks()->SetVisible(true);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Gauge->SetMaximum(c.maximum);
        Scale().SetMinorTickCount(c.perStep);
        EXPECT_EQ(lines() - others, c.lines);
    }
}

TEST_F(GaugeSeriesTest, ClickNearTheNeedle) {
    Gauge->SetValue(50);  // straight up
    Paint();
    TPoint start, tip;
    Gauge->NeedlePoints(50, start, tip);
    ASSERT_EQ(start.X, tip.X);
    ASSERT_LT(tip.Y, start.Y);
    const int middle = (start.Y + tip.Y) / 2;
    EXPECT_EQ(Gauge->ValueIndexAt(start.X + 2, middle), 0);
    EXPECT_EQ(Gauge->ValueIndexAt(start.X - 2, middle), 0);
    EXPECT_EQ(Gauge->ValueIndexAt(start.X + 5, middle), -1);
    EXPECT_EQ(Gauge->ValueIndexAt(start.X, tip.Y - 10), -1);
}

TEST_F(GaugeSeriesTest, ItsChartIsFlatWithATickedScale) {
    EXPECT_FALSE(Chart->View3D());
    EXPECT_FALSE(Chart->View3DWalls());
    EXPECT_FALSE(Chart->Frame()->Visible());
    EXPECT_EQ(Scale().TickLength(), 14);
    EXPECT_EQ(Scale().MinorTickLength(), 6);
    EXPECT_TRUE(Gauge->Circled());
    EXPECT_EQ(Gauge->RotationAngle(), 135);
    EXPECT_FALSE(Gauge->ShowInLegend());
    EXPECT_EQ(Gauge->Count(), 1);
    // The scale runs from the upper left over the top to the upper right.
    EXPECT_DOUBLE_EQ(std::fmod(Gauge->ValueAngle(0), 360), 45);
    EXPECT_DOUBLE_EQ(std::fmod(Gauge->ValueAngle(50), 360), 90);
    EXPECT_DOUBLE_EQ(std::fmod(Gauge->ValueAngle(100), 360), 135);
}

TEST_F(GaugeSeriesTest, FromTheGalleryThroughItsFormAndTheStream) {
    TTeeSeriesType* entry = FindGalleryEntry("Gauge");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(*entry->PageText, "Gauges");
    TGalleryRoundTrip trip(*entry);
    auto* gauge = dynamic_cast<TGaugeSeries*>(trip.Series);
    ASSERT_NE(gauge, nullptr);
    EXPECT_EQ(gauge->Count(), 1);
    // Settings no integer control shows exactly, and a scale the user changed after the gauge
    // joined: none of them may move when the form loads or the chart is read back.
    gauge->SetMinimum(-0.25);
    gauge->SetMaximum(100.5);
    gauge->SetValue(37.6);
    gauge->SetTotalAngle(200.5);
    gauge->ScaleAxis()->SetIncrement(12.5);
    gauge->ScaleAxis()->SetTickLength(20);
    trip.Chart->Frame()->SetVisible(true);
    trip.Draw();
    const std::string before = ChartSnapshot(*trip.Chart);
    auto* form = dynamic_cast<TGaugeSeriesEditor*>(trip.OpenEditor());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(ChartSnapshot(*trip.Chart), before);
    EXPECT_EQ(form->PageControl1->ActivePage(), form->TabOptions);
    EXPECT_EQ(form->SEValue->Text(), "38");
    EXPECT_EQ(form->CBHandStyle->ItemIndex(), int(hsLine));
    ASSERT_NE(form->CircledEditor(), nullptr);
    EXPECT_FALSE(form->CircledEditor()->BBack->Visible());
    EXPECT_FALSE(form->CircledEditor()->CBTransp->Visible());
    EXPECT_TRUE(form->CircledEditor()->BGradient->Visible());

    // As the user picks it: setting the index alone fires no change.
    form->CBHandStyle->SetItemIndex(int(hsTriangle));
    form->CBHandStyle->OnChange(form->CBHandStyle);
    EXPECT_EQ(gauge->HandStyle(), hsTriangle);
    form->CBFullRepaint->SetChecked(!gauge->FullRepaint());
    form->CBInside->SetChecked(false);
    EXPECT_FALSE(gauge->LabelsInside());
    form->SEValue->SetText("40");
    EXPECT_EQ(gauge->Value(), 40);
    // The maximum cannot be stepped below the minimum; within the range it clamps the value.
    form->SEMaximum->SetText("30");
    EXPECT_EQ(gauge->Maximum(), 30);
    EXPECT_EQ(gauge->Value(), 30);
    form->SEMinimum->SetText("31");
    EXPECT_EQ(gauge->Minimum(), -0.25);
    form->SEIncrement->SetText("5");
    EXPECT_EQ(gauge->ScaleAxis()->Increment(), 5);
    form->EFormat->SetText("0.0");
    EXPECT_EQ(gauge->ValueFormat(), "0.0");
    gauge->EndPoint()->SetVisible(true);
    trip.Draw();
    trip.ExpectStreamsBackEqual();
}

}  // namespace
