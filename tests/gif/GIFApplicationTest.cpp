// The GIF unit inside a running application: painters' calls reach the main loop, and pictures
// go through the clipboard. The application is made off screen here, once, for these tests.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <cstdlib>
#include <memory>
#include <thread>

#include "gif/GIFFormat.h"
#include "gif/GIFPainter.h"
#include "gif/GIFThreads.h"
#include "platform/ui/Application.h"
#include "platform/ui/Clipboard.h"
#include "tests/gif/GifPictureFixtures.h"

namespace {

class GIFInApplication : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (Application) return;
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        static int argc = 1;
        static char name[] = "test_gif";
        static char* argv[] = {name, nullptr};
        static TApplication app(argc, argv);
    }
    void SetUp() override {
        RegisterGIFImageFormat();
        RegisterGIFImageFormat();  // twice changes nothing
    }
    void TearDown() override { UnregisterGIFImageFormat(); }
};

TEST_F(GIFInApplication, PainterCallsRunInTheMainThreadWhileItsLoopWaits) {
    const std::thread::id mainId = std::this_thread::get_id();
    std::thread::id syncIn, queuedIn;
    int queuedRuns = 0;
    bool workerDone = false;
    std::thread worker([&] {
        Synchronize([&] { syncIn = std::this_thread::get_id(); });
        QueueToMainThread([&] {
            queuedIn = std::this_thread::get_id();
            ++queuedRuns;
            workerDone = true;
        });
    });
    // Only the loop's waiting for events: the wake-up is what makes it run the calls.
    QElapsedTimer clock;
    clock.start();
    while (!workerDone && clock.elapsed() < 3000) TApplication::HandleMessage();
    worker.join();
    EXPECT_EQ(syncIn, mainId);
    EXPECT_EQ(queuedIn, mainId);
    EXPECT_EQ(queuedRuns, 1);

    // Unregistered, nobody wakes the loop nor drains the queue.
    UnregisterGIFImageFormat();
    std::thread late([&] { QueueToMainThread([&] { ++queuedRuns; }); });
    late.join();
    TApplication::ProcessMessages();
    EXPECT_EQ(queuedRuns, 1);
    EXPECT_TRUE(CheckSynchronize());
    EXPECT_EQ(queuedRuns, 2);
}

TEST_F(GIFInApplication, ASynchronousPainterKeepsTheProgramsWorkFlowingWhileItWaits) {
    TGIFImage image;
    AddBasicColors(image);
    for (int x : {0, 1}) {
        TGIFSubImage* frame = AddFrame(image, x, 0, {"1"});
        auto gce = std::make_unique<TGIFGraphicControlExtension>(frame);
        gce->SetDelay(50);  // 600 ms
        frame->Extensions().Add(std::move(gce));
    }
    // Time passes only in the painter's sleeps; work handed to the main loop during the first
    // one is done before the second.
    int64_t now = 0;
    int sleeps = 0, doneAfterSleep = 0;
    TGIFPainterClock clock;
    clock.Now = [&] { return now; };
    clock.Sleep = [&](int64_t ms) {
        now += ms;
        if (++sleeps == 1) QueueToMainThread([&] { doneAfterSleep = sleeps; });
    };
    TBitmap target(2, 1);
    TGIFPainter painter(&image, GIFDefaultDrawOptions & ~GIFDrawFlag(drawAsync), TRect{0, 0, 2, 1},
                        target.Canvas(), clock);
    painter.Execute();
    EXPECT_EQ(doneAfterSleep, 1);
    EXPECT_GT(sleeps, 2);
}

TEST_F(GIFInApplication, PictureRoundTripsThroughTheClipboard) {
    TGIFImage source;
    AddBasicColors(source);
    AddFrame(source, 0, 0, {"0123", "4321"});
    Clipboard()->Assign(source);
    EXPECT_TRUE(Clipboard()->HasFormat("GIF Image"));
    // Beside it, the picture as a bitmap for programs that know no GIF.
    TBitmap asBitmap;
    ASSERT_TRUE(Clipboard()->GetGraphic(asBitmap));
    EXPECT_EQ(PixelsOf(asBitmap), PixelsOf(*source.Bitmap()));

    TGIFImage back;
    ASSERT_TRUE(Clipboard()->GetGraphic(back));
    ASSERT_EQ(back.Width(), 4);
    ASSERT_EQ(back.Height(), 2);
    EXPECT_EQ(PixelsOf(*back.Bitmap()), PixelsOf(*source.Bitmap()));

    // An empty picture leaves nothing behind; a bitmap on the clipboard is no GIF.
    TGIFImage empty;
    Clipboard()->Assign(empty);
    EXPECT_FALSE(Clipboard()->HasFormat("GIF Image"));
    Clipboard()->Assign(*FilledBitmap(2, 2, clRed));
    EXPECT_FALSE(Clipboard()->GetGraphic(back));
    EXPECT_EQ(back.Width(), 4);
}

}  // namespace

namespace {

// Only in a program without any application (a ctest run of this test alone): there is no
// clipboard to take the picture.
TEST(GIFWithoutApplication, AClipboardThatCannotTakeThePictureFails) {
    if (Application) GTEST_SKIP() << "an application exists in this run";
    RegisterGIFImageFormat();
    TGIFImage picture;
    AddBasicColors(picture);
    AddFrame(picture, 0, 0, {"01"});
    std::string message;
    try {
        Clipboard()->Assign(picture);
    } catch (const GIFException& e) {
        message = e.Message();
    }
    EXPECT_EQ(message, "Failed to store GIF on clipboard");
    UnregisterGIFImageFormat();
}

}  // namespace
