#include "platform/graphics/Canvas.h"

#include <QImage>
#include <mutex>
#include <unordered_set>

#include "platform/graphics/CanvasPainter.h"
#include "platform/graphics/Graphic.h"
#include "platform/graphics/PainterSurface.h"
#include "platform/graphics/Path.h"
#include "platform/graphics/RecordingCanvas.h"
#include "platform/graphics/TextMeasurer.h"

namespace {

// The handles of the living canvases. Handles count up and are never given twice.
struct TCanvasHandles {
    std::mutex Mutex;
    std::unordered_set<uint64_t> Live;
    uint64_t Last = 0;
};

// Never destroyed: canvases held by static objects may go after every other static.
TCanvasHandles& CanvasHandles() {
    static auto* handles = new TCanvasHandles;
    return *handles;
}

uint64_t AllocateCanvasHandle() {
    TCanvasHandles& handles = CanvasHandles();
    std::lock_guard lock(handles.Mutex);
    handles.Live.insert(++handles.Last);
    return handles.Last;
}

void ReleaseCanvasHandle(uint64_t handle) {
    TCanvasHandles& handles = CanvasHandles();
    std::lock_guard lock(handles.Mutex);
    handles.Live.erase(handle);
}

}  // namespace

bool IsCanvasHandle(uint64_t handle) {
    TCanvasHandles& handles = CanvasHandles();
    std::lock_guard lock(handles.Mutex);
    return handles.Live.count(handle) > 0;
}

TCanvas::TCanvas()
    : FPen(std::make_unique<TPen>()),
      FBrush(std::make_unique<TBrush>()),
      FFont(std::make_unique<TFont>()),
      FPainter(std::make_unique<TPainter>()),
      FHandle(AllocateCanvasHandle()) {
    FBrush->OnChange = [this](TObject*) { BrushChanged(); };
    FFont->OnChange = [this](TObject*) { FontChanged(); };
    BrushChanged();
    FontChanged();
}

TCanvas::~TCanvas() { ReleaseCanvasHandle(FHandle); }

void TCanvas::BrushChanged() {
    // Selecting a brush sets the background the way text and hatches expect it: opaque in the
    // brush colour for a solid brush, transparent for any other.
    if (FBrush->Style() == bsSolid) {
        FBkColor = FBrush->Color();
        FBkMode = OPAQUE;
    } else {
        FBkMode = TRANSPARENT;
    }
}

void TCanvas::FontChanged() { FTextColor = FFont->Color(); }

TTextMeasurer& TCanvas::Measurer() { return FMeasurer ? *FMeasurer : FontTextMeasurer(); }

void TCanvas::Changing() {
    if (OnChanging) OnChanging(this);
}

void TCanvas::Changed() {
    if (OnChange) OnChange(this);
}

TSize TCanvas::SurfaceSize() {
    if (FSurface) return FSurface->Size();
    const QImage* image = Image();
    return image ? TSize{image->width(), image->height()} : TSize{0, 0};
}

int TCanvas::Width() { return SurfaceSize().cx; }

int TCanvas::Height() { return SurfaceSize().cy; }

void TCanvas::SetSurface(TPainterSurface* surface) {
    FSurface = surface;
    if (FSurface) FSurface->ClipChanged(FHasClip, FClip);
}

// --- Mapping

void TCanvas::SetMapMode(int mode) {
    if (mode != MM_TEXT && mode != MM_ANISOTROPIC) return;
    FMapping.Mode = mode;
    // Text mode is one unit per pixel: the extents go back to 1 : 1.
    if (mode == MM_TEXT) FMapping.WindowExt = FMapping.ViewportExt = TSize{1, 1};
}

// A zero extent would map every point onto the origin; it is refused as the device refuses it.
void TCanvas::SetWindowExt(TSize ext) {
    if (FMapping.Mode == MM_ANISOTROPIC && ext.cx != 0 && ext.cy != 0) FMapping.WindowExt = ext;
}

void TCanvas::SetViewportExt(TSize ext) {
    if (FMapping.Mode == MM_ANISOTROPIC && ext.cx != 0 && ext.cy != 0) FMapping.ViewportExt = ext;
}

int TCanvas::DeviceCaps(int index) {
    return DeviceCapsOf(index, Width(), Height(), ScreenPixelsPerInch, ScreenPixelsPerInch);
}

// --- Pixels

TColor TCanvas::Pixel(int x, int y) {
    const TPoint p = LPtoDP(Point(x, y));
    x = p.X;
    y = p.Y;
    if (!FPainter->Begin(*this) || !FPainter->Visible(x, y)) return CLR_INVALID;
    return FromDevice(FPainter->Read(x, y));
}

