#include "chart/foundation/TeeFilterTransforms.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/TeeFilters.h"
#include "chart/foundation/TeeGradient.h"
#include "platform/classes/PropInfo.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/RtlMath.h"

namespace {

void Make24(TBitmap& bitmap, int width, int height) {
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetSize(width, height);
}

// Copies the whole of source into dest with its top-left at (x, y), cut at dest's edges.
void Blit(const TBitmap& source, TBitmap& dest, int x, int y) {
    const int left = std::max(x, 0), right = std::min(x + source.Width(), dest.Width());
    if (left >= right) return;
    for (int sy = std::max(0, -y); sy < source.Height() && y + sy < dest.Height(); ++sy)
        std::copy_n(source.ScanLine(sy) + (left - x) * 3, size_t(right - left) * 3,
                    dest.ScanLine(y + sy) + left * 3);
}

}  // namespace

// --- Resize, crop and zoom ------------------------------------------------------------------

void TResizeFilter::Publish(TPublisher<TResizeFilter>& p) {
    p.Integer("Width", &TResizeFilter::Width, &TResizeFilter::SetWidth).Default(0);
    p.Integer("Height", &TResizeFilter::Height, &TResizeFilter::SetHeight).Default(0);
}

void TResizeFilter::ApplyToRect(TBitmap& Bitmap, const TRect& Rect) {
    TTeeFilter::ApplyToRect(Bitmap, Rect);
    if (FWidth <= 0 || FHeight <= 0) return;
    TBitmap copy;
    Make24(copy, FWidth, FHeight);
    ResampleBitmapBest(Bitmap, copy);
    Bitmap.SetSize(FWidth, FHeight);
    Blit(copy, Bitmap, 0, 0);
}

std::string TResizeFilter::GetCaption() const { return TxtResize; }

void TCropFilter::Publish(TPublisher<TCropFilter>& p) {
    p.Integer("Left", &TCropFilter::Left, &TCropFilter::SetLeft).Default(0);
    p.Integer("Top", &TCropFilter::Top, &TCropFilter::SetTop).Default(0);
    p.Boolean("Smooth", &TCropFilter::Smooth, &TCropFilter::SetSmooth).Default(false);
}

void TCropFilter::ApplyToRect(TBitmap& Bitmap, const TRect& Rect) {
    TTeeFilter::ApplyToRect(Bitmap, Rect);
    if (Width() < 1 || Height() < 1 || Bitmap.Empty()) return;
    TBitmap crop;
    crop.SetPixelFormat(Bitmap.PixelFormat());
    crop.SetSize(Width(), Height());
    crop.Canvas()->CopyRect(TRect{0, 0, Width(), Height()}, *Bitmap.Canvas(),
                            TRect{FLeft, FTop, FLeft + Width() - 1, FTop + Height() - 1});
    if (FSmooth)
        ResampleBitmapBest(crop, Bitmap);
    else
        Bitmap.Canvas()->StretchDraw(TRect{0, 0, Bitmap.Width() - 1, Bitmap.Height() - 1}, &crop);
}

std::string TCropFilter::GetCaption() const { return TxtCrop; }

void TZoomFilter::Publish(TPublisher<TZoomFilter>& p) {
    p.Float("Percent", &TZoomFilter::Percent, &TZoomFilter::SetPercent).Default(10.0);
    p.Boolean("Smooth", &TZoomFilter::Smooth, &TZoomFilter::SetSmooth).Default(false);
}

void TZoomFilter::ApplyToRect(TBitmap& Bitmap, const TRect& Rect) {
    TTeeFilter::ApplyToRect(Bitmap, Rect);
    const int w = Rect.Right - Rect.Left + 1, h = Rect.Bottom - Rect.Top + 1;
    const int dx = int(Round(w * FPercent * 0.005)), dy = int(Round(h * FPercent * 0.005));
    TCropFilter crop;
    crop.SetWidth(std::max(1, w - 2 * dx));
    crop.SetHeight(std::max(1, h - 2 * dy));
    crop.SetSmooth(FSmooth);
    const bool whole =
        Rect.Left == 0 && Rect.Top == 0 && w == Bitmap.Width() && h == Bitmap.Height();
    if (whole) {
        crop.SetLeft(dx);
        crop.SetTop(dy);
        ApplyToBitmap(crop, Bitmap);
        return;
    }
    crop.SetLeft(dx);
    crop.SetTop(dy);
    TBitmap part;
    Make24(part, w, h);
    for (int y = 0; y < h; ++y)
        std::copy_n(Bitmap.ScanLine(Rect.Top + y) + Rect.Left * 3, size_t(w) * 3, part.ScanLine(y));
    ApplyToBitmap(crop, part);
    part.SetPixelFormat(pf24bit);
    Blit(part, Bitmap, Rect.Left, Rect.Top);
}

