#include <gtest/gtest.h>

#include <functional>

#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "chart/foundation/TeeFilterPicture.h"
#include "chart/foundation/TeeFilters.h"
#include "chart/foundation/TeeFont.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/TeeShadow.h"
#include "chart/foundation/View3DOptions.h"
#include "platform/graphics/Bitmap.h"
#include "tests/chart/foundation/SurfaceFixture.h"

namespace {

using TOnBitmap = TSurfaceOnBitmap<TTeeCanvas3D>;

// The extent of the pixels matching a test: left, top, right, bottom inclusive; -1 when none.
struct TInk {
    int Left = -1, Top = -1, Right = -1, Bottom = -1, Count = 0;
};
TInk InkOf(TOnBitmap& f, const std::function<bool(TColor)>& match) {
    TInk ink;
    for (int y = 0; y < f.Target.Height(); ++y)
        for (int x = 0; x < f.Target.Width(); ++x) {
            if (!match(f.At(x, y))) continue;
            if (ink.Count++ == 0) ink = {x, y, x, y, 1};
            ink.Left = std::min(ink.Left, x);
            ink.Top = std::min(ink.Top, y);
            ink.Right = std::max(ink.Right, x);
            ink.Bottom = std::max(ink.Bottom, y);
        }
    return ink;
}
bool Dark(TColor c) { return GetRValue(c) < 100 && GetGValue(c) < 100 && GetBValue(c) < 100; }
bool Red(TColor c) { return GetRValue(c) > 200 && GetGValue(c) < 100 && GetBValue(c) < 100; }
bool Blue(TColor c) { return GetBValue(c) > 200 && GetRValue(c) < 100 && GetGValue(c) < 100; }
bool Green(TColor c) { return GetGValue(c) > 100 && GetRValue(c) < 100 && GetBValue(c) < 100; }

// A large bold black font selected on the surface.
struct TTextFixture : TOnBitmap {
    TTeeFont Font;
    TTextFixture() : TOnBitmap(120, 80) {
        Font.SetSize(36);
        Font.SetStyle(TFontStyles{fsBold});
        Font.SetColor(clBlack);
        Surface.UseFont(&Font);
    }
    void Select() { Surface.UseFont(&Font); }
};

TEST(TeeCanvas3DTextTest, ShadowNeverPushesTheTextUpOrLeftAndIsMeasured) {
    TTextFixture plain;
    const int width = plain.Surface.MeasureTextWidth("W");
    const int height = plain.Surface.MeasureTextHeight("W");
    plain.Surface.DrawTextAt(10, 10, "W");
    const TInk reference = InkOf(plain, Dark);
    ASSERT_GT(reference.Count, 0);

    TTextFixture f;
    TTeeShadow* shadow = f.Font.Shadow();
    shadow->SetColor(clRed);
    shadow->SetHorizSize(-3);
    shadow->SetVertSize(2);
    shadow->SetVisible(true);
    f.Select();
    EXPECT_EQ(f.Surface.MeasureTextWidth("W"), width + 3);
    EXPECT_EQ(f.Surface.MeasureTextHeight("W"), height + 2);
    f.Surface.DrawTextAt(10, 10, "W");
    const TInk text = InkOf(f, Dark);
    const TInk shade = InkOf(f, Red);
    EXPECT_EQ(text.Left, reference.Left + 3);
    EXPECT_EQ(text.Top, reference.Top);
    EXPECT_EQ(shade.Left, reference.Left);
    EXPECT_EQ(shade.Top, reference.Top + 2);
}

TEST(TeeCanvas3DTextTest, CharacterSpacingWidensMeasuringAndOutput) {
    TTextFixture plain;
    const int width = plain.Surface.MeasureTextWidth("II");
    plain.Surface.DrawTextAt(10, 10, "II");
    const TInk reference = InkOf(plain, Dark);

    TTextFixture f;
    f.Font.SetInterCharSize(6);
    f.Select();
    EXPECT_EQ(f.Surface.MeasureTextWidth("II"), width + 12);
    f.Surface.DrawTextAt(10, 10, "II");
    const TInk spaced = InkOf(f, Dark);
    EXPECT_EQ(spaced.Left, reference.Left);
    EXPECT_EQ(spaced.Right, reference.Right + 6);
}

TEST(TeeCanvas3DTextTest, OutlineAndGradientPaintTheGlyphsThroughTheirPath) {
    struct TCase {
        const char* Name;
        TColor FontColour;
        bool Gradient, GradientOutline;
        bool Fill, Stroke, Gradiented;  // blue fill, red outline, green gradient seen
    };
    const TCase cases[] = {
        {"outline and fill", clBlue, false, false, true, true, false},
        {"outline of clear glyphs", clNone, false, false, false, true, false},
        {"gradient inside the outline", clBlue, true, false, false, true, true},
        {"gradient band only", clBlue, true, true, false, false, true},
    };
    for (const TCase& c : cases) {
        TTextFixture f;
        f.Font.SetColor(c.FontColour);
        f.Font.OutLine()->SetColor(clRed);
        f.Font.OutLine()->SetWidth(2);
        f.Font.OutLine()->SetVisible(true);
        if (c.Gradient) {
            TTeeFontGradient* g = f.Font.Gradient();
            g->SetStartColor(RGB(0, 160, 0));
            g->SetEndColor(RGB(0, 160, 0));
            g->SetOutline(c.GradientOutline);
            g->SetVisible(true);
        }
        f.Select();
        f.Surface.DrawTextAt(10, 10, "W");
        EXPECT_EQ(InkOf(f, Blue).Count > 0, c.Fill) << c.Name;
        EXPECT_EQ(InkOf(f, Red).Count > 0, c.Stroke) << c.Name;
        EXPECT_EQ(InkOf(f, Green).Count > 0, c.Gradiented) << c.Name;
        EXPECT_EQ(SavedClipCount(), 0) << c.Name;
    }
}

TEST(TeeCanvas3DTextTest, PictureFillOfTheGlyphsIsFiltered) {
    for (bool inverted : {false, true}) {
        TTextFixture f;
        TBitmap red;
        red.SetSize(4, 4);
        red.Canvas()->Brush()->SetColor(clRed);
        red.Canvas()->FillRect(TRect{0, 0, 4, 4});
        f.Font.Picture()->SetGraphic(&red);
        if (inverted) f.Font.Picture()->Filters()->AddFilterOfClass(&TInvertFilter::StaticClass());
        f.Select();
        f.Surface.DrawTextAt(10, 10, "W");
        const bool aqua = InkOf(f, [](TColor c) { return c == clAqua; }).Count > 0;
        EXPECT_EQ(InkOf(f, Red).Count > 0, !inverted) << inverted;
        EXPECT_EQ(aqua, inverted) << inverted;
        EXPECT_EQ(InkOf(f, Dark).Count, 0) << inverted;  // no glyph keeps the font colour
    }
}

TEST(TeeCanvas3DTextTest, SmoothShadowIsBlurredOnTheBuffer) {
    // The pale red between a shadow and the white ground, counted with and without the blur.
    auto paleShadow = [](bool smooth) {
        TBitmap window(120, 80);
        TTeeCanvas3D s;
        s.PrepareDrawing(window.Canvas(), nullptr, clWhite, false, TRect{0, 0, 120, 80});
        s.ResetDrawingState();
        s.Brush()->SetColor(clWhite);
        s.FillRectangle(TRect{0, 0, 120, 80});
        TTeeFont font;
        font.SetSize(36);
        font.SetColor(clBlack);
        TTeeShadow* shadow = font.Shadow();
        shadow->SetColor(clRed);
        shadow->SetHorizSize(6);
        shadow->SetVertSize(6);
        shadow->SetSmooth(smooth);
        shadow->SetSmoothBlur(3);
        shadow->SetVisible(true);
        s.UseFont(&font);
        s.DrawTextAt(10, 10, "W");
        int pale = 0;
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < 120; ++x) {
                const TColor c = s.GetPixelColor(x, y);
                pale += GetRValue(c) > 200 && GetGValue(c) > 60 && GetGValue(c) < 200;
            }
        return pale;
    };
    EXPECT_GT(paleShadow(true), 2 * paleShadow(false));
}

