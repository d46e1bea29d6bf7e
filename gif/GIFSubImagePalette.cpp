// The frame's palette, its transparency mask, and the frame handed to a bitmap.
#include "gif/GIFExtension.h"
#include "gif/GIFFrameRenderer.h"
#include "gif/GIFImage.h"
#include "gif/GIFSubImage.h"
#include "platform/graphics/Bitmap.h"

TGIFPalette TGIFSubImage::Palette() {
    if (!FPalette.empty()) return FPalette;
    if (FImage && FImage->DoDither()) return WebPalette();
    if (FColorMap.Count() == 0 && FImage) return FImage->Palette();
    return FColorMap.ExportPalette();
}

void TGIFSubImage::SetPalette(const TGIFPalette& palette) {
    if (palette == FPalette) return;
    FPalette = palette;
    if (!FBitmap) return;
    FreeBitmap();
    if (FImage) FImage->FrameRenderingChanged();
}

TGIFFrameMask TGIFSubImage::Mask() {
    if (!FTransparent || !FGCE || FData.empty()) return {};
    return BuildFrameMask(FData.data(), Width(), Height(), size_t(Width()),
                          FGCE->TransparentColorIndex());
}

int TGIFSubImage::RenderedColorCount() {
    return FPalette.empty() ? ActiveColorMap().Count() : int(FPalette.size());
}

void TGIFSubImage::AssignTo(TBitmap& dest) {
    if (Empty()) {
        dest.Assign(nullptr);
        return;
    }
    if (!FImage || !FImage->DoDither()) {
        dest.Assign(Bitmap());
        return;
    }
    // Not the web colours of a dithered drawing: the colours the indices stand for.
    RenderFrameBitmap(FData.data(), Width(), Height(), size_t(Width()),
                      RenderPalette(FrameColors(*this), RenderedColorCount()), dest, nullptr);
}
