// How the enhanced label paints: borders, background, then the caption straight, turned or
// along an arc, with its 3-D copies.
#include <cmath>
#include <numbers>

#include "controls/RzLabel.h"
#include "controls/RzWrappedText.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Font.h"
#include "platform/rtl/RtlMath.h"
#include "platform/ui/Control.h"

namespace {

constexpr std::string_view kEllipsis = "...";

// The longest start of text that fits width with the ellipsis after it.
std::string CondensedAtEnd(TCanvas& canvas, const std::string& text, int width) {
    if (canvas.TextWidth(text) <= width) return text;
    std::string head = text;
    while (!head.empty() && canvas.TextWidth(head + std::string(kEllipsis)) > width) {
        head.pop_back();
        // Never leave half of a UTF-8 character.
        while (!head.empty() && (static_cast<unsigned char>(head.back()) & 0xC0) == 0x80)
            head.pop_back();
        if (!head.empty() && static_cast<unsigned char>(head.back()) >= 0xC0) head.pop_back();
    }
    return head + std::string(kEllipsis);
}

// A path keeps its last part (the file name) and loses folders from its start; without a
// folder to drop, it is cut at the end.
std::string CondensedWithinPath(TCanvas& canvas, const std::string& text, int width) {
    if (canvas.TextWidth(text) <= width) return text;
    const size_t slash = text.find_last_of("\\/");
    if (slash == std::string::npos || slash == 0) return CondensedAtEnd(canvas, text, width);
    const std::string tail = text.substr(slash);
    std::string head = text.substr(0, slash);
    while (!head.empty() && canvas.TextWidth(head + std::string(kEllipsis) + tail) > width)
        head.pop_back();
    if (head.empty()) return CondensedAtEnd(canvas, std::string(kEllipsis) + tail, width);
    return head + std::string(kEllipsis) + tail;
}

// One code point of UTF-8 text from pos on.
std::string_view NextCharacter(std::string_view text, size_t pos) {
    size_t end = pos + 1;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
    return text.substr(pos, end - pos);
}

}  // namespace

std::string TRzLabel::ShownCaption() const { return StripAccelChars(Caption()); }

void TRzLabel::Paint(TCanvas& canvas) {
    TLabelBorders borders = FBorders;
    borders.Color = Color();
    borders.ParentColor = Parent() ? Parent()->Color() : Color();
    borders.Transparent = Transparent();
    const TRect inside = PaintLabelBorders(canvas, TRect{0, 0, Width(), Height()}, borders);
    if (!Transparent()) {
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(Color());
        canvas.FillRect(inside);
    }
    canvas.Brush()->SetStyle(bsClear);
    canvas.Font()->Assign(Font());
    if (FRotation == roCurve)
        PaintTextOnArc(canvas);
    else
        PaintLabelText(canvas);
}

template <class F>
void TRzLabel::PaintCopies(F&& draw, int shadowOffset, TPoint mainOffset) const {
    if (!Enabled()) {
        draw(mainOffset.X, mainOffset.Y, clGrayText);
        return;
    }
    switch (FTextStyle) {
        case tsRaised:
            if (!FLightTextStyle) draw(1, 1, FShadowColor);
            draw(-1, -1, FHighlightColor);
            break;
        case tsRecessed:
            draw(1, 1, FHighlightColor);
            if (!FLightTextStyle) draw(-1, -1, FShadowColor);
            break;
        case tsShadow:
            draw(shadowOffset, shadowOffset, FShadowColor);
            break;
        default:
            break;
    }
    draw(mainOffset.X, mainOffset.Y, FCurrentColor);
}

void TRzLabel::ApplyLayoutOffset(TRect& rect, int textHeight) const {
    const int free = rect.Height() - textHeight;
    if (Layout() == tlCenter) rect.Top += free / 2;
    if (Layout() == tlBottom) rect.Top += free;
    if (FTextStyle != tsShadow) return;
    if (Alignment() == taRightJustify) {
        rect.Left -= FShadowDepth;
        rect.Right -= FShadowDepth;
    }
    if (Layout() == tlBottom) rect.Top -= FShadowDepth;
}

