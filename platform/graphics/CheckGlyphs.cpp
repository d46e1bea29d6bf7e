#include "platform/graphics/CheckGlyphs.h"

#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"

namespace {

// The check mark: for each column from the inside's third pixel, the top of a three-pixel run.
constexpr int MarkLeft = 3;
constexpr int MarkTops[] = {5, 6, 7, 6, 5, 4, 3};

void DrawMark(TCanvas& canvas, int x, int y, TColor color) {
    for (int i = 0; i < int(std::size(MarkTops)); ++i)
        for (int dy = 0; dy < 3; ++dy)
            canvas.SetPixel(x + MarkLeft + i, y + MarkTops[i] + dy, color);
}

}  // namespace

void DrawCheckBoxGlyph(TCanvas& canvas, int x, int y, TCheckBoxState state, bool enabled,
                       bool pressed) {
    const int last = CheckGlyphSize - 1;
    for (int i = 0; i < CheckGlyphSize; ++i) {
        // Outer edge: shadow above and left, highlight below and right; inner edge: dark
        // shadow and light. The corners that both edges share go to the lower-right colours.
        canvas.SetPixel(x + i, y, i == last ? clBtnHighlight : clBtnShadow);
        canvas.SetPixel(x, y + i, i == last ? clBtnHighlight : clBtnShadow);
        canvas.SetPixel(x + i, y + last, clBtnHighlight);
        canvas.SetPixel(x + last, y + i, clBtnHighlight);
    }
    for (int i = 1; i < last; ++i) {
        canvas.SetPixel(x + i, y + 1, i == last - 1 ? cl3DLight : cl3DDkShadow);
        canvas.SetPixel(x + 1, y + i, i == last - 1 ? cl3DLight : cl3DDkShadow);
        canvas.SetPixel(x + i, y + last - 1, cl3DLight);
        canvas.SetPixel(x + last - 1, y + i, cl3DLight);
    }
    const TColor inside = pressed || !enabled || state == cbGrayed ? clBtnFace : clWindow;
    for (int j = 2; j < last - 1; ++j)
        for (int i = 2; i < last - 1; ++i) canvas.SetPixel(x + i, y + j, inside);
    if (state != cbUnchecked)
        DrawMark(canvas, x, y, enabled && state == cbChecked ? clWindowText : clBtnShadow);
}

void DrawRadioGlyph(TCanvas& canvas, int x, int y, bool checked, bool enabled, bool pressed) {
    // Rings by the squared distance from the centre pixel: the outer and inner edges, split
    // into an upper-left and a lower-right half, then the inside and the dot.
    const int c = CheckGlyphSize / 2;
    const TColor inside = pressed || !enabled ? clBtnFace : clWindow;
    for (int j = 0; j < CheckGlyphSize; ++j) {
        for (int i = 0; i < CheckGlyphSize; ++i) {
            const int d2 = (i - c) * (i - c) + (j - c) * (j - c);
            const bool upperLeft = i + j < 2 * c;
            TColor color;
            if (d2 > 42)
                continue;  // outside the circle: the background stays
            else if (d2 > 30)
                color = upperLeft ? clBtnShadow : clBtnHighlight;
            else if (d2 > 20)
                color = upperLeft ? cl3DDkShadow : cl3DLight;
            else if (checked && d2 <= 4)
                color = enabled ? clWindowText : clBtnShadow;
            else
                color = inside;
            canvas.SetPixel(x + i, y + j, color);
        }
    }
}