void TCanvas::SetPixel(int x, int y, TColor color) {
    if (Recorded(TMetaOp::SetPixel, {x, y, int(color)})) return;
    const TPoint p = LPtoDP(Point(x, y));
    x = p.X;
    y = p.Y;
    if (FSurface) return FSurface->SetPixel(x, y, color);
    if (!FPainter->Begin(*this) || !FPainter->Visible(x, y)) return;
    Changing();
    FPainter->Write(x, y, ToDevice(color));
    Changed();
}

// --- Clipping

void TCanvas::ClipChanged() {
    FPainter->SetClip(FHasClip, FClip);
    if (FSurface) FSurface->ClipChanged(FHasClip, FClip);
}

TRect TCanvas::ClipRect() {
    const TRect surface = Rect(0, 0, Width(), Height());
    const TRect box = FHasClip ? IntersectRect(FClip.Bounds(), surface) : surface;
    return FMapping.IsIdentity() ? box : NormalizedRect(FMapping.DPtoLP(box));
}

void TCanvas::SelectClipRgn(const TRegion* region) {
    if (FRecorder) FRecorder->RecordClip(*this, region, RGN_COPY);
    FHasClip = region != nullptr;
    FClip = region ? *region : TRegion();
    ClipChanged();
}

void TCanvas::ExtSelectClipRgn(const TRegion& region, TRegionCombineMode mode) {
    if (FRecorder) return FRecorder->RecordClip(*this, &region, mode);
    const TRegion current = FHasClip ? FClip : TRegion::FromRect(Rect(0, 0, Width(), Height()));
    if (mode == RGN_COPY)
        FClip = region;
    else
        FClip.Combine(current, region, mode);
    FHasClip = true;
    ClipChanged();
}

void TCanvas::IntersectClipRect(const TRect& rect) {
    if (Recorded(TMetaOp::IntersectClipRect, {rect.Left, rect.Top, rect.Right, rect.Bottom}))
        return;
    ExtSelectClipRgn(
        TRegion::FromRect(NormalizedRect(MapRect(rect.Left, rect.Top, rect.Right, rect.Bottom))),
        RGN_AND);
}

void TCanvas::ExcludeClipRect(const TRect& rect) {
    if (Recorded(TMetaOp::ExcludeClipRect, {rect.Left, rect.Top, rect.Right, rect.Bottom})) return;
    ExtSelectClipRgn(
        TRegion::FromRect(NormalizedRect(MapRect(rect.Left, rect.Top, rect.Right, rect.Bottom))),
        RGN_DIFF);
}

bool TCanvas::GetClipRgn(TRegion& region) const {
    if (!FHasClip) return false;
    region = FClip;
    return true;
}

bool TCanvas::PtVisible(int x, int y) {
    const TPoint p = LPtoDP(Point(x, y));
    return FPainter->Begin(*this) && FPainter->Visible(p.X, p.Y);
}

// --- Copies and pictures

TPenMode CopyModeRop(TCopyMode mode) {
    switch (mode) {
        case cmSrcCopy:
            return pmCopy;
        case cmSrcInvert:
            return pmXor;
        case cmSrcAnd:
            return pmMask;
        case cmSrcPaint:
            return pmMerge;
        case cmSrcErase:
            return pmMaskPenNot;
        case cmNotSrcCopy:
            return pmNotCopy;
        case cmNotSrcErase:
            return pmNotMerge;
        case cmMergePaint:
            return pmMergeNotPen;
        case cmDstInvert:
            return pmNot;
        case cmBlackness:
            return pmBlack;
        case cmWhiteness:
            return pmWhite;
    }
    return pmCopy;
}

