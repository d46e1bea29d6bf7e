#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <atomic>
#include <climits>
#include <thread>

#include "gif/GIFAppExtension.h"
#include "gif/GIFPainter.h"
#include "platform/graphics/Canvas.h"
#include "tests/gif/GifPictureFixtures.h"

namespace {

// A picture of one-pixel frames side by side with the given delays (0: no delay set),
// optionally looping count times through a loop extension on the first frame.
std::unique_ptr<TGIFImage> Animation(std::initializer_list<int> delays, int loops = -1) {
    auto image = std::make_unique<TGIFImage>();
    AddBasicColors(*image);
    int x = 0;
    for (int delay : delays) {
        TGIFSubImage* frame = AddFrame(*image, x++, 0, {"1"});
        auto gce = std::make_unique<TGIFGraphicControlExtension>(frame);
        gce->SetDelay(uint16_t(delay));
        frame->Extensions().Add(std::move(gce));
    }
    if (loops >= 0) {
        TGIFSubImage* first = image->Images().SubImages(0);
        auto loop = std::make_unique<TGIFAppExtNSLoop>(first);
        loop->SetLoops(uint16_t(loops));
        first->Extensions().Add(std::move(loop));
    }
    return image;
}

// Time that passes only when the painter waits or sleeps; every paint is logged with its time.
struct TVirtualTime {
    int64_t Now = 0;
    std::vector<int64_t> Waits;
    std::vector<std::string> Log;  // "frame@ms"
    TGIFPainter* Painter = nullptr;
    size_t StopAfter = 8;

    TGIFPainterClock Clock() {
        TGIFPainterClock clock;
        clock.Now = [this] { return Now; };
        clock.Wait = [this](int64_t ms) {
            Waits.push_back(ms);
            if (ms < 0) {  // nothing would ever come but a stop
                Painter->Stop();
                return true;
            }
            Now += ms;
            return false;
        };
        clock.Sleep = [this](int64_t ms) { Now += ms; };
        return clock;
    }

