#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "chart/foundation/View3DOptions.h"
#include "platform/classes/PropAccess.h"
#include "platform/classes/PropInfo.h"

namespace {

TEST(View3DOptionsTest, DefaultsAreNotWritten) {
    TView3DOptions view;
    EXPECT_EQ(view.Elevation(), 345);
    EXPECT_EQ(view.Rotation(), 345);
    EXPECT_EQ(view.Perspective(), 15);
    EXPECT_EQ(view.Zoom(), 100);
    EXPECT_TRUE(view.Orthogonal());
    EXPECT_EQ(view.OrthoAngle(), 45);
    for (const TPropInfo& prop : view.ClassType().Properties())
        EXPECT_FALSE(prop.ShouldWrite(&view)) << prop.Name;
}

TEST(View3DOptionsTest, SettersRepaintAndNotifyInOrder) {
    std::string log;
    TView3DOptions view([&] { log += "repaint;"; });
    view.ZoomNotify = [&](int zoom) { log += "zoom " + std::to_string(zoom) + ";"; };
    view.ScrollNotify = [&](bool horizontal) { log += horizontal ? "scroll h;" : "scroll v;"; };

    view.SetZoom(100);
    view.SetElevation(345);
    view.SetPerspective(15);
    EXPECT_EQ(log, "");  // equal values do nothing

    view.SetZoomExact(150.5);
    EXPECT_EQ(log, "zoom 150;repaint;");  // told before the store, rounded halves to even
    EXPECT_EQ(view.Zoom(), 150);
    log.clear();
    view.SetHorizOffset(3);
    view.SetVertOffset(-2);
    EXPECT_EQ(log, "repaint;scroll h;repaint;scroll v;");
    log.clear();
    view.SetElevationExact(344.6);
    EXPECT_EQ(view.Elevation(), 345);
    EXPECT_EQ(log, "repaint;");  // the real angle changed
    view.SetPerspective(250);
    EXPECT_EQ(view.Perspective(), 100);
    view.SetPerspective(-20);  // no lower limit
    EXPECT_EQ(view.Perspective(), -20);

    // The published integer goes through the same setter.
    SetOrdProp(&view, "Rotation", 10);
    EXPECT_EQ(view.RotationExact(), 10.0);
}

TEST(View3DOptionsTest, OrthoSlope) {
    TView3DOptions view;
    struct Case {
        bool orthogonal;
        int angle;
        double slope;
    } cases[] = {{true, 45, 1.0},  {true, 135, 1.0},           {true, 0, 0.0},
                 {false, 10, 1.0}, {true, 60, std::sqrt(3.0)}, {true, 120, std::sqrt(3.0)}};
    for (const Case& c : cases) {
        view.SetOrthogonal(c.orthogonal);
        view.SetOrthoAngle(c.angle);
        EXPECT_NEAR(view.OrthoSlope(), c.slope, 1e-12) << c.orthogonal << " " << c.angle;
    }
}

TEST(View3DOptionsTest, AssignCopiesQuietly) {
    TView3DOptions source;
    source.SetElevationExact(10.25);
    source.SetRotationExact(20.5);
    source.SetTilt(5);
    source.SetPerspective(40);
    source.SetZoom(80);
    source.SetZoomText(false);
    source.SetFontZoom(90);
    source.SetHorizOffset(7);
    source.SetVertOffset(8);
    source.SetOrthogonal(false);
    source.SetOrthoAngle(30);

    int repaints = 0, notices = 0;
    TView3DOptions dest([&] { ++repaints; });
    dest.ZoomNotify = [&](int) { ++notices; };
    dest.ScrollNotify = [&](bool) { ++notices; };
    dest.Assign(&source);
    EXPECT_EQ(repaints + notices, 0);
    EXPECT_EQ(dest.ElevationExact(), 10.25);
    EXPECT_EQ(dest.RotationExact(), 20.5);
    EXPECT_EQ(dest.Tilt(), 5);
    EXPECT_EQ(dest.Perspective(), 40);
    EXPECT_EQ(dest.Zoom(), 80);
    EXPECT_FALSE(dest.ZoomText());
    EXPECT_EQ(dest.FontZoom(), 90);
    EXPECT_EQ(dest.HorizOffset(), 7);
    EXPECT_EQ(dest.VertOffset(), 8);
    EXPECT_FALSE(dest.Orthogonal());
    EXPECT_EQ(dest.OrthoAngle(), 30);
}

TEST(FloatXYZTest, SettersNotifyAssignDoesNot) {
    int changes = 0;
    TFloatXYZ p([&](TObject*) { ++changes; });
    p.SetX(1.5);
    p.SetX(1.5);
    p.SetZ(-2);
    EXPECT_EQ(changes, 2);
    TFloatXYZ q;
    q.SetY(4);
    p.Assign(&q);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(p.X(), 0);
    EXPECT_EQ(p.Y(), 4);
    EXPECT_EQ(p.Z(), 0);
}

}  // namespace
