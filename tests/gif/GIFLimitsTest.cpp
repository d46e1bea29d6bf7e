// Files that ask for more than the reader holds, and files that must save as they loaded:
// hand-made cases and the kept inputs that once broke the reader.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "GifFixtures.h"
#include "gif/GIFFrameRenderer.h"
#include "gif/GIFLimits.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

namespace {

TBytes ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return TBytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A frame of the given bounds whose data hold only "clear, end": its pixels stay 0.
TByteBuilder& EmptyFrame(TByteBuilder& b, int left, int top, int width, int height) {
    return b.Descriptor(left, top, width, height)
        .Add({2})
        .SubBlocks(TBitPacker().Code(4, 3).Code(5, 3).Finish());
}

// What a picture shows: the screen, and per frame its bounds, indices and rendered colours.
void ExpectSamePicture(TGIFImage& a, TGIFImage& b) {
    EXPECT_EQ(a.Width(), b.Width());
    EXPECT_EQ(a.Height(), b.Height());
    ASSERT_EQ(a.Images().Count(), b.Images().Count());
    for (int i = 0; i < a.Images().Count(); ++i) {
        TGIFSubImage& fa = *a.Images().SubImages(i);
        TGIFSubImage& fb = *b.Images().SubImages(i);
        EXPECT_EQ(fa.Left(), fb.Left());
        EXPECT_EQ(fa.Top(), fb.Top());
        EXPECT_EQ(FramePixels(fa), FramePixels(fb));
        EXPECT_EQ(FrameColors(fa), FrameColors(fb));
    }
}

// Loads bytes, saves the picture, loads that again: the same picture both times.
void ExpectRoundTrip(const TBytes& bytes) {
    TLoadedGif first;
    first.Load(bytes);
    TLoadedGif second;
    second.Load(SaveBytes(first.Image));
    ExpectSamePicture(first.Image, second.Image);
}

std::string LoadFault(const TBytes& bytes) {
    TLoadedGif gif;
    try {
        gif.Load(bytes);
    } catch (const GIFException& e) {
        EXPECT_GE(e.Offset(), 0);
        return FaultText(e);
    }
    return "no exception";
}

const std::string TooLarge = std::string(sPictureTooLarge) + ": ";

}  // namespace

TEST(GIFLimits, KeptInputsAreRefusedOrSaveAsTheyLoaded) {
    int seen = 0;
    for (const auto& entry : std::filesystem::directory_iterator(KV_GIF_REGRESSIONS)) {
        const std::filesystem::path& path = entry.path();
        if (path.extension() != ".bin") continue;
        SCOPED_TRACE(path.filename().string());
        ++seen;
        const TBytes bytes = ReadFile(path);
        if (path.filename().string().starts_with("roundtrip-")) {
            ExpectRoundTrip(bytes);
            continue;
        }
        if (path.filename().string().starts_with("frameless-")) {
            // Every block warned away: the picture loads empty, with the reason, and saving a
            // picture without a frame is refused rather than written as a broken file.
            TLoadedGif gif;
            gif.Load(bytes);
            EXPECT_EQ(gif.Image.Images().Count(), 0);
            EXPECT_FALSE(gif.Warnings.empty());
            TMemoryStream out;
            EXPECT_THROW(gif.Image.SaveToStream(out), GIFException);
            continue;
        }
        TLoadedGif gif;
        try {
            gif.Load(bytes);
            ADD_FAILURE() << "loaded";
        } catch (const Exception& e) {
            EXPECT_FALSE(e.Message().empty());
        }
    }
    EXPECT_GE(seen, 3);
}

TEST(GIFLimits, ScreensAndFramesBeyondTheLimitsAreRefused) {
    // A declared screen over the limit; frames that grow a small screen over it; a frame the
    // 16-bit fields allow but that alone is over the whole budget.
    TByteBuilder declared;
    EmptyFrame(declared.Header(8192, 4097), 0, 0, 1, 1).Add({0x3B});
    TByteBuilder grown;
    EmptyFrame(EmptyFrame(grown.Header(1, 1), 0, 0, 8192, 1), 0, 4096, 1, 1).Add({0x3B});
    TByteBuilder huge;
    EmptyFrame(huge.Header(1, 1), 0, 0, 0xFFFF, 0xFFFF).Add({0x3B});
    EXPECT_TRUE(LoadFault(declared.Bytes).starts_with(TooLarge + "its logical screen"));
    EXPECT_TRUE(LoadFault(grown.Bytes).starts_with(TooLarge + "its logical screen"));
    EXPECT_EQ(LoadFault(huge.Bytes), sBadImageDimensions);
}

