// Starting and stopping the painters that animate a GIF picture.
#include <algorithm>

#include "gif/GIFImage.h"
#include "gif/GIFPainter.h"
#include "gif/GIFThreads.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

TGIFPainter* TGIFImage::InternalPaint(TCanvas* canvas, const TRect& rect, TGIFDrawOptions options) {
    if (Empty() || rect.IsEmpty()) return nullptr;
    if (FImages.Count() == 1)
        options = TGIFDrawOptions(options & ~(GIFDrawFlag(drawAsync) | GIFDrawFlag(drawAnimate)));
    auto owned = std::make_unique<TGIFPainter>(this, options, rect, canvas);
    TGIFPainter* painter = owned.get();
    painter->OnStartPaint = OnStartPaint;
    painter->OnPaint = OnPaint;
    painter->OnAfterPaint = OnAfterPaint;
    painter->OnLoop = OnLoop;
    painter->OnEndPaint = OnEndPaint;
    {
        std::lock_guard lock(FPainterLock);
        FPainters.push_back(std::move(owned));
    }
    if (painter->Async()) {
        painter->SetPriority(FThreadPriority);
        return painter;
    }
    // A synchronous painter leaves the list however its run ends.
    struct TRemove {
        TGIFImage& Image;
        TGIFPainter* Painter;
        ~TRemove() {
            std::lock_guard lock(Image.FPainterLock);
            if (Image.FDrawPainter == Painter) Image.FDrawPainter = nullptr;
            std::erase_if(Image.FPainters, [&](const auto& p) { return p.get() == Painter; });
        }
    } remove{*this, painter};
    painter->Execute();
    return nullptr;
}

void TGIFImage::ReapPainters() {
    std::lock_guard lock(FPainterLock);
    for (auto it = FPainters.begin(); it != FPainters.end();) {
        TGIFPainter* painter = it->get();
        if (!painter->Async() || !painter->Finished()) {
            ++it;
            continue;
        }
        if (FDrawPainter == painter) FDrawPainter = nullptr;
        it = FPainters.erase(it);  // joins the ended thread
    }
}

int TGIFImage::PainterCount() {
    std::lock_guard lock(FPainterLock);
    ReapPainters();
    return int(FPainters.size());
}

void TGIFImage::PaintStop() {
    // Every painter is stopped, also one started meanwhile by a call the wait runs; a painter
    // may be blocked in a call only the main thread runs. A failure handed over meanwhile is
    // dropped: the painters are being stopped anyway.
    WaitRunningMainThreadCalls(
        [this] {
            std::lock_guard lock(FPainterLock);
            for (auto it = FPainters.rbegin(); it != FPainters.rend(); ++it) (*it)->Stop();
            ReapPainters();
            return std::none_of(FPainters.begin(), FPainters.end(),
                                [](const auto& painter) { return painter->Async(); });
        },
        true);
    FBitmap.reset();
}

void TGIFImage::StopDraw() {
    WaitRunningMainThreadCalls(
        [this] {
            std::lock_guard lock(FPainterLock);
            ReapPainters();
            if (!FDrawPainter) return true;
            FDrawPainter->Stop();
            return !FDrawPainter->Async();
        },
        true);
    FBitmap.reset();
}

void TGIFImage::DrawTiled(TCanvas& canvas, const TRect& rect, TBitmap& bitmap) {
    if (!HasDrawOption(drawTile)) {
        canvas.StretchDraw(rect, &bitmap);
        return;
    }
    for (int x = rect.Left; x < rect.Right; x += Width())
        for (int y = rect.Top; y < rect.Bottom; y += Height())
            canvas.StretchDraw(TRect{x, y, x + Width(), y + Height()}, &bitmap);
}
