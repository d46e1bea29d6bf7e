#include "controls/RzHintWindow.h"

#include <algorithm>

#include "controls/RzWrappedText.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/Pen.h"

namespace {
constexpr int kMinWidth = 55;
constexpr int kBand = 20;

bool IsLower(TRzHintCorner c) { return c == hcLowerRight || c == hcLowerLeft; }
bool IsLeft(TRzHintCorner c) { return c == hcLowerLeft || c == hcUpperLeft; }
}  // namespace

// --- Geometry.

TRzPointerGeometry PointerGeometry(TRzHintCorner corner, int w, int h) {
    TRzPointerGeometry g;
    g.Body = IsLower(corner)                                   ? Rect(0, kBand, w, h)
             : corner == hcUpperLeft || corner == hcUpperRight ? Rect(0, 0, w, h - kBand)
                                                               : Rect(0, 0, w, h);
    switch (corner) {
        case hcLowerRight:
            g.A = {10, 21}, g.T = {10, 1}, g.Q = {30, 21}, g.J = Rect(10, 21, 31, 22);
            break;
        case hcLowerLeft:
            g.A = {w - 10, 21}, g.T = {w - 10, 1}, g.Q = {w - 30, 21};
            g.J = Rect(w - 30, 21, w - 9, 22);
            break;
        case hcUpperLeft:
            g.A = {w - 10, h - 22}, g.T = {w - 10, h - 2}, g.Q = {w - 30, h - 22};
            g.J = Rect(w - 30, h - 23, w - 9, h - 21);
            break;
        case hcUpperRight:
            g.A = {10, h - 22}, g.T = {10, h - 2}, g.Q = {30, h - 22};
            g.J = Rect(10, h - 23, 31, h - 21);
            break;
        case hcNone:
            break;
    }
    return g;
}

namespace {
// Whether (x, y) lies in the triangle a, b, c, edges included.
bool InTriangle(TPoint a, TPoint b, TPoint c, int x, int y) {
    auto cross = [](TPoint p, TPoint q, int x, int y) {
        return int64_t(q.X - p.X) * (y - p.Y) - int64_t(q.Y - p.Y) * (x - p.X);
    };
    const int64_t d1 = cross(a, b, x, y), d2 = cross(b, c, x, y), d3 = cross(c, a, x, y);
    const bool neg = d1 < 0 || d2 < 0 || d3<0, pos = d1> 0 || d2 > 0 || d3 > 0;
    return !(neg && pos);
}
}  // namespace

bool BalloonRegionContains(TRzHintCorner corner, int w, int h, int x, int y) {
    const TRzPointerGeometry g = PointerGeometry(corner, w, h);
    const TRect& b = g.Body;
    // Four rectangles that cut the body's corners round.
    const TRect parts[] = {
        Rect(b.Left, b.Top + 4, b.Right, b.Bottom - 4),
        Rect(b.Left + 4, b.Top, b.Right - 4, b.Bottom),
        Rect(b.Left + 2, b.Top + 1, b.Right - 2, b.Bottom - 1),
        Rect(b.Left + 1, b.Top + 2, b.Right - 1, b.Bottom - 2),
    };
    for (const TRect& r : parts)
        if (r.Contains(x, y)) return true;
    if (corner == hcNone) return false;
    // The pointer, widened by a pixel so that its tip reaches the window's edge row.
    TPoint a = g.A, t = g.T, q = g.Q;
    switch (corner) {
        case hcLowerRight:
            t.Y -= 1, q.X += 1;
            break;
        case hcLowerLeft:
            a.X += 1, t.X += 1, t.Y -= 1;
            break;
        case hcUpperLeft:
            a.X += 1, t.X += 1, t.Y += 1;
            break;
        case hcUpperRight:
            t.Y += 1, q.X += 1;
            break;
        case hcNone:
            break;
    }
    return InTriangle(a, t, q, x, y);
}

// --- Bitmaps.

TRzBalloonBitmaps::TRzBalloonBitmaps() {
    for (auto& b : FBitmaps) b = std::make_unique<TBitmap>();
}

TRzBalloonBitmaps::~TRzBalloonBitmaps() = default;

TBitmap* TRzBalloonBitmaps::Bitmap(TRzHintCorner corner) const {
    return corner == hcNone ? nullptr : FBitmaps[corner].get();
}

void TRzBalloonBitmaps::SetBitmap(TRzHintCorner corner, const TBitmap* value) {
    if (corner == hcNone || value == FBitmaps[corner].get()) return;
    FBitmaps[corner]->Assign(value);
    if (OnChange) OnChange(this);
}

