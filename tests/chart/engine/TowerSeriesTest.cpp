// The tower series: one solid per grid point in the order that puts far towers first, standing
// on Origin or the lowest value, the shape of each style, and clicks on the nearest tower.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Chart3DDrawFixture.h"
#include "chart/engine/grid3d/TowerSeries.h"
#include "chart/foundation/View3DOptions.h"

namespace {

// Writes down the solids instead of drawing them: the shape and its box.
class TSolidRecorder : public TRecordingCanvas3D {
public:
    void DrawCuboid(int l, int r, int t, int b, int z0, int z1, bool dark) override {
        Solid("Cuboid", l, r, t, b, z0, z1, dark);
    }
    void DrawCylinder(bool, int l, int t, int r, int b, int z0, int z1, bool dark) override {
        Solid(CylinderSides() == 4 ? "SlantCube" : "Cylinder", l, r, t, b, z0, z1, dark);
    }
    void DrawCone(bool, int l, int t, int r, int b, int z0, int z1, bool dark, int) override {
        Solid("Cone", l, r, t, b, z0, z1, dark);
    }
    void DrawPyramid(bool, int l, int t, int r, int b, int z0, int z1, bool dark) override {
        Solid("Pyramid", l, r, t, b, z0, z1, dark);
    }
    void DrawRectangleAtZ(const TRect& rect, int z) override {
        Solid("RectangleAtZ", rect.Left, rect.Right, rect.Top, rect.Bottom, z, z, false);
    }
    void FillPlaneAtY(int l, int y, int r, int z0, int z1) override {
        Solid("PlaneAtY", l, r, y, y, z0, z1, false);
    }
    void DrawArrow(bool, TPoint from, TPoint to, int, int, int z, int) override {
        Solid("Arrow", from.X, to.X, to.Y, from.Y, z, z, false);
    }
    TTeeBlend* BeginBlending(const TRect& rect, int transparency) override {
        ++Blends;
        return TRecordingCanvas3D::BeginBlending(rect, transparency);
    }
    struct TSolid {
        std::string Shape;
        int Left, Right, Top, Bottom, Z0, Z1;
        TColor Brush;
    };
    std::vector<TSolid> Solids;
    int Blends = 0;

private:
    void Solid(const char* shape, int l, int r, int t, int b, int z0, int z1, bool) {
        Solids.push_back({shape, l, r, t, b, z0, z1, Brush()->Color()});
    }
};

class TowerSeriesTest : public TChart3DDrawFixture<TSolidRecorder> {
protected:
    void SetUp() override {
        TChart3DDrawFixture::SetUp();
        Chart->AddSeries(Series);
    }
    // X and Z 0..1, in the order (0,0), (1,0), (0,1), (1,1), heights 1 to 4.
    void AddSquare() {
        for (int i = 0; i < 4; ++i) Series->AddXYZValues(i % 2, i + 1, i / 2);
    }
    // The points of the drawn towers, in drawing order.
    std::vector<int> DrawnPoints() {
        Canvas->Solids.clear();
        Chart->Draw(Target.Canvas(), TRect{0, 0, 400, 300});
        Canvas->Solids.clear();
        Canvas->Blends = 0;
        Series->DrawAllValues();
        std::vector<int> out;
        for (const auto& s : Canvas->Solids) {
            int found = -1;
            for (int i = 0; i < Series->Count(); ++i) {
                const TTowerSeries::TTowerBox b = Series->TowerBox(i);
                if (b.Left == s.Left && b.Near == s.Z0 && b.Top == s.Top) found = i;
            }
            out.push_back(found);
        }
        return out;
    }