std::string TZoomFilter::GetCaption() const { return TxtZoom; }

// --- Rotate ---------------------------------------------------------------------------------

void TRotateFilter::Publish(TPublisher<TRotateFilter>& p) {
    p.Float("Angle", &TRotateFilter::Angle, &TRotateFilter::SetAngle).Default(0.0);
    p.Boolean("AutoSize", &TRotateFilter::AutoSize, &TRotateFilter::SetAutoSize).Default(true);
    p.Color("BackColor", &TRotateFilter::BackColor, &TRotateFilter::SetBackColor).Default(clWhite);
}

void TRotateFilter::ApplyToRect(TBitmap& Bitmap, const TRect& Rect) {
    TTeeFilter::ApplyToRect(Bitmap, Rect);
    if (Bitmap.Empty()) return;
    double angle = FAngle;
    while (angle > 360) angle -= 360;
    if (angle == 0) return;
    const int W = Bitmap.Width(), H = Bitmap.Height();
    if (angle == 180) {
        const TRect whole{0, 0, W - 1, H - 1};
        TFlipFilter().ApplyToRect(Bitmap, whole);
        TReverseFilter().ApplyToRect(Bitmap, whole);
        return;
    }
    const double a = (360 - angle) * std::numbers::pi / 180;
    const double c = std::cos(a), s = std::sin(a);
    int nw = W, nh = H;
    if (angle == 90 || angle == 270) {
        nw = H;
        nh = W;
    } else if (FAutoSize) {
        nw = int(std::abs(s * c > 0 ? Round(W * c + H * s) : Round(W * c - H * s)));
        nh = int(std::abs(s * c > 0 ? Round(W * s + H * c) : Round(W * s - H * c)));
    }
    TBitmap turned;
    Make24(turned, nw, nh);
    if (FBackColor == clNone)
        turned.SetTransparent(true);
    else if (FBackColor != clWhite) {
        const TColor back = ColorToRGB(FBackColor);
        for (int y = 0; y < nh; ++y) {
            uint8_t* p = turned.ScanLine(y);
            for (int x = 0; x < nw; ++x, p += 3) {
                p[0] = GetBValue(back);
                p[1] = GetGValue(back);
                p[2] = GetRValue(back);
            }
        }
    }
    // Every size is turned, a one-pixel line too: leaving it out would blank the picture.
    auto copy = [&](int sx, int sy, int dx, int dy) {
        std::copy_n(ScanLines()[size_t(sy)] + sx * 3, 3, turned.ScanLine(dy) + dx * 3);
    };
    if (angle == 90) {
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) copy(x, y, H - 1 - y, x);
    } else if (angle == 270) {
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) copy(x, y, y, W - 1 - x);
    } else {
        for (int j = 0; j < nh; ++j) {
            const int dy = j - nh / 2;
            for (int i = 0; i < nw; ++i) {
                const int dx = i - nw / 2;
                const long sx = std::lrint(dx * c - dy * s + W / 2);  // ties to even
                const long sy = std::lrint(dx * s + dy * c + H / 2);
                if (sx >= 0 && sx < W && sy >= 0 && sy < H) copy(int(sx), int(sy), i, j);
            }
        }
    }
    Bitmap.Assign(&turned);
}

std::string TRotateFilter::GetCaption() const { return TxtRotate; }

// --- Mirror and tile ------------------------------------------------------------------------

TMirrorFilter::TMirrorFilter(TCollection* collection) : TTeeFilter(collection) {
    SetRegionEnabled(false);
}

