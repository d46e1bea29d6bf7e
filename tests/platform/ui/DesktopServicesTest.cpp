#include <gtest/gtest.h>

#include <algorithm>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/ResourceBitmap.h"
#include "platform/ui/DocumentOpener.h"
#include "platform/ui/Screen.h"
#include "tests/support/OffscreenApplication.h"

namespace {

struct TRecordingOpener : IDocumentOpener {
    std::vector<std::string> Opened;
    IDocumentOpener* Former = SetDocumentOpener(this);
    ~TRecordingOpener() override { SetDocumentOpener(Former); }
    bool Open(const std::string& address) override {
        Opened.push_back(address);
        return true;
    }
};

TEST(DocumentOpener, OnlyWebAndMailAddressesAreOpened) {
    TRecordingOpener opener;
    const struct {
        const char* address;
        bool opened;
    } cases[] = {
        {"http://example.org/emissivity", true},
        {"HTTPS://example.org", true},
        {"mailto:someone@example.org", true},
        {"file:///etc/passwd", false},
        {"/usr/bin/xterm", false},
        {"javascript:alert(1)", false},
        {"ftp://example.org", false},
        {"http://", false},
        {"http://example.org/a b", false},
        {"http://example.org/\n", false},
        {"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(OpenDocument(c.address), c.opened) << c.address;
    EXPECT_EQ(opener.Opened,
              (std::vector<std::string>{"http://example.org/emissivity", "HTTPS://example.org",
                                        "mailto:someone@example.org"}));
}

TEST(ResourceBitmaps, BitmapsAndJpegPicturesByName) {
    TBitmap up, down, sketch;
    ASSERT_TRUE(LoadResourceBitmap(up, "teearrowup"));
    ASSERT_TRUE(LoadResourceBitmap(down, "TEEARROWDOWN"));
    EXPECT_EQ(up.Width(), 9);
    EXPECT_EQ(up.Height(), 5);
    EXPECT_EQ(up.Canvas()->Pixel(4, 0), clBlack);  // the tip
    EXPECT_EQ(up.Canvas()->Pixel(0, 0), clWhite);
    EXPECT_EQ(down.Canvas()->Pixel(4, 4), clBlack);
    EXPECT_EQ(down.Canvas()->Pixel(0, 0), clBlack);
    ASSERT_TRUE(LoadResourceBitmap(sketch, "CavitySketch"));
    EXPECT_EQ(sketch.Width(), 64);
    EXPECT_EQ(sketch.Height(), 48);
    const TColor inside = sketch.Canvas()->Pixel(20, 24);  // the dark cone, within JPEG's error
    EXPECT_LT(inside & 0xFF, 80);
    TBitmap untouched(3, 3);
    EXPECT_FALSE(LoadResourceBitmap(untouched, "TEE_CURSOR_HAND"));  // a cursor, not a picture
    EXPECT_FALSE(LoadResourceBitmap(untouched, "Nothing"));
    EXPECT_EQ(untouched.Width(), 3);
}

TEST(ScreenMetrics, DesktopWorkAreaMonitorsFontsAndSystemMetrics) {
    TScreen* s = Screen();
    ASSERT_GE(s->MonitorCount(), 1);
    const TMonitor primary = s->Monitors(0);
    EXPECT_TRUE(primary.Primary);
    EXPECT_EQ(primary.BoundsRect.Width(), s->Width());
    EXPECT_EQ(primary.BoundsRect.Height(), s->Height());
    EXPECT_GT(s->Width(), 0);
    const TRect work = s->WorkAreaRect();
    EXPECT_EQ(IntersectRect(work, primary.BoundsRect), work);  // inside the monitor
    const TRect desktop = s->DesktopRect();
    EXPECT_EQ(IntersectRect(desktop, primary.BoundsRect), primary.BoundsRect);
    EXPECT_EQ(s->MonitorFromPoint(Point(primary.BoundsRect.Left + 1, primary.BoundsRect.Top + 1))
                  .MonitorNum,
              0);
    EXPECT_EQ(s->MonitorFromPoint(Point(-100000, -100000)).BoundsRect.IsEmpty(), false);

    const auto fonts = s->Fonts();
    EXPECT_TRUE(std::is_sorted(fonts.begin(), fonts.end()));
    EXPECT_NE(std::find(fonts.begin(), fonts.end(), "Liberation Sans"), fonts.end());

    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), s->Width());
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), s->Height());
    const struct {
        int index;
        int value;
    } fixed[] = {{SM_CXVSCROLL, 16},
                 {SM_CYHSCROLL, 16},
                 {SM_CXEDGE, 2},
                 {SM_CYEDGE, 2},
                 {SM_CXBORDER, 1},
                 {SM_CYCAPTION, 19},
                 {SM_CYSIZE, 18},
                 {SM_CXCURSOR, 32},
                 {SM_CYCURSOR, 32},
                 {SM_CXDRAG, 4},
                 {SM_CXFRAME, 4},
                 {SM_CXDLGFRAME, 3},
                 {999, 0}};
    for (const auto& m : fixed) EXPECT_EQ(GetSystemMetrics(m.index), m.value) << m.index;
    EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), s->MonitorCount());
}

}  // namespace
