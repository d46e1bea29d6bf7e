// The GIF picture as one of the picture system's graphics: drawing, the rendered bitmap, the
// palette, and conversion from and to other pictures.
#include <atomic>
#include <memory>

#include "gif/GIFImage.h"
#include "gif/GIFPainter.h"
#include "gif/GIFSubImage.h"
#include "gif/GIFThreads.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/BitmapFileStream.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Clipboard.h"

namespace {

bool& PalettedDisplayFlag() {
    static bool paletted = false;  // the display layer draws in true colour
    return paletted;
}

}  // namespace

bool PalettedDisplay() { return PalettedDisplayFlag(); }
void SetPalettedDisplay(bool value) { PalettedDisplayFlag() = value; }

namespace {
std::atomic<bool> RenderOnLoadFlag{false};
std::atomic<bool> OptimizeOnStreamingFlag{false};
}  // namespace
bool RenderOnLoad() { return RenderOnLoadFlag; }
void SetRenderOnLoad(bool value) { RenderOnLoadFlag = value; }
bool OptimizeOnStreaming() { return OptimizeOnStreamingFlag; }
void SetOptimizeOnStreaming(bool value) { OptimizeOnStreamingFlag = value; }

void TGIFImage::WriteData(TStream& stream) {
    if (OptimizeOnStreaming()) Optimize(GIFAllOptimizations, reduceNone);
    TGraphic::WriteData(stream);
}

bool TGIFImage::DoDither() const {
    return HasDrawOption(drawDither) && (!HasDrawOption(drawAutoDither) || PalettedDisplay());
}

void TGIFImage::SetDrawOptions(TGIFDrawOptions value) {
    const bool dither = DoDither();
    FDrawOptions = value;
    if (DoDither() != dither) PaletteChanged();
}

TGIFPalette TGIFImage::Palette() {
    // A picture without any table would come back here through its first frame.
    if (FInsidePalette) throw GIFException(sNoColorTable);
    FInsidePalette = true;
    struct TGuard {
        bool& Flag;
        ~TGuard() { Flag = false; }
    } guard{FInsidePalette};
    if (!FPalette.empty()) return FPalette;
    if (DoDither()) return WebPalette();
    if (GlobalColorMap().Count() > 0) return GlobalColorMap().ExportPalette();
    if (Empty()) return {};
    // A first frame without a table of its own comes back here, and the guard raises.
    return FImages.SubImages(0)->Palette();
}

int TGIFImage::Add(TGraphic& graphic) {
    auto frame = std::make_unique<TGIFSubImage>(this);
    frame->AssignGraphic(graphic);
    return Add(std::move(frame));
}

void TGIFImage::Assign(const TPersistent* source) {
    if (source == this) return;
    if (!source) {
        Clear();
        Changed();
        return;
    }
    if (auto* gif = dynamic_cast<const TGIFImage*>(source)) {
        Assign(*gif);
        return;
    }
    if (auto* picture = dynamic_cast<const TPicture*>(source)) {
        Assign(picture->Graphic());
        return;
    }
    if (!dynamic_cast<const TGraphic*>(source)) {
        TGraphic::Assign(source);  // the conversion error
        return;
    }
    Clear();
    auto frame = std::make_unique<TGIFSubImage>(this);
    frame->Assign(source);
    if (!frame->Empty()) FImages.Add(std::move(frame));
    Changed();
}

void TGIFImage::AssignTo(TPersistent* dest) const {
    if (auto* bitmap = dynamic_cast<TBitmap*>(dest)) {
        TBitmap* own = const_cast<TGIFImage*>(this)->Bitmap();
        if (own) {
            bitmap->Assign(own);
        } else {
            bitmap->SetSize(0, 0);
        }
        return;
    }
    TGraphic::AssignTo(dest);
}

void TGIFImage::LoadFromClipboardFormat(const std::string& format, TStream& data) {
    if (format == SClipboardBitmapFormat) {
        // A bitmap file, as the bitmap format's data arrive.
        TBitmap bitmap;
        LoadBitmapFile(bitmap, data);
        Assign(&bitmap);
        return;
    }
    if (format != sGIFClipboardFormat) throw GIFException(sUnsupportedClipboardFormat);
    LoadFromStream(data);
}

