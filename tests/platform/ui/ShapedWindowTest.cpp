#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Region.h"
#include "platform/ui/ShapedWindow.h"
#include "tests/support/OffscreenApplication.h"

namespace {

TEST(ShapedWindow, IsCutToItsRegionAndShowsItsPicture) {
    TShapedWindow window;
    window.SetBoundsRect(Rect(40, 50, 80, 70));
    TRegion shape;
    shape.Combine(TRegion::FromRect(Rect(0, 0, 40, 10)),
                  TRegion::FromPolygon(std::vector<TPoint>{{0, 10}, {10, 10}, {0, 20}}), RGN_OR);
    window.SetShape(shape);
    TBitmap picture(40, 20);
    picture.Canvas()->Brush()->SetColor(clLime);
    picture.Canvas()->FillRect(Rect(0, 0, 40, 20));
    window.SetPicture(picture);
    window.Show();

    EXPECT_TRUE(window.Visible());
    EXPECT_EQ(window.BoundsRect(), Rect(40, 50, 80, 70));
    // The window's mask agrees with the region, pixel by pixel.
    const QRegion mask = window.Widget()->mask();
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(mask.contains(QPoint(x, y)), shape.Contains(x, y)) << x << "," << y;
    const QImage shown = window.Widget()->grab().toImage();
    EXPECT_EQ(shown.pixelColor(20, 5), QColor(0, 255, 0));

    // An empty region gives the whole rectangle back.
    window.SetShape(TRegion());
    EXPECT_TRUE(window.Widget()->mask().isEmpty());
    window.Hide();
    EXPECT_FALSE(window.Visible());
}

}  // namespace
