// The enhanced label and URL label: borders, each text style drawn, turning, sizing, blinking,
// fly-by, the frame controller, and the URL label opening its address.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/RzCommon.h"
#include "controls/RzLabel.h"
#include "controls/RzURLLabel.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Reader.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Font.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/DocumentOpener.h"
#include "platform/ui/Panel.h"
#include "platform/ui/Screen.h"

namespace {

// Where pixels of one colour lie: their bounding box, empty when there are none.
TRect InkBox(TBitmap& bitmap, TColor color) {
    TRect box{bitmap.Width(), bitmap.Height(), -1, -1};
    const TColor rgb = ColorToRGB(color);
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            if (bitmap.Canvas()->Pixel(x, y) == rgb) {
                box.Left = std::min(box.Left, x);
                box.Top = std::min(box.Top, y);
                box.Right = std::max(box.Right, x + 1);
                box.Bottom = std::max(box.Bottom, y + 1);
            }
    return box.Right < 0 ? TRect{} : box;
}

class TTestLabel : public TRzLabel {
public:
    using TRzLabel::MouseEnter;
    using TRzLabel::MouseLeave;
    using TRzLabel::TRzLabel;
};

// A label on a white ground with red text, in colours no style takes by itself.
struct TLabelFixture {
    TTestLabel Label{nullptr};
    TLabelFixture() {
        Label.SetAutoSize(false);
        Label.SetBounds(0, 0, 120, 40);
        Label.SetColor(clWhite);
        Label.Font()->SetColor(clRed);
        // The copies are found by their ink beside the glyphs' edges: a face with upright
        // outer strokes, whatever the default face.
        Label.Font()->SetName("DejaVu Sans");
        Label.Font()->SetSize(14);
        Label.SetShadowColor(clBlue);
        Label.SetHighlightColor(clLime);
        Label.SetCaption("Wide label");
    }
    TBitmap& Shown() {
        FShown.SetSize(Label.Width(), Label.Height());
        FShown.Canvas()->Brush()->SetColor(clYellow);
        FShown.Canvas()->FillRect(Rect(0, 0, Label.Width(), Label.Height()));
        Label.PaintTo(FShown, 0, 0);
        return FShown;
    }

private:
    TBitmap FShown;
};

}  // namespace

TEST(RzLabelBorders, OuterWidthAndInnerRings) {
    const TColor k = clBlue;
    struct TCase {
        const char* Name;
        TLabelBorders Borders;
        std::vector<TColor> Left;  // x = 0, 1, 2 at mid height
        TColor Corner;             // (0, 0)
        int Inset;
    } cases[] = {
        {"flat", {.Outer = fsFlat}, {k, clWhite, clWhite}, k, 1},
        {"flat bold", {.Outer = fsFlatBold}, {k, k, clWhite}, k, 2},
        {"status", {.Outer = fsStatus, .BevelWidth = 2}, {clNavy, clNavy, clWhite}, clNavy, 2},
        {"raised", {.Outer = fsRaised}, {cl3DLight, clBtnHighlight, clWhite}, cl3DLight, 2},
        {"width and inner flat", {.Inner = fsFlat, .BorderWidth = 2}, {clRed, clRed, k}, clRed, 3},
        // The rounded edge leaves its square corner in the parent's colour outside it.
        {"rounded outer", {.Outer = fsFlatRounded}, {k, clAqua, clWhite}, clYellow, 2},
        {"rounded inner, see-through",
         {.Inner = fsFlatRounded, .Transparent = true},
         {k, clWhite, clWhite},
         clRed,
         2},
    };
    for (TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TLabelBorders& b = c.Borders;
        b.BorderColor = clRed;
        b.Highlight = clLime;
        b.Shadow = clNavy;
        b.FlatColor = k;
        b.FlatAdjustment = 0;
        b.Color = clAqua;
        b.ParentColor = clYellow;
        TBitmap bitmap(20, 20);
        const TRect inside = PaintLabelBorders(*bitmap.Canvas(), Rect(0, 0, 20, 20), b);
        EXPECT_EQ(inside, Rect(c.Inset, c.Inset, 20 - c.Inset, 20 - c.Inset));
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(bitmap.Canvas()->Pixel(x, 10), ColorToRGB(c.Left[x])) << "x " << x;
        EXPECT_EQ(bitmap.Canvas()->Pixel(0, 0), ColorToRGB(c.Corner));
    }
}

