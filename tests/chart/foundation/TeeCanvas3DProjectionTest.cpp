#include <gtest/gtest.h>

#include "chart/foundation/TeeCanvas3D.h"
#include "chart/foundation/View3DOptions.h"
#include "platform/graphics/Bitmap.h"
#include "tests/chart/foundation/GeometryPrinters.h"

namespace {

// A 400 x 300 pass with the projection centred at (200, 150) and depth centre MaxDepth / 2.
struct TPass {
    TBitmap Target{400, 300};
    TView3DOptions Options;
    TTeeCanvas3D Surface;

    void Prepare(bool is3D, int maxDepth = 0) {
        Surface.PrepareDrawing(Target.Canvas(), &Options, clWhite, is3D, TRect{0, 0, 400, 300});
        Surface.PrepareProjection(maxDepth, TRect{0, 0, 400, 300});
    }
};

struct TOrthoCase {
    int Angle;
    int Zoom;
    int HorizOffset;
    TPointXYZ In;
    TPoint Out;
};

TEST(TeeCanvas3DProjectionTest, OrthogonalShiftsDepthRightAndUp) {
    const TOrthoCase cases[] = {
        {45, 100, 0, {200, 150, 10}, {210, 140}},
        {135, 100, 0, {200, 150, 10}, {190, 140}},  // mirrored to the left
        {90, 100, 0, {200, 150, 10}, {210, 140}},   // depth slope 1, not a huge tangent
        {45, 200, 0, {210, 150, 10}, {240, 130}},   // zoom scales about the centre
        {45, 100, 7, {200, 150, 0}, {207, 150}},    // the offset moves the origin only
        {45, 50, 0, {201, 150, 0}, {200, 150}},     // 0.5 rounds to even
    };
    for (const TOrthoCase& c : cases) {
        TPass pass;
        pass.Options.SetOrthoAngle(c.Angle);
        pass.Options.SetZoom(c.Zoom);
        pass.Options.SetHorizOffset(c.HorizOffset);
        pass.Prepare(true);
        EXPECT_EQ(pass.Surface.ProjectPoint(c.In.X, c.In.Y, c.In.Z), c.Out)
            << "angle " << c.Angle << " zoom " << c.Zoom;
    }
    TPass right;
    right.Prepare(true);
    EXPECT_DOUBLE_EQ(right.Surface.OrthoDepthX(), 1);
    TPass upright;
    upright.Options.SetOrthoAngle(90);
    upright.Prepare(true);
    EXPECT_EQ(upright.Surface.OrthoDepthY(), 1);
}

TEST(TeeCanvas3DProjectionTest, FlatPassLeavesPointsAlone) {
    TPass pass;
    pass.Options.SetZoom(250);
    pass.Options.SetHorizOffset(30);
    pass.Prepare(false);
    EXPECT_EQ(pass.Surface.ProjectPoint(12, 34, 500), (TPoint{12, 34}));
    int x = 12, y = 34;
    pass.Surface.UnprojectPoint(x, y, 500);
    EXPECT_EQ(TPoint(x, y), (TPoint{12, 34}));
}

TEST(TeeCanvas3DProjectionTest, RotationTurnsDepthIntoWidth) {
    TPass pass;
    pass.Options.SetOrthogonal(false);
    pass.Options.SetElevation(0);
    pass.Options.SetRotation(90);
    pass.Options.SetPerspective(0);
    pass.Prepare(true, 100);  // depth centre 50
    // Turned a quarter: 20 behind the depth centre lands 20 left of the origin.
    EXPECT_EQ(pass.Surface.ProjectPoint(250, 150, 70), (TPoint{180, 150}));
    EXPECT_EQ(pass.Surface.ProjectPoint(200, 120, 50), (TPoint{200, 120}));
}

TEST(TeeCanvas3DProjectionTest, UnprojectGivesBackWhatWasProjected) {
    struct TView {
        bool Orthogonal;
        int Zoom;
    };
    for (const TView& view : {TView{true, 100}, TView{true, 200}, TView{false, 100}}) {
        TPass pass;
        pass.Options.SetOrthogonal(view.Orthogonal);
        pass.Options.SetZoom(view.Zoom);
        if (!view.Orthogonal) {
            pass.Options.SetElevation(0);
            pass.Options.SetRotation(0);
            pass.Options.SetPerspective(0);
        }
        pass.Prepare(true, 40);
        for (const TPointXYZ& p : {TPointXYZ{37, 250, 0}, TPointXYZ{300, 10, 25}}) {
            const TPoint screen = pass.Surface.ProjectPoint(p.X, p.Y, p.Z);
            int x = screen.X, y = screen.Y;
            pass.Surface.UnprojectPoint(x, y, p.Z);
            EXPECT_EQ(TPoint(x, y), (TPoint{p.X, p.Y}))
                << "orthogonal " << view.Orthogonal << " zoom " << view.Zoom;
        }
    }
}

TEST(TeeCanvas3DProjectionTest, SuspendedRotationNestsAndKeepsTheOrthogonalMapping) {
    TPass rotated;
    rotated.Options.SetOrthogonal(false);
    rotated.Options.SetElevation(0);
    rotated.Options.SetRotation(90);
    rotated.Options.SetPerspective(0);
    rotated.Prepare(true, 100);
    TTeeCanvas3D& s = rotated.Surface;
    s.SuspendRotation();
    s.SuspendRotation();
    s.ResumeRotation();
    EXPECT_EQ(s.FlatModeDepth(), 1);
    EXPECT_EQ(s.ProjectPoint(250, 150, 70), (TPoint{250, 150}));  // still flat
    s.ResumeRotation();
    EXPECT_TRUE(s.Projected3D());
    EXPECT_EQ(s.ProjectPoint(250, 150, 70), (TPoint{180, 150}));

    TPass ortho;
    ortho.Prepare(true);
    ortho.Surface.SuspendRotation();
    EXPECT_FALSE(ortho.Surface.Projected3D());
    EXPECT_EQ(ortho.Surface.ProjectPoint(200, 150, 10), (TPoint{210, 140}));
    ortho.Surface.ResumeRotation();
}

TEST(TeeCanvas3DProjectionTest, PerspectiveShrinksFarPoints) {
    TPass pass;
    pass.Options.SetOrthogonal(false);
    pass.Options.SetElevation(0);
    pass.Options.SetRotation(0);
    pass.Options.SetPerspective(100);
    pass.Prepare(true, 0);
    EXPECT_DOUBLE_EQ(pass.Surface.PerspectiveScale(), 100 * 1.0 / 150 / 400);
    // Nearer the viewer than the depth centre: pushed out; farther: pulled in.
    EXPECT_GT(pass.Surface.ProjectPoint(300, 150, -100).X, 300);
    EXPECT_LT(pass.Surface.ProjectPoint(300, 150, 100).X, 300);
}

}  // namespace
