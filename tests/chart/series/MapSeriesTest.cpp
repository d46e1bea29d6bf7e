// The map series: one map point per polygon, the sample outlines, deleting points, extremes,
// one-point polygons by PointSize, the centroid, the 3-D order by value, and the polygons with
// their outlines and properties through the text and the binary chart stream.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "chart/engine/ChartAxis.h"
#include "chart/export/ChartStream.h"
#include "chart/series/algo/PolygonCentroid.h"
#include "chart/series/map/MapSeries.h"
#include "chart/series/map/MapSeriesEditor.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ListBox.h"
#include "tests/chart/series/GalleryRoundTrip.h"
#include "tests/chart/series/PriceChartFixture.h"

namespace {

class MapChartTest : public PriceChartFixture {};

TEST_F(MapChartTest, OnePointPerPolygonAndTheSampleOutlines) {
    auto* map = Add<TMapSeries>();
    EXPECT_EQ(map->GetMinXValue(), 0);
    EXPECT_EQ(map->GetMaxYValue(), 0);
    map->FillSampleValues(12);
    ASSERT_EQ(map->Shapes()->Count(), 12);
    EXPECT_EQ(map->Count(), 12);
    EXPECT_EQ(map->Shapes()->GetPolygon(1)->Text(), "B");
    EXPECT_EQ(map->Shapes()->GetPolygon(1)->Points()->Count(), 9);
    EXPECT_EQ(map->GetMinXValue(), 1);
    EXPECT_EQ(map->GetMaxXValue(), 21);
    EXPECT_EQ(map->GetMaxYValue(), 18);
    map->Delete(3);
    EXPECT_EQ(map->Count(), 11);
    ASSERT_EQ(map->Shapes()->Count(), 11);
    EXPECT_EQ(map->Shapes()->GetPolygon(3)->Text(), "E");
    map->Shapes()->AddPolygon()->AddXY(1, 1);
    EXPECT_EQ(map->Count(), 12);
    map->Clear();
    EXPECT_EQ(map->Shapes()->Count(), 0);
}

TEST_F(MapChartTest, OnePointPolygonsBySize) {
    auto* map = Add<TMapSeries>();
    map->Shapes()->AddPolygon()->AddXY(100, 100);
    map->Shapes()->AddPolygon()->AddXY(300, 200);  // keeps the axes' range apart
    Chart->BottomAxis()->SetLimits(0, 600);
    Chart->LeftAxis()->SetLimits(0, 260);
    struct Case {
        int size;
        std::vector<std::string> ops;
    };
    // (100, 100) lies at pixel (200, 180).
    const Case cases[] = {
        {1, {"Pixel 200 180"}},
        {3, {"Polygon 199 179 202 179 202 182 199 182"}},  // 3 x 3 pixels
        {2, {"Polygon 200 180 202 180 202 182 200 182"}},
    };
    for (const Case& c : cases) {
        map->SetPointSize(c.size);
        DrawPoints(*map);
        std::vector<std::string> ops = Ops({"Pixel", "Polygon"});
        ASSERT_FALSE(ops.empty());
        // The first polygon's figure; a pixel carries its colour as a third number.
        std::string first = ops[0];
        if (c.size == 1) first = first.substr(0, first.rfind(' '));
        EXPECT_EQ(first, c.ops[0]) << c.size;
    }
    EXPECT_EQ(map->ValueIndexAt(200, 180), 0);
    EXPECT_EQ(map->ValueIndexAt(250, 180), -1);
}

TEST(PolygonCentroidTest, EitherDirectionGivesTheSameCentroid) {
    const std::vector<TIntPoint> square{{0, 0}, {4, 0}, {4, 2}, {0, 2}};
    const std::vector<TIntPoint> reversed{{0, 2}, {4, 2}, {4, 0}, {0, 0}};
    for (const auto& points : {square, reversed}) {
        const TCentroid c = PolygonCentroid(points);
        EXPECT_DOUBLE_EQ(c.X, 2);
        EXPECT_DOUBLE_EQ(c.Y, 1);
    }
    EXPECT_DOUBLE_EQ(PolygonCentroid(std::vector<TIntPoint>{{2, 2}, {4, 6}}).Y, 4);
    const TCentroid flat = PolygonCentroid(std::vector<TIntPoint>{{0, 0}, {1, 1}, {2, 2}});
    EXPECT_DOUBLE_EQ(flat.X, 0);  // no area: the sums over 6
}

TEST_F(MapChartTest, ThreeDDrawsTheLargestValueFirst) {
    auto* map = Add<TMapSeries>();
    const double values[] = {0.5, 0.9, 0.1};
    for (int i = 0; i < 3; ++i) {
        TTeePolygon* p = map->Shapes()->AddPolygon();
        p->AddXY(100 * i + 10, 10);
        p->AddXY(100 * i + 50, 10);
        p->AddXY(100 * i + 30, 50);
        p->SetZ(values[i]);
    }
    Chart->SetView3D(true);
    DrawPoints(*map);
    std::vector<int> lefts;
    for (const TCanvas3DCall& c : CallsOf("Polygon")) lefts.push_back(c.Args[0]);
    ASSERT_EQ(lefts.size(), 3u);
    // Polygon 1 (0.9), then 0 (0.5), then 2 (0.1): their first points lie left to right.
    EXPECT_LT(lefts[1], lefts[0]);
    EXPECT_GT(lefts[2], lefts[0]);
}

TEST(MapStreamTest, PolygonsThroughTextAndBinaryStreams) {
    TSeriesLibraryStartup library;
    TComponent owner(nullptr);
    auto* chart = new TChart(&owner);
    chart->SetName("Chart1");
    auto* map = new TMapSeries(&owner);
    map->SetName("Series1");
    chart->AddSeries(map);
    map->FillSampleValues(12);
    TTeePolygon* b = map->Shapes()->GetPolygon(1);
    b->SetClosed(false);
    b->SetParentPen(false);
    b->SetColor(clRed);
    b->SetTransparency(30);
    map->Shapes()->GetPolygon(2)->SetZ(0.25);
    const std::string original = ChartSnapshot(*chart);
    for (bool asText : {false, true}) {
        SCOPED_TRACE(asText ? "text" : "binary");
        TMemoryStream s;
        WriteChartStream(*chart, s, true, asText);
        s.SetPosition(0);
        TComponent copyOwner(nullptr);
        auto* copy = new TChart(&copyOwner);
        ReadChartStream(*copy, s);
        ASSERT_EQ(copy->SeriesCount(), 1);
        auto* read = dynamic_cast<TMapSeries*>(copy->GetSeries(0));
        ASSERT_NE(read, nullptr);
        ASSERT_EQ(read->Shapes()->Count(), 12);
        EXPECT_EQ(read->Count(), 12);
        for (int i = 0; i < 12; ++i) {
            const TPolygonSeries& a = *map->Shapes()->GetPolygon(i)->Points();
            const TPolygonSeries& r = *read->Shapes()->GetPolygon(i)->Points();
            ASSERT_EQ(r.Count(), a.Count()) << i;
            for (int k = 0; k < a.Count(); ++k) {
                EXPECT_EQ(r.XValues()[k], a.XValues()[k]);
                EXPECT_EQ(r.YValues()[k], a.YValues()[k]);
            }
            EXPECT_EQ(read->Shapes()->GetPolygon(i)->Text(), map->Shapes()->GetPolygon(i)->Text());
            EXPECT_EQ(read->Shapes()->GetPolygon(i)->Z(), map->Shapes()->GetPolygon(i)->Z());
        }
        TTeePolygon* rb = read->Shapes()->GetPolygon(1);
        EXPECT_FALSE(rb->Closed());
        EXPECT_FALSE(rb->ParentPen());
        EXPECT_EQ(rb->Color(), clRed);
        EXPECT_EQ(rb->Transparency(), 30);
        EXPECT_EQ(ChartSnapshot(*copy), original);
    }
}

TEST(MapGalleryTest, MapThroughItsForm) {
    TSeriesLibraryStartup library;
    TTeeSeriesType* entry = FindGalleryEntry("Map");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(*entry->PageText, "Extended");
    TGalleryRoundTrip trip(*entry);
    auto* map = static_cast<TMapSeries*>(trip.Series);
    ASSERT_EQ(map->Shapes()->Count(), 12);
    trip.Draw();
    auto* form = dynamic_cast<TMapSeriesEditor*>(trip.OpenEditor());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->LBShapes->Count(), 12);
    EXPECT_EQ(form->SelectedPolygon(), map->Shapes()->GetPolygon(0));
    EXPECT_EQ(form->EText->Text(), "A");
    form->EText->SetText("North");
    EXPECT_EQ(map->Shapes()->GetPolygon(0)->Text(), "North");
    EXPECT_EQ(form->LBShapes->Items()->Strings(0), "North");
    form->EZ->SetText("0.5");
    EXPECT_EQ(map->Shapes()->GetPolygon(0)->Z(), 0.5);
    form->EZ->SetText("half");  // not a number: the value stays
    EXPECT_EQ(map->Shapes()->GetPolygon(0)->Z(), 0.5);
    form->CBClosed->SetChecked(false);
    EXPECT_FALSE(map->Shapes()->GetPolygon(0)->Closed());
    form->BAdd->Click();
    ASSERT_EQ(map->Shapes()->Count(), 13);
    EXPECT_EQ(map->Shapes()->GetPolygon(12)->Text(), "12");
    EXPECT_EQ(form->LBShapes->ItemIndex(), 12);
    form->BDelete->Click();  // the last row: the selection moves to the new last row
    EXPECT_EQ(map->Shapes()->Count(), 12);
    EXPECT_EQ(form->LBShapes->ItemIndex(), 11);
    form->LBShapes->SetItemIndex(3);
    form->BDelete->Click();  // the same row stays chosen
    EXPECT_EQ(form->LBShapes->ItemIndex(), 3);
    EXPECT_EQ(form->EText->Text(), "E");
    EXPECT_EQ(map->Count(), 11);
    trip.Draw();
    trip.ExpectStreamsBackEqual();
}

}  // namespace