// Each text style by its copies: where the shadow and highlight inks lie around the text.
TEST(RzLabel, EachTextStyleDrawsItsCopies) {
    struct TCase {
        TTextStyle Style;
        bool Light;
        int ShadowShift, HighlightShift;  // 99: no such copy
    } cases[] = {
        {tsNormal, false, 99, 99},  {tsRaised, false, 1, -1},  {tsRaised, true, 99, -1},
        {tsRecessed, false, -1, 1}, {tsRecessed, true, 99, 1}, {tsShadow, false, 2, 99},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "style " << c.Style << " light " << c.Light);
        TLabelFixture f;
        f.Label.SetTextStyle(c.Style);
        f.Label.SetLightTextStyle(c.Light);
        TBitmap& shown = f.Shown();
        const TRect text = InkBox(shown, clRed);
        ASSERT_FALSE(text.IsEmpty());
        const TRect shadow = InkBox(shown, clBlue), highlight = InkBox(shown, clLime);
        // A copy shifted down-right shows past the text's right and bottom edges, one shifted
        // up-left past its left and top edges.
        auto check = [&](const TRect& copy, int shift) {
            if (shift == 99) {
                EXPECT_TRUE(copy.IsEmpty());
            } else if (shift > 0) {
                EXPECT_EQ(copy.Right, text.Right + shift);
                EXPECT_EQ(copy.Bottom, text.Bottom + shift);
            } else {
                EXPECT_EQ(copy.Left, text.Left + shift);
                EXPECT_EQ(copy.Top, text.Top + shift);
            }
        };
        check(shadow, c.ShadowShift);
        check(highlight, c.HighlightShift);
        EXPECT_EQ(shown.Canvas()->Pixel(119, 39), clWhite);  // the label's colour
    }
}

TEST(RzLabel, DisabledTransparentBorderedAndTurnedDrawing) {
    TLabelFixture disabled;
    disabled.Label.SetTextStyle(tsRaised);
    disabled.Label.SetEnabled(false);
    TBitmap& grey = disabled.Shown();
    EXPECT_FALSE(InkBox(grey, clGrayText).IsEmpty());
    EXPECT_TRUE(InkBox(grey, clRed).IsEmpty());
    EXPECT_TRUE(InkBox(grey, clLime).IsEmpty());

    // On a yellow panel a see-through label shows the panel where it draws nothing.
    TPanel panel(nullptr);
    panel.SetBounds(0, 0, 140, 60);
    panel.SetBevelOuter(bvNone);
    panel.SetColor(clYellow);
    TLabelFixture seeThrough;
    seeThrough.Label.SetParent(&panel);
    seeThrough.Label.SetTransparent(true);
    seeThrough.Label.SetBorderOuter(fsFlat);
    seeThrough.Label.SetFlatColor(clBlue);
    seeThrough.Label.SetFlatColorAdjustment(0);
    TBitmap over(140, 60);
    panel.PaintTo(over, 0, 0);
    EXPECT_EQ(over.Canvas()->Pixel(0, 20), clBlue);
    EXPECT_EQ(over.Canvas()->Pixel(118, 38), clYellow);  // what lies behind
    EXPECT_FALSE(InkBox(over, clRed).IsEmpty());
    seeThrough.Label.SetParent(nullptr);

    // Turned a quarter, a wide text stands upright; along an arc it still shows.
    TLabelFixture turned;
    turned.Label.SetBounds(0, 0, 120, 120);
    turned.Label.SetAngle(90);
    EXPECT_EQ(turned.Label.Rotation(), roFlat);
    const TRect upright = InkBox(turned.Shown(), clRed);
    EXPECT_GT(upright.Height(), upright.Width());
    turned.Label.SetRotation(roCurve);
    EXPECT_FALSE(InkBox(turned.Shown(), clRed).IsEmpty());
}

TEST(RzLabel, AngleAndRotationRules) {
    TRzLabel label(nullptr);
    for (auto [given, kept] : {std::pair{-30, 330}, {400, 40}, {360, 0}, {-360, 0}, {45, 45}}) {
        label.SetAngle(given);
        EXPECT_EQ(label.Angle(), kept) << given;
    }
    EXPECT_EQ(label.Rotation(), roFlat);  // a turned angle turns the label
    label.SetCenterPoint(cpLowerLeft);
    label.SetRotation(roCurve);
    EXPECT_EQ(label.Angle(), 45);  // an arc keeps the angle
    label.SetRotation(roFlat);
    EXPECT_EQ(label.Angle(), 0);
    EXPECT_EQ(label.CenterPoint(), cpCenter);
    EXPECT_TRUE(IsTrueTypeFont(*label.Font()));  // so no face was swapped
}