bool TRzBalloonBitmaps::AnySet() const {
    return std::any_of(std::begin(FBitmaps), std::end(FBitmaps),
                       [](const auto& b) { return !b->Empty(); });
}

TBitmap* TRzBalloonBitmaps::Choose(TRzHintCorner corner, bool& mirrorX, bool& mirrorY) const {
    mirrorX = mirrorY = false;
    if (corner == hcNone) return nullptr;
    if (!FBitmaps[corner]->Empty()) return FBitmaps[corner].get();
    for (TRzHintCorner c : {hcUpperRight, hcUpperLeft, hcLowerRight, hcLowerLeft}) {
        if (FBitmaps[c]->Empty()) continue;
        mirrorX = IsLeft(c) != IsLeft(corner);
        mirrorY = IsLower(c) != IsLower(corner);
        return FBitmaps[c].get();
    }
    return nullptr;
}

// --- The window.

TRzCustomHintWindow::TRzCustomHintWindow(TComponent* owner)
    : TComponent(owner), FFont(std::make_unique<TFont>()) {
    // The face name is the window's own default; the font mapping replaces it.
    FFont->SetName("Tohoma");
    FFont->SetSize(8);
}

TRzCustomHintWindow::~TRzCustomHintWindow() = default;

void TRzCustomHintWindow::SetFont(const TFont* value) { FFont->Assign(value); }

TPoint TRzCustomHintWindow::HintTip(const TRect& control, TPoint cursor) const {
    if (FShowBalloon && control.Width() <= FCenterThreshold && control.Height() <= FCenterThreshold)
        return Point(control.Left + control.Width() / 2, control.Top + control.Height() / 2);
    return cursor;
}

void TRzCustomHintWindow::ActivateHint(TRect r, const std::string& hint, TPoint tip,
                                       const std::function<TRect(TPoint)>& workAreaAt) {
    FEffectiveCorner = FCorner;
    FCaption = hint;
    if (OnSetHintRect) OnSetHintRect(this, nullptr, r, hint, FEffectiveCorner);
    const bool balloon = FShowBalloon && FCorner != hcNone;
    const int grow = balloon ? 4 : 2;
    r = Rect(r.Left - grow, r.Top - grow, r.Right + grow, r.Bottom + grow);
    if (FShowBalloon) {
        if (IsLower(FCorner)) r.Top -= kBand;
        if (FCorner == hcUpperLeft || FCorner == hcUpperRight) r.Bottom += kBand;
    }
    if (balloon) r = Bounds(tip.X, tip.Y, r.Width(), r.Height());
    int w = std::max(r.Width(), kMinWidth), h = r.Height();
    if (OnSetHintWinSize) OnSetHintWinSize(this, nullptr, w, h, hint, FEffectiveCorner);
    w = std::max(w, kMinWidth);
    if (!FShowBalloon) FEffectiveCorner = hcLowerRight;

    // The tip lies 10 pixels in from the body's near end.
    TPoint p;
    switch (FEffectiveCorner) {
        case hcLowerLeft:
            p = {r.Left - w + 10, r.Top};
            break;
        case hcUpperLeft:
            p = {r.Left - w + 10, r.Top - h};
            break;
        case hcUpperRight:
            p = {r.Left - 10, r.Top - h};
            break;
        default:
            p = {r.Left - 10, r.Top};
            break;
    }
    // Flips at the edges of the work area the window starts on, each seeing the ones before.
    const TRect workArea = workAreaAt(p);
    TRzHintCorner& c = FEffectiveCorner;
    if (p.Y < workArea.Top) {
        if (c == hcUpperRight) c = hcLowerRight;
        if (c == hcUpperLeft) c = hcLowerLeft;
        p.Y = r.Top;
    }
    if (p.Y + h > workArea.Bottom) {
        if (c == hcLowerRight) c = hcUpperRight;
        if (c == hcLowerLeft) c = hcUpperLeft;
        p.Y = r.Top - h;
    }
    if (p.X + w > workArea.Right) {
        if (c == hcLowerRight) c = hcLowerLeft;
        if (c == hcUpperRight) c = hcUpperLeft;
        p.X = r.Left - w - 1;
    }
    if (p.X < workArea.Left) {
        if (c == hcLowerLeft) c = hcLowerRight;
        if (c == hcUpperLeft) c = hcUpperRight;
        p.X = r.Left + 1;
    }
    FBoundsRect = Bounds(p.X, p.Y, w, h);
}

