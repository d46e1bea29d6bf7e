// Rendering a frame into a bitmap and drawing it onto canvases.
#include <algorithm>

#include "gif/GIFExtension.h"
#include "gif/GIFFrameRenderer.h"
#include "gif/GIFImage.h"
#include "gif/GIFSubImage.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/RtlMath.h"

TRect TGIFSubImage::DrawnBounds() const {
    TRect r{Left(), Top(), Left() + Width(), Top() + Height()};
    if (!FImage) return r;
    r.Right = std::max(r.Left, std::min(r.Right, FImage->Width()));
    r.Bottom = std::max(r.Top, std::min(r.Bottom, FImage->Height()));
    return r;
}

TBitmap* TGIFSubImage::Bitmap() {
    if (FBitmap || Empty()) return FBitmap.get();
    const TRect drawn = DrawnBounds();
    const int w = drawn.Width(), h = drawn.Height();
    if (drawn.IsEmpty()) return nullptr;
    TGIFImage* image = FImage;
    auto report = [&](TGIFProgressStage stage, int percent) {
        if (image) image->Progress(this, stage, percent, false, sProgressRendering);
    };
    report(gpsStarting, 0);
    try {
        auto bitmap = std::make_unique<TBitmap>();
        const auto progress = [&](int row) { report(gpsRunning, MulDiv(row, 100, h)); };
        const TGIFFrameColors colors = FrameColors(*this);
        if (image && image->DoDither()) {
            // Transparent pixels show their colour's web entry.
            TGIFFrameMask mask;
            uint8_t fill = 0;
            if (FTransparent && FGCE) {
                mask = BuildFrameMask(FData.data(), w, h, size_t(Width()),
                                      FGCE->TransparentColorIndex());
                fill = WebFillIndex(colors[FGCE->TransparentColorIndex()]);
            }
            RenderDitheredFrameBitmap(FData.data(), w, h, size_t(Width()), colors, &mask, fill,
                                      *bitmap, progress);
        } else {
            RenderFrameBitmap(FData.data(), w, h, size_t(Width()),
                              RenderPalette(colors, RenderedColorCount()), *bitmap, progress);
        }
        FBitmap = std::move(bitmap);
    } catch (const EAbort&) {
        // A progress handler cancelled the rendering: there is simply no bitmap.
        report(gpsEnding, 0);
        return nullptr;
    } catch (...) {
        report(gpsEnding, 0);
        throw;
    }
    report(gpsEnding, 100);
    return FBitmap.get();
}

void TGIFSubImage::FreeBitmap() {
    FBitmap.reset();
    FMaskedBitmap.reset();
    FMaskIndex = -1;
    FHasMask = false;
}

bool TGIFSubImage::HasMask() {
    if (!FTransparent || !FGCE || Empty()) return false;
    const int index = FGCE->TransparentColorIndex();
    if (index != FMaskIndex) {
        FMaskedBitmap.reset();
        FMaskIndex = index;
        FHasMask = std::find(FData.begin(), FData.end(), uint8_t(index)) != FData.end();
    }
    return FHasMask;
}

TBitmap* TGIFSubImage::DrawingBitmap(bool transparent) {
    if (!transparent || !HasMask()) return Bitmap();
    if (!FMaskedBitmap) {
        TBitmap* rendered = Bitmap();
        if (!rendered) return nullptr;
        const TGIFFrameMask mask =
            BuildFrameMask(FData.data(), rendered->Width(), rendered->Height(), size_t(Width()),
                           uint8_t(FMaskIndex));
        // A colour no pixel shows: dithering gives web colours only, whose channels are steps
        // of 51.
        const uint32_t key =
            FImage && FImage->DoDither() ? 0xFE01FE : UnusedFrameColor(FrameColors(*this));
        auto bitmap = std::make_unique<TBitmap>();
        bitmap->Assign(rendered);
        KeyOutMask(*bitmap, mask, key);
        bitmap->SetTransparentColor(TColor(key));
        bitmap->SetTransparent(true);
        FMaskedBitmap = std::move(bitmap);
    }
    return FMaskedBitmap.get();
}

TRect TGIFSubImage::ScaleRect(const TRect& r) const {
    if (!FImage) return r;
    return ScaleFrameRect(r, DrawnBounds(), FImage->Width(), FImage->Height());
}

void TGIFSubImage::Draw(TCanvas& canvas, const TRect& r, bool transparent, bool tile) {
    StretchDraw(canvas, tile ? r : ScaleRect(r), transparent, tile);
}

void TGIFSubImage::StretchDraw(TCanvas& canvas, const TRect& r, bool transparent, bool tile) {
    TBitmap* bitmap = DrawingBitmap(transparent);
    if (!bitmap) return;
    if (!tile || !FImage) {
        canvas.StretchDraw(r, bitmap);
        return;
    }
    for (const TRect& t : FrameTiles(r, DrawnBounds(), FImage->Width(), FImage->Height()))
        canvas.StretchDraw(t, bitmap);
}
