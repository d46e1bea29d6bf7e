#include "gif/GIFPainter.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <optional>

#include "gif/GIFAppExtension.h"
#include "gif/GIFExtension.h"
#include "gif/GIFFrameRenderer.h"
#include "gif/GIFSubImage.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/RtlMath.h"
#include "platform/ui/Application.h"

namespace {

int64_t SteadyMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// A wait without limit.
constexpr int64_t Infinite = -1;

// The main thread handles its waiting events; false once the program quits. Other threads
// have no messages of the program's to handle.
bool ProcessApplicationMessages() {
    if (!Application || !IsMainThread()) return true;
    TApplication::ProcessMessages();
    return !Application->Terminated();
}

// Milliseconds to wait for delay units at speed percent, made up for lateness; nothing when
// that does not fit 32 bits.
std::optional<int64_t> ScaledDelay(int delay, int64_t lateness, int speed) {
    const int64_t ms = int64_t(delay) * GIFDelayUnit - lateness;
    if (ms < INT32_MIN || ms > INT32_MAX || ms * 100 / speed < INT32_MIN + 1 ||
        ms * 100 / speed > INT32_MAX - 1)
        return std::nullopt;
    return MulDiv(int32_t(ms), 100, speed);
}

}  // namespace

TGIFPainter::TGIFPainter(TGIFImage* image, TGIFDrawOptions options, const TRect& rect,
                         TCanvas* canvas, TGIFPainterClock clock)
    : FImage(image),
      FCanvas(canvas),
      FRect(rect),
      FDrawOptions(options),
      FClock(std::move(clock)),
      FAsync((options & GIFDrawFlag(drawAsync)) != 0),
      FAnimationSpeed(image->AnimationSpeed()) {
    if (!FClock.Now) FClock.Now = SteadyMilliseconds;
    if (!FClock.Sleep)
        FClock.Sleep = [](int64_t ms) {
            std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        };
    if (!FClock.ProcessMessages) FClock.ProcessMessages = ProcessApplicationMessages;
    if (FAsync && (options & GIFDrawFlag(drawAnimate)) && image->Images().Count() > 1 &&
        FAnimationSpeed >= 0)
        FWakeEvent = std::make_unique<TAutoResetEvent>();

    if (image->DrawBackgroundColor() != clNone)
        FBackgroundColor = image->DrawBackgroundColor();
    else if (image->GlobalColorMap().Count() == 0)
        FBackgroundColor = clWindow;
    else
        FBackgroundColor = TColor(image->BackgroundColor());

    bool background = (options & GIFDrawFlag(drawClearOnLoop)) != 0, previous = false;
    for (int i = 0; i < image->Images().Count(); ++i) {
        const TGIFGraphicControlExtension* gce =
            image->Images().SubImages(i)->GraphicControlExtension();
        if (!gce) continue;
        background = background || gce->Disposal() == dmBackground;
        previous = previous || gce->Disposal() == dmPrevious;
    }
    if (!FCanvas || FRect.IsEmpty()) return;
    if (background && (options & GIFDrawFlag(drawTransparent))) FBackgroundBuffer = CopyOfTarget();
    if (background || previous) {
        FBackupBuffer = CopyOfTarget();
        FBackupBuffer->Canvas()->Brush()->SetColor(FBackgroundColor);
        FFrameBuffer = std::make_unique<TBitmap>(FRect.Width(), FRect.Height());
        FFrameBuffer->SetPixelFormat(pf24bit);
        FFrameBuffer->Canvas()->Brush()->SetColor(FBackgroundColor);
    }
}

TGIFPainter::~TGIFPainter() {
    Stop();
    if (!FThread.joinable()) return;
    // The thread may be waiting for the main thread to run one of its calls. A failure handed
    // to the main thread meanwhile is dropped: the painter is going away.
    WaitRunningMainThreadCalls([this] { return FFinished.load(); }, true);
    FThread.join();
}

std::unique_ptr<TBitmap> TGIFPainter::CopyOfTarget() const {
    auto bitmap = std::make_unique<TBitmap>(FRect.Width(), FRect.Height());
    bitmap->SetPixelFormat(pf24bit);
    bitmap->Canvas()->CopyRect(TRect{0, 0, FRect.Width(), FRect.Height()}, *FCanvas, FRect);
    return bitmap;
}

void TGIFPainter::Start() {
    if (!FAsync || FThread.joinable() || FFinished) return;
    FThread = std::thread([this] {
        {
            std::lock_guard lock(FThreadIdLock);
            FThreadId = CurrentThreadId();
            if (FPriority != tpNormal) SetThreadPriorityOf(FThreadId, FPriority);
        }
        RunFrames();
        {
            std::lock_guard lock(FThreadIdLock);
            FThreadId = 0;
        }
        if (FError) {
            // Nobody catches in this thread: the main thread gets the failure.
            QueueToMainThread([error = FError] { std::rethrow_exception(error); });
        }
        FFinished = true;
        NotifyMainThreadWaiters();
    });
}