void TRzLabel::PaintLabelText(TCanvas& canvas) {
    TRect r = AdjustRectForBorders(TRect{0, 0, Width(), Height()}, true);
    r = TRect{r.Left + FTextMargin, r.Top + FTextMargin, r.Right - FTextMargin,
              r.Bottom - FTextMargin};
    std::string text = ShownCaption();

    if (FRotation == roNone) {
        if (FCondenseCaption == ccAtEnd) text = CondensedAtEnd(canvas, text, r.Width());
        if (FCondenseCaption == ccWithinPath) text = CondensedWithinPath(canvas, text, r.Width());
        const TWrappedText lines = WrapText(canvas, text, WordWrap() ? r.Width() : 0);
        ApplyLayoutOffset(r, lines.Extent.cy);
        canvas.SetTextAlign(TA_LEFT | TA_TOP);
        PaintCopies(
            [&](int dx, int dy, TColor colour) {
                canvas.Font()->SetColor(colour);
                const TRect moved{r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
                DrawWrappedText(canvas, moved, lines, Alignment());
            },
            FShadowDepth, TPoint{0, 0});
        return;
    }

    // A flat turn: the text is placed about the label's centre by its angle.
    const std::unique_ptr<TFont> turned = CreateAngledFont(*Font(), FAngle);
    canvas.Font()->Assign(turned.get());
    const int cx = Width() / 2, cy = Height() / 2;
    const double a = FAngle * std::numbers::pi / 180 + std::numbers::pi / 2;
    const int textHeight = canvas.TextHeight("Pp");
    const int q = textHeight / 4;
    const int s = FTextStyle == tsShadow ? FShadowDepth / 2 : 0;
    const int textWidth = canvas.TextWidth(text);
    const int w = textWidth + s, h = textHeight + s;
    const bool centred = Alignment() == taCenter, right = Alignment() == taRightJustify;
    const int turnX = cx - RoundToInt(std::cos(a) * q);
    int x = 0, y = 0;
    unsigned align = TA_LEFT | TA_BASELINE;
    switch (FAngle) {
        case 0:
            align = (centred ? TA_CENTER : TA_LEFT) | TA_TOP;
            x = centred ? cx : right ? r.Right - textWidth - 2 * s : r.Left + s;
            y = cy - h / 2;
            break;
        case 90:
            x = turnX;
            y = centred ? r.Bottom - (r.Bottom - w) / 2 : right ? r.Top + w + s : r.Bottom - s;
            break;
        case 180:
            x = centred ? r.Right - (r.Right - w) / 2 : right ? r.Left + w : r.Right - s;
            y = cy - h / 4;
            break;
        case 270:
            x = turnX;
            y = centred ? (r.Bottom - w) / 2 : right ? r.Bottom - w - s : r.Top + s;
            break;
        default:
            align = TA_CENTER | TA_BASELINE;
            x = turnX;
            y = cy + RoundToInt(std::sin(a) * q);
            break;
    }
    canvas.SetTextAlign(align);
    PaintCopies(
        [&](int dx, int dy, TColor colour) {
            canvas.Font()->SetColor(colour);
            canvas.TextRect(r, x + dx, y + dy, text);
        },
        0, TPoint{-s, -s});
}

void TRzLabel::PaintTextOnArc(TCanvas& canvas) {
    const TPoint centre = CenterOfRotation();
    const TPoint radius = ArcRadius();
    // A label too small for an arc still draws its text on one of a pixel.
    const double rx = std::max(radius.X, 1), ry = std::max(radius.Y, 1);
    double t = FAngle * std::numbers::pi / 180;
    canvas.SetTextAlign(TA_CENTER | TA_BASELINE);
    const std::string text = ShownCaption();
    const int hY = canvas.TextHeight("Yy");
    const int step = canvas.TextWidth("w") + 2;
    for (size_t pos = 0; pos < text.size();) {
        const std::string_view ch = NextCharacter(text, pos);
        pos += ch.size();
        const int x = centre.X - RoundToInt(std::sin(t) * (rx - hY));
        const int y = centre.Y - RoundToInt(std::cos(t) * (ry - hY));
        canvas.Font()->SetOrientation(RoundToInt(t * 1800 / std::numbers::pi));
        auto draw = [&](int dx, int dy, TColor colour) {
            canvas.Font()->SetColor(colour);
            canvas.TextOut(x + dx, y + dy, ch);
        };
        if (Enabled()) {
            PaintCopies(draw, FShadowDepth, TPoint{0, 0});
        } else {
            draw(1, 1, clBtnHighlight);
            draw(0, 0, clBtnShadow);
        }
        t -= step / rx;
    }
}