TEST(RzLabel, AutoSizeAddsBordersMarginsAndShadow) {
    TRzLabel label(nullptr);
    label.SetCaption("Sized");
    const int w = label.Width(), h = label.Height();
    label.SetBorderOuter(fsRaised);
    label.SetTextMargin(2);
    EXPECT_EQ(label.Width(), w + 8);
    EXPECT_EQ(label.Height(), h + 8);
    label.SetTextStyle(tsShadow);
    EXPECT_EQ(label.Width(), w + 10);
    // A quarter turn swaps width and height.
    label.SetTextStyle(tsNormal);
    label.SetAngle(90);
    EXPECT_EQ(label.Width(), h + 8);
    EXPECT_EQ(label.Height(), w + 8);
    label.SetCondenseCaption(ccAtEnd);
    EXPECT_FALSE(label.AutoSize());
}

TEST(RzLabel, BlinkingLabelsChangeTogetherAndStopInTheFontColour) {
    TRzLabel a(nullptr), b(nullptr);
    for (TRzLabel* l : {&a, &b}) {
        l->Font()->SetColor(clNavy);
        l->SetBlinkColor(clRed);
        l->SetBlinking(true);
    }
    BlinkingControls()->BlinkTick();
    const TColor first = a.CurrentTextColor();
    EXPECT_EQ(b.CurrentTextColor(), first);
    BlinkingControls()->BlinkTick();
    EXPECT_EQ(a.CurrentTextColor(), b.CurrentTextColor());
    EXPECT_NE(a.CurrentTextColor(), first);
    EXPECT_TRUE((first == clRed) != (a.CurrentTextColor() == clRed));
    a.SetBlinking(false);
    EXPECT_EQ(a.CurrentTextColor(), clNavy);
}

TEST(RzLabel, FlyByRestoresTheColourSavedOnEntering) {
    TTestLabel label(nullptr);
    label.Font()->SetColor(clNavy);
    label.SetFlyByColor(clRed);
    label.SetFlyByEnabled(true);
    int entered = 0;
    label.OnMouseEnter = [&](TObject*) { ++entered; };
    label.MouseEnter();
    EXPECT_EQ(label.Font()->Color(), clRed);
    EXPECT_EQ(label.CurrentTextColor(), clRed);
    label.MouseLeave();
    EXPECT_EQ(label.Font()->Color(), clNavy);
    label.MouseEnter();
    label.SetFlyByEnabled(false);  // switched off under the mouse: the colour comes back
    EXPECT_EQ(label.Font()->Color(), clNavy);
    EXPECT_EQ(entered, 2);
}

TEST(RzLabel, FrameControllerSetsBordersAndColours) {
    TRzFrameController controller(nullptr);
    controller.SetFrameVisible(true);
    controller.SetFrameStyle(fsFlatBold);
    controller.SetFrameColor(clRed);
    controller.SetColor(clYellow);
    TRzLabel label(nullptr);
    label.SetFrameControllerNotifications(fcpAllSettings -
                                          TRzFrameControllerNotifications{fcpFrameSides});
    controller.SetFrameSides(TSides{sdLeft});
    label.SetFrameController(&controller);
    EXPECT_EQ(label.BorderOuter(), fsFlatBold);
    EXPECT_EQ(label.BorderSides(), sdAllSides);  // not let through
    EXPECT_EQ(label.FlatColor(), clRed);
    EXPECT_EQ(label.FlatColorAdjustment(), 0);
    EXPECT_EQ(label.Color(), clYellow);
    EXPECT_EQ(label.BorderHighlight(), RzColor::LightenColor(clYellow, 100));
    EXPECT_EQ(label.BorderShadow(), RzColor::DarkenColor(clYellow, 50));
    label.SetFrameController(nullptr);
    EXPECT_EQ(controller.LinkedCount(), 0);
    // A label freed while linked leaves the controller no dangling link.
    {
        TRzLabel linked(nullptr);
        linked.SetFrameController(&controller);
        EXPECT_EQ(controller.LinkedCount(), 1);
    }
    EXPECT_EQ(controller.LinkedCount(), 0);
}

