#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Brush.h"
#include "platform/ui/BitBtn.h"
#include "platform/ui/Form.h"
#include "platform/ui/Panel.h"
#include "platform/ui/SpeedButton.h"
#include "tests/platform/ui/UserInput.h"
#include "tests/support/OffscreenApplication.h"

namespace {

// What a control shows on screen, as pixels.
std::unique_ptr<TBitmap> Snapshot(TControl* c) {
    auto shot = std::make_unique<TBitmap>(c->Width(), c->Height());
    c->PaintTo(*shot, 0, 0);
    return shot;
}

// The box around every pixel of colour in the shot (empty when none).
TRect BoxOf(const std::unique_ptr<TBitmap>& bitmap, TColor color) {
    TBitmap& shot = *bitmap;
    TRect box = Rect(shot.Width(), shot.Height(), 0, 0);
    for (int y = 0; y < shot.Height(); ++y)
        for (int x = 0; x < shot.Width(); ++x)
            if (shot.Canvas()->Pixel(x, y) == color) {
                box.Left = std::min(box.Left, x);
                box.Top = std::min(box.Top, y);
                box.Right = std::max(box.Right, x + 1);
                box.Bottom = std::max(box.Bottom, y + 1);
            }
    return box.Left < box.Right ? box : Rect(0, 0, 0, 0);
}

// A 4 x 4 glyph of solid colours, one per image, with a fuchsia bottom-left pixel (see-through).
std::unique_ptr<TBitmap> Glyph(std::initializer_list<TColor> images) {
    auto bitmap = std::make_unique<TBitmap>(4 * int(images.size()), 4);
    TBitmap& glyph = *bitmap;
    int x = 0;
    for (TColor c : images) {
        glyph.Canvas()->Brush()->SetColor(c);
        glyph.Canvas()->FillRect(Rect(x, 0, x + 4, 4));
        x += 4;
    }
    glyph.Canvas()->SetPixel(0, 3, clFuchsia);
    return bitmap;
}

TEST(BitBtn, KindsGiveCaptionResultRoleAndGlyph) {
    struct Case {
        TBitBtnKind kind;
        const char* caption;
        TModalResult result;
        bool isDefault, isCancel;
        TColor ink;  // the picture's main colour
    };
    const Case cases[] = {
        {bkOK, "OK", mrOk, true, false, clGreen},
        {bkCancel, "Cancel", mrCancel, false, true, clRed},
        {bkYes, "&Yes", mrYes, true, false, clGreen},
        {bkNo, "&No", mrNo, false, true, clRed},
        {bkHelp, "&Help", mrNone, false, false, clBlue},
        {bkClose, "&Close", mrNone, false, false, clTeal},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(BitBtnKindNames().Name(c.kind));
        TForm form(nullptr);
        auto* button = new TBitBtn(&form);
        button->SetParent(&form);
        button->SetKind(c.kind);
        EXPECT_EQ(button->Caption(), c.caption);
        EXPECT_EQ(button->ModalResult(), c.result);
        EXPECT_EQ(button->Default(), c.isDefault);
        EXPECT_EQ(button->Cancel(), c.isCancel);
        EXPECT_EQ(button->NumGlyphs(), 2);
        EXPECT_EQ(button->Glyph()->Width(), 32);
        // The picture is on the up image and only on it; the disabled image is grey.
        auto shot = Snapshot(button);
        TRect ink = BoxOf(shot, c.ink);
        EXPECT_GT(ink.Width(), 3);
        EXPECT_LE(ink.Width(), 16);
        EXPECT_LE(ink.Height(), 16);
        EXPECT_LT(ink.Right, button->Width() / 2);  // the glyph goes left of the caption
        button->SetEnabled(false);
        auto greyed = Snapshot(button);
        EXPECT_EQ(BoxOf(greyed, c.ink).Width(), 0);
        EXPECT_GT(BoxOf(greyed, ColorToRGB(clBtnShadow)).Width(), 3);
        // A glyph of one's own makes the kind custom and keeps the rest.
        button->SetGlyph(nullptr);
        EXPECT_EQ(button->Kind(), bkCustom);
        EXPECT_EQ(button->Caption(), c.caption);
        EXPECT_EQ(button->ModalResult(), c.result);
    }
}

TEST(BitBtn, ClicksSetTheModalResultOrCloseTheForm) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* ok = new TBitBtn(&form);
    ok->SetParent(&form);
    ok->SetKind(bkOK);
    auto* close = new TBitBtn(&form);
    close->SetParent(&form);
    close->SetKind(bkClose);
    close->SetLeft(100);
    int clicks = 0;
    ok->OnClick = [&](TObject*) { ++clicks; };
    form.Show();
    TUserInput input;
    input.Click(ok, {10, 10});
    EXPECT_EQ(form.ModalResult(), mrOk);
    EXPECT_EQ(clicks, 1);
    form.SetModalResult(mrNone);
    EXPECT_TRUE(form.Visible());
    input.Click(close, {10, 10});
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(form.ModalResult(), mrNone);
}