void TGIFPainter::SetPriority(int value) {
    std::lock_guard lock(FThreadIdLock);
    FPriority = value;
    if (FThreadId != 0) SetThreadPriorityOf(FThreadId, value);
}

void TGIFPainter::Stop() {
    FTerminated = true;
    // A painter whose thread was never started has ended: nobody waits for it in vain.
    if (FAsync && !FThread.joinable()) FFinished = true;
    if (FWakeEvent) FWakeEvent->SetEvent();
    // A painter held back by a low priority ends soon.
    if (FAsync && FPriority != tpNormal) SetPriority(tpNormal);
}

bool TGIFPainter::CanvasAlive() {
    if (!(FDrawOptions & GIFDrawFlag(drawValidateCanvas)) || IsCanvasHandle(FCanvasHandle))
        return true;
    FTerminated = true;
    return false;
}

void TGIFPainter::Execute() {
    RunFrames();
    FFinished = true;
    if (FError && !FAsync) std::rethrow_exception(FError);
}

void TGIFPainter::Synchronized(const std::function<void()>& fn) {
    if (FTerminated) return;
    if (FAsync)
        Synchronize(fn);
    else
        fn();
}

void TGIFPainter::Fire(const TGIFPainterEvent& event) {
    if (!event) return;
    Synchronized([&] { event(this); });
}

void TGIFPainter::RunFrames() {
    try {
        const bool animate = (FDrawOptions & GIFDrawFlag(drawAnimate)) != 0;
        const bool loop = (FDrawOptions & GIFDrawFlag(drawLoop)) != 0;
        const bool forever = (FDrawOptions & GIFDrawFlag(drawLoopForever)) != 0;
        TGIFImageList& frames = FImage->Images();
        if (FCanvas) FCanvasHandle = FCanvas->Handle();
        FRestart = true;
        while (FRestart && !FTerminated) {
            FActiveFrame = 0;
            Fire(OnStartPaint);
            FStarted = false;
            FRestart = false;
            int loopCount = 1, loopStart = 0;
            bool loopSeen = false;
            int delay = FAsync ? 0 : 1;
            FPreviousDisposal = dmNone;
            FLastTime = FClock.Now();
            FOverrun = 0;
            while ((loopCount != 0 || forever) && !Stopping()) {
                FActiveFrame = loopStart;
                if (FStarted) Fire(OnLoop);
                do {
                    if (FActiveFrame >= frames.Count() || Stopping()) break;
                    TGIFSubImage* frame = frames.SubImages(FActiveFrame);
                    if (frame->Empty()) break;
                    WaitBeforeFrame(delay);
                    if (Stopping()) break;
                    Fire(OnPaint);
                    FDisposal = dmNone;
                    for (int i = 0; i < frame->Extensions().Count(); ++i) {
                        TGIFItem* item = frame->Extensions().Items(i);
                        if (auto* loopExt = dynamic_cast<TGIFAppExtNSLoop*>(item)) {
                            if (loopSeen) continue;
                            loopSeen = true;
                            loopCount = loopExt->Loops();
                            if (FAsync && (loopCount == 0 || forever)) loopCount = -1;
                            loopStart = FActiveFrame;
                        } else if (auto* gce = dynamic_cast<TGIFGraphicControlExtension*>(item)) {
                            FDisposal = gce->Disposal();
                        }
                    }
                    Synchronized([this] { FBackupBuffer ? PaintFrame() : PaintDirect(); });
                    FPreviousDisposal = FDisposal;
                    delay = GIFDefaultDelay;
                    const TGIFGraphicControlExtension* gce = frame->GraphicControlExtension();
                    if (gce && gce->Delay() != 0) {
                        delay = std::max<int>(gce->Delay(), GIFMinimumDelay);
                        if (!FAsync) delay = std::min(delay, GIFMaximumDelay);
                    }
                    if (Stopping()) break;
                    const int shown = FActiveFrame;
                    Fire(OnAfterPaint);
                    if (FActiveFrame == shown) FActiveFrame = shown + 1;
                } while (animate);
                if (loopCount > 0) --loopCount;
                if (!(animate && loop)) break;
            }
        }
        FActiveFrame = -1;
        Fire(OnEndPaint);
    } catch (...) {
        FTerminated = true;
        FError = std::current_exception();
    }
}

