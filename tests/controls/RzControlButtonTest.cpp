// The control button: glyph cells, the press/repeat/release cycle on a simulated clock, and
// its classic frames.
#include <gtest/gtest.h>

#include <stdexcept>

#include "controls/RzControlButton.h"
#include "platform/classes/PropInfo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Canvas.h"
#include "platform/ui/Timer.h"

namespace {

// Opens the mouse and paint hooks to the tests.
class TTestButton : public TRzControlButton {
public:
    using TRzControlButton::MouseDown;
    using TRzControlButton::MouseEnter;
    using TRzControlButton::MouseUp;
    using TRzControlButton::Paint;
    using TRzControlButton::TRzControlButton;
};

// Holds the button down for holdMs of simulated time, firing the repeat timer whenever its
// interval has run out, and releases at (x, y).
void Hold(TTestButton& button, TMouseButton mouse, int holdMs, int x = 5, int y = 5) {
    button.MouseDown(mouse, {}, 5, 5);
    int now = 0;
    while (TTimer* timer = button.RepeatTimer()) {
        if (!timer->Enabled() || now + timer->Interval() > holdMs) break;
        now += timer->Interval();
        timer->OnTimer(timer);
    }
    button.MouseUp(mouse, {}, x, y);
}

}  // namespace

TEST(RzControlButton, NumGlyphsFollowsTheGlyphStrip) {
    struct TCase {
        int Width, Height;
        int Expected;  // NumGlyphs was 3 before
    } cases[] = {
        {64, 16, 4}, {32, 16, 2}, {16, 16, 1}, {96, 16, 1}, {50, 16, 3}, {0, 0, 3},
    };
    for (const TCase& c : cases) {
        TTestButton button(nullptr);
        button.SetNumGlyphs(3);
        TBitmap glyph(c.Width, c.Height);
        button.SetGlyph(&glyph);
        EXPECT_EQ(button.NumGlyphs(), c.Expected) << c.Width << " x " << c.Height;
    }
    // The published glyph is filled in place when a form is read; that counts as well.
    ASSERT_NE(TRzControlButton::StaticClass().Properties().Find("Glyph"), nullptr);
    TTestButton button(nullptr);
    button.Glyph()->SetSize(32, 16);
    EXPECT_EQ(button.NumGlyphs(), 2);
}

TEST(RzControlButton, ClicksOnReleaseAndRepeatsWhileHeld) {
    struct TCase {
        bool Repeat;
        TMouseButton Mouse;
        int HoldMs;
        int ReleaseX;
        int Clicks;
    } cases[] = {
        {false, mbLeft, 650, 5, 1},  // a plain button clicks once, on release
        {false, mbLeft, 50, 40, 0},  // released outside: nothing
        {true, mbLeft, 350, 5, 1},   // shorter than the first delay
        {true, mbLeft, 650, 5, 4},   // 400, 500, 600 and the release
        {true, mbLeft, 650, 40, 3},  // the ticks, but no click outside
        {true, mbRight, 650, 5, 0},  // the timer runs, yet nothing clicks
        {true, mbLeft, 1000, 5, 8},  // 400..1000 every 100 ms, then the release
    };
    for (const TCase& c : cases) {
        TTestButton button(nullptr);
        button.SetRepeatClicks(c.Repeat);
        int clicks = 0;
        button.OnClick = [&](TObject*) { ++clicks; };
        Hold(button, c.Mouse, c.HoldMs, c.ReleaseX);
        EXPECT_EQ(clicks, c.Clicks) << "repeat " << c.Repeat << " button " << c.Mouse << " held "
                                    << c.HoldMs << " released at x " << c.ReleaseX;
        EXPECT_FALSE(button.Pressed());
        if (button.RepeatTimer()) {
            EXPECT_FALSE(button.RepeatTimer()->Enabled());
        }
    }
}

TEST(RzControlButton, AFailingRepeatedClickStopsTheTimer) {
    TTestButton button(nullptr);
    button.SetRepeatClicks(true);
    button.OnClick = [](TObject*) { throw std::runtime_error("step failed"); };
    button.MouseDown(mbLeft, {}, 5, 5);
    TTimer* timer = button.RepeatTimer();
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->Interval(), 400);
    EXPECT_THROW(timer->OnTimer(timer), std::runtime_error);
    EXPECT_FALSE(timer->Enabled());
    EXPECT_EQ(timer->Interval(), 100);
}

// The glyph strip has a red normal, a blue disabled and a green pressed cell of 8 x 8, each
// with a lime transparent corner at its bottom left.
TEST(RzControlButton, GlyphCellByState) {
    struct TCase {
        int Cells;
        bool Enabled, Pressed;
        TColor Expected;
        TPoint At;  // the cell's second pixel, moved one more down-right when pressed
    } cases[] = {
        {3, true, false, clRed, {6, 8}},   {3, false, false, clBlue, {6, 8}},
        {2, false, false, clBlue, {6, 8}}, {3, true, true, clGreen, {7, 9}},
        {2, true, true, clRed, {7, 9}},    {1, false, false, clRed, {6, 8}},
    };
    const TColor colours[] = {clRed, clBlue, clGreen};
    for (const TCase& c : cases) {
        TBitmap glyph(8 * c.Cells, 8);
        for (int i = 0; i < c.Cells; ++i) {
            glyph.Canvas()->Brush()->SetColor(colours[i]);
            glyph.Canvas()->FillRect(Rect(8 * i, 0, 8 * i + 8, 8));
            glyph.Canvas()->SetPixel(8 * i, 7, clLime);
        }
        TTestButton button(nullptr);
        button.SetGlyph(&glyph);
        if (c.Pressed) button.MouseDown(mbLeft, {}, 5, 5);
        button.SetEnabled(c.Enabled);
        button.Paint();
        SCOPED_TRACE(testing::Message()
                     << c.Cells << " cells, enabled " << c.Enabled << ", pressed " << c.Pressed);
        EXPECT_EQ(button.Canvas()->Pixel(c.At.X, c.At.Y), c.Expected);
        // The transparent corner shows the face.
        EXPECT_EQ(button.Canvas()->Pixel(c.At.X - 1, c.At.Y + 6), ColorToRGB(clBtnFace));
    }
}

// The left edge of an up-arrow button at (0, 10) and (1, 10) by look and state.
TEST(RzControlButton, ArrowButtonFrames) {
    struct TCase {
        bool Flat, Pressed, Hot;
        TColor Outer, Inner;
    } cases[] = {
        {false, false, false, clBtnHighlight, cl3DLight},
        {false, true, false, clBtnShadow, clYellow},
        {true, false, false, clYellow, clYellow},
        {true, false, true, clBtnHighlight, clYellow},
        {true, true, false, clBtnShadow, clYellow},
    };
    for (const TCase& c : cases) {
        TTestButton button(nullptr);
        button.SetStyle(cbsUp);
        button.SetFlat(c.Flat);
        button.SetColor(clYellow);
        if (c.Hot) button.MouseEnter();
        if (c.Pressed) button.MouseDown(mbLeft, {}, 5, 5);
        button.Paint();
        SCOPED_TRACE(testing::Message()
                     << "flat " << c.Flat << " pressed " << c.Pressed << " hot " << c.Hot);
        EXPECT_EQ(button.Canvas()->Pixel(0, 10), ColorToRGB(c.Outer));
        EXPECT_EQ(button.Canvas()->Pixel(1, 10), ColorToRGB(c.Inner));
        EXPECT_EQ(button.Canvas()->Pixel(8, 10), clBlack);  // the arrow
    }
}