TEST(BitBtn, LayoutMarginAndSpacingPlaceTheGlyph) {
    TForm form(nullptr);
    auto* button = new TBitBtn(&form);
    button->SetParent(&form);
    button->SetBounds(0, 0, 80, 30);
    auto glyph = Glyph({clRed});
    button->SetGlyph(glyph.get());
    struct Case {
        TButtonLayout layout;
        int margin;
        const char* caption;
        TRect expected;  // the red square in the shot; the border takes 2 pixels
    };
    const Case cases[] = {
        {blGlyphLeft, 5, "Go", Rect(7, 13, 11, 17)}, {blGlyphRight, 5, "Go", Rect(69, 13, 73, 17)},
        {blGlyphTop, 3, "Go", Rect(38, 5, 42, 9)},   {blGlyphBottom, 0, "Go", Rect(38, 24, 42, 28)},
        {blGlyphLeft, -1, "", Rect(38, 13, 42, 17)},  // alone and centred
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(ButtonLayoutNames().Name(c.layout) + " " + std::to_string(c.margin));
        button->SetLayout(c.layout);
        button->SetMargin(c.margin);
        button->SetCaption(c.caption);
        auto shot = Snapshot(button);
        TRect red = BoxOf(shot, clRed);
        EXPECT_EQ(red, c.expected);
    }
}

TEST(BitBtn, GlyphImagesFollowTheButtonState) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    auto* button = new TBitBtn(&form);
    button->SetParent(&form);
    auto pair = Glyph({clRed, clBlue});
    button->SetGlyph(pair.get());
    button->SetNumGlyphs(2);
    button->SetMargin(4);
    form.Show();
    auto up = Snapshot(button);
    TRect red = BoxOf(up, clRed);
    EXPECT_EQ(red.Width(), 4);
    EXPECT_EQ(BoxOf(up, clBlue).Width(), 0);
    EXPECT_EQ(up->Canvas()->Pixel(red.Left, red.Bottom - 1), ColorToRGB(clBtnFace));  // see-through

    TUserInput input;
    input.Press(button, {20, 10});  // held down: the picture moves down and right
    auto pressed = Snapshot(button);
    EXPECT_EQ(BoxOf(pressed, clRed),
              Rect(red.Left + 1, red.Top + 1, red.Right + 1, red.Bottom + 1));
    input.Release(button, {20, 10});

    button->SetEnabled(false);  // the second image
    auto disabled = Snapshot(button);
    EXPECT_EQ(BoxOf(disabled, clBlue), red);
    button->SetNumGlyphs(1);  // no image of its own: the first one greyed
    auto greyed = Snapshot(button);
    EXPECT_EQ(BoxOf(greyed, clRed).Width(), 0);
    for (int y = red.Top; y < red.Bottom; ++y)
        for (int x = red.Left; x < red.Right; ++x) {
            const bool seeThrough = x == red.Left && y == red.Bottom - 1;
            EXPECT_EQ(greyed->Canvas()->Pixel(x, y),
                      ColorToRGB(seeThrough ? clBtnFace : clBtnShadow));
        }
}