    // Runs the painter in this thread until it ends or has painted StopAfter frames.
    void Run(TGIFPainter& painter) {
        Painter = &painter;
        painter.OnPaint = [this](TGIFPainter* p) {
            Log.push_back(std::to_string(p->ActiveFrame()) + "@" + std::to_string(Now));
            if (Log.size() >= StopAfter) p->Stop();
        };
        painter.Execute();
    }
};

constexpr TGIFDrawOptions Async = GIFDefaultDrawOptions;
constexpr TGIFDrawOptions Sync = GIFDefaultDrawOptions & ~GIFDrawFlag(drawAsync);

TEST(GIFPainterTiming, DelaysSpeedsAndLoops) {
    using Log = std::vector<std::string>;
    struct {
        const char* Name;
        std::initializer_list<int> Delays;
        int Loops;
        int Speed;
        TGIFDrawOptions Options;
        size_t StopAfter;
        Log Expected;
    } cases[] = {
        {"default and given delay", {0, 50}, 0, 100, Async, 4, {"0@0", "1@120", "0@720", "1@840"}},
        {"twice as fast", {0, 50}, 0, 200, Async, 4, {"0@0", "1@60", "0@360", "1@420"}},
        {"delay 1 is 3 units", {1, 1}, 0, 100, Async, 3, {"0@0", "1@36", "0@72"}},
        {"negative speed never waits", {0, 50}, 0, -1, Async, 4, {"0@0", "1@0", "0@0", "1@0"}},
        {"speed 0 pauses until stopped", {0, 50}, 0, 0, Async, 8, {"0@0"}},
        // A synchronous painter starts with one unit and shows the sequence once.
        {"synchronous delays stop at 1000 units", {2000, 5}, 0, 100, Sync, 3, {"0@12", "1@12012"}},
        {"count 2: two passes", {5, 5}, 2, 100, Async, 8, {"0@0", "1@60", "0@120", "1@180"}},
        {"count 0: forever when asynchronous",
         {5, 5},
         0,
         100,
         Async,
         5,
         {"0@0", "1@60", "0@120", "1@180", "0@240"}},
        {"count 0: once when synchronous", {5, 5}, 0, 100, Sync, 8, {"0@12", "1@72"}},
        {"no loop extension: one pass", {5, 5}, -1, 100, Async, 8, {"0@0", "1@60"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        auto image = Animation(c.Delays, c.Loops);
        image->SetAnimationSpeed(c.Speed);
        TVirtualTime time;
        time.StopAfter = c.StopAfter;
        TBitmap target(4, 1);
        TGIFPainter painter(image.get(), c.Options, TRect{0, 0, 4, 1}, target.Canvas(),
                            time.Clock());
        time.Run(painter);
        EXPECT_EQ(time.Log, c.Expected);
        if (c.Speed == 0) {
            EXPECT_EQ(time.Waits, std::vector<int64_t>{-1});
        }
        if (c.Speed < 0) {
            EXPECT_TRUE(time.Waits.empty());
        }
    }
}

TEST(GIFPainterEvents, OrderAndAHandlerChoosesTheNextFrame) {
    auto image = Animation({5, 5, 5}, 2);
    TVirtualTime time;
    TBitmap target(4, 1);
    TGIFPainter painter(image.get(), Async, TRect{0, 0, 4, 1}, target.Canvas(), time.Clock());
    std::vector<std::string> events;
    auto note = [&](const char* name) {
        return [&events, name](TGIFPainter* p) {
            events.push_back(std::string(name) + std::to_string(p->ActiveFrame()));
        };
    };
    painter.OnStartPaint = note("start");
    painter.OnLoop = note("loop");
    painter.OnEndPaint = note("end");
    // After frame 0 the handler skips frame 1.
    painter.OnAfterPaint = [&](TGIFPainter* p) {
        events.push_back("after" + std::to_string(p->ActiveFrame()));
        if (p->ActiveFrame() == 0) p->SetActiveFrame(2);
    };
    painter.Execute();
    EXPECT_EQ(events, (std::vector<std::string>{"start0", "after0", "after2", "loop0", "after0",
                                                "after2", "end-1"}));
}

// The target's pixels after each frame of a synchronous painter.
std::vector<std::string> Composited(TGIFImage& image, TGIFDrawOptions options) {
    TVirtualTime time;
    auto target = FilledBitmap(3, 1, clGray);
    TGIFPainter painter(&image, options, TRect{0, 0, 3, 1}, target->Canvas(), time.Clock());
    std::vector<std::string> frames;
    painter.OnAfterPaint = [&](TGIFPainter*) {
        std::string row;
        for (int x = 0; x < 3; ++x) {
            const TColor c = target->Canvas()->Pixel(x, 0);
            row += c == clGray    ? 'g'
                   : c == clRed   ? 'r'
                   : c == clBlue  ? 'b'
                   : c == clBlack ? 'k'
                                  : '?';
        }
        frames.push_back(row);
    };
    painter.Execute();
    return frames;
}

TEST(GIFPainterDisposal, BackgroundAndPreviousRestoreWhatTheyCovered) {
    const TGIFDrawOptions once = Sync & ~GIFDrawFlag(drawLoop);
    // Frame 0 red at 0, disposed to the background; frame 1 blue at 2.
    TGIFImage background;
    AddBasicColors(background);
    background.SetWidth(3);
    background.SetHeight(1);
    AddFrame(background, 0, 0, {"2"});
    AddFrame(background, 2, 0, {"4"});
    auto gce = std::make_unique<TGIFGraphicControlExtension>(background.Images().SubImages(0));
    gce->SetDisposal(dmBackground);
    background.Images().SubImages(0)->Extensions().Add(std::move(gce));
    // Transparent drawing restores what was behind the picture: grey.
    EXPECT_EQ(Composited(background, once), (std::vector<std::string>{"rgg", "ggb"}));
    // Opaque drawing fills with the picture's background colour (entry 0, black).
    EXPECT_EQ(Composited(background, once & ~GIFDrawFlag(drawTransparent)),
              (std::vector<std::string>{"rgg", "kgb"}));

    // Frame 0 black everywhere; frame 1 red at 1, disposed to the previous state; frame 2 blue.
    TGIFImage previous;
    AddBasicColors(previous);
    AddFrame(previous, 0, 0, {"000"});
    AddFrame(previous, 1, 0, {"2"});
    AddFrame(previous, 2, 0, {"4"});
    gce = std::make_unique<TGIFGraphicControlExtension>(previous.Images().SubImages(1));
    gce->SetDisposal(dmPrevious);
    previous.Images().SubImages(1)->Extensions().Add(std::move(gce));
    EXPECT_EQ(Composited(previous, once), (std::vector<std::string>{"kkk", "krk", "kkb"}));
}

// Waits, running the main thread's calls, until done(). A wait that never ends is caught by
// the test program's time limit.
void WaitUntil(const std::function<bool()>& done) { WaitRunningMainThreadCalls(done, true); }

TEST(GIFPainterThreads, StopEndsAWaitWithoutLimit) {
    // Speed 0: after the first frame the painter waits for the next one until it is stopped,
    // so only Stop can end it and let the painter go.
    auto image = Animation({2, 2}, 0);
    image->SetAnimationSpeed(0);
    TBitmap target(4, 1);
    auto painter =
        std::make_unique<TGIFPainter>(image.get(), Async, TRect{0, 0, 4, 1}, target.Canvas());
    painter->Start();
    WaitUntil([&] { return painter->Started(); });
    painter.reset();
}

TEST(GIFPainterThreads, DrawingAnimatesOnThePicturesBitmapUntilThePictureGoes) {
    auto image = Animation({2, 2}, 0);
    int changes = 0;
    image->OnChange = [&](TObject*) { ++changes; };
    auto target = FilledBitmap(4, 1, clGray);
    target->Canvas()->Draw(0, 0, image.get());
    // Draw returns once the first frame is painted, and shows it.
    EXPECT_EQ(target->Canvas()->Pixel(0, 0), clWhite);
    EXPECT_EQ(image->PainterCount(), 1);
    ASSERT_NE(image->DrawPainter(), nullptr);
    // The painter goes on in its thread and tells the picture about every frame.
    WaitUntil([&] { return changes > 4; });
    image.reset();  // stops the painter while it is running
}

TEST(GIFPainterThreads, AFailingHandlerEndsThePainterAndReachesTheMainThread) {
    auto image = Animation({2, 2}, 0);
    image->OnPaint = [](TGIFPainter*) { throw Exception("handler failed"); };
    TBitmap target(4, 1);

    // Asynchronous: the failure comes out of the main thread's queue, which the draw itself
    // may be running while it waits for the first frame.
    std::string caught;
    try {
        target.Canvas()->Draw(0, 0, image.get());
    } catch (const Exception& e) {
        caught = e.Message();
    }
    if (caught.empty()) {
        try {
            WaitRunningMainThreadCalls([] { return false; }, false);
        } catch (const Exception& e) {
            caught = e.Message();
        }
    }
    EXPECT_EQ(caught, "handler failed");
    WaitUntil([&] { return image->PainterCount() == 0; });

    // Synchronous: it comes out of the paint itself, and the painter is gone.
    image->SetDrawOptions(Sync);
    EXPECT_THROW(image->InternalPaint(target.Canvas(), TRect{0, 0, 4, 1}, Sync), Exception);
    EXPECT_EQ(image->PainterCount(), 0);
}

}  // namespace

namespace {

TEST(GIFPainterTiming, AClockGoneAstrayWaitsTheLongestDelay) {
    // The clock jumps far back while frame 0 shows: the delay before frame 1 would not fit
    // 32 bits.
    auto image = Animation({5, 5});
    TVirtualTime time;
    TBitmap target(4, 1);
    TGIFPainter painter(image.get(), Async, TRect{0, 0, 4, 1}, target.Canvas(), time.Clock());
    painter.OnAfterPaint = [&](TGIFPainter* p) {
        if (p->ActiveFrame() == 0) time.Now = -(int64_t(1) << 40);
    };
    time.StopAfter = 2;
    time.Run(painter);
    ASSERT_FALSE(time.Waits.empty());
    EXPECT_EQ(time.Waits[0], 12000);
}

TEST(GIFPainterTiming, ASynchronousWaitEndsWhenTheProgramQuits) {
    auto image = Animation({50, 50});
    TVirtualTime time;
    TGIFPainterClock clock = time.Clock();
    int pumps = 0;
    clock.ProcessMessages = [&] { return ++pumps < 3; };  // the third sees the quit
    TBitmap target(4, 1);
    TGIFPainter painter(image.get(), Sync, TRect{0, 0, 4, 1}, target.Canvas(), clock);
    time.Run(painter);
    // Frame 0 waits its unit (one sleep, one pump); frame 1's 600 ms end after two more.
    EXPECT_EQ(time.Log, (std::vector<std::string>{"0@12"}));
    EXPECT_EQ(pumps, 3);
    EXPECT_TRUE(painter.Terminated());
}

TEST(GIFPainterDrawing, ACanvasThatGoesEndsAValidatingPainter) {
    const TGIFDrawOptions validate = Sync | GIFDrawFlag(drawValidateCanvas);
    for (bool disposal : {false, true}) {
        SCOPED_TRACE(disposal ? "painted through the backup" : "painted directly");
        auto image = Animation({5, 5, 5});
        if (disposal) {
            auto* gce = image->Images().SubImages(1)->GraphicControlExtension();
            gce->SetDisposal(dmBackground);
        }
        TVirtualTime time;
        auto target = std::make_unique<TBitmap>(4, 1);
        TGIFPainter painter(image.get(), validate, TRect{0, 0, 4, 1}, target->Canvas(),
                            time.Clock());
        std::vector<int> shown;
        painter.OnAfterPaint = [&](TGIFPainter* p) {
            shown.push_back(p->ActiveFrame());
            target.reset();  // the window the picture was drawn on closes
        };
        painter.Execute();
        EXPECT_EQ(shown, std::vector<int>{0});
        EXPECT_TRUE(painter.Terminated());
    }
}

TEST(GIFPainterThreads, TheThreadRunsAtThePicturesPriority) {
    auto image = Animation({2, 2}, 0);
    image->SetThreadPriority(tpLowest);
    TBitmap target(4, 1);
    // The picture hands its priority to the painters it makes.
    TGIFPainter* made = image->InternalPaint(target.Canvas(), TRect{0, 0, 4, 1}, Async);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->Priority(), tpLowest);
    image->PaintStop();

    std::atomic<int> seen{INT32_MIN};
    TGIFPainterClock clock;
    // The first wait tells; a stopped painter is back at normal priority.
    clock.Wait = [&](int64_t) {
        int unseen = INT32_MIN;
        seen.compare_exchange_strong(unseen, getpriority(PRIO_PROCESS, id_t(CurrentThreadId())));
        return false;
    };
    auto painter = std::make_unique<TGIFPainter>(image.get(), Async, TRect{0, 0, 4, 1},
                                                 target.Canvas(), clock);
    painter->SetPriority(tpLowest);
    painter->Start();
    WaitUntil([&] { return seen != INT32_MIN; });
    painter.reset();
    const int base = getpriority(PRIO_PROCESS, id_t(getpid()));
    EXPECT_EQ(seen, std::min(base + 10, 19));
}

}  // namespace
