#include "platform/ui/ButtonPainter.h"

#include <QImage>
#include <algorithm>

#include "platform/classes/PropInfo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/Pen.h"

const TEnumInfo& ButtonLayoutNames() {
    static const TEnumInfo names{"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"};
    return names;
}

TButtonParts PlaceButtonParts(const TRect& client, TSize glyph, TSize text, TButtonLayout layout,
                              int margin, int spacing) {
    const bool across = layout == blGlyphLeft || layout == blGlyphRight;
    const int room = across ? client.Width() : client.Height();
    const int glyphLen = across ? glyph.cx : glyph.cy;
    const int textLen = across ? text.cx : text.cy;
    // Without a glyph or a caption there is nothing to space apart.
    if (glyphLen == 0 || textLen == 0) spacing = 0;
    if (margin == -1) {
        if (spacing == -1) {
            // Equal gaps before the glyph, between the two and after the caption.
            margin = spacing = (room - glyphLen - textLen) / 3;
        } else {
            margin = (room - glyphLen - spacing - textLen) / 2;
        }
    } else if (spacing == -1) {
        spacing = (room - margin - glyphLen - textLen) / 2;
    }
    // Offsets from the glyph's side of the client area.
    int glyphAt = margin;
    int textAt = margin + glyphLen + spacing;
    const bool reversed = layout == blGlyphRight || layout == blGlyphBottom;
    if (reversed) {
        glyphAt = room - margin - glyphLen;
        textAt = glyphAt - spacing - textLen;
    }
    TButtonParts parts;
    if (across) {
        const int gy = client.Top + (client.Height() - glyph.cy) / 2;
        const int ty = client.Top + (client.Height() - text.cy) / 2;
        parts.GlyphPos = Point(client.Left + glyphAt, gy);
        parts.TextRect =
            Rect(client.Left + textAt, ty, client.Left + textAt + text.cx, ty + text.cy);
    } else {
        const int gx = client.Left + (client.Width() - glyph.cx) / 2;
        const int tx = client.Left + (client.Width() - text.cx) / 2;
        parts.GlyphPos = Point(gx, client.Top + glyphAt);
        parts.TextRect = Rect(tx, client.Top + textAt, tx + text.cx, client.Top + textAt + text.cy);
    }
    return parts;
}

std::string ButtonCaptionText(const std::string& caption) {
    std::string shown;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) ++i;  // "&x" shows x, "&&" shows &
        shown += caption[i];
    }
    return shown;
}

namespace {
void Line(TCanvas& canvas, TColor color, int x1, int y1, int x2, int y2) {
    canvas.Pen()->SetColor(color);
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

// A 3-D edge around r: light on the top and left, dark on the bottom and right.
void Edge(TCanvas& canvas, const TRect& r, TColor light, TColor dark) {
    Line(canvas, light, r.Left, r.Bottom - 1, r.Left, r.Top);
    Line(canvas, light, r.Left, r.Top, r.Right - 1, r.Top);
    Line(canvas, dark, r.Right - 1, r.Top, r.Right - 1, r.Bottom - 1);
    Line(canvas, dark, r.Right - 1, r.Bottom - 1, r.Left - 1, r.Bottom - 1);
}

TRect Shrunk(const TRect& r, int by) {
    return Rect(r.Left + by, r.Top + by, r.Right - by, r.Bottom - by);
}

void DrawFace(TCanvas& canvas, TRect r, const TButtonLook& look) {
    canvas.Pen()->SetStyle(psSolid);
    canvas.Pen()->SetWidth(1);
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(clBtnFace);
    canvas.FillRect(r);
    const bool sunken = look.State == bsDown || look.State == bsExclusive;
    if (look.Flat) {
        if (sunken)
            Edge(canvas, r, clBtnShadow, clBtnHighlight);
        else if (look.Hot && look.State != bsDisabled)
            Edge(canvas, r, clBtnHighlight, clBtnShadow);
        return;
    }
    if (look.Default) {
        canvas.Brush()->SetColor(clWindowFrame);
        canvas.FrameRect(r);
        r = Shrunk(r, 1);
    }
    if (sunken) {
        Edge(canvas, r, clWindowFrame, clBtnHighlight);
        Edge(canvas, Shrunk(r, 1), clBtnShadow, clBtnFace);
    } else {
        Edge(canvas, r, clBtnHighlight, clWindowFrame);
        Edge(canvas, Shrunk(r, 1), clBtnFace, clBtnShadow);
    }
}
}  // namespace

void DrawButtonGlyph(TCanvas& canvas, const TBitmap& glyph, int numGlyphs, TButtonState state,
                     int x, int y) {
    numGlyphs = std::max(numGlyphs, 1);
    const int w = glyph.Width() / numGlyphs;
    const int h = glyph.Height();
    const int index = int(state) < numGlyphs ? int(state) : 0;
    // Without an image of its own the disabled state greys the up image's shape.
    const bool greyed = state == bsDisabled && index == 0;
    const TColor clear = ColorToRGB(glyph.TransparentColor());
    const QImage& image = glyph.Image();
    for (int py = 0; py < h; ++py)
        for (int px = 0; px < w; ++px) {
            const QRgb rgb = image.pixel(index * w + px, py);
            const TColor c = RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
            if (c == clear) continue;
            canvas.SetPixel(x + px, y + py, greyed ? clBtnShadow : c);
        }
}

void DrawButton(TCanvas& canvas, const TRect& client, const TButtonLook& look) {
    DrawFace(canvas, client, look);
    const std::string text = ButtonCaptionText(look.Caption);
    TSize textSize{0, 0};
    if (!text.empty()) textSize = canvas.TextExtent(text);
    TSize glyphSize{0, 0};
    if (look.Glyph && !look.Glyph->Empty())
        glyphSize = {look.Glyph->Width() / std::max(look.NumGlyphs, 1), look.Glyph->Height()};
    TButtonParts parts = PlaceButtonParts(Shrunk(client, 2), glyphSize, textSize, look.Layout,
                                          look.Margin, look.Spacing);
    // A pressed button's content moves down and right by a pixel.
    const int shift = look.State == bsDown || look.State == bsExclusive ? 1 : 0;
    if (glyphSize.cx > 0)
        DrawButtonGlyph(canvas, *look.Glyph, look.NumGlyphs, look.State, parts.GlyphPos.X + shift,
                        parts.GlyphPos.Y + shift);
    if (!text.empty()) {
        canvas.Brush()->SetStyle(bsClear);
        const int x = parts.TextRect.Left + shift;
        const int y = parts.TextRect.Top + shift;
        if (look.State == bsDisabled) {
            canvas.Font()->SetColor(clBtnHighlight);
            canvas.TextOut(x + 1, y + 1, text);
            canvas.Font()->SetColor(clBtnShadow);
        }
        canvas.TextOut(x, y, text);
        canvas.Brush()->SetStyle(bsSolid);
    }
}
