#include <gtest/gtest.h>

#include <functional>

#include "chart/foundation/View3DOptions.h"
#include "tests/chart/foundation/RecordingCanvas3D.h"
#include "tests/chart/foundation/SurfaceFixture.h"

namespace {

// Counts the quads handed to DrawQuadBuffer, then paints them as usual.
class TQuadCounter : public TRecordingCanvas3D {
public:
    int Quads = 0;
    void DrawQuadBuffer() override {
        ++Quads;
        TRecordingCanvas3D::DrawQuadBuffer();
    }
};

using TRecorded = TSurfaceOnBitmap<TQuadCounter>;
using TArgs = std::vector<int>;

// In the default orthogonal view centred at (200, 150) a depth of 10 moves a point by (10, -10).
TEST(TeeCanvas3DPlanesTest, PlanesAndQuadsAreFilledThroughTheirProjectedCorners) {
    struct TCase {
        const char* Name;
        std::function<void(TCanvas3D&)> Draw;
        TArgs Polygon;
        bool Quad = true;  // painted through the quad buffer
    };
    const TCase cases[] = {
        {"plane at x",
         [](TCanvas3D& s) { s.FillPlaneAtX(5, 0, 20, 0, 10); },
         {5, 0, 15, -10, 15, 10, 5, 20}},
        {"plane at y",
         [](TCanvas3D& s) { s.FillPlaneAtY(0, 7, 30, 0, 10); },
         {0, 7, 30, 7, 40, -3, 10, -3}},
        {"along depth",
         [](TCanvas3D& s) {
             s.FillPlaneAlongDepth({1, 2}, {3, 4}, 0, 10);
         },
         {1, 2, 3, 4, 13, -6, 11, -8}},
        {"rectangle",
         [](TCanvas3D& s) {
             s.DrawRectangleAtZ(TRect{0, 0, 4, 2}, 10);
         },
         {10, -10, 14, -10, 14, -8, 10, -8}},
        {"triangle",
         [](TCanvas3D& s) {
             s.FillTriangleAtZ({0, 0}, {4, 0}, {0, 4}, 0);
         },
         {0, 0, 4, 0, 0, 4},
         false},
        {"polygon 3-D",
         [](TCanvas3D& s) {
             const TPointXYZ p[] = {{0, 0, 0}, {4, 0, 10}, {0, 4, 20}};
             s.DrawPolygon3D(p, 2);
         },
         {0, 0, 14, -10, 20, -16},
         false},
        {"quad between depths",
         [](TCanvas3D& s) {
             const TPoint p[] = {{0, 0}, {4, 0}, {4, 2}, {0, 2}};
             s.FillQuadBetweenDepths(p, 0, 10);
         },
         {0, 0, 4, 0, 14, -8, 10, -8}},
    };
    for (const TCase& c : cases) {
        TRecorded f(10, 10);
        TView3DOptions options;
        f.Surface.PrepareDrawing(f.Target.Canvas(), &options, clWhite, true, TRect{0, 0, 400, 300});
        f.Surface.PrepareProjection(0, TRect{0, 0, 0, 0});  // centre at the origin
        c.Draw(f.Surface);
        ASSERT_EQ(f.Surface.Calls().size(), 1u) << c.Name;
        EXPECT_EQ(f.Surface.Calls()[0].Op, "Polygon") << c.Name;
        EXPECT_EQ(f.Surface.Calls()[0].Args, c.Polygon) << c.Name;
        EXPECT_EQ(f.Surface.Quads, c.Quad ? 1 : 0) << c.Name;
    }
}

TEST(TeeCanvas3DPlanesTest, FlatEllipseAtDepthIncludesTheLastRowAndColumn) {
    TSurfaceOnBitmap<TTeeCanvas3D> f(12, 12);
    f.Surface.Pen()->SetColor(clRed);
    f.Surface.DrawEllipseAtZ(0, 0, 10, 10, 30);
    EXPECT_EQ(f.At(5, 10), clRed);
    EXPECT_EQ(f.At(10, 5), clRed);
    EXPECT_EQ(f.At(5, 11), clWhite);
}

}  // namespace