// Writes down the font each text goes out with instead of drawing it.
class TFontCapture : public TTeeCanvas3D {
public:
    std::vector<std::pair<int, int>> Seen;  // orientation, size
    void DrawTextAt(int, int, std::string_view) override {
        Seen.emplace_back(Font()->Orientation(), Font()->Size());
    }
};

TEST(TeeCanvas3DTextTest, TurnedTextReducesTheAngleAndDepthTextFollowsTheZoom) {
    TSurfaceOnBitmap<TFontCapture> f(10, 10);
    struct TCase {
        double Angle;
        int Orientation;
    };
    for (const TCase& c : {TCase{450, 900}, TCase{-30, -300}, TCase{360, 3600}}) {
        f.Surface.Seen.clear();
        f.Surface.DrawRotatedText(0, 0, "x", c.Angle);
        ASSERT_EQ(f.Surface.Seen.size(), 1u);
        EXPECT_EQ(f.Surface.Seen[0].first, c.Orientation) << c.Angle;
        EXPECT_EQ(f.Surface.Font()->Orientation(), 0);
    }

    TView3DOptions options;
    options.SetZoom(50);
    f.Surface.PrepareDrawing(f.Target.Canvas(), &options, clWhite, true, TRect{0, 0, 10, 10});
    f.Surface.PrepareProjection(0, TRect{0, 0, 10, 10});
    struct TSizeCase {
        int Size, Written;
    };
    for (const TSizeCase& c : {TSizeCase{10, 5}, TSizeCase{1, 1}, TSizeCase{3, 2}}) {
        f.Surface.Font()->SetSize(c.Size);
        f.Surface.Seen.clear();
        f.Surface.DrawTextAtZ(0, 0, 0, "x");
        ASSERT_EQ(f.Surface.Seen.size(), 1u);
        EXPECT_EQ(f.Surface.Seen[0].second, c.Written) << c.Size;
        EXPECT_EQ(f.Surface.Font()->Size(), c.Size) << c.Size;
    }
}

}  // namespace
