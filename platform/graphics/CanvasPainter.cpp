#include "platform/graphics/CanvasPainter.h"

#include <QImage>
#include <QRegion>

#include "platform/graphics/RegionImpl.h"

namespace {

constexpr uint32_t Rgb24 = 0x00FFFFFF;

bool HatchBit(TBrushStyle style, int x, int y) {
    const bool horizontal = (y & 7) == 0;
    const bool vertical = (x & 7) == 0;
    const bool forward = ((x - y) & 7) == 0;   // down to the right
    const bool backward = ((x + y) & 7) == 0;  // up to the right
    switch (style) {
        case bsHorizontal:
            return horizontal;
        case bsVertical:
            return vertical;
        case bsFDiagonal:
            return forward;
        case bsBDiagonal:
            return backward;
        case bsCross:
            return horizontal || vertical;
        case bsDiagCross:
            return forward || backward;
        default:
            return true;
    }
}

inline uint32_t Load(const uint8_t* row, int x, int bytes) {
    if (bytes == 4) return reinterpret_cast<const uint32_t*>(row)[x] & Rgb24;
    const uint8_t* p = row + 3 * x;
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16);
}

inline void Store(uint8_t* row, int x, int bytes, uint32_t v) {
    if (bytes == 4) {
        reinterpret_cast<uint32_t*>(row)[x] = 0xFF000000u | v;
        return;
    }
    uint8_t* p = row + 3 * x;
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
    p[2] = uint8_t(v >> 16);
}

template <class Op>
void SolidRun(uint8_t* row, int x0, int x1, int bytes, uint32_t pen, Op op) {
    for (int x = x0; x < x1; ++x) Store(row, x, bytes, op(pen, Load(row, x, bytes)) & Rgb24);
}

}  // namespace

uint32_t ApplyRop(TPenMode mode, uint32_t p, uint32_t d) {
    switch (mode) {
        case pmBlack:
            return 0;
        case pmWhite:
            return Rgb24;
        case pmNop:
            return d;
        case pmNot:
            return ~d & Rgb24;
        case pmCopy:
            return p;
        case pmNotCopy:
            return ~p & Rgb24;
        case pmMergePenNot:
            return (p | ~d) & Rgb24;
        case pmMaskPenNot:
            return p & ~d & Rgb24;
        case pmMergeNotPen:
            return (~p | d) & Rgb24;
        case pmMaskNotPen:
            return ~p & d & Rgb24;
        case pmMerge:
            return (p | d) & Rgb24;
        case pmNotMerge:
            return ~(p | d) & Rgb24;
        case pmMask:
            return p & d;
        case pmNotMask:
            return ~(p & d) & Rgb24;
        case pmXor:
            return (p ^ d) & Rgb24;
        case pmNotXor:
            return ~(p ^ d) & Rgb24;
    }
    return p;
}

bool TCanvas::TPainter::Begin(TCanvas& canvas) {
    FImage = canvas.Image();
    if (!FImage || FImage->isNull()) {
        FImage = nullptr;
        return false;
    }
    FWidth = FImage->width();
    FHeight = FImage->height();
    FBytes = FImage->depth() / 8;
    // Taken once per primitive: the image is not shared while we draw (bits() detaches it).
    FBits = FImage->bits();
    FStride = FImage->bytesPerLine();
    if (FClipIndexWidth != FWidth || FClipIndexHeight != FHeight) IndexClip();
    return true;
}

void TCanvas::TPainter::SetClip(bool hasClip, const TRegion& clip) {
    FHasClip = hasClip;
    FClipSource.clear();
    // The region's rectangles in 64 bits: one may reach the ends of the integers, where its
    // right or bottom edge (one past its last pixel) would not fit an int.
    for (const QRect& r : clip.FImpl->Region)
        FClipSource.push_back({r.left(), r.top(), int64_t(r.right()) + 1, int64_t(r.bottom()) + 1});
    IndexClip();
}

