// How a gradient paints itself through a drawing surface.
#include <algorithm>
#include <cmath>

#include "chart/foundation/TeeBlend.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "chart/foundation/TeeGradient.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/RtlMath.h"

void (*GradientRotationHook)(const TCustomTeeGradient& Gradient, TBitmap& Bitmap) = nullptr;

namespace {

TColor Grey(TColor color) {
    const TColor c = ColorToRGB(color);
    const int mean = int((c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF)) / 3;
    return RGB(uint8_t(mean), uint8_t(mean), uint8_t(mean));
}

TRect Ordered(const TRect& r) {
    return TRect{std::min(r.Left, r.Right), std::min(r.Top, r.Bottom), std::max(r.Left, r.Right),
                 std::max(r.Top, r.Bottom)};
}

}  // namespace

void TCustomTeeGradient::DrawInRect(TTeeCanvas& Canvas, const TRect& Rect, int RoundSize) const {
    if (FAngle != 0) {
        DrawRotated(Canvas, Rect);
        return;
    }
    DrawUnrotated(Canvas, Rect, RoundSize);
}

void TCustomTeeGradient::DrawUnrotated(TTeeCanvas& Canvas, const TRect& Rect, int RoundSize) const {
    const bool mono = Canvas.GetMonochrome();
    const TColor start = mono ? Grey(FStartColor) : FStartColor;
    const TColor end = mono ? Grey(FEndColor) : FEndColor;
    const TColor mid = mono ? Grey(FMidColor) : FMidColor;
    if (RoundSize > 0) Canvas.ClipToRoundRect(Rect, RoundSize);
    if (FDirection == gdRadial) {
        Canvas.FillGradient(Rect, start, end, gdRadial, FBalance, FRadialX, FRadialY);
    } else if (FHasMidColor && FDirection != gdDiagonalUp && FDirection != gdDiagonalDown) {
        const TRect& r = Rect;
        const int midRow = (r.Top + r.Bottom) / 2;
        const int midColumn = (r.Left + r.Right) / 2;
        const TRect upper{r.Left, r.Top, r.Right, midRow}, lower{r.Left, midRow, r.Right, r.Bottom};
        const TRect left{r.Left, r.Top, midColumn, r.Bottom};
        const TRect right{midColumn, r.Top, r.Right, r.Bottom};
        auto half = [&](const TRect& area, TColor from, TColor to) {
            Canvas.FillGradient(area, from, to, FDirection, 50, 0, 0);
        };
        switch (FDirection) {
            case gdTopBottom:
                half(upper, mid, end);
                half(lower, start, mid);
                break;
            case gdBottomTop:
                half(upper, start, mid);
                half(lower, mid, end);
                break;
            case gdLeftRight:
                half(left, mid, end);
                half(right, start, mid);
                break;
            case gdRightLeft:
                half(left, start, mid);
                half(right, mid, end);
                break;
            default:
                Canvas.FillGradient(Rect, start, end, FDirection, 50, 0, 0);
                break;
        }
    } else {
        Canvas.FillGradient(Rect, start, end, FDirection, FBalance, 0, 0);
    }
    if (RoundSize > 0) Canvas.RemoveClipping();
    DrawSubGradient(Canvas, Rect, RoundSize);
}

void TCustomTeeGradient::DrawSubGradient(TTeeCanvas& Canvas, const TRect& Rect,
                                         int RoundSize) const {
    const TSubGradient* sub = FSubGradient.get();
    if (!sub || !sub->Visible()) return;
    TTeeBlend* blend = Canvas.BeginBlending(Rect, sub->Transparency());
    struct TEnd {
        TTeeCanvas& Canvas;
        TTeeBlend* Blend;
        ~TEnd() { Canvas.EndBlending(Blend); }
    } endBlend{Canvas, blend};
    if (sub->Direction() == gdRadial) {
        sub->DrawRadial(Canvas, Rect);
    } else {
        sub->DrawInRect(Canvas, Rect, RoundSize);
    }
}

