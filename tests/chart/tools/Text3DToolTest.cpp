// The 3-D text tool: the glyph outlines of its text as polygons (holes found), filled on the
// chart, turned with the chart's projection and by its own extra rotation, streamed, and its
// editor.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "chart/engine/ChartEngineStartup.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/PointRoutines.h"
#include "chart/foundation/TeeFont.h"
#include "chart/foundation/TeeShadow.h"
#include "chart/foundation/View3DOptions.h"
#include "chart/tools/view/GlyphPolygons.h"
#include "chart/tools/view/Text3DEditor.h"
#include "chart/tools/view/Text3DTool.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Path.h"
#include "platform/ui/Label.h"
#include "platform/ui/Memo.h"
#include "platform/ui/TrackBar.h"
#include "platform/ui/UpDown.h"
#include "tests/chart/tools/ToolBench.h"
#include "tests/chart/tools/ToolEditorLoad.h"
#include "tests/chart/tools/ToolRoundTrip.h"
#include "tests/chart/tools/ToolsPageDriver.h"

namespace {

constexpr TColor Red = TColor(0x0000FF);
constexpr TColor Blue = TColor(0xFF0000);

TText3DTool* AddText(TToolBench& bench, const std::string& text) {
    auto* tool = bench.AddTool<TText3DTool>();
    tool->Font()->SetName("DejaVu Sans");
    tool->Font()->SetSize(40);
    tool->Brush()->SetColor(Red);
    tool->SetText(text);
    tool->Position()->SetX(100);
    tool->Position()->SetY(80);
    return tool;
}

TRect BoundsOfAll(const TGlyphPolygons& polygons) {
    TRect r{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (const auto& polygon : polygons)
        for (const TPoint& p : polygon)
            r = TRect{std::min(r.Left, p.X), std::min(r.Top, p.Y), std::max(r.Right, p.X),
                      std::max(r.Bottom, p.Y)};
    return r;
}

// The box of the pixels of one colour on the bench's picture; empty when there are none.
TRect BoundsOfColor(TToolBench& bench, TColor color) {
    TRect r{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (int y = 0; y < TToolBench::Height; ++y)
        for (int x = 0; x < TToolBench::Width; ++x)
            if (bench.FrontPixel(x, y) == color)
                r = TRect{std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1),
                          std::max(r.Bottom, y + 1)};
    return r.Left == INT32_MAX ? TRect{} : r;
}

TEST(GlyphPolygons, APathSplitsIntoOnePolygonAContour) {
    const std::vector<TPoint> points = {{0, 0},   {10, 0},  {10, 10}, {0, 0}, {0, 0},
                                        {20, 20}, {30, 20}, {20, 20}, {5, 5}};
    const std::vector<uint8_t> types = {PT_MOVETO,
                                        PT_LINETO,
                                        PT_LINETO,
                                        PT_LINETO,
                                        PT_LINETO | PT_CLOSEFIGURE,
                                        PT_MOVETO,
                                        PT_BEZIERTO,
                                        PT_LINETO | PT_CLOSEFIGURE,
                                        PT_CLOSEFIGURE};
    TGlyphPolygons polygons;
    ASSERT_TRUE(SplitPathIntoPolygons(points, types, polygons));
    // Ends back at the start are dropped, but a polygon keeps two points.
    EXPECT_EQ(polygons, (TGlyphPolygons{{{0, 0}, {10, 0}, {10, 10}}, {{20, 20}, {30, 20}}}));

    // A point of an unknown kind, or one before any move-to, ends the splitting.
    EXPECT_FALSE(SplitPathIntoPolygons(points, std::vector<uint8_t>{PT_MOVETO, 9}, polygons));
    EXPECT_FALSE(SplitPathIntoPolygons(points, std::vector<uint8_t>{PT_LINETO}, polygons));
}

TEST(Text3DTool, TheLetterOIsARingOfTwoClosedContoursWithinTheTextsBox) {
    TToolBench bench;
    TText3DTool* tool = AddText(bench, "O");
    tool->Font()->OutLine()->SetColor(Blue);
    bench.Render();
    const TGlyphPolygons& polygons = tool->Polygons();
    ASSERT_EQ(polygons.size(), 2u);
    ASSERT_EQ(std::count(tool->Holes().begin(), tool->Holes().end(), true), 1);
    const size_t hole = tool->Holes()[0] ? 0 : 1;
    const std::vector<TPoint>& outerContour = polygons[1 - hole];
    const std::vector<TPoint>& innerContour = polygons[hole];
    EXPECT_TRUE(PolygonInsidePolygon(innerContour, outerContour));

    // The box the tool's font gives the text, written at the tool's position.
    TBitmap measure;
    measure.SetSize(1, 1);
    measure.Canvas()->Font()->Assign(tool->Font());
    const int width = measure.Canvas()->TextWidth("O");
    const int height = measure.Canvas()->TextHeight("O");
    for (const auto& polygon : polygons) {
        ASSERT_GE(polygon.size(), 3u);
        // A flattened closed contour: no long jump back from its last point to its first.
        const TPoint a = polygon.front(), b = polygon.back();
        EXPECT_LE(std::abs(a.X - b.X) + std::abs(a.Y - b.Y), height / 4);
        for (const TPoint& p : polygon) {
            EXPECT_GE(p.X, 100);
            EXPECT_LE(p.X, 100 + width);
            EXPECT_GE(p.Y, 80);
            EXPECT_LE(p.Y, 80 + height);
        }
    }
    // The ring is filled, the hole is not, and both contours are outlined.
    const TRect outer = BoundsOfAll({outerContour});
    const TRect inner = BoundsOfAll({innerContour});
    const int midY = (inner.Top + inner.Bottom) / 2;
    EXPECT_EQ(bench.FrontPixel((outer.Left + inner.Left) / 2, midY), Red);
    EXPECT_NE(bench.FrontPixel((inner.Left + inner.Right) / 2, midY), Red);
    EXPECT_EQ(bench.FrontPixel(outerContour[0].X, outerContour[0].Y), Blue);
    EXPECT_EQ(bench.FrontPixel(innerContour[0].X, innerContour[0].Y), Blue);
}

TEST(Text3DTool, EmptyTextDrawsNothingAndAnAngleOf90RunsTheTextUpwards) {
    TToolBench bench;
    bench.Render();
    const std::vector<uint8_t> plain = bench.FrontPixels();
    TText3DTool* tool = AddText(bench, "");
    bench.Render();
    EXPECT_TRUE(tool->Polygons().empty());
    EXPECT_EQ(bench.FrontPixels(), plain);

    tool->SetText("IIII");
    bench.Render();
    const TRect flat = BoundsOfAll(tool->Polygons());
    EXPECT_GT(flat.Right - flat.Left, flat.Bottom - flat.Top);
    tool->SetAngle(90);
    bench.Render();
    const TRect upwards = BoundsOfAll(tool->Polygons());
    EXPECT_GT(upwards.Bottom - upwards.Top, upwards.Right - upwards.Left);
    EXPECT_LT(upwards.Top, 80 - (flat.Right - flat.Left) / 2);
    EXPECT_LT(BoundsOfColor(bench, Red).Top, 80);

    // Two lines: the second one a line of the chart's canvas lower.
    tool->SetAngle(0);
    tool->SetText(std::string("I") + LineSeparator + "I");
    bench.Render();
    ASSERT_EQ(tool->Polygons().size(), 2u);
    EXPECT_EQ(BoundsOfAll({tool->Polygons()[1]}).Top,
              BoundsOfAll({tool->Polygons()[0]}).Top + TToolBench::LineHeight);
}

TEST(Text3DTool, TheExtraRotationTurnsOnlyTheText) {
    TToolBench bench;
    bench.Chart().SetView3D(true);
    bench.Chart().View3DOptions()->SetOrthogonal(false);
    bench.Chart().View3DOptions()->SetRotation(300);
    TText3DTool* tool = AddText(bench, "H");
    tool->Font()->OutLine()->SetVisible(false);
    tool->Position()->SetZ(20);
    bench.Render();
    const TRect plain = BoundsOfColor(bench, Red);
    ASSERT_FALSE(plain.IsEmpty());
    TCanvas3D& canvas = *bench.Chart().Canvas3D();
    const TPoint projected = canvas.ProjectPoint(100, 80, 20);

    tool->Rotation()->SetX(30);
    bench.Render();
    const TRect turned = BoundsOfColor(bench, Red);
    EXPECT_NE(turned, plain);
    // The chart's view and its projection are as they were.
    EXPECT_EQ(bench.Chart().View3DOptions()->Rotation(), 300);
    EXPECT_EQ(canvas.ProjectPoint(100, 80, 20), projected);

    // The same picture of the text as a chart turned 30 degrees further.
    tool->Rotation()->SetX(0);
    bench.Chart().View3DOptions()->SetRotation(330);
    bench.Render();
    EXPECT_EQ(BoundsOfColor(bench, Red), turned);
}

TEST(Text3DTool, TheShadowIsTheTextMovedInTheShadowsColour) {
    TToolBench bench;
    TText3DTool* tool = AddText(bench, "I");
    tool->Font()->OutLine()->SetVisible(false);
    tool->Font()->Shadow()->SetVisible(true);
    tool->Font()->Shadow()->SetColor(Blue);
    tool->Font()->Shadow()->SetHorizSize(6);
    tool->Font()->Shadow()->SetVertSize(4);
    bench.Render();
    const TRect text = BoundsOfColor(bench, Red);
    const TRect shadow = BoundsOfColor(bench, Blue);
    ASSERT_FALSE(text.IsEmpty());
    // The text covers the shadow's upper left; what shows of it lies right of and below.
    EXPECT_EQ(shadow.Right, text.Right + 6);
    EXPECT_EQ(shadow.Bottom, text.Bottom + 4);
}

TEST(Text3DTool, StreamsAndItsEditorLoadsWithoutChangingTheChart) {
    TToolBench bench;
    TText3DTool* tool = AddText(bench, std::string("Up") + LineSeparator + "Down");
    tool->SetAngle(12.5);
    tool->Position()->SetZ(7);
    tool->Rotation()->SetX(30);
    tool->Rotation()->SetY(-10);
    tool->Rotation()->SetZ(5);
    ExpectToolRoundTrips(bench, *tool);

    TComponent owner(nullptr);
    auto* editor = ShowToolEditor<TText3DEditor>(bench, *tool, owner);
    EXPECT_EQ(editor->MemoText->Lines()->Count(), 2);
    EXPECT_EQ(editor->UDLeft->Position(), 100);
    EXPECT_EQ(editor->UDZ->Position(), 7);
    EXPECT_EQ(editor->TBRotation->Position(), 30);
    EXPECT_EQ(editor->LTilt->Caption(), "5");
    // The memo's lines become the tool's text, separated as the chart separates lines.
    editor->MemoText->Lines()->SetText("A\r\nB");
    EXPECT_EQ(tool->Text(), std::string("A") + LineSeparator + "B" + LineSeparator);
    editor->TBElevation->SetPosition(40);
    EXPECT_EQ(tool->Rotation()->Y(), 40);
    EXPECT_EQ(editor->LElevation->Caption(), "40");
}

TEST(Text3DTool, TheGalleryMakesOneAndThePageShowsItsEditor) {
    TToolBench bench;
    TToolsPageDriver page{bench};
    auto* tool = dynamic_cast<TText3DTool*>(page.AddFromGallery(&TText3DTool::StaticClass()));
    ASSERT_NE(tool, nullptr);
    EXPECT_NE(page.Editor<TText3DEditor>(), nullptr);
}

}  // namespace