TRect TRzCustomHintWindow::HintTextRect(TRect body) const {
    const bool balloon = FShowBalloon && FEffectiveCorner != hcNone;
    const int dx = balloon ? 8 : 2, dy = balloon ? 4 : 2;
    int offset = 0;
    switch (FAlignment) {
        case taLeftJustify:
            offset = dx;
            break;
        case taRightJustify:
            offset = -dx;
            break;
        case taCenter:
            offset = balloon && FCaptionWidth < body.Width() ? dx : 0;
            break;
    }
    body = Rect(body.Left + offset, body.Top + dy, body.Right + offset, body.Bottom + dy);
    if (FCaptionWidth < body.Width()) {
        if (FAlignment == taRightJustify)
            body.Left = body.Right - FCaptionWidth;
        else
            body.Right = body.Left + FCaptionWidth;
    }
    return body;
}

TBitmap* TRzCustomHintWindow::BitmapsUsed() const {
    bool mx, my;
    return FBitmaps && FBitmaps->AnySet() ? FBitmaps->Choose(FEffectiveCorner, mx, my) : nullptr;
}

void TRzCustomHintWindow::PaintBalloonBitmap(TCanvas& canvas, int w, int h) {
    bool mirrorX, mirrorY;
    TBitmap* source = FBitmaps->Choose(FEffectiveCorner, mirrorX, mirrorY);
    if (!source) return;
    // Mirrored along an axis by reading the source backwards along it.
    TBitmap work(w, h);
    const int sw = source->Width(), sh = source->Height();
    TCanvas& from = *source->Canvas();
    for (int y = 0; y < h; ++y) {
        int sy = y * sh / h;
        if (mirrorY) sy = sh - 1 - sy;
        for (int x = 0; x < w; ++x) {
            int sx = x * sw / w;
            if (mirrorX) sx = sw - 1 - sx;
            work.Canvas()->SetPixel(x, y, from.Pixel(sx, sy));
        }
    }
    canvas.Brush()->SetColor(clWhite);
    canvas.FillRect(Rect(0, 0, w, h));
    BlitThroughMask(canvas, work, Rect(0, 0, w, h), FBitmaps->TransparentColor(), Rect(0, 0, w, h));
}

void TRzCustomHintWindow::Paint(TCanvas& canvas) {
    const int w = FBoundsRect.Width(), h = FBoundsRect.Height();
    const TRzHintCorner corner = FShowBalloon ? FEffectiveCorner : hcNone;
    canvas.Brush()->SetColor(FColor);
    canvas.Pen()->SetColor(clBlack);
    canvas.Pen()->SetWidth(1);
    canvas.SetFont(FFont.get());
    TRzPointerGeometry g = PointerGeometry(corner, w, h);
    TRect body = g.Body;
    if (OnSetHintRect) OnSetHintRect(this, &canvas, body, FCaption, corner);

    if (FBitmaps && FBitmaps->AnySet()) {
        PaintBalloonBitmap(canvas, w, h);
    } else if (FShowBalloon) {
        canvas.FillRect(body);
        PaintOutlineBox(canvas, body, FFrameColor);
        const TRect& b = body;
        const TPoint corners[] = {
            {b.Left + 1, b.Top + 2},     {b.Left + 1, b.Top + 3},     {b.Left + 2, b.Top + 1},
            {b.Left + 3, b.Top + 1},     {b.Right - 4, b.Top + 1},    {b.Right - 3, b.Top + 1},
            {b.Right - 2, b.Top + 2},    {b.Right - 2, b.Top + 3},    {b.Right - 2, b.Bottom - 4},
            {b.Right - 2, b.Bottom - 3}, {b.Right - 3, b.Bottom - 2}, {b.Right - 4, b.Bottom - 2},
            {b.Left + 3, b.Bottom - 2},  {b.Left + 2, b.Bottom - 2},  {b.Left + 1, b.Bottom - 3},
            {b.Left + 1, b.Bottom - 4}};
        for (const TPoint& pt : corners) canvas.SetPixel(pt.X, pt.Y, FFrameColor);
        if (corner != hcNone) {
            const TPoint pointer[] = {g.A, g.T, g.Q};
            canvas.Pen()->SetColor(FFrameColor);
            canvas.Brush()->SetColor(FColor);
            canvas.Polygon(pointer);
            canvas.FillRect(g.J);
        }
    } else {
        // The plain hint: a one-pixel frame round the whole window.
        canvas.FillRect(Rect(0, 0, w, h));
        PaintOutlineBox(canvas, Rect(0, 0, w, h), FFrameColor);
    }
    // The text, on a transparent background that is restored afterwards.
    const TRect text = HintTextRect(body);
    const int oldMode = canvas.BkMode();
    canvas.SetBkMode(TRANSPARENT);
    DrawWrappedText(canvas, text, WrapText(canvas, FCaption, text.Width()), FAlignment);
    canvas.SetBkMode(oldMode);
}
