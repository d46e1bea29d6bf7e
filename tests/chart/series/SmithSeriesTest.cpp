// The Smith chart: impedances on the unit circle, z = -1 left out, the grid only with the axes
// behind and without arcs in a rotated 3-D view, and the series through the gallery, its form and
// the stream. The chart of PriceChartFixture, with the reactance labels off, has its circle
// centred at (400, 150) with radii 300 and 130.
#include <gtest/gtest.h>

#include <optional>

#include "chart/engine/ChartAxis.h"
#include "chart/foundation/View3DOptions.h"
#include "chart/series/algo/SmithMapping.h"
#include "chart/series/smith/SmithSeries.h"
#include "chart/series/smith/SmithSeriesEditor.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "tests/chart/series/GalleryRoundTrip.h"
#include "tests/chart/series/PriceChartFixture.h"

namespace {

class SmithChartTest : public PriceChartFixture {
protected:
    TSmithSeries* Smith() {
        auto* s = Add<TSmithSeries>();
        s->SetCLabels(false);
        s->AddXYPoint(1, 0);  // a chart draws no empty series
        Chart->SetAxisVisible(true);
        return s;
    }
};

TEST_F(SmithChartTest, ImpedancesOnTheUnitCircle) {
    auto* s = Smith();
    Draw();
    ASSERT_EQ(s->XRadius, 300);
    ASSERT_EQ(s->YRadius, 130);
    struct Case {
        double r, x;
        int px, py;
    };
    const Case cases[] = {
        {0, 0, 100, 150},  // the left end of the diameter
        {1, 0, 400, 150},  // the centre
        {1, 1, 460, 98},   // (1 + i): 0.2 + 0.4 i
        {0, 1, 400, 20},   // i: straight up
        {1e9, 0, 700, 150},
    };
    for (const Case& c : cases) {
        const std::optional<TPoint> p = s->ZToPoint(c.r, c.x);
        ASSERT_TRUE(p.has_value());
        EXPECT_EQ(p->X, c.px) << c.r << " " << c.x;
        EXPECT_EQ(p->Y, c.py) << c.r << " " << c.x;
    }
    EXPECT_FALSE(SmithReflection(-1, 0).has_value());
    EXPECT_FALSE(s->ZToPoint(-1, 0).has_value());
}

TEST_F(SmithChartTest, PointAtMinusOneIsLeftOut) {
    auto* s = Smith();
    s->Clear();
    s->AddXYPoint(0, 0);
    s->AddXYPoint(-1, 0);
    s->AddXYPoint(1, 0);
    s->Pointer()->SetVisible(true);
    DrawPoints(*s);
    EXPECT_EQ(Ops({"LineTo"}), (std::vector<std::string>{"LineTo 400 150"}));
    EXPECT_EQ(s->ValueIndexAt(400, 150), 2);
}

TEST_F(SmithChartTest, GridOnlyBehindTheSeriesAndArcsOnlyWhenFlat) {
    auto* s = Smith();
    Draw();
    EXPECT_EQ(s->ResistanceCircles, 7);
    EXPECT_EQ(s->ReactanceArcs, 22);
    Chart->SetAxisBehind(false);
    Draw();
    EXPECT_EQ(s->ResistanceCircles, 0);
    EXPECT_EQ(s->ReactanceArcs, 0);
    Chart->SetAxisBehind(true);
    Chart->SetView3D(true);
    Chart->View3DOptions()->SetOrthogonal(false);
    Draw();
    EXPECT_EQ(s->ResistanceCircles, 7);
    EXPECT_EQ(s->ReactanceArcs, 0);
}

TEST(SmithGalleryTest, SmithThroughItsForm) {
    TSeriesLibraryStartup library;
    TTeeSeriesType* entry = FindGalleryEntry("Smith");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(*entry->PageText, "Extended");
    TGalleryRoundTrip trip(*entry);
    auto* s = static_cast<TSmithSeries*>(trip.Series);
    EXPECT_GT(s->Count(), 0);
    trip.Draw();
    auto* form = dynamic_cast<TSmithSeriesEdit*>(trip.OpenEditor());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->EImag->Text(), "i");
    form->EImag->SetText("j");
    EXPECT_EQ(s->ImagSymbol(), "j");
    form->CBCLabels->SetChecked(false);
    EXPECT_FALSE(s->CLabels());
    trip.Draw();
    trip.ExpectStreamsBackEqual();
}

}  // namespace