TEST(GIFLimits, FramesAndSizesSetBeyondTheScreenLimitAreRefused) {
    auto image = MakeImage(2, 2, {0, 1, 1, 0}, 1);
    TGIFSubImage& frame = *image->Images().SubImages(0);
    EXPECT_THROW(frame.SetBounds(0, 0, 8192, 4097), GIFException);
    EXPECT_EQ(frame.Width(), 2);
    EXPECT_EQ(image->Height(), 2);
    EXPECT_EQ(FramePixels(frame), (TBytes{0, 1, 1, 0}));
    // The screen alone up to its limit; the frame stays small.
    image->SetWidth(8192);
    EXPECT_THROW(image->SetHeight(4097), GIFException);
    image->SetHeight(4096);
    EXPECT_EQ(int64_t(image->Width()) * image->Height(), GIFMaxScreenPixels);
    EXPECT_THROW(image->SetWidth(8193), GIFException);
    EXPECT_THROW(image->SetHeight(4097), GIFException);
    EXPECT_EQ(image->Width(), 8192);
    EXPECT_EQ(image->Height(), 4096);
}

TEST(GIFLimits, TheLargestScreenLoads) {
    TByteBuilder b;
    EmptyFrame(b.Header(8192, 4096), 8191, 4095, 1, 1).Add({0x3B});
    TLoadedGif gif;
    gif.Load(b.Bytes);
    EXPECT_EQ(int64_t(gif.Image.Width()) * gif.Image.Height(), GIFMaxScreenPixels);
}

TEST(GIFLimits, FramesTogetherBeyondTheBudgetAreRefused) {
    // Counted from the descriptors before any pixels exist (the reader's screen cases above
    // go through the same budget): frames filling the largest screen, one more than the
    // budget holds.
    TGIFLoadBudget budget(8192, 4096);
    const int64_t fit = GIFMaxTotalPixels / GIFMaxScreenPixels;
    for (int64_t i = 0; i < fit; ++i) budget.TakeFrame(0, 0, 8192, 4096);
    try {
        budget.TakeFrame(0, 0, 1, 1);
        ADD_FAILURE() << "no exception";
    } catch (const GIFException& e) {
        EXPECT_TRUE(e.Message().starts_with(TooLarge + "its frames hold more than"));
    }
}

TEST(GIFLimits, IndicesBeyondTheTableSaveAsTheyShow) {
    // A 2 × 1 frame with indices 3 and 1 in a global table of 2, and a local table of 2 with
    // index 6: the tables widen with black, the colour those indices showed.
    TByteBuilder global;
    global.Header(2, 1, 0).Descriptor(0, 0, 2, 1).Add({3});
    global.SubBlocks(TBitPacker().Code(8, 4).Code(3, 4).Code(1, 4).Code(9, 4).Finish());
    global.Add({0x3B});
    TByteBuilder local;
    local.Header(1, 1, 0).Descriptor(0, 0, 1, 1, 0x80).Add({10, 20, 30, 40, 50, 60}).Add({3});
    local.SubBlocks(TBitPacker().Code(8, 4).Code(6, 4).Code(9, 4).Finish()).Add({0x3B});
    for (const TBytes& bytes : {global.Bytes, local.Bytes}) {
        ExpectRoundTrip(bytes);
        TLoadedGif gif;
        gif.Load(bytes);
        TGIFSubImage& frame = *gif.Image.Images().SubImages(0);
        const TBytes pixels = FramePixels(frame);
        const int highest = *std::max_element(pixels.begin(), pixels.end());
        EXPECT_EQ(frame.ActiveColorMap().Count(), highest + 1);
        EXPECT_EQ(FrameColors(frame)[size_t(highest)], 0u);
    }
}

TEST(GIFLimits, AFrameIsDrawnClippedToTheScreen) {
    // The screen's 16-bit width ends at 65535: of a frame 4 wide at 65534 one column shows.
    TGIFImage source;
    for (int i = 0; i < 4; ++i) source.GlobalColorMap().Add(uint32_t(0x404040 * i));
    auto frame = std::make_unique<TGIFSubImage>(&source);
    frame->SetBounds(0xFFFE, 0, 4, 1);
    for (int x = 0; x < 4; ++x) frame->SetPixels(x, 0, uint8_t(3 - x));
    source.Add(std::move(frame));
    TLoadedGif gif;
    gif.Load(SaveBytes(source));
    EXPECT_EQ(gif.Image.Width(), 0xFFFF);
    TGIFSubImage& loaded = *gif.Image.Images().SubImages(0);
    EXPECT_EQ(FramePixels(loaded), (TBytes{3, 2, 1, 0}));
    const TRect drawn = loaded.DrawnBounds();
    EXPECT_EQ(drawn, (TRect{0xFFFE, 0, 0xFFFF, 1}));
    TBitmap* bitmap = loaded.Bitmap();
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->Width(), 1);
    EXPECT_EQ(bitmap->Height(), 1);
    EXPECT_EQ(bitmap->Canvas()->Pixel(0, 0), TColor(0xC0C0C0));
}
