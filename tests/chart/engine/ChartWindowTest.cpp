// A chart in a shown window, driven by mouse events given to the window as the window system
// would: the left-button drag shows the inverted zoom rectangle in the chart's image and zooms,
// the right button pans, a leftward drag undoes, and a turn of the wheel scrolls. A chart that
// declares a huge size keeps a bounded image of itself.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPoint>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>

#include "ChartStubs.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartWalls.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "chart/foundation/TeeZoom.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsLimits.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/ui/Form.h"
#include "tests/support/OffscreenApplication.h"

namespace {

TEST(ChartWindow, RealMouseEventsZoomPanAndUndo) {
    RegisterTestChartClasses();
    const TFormatSettingsGuard pinned{TFormatSettings{}};
    TForm form(nullptr);
    form.SetBounds(100, 50, 420, 320);
    auto* chart = new TChart(&form);
    chart->SetParent(&form);
    chart->SetBounds(0, 0, 400, 300);
    chart->SetView3D(false);
    // Grey, so that the white zoom pen shows over the plot.
    chart->SetColor(clBtnFace);
    chart->Legend()->SetVisible(false);
    auto* s = new TTestSeries(&form);
    chart->AddSeries(s);
    for (int i = 0; i <= 10; ++i) s->AddXYPoint(i, i * i);
    int zooms = 0, scrolls = 0, undos = 0;
    chart->OnZoom = [&](TObject*) { ++zooms; };
    chart->OnScroll = [&](TObject*) { ++scrolls; };
    chart->OnUndoZoom = [&](TObject*) { ++undos; };

    form.Show();
    QWindow* window = form.Widget()->windowHandle();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    chart->Repaint();
    const TRect r = chart->ChartRect();
    ASSERT_GT(r.Width(), 200);
    const QPoint start(r.Left + 30, r.Top + 30);
    const QPoint end(r.Left + 150, r.Top + 120);
    // A point on the rectangle's bottom edge (the last row inside its corners), in the plot's
    // grey.
    const int edgeX = r.Left + 100;
    const TColor before = chart->Canvas()->Pixel(edgeX, end.y() - 1);
    ASSERT_EQ(before, ColorToRGB(clBtnFace));

    QTest::mousePress(window, Qt::LeftButton, {}, start);
    QTest::mouseMove(window, QPoint(r.Left + 80, r.Top + 70));
    QTest::mouseMove(window, end);
    EXPECT_TRUE(chart->Zoom()->Active);
    EXPECT_EQ(chart->Zoom()->X1, end.x());
    // The frame shows in the zoom pen's white; inside it the plot is untouched.
    EXPECT_EQ(chart->Canvas()->Pixel(edgeX, end.y() - 1), clWhite);
    EXPECT_EQ(chart->Canvas()->Pixel(edgeX, end.y() - 3), before);
    QTest::mouseRelease(window, Qt::LeftButton, {}, end);
    EXPECT_FALSE(chart->Zoom()->Active);
    EXPECT_EQ(chart->Canvas()->Pixel(edgeX, end.y() - 1), before);  // drawn again: gone
    EXPECT_EQ(zooms, 1);
    EXPECT_TRUE(chart->Zoomed());
    const double zoomedMin = chart->BottomAxis()->Minimum();
    EXPECT_GT(zoomedMin, 0);

    chart->Repaint();
    QTest::mousePress(window, Qt::RightButton, {}, QPoint(r.Left + 100, r.Top + 100));
    QTest::mouseMove(window, QPoint(r.Left + 60, r.Top + 100));
    QTest::mouseRelease(window, Qt::RightButton, {}, QPoint(r.Left + 60, r.Top + 100));
    EXPECT_EQ(scrolls, 1);
    EXPECT_GT(chart->BottomAxis()->Minimum(), zoomedMin);  // dragged left: later values come in

    chart->Repaint();
    QTest::mousePress(window, Qt::LeftButton, {}, end);
    QTest::mouseMove(window, start);
    QTest::mouseRelease(window, Qt::LeftButton, {}, start);
    EXPECT_EQ(undos, 1);
    EXPECT_FALSE(chart->Zoomed());
    EXPECT_TRUE(chart->BottomAxis()->Automatic());

    chart->Repaint();
    const double top = chart->LeftAxis()->Maximum();
    const double range = top - chart->LeftAxis()->Minimum();
    const QPointF at(r.Left + 50, r.Top + 50);
    QWheelEvent turn(at, at, QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(chart->Widget(), &turn);
    EXPECT_NEAR(chart->LeftAxis()->Maximum(), top + 0.03 * range, 1e-9 * range);
}

// A chart window of 40000 x 20000 pixels (as a file may declare it) would take 3.2 GB for its
// image and as much for the drawing buffer. Both keep the top-left part within MaxRasterPixels,
// in the chart's proportions; the chart lays out and paints in that part, and its copies as a
// picture are no larger.
TEST(ChartWindow, AHugeChartWindowKeepsABoundedImageAndPaintsInIt) {
    RegisterTestChartClasses();
    TForm form(nullptr);
    form.SetBounds(100, 50, 420, 320);
    auto* chart = new TChart(&form);
    chart->SetParent(&form);
    chart->SetBounds(0, 0, 40000, 20000);
    chart->SetView3D(false);
    chart->SetColor(clBtnFace);
    chart->BackWall()->SetTransparent(false);
    chart->BackWall()->SetColor(clYellow);
    auto* s = new TTestSeries(&form);
    chart->AddSeries(s);
    for (int i = 0; i <= 10; ++i) s->AddXYPoint(i, i * i);
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Widget()->windowHandle()));
    chart->Repaint();

    const TSize kept = BoundedRasterSize(40000, 20000);
    EXPECT_EQ((TSize{chart->Canvas()->Width(), chart->Canvas()->Height()}), kept);
    auto* surface = dynamic_cast<TTeeCanvas3D*>(chart->Canvas3D());
    ASSERT_NE(surface, nullptr);
    ASSERT_NE(surface->BufferBitmap(), nullptr);
    EXPECT_LE(int64_t(surface->BufferBitmap()->Width()) * surface->BufferBitmap()->Height(),
              MaxRasterPixels);
    const TRect r = chart->ChartRect();
    EXPECT_GT(r.Width(), kept.cx / 2);
    EXPECT_GT(r.Height(), kept.cy / 2);
    EXPECT_LE(r.Right, kept.cx);
    EXPECT_LE(r.Bottom, kept.cy);
    EXPECT_EQ(chart->Canvas()->Pixel(r.Left + 7, r.Top + 7), ColorToRGB(clYellow));
    EXPECT_EQ(chart->Canvas()->Pixel(2, 2), ColorToRGB(clBtnFace));

    const std::unique_ptr<TBitmap> copy = chart->RenderToBitmap();
    EXPECT_EQ((TSize{copy->Width(), copy->Height()}), kept);
}

}  // namespace
