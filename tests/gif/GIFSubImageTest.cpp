// The frame and picture cores: bounds against the logical screen, pixel access, cropping,
// copies, and descriptors asking for more than the codec holds.
#include <gtest/gtest.h>

#include "GifFixtures.h"
#include "gif/GIFExtension.h"

namespace {

TEST(GIFSubImage, BoundsGrowTheScreenWithWarnings) {
    struct TCase {
        int ScreenWidth, ScreenHeight;
        std::vector<std::string> Warnings;
    };
    const TCase cases[] = {
        {0, 0, {}},  // an empty screen simply takes the frame's size
        {10, 20, {sImageWidthTooSmall, sImageExceedsScreen}},
        {20, 10, {sImageHeightTooSmall, sImageExceedsScreen}},
        {15, 15, {}},
    };
    for (const TCase& c : cases) {
        TLoadedGif gif;
        gif.Image.Header().LogicalScreenDescriptor().ScreenWidth = uint16_t(c.ScreenWidth);
        gif.Image.Header().LogicalScreenDescriptor().ScreenHeight = uint16_t(c.ScreenHeight);
        auto frame = std::make_unique<TGIFSubImage>(&gif.Image);
        frame->SetBounds(5, 5, 10, 10);
        EXPECT_EQ(frame->DataSize(), 100);
        EXPECT_EQ(gif.Warnings, c.Warnings);
        EXPECT_EQ(gif.Image.Width(), std::max(c.ScreenWidth, 15));
        EXPECT_EQ(gif.Image.Height(), std::max(c.ScreenHeight, 15));
    }
}

TEST(GIFSubImage, PixelAccessChecksCoordinates) {
    auto image = MakeImage(3, 2, {0, 1, 2, 3, 4, 5});
    TGIFSubImage& frame = *image->Images().SubImages(0);
    EXPECT_EQ(frame.Pixels(2, 1), 5);
    frame.SetPixels(0, 1, 9);
    EXPECT_EQ(frame.Scanline(1)[0], 9);
    for (auto [x, y] : {std::pair{3, 0}, {-1, 0}, {0, 2}, {0, -1}}) {
        try {
            frame.Pixels(x, y);
            ADD_FAILURE() << x << "," << y;
        } catch (const GIFException& e) {
            EXPECT_EQ(e.Message(), sBadPixelCoordinates);
        }
    }
    TGIFSubImage flat(image.get());
    flat.SetBounds(0, 0, 0, 3);
    try {
        flat.Scanline(0);
        ADD_FAILURE() << "no exception";
    } catch (const GIFException& e) {
        EXPECT_EQ(e.Message(), sImageEmpty);
    }
}

// A frame of w × h in transparent index 7 with the given opaque pixels.
std::unique_ptr<TGIFImage> TransparentFrame(int w, int h,
                                            std::initializer_list<std::pair<int, int>> opaque) {
    auto image = MakeImage(w, h, TBytes(size_t(w * h), 7), 3);
    TGIFSubImage& frame = *image->Images().SubImages(0);
    frame.SetLeft(2);
    for (auto [x, y] : opaque) frame.SetPixels(x, y, 1);
    auto gce = std::make_unique<TGIFGraphicControlExtension>(&frame);
    gce->SetTransparentColorIndex(7);
    gce->SetTransparent(true);
    frame.Extensions().Add(std::move(gce));
    return image;
}

TEST(GIFSubImage, CropRemovesTransparentBorders) {
    auto single = TransparentFrame(6, 6, {{3, 4}});
    TGIFSubImage& one = *single->Images().SubImages(0);
    one.Crop();
    EXPECT_EQ(one.Left(), 5);
    EXPECT_EQ(one.Top(), 4);
    EXPECT_EQ(one.Width(), 1);
    EXPECT_EQ(one.Height(), 1);
    EXPECT_EQ(FramePixels(one), TBytes{1});

    auto two = TransparentFrame(6, 5, {{1, 1}, {4, 3}});
    TGIFSubImage& box = *two->Images().SubImages(0);
    box.Crop();
    EXPECT_EQ(box.Width(), 4);
    EXPECT_EQ(box.Height(), 3);
    EXPECT_EQ(FramePixels(box), (TBytes{1, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 1}));

    auto none = TransparentFrame(4, 4, {});
    none->Images().SubImages(0)->Crop();
    EXPECT_TRUE(none->Images().SubImages(0)->Empty());

    // Without transparency nothing is cut.
    auto opaque = MakeImage(2, 2, {0, 0, 0, 0}, 1);
    opaque->Images().SubImages(0)->Crop();
    EXPECT_EQ(opaque->Images().SubImages(0)->Width(), 2);
}

TEST(GIFSubImage, CopiesAreIndependent) {
    auto source = TransparentFrame(3, 2, {{0, 0}});
    source->Images().SubImages(0)->GraphicControlExtension()->SetDelay(10);
    source->OnWarning = [](TObject*, int, const std::string&) {};
    source->OnProgress = [](TObject*, TGIFProgressStage, int, bool, const std::string&) {};
    TGIFImage copy;
    copy.Assign(*source);
    EXPECT_EQ(SaveBytes(copy), SaveBytes(*source));
    EXPECT_FALSE(copy.OnWarning);
    EXPECT_FALSE(copy.OnProgress);
    ASSERT_EQ(copy.Images().Count(), 1);
    TGIFSubImage& frame = *copy.Images().SubImages(0);
    EXPECT_EQ(FramePixels(frame), FramePixels(*source->Images().SubImages(0)));
    EXPECT_TRUE(frame.Transparent());
    ASSERT_NE(frame.GraphicControlExtension(), nullptr);
    frame.GraphicControlExtension()->SetDelay(99);
    frame.SetPixels(1, 1, 0);
    EXPECT_EQ(source->Images().SubImages(0)->GraphicControlExtension()->Delay(), 10);
    EXPECT_EQ(source->Images().SubImages(0)->Pixels(1, 1), 7);
}

TEST(GIFImage, ScreenSizeBelowAFrameIsRefused) {
    auto image = MakeImage(4, 3, TBytes(12, 0), 1);
    EXPECT_THROW(image->SetWidth(3), GIFException);
    EXPECT_THROW(image->SetHeight(2), GIFException);
    EXPECT_EQ(image->Width(), 4);
    EXPECT_EQ(image->Height(), 3);
    image->SetWidth(10);
    EXPECT_EQ(image->Width(), 10);
}

TEST(GIFImage, HugeDescriptorsAreRefusedBeforeAllocating) {
    TByteBuilder b;
    b.Header(1, 1).Descriptor(0, 0, 0xFFFF, 0xFFFF).Add({2});
    b.SubBlocks(TBitPacker().Code(4, 3).Code(5, 3).Finish()).Add({0x3B});
    TLoadedGif gif;
    try {
        gif.Load(b.Bytes);
        ADD_FAILURE() << "no exception";
    } catch (const GIFException& e) {
        EXPECT_EQ(FaultText(e), sBadImageDimensions);
    }
}

TEST(GIFImage, ClearEmptiesEverything) {
    auto image = MakeImage(4, 3, TBytes(12, 0), 1);
    image->Clear();
    EXPECT_TRUE(image->Empty());
    EXPECT_EQ(image->Width(), 0);
    EXPECT_EQ(image->GlobalColorMap().Count(), 0);
    EXPECT_EQ(image->Version(), GIFVersionUnknown);
}

}  // namespace

namespace {

TEST(GIFList, OwnershipAndIndexErrors) {
    auto image = MakeImage(1, 1, {0}, 1);
    TGIFSubImage& frame = *image->Images().SubImages(0);
    frame.Extensions().Add(std::make_unique<TGIFCommentExtension>(&frame));
    auto gce = std::make_unique<TGIFGraphicControlExtension>(&frame);
    TGIFItem* linked = gce.get();
    frame.Extensions().Add(std::move(gce));
    // Extract hands the item over without freeing it; the list forgets it.
    std::unique_ptr<TGIFItem> taken = frame.Extensions().Extract(linked);
    EXPECT_EQ(taken.get(), linked);
    EXPECT_EQ(frame.Extensions().Count(), 1);
    EXPECT_EQ(frame.Extensions().Extract(linked), nullptr);
    try {
        frame.Extensions().Items(5);
        ADD_FAILURE() << "no exception";
    } catch (const EListError& e) {
        EXPECT_EQ(e.Message(), "List index out of bounds (5)");
    }
    frame.Extensions().Delete(0);
    EXPECT_EQ(frame.Extensions().Count(), 0);
}

}  // namespace
