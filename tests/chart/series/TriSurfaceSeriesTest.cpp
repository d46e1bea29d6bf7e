// The tri-surface series on the chart: degenerate data draw nothing and raise nothing, the
// triangles are painted back to front (reversed on an inverted depth axis), the hit test answers
// the triangle number, a kept triangulation lasts until the points are cleared, and the series
// comes from the gallery through its form and the stream. Y equals Z in the points here, so the
// flat chart shows the triangulated X-Z plane (upside down).
#include <gtest/gtest.h>

#include <algorithm>

#include "chart/engine/ChartAxis.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/series/surface/TriSurfaceSeries.h"
#include "chart/series/surface/TriSurfaceSeriesEditor.h"
#include "platform/ui/CheckBox.h"
#include "tests/chart/series/GalleryRoundTrip.h"
#include "tests/chart/series/PriceChartFixture.h"

namespace {

class TriSurfaceTest : public PriceChartFixture {
protected:
    TTriSurfaceSeries* Surface(std::initializer_list<std::pair<double, double>> xz) {
        auto* s = Add<TTriSurfaceSeries>();
        for (auto [x, z] : xz) s->AddXYZValues(x, z, z);
        s->Brush()->SetStyle(bsSolid);
        return s;
    }
    // The largest Z of the corners of triangle t.
    static double Key(TTriSurfaceSeries& s, int t) {
        const auto& v = s.Triangle(t);
        return std::max({s.ZValues()[v[0]], s.ZValues()[v[1]], s.ZValues()[v[2]]});
    }
};

TEST_F(TriSurfaceTest, DegenerateDataDrawNothing) {
    for (auto points : {std::initializer_list<std::pair<double, double>>{{10, 10}, {20, 20}},
                        {{10, 10}, {20, 20}, {30, 30}, {40, 40}},
                        {{10, 10}, {10, 10}, {10, 10}}}) {
        auto* s = Surface(points);
        EXPECT_NO_THROW(Draw());
        EXPECT_EQ(s->TriangleCount(), 0);
        EXPECT_FALSE(s->Triangulated());
        DrawPoints(*s);
        EXPECT_TRUE(Ops({"Polygon"}).empty());
        EXPECT_EQ(s->ValueIndexAt(15, 15), -1);
        TObject::Free(s);
    }
}

TEST_F(TriSurfaceTest, PaintedBackToFrontAndHitByTriangleNumber) {
    auto* s = Surface({{100, 100}, {300, 100}, {300, 200}, {100, 200}, {200, 150}});
    Draw();
    ASSERT_EQ(s->TriangleCount(), 4);
    EXPECT_EQ(s->Hull().size(), 4u);
    const std::vector<int> order = s->PaintedOrder();
    ASSERT_EQ(order.size(), 4u);
    for (size_t i = 1; i < order.size(); ++i) EXPECT_GE(Key(*s, order[i - 1]), Key(*s, order[i]));
    DrawPoints(*s);
    EXPECT_EQ(Ops({"Polygon"}).size(), 4u);
    for (int t = 1; t <= 4; ++t) {
        int x = 0, y = 0;
        for (int k : s->Triangle(t)) {
            x += s->PointXPixel(k);
            y += s->PointYPixel(k);
        }
        EXPECT_EQ(s->ValueIndexAt(x / 3, y / 3), t);
    }
    EXPECT_EQ(s->ValueIndexAt(10, 290), -1);

    Chart->DepthAxis()->SetInverted(true);
    Draw();
    const std::vector<int> inverted = s->PaintedOrder();
    for (size_t i = 1; i < inverted.size(); ++i)
        EXPECT_LE(Key(*s, inverted[i - 1]), Key(*s, inverted[i]));
    // Without painter's order the triangles go in index order, nothing sorted.
    s->SetHideTriangles(false);
    Draw();
    EXPECT_TRUE(s->PaintedOrder().empty());
}

TEST_F(TriSurfaceTest, KeptTriangulationLastsUntilCleared) {
    auto* s = Surface({{100, 100}, {300, 100}, {200, 200}});
    s->ReuseTriangulation = true;
    Draw();
    EXPECT_EQ(s->TriangleCount(), 1);
    s->AddXYZValues(200, 50, 50);
    Draw();
    EXPECT_EQ(s->TriangleCount(), 1);
    s->Clear();
    for (auto [x, z] : {std::pair{100.0, 100.0}, {300, 100}, {200, 200}, {200, 50}})
        s->AddXYZValues(x, z, z);
    Draw();
    EXPECT_EQ(s->TriangleCount(), 2);
}

TEST(TriSurfaceGalleryTest, TriangleSurfaceThroughItsForm) {
    TSeriesLibraryStartup library;
    TTeeSeriesType* entry = FindGalleryEntry("Triangle Surf.");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(*entry->PageText, "3D");
    TGalleryRoundTrip trip(*entry);
    auto* s = static_cast<TTriSurfaceSeries*>(trip.Series);
    EXPECT_EQ(s->Count(), 15);
    trip.Draw();
    EXPECT_GT(s->TriangleCount(), 0);
    auto* form = dynamic_cast<TTriSurfaceSeriesEditor*>(trip.OpenEditor());
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->CBHide->Checked());
    form->CBHide->SetChecked(false);
    EXPECT_FALSE(s->HideTriangles());
    form->CBFastBrush->SetChecked(true);
    EXPECT_TRUE(s->FastBrush());
    trip.Draw();
    trip.ExpectStreamsBackEqual();
}

}  // namespace
