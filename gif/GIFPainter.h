#pragma once
// Shows a GIF picture's frames on a canvas in time: each frame's delay and disposal, the loop
// extension's count, and five events. An asynchronous painter (drawAsync) runs its own thread
// and paints, renders and fires its events in the main thread through Synchronize; a
// synchronous one runs in the caller's thread.
#include <atomic>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "gif/GIFImage.h"
#include "gif/GIFThreads.h"
#include "platform/graphics/Geometry.h"

class TBitmap;
class TCanvas;
class TGIFPainter;

// Milliseconds per delay unit of the graphic control extension, the delay of a frame without
// one, and the bounds of a frame's delay (the upper one for synchronous painters only).
inline constexpr int GIFDelayUnit = 12;
inline constexpr int GIFDefaultDelay = 10;
inline constexpr int GIFMinimumDelay = 3;
inline constexpr int GIFMaximumDelay = 1000;

// Frame disposals.
inline constexpr uint8_t dmNone = 0;
inline constexpr uint8_t dmNoDisposal = 1;
inline constexpr uint8_t dmBackground = 2;
inline constexpr uint8_t dmPrevious = 3;

// The painter's sense of time, replaceable so that timing can be followed without waiting.
struct TGIFPainterClock {
    // Milliseconds from any fixed origin.
    std::function<int64_t()> Now;
    // Asynchronous painters: waits up to ms (negative: without limit) for the painter's wake-up
    // (Stop); true when woken.
    std::function<bool(int64_t ms)> Wait;
    // Synchronous painters: sleeps ms.
    std::function<void(int64_t ms)> Sleep;
    // Synchronous painters, between sleeps: handles the messages waiting for the calling
    // thread, so that the program stays alive during a long delay; false once the program is
    // quitting, which ends the painter.
    std::function<bool()> ProcessMessages;
};

class TGIFPainter {
public:
    TGIFPainter(TGIFImage* image, TGIFDrawOptions options, const TRect& rect, TCanvas* canvas,
                TGIFPainterClock clock = {});
    // Stops the painter and waits for its thread, running the main thread's calls meanwhile.
    ~TGIFPainter();
    TGIFPainter(const TGIFPainter&) = delete;
    TGIFPainter& operator=(const TGIFPainter&) = delete;

    // An asynchronous painter starts its thread.
    void Start();
    // The scheduling priority of an asynchronous painter's thread (a TThreadPriority); set
    // before Start, or while it runs. Stop puts it back to normal.
    int Priority() const { return FPriority; }
    void SetPriority(int value);
    // Ends the painter as soon as it looks: a wait for the next frame ends at once.
    void Stop();
    // Runs the frames in the calling thread. A synchronous painter raises the exception that
    // ended it here, after cleaning up.
    void Execute();

    bool Async() const { return FAsync; }
    bool Terminated() const { return FTerminated; }
    // The frames have ended (or were never run by a thread).
    bool Finished() const { return FFinished; }
    // A frame has been painted.
    bool Started() const { return FStarted; }
    // The frame being shown, -1 outside a run. A handler of OnAfterPaint may choose the next.
    int ActiveFrame() const { return FActiveFrame; }
    void SetActiveFrame(int value) { FActiveFrame = value; }
    int AnimationSpeed() const { return FAnimationSpeed; }
    void SetAnimationSpeed(int value) { FAnimationSpeed = value; }
    TGIFDrawOptions DrawOptions() const { return FDrawOptions; }
    TCanvas* Canvas() const { return FCanvas; }
    const TRect& Rect() const { return FRect; }
    TColor BackgroundColor() const { return FBackgroundColor; }
    // The exception that ended the painter, if any.
    std::exception_ptr Error() const { return FError; }

    TGIFPainterEvent OnStartPaint;
    TGIFPainterEvent OnPaint;
    TGIFPainterEvent OnAfterPaint;
    TGIFPainterEvent OnLoop;
    TGIFPainterEvent OnEndPaint;

private:
    void RunFrames();
    // Waits the delay (in units) before the active frame.
    void WaitBeforeFrame(int delay);
    void PaintDirect();
    void PaintFrame();
    // A frame has been painted.
    void MarkStarted();
    // Restores the active frame's area of the backup buffer to what was behind the picture.
    void ClearBackup();
    // In the main thread for an asynchronous painter; nothing once terminated.
    void Synchronized(const std::function<void()>& fn);
    void Fire(const TGIFPainterEvent& event);
    bool Stopping() const { return FTerminated || FRestart; }
    // With drawValidateCanvas, false (and the painter ends) once the target canvas has gone.
    bool CanvasAlive();
    // A bitmap of the rectangle's size holding the canvas under the rectangle.
    std::unique_ptr<TBitmap> CopyOfTarget() const;

    TGIFImage* FImage;
    TCanvas* FCanvas;
    TRect FRect;
    TGIFDrawOptions FDrawOptions;
    TGIFPainterClock FClock;
    bool FAsync;
    std::atomic<int> FAnimationSpeed;
    std::atomic<int> FActiveFrame{-1};
    std::atomic<bool> FTerminated{false};
    std::atomic<bool> FFinished{false};
    std::atomic<bool> FStarted{false};
    bool FRestart = false;
    TColor FBackgroundColor;
    std::unique_ptr<TBitmap> FBackupBuffer;
    std::unique_ptr<TBitmap> FFrameBuffer;
    std::unique_ptr<TBitmap> FBackgroundBuffer;
    uint8_t FDisposal = dmNone;
    uint8_t FPreviousDisposal = dmNone;
    // Timing between frames, in milliseconds of the clock.
    int64_t FLastTime = 0;
    int64_t FOverrun = 0;
    std::unique_ptr<TAutoResetEvent> FWakeEvent;
    // The target's handle, remembered at the start of a run with drawValidateCanvas.
    uint64_t FCanvasHandle = 0;
    std::atomic<int> FPriority{tpNormal};
    // The running thread's system id, 0 when none runs; guarded so that a priority is never
    // given to an id the system may have handed on.
    std::mutex FThreadIdLock;
    int FThreadId = 0;
    std::exception_ptr FError;
    std::thread FThread;
};