bool TGIFImage::SaveToClipboardFormat(std::string& format, TStream& data) {
    if (Empty()) return false;
    SaveToStream(data);
    format = sGIFClipboardFormat;
    return true;
}

void TGIFImage::SaveToClipboard() {
    std::string format;
    TMemoryStream data;
    if (!SaveToClipboardFormat(format, data)) {
        Clipboard()->Clear();
        return;
    }
    if (!Clipboard()->SetAsBytes(format, std::string(data.Memory(), size_t(data.Size())), Bitmap()))
        throw GIFException(sFailedClipboard);
}

TBitmap* TGIFImage::Bitmap() {
    if (Empty()) return nullptr;
    if (FBitmap) return FBitmap.get();
    TGIFSubImage* first = FImages.SubImages(0);
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf24bit);
    if (first->Left() == 0 && first->Top() == 0 && first->Width() == Width() &&
        first->Height() == Height() && first->Bitmap()) {
        bitmap->Assign(first->Bitmap());
    } else {
        bitmap->SetSize(Width(), Height());
        first->Draw(*bitmap->Canvas(), TRect{0, 0, Width(), Height()}, false, false);
    }
    bitmap->OnChange = [this](TObject*) { Changed(); };
    FBitmap = std::move(bitmap);
    return FBitmap.get();
}

TBitmap* TGIFImage::NewBitmap() {
    if (!FBitmap) {
        FBitmap = std::make_unique<TBitmap>(Width(), Height());
        FBitmap->SetPixelFormat(pf24bit);
        FBitmap->OnChange = [this](TObject*) { Changed(); };
    }
    return FBitmap.get();
}

void TGIFImage::SetPalette(const TGIFPalette& palette) {
    if (palette == FPalette) return;
    FPalette = palette;
    if (!FBitmap) return;
    FreeBitmap();
    Changed();
}

void TGIFImage::FreeBitmap() {
    // A painter may be drawing on it.
    if (FDrawPainter) StopDraw();
    FBitmap.reset();
}

void TGIFImage::Draw(TCanvas& canvas, const TRect& rect) {
    if (FDrawing || Empty()) return;
    FDrawing = true;
    struct TGuard {
        bool& Flag;
        ~TGuard() { Flag = false; }
    } guard{FDrawing};
    if (FImages.Count() == 1 || !HasDrawOption(drawAnimate)) {
        const int index = FForceFrame >= 0 && FForceFrame < FImages.Count() ? FForceFrame : 0;
        FImages.SubImages(index)->Draw(canvas, rect, HasDrawOption(drawTransparent),
                                       HasDrawOption(drawTile));
        return;
    }
    const bool direct = HasDrawOption(drawDirect);
    if (!FBitmap || direct) {
        {
            std::lock_guard lock(FPainterLock);
            ReapPainters();
            if (FDrawPainter && FDrawPainter->Canvas() == &canvas && FDrawPainter->Rect() == rect)
                return;  // the running painter goes on drawing there
        }
        // Every wait below runs without the painter-list lock, which other threads may need.
        StopDraw();
        TCanvas* target = &canvas;
        TRect area = rect;
        if (!direct) {
            // The painter paints on the picture's bitmap over what lay behind the picture.
            TBitmap* bitmap = NewBitmap();
            area = TRect{0, 0, Width(), Height()};
            bitmap->Canvas()->CopyRect(area, canvas, rect);
            target = bitmap->Canvas();
        }
        TGIFPainter* painter = InternalPaint(target, area, FDrawOptions);
        {
            std::lock_guard lock(FPainterLock);
            FDrawPainter = painter;
        }
        if (!painter) return;
        painter->Start();
        if (direct) return;
        // Until the first frame is shown. A painter reaped meanwhile is no longer the draw's.
        WaitRunningMainThreadCalls(
            [this, painter] {
                std::lock_guard lock(FPainterLock);
                return FDrawPainter != painter || painter->Started() || painter->Finished();
            },
            false);
    }
    if (FBitmap) DrawTiled(canvas, rect, *FBitmap);
}
