#include <gtest/gtest.h>

#include <QCursor>
#include <QGuiApplication>
#include <QWidget>

#include "platform/graphics/Bitmap.h"
#include "platform/ui/Form.h"
#include "platform/ui/Panel.h"
#include "platform/ui/Screen.h"
#include "tests/support/OffscreenApplication.h"

namespace {

constexpr TCursor HandSlot = 2020;

// Registers a cursor for a test and forgets it after.
struct TRegisteredCursor {
    TCursor Id;
    ~TRegisteredCursor() { Screen()->RemoveCursor(Id); }
};

bool IsBlack(TBitmap& b, int x, int y) { return b.Canvas()->Pixel(x, y) == clBlack; }
bool IsWhite(TBitmap& b, int x, int y) { return b.Canvas()->Pixel(x, y) == clWhite; }

TEST(CursorTable, EveryStandardCursorHasACursorAndAPicture) {
    for (TCursor id = FirstStandardCursor; id >= LastStandardCursor; --id) {
        EXPECT_TRUE(Screen()->HasCursor(id)) << id;
        TBitmap picture;
        ASSERT_TRUE(Screen()->DrawCursor(id, picture)) << id;
        EXPECT_EQ(picture.Width(), GetSystemMetrics(SM_CXCURSOR));
        int black = 0;
        for (int y = 0; y < picture.Height(); ++y)
            for (int x = 0; x < picture.Width(); ++x) black += IsBlack(picture, x, y);
        if (id == crNone)
            EXPECT_EQ(black, 0);
        else
            EXPECT_GT(black, 10) << CursorToString(id);
    }
    TBitmap arrow;
    Screen()->DrawCursor(crArrow, arrow);
    EXPECT_TRUE(IsBlack(arrow, 1, 5));  // inside the arrow
    EXPECT_TRUE(IsWhite(arrow, 20, 5));
    EXPECT_FALSE(Screen()->HasCursor(HandSlot));
    EXPECT_FALSE(Screen()->DrawCursor(HandSlot, arrow));
}

TEST(CursorTable, TheHandFromOurResourcesTakesItsSlot) {
    TRegisteredCursor slot{HandSlot};
    EXPECT_FALSE(Screen()->LoadCursorResource(HandSlot, "NoSuchCursor"));
    EXPECT_FALSE(Screen()->LoadCursorResource(HandSlot, "TeeArrowUp"));  // a bitmap
    ASSERT_TRUE(Screen()->LoadCursorResource(HandSlot, "tee_cursor_hand"));
    EXPECT_TRUE(Screen()->HasCursor(HandSlot));
    TBitmap picture;
    TPoint hot;
    ASSERT_TRUE(Screen()->DrawCursor(HandSlot, picture, &hot));
    EXPECT_EQ(hot, Point(6, 0));  // the finger tip
    // The finger's outline and its white inside, the see-through corner.
    EXPECT_TRUE(IsBlack(picture, 6, 0));
    EXPECT_TRUE(IsBlack(picture, 5, 2));
    EXPECT_TRUE(IsWhite(picture, 6, 2));
    EXPECT_TRUE(IsWhite(picture, 0, 0));
    EXPECT_TRUE(IsBlack(picture, 10, 18));  // the wrist

    // A control and the screen show it.
    TForm form(nullptr);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->SetCursor(HandSlot);
    ASSERT_TRUE(panel->Widget()->testAttribute(Qt::WA_SetCursor));
    EXPECT_EQ(panel->Widget()->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(panel->Widget()->cursor().hotSpot(), QPoint(6, 0));
    {
        TCursorGuard hand(HandSlot);
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BitmapCursor);
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(CursorTable, ANumberWithoutACursorGivesTheParentsNotAnArrow) {
    TForm form(nullptr);
    form.SetCursor(crCross);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->SetCursor(crHandPoint);
    EXPECT_EQ(panel->Widget()->cursor().shape(), Qt::PointingHandCursor);
    panel->SetCursor(4711);
    EXPECT_EQ(panel->Cursor(), 4711);  // kept, in case it is registered later
    EXPECT_FALSE(panel->Widget()->testAttribute(Qt::WA_SetCursor));
    EXPECT_EQ(panel->Widget()->cursor().shape(), Qt::CrossCursor);
    {
        TCursorGuard unknown(4711);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }
}

TEST(CursorTable, CursorsFromImagesAndFromOtherSlots) {
    TRegisteredCursor a{2021}, b{26000};
    TBitmap image(16, 16);  // white, the see-through colour
    image.SetTransparentColor(clWhite);
    image.SetTransparentMode(tmFixed);
    image.Canvas()->Brush()->SetColor(clRed);
    image.Canvas()->FillRect(Rect(4, 4, 8, 8));
    Screen()->SetCursorImage(2021, image, Point(4, 4));
    TBitmap picture;
    TPoint hot;
    ASSERT_TRUE(Screen()->DrawCursor(2021, picture, &hot));
    EXPECT_EQ(hot, Point(4, 4));
    EXPECT_EQ(picture.Canvas()->Pixel(5, 5), clRed);
    EXPECT_EQ(picture.Canvas()->Pixel(2, 2), clWhite);

    EXPECT_FALSE(Screen()->SetCursorLike(26000, 4711));
    ASSERT_TRUE(Screen()->SetCursorLike(26000, crHandPoint));  // the system hand in a slot
    TForm form(nullptr);
    form.SetCursor(26000);
    EXPECT_EQ(form.Widget()->cursor().shape(), Qt::PointingHandCursor);
}

}  // namespace
