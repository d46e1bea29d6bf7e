// How a shadow draws itself through a drawing surface: solid, a stepped fade to white, or a
// Gaussian blur of a mask of the shape laid over the surface's buffer bitmap.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "chart/foundation/ColorRoutines.h"
#include "chart/foundation/PointRoutines.h"
#include "chart/foundation/TeeBlend.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/TeeShadow.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/RtlMath.h"

namespace {

TRect Moved(const TRect& r, int dx, int dy) {
    return TRect{r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

// The surface's buffer bitmap when the shadow may be blurred on it: a buffered pass of the GDI
// surface, not recording a metafile.
TBitmap* BlurTarget(TCanvas3D& canvas) {
    auto* gdi = dynamic_cast<TTeeCanvas3D*>(&canvas);
    if (!gdi || gdi->RecordingMetafile() || !gdi->GetBufferedDisplay()) return nullptr;
    return gdi->BufferBitmap();
}

bool CanBlur(TCanvas3D& canvas) { return BlurTarget(canvas) != nullptr; }

// Begun blend (if any) ended on every path.
struct TShadowPass {
    TCanvas3D& Canvas;
    TTeeBlend* Blend = nullptr;
    ~TShadowPass() {
        if (Blend) Canvas.EndBlending(Blend);
    }
};

// False when nothing is to be drawn. Otherwise the brush and pen are set for a filled shadow
// (unless it will be blurred) and a blend is begun for a see-through shadow.
bool PrepareShadowDraw(const TTeeShadow& shadow, TShadowPass& pass, const TRect& rect, int z) {
    if (shadow.Color() == clNone || (shadow.HorizSize() == 0 && shadow.VertSize() == 0))
        return false;
    TCanvas3D& canvas = pass.Canvas;
    if (!(shadow.Smooth() && CanBlur(canvas))) {
        canvas.Brush()->SetColor(shadow.Color());
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Pen()->SetStyle(psClear);
    }
    if (shadow.Transparency() > 0) {
        const TRect bounds =
            canvas.ProjectedRectBounds(Moved(rect, shadow.HorizSize(), shadow.VertSize()), z);
        pass.Blend = canvas.BeginBlending(bounds, shadow.Transparency());
    }
    return true;
}

int GaussianWeight(int offset, int radius, double base) {
    if (radius == 0) return 100000;
    return RoundToInt(std::pow(base, -double(offset) * offset / radius) * 100000);
}

// Bytes per pixel of a bitmap whose scan lines the blur reads and writes.
int PixelBytes(TBitmap& bitmap) {
    if (bitmap.PixelFormat() == pf24bit) return 3;
    if (bitmap.PixelFormat() == pf32bit || bitmap.PixelFormat() == pfDevice) return 4;
    bitmap.SetPixelFormat(pf24bit);
    return 3;
}

// Darkens Target by the blurred Mask laid at (x, y): white mask pixels leave it, shadow-coloured
// ones bring it toward the shadow colour. Unless full, only the mask's last 2 ry + 1 rows and
// 2 rx + 1 columns are blurred (the strips that show beside the shape).
void BlurShadowMask(TBitmap& mask, TBitmap& target, int x, int y, bool clip, TCanvas3D& canvas,
                    bool full, double base, int rx, int ry) {
    if (rx < 0) {
        rx = -rx;
        x -= 2 * rx;
        full = true;
    }
    if (ry < 0) {
        ry = -ry;
        y -= 2 * ry;
        full = true;
    }
    // Below 1 the weights would grow away from the centre and overflow.
    base = std::max(base, 1.01);
    std::vector<int64_t> hk(2 * rx + 1), vk(2 * ry + 1);
    for (int i = 0; i <= 2 * rx; ++i) hk[i] = GaussianWeight(i - rx, rx, base);
    for (int i = 0; i <= 2 * ry; ++i) vk[i] = GaussianWeight(i - ry, ry, base);

    const int w = mask.Width();
    const int h = mask.Height();
    const int tw = target.Width();
    const int th = target.Height();
    const int mb = PixelBytes(mask);
    const int tb = PixelBytes(target);
    auto wanted = [&](int col, int row) {
        const int tx = x + col, ty = y + row;
        if (tx < 0 || ty < 0 || tx >= tw || ty >= th) return false;
        return full || row >= h - (2 * ry + 1) || col >= w - (2 * rx + 1);
    };

    // Pass 1: across, into a buffer of the mask's size.
    std::vector<uint8_t> across(size_t(w) * h * 3, 255);
    for (int row = 0; row < h; ++row) {
        const uint8_t* line = mask.ScanLine(row);
        for (int col = 0; col < w; ++col) {
            if (!wanted(col, row)) continue;
            int64_t sum[3] = {0, 0, 0}, total = 0;
            for (int k = -rx; k <= rx; ++k) {
                const int c = col + k;
                if (c < 0 || c >= w) continue;
                const int64_t weight = hk[k + rx];
                for (int ch = 0; ch < 3; ++ch) sum[ch] += weight * line[c * mb + ch];
                total += weight;
            }
            uint8_t* out = &across[(size_t(row) * w + col) * 3];
            for (int ch = 0; ch < 3; ++ch) out[ch] = uint8_t(sum[ch] / total);
        }
    }
    // Pass 2: down, multiplied into the target.
    TCanvas* device = canvas.BoundCanvas();
    for (int row = 0; row < h; ++row) {
        for (int col = 0; col < w; ++col) {
            if (!wanted(col, row)) continue;
            if (clip && !device->PtVisible(x + col, y + row)) continue;
            int64_t sum[3] = {0, 0, 0}, total = 0;
            for (int k = -ry; k <= ry; ++k) {
                const int r = row + k;
                if (r < 0 || r >= h) continue;
                const int64_t weight = vk[k + ry];
                const uint8_t* in = &across[(size_t(r) * w + col) * 3];
                for (int ch = 0; ch < 3; ++ch) sum[ch] += weight * in[ch];
                total += weight;
            }
            uint8_t* px = target.ScanLine(y + row) + (x + col) * tb;
            const bool grey = sum[0] == sum[1] && sum[1] == sum[2];
            for (int ch = 0; ch < 3; ++ch) {
                const double factor = double(grey ? sum[0] : sum[ch]) / 255 / double(total);
                px[ch] = uint8_t(std::clamp(RoundToInt(px[ch] * factor), 0, 255));
            }
        }
    }
}

void BlurShape(const TTeeShadow& shadow, TCanvas3D& canvas, const TRect& rect,
               std::span<const TPoint> points, int roundSize, bool isPolygon, bool isEllipse) {
    const int ah = std::abs(shadow.HorizSize());
    const int av = std::abs(shadow.VertSize());
    TBitmap mask;
    mask.SetPixelFormat(pf24bit);
    mask.SetSize(std::max(1, rect.Right + 2 * ah - rect.Left + 1),
                 std::max(1, rect.Bottom + 2 * av - rect.Top + 1));
    const TRect inner{ah, av, mask.Width() - ah, mask.Height() - av};
    TCanvas* m = mask.Canvas();
    m->Brush()->SetColor(shadow.Color());
    m->Brush()->SetStyle(bsSolid);
    m->Pen()->SetStyle(psClear);
    if (isPolygon) {
        m->Polygon(points);
    } else if (isEllipse) {
        m->Ellipse(inner);
    } else if (roundSize != 0) {
        m->RoundRect(inner.Left, inner.Top, inner.Right, inner.Bottom, roundSize, roundSize);
    } else {
        m->Rectangle(inner);
    }
    const bool full = isPolygon || isEllipse || shadow.BlurWholeShape || roundSize != 0;
    BlurShadowMask(mask, *BlurTarget(canvas), rect.Left, rect.Top, shadow.Clip(), canvas, full,
                   (shadow.SmoothBlur() + 180) * 0.01, shadow.HorizSize(), shadow.VertSize());
}

void SolidShadow(const TTeeShadow& shadow, TCanvas3D& canvas, const TRect& rect, int angle,
                 int roundSize, int z) {
    const int h = shadow.HorizSize();
    const int v = shadow.VertSize();
    const TRect r = Moved(rect, h, v);
    if (angle != 0) {
        // The moved rectangle turned about its centre.
        const int cx = (r.Left + r.Right) / 2;
        const int cy = (r.Top + r.Bottom) / 2;
        const double a = angle * M_PI / 180;
        const double s = std::sin(a), c = std::cos(a);
        const TPoint corners[] = {
            {r.Left, r.Top}, {r.Right, r.Top}, {r.Right, r.Bottom}, {r.Left, r.Bottom}};
        TPoint turned[4];
        for (int i = 0; i < 4; ++i) {
            const int x = corners[i].X - cx, y = corners[i].Y - cy;
            turned[i] = TPoint{RoundToInt(x * c + y * s) + cx, RoundToInt(-x * s + y * c) + cy};
        }
        if (canvas.SupportsFreeRotation()) {
            canvas.DrawPolygonAtZ(turned, 3, z);
        } else {
            canvas.DrawPolygon(turned, 3);
        }
        return;
    }
    if (roundSize >= 1) {
        canvas.DrawRoundRect(r.Left, r.Top, r.Right, r.Bottom, roundSize, roundSize);
        return;
    }
    // Only the strips that show beyond the rectangle.
    if (canvas.SupportsFreeRotation()) {
        canvas.DrawBoundsAtZ(rect.Left + h, rect.Bottom, rect.Right + h, rect.Bottom + v, z);
        canvas.DrawBoundsAtZ(rect.Right, rect.Top + v, rect.Right + h, rect.Bottom + v, z);
        return;
    }
    if (v > 0)
        canvas.DrawRectangle(rect.Left + h, rect.Bottom, rect.Right + h, rect.Bottom + 1 + v);
    if (v < 0) canvas.DrawRectangle(rect.Left + h, rect.Top + 1, rect.Right + h, rect.Top + v);
    if (h > 0)
        canvas.DrawRectangle(rect.Right, rect.Top + v, rect.Right + 1 + h, rect.Bottom + v + 1);
    if (h < 0)
        canvas.DrawRectangle(rect.Left + 1, rect.Top + v, rect.Left + h, rect.Bottom + v + 1);
}

// A fade to white, one line per pixel of the shadow's size, for surfaces that cannot blur.
void SteppedShadow(const TTeeShadow& shadow, TCanvas3D& canvas, const TRect& rect, int roundSize,
                   int z) {
    if (roundSize >= 1) {
        SolidShadow(shadow, canvas, rect, 0, roundSize, z);
        return;
    }
    const int h = shadow.HorizSize();
    const int v = shadow.VertSize();
    const TColor rgb = ColorToRGB(shadow.Color());
    const double mean = double((rgb & 0xFF) + ((rgb >> 8) & 0xFF) + ((rgb >> 16) & 0xFF)) / 3;
    const bool flat = canvas.FlatModeDepth() > 0;
    TPen* pen = canvas.Pen();
    pen->SetStyle(psSolid);
    if (v != 0) {
        pen->SetColor(shadow.Color());
        const int step = RoundToInt((255 - mean) / v);
        for (int i = 1; i <= v; ++i) {
            const int row = rect.Bottom + i - 1;
            const int left = rect.Left + h, right = rect.Right + h + i - v - 1;
            if (flat) {
                canvas.DrawHorizontalLine(left, right, row);
            } else {
                canvas.DrawHorizontalLineAtZ(left, right, row, z);
            }
            pen->SetColor(LightenColor(pen->Color(), step));
        }
    }
    if (h != 0) {
        pen->SetColor(shadow.Color());
        const int step = RoundToInt((255 - mean) / h);
        for (int i = 1; i <= h; ++i) {
            const int column = rect.Right + i - 1;
            const int top = rect.Top + v, bottom = rect.Bottom + v + i - h - 1;
            const int px = rect.Right + i - 2, py = rect.Bottom + v + i - h - 2;
            if (flat) {
                canvas.DrawVerticalLine(column, top, bottom);
                canvas.SetPixelColor(px, py, pen->Color());
            } else {
                canvas.DrawVerticalLineAtZ(column, top, bottom, z);
                canvas.SetPixelColorAtZ(px, py, z, pen->Color());
            }
            pen->SetColor(LightenColor(pen->Color(), step));
        }
    }
}

}  // namespace

void TTeeShadow::DrawShapeShadow(TCanvas3D& Canvas, const TRect& Rect, int Angle, int RoundSize,
                                 int Z) const {
    TPen* pen = Canvas.Pen();
    const TPenStyle savedStyle = pen->Style();
    const TColor savedColor = pen->Color();
    {
        TShadowPass pass{Canvas};
        if (PrepareShadowDraw(*this, pass, Rect, Z)) {
            if (!FSmooth || GetCommonSize() == 0) {
                SolidShadow(*this, Canvas, Rect, Angle, RoundSize, Z);
            } else if (!CanBlur(Canvas)) {
                if (Canvas.SupportsFreeRotation()) {
                    SolidShadow(*this, Canvas, Rect, Angle, RoundSize, Z);
                } else {
                    SteppedShadow(*this, Canvas, Rect, RoundSize, Z);
                }
            } else if (Angle == 0) {
                BlurShape(*this, Canvas, Rect, {}, RoundSize, false, false);
            }
        }
    }
    pen->SetStyle(savedStyle);
    pen->SetColor(savedColor);
}

void TTeeShadow::DrawEllipseShadow(TCanvas3D& Canvas, const TRect& Rect, int Z) const {
    TShadowPass pass{Canvas};
    if (!PrepareShadowDraw(*this, pass, Rect, Z)) return;
    const TRect moved = Moved(Rect, FHorizSize, FVertSize);
    if (!FSmooth) {
        Canvas.DrawEllipseAtZFromRect(moved, Z);
        return;
    }
    const TRect projected = Canvas.ProjectRect(moved, Z);
    if (CanBlur(Canvas)) {
        BlurShape(*this, Canvas, projected, {}, 0, false, true);
        return;
    }
    Canvas.ClipToEllipse(projected, false);
    TTeeGradient fade;
    fade.SetStartColor(DarkenColor(FColor, 128));
    fade.SetEndColor(LightenColor(FColor, 32));
    fade.DrawRadial(Canvas, projected);
    Canvas.RemoveClipping();
}

void TTeeShadow::DrawPolygonShadow(TCanvas3D& Canvas, std::span<const TPoint> Points,
                                   int LastIndex) const {
    std::vector<TPoint> moved(Points.begin(), Points.begin() + LastIndex + 1);
    for (TPoint& p : moved) p = TPoint{p.X + FHorizSize, p.Y + FVertSize};
    const TRect bounds = BoundsOfPoints(moved);
    TShadowPass pass{Canvas};
    if (!PrepareShadowDraw(*this, pass, bounds, 0)) return;
    if (FSmooth && CanBlur(Canvas)) {
        for (TPoint& p : moved) p = TPoint{p.X - bounds.Left, p.Y - bounds.Top};
        BlurShape(*this, Canvas, bounds, moved, 0, true, false);
    } else {
        Canvas.DrawPolygon(moved, LastIndex);
    }
}