// The clip's rectangles cut to the surface, with each row's range of them: a region far larger
// than the surface (a file may give any) costs no more than one that covers it. The surface's
// size is known for sure only when a primitive starts, which indexes again if it changed.
void TCanvas::TPainter::IndexClip() {
    FClipIndexWidth = FWidth;
    FClipIndexHeight = FHeight;
    FClipRects.clear();
    FClipRows.assign(size_t(FHeight), {0, 0});
    for (const TClipSource& r : FClipSource) {
        const int64_t left = std::max<int64_t>(r.Left, 0), top = std::max<int64_t>(r.Top, 0);
        const int64_t right = std::min<int64_t>(r.Right, FWidth);
        const int64_t bottom = std::min<int64_t>(r.Bottom, FHeight);
        if (left < right && top < bottom)
            FClipRects.push_back(Rect(int(left), int(top), int(right), int(bottom)));
    }
    // The rectangles come in bands sorted from the top (cutting keeps that order); index each
    // row's band.
    size_t i = 0;
    while (i < FClipRects.size()) {
        size_t e = i;
        while (e < FClipRects.size() && FClipRects[e].Top == FClipRects[i].Top) ++e;
        for (int y = FClipRects[i].Top; y < FClipRects[i].Bottom; ++y)
            FClipRows[size_t(y)] = {int(i), int(e)};
        i = e;
    }
}

void TCanvas::TPainter::PaintRun(uint8_t* row, int y, int x0, int x1, const TPaint& paint) {
    const int bytes = FBytes;
    if (paint.Kind == TPaint::Solid) {
        const uint32_t pen = paint.Color;
        switch (paint.Rop) {
            case pmCopy:
                if (bytes == 4) {
                    std::fill(reinterpret_cast<uint32_t*>(row) + x0,
                              reinterpret_cast<uint32_t*>(row) + x1, 0xFF000000u | pen);
                } else {
                    for (int x = x0; x < x1; ++x) Store(row, x, bytes, pen);
                }
                return;
            case pmXor:
                return SolidRun(row, x0, x1, bytes, pen,
                                [](uint32_t p, uint32_t d) { return p ^ d; });
            case pmNotXor:
                return SolidRun(row, x0, x1, bytes, pen,
                                [](uint32_t p, uint32_t d) { return ~(p ^ d); });
            default: {
                const TPenMode mode = paint.Rop;
                return SolidRun(row, x0, x1, bytes, pen,
                                [mode](uint32_t p, uint32_t d) { return ApplyRop(mode, p, d); });
            }
        }
    }
    for (int x = x0; x < x1; ++x) {
        uint32_t source;
        if (paint.Kind == TPaint::Hatched) {
            if (HatchBit(paint.Hatch, x, y))
                source = paint.Color;
            else if (paint.Opaque)
                source = paint.Back;
            else
                continue;
        } else {
            const QImage& pattern = *paint.Pattern;
            const int px = ((x % pattern.width()) + pattern.width()) % pattern.width();
            const int py = ((y % pattern.height()) + pattern.height()) % pattern.height();
            source = pattern.pixel(px, py) & Rgb24;
            if (paint.Mono) source = source == Rgb24 ? paint.Back : paint.Color;
        }
        Store(row, x, bytes, ApplyRop(paint.Rop, source, Load(row, x, bytes)));
    }
}

void TCanvas::TPainter::Run(int y, int x0, int x1, const TPaint& paint) {
    if (!FImage) return;
    ForVisible(y, x0, x1,
               [&](int a, int b) { PaintRun(FBits + ptrdiff_t(y) * FStride, y, a, b, paint); });
}

// A pixel at the last integer column lies on no surface, and its right edge would not fit an int.
void TCanvas::TPainter::Pixel(int x, int y, const TPaint& paint) {
    if (x != INT32_MAX) Run(y, x, x + 1, paint);
}

bool TCanvas::TPainter::Visible(int x, int y) const {
    if (x == INT32_MAX) return false;
    bool visible = false;
    ForVisible(y, x, x + 1, [&](int, int) { visible = true; });
    return visible;
}

TDevicePixel TCanvas::TPainter::Read(int x, int y) const {
    return Load(FBits + ptrdiff_t(y) * FStride, x, FBytes);
}

void TCanvas::TPainter::Write(int x, int y, TDevicePixel p) {
    Store(FBits + ptrdiff_t(y) * FStride, x, FBytes, p & Rgb24);
}