struct SpeedButtons {
    TForm form{nullptr};
    TPanel* panel;
    std::vector<TSpeedButton*> buttons;
    std::string clicks;
    SpeedButtons(int groupIndex, bool allowAllUp) {
        form.SetBounds(0, 0, 300, 200);
        panel = new TPanel(&form);
        panel->SetParent(&form);
        panel->SetBounds(0, 0, 200, 50);
        for (int i = 0; i < 3; ++i) {
            auto* b = new TSpeedButton(&form);
            b->SetParent(panel);
            b->SetLeft(30 * i);
            b->SetGroupIndex(groupIndex);
            b->OnClick = [this, i](TObject*) { clicks += char('0' + i); };
            buttons.push_back(b);
        }
        buttons[0]->SetAllowAllUp(allowAllUp);  // shared by the group
        form.Show();
    }
    std::string Downs() const {
        std::string s;
        for (TSpeedButton* b : buttons) s += b->Down() ? 'D' : '-';
        return s;
    }
};

TEST(SpeedButton, GroupsHoldOneButtonDown) {
    struct Case {
        int group;
        bool allowAllUp;
        std::vector<int> clicks;
        const char* downs;
    };
    const Case cases[] = {
        {1, false, {0}, "D--"},    {1, false, {0, 2}, "--D"},
        {1, false, {0, 0}, "D--"},  // the last one down stays down
        {1, true, {0, 0}, "---"},  {1, true, {1, 2, 2}, "---"},
        {0, false, {0, 1}, "---"},  // ungrouped buttons spring back
    };
    for (const Case& c : cases) {
        SpeedButtons f(c.group, c.allowAllUp);
        std::string expectedClicks;
        TUserInput input;
        for (int i : c.clicks) {
            input.Click(f.buttons[size_t(i)], {5, 5});
            expectedClicks += char('0' + i);
        }
        EXPECT_EQ(f.Downs(), c.downs) << c.group << " " << c.allowAllUp;
        EXPECT_EQ(f.clicks, expectedClicks);
        EXPECT_EQ(f.buttons[2]->AllowAllUp(), c.allowAllUp);
    }
}

TEST(SpeedButton, DownFromCodeAndAReleaseOffTheButton) {
    SpeedButtons f(1, false);
    f.buttons[1]->SetDown(true);
    EXPECT_EQ(f.Downs(), "-D-");
    f.buttons[1]->SetDown(false);  // the group's last one down
    EXPECT_EQ(f.Downs(), "-D-");
    f.buttons[2]->SetDown(true);
    EXPECT_EQ(f.Downs(), "--D");
    EXPECT_EQ(f.clicks, "");  // only the user clicks

    TUserInput input;
    input.Press(f.buttons[0], {5, 5});
    input.Move(f.buttons[0], {60, 40});
    input.Release(f.buttons[0], {60, 40});  // let go elsewhere: no click
    EXPECT_EQ(f.Downs(), "--D");
    EXPECT_EQ(f.clicks, "");
    f.buttons[2]->SetGroupIndex(0);
    EXPECT_FALSE(f.buttons[2]->Down());
}

TEST(SpeedButton, FlatFacesShowEdgesOnlyWhenDown) {
    SpeedButtons f(1, true);
    auto pair = Glyph({clRed, clBlue});
    for (TSpeedButton* b : f.buttons) {
        b->SetGlyph(pair.get());
        b->SetNumGlyphs(2);
    }
    f.buttons[0]->SetFlat(true);
    const TColor face = ColorToRGB(clBtnFace);
    auto corner = [](TSpeedButton* b) { return Snapshot(b)->Canvas()->Pixel(0, 0); };
    EXPECT_EQ(corner(f.buttons[0]), face);
    EXPECT_EQ(corner(f.buttons[1]), ColorToRGB(clBtnHighlight));
    f.buttons[0]->SetDown(true);
    EXPECT_EQ(corner(f.buttons[0]), ColorToRGB(clBtnShadow));
    auto shot = Snapshot(f.buttons[0]);
    EXPECT_EQ(BoxOf(shot, clRed).Width(), 4);
    f.buttons[1]->SetEnabled(false);
    auto disabled = Snapshot(f.buttons[1]);
    EXPECT_EQ(BoxOf(disabled, clBlue).Width(), 4);
    EXPECT_EQ(BoxOf(disabled, clRed).Width(), 0);
}

}  // namespace
