// Text output of the surface: at a point, turned, or at a depth, with the effects of the chart
// font selected last: a shadow that never pushes the text up or left, an outline, and gradient
// or picture fills of the glyphs through a text path.
#include <algorithm>
#include <cmath>

#include "chart/foundation/ChartPen.h"
#include "chart/foundation/SavedClipRegion.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "chart/foundation/TeeFilter.h"
#include "chart/foundation/TeeFilterPicture.h"
#include "chart/foundation/TeeFont.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/TeeShadow.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/RtlMath.h"

namespace {

// The selected font's shadow when it shows, else null.
const TTeeShadow* VisibleShadow(const TTeeFont* font) {
    const TTeeShadow* shadow = font ? font->ShadowIfAny() : nullptr;
    if (!shadow || !shadow->Visible()) return nullptr;
    return shadow->HorizSize() != 0 || shadow->VertSize() != 0 ? shadow : nullptr;
}

// Bytes in the UTF-8 sequence that starts with lead.
size_t SequenceLength(unsigned char lead) {
    if (lead < 0xC0) return 1;
    if (lead < 0xE0) return 2;
    if (lead < 0xF0) return 3;
    return 4;
}

// Sets the surface font's size for one output and gives the old height back afterwards.
class TFontSizeGuard {
public:
    TFontSizeGuard(TFont* font, int size) : FFont(font), FHeight(font->Height()) {
        font->SetSize(size);
    }
    ~TFontSizeGuard() { FFont->SetHeight(FHeight); }
    TFontSizeGuard(const TFontSizeGuard&) = delete;
    TFontSizeGuard& operator=(const TFontSizeGuard&) = delete;

private:
    TFont* FFont;
    int FHeight;
};

// The left end of text `Width` wide written at X under the horizontal alignment of Flags.
int AlignedTextLeft(unsigned Flags, int X, int Width) {
    if (Flags > 7) Flags &= ~8u;  // the bottom flag
    if (Flags == 2) return X - Width;
    if (Flags == 6) return X - Width / 2;
    return X;
}

}  // namespace

int TTeeCanvas3D::MeasureTextWidth(std::string_view Text) {
    int width = BoundCanvas()->TextWidth(Text);
    if (CharacterExtra() != 0) {
        for (size_t i = 0; i < Text.size(); i += SequenceLength(Text[i])) width += CharacterExtra();
    }
    const TTeeShadow* shadow = VisibleShadow(SelectedFont());
    return shadow ? width + std::abs(shadow->HorizSize()) : width;
}

int TTeeCanvas3D::MeasureTextHeight(std::string_view Text) {
    const int height = BoundCanvas()->TextHeight(Text);
    const TTeeShadow* shadow = VisibleShadow(SelectedFont());
    return shadow ? height + std::abs(shadow->VertSize()) : height;
}

TRect TTeeCanvas3D::TextBox(int X, int Y, std::string_view Text) {
    const int w = MeasureTextWidth(Text);
    const int h = MeasureTextHeight(Text);
    const int left = AlignedTextLeft(GetTextAlignment(), X, w);
    return TRect{left, Y, left + w, Y + h};
}

void TTeeCanvas3D::OutputText(int X, int Y, std::string_view Text) {
    TCanvas* canvas = BoundCanvas();
    const int extra = CharacterExtra();
    if (extra == 0) {
        canvas->TextOut(X, Y, Text);
        return;
    }
    // Spaced characters: each is written left-aligned at its own place, starting where the
    // whole spaced text would start under the current alignment.
    const unsigned saved = canvas->TextAlign();
    int x = TextBox(X, Y, Text).Left;
    const TTeeShadow* shadow = VisibleShadow(SelectedFont());
    if (shadow && (saved & ~8u) == 2) x += std::abs(shadow->HorizSize());
    canvas->SetTextAlign(saved & ~6u);
    for (size_t i = 0; i < Text.size();) {
        const size_t n = SequenceLength(Text[i]);
        const std::string_view glyph = Text.substr(i, n);
        canvas->TextOut(x, Y, glyph);
        x += canvas->TextWidth(glyph) + extra;
        i += n;
    }
    canvas->SetTextAlign(saved);
}

void TTeeCanvas3D::BlurShadow(int SX, int SY, std::string_view Text, int Steps) {
    TBitmap& bitmap = *BufferBitmap();
    TCanvas* canvas = BoundCanvas();
    const int tw = canvas->TextWidth(Text);
    const int th = canvas->TextHeight(Text);
    const int left = AlignedTextLeft(GetTextAlignment(), SX, tw);
    const TRect rect{std::max(0, left - 1), std::max(0, SY),
                     std::min(bitmap.Width() - 1, left + tw),
                     std::min(bitmap.Height() - 1, SY + th - 1)};
    if (rect.Left <= rect.Right && rect.Top <= rect.Bottom) {
        TBlurFilter blur;
        blur.SetSteps(Steps);
        blur.ApplyToRect(bitmap, rect);
    }
    SetBackgroundMode(TRANSPARENT);
}