void TCanvas::BlitImage(const TRect& logicalDest, const QImage& src, const TRect& srcRect,
                        TPenMode rop, bool keyed, TColor key) {
    if (FRecorder) return FRecorder->RecordImage(*this, logicalDest, src, srcRect, rop);
    const TRect dest =
        MapRect(logicalDest.Left, logicalDest.Top, logicalDest.Right, logicalDest.Bottom);
    // Extents in 64 bits: a picture from a file may be stretched to the ends of the integers.
    const int64_t dw = int64_t(dest.Right) - dest.Left, dh = int64_t(dest.Bottom) - dest.Top;
    const int sw = srcRect.Width(), sh = srcRect.Height();
    if (dw == 0 || dh == 0 || sw <= 0 || sh <= 0 || src.isNull()) return;
    if (FSurface) return FSurface->Image(dest, src, srcRect, rop, keyed, key);
    if (!FPainter->Begin(*this)) return;
    const TRect box = NormalizedRect(dest);
    const bool flipX = dw < 0, flipY = dh < 0;
    const int64_t w = int64_t(box.Right) - box.Left, h = int64_t(box.Bottom) - box.Top;
    const TDevicePixel keyPixel = ToDevice(key);
    const int srcBytes = src.depth() / 8;
    Changing();
    // Only the rows on the surface: a picture stretched far beyond it costs no more.
    const int64_t firstRow = int64_t(FPainter->FirstRow(box.Top)) - box.Top;
    const int64_t endRow = int64_t(FPainter->EndRow(box.Bottom)) - box.Top;
    for (int64_t j = std::max<int64_t>(firstRow, 0); j < std::min(endRow, h); ++j) {
        const int y = int(box.Top + j);
        // Nearest source pixel of each destination pixel's centre.
        const int sj = int(((flipY ? h - 1 - j : j) * 2 + 1) * sh / (2 * h));
        const int sy = srcRect.Top + sj;
        if (sy < 0 || sy >= src.height()) continue;
        const uint8_t* srow = src.constScanLine(sy);
        FPainter->ForVisible(y, box.Left, box.Right, [&](int a, int b) {
            for (int x = a; x < b; ++x) {
                const int64_t i = int64_t(x) - box.Left;
                const int si = int(((flipX ? w - 1 - i : i) * 2 + 1) * sw / (2 * w));
                const int sx = srcRect.Left + si;
                if (sx < 0 || sx >= src.width()) continue;
                TDevicePixel s;
                if (srcBytes == 4) {
                    s = reinterpret_cast<const uint32_t*>(srow)[sx] & 0xFFFFFF;
                } else {
                    const uint8_t* p = srow + 3 * sx;
                    s = uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16);
                }
                if (keyed && s == keyPixel) continue;
                FPainter->Write(x, y, ApplyRop(rop, s, FPainter->Read(x, y)));
            }
        });
    }
    Changed();
}

void TCanvas::CopyRect(const TRect& dest, TCanvas& source, const TRect& logicalSrc) {
    QImage* image = source.Image();
    if (!image) return;
    const TRect srcRect =
        source.MapRect(logicalSrc.Left, logicalSrc.Top, logicalSrc.Right, logicalSrc.Bottom);
    // A copy within one surface reads from a snapshot, so overlapping rectangles stay whole.
    if (&source == this) {
        const QImage snapshot = image->copy();
        BlitImage(dest, snapshot, srcRect, CopyModeRop(FCopyMode), false, clNone);
    } else {
        BlitImage(dest, *image, srcRect, CopyModeRop(FCopyMode), false, clNone);
    }
}

void TCanvas::AlphaBlend(int x, int y, TCanvas& source, const TRect& srcRect, uint8_t alpha) {
    QImage* image = source.Image();
    if (!image || !FPainter->Begin(*this)) return;
    const TPoint at = LPtoDP(Point(x, y));
    x = at.X;
    y = at.Y;
    // A blend of a surface with itself reads from a snapshot, as a copy does.
    const QImage src = &source == this ? image->copy() : *image;
    const TRect from =
        IntersectRect(NormalizedRect(srcRect), Rect(0, 0, src.width(), src.height()));
    if (from.IsEmpty()) return;
    const int dx = x - srcRect.Left, dy = y - srcRect.Top;
    const int srcBytes = src.depth() / 8;
    const uint32_t a = alpha, b = 255 - alpha;
    Changing();
    for (int sy = from.Top; sy < from.Bottom; ++sy) {
        const uint8_t* row = src.constScanLine(sy);
        FPainter->ForVisible(sy + dy, from.Left + dx, from.Right + dx, [&](int x0, int x1) {
            for (int px = x0; px < x1; ++px) {
                const int sx = px - dx;
                TDevicePixel s;
                if (srcBytes == 4) {
                    s = reinterpret_cast<const uint32_t*>(row)[sx] & 0xFFFFFF;
                } else {
                    const uint8_t* p = row + 3 * sx;
                    s = uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16);
                }
                const TDevicePixel d = FPainter->Read(px, sy + dy);
                TDevicePixel out = 0;
                for (int shift = 0; shift < 24; shift += 8) {
                    const uint32_t sc = (s >> shift) & 0xFF, dc = (d >> shift) & 0xFF;
                    out |= ((sc * a + dc * b + 127) / 255) << shift;
                }
                FPainter->Write(px, sy + dy, out);
            }
        });
    }
    Changed();
}

void TCanvas::Draw(int x, int y, TGraphic* graphic) {
    if (!graphic || graphic->Empty()) return;
    graphic->Draw(*this, Bounds(x, y, graphic->Width(), graphic->Height()));
}

void TCanvas::StretchDraw(const TRect& rect, TGraphic* graphic) {
    if (!graphic || graphic->Empty()) return;
    graphic->Draw(*this, rect);
}