    TBitmap Target{400, 300};
    TTowerSeries* Series = new TTowerSeries(&Form);
};

TEST_F(TowerSeriesTest, FarTowersAreDrawnFirst) {
    struct TCase {
        bool HorizInverted, DepthInverted;
        std::vector<int> Order;
    };
    // Rows (X) follow the values' direction; columns (Z) run from the back.
    const TCase cases[] = {{false, false, {2, 0, 3, 1}},
                           {false, true, {0, 2, 1, 3}},
                           {true, false, {3, 1, 2, 0}},
                           {true, true, {1, 3, 0, 2}}};
    Chart->SetView3D(true);
    AddSquare();
    for (const TCase& c : cases) {
        Chart->BottomAxis()->SetInverted(c.HorizInverted);
        Chart->DepthAxis()->SetInverted(c.DepthInverted);
        EXPECT_EQ(DrawnPoints(), c.Order)
            << "inverted horizontal " << c.HorizInverted << ", depth " << c.DepthInverted;
    }
    // A view turned round draws the far side first by the depth axis too.
    Chart->BottomAxis()->SetInverted(false);
    Chart->DepthAxis()->SetInverted(false);
    Chart->View3DOptions()->SetOrthogonal(false);
    Chart->View3DOptions()->SetRotation(180);
    EXPECT_EQ(DrawnPoints(), (std::vector<int>{0, 2, 1, 3}));
}

TEST_F(TowerSeriesTest, MissingAndNullPointsLeaveTheirPositionsEmpty) {
    Chart->SetView3D(true);
    Series->AddXYZValues(0, 1, 0);
    Series->AddXYZValues(1, 2, 0);
    Series->AddXYZPoint(1, 3, 1, {}, clNone);
    // (0, 1) has no point at all.
    EXPECT_EQ(DrawnPoints(), (std::vector<int>{0, 1}));
    // The tower's colour is the point's, by the colour range (lowest value: EndColor).
    EXPECT_EQ(Canvas->Solids[0].Brush, Series->EndColor());
}

TEST_F(TowerSeriesTest, TowersStandOnTheOriginOrTheLowestValue) {
    Chart->SetView3D(true);
    Series->AddXYZValues(0, 2, 0);
    Series->AddXYZValues(1, 8, 0);
    Series->AddXYZValues(2, 5, 0);
    DrawnPoints();
    // The lowest tower is flat on its own value; the others rise from it.
    EXPECT_EQ(Series->TowerBox(0).Top, Series->TowerBox(0).Bottom);
    EXPECT_EQ(Series->TowerBox(1).Bottom, Series->YValueToPixel(2));
    EXPECT_EQ(Series->TowerBox(1).Top, Series->YValueToPixel(8));
    // Below the origin a tower hangs down from it.
    Series->SetUseOrigin(true);
    Series->SetOrigin(5);
    DrawnPoints();
    const TTowerSeries::TTowerBox low = Series->TowerBox(0), high = Series->TowerBox(1);
    EXPECT_EQ(low.Top, Series->YValueToPixel(5));
    EXPECT_EQ(low.Bottom, Series->YValueToPixel(2));
    EXPECT_EQ(high.Bottom, Series->YValueToPixel(5));
    EXPECT_EQ(high.Top, Series->YValueToPixel(8));
    // At 100 % neighbours touch; each spans one unit in X and in Z.
    EXPECT_EQ(low.Right, high.Left);
    EXPECT_EQ(low.Left, Series->XValueToPixel(-0.5));
    EXPECT_EQ(low.Near, Chart->DepthAxis()->PixelOfValue(-0.5));
    EXPECT_EQ(low.Far, Chart->DepthAxis()->PixelOfValue(0.5));
    EXPECT_EQ(Series->GetMinXValue(), -0.5);
    EXPECT_EQ(Series->GetMaxXValue(), 2.5);
    EXPECT_EQ(Series->GetMaxZValue(), 0.5);
    Series->SetPercentWidth(50);
    EXPECT_EQ(Series->TowerBox(0).Right, Series->XValueToPixel(0.25));
}

TEST_F(TowerSeriesTest, EachStyleDrawsItsShape) {
    const std::pair<TTowerStyle, const char*> cases[] = {
        {tsCube, "Cuboid"},     {tsRectangle, "RectangleAtZ"},
        {tsCover, "PlaneAtY"},  {tsCylinder, "Cylinder"},
        {tsArrow, "Arrow"},     {tsCone, "Cone"},
        {tsPyramid, "Pyramid"}, {tsSlantCube, "SlantCube"}};
    Chart->SetView3D(true);
    Series->AddXYZValues(0, 1, 0);
    Series->AddXYZValues(1, 5, 0);
    for (auto [style, shape] : cases) {
        Series->SetTowerStyle(style);
        DrawnPoints();
        ASSERT_EQ(Canvas->Solids.size(), 2u) << shape;
        EXPECT_EQ(Canvas->Solids[1].Shape, shape);
        EXPECT_EQ(Canvas->CylinderSides(), 16);
    }
    // Transparent towers are each blended over what lies behind them.
    Series->SetTransparency(40);
    DrawnPoints();
    EXPECT_EQ(Canvas->Blends, 2);
}

TEST_F(TowerSeriesTest, ClicksFindTheTowerUnderTheMouse) {
    Chart->SetView3D(true);
    AddSquare();
    DrawnPoints();
    TCanvas3D& canvas = *Chart->Canvas3D();
    auto frontCentre = [&](int i) {
        const TTowerSeries::TTowerBox b = Series->TowerBox(i);
        return canvas.ProjectPoint((b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2, b.Near);
    };
    auto topCentre = [&](int i) {
        const TTowerSeries::TTowerBox b = Series->TowerBox(i);
        return canvas.ProjectPoint((b.Left + b.Right) / 2, b.Top, (b.Near + b.Far) / 2);
    };
    // A front tower by its front face, the flat lowest one and the highest by their tops.
    EXPECT_EQ(Series->ValueIndexAt(frontCentre(1).X, frontCentre(1).Y), 1);
    EXPECT_EQ(Series->ValueIndexAt(topCentre(0).X, topCentre(0).Y), 0);
    EXPECT_EQ(Series->ValueIndexAt(topCentre(3).X, topCentre(3).Y), 3);
    EXPECT_EQ(Series->ValueIndexAt(2, 2), -1);
    // A cover has no front face.
    Series->SetTowerStyle(tsCover);
    const TTowerSeries::TTowerBox b = Series->TowerBox(1);
    const TPoint low = canvas.ProjectPoint((b.Left + b.Right) / 2, b.Bottom - 1, b.Near);
    EXPECT_EQ(Series->ValueIndexAt(low.X, low.Y), -1);
    EXPECT_EQ(Series->ValueIndexAt(topCentre(1).X, topCentre(1).Y), 1);
    // A point coloured clNone cannot be clicked.
    Series->SetPointColor(1, clNone);
    EXPECT_EQ(Series->ValueIndexAt(topCentre(1).X, topCentre(1).Y), -1);
}

}  // namespace
