// The tag cloud on a chart: words sized by value, filtered, written once each inside the chart
// rectangle and found again by their pixels; and the series as the program meets it: created
// from its gallery entry, filled, drawn, edited through its form and streamed back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/engine/AxisPanel.h"
#include "chart/foundation/TeeFont.h"
#include "chart/series/text/TagCloudEditor.h"
#include "chart/series/text/TagCloudSeries.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "tests/chart/series/GalleryRoundTrip.h"
#include "tests/chart/series/PriceChartFixture.h"

namespace {

class TagCloudSeriesTest : public PriceChartFixture {};

TEST_F(TagCloudSeriesTest, WordsSizedFilteredAndFound) {
    auto* s = Add<TTagCloudSeries>();
    s->AddTag("Alpha", 100);
    s->AddTag("beta", 0);
    s->AddTag("Gamma", 50);
    EXPECT_EQ(s->EndColor(), TColor(0xA36644));
    EXPECT_EQ(s->TagFontSizeOf(0), 32);
    EXPECT_EQ(s->TagFontSizeOf(1), 8);
    EXPECT_EQ(s->TagFontSizeOf(2), 20);
    Draw();
    const std::vector<TCanvas3DCall> words = CallsOf("Text");
    ASSERT_EQ(words.size(), 3u);
    EXPECT_EQ(words[0].Text, "Alpha");
    const TRect area = Chart->ChartRect();
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const TRect r = s->TagRects()[size_t(i)];
        EXPECT_GE(r.Left, area.Left);
        EXPECT_GE(r.Top, area.Top);
        EXPECT_EQ(s->ValueIndexAt(s->PointXPixel(i), s->PointYPixel(i)), i);
    }
    EXPECT_EQ(s->ValueIndexAt(area.Right - 1, area.Bottom - 1), -1);
    // Case-insensitive substring filter.
    s->SetFilter("MM");
    EXPECT_FALSE(s->Shown(0));
    EXPECT_TRUE(s->Shown(2));
    Draw();
    ASSERT_EQ(CallsOf("Text").size(), 1u);
    EXPECT_EQ(CallsOf("Text")[0].Text, "Gamma");
    EXPECT_TRUE(s->TagRects()[0].Left == 0 && s->TagRects()[0].Right == 0);
    s->SetFilter("zz");
    Draw();
    EXPECT_TRUE(CallsOf("Text").empty());
    EXPECT_LE(s->LastInView, s->Count() - 1);
}

TEST_F(TagCloudSeriesTest, OnDrawTagSeesEveryWordItDraws) {
    auto* s = Add<TTagCloudSeries>();
    for (const char* w : {"one", "two", "three"}) s->AddTag(w, 5);
    std::vector<int> seen;
    s->OnDrawTag = [&seen](TTagCloudSeries&, int i) { seen.push_back(i); };
    Draw();
    // Measured, then drawn: each word twice, in order.
    EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 0, 1, 2}));
}

class TagCloudGalleryTest : public ::testing::Test {
protected:
    TSeriesLibraryStartup Library;
};

TEST_F(TagCloudGalleryTest, FromTheGalleryThroughItsForm) {
    TTeeSeriesType* e = FindGalleryEntry("Tag Cloud");
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(*e->PageText, "Other");
    EXPECT_EQ(e->SampleSeriesCount, 1);
    TGalleryRoundTrip trip(*e);
    auto* s = static_cast<TTagCloudSeries*>(trip.Series);
    ASSERT_GT(s->Count(), 0);
    for (int i = 1; i < s->Count(); ++i)
        EXPECT_LE(s->Labels().Label(i - 1), s->Labels().Label(i));  // sorted by label
    trip.Draw();
    auto* form = dynamic_cast<TTagCloudEditor*>(trip.OpenEditor());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(s->TagSeparation(), 5);  // loading wrote nothing back
    form->EFilter->SetText("a");
    EXPECT_EQ(s->Filter(), "a");
    form->ESeparation->SetText("12");
    EXPECT_EQ(s->TagSeparation(), 12);
    form->CBClip->SetChecked(!trip.Chart->ClipPoints());
    EXPECT_EQ(trip.Chart->ClipPoints(), form->CBClip->Checked());
    s->Font()->SetSize(20);
    trip.Draw();
    trip.ExpectStreamsBackEqual();
}

}  // namespace
