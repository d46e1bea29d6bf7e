// The rectangle tool through mouse sequences on the bench: its first box, the part of the box
// under the mouse (edges within 4 pixels, corners first), dragging it, resizing it by every
// edge and corner down to 4 pixels, resizing in percent units that only moves it, the right
// button left alone, and the bitmap of the chart under the box.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "chart/engine/ChartAxis.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "chart/foundation/TeeShadow.h"
#include "chart/tools/annotation/RectangleTool.h"
#include "platform/classes/Cursors.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "tests/chart/tools/ToolBench.h"

namespace {

struct RectangleToolTest : ::testing::Test {
    TToolBench bench;
    TRectangleTool* box = bench.AddTool<TRectangleTool>();
    RectangleToolTest() { bench.Render(); }
};

TEST_F(RectangleToolTest, ANewOneIsASeeThroughSquareOf50At10WithoutShadow) {
    EXPECT_EQ(box->ShapeBounds(), (TRect{10, 10, 59, 59}));
    EXPECT_EQ(box->Shape()->Transparency(), 75);
    EXPECT_EQ(box->Shape()->Shadow()->HorizSize(), 0);
    EXPECT_EQ(box->Shape()->Shadow()->VertSize(), 0);
    EXPECT_TRUE(box->Shape()->CustomPosition());
    EXPECT_FALSE(box->Shape()->IsCustomPositionStored());
    EXPECT_FALSE(box->AutoSize());
    EXPECT_EQ(box->Cursor(), crHandPoint);
    EXPECT_EQ(box->PositionUnits(), muPixels);
}

TEST_F(RectangleToolTest, ThePartUnderTheMouse) {
    const struct {
        int X, Y;
        TRectanglePart Part;
    } cases[] = {
        {12, 12, rpLeftTop}, {12, 57, rpLeftBottom}, {13, 30, rpLeft},  {14, 30, rpNone},
        {30, 11, rpTop},     {57, 12, rpRightTop},   {58, 30, rpRight}, {57, 57, rpRightBottom},
        {30, 58, rpBottom},  {30, 30, rpNone},       {9, 30, rpNone},   {60, 60, rpNone},
    };
    for (const auto& c : cases) EXPECT_EQ(box->HitPart(c.X, c.Y), c.Part) << c.X << "," << c.Y;
}

TEST_F(RectangleToolTest, DraggingTheInsideMovesTheBoxKeepingItsSize) {
    int dragging = 0, dragged = 0;
    box->OnDragging = [&](TObject*) { ++dragging; };
    box->OnDragged = [&](TObject*) { ++dragged; };
    bench.Drag(30, 30, 50, 60);
    EXPECT_EQ(box->ShapeBounds(), (TRect{30, 40, 79, 89}));
    EXPECT_GT(dragging, 0);
    EXPECT_EQ(dragged, 1);
    // The press was the tool's: the chart did not zoom into the dragged rectangle.
    EXPECT_EQ(bench.Bottom().Minimum(), 0);
    EXPECT_EQ(bench.Bottom().Maximum(), 100);
}

TEST_F(RectangleToolTest, ResizingByEachPartStopsAtFourPixels) {
    const struct {
        const char* What;
        int PressX, PressY;
        int ToX, ToY;
        TRect Box;
    } cases[] = {
        {"right edge out", 58, 30, 100, 30, {10, 10, 101, 59}},
        {"right edge past the left", 58, 30, 0, 30, {10, 10, 13, 59}},
        {"left edge past the right", 11, 30, 200, 30, {56, 10, 59, 59}},
        {"top edge down", 30, 11, 30, 20, {10, 19, 59, 59}},
        {"bottom edge past the top", 30, 58, 30, -40, {10, 10, 59, 13}},
        {"right-bottom corner", 57, 57, 81, 91, {10, 10, 83, 93}},
        {"left-top corner", 12, 12, 2, 4, {0, 2, 59, 59}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        box->Shape()->SetShapeBounds(TRect{10, 10, 59, 59});
        int resized = 0;
        box->OnResized = [&](TObject*) { ++resized; };
        bench.Drag(c.PressX, c.PressY, c.ToX, c.ToY);
        EXPECT_EQ(box->ShapeBounds(), c.Box);
        EXPECT_EQ(resized, 1);
    }
}

TEST_F(RectangleToolTest, InPercentUnitsAResizeOnlyMovesTheBox) {
    box->SetPositionUnits(muPercent);
    box->SetLeft(10);
    box->SetTop(10);
    // 10 % of the panel's 401 x 301 pixels.
    ASSERT_EQ(box->ShapeBounds(), (TRect{40, 30, 89, 79}));
    bench.Drag(41, 50, 81, 50);
    EXPECT_EQ(box->Left(), 20);
    EXPECT_EQ(box->Top(), 10);
    EXPECT_EQ(box->ShapeBounds(), (TRect{80, 30, 129, 79}));
}

TEST_F(RectangleToolTest, WithoutResizingAnEdgeDragsTheBox) {
    box->SetAllowResize(false);
    bench.Drag(58, 30, 68, 40);
    EXPECT_EQ(box->ShapeBounds(), (TRect{20, 20, 69, 69}));
    box->SetAllowDrag(false);
    bench.Drag(30, 30, 60, 60);
    EXPECT_EQ(box->ShapeBounds(), (TRect{20, 20, 69, 69}));
}

TEST_F(RectangleToolTest, TheRightButtonNeitherDragsNorResizes) {
    bench.Drag(30, 30, 80, 80, mbRight);
    bench.Drag(58, 30, 120, 30, mbRight);
    EXPECT_EQ(box->ShapeBounds(), (TRect{10, 10, 59, 59}));
}

TEST_F(RectangleToolTest, TheCursorShowsThePartUnderTheMouse) {
    const struct {
        int X, Y;
        TCursor Cursor;
    } cases[] = {{30, 11, crSizeNS},   {30, 58, crSizeNS},   {12, 12, crSizeNWSE},
                 {57, 57, crSizeNWSE}, {12, 57, crSizeNESW}, {57, 12, crSizeNESW},
                 {11, 30, crSizeWE},   {58, 30, crSizeWE},   {30, 30, crHandPoint}};
    for (const auto& c : cases) {
        bench.Move(c.X, c.Y);
        EXPECT_EQ(bench.Chart().Cursor(), c.Cursor) << c.X << "," << c.Y;
    }
}

TEST_F(RectangleToolTest, TheChartBitmapIsTheBufferUnderTheBox) {
    auto* canvas = dynamic_cast<TTeeCanvas3D*>(bench.Chart().Canvas3D());
    ASSERT_NE(canvas, nullptr);
    box->Shape()->SetShapeBounds(TRect{30, 40, 99, 79});
    bench.Render();
    const std::unique_ptr<TBitmap> copy = box->ChartBitmap(false);
    ASSERT_EQ(copy->Width(), 70);
    ASSERT_EQ(copy->Height(), 40);
    TBitmap* buffer = canvas->BufferBitmap();
    ASSERT_NE(buffer, nullptr);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 70; ++x)
            ASSERT_EQ(copy->Canvas()->Pixel(x, y), buffer->Canvas()->Pixel(30 + x, 40 + y))
                << x << "," << y;
}

TEST_F(RectangleToolTest, ARenderedChartBitmapLeavesTheToolOutAndActiveAfterAFailure) {
    box->Shape()->SetColor(clRed);
    box->Shape()->SetTransparency(0);
    const std::unique_ptr<TBitmap> copy = box->ChartBitmap(true);
    EXPECT_TRUE(box->Active());
    EXPECT_NE(copy->Canvas()->Pixel(25, 25), clRed);
    // A drawing that fails on the way.
    auto* failing = bench.AddTool<TAnnotationTool>();
    failing->OnBeforeDraw = [](TObject*) { throw std::runtime_error("drawing failed"); };
    EXPECT_THROW(box->ChartBitmap(true), std::runtime_error);
    EXPECT_TRUE(box->Active());
}

}  // namespace