void TGIFPainter::WaitBeforeFrame(int delay) {
    if (delay < 1) {
        std::this_thread::yield();
        return;
    }
    // Rendering time counts as lateness. It runs in the main thread, which may read the
    // frames' bitmaps too.
    TGIFSubImage* frame = FImage->Images().SubImages(FActiveFrame);
    Synchronized([frame] { frame->Bitmap(); });
    const int64_t now = FClock.Now();
    const int speed = FAnimationSpeed;
    int64_t ms;
    if (speed < 1) {
        ms = FAsync ? Infinite : int64_t(GIFMaximumDelay) * GIFDelayUnit;
    } else if (const std::optional<int64_t> scaled =
                   ScaledDelay(delay, (now - FLastTime - FOverrun) / 2, speed)) {
        ms = *scaled;
        FOverrun = ms;
    } else {
        // A clock gone astray: the longest delay, and no lateness carried on.
        ms = int64_t(GIFMaximumDelay) * GIFDelayUnit;
        FOverrun = 0;
    }
    FLastTime = now;
    if (FAsync) {
        // A negative speed never waits; speed 0 waits until stopped.
        if (ms > 0 || speed == 0) {
            const int64_t limit = speed == 0 ? Infinite : ms;
            const bool woken =
                FClock.Wait ? FClock.Wait(limit) : (FWakeEvent && FWakeEvent->WaitFor(limit));
            if (woken) {
                FOverrun = 0;
                FLastTime = FClock.Now();
            }
        }
        return;
    }
    ms = std::max<int64_t>(ms, 1);
    while (ms > 0 && !Stopping()) {
        const int64_t before = FClock.Now();
        FClock.Sleep(std::min<int64_t>(ms, 100));
        ms -= std::max<int64_t>(FClock.Now() - before, 1);
        if (!Stopping() && !FClock.ProcessMessages()) FTerminated = true;
    }
}

void TGIFPainter::PaintDirect() {
    // A canvas freed meanwhile cannot be drawn on, whichever way the frame is painted.
    if (!CanvasAlive()) return;
    FImage->Images()
        .SubImages(FActiveFrame)
        ->Draw(*FCanvas, FRect, FDrawOptions & GIFDrawFlag(drawTransparent),
               FDrawOptions & GIFDrawFlag(drawTile));
    MarkStarted();
}

void TGIFPainter::PaintFrame() {
    if (!CanvasAlive()) return;
    const bool clearFirst = (FDrawOptions & GIFDrawFlag(drawClearOnLoop)) && FActiveFrame == 0;
    const TRect whole{0, 0, FRect.Width(), FRect.Height()};
    TCanvas* target = nullptr;
    TRect r = whole;
    bool copyOut = false, clearAfter = false, restoreFirst = false;
    if (FDisposal < dmBackground) {
        target = FBackupBuffer->Canvas();
        copyOut = true;
    } else if (FDisposal == dmBackground) {
        target = FBackupBuffer->Canvas();
        copyOut = clearAfter = true;
    } else if (FDisposal == dmPrevious && FPreviousDisposal < dmBackground) {
        // Drawn on the target only: the backup keeps the picture without this frame.
        target = FCanvas;
        r = FRect;
    } else if (FDisposal == dmPrevious && FPreviousDisposal <= dmPrevious) {
        target = FFrameBuffer->Canvas();
        copyOut = restoreFirst = true;
    }
    if (target) {
        if (clearFirst) ClearBackup();
        if (restoreFirst) target->CopyRect(whole, *FBackupBuffer->Canvas(), whole);
        FImage->Images()
            .SubImages(FActiveFrame)
            ->Draw(*target, r, FDrawOptions & GIFDrawFlag(drawTransparent),
                   FDrawOptions & GIFDrawFlag(drawTile));
        if (copyOut) {
            const TCopyMode mode = FCanvas->CopyMode();
            FCanvas->SetCopyMode(cmSrcCopy);
            FCanvas->CopyRect(FRect, *target, whole);
            FCanvas->SetCopyMode(mode);
        }
        if (clearAfter) ClearBackup();
    }
    MarkStarted();
}

void TGIFPainter::MarkStarted() {
    FStarted = true;
    // A draw waits for the first frame.
    NotifyMainThreadWaiters();
}

void TGIFPainter::ClearBackup() {
    TGIFSubImage* frame = FImage->Images().SubImages(FActiveFrame);
    TCanvas& backup = *FBackupBuffer->Canvas();
    const TRect whole{0, 0, FRect.Width(), FRect.Height()};
    const TRect bounds = frame->DrawnBounds();
    const bool tile = (FDrawOptions & GIFDrawFlag(drawTile)) != 0;
    const bool transparent = (FDrawOptions & GIFDrawFlag(drawTransparent)) && FBackgroundBuffer;
    // Tiles only where the frame leaves gaps between its copies, or to show what was behind.
    const bool tiles =
        tile &&
        (transparent || (frame->Width() < FImage->Width() && frame->Height() < FImage->Height()));
    const std::vector<TRect> areas =
        tiles ? FrameTiles(whole, bounds, FImage->Width(), FImage->Height())
              : std::vector<TRect>{frame->ScaleRect(whole)};
    if (transparent) {
        for (const TRect& a : areas) backup.CopyRect(a, *FBackgroundBuffer->Canvas(), a);
        return;
    }
    // Opaque: the resolved background colour (the draw option's colour may be none).
    backup.Brush()->SetColor(FBackgroundColor);
    for (const TRect& a : areas) backup.FillRect(a);
}