namespace {
class TRecordingOpener : public IDocumentOpener {
public:
    std::vector<std::string> Opened;
    bool Open(const std::string& address) override {
        Opened.push_back(address);
        return true;
    }
};
struct TOpenerGuard {
    TRecordingOpener Opener;
    IDocumentOpener* Saved = SetDocumentOpener(&Opener);
    ~TOpenerGuard() { SetDocumentOpener(Saved); }
};
}  // namespace

TEST(RzURLLabel, OpensItsAddressOrCaptionAndTurnsVisited) {
    TOpenerGuard guard;
    TRzURLLabel link(nullptr);
    EXPECT_EQ(link.Cursor(), crRzHandCursor);
    EXPECT_TRUE(Screen()->HasCursor(crRzHandCursor));
    EXPECT_TRUE(link.Font()->Style().Contains(fsUnderline));
    EXPECT_EQ(link.Font()->Color(), clHighlight);
    std::vector<std::string> order;
    link.OnClick = [&](TObject*) { order.push_back("click"); };

    link.SetCaption("https://example.org/caption");
    link.Click();
    EXPECT_EQ(guard.Opener.Opened, (std::vector<std::string>{"https://example.org/caption"}));
    EXPECT_TRUE(link.Visited());
    EXPECT_EQ(link.Font()->Color(), RGB(128, 0, 128));

    link.SetVisited(false);
    EXPECT_EQ(link.Font()->Color(), clHighlight);
    link.SetURL("  ");  // blank: the caption serves
    link.Click();
    link.SetURL("mailto:someone@example.org");
    link.Click();
    ASSERT_EQ(guard.Opener.Opened.size(), 3u);
    EXPECT_EQ(guard.Opener.Opened[2], "mailto:someone@example.org");
    EXPECT_EQ(order.size(), 3u);

    // An address the desktop may not open leaves the link unvisited.
    TRzURLLabel refused(nullptr);
    refused.SetURL("/usr/bin/xterm");
    refused.Click();
    EXPECT_FALSE(refused.Visited());
    EXPECT_EQ(guard.Opener.Opened.size(), 3u);
}

TEST(RzLabelHelpers, TurnedFontStretchThroughMaskAndEditHeight) {
    TFont font;
    font.SetStyle(TFontStyles{fsBold});
    const std::unique_ptr<TFont> turned = CreateAngledFont(font, 45);
    EXPECT_EQ(turned->Orientation(), 450);
    EXPECT_EQ(turned->Name(), font.Name());
    EXPECT_TRUE(turned->Style().Contains(fsBold));
    EXPECT_GT(EditHeightForFont(font), 2);

    // A 2 x 1 picture whose right pixel is the see-through colour, stretched over 4 x 2.
    TBitmap picture(2, 1);
    picture.Canvas()->SetPixel(0, 0, clRed);
    picture.Canvas()->SetPixel(1, 0, clLime);
    TBitmap target(6, 4);
    StretchThroughMask(*target.Canvas(), picture, Rect(1, 1, 5, 3), clLime, Rect(0, 0, 2, 1));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) {
            const bool red = x >= 1 && x < 3 && y >= 1 && y < 3;
            EXPECT_EQ(target.Canvas()->Pixel(x, y), red ? clRed : clWhite) << x << "," << y;
        }
}

// A stored label reads its settings, turns once loaded, and drops the old "FrameSides".
TEST(RzLabel, ReadsItsSettingsAndDropsTheOldFrameSides) {
    const std::string text =
        "object Label1: TRzLabel\n"
        "  Caption = 'Stored'\n"
        "  Angle = 30\n"
        "  BorderOuter = fsFlatBold\n"
        "  BorderSides = [sdLeft, sdTop]\n"
        "  FrameSides = [sdLeft]\n"
        "  TextStyle = tsShadow\n"
        "  ShadowDepth = 4\n"
        "end\n";
    TMemoryStream in, binary;
    in.WriteBuffer(text.data(), int64_t(text.size()));
    in.SetPosition(0);
    ObjectTextToBinary(in, binary);
    binary.SetPosition(0);
    TRzLabel label(nullptr);
    ReadComponentFromStream(binary, &label);
    EXPECT_EQ(label.Caption(), "Stored");
    EXPECT_EQ(label.Angle(), 30);
    EXPECT_EQ(label.Rotation(), roFlat);  // an angle read without a rotation turns flat
    EXPECT_EQ(label.BorderOuter(), fsFlatBold);
    EXPECT_EQ(label.BorderSides(), (TSides{sdLeft, sdTop}));
    EXPECT_EQ(label.TextStyle(), tsShadow);
    EXPECT_EQ(label.ShadowDepth(), 4);
}
