#include <gtest/gtest.h>

#include "gif/GIFAppExtension.h"
#include "gif/GIFPainter.h"
#include "platform/graphics/Canvas.h"
#include "tests/gif/GifPictureFixtures.h"

namespace {

TGIFGraphicControlExtension& GCE(TGIFSubImage* frame) {
    if (!frame->GraphicControlExtension())
        frame->Extensions().Add(std::make_unique<TGIFGraphicControlExtension>(frame));
    return *frame->GraphicControlExtension();
}

// What a synchronous painter leaves on a grey canvas after each frame, one string per frame
// with a letter per pixel (k black, w white, r red, g green, b blue, . grey), consecutive
// repeats dropped: the animation as a viewer sees it.
std::vector<std::string> Looks(TGIFImage& image) {
    TGIFPainterClock clock;
    int64_t now = 0;
    clock.Now = [&] { return now; };
    clock.Sleep = [&](int64_t ms) { now += ms; };
    auto target = FilledBitmap(image.Width(), image.Height(), clGray);
    const TGIFDrawOptions once =
        GIFDefaultDrawOptions & ~(GIFDrawFlag(drawAsync) | GIFDrawFlag(drawLoop));
    TGIFPainter painter(&image, once, TRect{0, 0, image.Width(), image.Height()}, target->Canvas(),
                        clock);
    std::vector<std::string> looks;
    painter.OnAfterPaint = [&](TGIFPainter*) {
        std::string s;
        for (TColor c : PixelsOf(*target))
            s += c == clBlack   ? 'k'
                 : c == clWhite ? 'w'
                 : c == clRed   ? 'r'
                 : c == clLime  ? 'g'
                 : c == clBlue  ? 'b'
                 : c == clGray  ? '.'
                                : '?';
        if (looks.empty() || looks.back() != s) looks.push_back(s);
    };
    painter.Execute();
    return looks;
}

std::string BoundsText(const TGIFSubImage& f) {
    return std::to_string(f.Left()) + "," + std::to_string(f.Top()) + " " +
           std::to_string(f.Width()) + "x" + std::to_string(f.Height());
}

// Optimises with every option and checks that the animation still looks the same.
void OptimizeKeepingLooks(TGIFImage& image) {
    const std::vector<std::string> before = Looks(image);
    image.Optimize(GIFAllOptimizations, reduceNone);
    EXPECT_EQ(Looks(image), before);
}

TEST(GIFOptimize, RepeatedFramesMergeCropAndGoWithTheirDelayKept) {
    TGIFImage image;
    AddBasicColors(image);
    AddFrame(image, 0, 0, {"1111", "1111", "1111"});
    AddFrame(image, 0, 0, {"1111", "1111", "1111"});
    AddFrame(image, 0, 0, {"1111", "1222", "1222"});
    GCE(image.Images().SubImages(0)).SetDelay(10);
    GCE(image.Images().SubImages(1)).SetDelay(20);
    GCE(image.Images().SubImages(2)).SetDelay(30);
    OptimizeKeepingLooks(image);
    ASSERT_EQ(image.Images().Count(), 2);
    // The repeated frame's time is the first frame's now.
    EXPECT_EQ(image.Images().SubImages(0)->GraphicControlExtension()->Delay(), 30);
    // Only the changed 3 × 2 area of the last frame is left.
    const TGIFSubImage* last = image.Images().SubImages(1);
    EXPECT_EQ(BoundsText(*last), "1,1 3x2");
}

TEST(GIFOptimize, DisposalsThatRestoreNothingVisibleBecomeNone) {
    struct {
        const char* Name;
        std::initializer_list<const char*> Next;  // the next frame, at (0, 0)
        int NextDisposal;
        int Expected;  // frame 0's disposal afterwards
    } cases[] = {
        {"inside the next opaque frame", {"333", "333"}, 0, 0},
        {"larger than the next frame", {"33"}, 0, dmBackground},
        {"next frame restores the previous state", {"333", "333"}, dmPrevious, dmBackground},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TGIFImage image;
        AddBasicColors(image);
        AddFrame(image, 0, 0, {"222", "222"});
        AddFrame(image, 0, 0, c.Next);
        AddFrame(image, 2, 1, {"4"});
        GCE(image.Images().SubImages(0)).SetDisposal(dmBackground);
        if (c.NextDisposal) GCE(image.Images().SubImages(1)).SetDisposal(uint8_t(c.NextDisposal));
        image.Optimize(GIFOptimizeFlag(optimizeCleanup), reduceNone);
        // A plain extension left with disposal none is dropped by the same cleanup.
        const TGIFGraphicControlExtension* gce =
            image.Images().SubImages(0)->GraphicControlExtension();
        EXPECT_EQ(gce ? gce->Disposal() : 0, c.Expected);
    }
}

TEST(GIFOptimize, AnimationsLookTheSameAfterwards) {
    struct {
        const char* Name;
        std::function<void(TGIFImage&)> Build;
    } cases[] = {
        {"a frame disposed to the background is not cropped",
         [](TGIFImage& image) {
             AddFrame(image, 0, 0, {"222", "000"}, 0);
             AddFrame(image, 0, 0, {"000", "040"}, 0);
             GCE(image.Images().SubImages(0)).SetDisposal(dmBackground);
         }},
        {"another frame's transparent index is a colour here",
         [](TGIFImage& image) {
             AddFrame(image, 0, 0, {"002", "000"}, 2);
             AddFrame(image, 0, 0, {"002", "221"});
             AddFrame(image, 0, 0, {"002", "224"});
         }},
        {"a previous-state frame between",
         [](TGIFImage& image) {
             AddFrame(image, 0, 0, {"111", "111"});
             AddFrame(image, 1, 0, {"22"});
             AddFrame(image, 0, 0, {"111", "141"});
             GCE(image.Images().SubImages(1)).SetDisposal(dmPrevious);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TGIFImage image;
        AddBasicColors(image);
        c.Build(image);
        OptimizeKeepingLooks(image);
    }
    // The background frame keeps its size.
    TGIFImage image;
    AddBasicColors(image);
    cases[0].Build(image);
    image.Optimize(GIFAllOptimizations, reduceNone);
    EXPECT_EQ(BoundsText(*image.Images().SubImages(0)), "0,0 3x2");
}

TEST(GIFOptimize, CleanupDropsWhatDoesNotShow) {
    TGIFImage image;
    AddBasicColors(image);
    for (int i = 0; i < 2; ++i) {
        TGIFSubImage* frame = AddFrame(image, 0, 0, {i ? "12" : "21"});
        frame->Extensions().Add(std::make_unique<TGIFCommentExtension>(frame));
        frame->Extensions().Add(std::make_unique<TGIFAppExtNSLoop>(frame));
        GCE(frame).SetDelay(5);
    }
    // A transparent index that never occurs is no transparency.
    GCE(image.Images().SubImages(1)).SetTransparent(true);
    GCE(image.Images().SubImages(1)).SetTransparentColorIndex(4);
    image.Optimize(GIFOptimizeFlag(optimizeCleanup), reduceNone);
    ASSERT_EQ(image.Images().Count(), 2);
    const auto kinds = [](TGIFSubImage* f) {
        std::string s;
        for (int i = 0; i < f->Extensions().Count(); ++i)
            s += f->Extensions().Items(i) == f->GraphicControlExtension()               ? "gce "
                 : dynamic_cast<TGIFAppExtNSLoop*>(f->Extensions().Items(i)) != nullptr ? "loop "
                                                                                        : "? ";
        return s;
    };
    EXPECT_EQ(kinds(image.Images().SubImages(0)), "loop gce ");
    EXPECT_EQ(kinds(image.Images().SubImages(1)), "gce ");
    EXPECT_FALSE(image.Images().SubImages(1)->Transparent());

    // A single frame loses its loop and a graphic control extension that carries nothing.
    TGIFImage single;
    AddBasicColors(single);
    TGIFSubImage* frame = AddFrame(single, 0, 0, {"1"});
    frame->Extensions().Add(std::make_unique<TGIFAppExtNSLoop>(frame));
    GCE(frame).SetDelay(5);
    single.Optimize(GIFOptimizeFlag(optimizeCleanup), reduceNone);
    EXPECT_EQ(frame->Extensions().Count(), 0);
}

TEST(GIFOptimize, AFullGlobalTableBlocksMergingOpaqueFrames) {
    TGIFImage image;
    for (int i = 0; i < 256; ++i) image.GlobalColorMap().Add(uint32_t(i));
    AddFrame(image, 0, 0, {"11"});
    AddFrame(image, 0, 0, {"12"});
    image.Optimize(GIFOptimizeFlag(optimizeMerge), reduceNone);
    EXPECT_FALSE(image.Images().SubImages(1)->Transparent());
    EXPECT_EQ(image.Images().SubImages(1)->Pixels(0, 0), 1);
}

TEST(GIFOptimize, PaletteReductionIsNotAnOption) {
    TGIFImage image;
    AddBasicColors(image);
    AddFrame(image, 0, 0, {"1"});
    // Refused before anything changes: the tables stay unsorted.
    EXPECT_THROW(
        image.Optimize(GIFOptimizeFlag(optimizeReduceColors) | GIFOptimizeFlag(optimizeColorTables),
                       reducePalette),
        GIFException);
    EXPECT_FALSE(image.GlobalColorMap().Optimized());
    EXPECT_NO_THROW(image.Optimize(
        GIFOptimizeFlag(optimizeReduceColors) | GIFOptimizeFlag(optimizeCleanup), reducePalette));
}

}  // namespace