void TTeeCanvas3D::DrawTextAt(int X, int Y, std::string_view Text) {
    TCanvas* canvas = BoundCanvas();
    TTeeFont* selected = SelectedFont();
    int x = X, y = Y;
    if (const TTeeShadow* shadow = VisibleShadow(selected)) {
        int sx = X, sy = Y;
        if (shadow->HorizSize() > 0)
            sx = X + shadow->HorizSize();
        else
            x = X - shadow->HorizSize();
        if (shadow->VertSize() > 0)
            sy = Y + shadow->VertSize();
        else
            y = Y - shadow->VertSize();
        TTeeBlend* blend = shadow->Transparency() > 0
                               ? BeginBlending(TextBox(sx, sy, Text), shadow->Transparency())
                               : nullptr;
        canvas->SetTextColor(ColorToRGB(shadow->Color()));
        OutputText(sx, sy, Text);
        if (shadow->Smooth() && shadow->SmoothBlur() > 0 && BufferBitmap())
            BlurShadow(sx, sy, Text, shadow->SmoothBlur());
        if (blend) EndBlending(blend);
    }
    canvas->SetTextColor(ColorToRGB(Font()->Color()));

    const TChartHiddenPen* outline = selected ? selected->OutLineIfAny() : nullptr;
    if (outline && !outline->Visible()) outline = nullptr;
    const TTeeFontGradient* gradient = selected ? selected->GradientIfAny() : nullptr;
    if (gradient && !gradient->Visible()) gradient = nullptr;
    TTeePicture* picture = selected ? selected->PictureIfAny() : nullptr;
    if (picture && !picture->Graphic()) picture = nullptr;
    if (!outline && !gradient && !picture) {
        OutputText(x, y, Text);
        return;
    }

    if (outline)
        UsePen(outline);
    else
        Pen()->SetStyle(psClear);
    Brush()->SetColor(Font()->Color());
    Brush()->SetStyle(bsSolid);
    SetBackgroundMode(TRANSPARENT);
    auto recordPath = [&] {
        canvas->BeginPath();
        OutputText(x, y, Text);
        canvas->EndPath();
    };
    recordPath();
    if (gradient || picture) {
        if (gradient && gradient->Outline()) canvas->WidenPath();
        SaveDeviceClip(*canvas);  // so that RemoveClipping gives any outer clip back
        canvas->SelectClipPath(RGN_AND);
        const TRect box = TextBox(x, y, Text);
        if (gradient)
            gradient->DrawInRect(*this, box);
        else
            StretchDrawGraphic(box, picture->FilteredGraphic());
        RemoveClipping();
        if (gradient && gradient->Outline()) return;
        if (!outline) return;
        recordPath();
        Brush()->SetStyle(bsClear);
    }
    // Clear glyphs keep only their outline.
    if (Font()->Color() == clNone || Brush()->Style() == bsClear) {
        canvas->StrokePath();
    } else {
        canvas->StrokeAndFillPath();
    }
}

void TTeeCanvas3D::DrawRotatedText(int X, int Y, std::string_view Text, double Angle) {
    while (Angle > 360) Angle -= 360;
    Brush()->SetStyle(bsClear);
    TFont* font = Font();
    const int savedOrientation = font->Orientation();
    const int savedHeight = font->Height();
    font->SetOrientation(RoundToInt(Angle * 10));  // tenths of a degree
    if (ScaleText() && ZoomScale() != 1)
        font->SetSize(std::max(1, RoundToInt(font->Size() * ZoomScale())));
    DrawTextAt(X, Y, Text);
    font->SetHeight(savedHeight);
    font->SetOrientation(savedOrientation);
}

void TTeeCanvas3D::DrawTextAtZ(int X, int Y, int Z, std::string_view Text) {
    const TPoint p = ProjectPoint(X, Y, Z);
    if (ScaleText() && ZoomScale() != 1) {
        const int size = std::max(1, RoundToInt(Font()->Size() * ZoomScale()));
        if (size != Font()->Size()) {
            TFontSizeGuard guard(Font(), size);
            DrawTextAt(p.X, p.Y, Text);
            return;
        }
    }
    DrawTextAt(p.X, p.Y, Text);
}

void TTeeCanvas3D::DrawRotatedTextAtZ(int X, int Y, int Z, std::string_view Text, double Angle) {
    const TPoint p = ProjectPoint(X, Y, Z);
    DrawRotatedText(p.X, p.Y, Text, Angle);
}