void TMirrorFilter::Publish(TPublisher<TMirrorFilter>& p) {
    static const TEnumInfo names{"mdDown", "mdUp", "mdRight", "mdLeft"};
    p.Enumeration("Direction", names, &TMirrorFilter::Direction, &TMirrorFilter::SetDirection)
        .Default(mdDown);
}

void TMirrorFilter::ApplyToRect(TBitmap& Bitmap, const TRect& Rect) {
    TTeeFilter::ApplyToRect(Bitmap, Rect);
    if (Bitmap.Empty()) return;
    const int W = Bitmap.Width(), H = Bitmap.Height();
    const bool across = FDirection == mdRight || FDirection == mdLeft;
    TBitmap image, mirrored;
    image.Assign(&Bitmap);
    mirrored.Assign(&Bitmap);
    const TRect whole{0, 0, W - 1, H - 1};
    if (across)
        TReverseFilter().ApplyToRect(mirrored, whole);
    else
        TFlipFilter().ApplyToRect(mirrored, whole);
    TBitmap doubled;
    Make24(doubled, across ? 2 * W : W, across ? H : 2 * H);
    const bool imageFirst = FDirection == mdRight || FDirection == mdDown;
    const TBitmap& first = imageFirst ? image : mirrored;
    const TBitmap& second = imageFirst ? mirrored : image;
    Blit(first, doubled, 0, 0);
    Blit(second, doubled, across ? W : 0, across ? 0 : H);
    Bitmap.SetSize(doubled.Width(), doubled.Height());
    Blit(doubled, Bitmap, 0, 0);
}

std::string TMirrorFilter::GetCaption() const { return TxtMirror; }

void TTileFilter::Publish(TPublisher<TTileFilter>& p) {
    p.Integer("NumCols", &TTileFilter::NumCols, &TTileFilter::SetNumCols).Default(3);
    p.Integer("NumRows", &TTileFilter::NumRows, &TTileFilter::SetNumRows).Default(3);
}

void TTileFilter::ApplyToRect(TBitmap& Bitmap, const TRect& Rect) {
    TTeeFilter::ApplyToRect(Bitmap, Rect);
    FNumCols = std::max(FNumCols, 1);
    FNumRows = std::max(FNumRows, 1);
    const int cw = (Rect.Right - Rect.Left) / FNumCols, ch = (Rect.Bottom - Rect.Top) / FNumRows;
    if (cw < 1 || ch < 1) return;
    TBitmap cell;
    Make24(cell, cw, ch);
    ResampleBitmapBest(Bitmap, cell);
    for (int row = 0; row < FNumRows; ++row)
        for (int col = 0; col < FNumCols; ++col) Blit(cell, Bitmap, col * cw, row * ch);
}

std::string TTileFilter::GetCaption() const { return TxtTile; }

// --- Start-up -------------------------------------------------------------------------------

namespace {
void RotateGradient(const TCustomTeeGradient& Gradient, TBitmap& Bitmap) {
    TRotateFilter rotate;
    rotate.SetAngle(Gradient.Angle());
    ApplyToBitmap(rotate, Bitmap);
}
}  // namespace

void RegisterImageFilters() {
    RegisterFilterClasses({
        &TInvertFilter::StaticClass(),    &TGrayScaleFilter::StaticClass(),
        &TMosaicFilter::StaticClass(),    &TFlipFilter::StaticClass(),
        &TReverseFilter::StaticClass(),   &TBrightnessFilter::StaticClass(),
        &TContrastFilter::StaticClass(),  &TColorFilter::StaticClass(),
        &THueLumSatFilter::StaticClass(), &TBlurFilter::StaticClass(),
        &TSharpenFilter::StaticClass(),   &TGammaCorrectionFilter::StaticClass(),
        &TEmbossFilter::StaticClass(),    &TSoftenFilter::StaticClass(),
        &TCropFilter::StaticClass(),      &TResizeFilter::StaticClass(),
        &TRotateFilter::StaticClass(),    &TMirrorFilter::StaticClass(),
        &TTileFilter::StaticClass(),      &TBevelFilter::StaticClass(),
        &TZoomFilter::StaticClass(),
    });
    GradientRotationHook = &RotateGradient;
}

void FreeImageFilters() {
    GradientRotationHook = nullptr;
    FreeFilterClassList();
}