void TCustomTeeGradient::DrawRadial(TTeeCanvas& Canvas, const TRect& Rect) const {
    const TRect r = Ordered(Rect);
    Canvas.ClipToRectangle(r);
    const int w = r.Right - r.Left;
    const int h = r.Bottom - r.Top;
    const int steps = std::min(255, std::max(w, h));
    TPen* pen = Canvas.Pen();
    TBrush* brush = Canvas.Brush();
    struct TRestore {
        TTeeCanvas& Canvas;
        TPenStyle Style;
        TColor Color;
        ~TRestore() {
            Canvas.Pen()->SetStyle(Style);
            Canvas.Brush()->SetColor(Color);
        }
    } restore{Canvas, pen->Style(), brush->Color()};
    pen->SetStyle(psClear);
    brush->SetColor(FEndColor);
    Canvas.FillRectangle(r);
    // A rectangle without area has no steps to divide by: the end colour is all there is.
    if (steps > 0) {
        int n = steps;
        if (w % 2 != 0 || h % 2 != 0) --n;
        const TColor s = ColorToRGB(FStartColor);
        const TColor e = ColorToRGB(FEndColor);
        int start[3], delta[3];
        for (int c = 0; c < 3; ++c) {
            start[c] = (s >> (8 * c)) & 0xFF;
            delta[c] = int((e >> (8 * c)) & 0xFF) - start[c];
        }
        const double cx = FRadialX + 1 + (r.Left + r.Right) * 0.5;
        const double cy = FRadialY + 1 + (r.Top + r.Bottom) * 0.5;
        const double hx = w * 0.5 / steps;
        const double hy = h * 0.5 / steps;
        for (int k = n; k >= 0; --k) {
            int ch[3];
            if (FBalance == 50) {
                for (int c = 0; c < 3; ++c)
                    ch[c] = start[c] + RoundToInt(k * delta[c] / double(steps));
            } else {
                const double f = GradientBalanceCurve(n, FBalance, k);
                for (int c = 0; c < 3; ++c) ch[c] = start[c] + RoundToInt(delta[c] * f);
            }
            brush->SetColor(RGB(uint8_t(ch[0]), uint8_t(ch[1]), uint8_t(ch[2])));
            Canvas.DrawEllipse(RoundToInt(cx - k * hx), RoundToInt(cy - k * hy),
                               RoundToInt(cx + k * hx), RoundToInt(cy + k * hy));
        }
    }
    Canvas.RemoveClipping();
    DrawSubGradient(Canvas, Rect, 0);
}

TSize RotatedGradientSize(int Width, int Height, int Angle) {
    const double t = (360 - Angle) * M_PI / 180;
    const double s = std::sin(t), c = std::cos(t);
    if (s * c > 0) {
        return TSize{std::abs(RoundToInt(Width * c + Height * s)) + 2,
                     std::abs(RoundToInt(Width * s + Height * c)) + 2};
    }
    return TSize{std::abs(RoundToInt(Width * c - Height * s)) + 2,
                 std::abs(RoundToInt(Width * s - Height * c)) + 2};
}

void TCustomTeeGradient::DrawRotated(TTeeCanvas& Canvas, const TRect& Rect) const {
    const int w = Rect.Right - Rect.Left;
    const int h = Rect.Bottom - Rect.Top;
    const TSize size = RotatedGradientSize(w, h, FAngle);
    TBitmap bitmap(size.cx, size.cy);
    {
        TTeeCanvas3D painter;
        painter.SetBufferedDisplay(false);
        painter.PrepareDrawing(bitmap.Canvas(), nullptr, clWhite, false,
                               TRect{0, 0, size.cx, size.cy});
        DrawUnrotated(painter, TRect{0, 0, size.cx, size.cy}, 0);
    }
    if (GradientRotationHook) GradientRotationHook(*this, bitmap);
    Canvas.ClipToRectangle(Rect);
    Canvas.DrawGraphic(Rect.Left - (bitmap.Width() - w) / 2, Rect.Top - (bitmap.Height() - h) / 2,
                       &bitmap);
    Canvas.Brush()->SetStyle(bsClear);
    Canvas.DrawRectangleFromRect(Rect);
    Canvas.RemoveClipping();
}

void TCustomTeeGradient::DrawPolygon(TCanvas3D& Canvas, std::span<const TPoint> Points,
                                     int LastIndex, bool Is3D, int Z) const {
    if (Is3D) {
        const TPointArray projected = Canvas.ProjectPointArray(Points, LastIndex, Z);
        Canvas.FillPolygonGradient(projected, LastIndex, *this);
    } else {
        Canvas.FillPolygonGradient(Points, LastIndex, *this);
    }
}

void TCustomTeeGradient::DrawQuad(TTeeCanvas& Canvas, std::span<const TPoint, 4> Points) const {
    Canvas.Pen()->SetStyle(psClear);
    Canvas.FillPolygonGradient(Points, 3, *this);
}

void TCustomTeeGradient::DrawQuadAtZ(TCanvas3D& Canvas, std::span<const TPoint, 4> Points,
                                     int Z) const {
    const TPointArray projected = Canvas.ProjectPointArray(Points, 3, Z);
    Canvas.Pen()->SetStyle(psClear);
    Canvas.FillPolygonGradient(projected, 3, *this);
}
